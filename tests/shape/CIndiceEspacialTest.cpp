// The spatial index of a layer's records: a query gives exactly the records a
// scan of every box gives, boxes are taken from the records' points whatever
// box the file stores, and the hit tests that go through it find what a test
// of every record finds. Indices kept between runs: a layer opened again
// answers from the kept index, a changed file never does, and a damaged kept
// index is ignored (the layer builds its own and answers as without a cache).
// Last, the point-in-record tests themselves.
#include "CCacheIndices.h"
#include "CIndiceEspacial.h"
#include "CShape.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {
using W = ShapefileWriter;
using Nodo = CIndiceEspacial::Nodo;
const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

bool Cortan(const CRectangulo& a, const CRectangulo& b) {
    return !(a.x2 < b.x1 || b.x2 < a.x1 || a.y2 < b.y1 || b.y2 < a.y1);
}

// Whole coordinates, exact in single precision: the index's rounding plays
// no part and its answer must be the scan's exactly.
CRectangulo CajaAlAzar(std::mt19937& azar, int lado) {
    std::uniform_int_distribution<int> posicion(-1000, 1000), medida(0, lado);
    const double x = posicion(azar), y = posicion(azar);
    return CRectangulo(x, y, x + medida(azar), y + medida(azar));
}

std::vector<unsigned int> Consulta(const CShape& shape, const CRectangulo& zona) {
    std::vector<unsigned int> registros{12345};  // emptied by the query
    shape.RegistrosEn(zona, registros);
    return registros;
}

CRectangulo Caja(const std::vector<W::Parte>& partes) {
    CRectangulo c(kInf, kInf, -kInf, -kInf);
    for (const W::Parte& parte : partes)
        for (const CPunto& p : parte)
            c = CRectangulo(std::min<double>(c.x1, p.x), std::min<double>(c.y1, p.y),
                            std::max<double>(c.x2, p.x), std::max<double>(c.y2, p.y));
    return c;
}

// A ring of 5 to 40 vertices around (cx, cy), clockwise (an outer ring).
W::Parte AnilloAlAzar(std::mt19937& azar, double cx, double cy, double radio) {
    std::uniform_real_distribution<double> escala(0.3, 1.0);
    const int n = std::uniform_int_distribution<int>(5, 40)(azar);
    W::Parte anillo;
    for (int v = 0; v < n; ++v) {
        const double t = -6.283185307179586 * v / n, r = radio * escala(azar);
        anillo.push_back(CPunto(cx + r * std::cos(t), cy + r * std::sin(t)));
    }
    anillo.push_back(anillo.front());  // closed
    return anillo;
}

// The record holding the point searched from `desde`, or -1 when not found.
int Buscar(const CShape& shape, const CPunto& p, unsigned int desde, double tolerancia = 0) {
    try {
        return tolerancia > 0 ? shape.PoligonoAlQuePertenece(p, desde, tolerancia)
                              : shape.PoligonoAlQuePertenece(p, desde);
    } catch (const char* error) {
        EXPECT_STREQ(error, "Poligono no encontrado");
        return -1;
    }
}

// The first record from `desde` on (wrapping) that the record's own test
// says is hit: what a lookup without an index finds.
int BuscarSinIndice(const CShape& shape, const CPunto& p, unsigned int desde, double tolerancia) {
    for (unsigned int k = 0; k < shape.NumElementos(); ++k) {
        const unsigned int i = (desde + k) % shape.NumElementos();
        const unsigned int* registro = shape.BuscaElemento(i);
        if (registro && (tolerancia > 0 ? shape.EsPuntoEnPoligono(registro, p, tolerancia)
                                        : shape.EsPuntoEnPoligono(registro, p)))
            return static_cast<int>(i);
    }
    return -1;
}

// Kept indices go to a folder of the test's own, and nowhere after it.
struct CacheEnPrueba : DirectorioPrueba {
    CacheEnPrueba() { CCacheIndices::SetDirectorio(Ruta("cache")); }
    ~CacheEnPrueba() { CCacheIndices::SetDirectorio(""); }
};

// 400 small boxes scattered over 2000 x 2000, as polygons.
void EscribeCajas(const std::string& ruta, unsigned int semilla) {
    std::mt19937 azar(semilla);
    W escritor(5);
    for (int i = 0; i < 400; ++i) {
        const CRectangulo c = CajaAlAzar(azar, 8);
        escritor.AddShape({W::Rectangle(c.x1, c.y1, c.x2, c.y2)});
    }
    ASSERT_TRUE(escritor.Write(ruta));
}

// What the layer finds in 40 views over it.
std::vector<std::vector<unsigned int>> Respuestas(const std::string& ruta) {
    const CShape shape(ruta.c_str());
    std::mt19937 azar(7);
    std::vector<std::vector<unsigned int>> respuestas;
    for (int v = 0; v < 40; ++v) respuestas.push_back(Consulta(shape, CajaAlAzar(azar, 400)));
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

// An index whose every leaf lies at one far corner (a layer that answers as
// it does took its index from the cache), its records numbered from `primero`.
CIndiceEspacial IndiceEnUnaEsquina(unsigned int registros, unsigned int primero = 0) {
    std::vector<Nodo> hojas;
    for (unsigned int i = 0; i < registros; ++i) hojas.push_back({5000, 5000, 5001, 5001, primero + i});
    return CIndiceEspacial(hojas);
}

void CambiaBytes(const std::string& ruta, std::streamoff desde, const std::string& bytes) {
    std::fstream f(ruta, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(desde, desde < 0 ? std::ios::end : std::ios::beg);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
}  // namespace

TEST(CIndiceEspacial, QueriesFindExactlyTheBoxesAScanFindsAtEverySizeOfTree) {
    std::mt19937 azar(14);
    // Sizes around the node's 16 children and its powers; boxes small, large,
    // flat, single points, some left out (records without a box).
    for (const unsigned int n : {0u, 1u, 2u, 15u, 16u, 17u, 255u, 256u, 257u, 4097u}) {
        std::vector<CRectangulo> cajas;
        std::vector<bool> indexada;
        std::vector<Nodo> hojas;
        for (unsigned int i = 0; i < n; ++i) {
            cajas.push_back(CajaAlAzar(azar, i % 7 == 0 ? 900 : 30));
            if (i % 11 == 3) cajas.back().x2 = cajas.back().x1;
            Nodo hoja;
            const bool dentro = i % 13 != 5 && CIndiceEspacial::Hoja(i, cajas.back(), hoja);
            if (dentro) hojas.push_back(hoja);
            indexada.push_back(dentro);
        }
        std::shuffle(hojas.begin(), hojas.end(), azar);
        const CIndiceEspacial indice(hojas);
        std::vector<unsigned int> hallados;
        for (int v = 0; v < 60; ++v) {
            const CRectangulo vista = CajaAlAzar(azar, v % 3 == 0 ? 2000 : 150);
            std::vector<unsigned int> esperados;
            for (unsigned int i = 0; i < n; ++i)
                if (indexada[i] && Cortan(cajas[i], vista)) esperados.push_back(i);
            indice.Consulta(vista, hallados);
            ASSERT_EQ(hallados, esperados) << n << " boxes, view " << v;
        }
    }
}

// Boxes with no inside are refused; single precision never moves an edge
// inward, so views touching a box by a hair where floats are coarse (half
// a unit apart here) still meet it.
TEST(CIndiceEspacial, BoxesAreRoundedOutwardAndEmptyOnesRefused) {
    Nodo hoja;
    EXPECT_FALSE(CIndiceEspacial::Hoja(0, CRectangulo(kNan, 0, 1, 1), hoja));
    EXPECT_FALSE(CIndiceEspacial::Hoja(0, CRectangulo(2, 0, 1, 1), hoja));
    const double x1 = 4123456.4, y1 = 4000000.4, x2 = 4123457.1, y2 = 4000001.1;
    std::vector<Nodo> hojas(2);
    ASSERT_TRUE(CIndiceEspacial::Hoja(0, CRectangulo(x1, y1, x2, y2), hojas[0]));
    ASSERT_TRUE(CIndiceEspacial::Hoja(1, CRectangulo(-1e300, -1e300, 1e300, kInf), hojas[1]));
    const CIndiceEspacial indice(hojas);
    const struct {
        CRectangulo vista;
        std::vector<unsigned int> registros;
    } casos[] = {{{x2, y1, x2 + 1, y2}, {0, 1}},       {{x1 - 1, y1, x1, y2}, {0, 1}},
                 {{x1, y2, x2, y2 + 1}, {0, 1}},       {{x1, y1 - 1, x2, y1}, {0, 1}},
                 {{x2 + 1, y1, x2 + 2, y2}, {1}},      {{1e299, 1e299, 1e300, 1e300}, {1}},
                 {{kNan, kNan, kNan, kNan}, {0, 1}}};
    std::vector<unsigned int> hallados;
    for (size_t i = 0; i < std::size(casos); ++i) {
        indice.Consulta(casos[i].vista, hallados);
        EXPECT_EQ(hallados, casos[i].registros) << "case " << i;
    }
}

// Random layers whose stored boxes are partly damaged (zero, NaN, inverted,
// far away, too small): queries find each sound record by where its points
// are, never by the box it stores, and the information click's lookups
// (polygons by containment, lines and points within a tolerance) find
// through the index the same record as a test of every record in turn, from
// any start. The first layer also has a null record, a record read from
// another's place, one past the end and one larger than the pieces the file
// is read in; the lines, two records with a coordinate that is no number,
// candidates everywhere (where they show is for their own tests to say).
TEST(CIndiceEspacial, QueriesAndHitTestsFollowThePointsNotTheStoredBoxes) {
    std::mt19937 azar(1414);
    std::uniform_real_distribution<double> centro(0.0, 1000.0);
    DirectorioPrueba dir;
    const struct {
        int tipo;
        double tolerancia;
    } capas[] = {{5, 0.0}, {5, 2.0}, {3, 3.0}, {3, 0.4}, {1, 4.0}};
    for (size_t c = 0; c < std::size(capas); ++c) {
        const int tipo = capas[c].tipo;
        W escritor(tipo);
        std::vector<CRectangulo> cajas;  // of each record's points
        std::vector<CPunto> centros;     // of each record's first ring
        for (int i = 0; i < 1500; ++i) {
            const CPunto p(centro(azar), centro(azar));
            centros.push_back(p);
            std::vector<W::Parte> partes = {tipo == 1 ? W::Parte{p} : AnilloAlAzar(azar, p.x, p.y, 12.0)};
            if (tipo == 3) partes[0].pop_back();  // a line, not closed
            if (tipo == 5 && i % 5 == 0) partes.push_back(AnilloAlAzar(azar, centro(azar), centro(azar), 6.0));
            if (c == 0 && i == 700)  // larger than the pieces the file is read in: read in place
                for (int v = 0; v < 70000; ++v) partes[0].insert(partes[0].end() - 1, partes[0][v % 5]);
            if (tipo == 1) escritor.AddPoint(p.x, p.y);
            else escritor.AddShape(partes);
            cajas.push_back(Caja(partes));
        }
        if (tipo == 3) {
            escritor.AddShape({{CPunto(100, 100), CPunto(kNan, 110), CPunto(120, 120)}});
            escritor.AddShape({{CPunto(200, 200), CPunto(210, kInf)}});
            cajas.insert(cajas.end(), 2, CRectangulo(-kInf, -kInf, kInf, kInf));
        }
        const CRectangulo danadas[] = {{0, 0, 0, 0}, {kNan, kNan, kNan, kNan}, {900, 900, 100, 100},
                                       {-5000, -5000, -4990, -4990}};
        for (std::size_t i = 0; tipo != 1 && i < 200; ++i)
            escritor.SetRecordBox(7 * i + 1, danadas[i % std::size(danadas)]);
        std::size_t nulo = cajas.size(), fuera = cajas.size();  // none
        if (c == 0) {
            nulo = escritor.AddNull();
            cajas.push_back(CRectangulo(kNan, kNan, kNan, kNan));
            escritor.SetRecordBox(700, CRectangulo(0, 0, 0, 0));
            escritor.SetRecordBox(3, CRectangulo(cajas[3].x1, cajas[3].y1, cajas[3].x1 + 1, cajas[3].y1 + 1));
            escritor.SetRecordOffset(1000, static_cast<std::uint32_t>(escritor.RecordPosition(5) / 2));
            cajas[1000] = cajas[5];
            fuera = 1001;
            escritor.SetRecordOffset(fuera, 0x7FFFFFF0u);
        }
        const std::string nombre = dir / ("capa" + std::to_string(c));
        ASSERT_TRUE(escritor.Write(nombre));
        const CShape shape(nombre.c_str());
        ASSERT_EQ(shape.NumElementos(), cajas.size());
        for (int v = 0; v < 300; ++v) {
            const double x = centro(azar) - 100, y = centro(azar) - 100;
            const double ancho = v % 10 == 0 ? 1200 : 5 + std::fmod(x + 100, 120);
            const CRectangulo vista(x, y, x + ancho, y + ancho * 0.75);
            std::vector<unsigned int> esperados;
            for (unsigned int i = 0; i < cajas.size(); ++i)
                if (i != fuera && i != nulo && Cortan(cajas[i], vista)) esperados.push_back(i);
            // Single precision may add a record that comes within its rounding
            // of the view, never leave one out: here none is that close.
            ASSERT_EQ(Consulta(shape, vista), esperados) << "layer " << c << ", view " << v;
        }
        int hallados = 0;
        for (int k = 0; k < 400; ++k) {
            const CPunto p(centro(azar), centro(azar));
            const unsigned int desde = static_cast<unsigned int>(k * 3);
            const int esperado = BuscarSinIndice(shape, p, desde, capas[c].tolerancia);
            ASSERT_EQ(Buscar(shape, p, desde, capas[c].tolerancia), esperado) << "layer " << c << ", point " << k;
            hallados += esperado >= 0;
        }
        EXPECT_GT(hallados, 20) << "layer " << c;  // the points do hit records
        if (c != 0) continue;
        // The zeroed box (record 1) and the too small one (record 3) hid their
        // polygons from a click on their centre; they are found now.
        for (const unsigned int i : {1u, 3u})
            EXPECT_EQ(Buscar(shape, centros[i], i, 0.0), static_cast<int>(i)) << "case " << i;
    }
}

// A layer opened again answers from the index kept for its files; a kept
// index that is damaged is ignored; files written anew get an index of
// their own.
TEST(CCacheIndices, ALayerAnswersFromItsKeptIndexUnlessDamagedOrItsFilesChanged) {
    DirectorioPrueba datos;
    const std::string capa = datos / "cajas";
    EscribeCajas(capa, 1);
    const auto sinCache = Respuestas(capa);
    const CacheEnPrueba cache;
    EXPECT_EQ(Respuestas(capa), sinCache);  // built and kept
    const CCacheIndices::Clave clave = ClaveDe(capa, 400);
    const std::string kept = CCacheIndices::Ruta(clave);
    const std::vector<std::filesystem::path> archivos{std::filesystem::directory_iterator(cache / "cache"), {}};
    ASSERT_EQ(archivos, std::vector<std::filesystem::path>{kept});
    EXPECT_EQ(Respuestas(capa), sinCache);  // read back

    // What is kept is what the layer answers with.
    CCacheIndices::Escribe(clave, IndiceEnUnaEsquina(400));
    EXPECT_EQ(Consulta(CShape(capa.c_str()), CRectangulo(4999, 4999, 5002, 5002)).size(), 400u);

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
        {"a leaf past the last record", [&] { CCacheIndices::Escribe(clave, IndiceEnUnaEsquina(400, 1)); }},
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
    std::filesystem::remove_all(kept);  // the directory the last case left
    CCacheIndices::Escribe(clave, IndiceEnUnaEsquina(400));
    ASSERT_NE(CCacheIndices::Lee(clave), nullptr);
    EscribeCajas(capa, 2);
    const auto otra = Respuestas(capa);
    EXPECT_NE(otra, sinCache);
    CCacheIndices::SetDirectorio("");
    EXPECT_EQ(Respuestas(capa), otra);
}

TEST(CShapePoligonos, HolesIslandsHalfOpenEdgesToleranceAndSearchWrappingAround) {
    DirectorioPrueba dir;
    W poligonos(5), lineas(3);
    // 0: square with a hole and an island inside the hole; 1: two squares;
    // 2: covers square 0 entirely.
    poligonos.AddShape({W::Rectangle(0, 0, 10, 10), W::Rectangle(2, 2, 8, 8, false), W::Rectangle(4, 4, 6, 6)});
    poligonos.AddShape({W::Rectangle(20, 0, 30, 10), W::Rectangle(40, 0, 50, 10)});
    poligonos.AddShape({W::Rectangle(-1, -1, 11, 11)});
    lineas.AddShape({{{0, 50}, {50, 50}}, {{0, 0}, {100, 100}}});
    ASSERT_TRUE(poligonos.Write(dir / "poligonos") && lineas.Write(dir / "lineas"));
    const CShape shape((dir / "poligonos").c_str()), shapeLineas((dir / "lineas").c_str());
    // Bottom and left edges inside, top and right outside; the tolerance is
    // rounded and (50, 60) is 7.07 from the lines' second part.
    const struct {
        const CShape* capa;
        unsigned int registro;
        double x, y, tolerancia;
        bool dentro;
    } casos[] = {{&shape, 0, 1, 1, 0, true},      {&shape, 0, 3, 3, 0, false},  {&shape, 0, 5, 5, 0, true},
                 {&shape, 1, 45, 5, 0, true},     {&shape, 1, 35, 5, 0, false}, {&shape, 0, 3, 3, 1, true},  // no holes
                 {&shape, 1, 35, 5, 1, false},
                 {&shape, 1, 25, 0, 0, true},     {&shape, 1, 25, 10, 0, false}, {&shape, 1, 20, 5, 0, true},
                 {&shape, 1, 30, 5, 0, false},    {&shapeLineas, 0, 50, 60, 8, true}, {&shapeLineas, 0, 50, 60, 7, false},
                 {&shapeLineas, 0, 25, 50.9, 1, true}, {&shapeLineas, 0, 25, 51.5, 1, false}};
    for (size_t i = 0; i < std::size(casos); ++i) {
        const CPunto p(casos[i].x, casos[i].y);
        EXPECT_EQ(casos[i].tolerancia ? casos[i].capa->EsPuntoEnPoligono(casos[i].registro, p, casos[i].tolerancia)
                                      : casos[i].capa->EsPuntoEnPoligono(casos[i].registro, p),
                  casos[i].dentro) << "case " << i;
    }
    EXPECT_EQ(Buscar(shape, CPunto(3, 3), 0), 2);  // hole of 0, inside 2
    EXPECT_EQ(Buscar(shape, CPunto(1, 1), 1), 2);
    EXPECT_EQ(Buscar(shape, CPunto(45, 5), 2), 1);  // wraps to 0, then 1
    EXPECT_EQ(Buscar(shape, CPunto(3, 3), 0, 1.0), 0);
    EXPECT_EQ(Buscar(shape, CPunto(35, 5), 0), -1);
    EXPECT_EQ(Buscar(shape, CPunto(5, 11.5), 0, 5.0), -1);  // outside the file's box
    EXPECT_EQ(Buscar(shape, CPunto(1, 1), 3, 1.0), -1);
    EXPECT_EQ(Buscar(shapeLineas, CPunto(100, 99.5), 0, 1.0), 0);
    // Orientation: three lowest vertices in a row, the ring starting at the
    // middle one; the right-most decides.
    const W::Parte antihorario = {{5, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {5, 0}};
    EXPECT_TRUE(CShape::EsUnHueco(antihorario.data(), 6));
    EXPECT_FALSE(CShape::EsUnHueco(W::Parte(antihorario.rbegin(), antihorario.rend()).data(), 6));
}
