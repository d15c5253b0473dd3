// Spatial indices kept between runs: a layer opened again answers from the
// kept index, a changed file never does, and a damaged kept index is
// ignored (the layer builds its own and answers as without a cache).
#include "CCacheIndices.h"
#include "CIndiceEspacial.h"
#include "CShape.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {
using W = ShapefileWriter;
using Nodo = CIndiceEspacial::Nodo;

// The cache folder for one test; none again afterwards.
class CacheEnPrueba {
public:
    CacheEnPrueba() { CCacheIndices::SetDirectorio(dir / "cache"); }
    ~CacheEnPrueba() { CCacheIndices::SetDirectorio(""); }
    std::vector<std::string> Archivos() const {
        std::vector<std::string> archivos;
        if (std::filesystem::is_directory(dir / "cache"))
            for (const auto& e : std::filesystem::directory_iterator(dir / "cache")) archivos.push_back(e.path());
        return archivos;
    }

private:
    DirectorioPrueba dir;
};

// 400 small squares scattered over 1000 x 1000.
void EscribeCapa(const std::string& ruta, unsigned int semilla) {
    std::mt19937 azar(semilla);
    std::uniform_real_distribution<double> centro(0.0, 1000.0);
    W escritor(5);
    for (int i = 0; i < 400; ++i) {
        const double x = centro(azar), y = centro(azar);
        escritor.AddShape({{CPunto(x, y), CPunto(x, y + 4), CPunto(x + 4, y + 4), CPunto(x + 4, y), CPunto(x, y)}});
    }
    ASSERT_TRUE(escritor.Write(ruta));
}

std::vector<CRectangulo> Vistas() {
    std::mt19937 azar(7);
    std::uniform_real_distribution<double> esquina(-50.0, 1000.0);
    std::vector<CRectangulo> vistas;
    for (int v = 0; v < 40; ++v) {
        const double x = esquina(azar), y = esquina(azar);
        vistas.emplace_back(x, y, x + 120, y + 90);
    }
    return vistas;
}

std::vector<std::vector<unsigned int>> Respuestas(const std::string& ruta) {
    const CShape shape(ruta.c_str());
    std::vector<std::vector<unsigned int>> respuestas;
    for (const CRectangulo& vista : Vistas()) {
        respuestas.emplace_back();
        shape.RegistrosEn(vista, respuestas.back());
    }
    return respuestas;
}

CCacheIndices::Clave ClaveDe(const std::string& ruta, unsigned int registros) {
    const int shp = ::open((ruta + ".shp").c_str(), O_RDONLY), shx = ::open((ruta + ".shx").c_str(), O_RDONLY);
    CCacheIndices::Clave clave{};
    EXPECT_TRUE(CCacheIndices::ClaveDe(shp, shx, registros, clave));
    ::close(shp);
    ::close(shx);
    return clave;
}

// An index whose every leaf lies at one far corner: a layer that answers as
// it does took its index from the cache.
CIndiceEspacial IndiceEnUnaEsquina(unsigned int registros) {
    std::vector<Nodo> hojas;
    for (unsigned int i = 0; i < registros; ++i) hojas.push_back({5000, 5000, 5001, 5001, i});
    return CIndiceEspacial(hojas);
}

void CambiaBytes(const std::string& ruta, std::streamoff desde, const std::string& bytes) {
    std::fstream f(ruta, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(desde, desde < 0 ? std::ios::end : std::ios::beg);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
}  // namespace

// A layer opened again answers from the index kept for its files; a kept
// index that is damaged is ignored; files written anew get an index of
// their own.
TEST(CCacheIndices, ALayerAnswersFromItsKeptIndexUnlessDamagedOrItsFilesChanged) {
    DirectorioPrueba datos;
    const std::string capa = datos / "cuadros";
    EscribeCapa(capa, 1);
    const auto sinCache = Respuestas(capa);
    const CacheEnPrueba cache;
    EXPECT_EQ(Respuestas(capa), sinCache);  // built and kept
    const CCacheIndices::Clave clave = ClaveDe(capa, 400);
    const std::string kept = CCacheIndices::Ruta(clave);
    ASSERT_EQ(cache.Archivos(), std::vector<std::string>{kept});
    EXPECT_EQ(Respuestas(capa), sinCache);  // read back

    // What is kept is what the layer answers with.
    CCacheIndices::Escribe(clave, IndiceEnUnaEsquina(400));
    {
        const CShape shape(capa.c_str());
        std::vector<unsigned int> registros;
        shape.RegistrosEn(CRectangulo(4999, 4999, 5002, 5002), registros);
        EXPECT_EQ(registros.size(), 400u);
    }

    const std::streamoff kNumHojas = 8 + sizeof clave;  // after the signature and the key
    const struct {
        const char* nombre;
        std::function<void()> dana;
    } casos[] = {
        {"truncated", [&] { std::filesystem::resize_file(kept, std::filesystem::file_size(kept) - 3); }},
        {"a node's byte changed", [&] { CambiaBytes(kept, -7, "\x55"); }},
        {"another number of leaves", [&] { CambiaBytes(kept, kNumHojas, std::string("\x11\x01\0\0", 4)); }},
        {"a number of leaves whose size wraps around",
         [&] { CambiaBytes(kept, kNumHojas, std::string("\0\0\0\0\0\0\0\xF0\0\0\0\0\0\0\0\xF0", 16)); }},
        {"not an index", [&] { CambiaBytes(kept, 0, "VAQIDX99"); }},
        {"a leaf past the last record", [&] {
             std::vector<Nodo> hojas;
             for (unsigned int i = 0; i < 400; ++i) hojas.push_back({5000, 5000, 5001, 5001, i + 1});
             CCacheIndices::Escribe(clave, CIndiceEspacial(hojas));
         }},
        {"a directory in its place", [&] {
             std::filesystem::remove(kept);
             std::filesystem::create_directory(kept);
         }},
    };
    for (const auto& caso : casos) {
        std::filesystem::remove_all(kept);
        CCacheIndices::Escribe(clave, IndiceEnUnaEsquina(400));
        caso.dana();
        EXPECT_EQ(CCacheIndices::Lee(clave), nullptr) << caso.nombre;
        EXPECT_EQ(Respuestas(capa), sinCache) << caso.nombre;
    }
    // A tree whose parent does not hold its children is refused as read.
    std::vector<Nodo> nodos = IndiceEnUnaEsquina(400).Nodos();
    nodos.back().x2 = 5000.5f;
    EXPECT_EQ(CIndiceEspacial::DeNodos(400, nodos, 400), nullptr);
    nodos.back().x2 = 5001;
    EXPECT_NE(CIndiceEspacial::DeNodos(400, nodos, 400), nullptr);

    // Another layer written over the same files is never answered for by the
    // index kept for the old one.
    CCacheIndices::Escribe(clave, IndiceEnUnaEsquina(400));
    EscribeCapa(capa, 2);
    const auto otra = Respuestas(capa);
    EXPECT_NE(otra, sinCache);
    CCacheIndices::SetDirectorio("");
    EXPECT_EQ(Respuestas(capa), otra);
}
