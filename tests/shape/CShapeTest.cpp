// The shapefile reader: files that do not open are named, records of every
// shape type give their points, and a damaged or hostile record is refused
// with "ErrorOutOfLimits" (or null from the non-throwing forms) while every
// other record stays readable.
#include "CFichero.h"
#include "CShape.h"
#include "IBig.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {
using Parte = ShapefileWriter::Parte;
using W = ShapefileWriter;
using Registros = std::vector<unsigned int>;
const Parte kA = {{0, 0}, {1, 1}, {2, 0}};
const Parte kB = {{10, 10}, {11, 11}};
const Parte kC = {{20, 20}, {21, 21}, {22, 22}, {23, 23}};
const Parte kLinea1 = {{1, 2}, {3, 4}, {5, 6}};
const Parte kLinea2 = {{-1, -2}, {-3, -4}};
const Parte kLinea3 = {{7.5, 8.25}, {9, 10}, {11, 12}, {13, 14.5}};

std::string Error(const std::function<void()>& accion) {
    try {
        accion();
        return "";
    } catch (const char* error) {
        return error;
    }
}

// The points of one part, through the throwing interface.
Parte PuntosDe(const CShape& shape, unsigned int registro, unsigned int parte) {
    unsigned int n = 0;
    const CPunto* puntos = shape.Puntos(shape.Elemento(registro), parte, &n);
    return Parte(puntos, puntos + n);
}
// Three records: polylines of two parts each, or points, or multipoints.
W TresRegistros(int tipo = 3) {
    W escritor(tipo);
    for (const Parte* p : {&kA, &kB, &kC}) {
        if (tipo == 1) escritor.AddPoint((*p)[0].x + 1, (*p)[0].y);
        else if (tipo == 8) escritor.AddMultiPoint(*p);
        else escritor.AddShape({*p, p == &kC ? kA : p == &kA ? kB : kC});
    }
    return escritor;
}

// What the paint path sees: the records it can draw, each with all its points checked.
Registros Pintables(const CShape& shape) {
    Registros pintables;
    for (unsigned int i = 0; i < shape.NumElementos(); ++i) {
        const unsigned int* registro = shape.BuscaElemento(i);
        if (!registro) continue;
        unsigned int puntos = 0;
        for (unsigned int p = 0; p < shape.NumPartes(registro); ++p) {
            unsigned int n = 0;
            const CPunto* pts = shape.BuscaPuntos(registro, p, &n);
            if (!pts) ADD_FAILURE() << "part " << p << " of an accepted record";
            for (unsigned int k = 0; k < n; ++k) puntos += pts[k].x >= 0 ? 1 : 0;
        }
        EXPECT_GT(puntos, 0u);
        pintables.push_back(i);
    }
    return pintables;
}

// Kilobytes of the line `clave` of /proc/self/status.
long EstadoKb(const std::string& clave) {
    std::ifstream estado("/proc/self/status");
    for (std::string linea; std::getline(estado, linea);)
        if (linea.rfind(clave + ":", 0) == 0) return std::stol(linea.substr(clave.size() + 1));
    return -1;
}

// The bytes in a sparse file `tamano` bytes long, its stored length saying so.
void EscribeDisperso(const std::string& ruta, std::vector<unsigned char> bytes, std::uint64_t tamano) {
    const std::uint32_t palabras = static_cast<std::uint32_t>(tamano / 2);
    for (int i = 0; i < 4; ++i) bytes[24 + i] = static_cast<unsigned char>(palabras >> (24 - 8 * i));
    std::ofstream(ruta, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    ASSERT_EQ(::truncate(ruta.c_str(), static_cast<off_t>(tamano)), 0);
}
}  // namespace

// Long paths map and empty files do not; a directory named like a data file
// is refused with the reason (FIFOs and missing files: CCapaShpTest).
TEST(CFicheroLectura, MapsAtPathsLongerThan256CharactersAndRefusesEmptyFilesAndDirectories) {
    DirectorioPrueba dir;
    std::string ruta = dir.Ruta();
    for (int i = 0; i < 6; ++i) {
        ruta += "/" + std::string(60, static_cast<char>('a' + i));
        std::filesystem::create_directory(ruta);
    }
    std::ofstream(ruta + "/datos", std::ios::binary) << "0123456789";
    std::ofstream(ruta + "/vacio", std::ios::binary);
    CFichero f;
    ASSERT_TRUE(f.Abre((ruta + "/datos").c_str(), CFichero::SoloLectura));
    EXPECT_EQ(f.Escribe("x", 1, 0), 0u);  // read-only
    const char* mapa = static_cast<const char*>(f.Map());
    ASSERT_NE(static_cast<const void*>(mapa), CFichero::MapaFallido());
    ASSERT_NE(mapa, nullptr);
    EXPECT_EQ(std::string(mapa, 10), "0123456789");
    EXPECT_TRUE(f.Cierra());
    EXPECT_EQ(f.Map(), nullptr);
    ASSERT_TRUE(f.Abre((ruta + "/vacio").c_str(), CFichero::SoloLectura));
    EXPECT_EQ(f.Map(), CFichero::MapaFallido());
    EXPECT_FALSE(f.Abre(ruta.c_str(), CFichero::SoloLectura));
    EXPECT_EQ(f.ErrorApertura(), CFichero::kNoEsArchivoRegular);
}

// A header that lies or a shape type the viewer does not know is named at
// open; damage in the index's ends and the table's header is reported by a
// layer that opens.
TEST(CShapeApertura, DamagedHeadersAreNamedAndDamagedIndexOrTableReported) {
    using S = CShape;
    const struct {
        std::function<void(W&)> dano;
        const char* error;  // "" when it opens
        unsigned int danos;
    } casos[] = {
        {[](W& e) { e.Truncate(W::Shp, 60, true); }, "ErrorLeyendoShp/Shx", 0},
        {[](W& e) { e.SetFileCode(W::Shx, 9995); }, "ErrorEnNumeroSerieShp/Shx", 0},
        {[](W& e) { e.SetFileLengthWords(W::Shx, static_cast<std::uint32_t>(e.ShxBytes().size() / 2 + 4)); },
         "ErrorEnTamanosShp/Shx", 0},
        {[](W& e) { e.SetFileLengthWords(W::Shp, static_cast<std::uint32_t>(e.ShpBytes().size() / 2 - 1)); },
         "ErrorEnTamanosShp/Shx", 0},
        {[](W& e) { e.Truncate(W::Shp, 150, false); }, "ErrorEnTamanosShp/Shx", 0},
        {[](W& e) { e.SetVersion(W::Shx, 999); }, "ErrorEnVersionShp/Shx", 0},
        {[](W&) {}, "", 0},
        {[](W& e) { e.SetVersion(W::Shx, 0x80000000u); }, "", 0},  // read as unsigned
        {[](W& e) { e.SetRecordOffset(2, 0x7FFFFFFF); }, "", S::IndiceFueraDelShp},
        {[](W& e) { e.SetRecordOffset(0, 10); }, "", S::IndiceFueraDelShp},  // into the header
        {[](W& e) { e.SetRecordContentLength(2, 1000); }, "", S::IndiceFueraDelShp},
        {[](W& e) { e.Truncate(W::Shp, 100 + 20, true); }, "", S::IndiceFueraDelShp | S::IndiceDemasiadoLargo},
        {[](W& e) { e.Table().SetHeaderLength(0); }, "", S::TablaDanada},
        {[](W& e) { e.Table().Truncate(e.Table().HeaderLength() + 2 * e.Table().RecordLength()); }, "", S::TablaDanada},
        {[](W& e) { e.Table().SetRecordCount(2); }, "", S::TablaDeOtroTamano},
    };
    DirectorioPrueba dir;
    for (size_t i = 0; i < std::size(casos); ++i) {
        W escritor = TresRegistros();
        escritor.Table().AddField("N", 'N', 4);
        for (const char* n : {"1", "2", "3"}) escritor.Table().AddRecord({n});
        casos[i].dano(escritor);
        ASSERT_TRUE(escritor.Write(dir / "capa"));
        unsigned int danos = 0;
        EXPECT_EQ(Error([&] { danos = CShape((dir / "capa").c_str()).GetDanos(); }), casos[i].error) << "case " << i;
        EXPECT_EQ(danos, casos[i].danos) << "case " << i;
    }
    for (int tipo : {0, 2, 31, -1}) {  // no shape type the viewer knows
        ASSERT_TRUE(W(tipo).Write(dir / "tipo"));
        EXPECT_EQ(Error([&] { CShape shape((dir / "tipo").c_str()); }), "ErrorEnTipoDeDato") << "case " << tipo;
    }
    ASSERT_TRUE(TresRegistros().Write(dir / "sintabla"));  // no table at all: nothing to say
    EXPECT_EQ(CShape((dir / "sintabla").c_str()).GetDanos(), 0u);
}

// A 2 GB .shp of three records, or a 2 GB index: reading every record takes
// little memory, and an index longer than the .shp is not walked past it.
TEST(CShapeApertura, HugeSparseFilesAreOpenedAndReadInLittleMemory) {
    DirectorioPrueba dir;
    const std::uint64_t k2GB = 2ull << 30;
    const W escritor = TresRegistros();
    ASSERT_TRUE(escritor.Write(dir / "shp"));
    EscribeDisperso(dir / "shp.shp", escritor.ShpBytes(), k2GB);
    ASSERT_TRUE(escritor.Write(dir / "shx"));
    EscribeDisperso(dir / "shx.shx", escritor.ShxBytes(), k2GB);
    for (const char* nombre : {"shp", "shx"}) {
        std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
        const long antes = EstadoKb("VmRSS");
        CShape shape((dir / nombre).c_str());
        EXPECT_EQ(Pintables(shape), (Registros{0, 1, 2})) << nombre;
        EXPECT_EQ(PuntosDe(shape, 2, 0), kC) << nombre;
        EXPECT_LT(shape.NumElementos(), 50u) << nombre;
        EXPECT_LT(EstadoKb("VmHWM") - antes, 32 * 1024) << nombre;
    }
}

// Z and M values lie after the XY points: a reader straying into them reads
// wrong points. Indices and pointers outside the records are refused.
TEST(CShapeRegistros, EveryVariantGivesItsXYPointsAndNothingOutsideTheRecords) {
    const struct {
        int tipos[3];
        std::vector<std::vector<Parte>> registros;
    } familias[] = {{{3, 13, 23}, {{kLinea1, kLinea2}, {kLinea3}}},
                    {{5, 15, 25},
                     {{W::Rectangle(0, 0, 10, 10), W::Rectangle(2, 2, 4, 4, false)}, {W::Rectangle(20, 5, 30, 40)}}},
                    {{1, 11, 21}, {{{{100.5, 200.25}}}, {{{-3, 4}}}}},
                    {{8, 18, 28}, {{kLinea3}, {Parte()}}}};
    DirectorioPrueba dir;
    for (const auto& familia : familias)
        for (int tipo : familia.tipos) {
            W escritor(tipo);
            for (const auto& partes : familia.registros) {
                if (tipo % 10 == 1) escritor.AddPoint(partes[0][0].x, partes[0][0].y, 7, 8);
                else if (tipo % 10 == 8) escritor.AddMultiPoint(partes[0]);
                else escritor.AddShape(partes);
            }
            ASSERT_TRUE(escritor.Write(dir / "capa"));
            CShape shape((dir / "capa").c_str());
            EXPECT_EQ(shape.Tipo(), tipo % 10) << "case " << tipo;
            ASSERT_EQ(shape.NumElementos(), 2u);
            for (unsigned int r = 0; r < 2; ++r) {
                const auto& partes = familia.registros[r];
                EXPECT_EQ(shape.NumPartes(shape.Elemento(r)), partes.size()) << "case " << tipo;
                for (unsigned int p = 0; p < partes.size(); ++p) EXPECT_EQ(PuntosDe(shape, r, p), partes[p]) << "case " << tipo;
            }
            const unsigned int* registro = shape.Elemento(0);
            const unsigned int partes = static_cast<unsigned int>(familia.registros[0].size());
            EXPECT_EQ(Error([&] { shape.Puntos(registro, partes, nullptr); }), "ErrorOutOfLimits");
            EXPECT_EQ(Error([&] { shape.Elemento(2); }), "ErrorOutOfLimits");
            EXPECT_EQ(shape.BuscaElemento(2), nullptr);
            const unsigned int ajeno[16] = {};
            EXPECT_EQ(shape.NumPartes(ajeno), 0u);
            EXPECT_EQ(shape.NumPartes(registro - 25), 0u);  // inside the file header
            EXPECT_EQ(shape.NumPartes(registro + 1), 0u);   // not a record start
            // Record numbers start at 1: one stored below that is no number.
            EXPECT_EQ(shape.NumElemento(registro), 0);
            std::vector<unsigned char> bytes = escritor.ShpBytes();
            bytes[escritor.RecordPosition(0)] = 0x80;  // 0x80000000, the lowest 32-bit number
            bytes[escritor.RecordPosition(0) + 3] = 0;
            std::ofstream(dir / "capa.shp", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
            CShape numerada((dir / "capa").c_str());
            EXPECT_EQ(numerada.NumElemento(numerada.Elemento(0)), -1) << "case " << tipo;
        }
}

TEST(CShapeDanado, DamagedRecordsAreRefusedAndTheOthersRead) {
    const struct {
        std::function<void(W&)> dano;
        int tipo = 3;
        Registros pintables = {0, 2};
    } casos[] = {
        {[](W& e) { e.SetRecordOffset(1, 0x7FFFFFFF); }}, {[](W& e) { e.SetRecordOffset(1, 0xFFFFFFFF); }},
        {[](W& e) { e.SetRecordOffset(1, 10); }},  // into the header
        {[](W& e) { e.SetRecordOffset(1, static_cast<std::uint32_t>(e.ShpBytes().size() / 2 - 4)); }},
        {[](W& e) { e.SetRecordOffset(1, static_cast<std::uint32_t>(e.RecordPosition(1) / 2 + 1)); }, 3, {0, 1, 2}},  // odd: rounded down
        {[](W& e) { e.SetPartIndex(1, 1, 1000); }}, {[](W& e) { e.SetPartIndex(1, 1, -1); }},
        {[](W& e) { e.SetPartIndex(1, 0, 7); }},  // > 6 points
        {[](W& e) { e.SetPartIndex(1, 0, 2), e.SetPartIndex(1, 1, 1); }},  // decreasing
        {[](W& e) { e.SetNumPoints(1, 1u << 28); }}, {[](W& e) { e.SetNumPoints(1, 0xFFFFFFFF); }},
        {[](W& e) { e.SetNumPoints(1, 1); }},  // below part 1's start
        {[](W& e) { e.SetNumParts(1, 0x7FFFFFFF); }}, {[](W& e) { e.SetNumParts(1, 0x40000000); }},
        {[](W& e) { e.SetNumParts(1, 1000); }}, {[](W& e) { e.SetRecordContentLength(1, 10); }},
        {[](W& e) { e.SetRecordContentLength(1, 0); }}, {[](W& e) { e.SetRecordContentLength(1, 0x7FFFFFFF); }},
        {[](W& e) { e.SetRecordContentLength(1, 0xFFFFFFFF); }},
        {[](W& e) { e.SetRecordType(1, 1); }}, {[](W& e) { e.SetRecordType(1, 31); }},  // another family
        {[](W& e) { e.SetRecordType(1, 23); }, 5}, {[](W& e) { e.SetRecordType(1, 13); }, 3, {0, 1, 2}},  // own Z form
        {[](W& e) { e.Truncate(W::Shp, e.RecordPosition(1) + 40, true); }, 3, {0}},
        {[](W& e) { e.Truncate(W::Shx, 100 + 8 * 2 + 4, true); }, 3, {0, 1}},  // fewer records
        {[](W& e) { e.SetRecordContentLength(1, 4), e.Truncate(W::Shp, e.RecordPosition(2) + 20, true); }, 1, {0}},
        {[](W& e) { e.SetNumPoints(1, 3); }, 8},  // one more than stored
    };
    DirectorioPrueba dir;
    for (size_t i = 0; i < std::size(casos); ++i) {
        W escritor = TresRegistros(casos[i].tipo);
        casos[i].dano(escritor);
        ASSERT_TRUE(escritor.Write(dir / "capa"));
        CShape shape((dir / "capa").c_str());
        EXPECT_EQ(Pintables(shape), casos[i].pintables) << "case " << i;
        if (casos[i].pintables.size() == 1) {
            EXPECT_EQ(Error([&] { shape.Elemento(2); }), "ErrorOutOfLimits") << "case " << i;
        }
        if (casos[i].pintables != Registros{0, 2}) continue;
        ASSERT_EQ(shape.NumElementos(), 3u) << "case " << i;
        EXPECT_EQ(Error([&] { shape.Elemento(1); }), "ErrorOutOfLimits") << "case " << i;
        EXPECT_EQ(PuntosDe(shape, 2, 0), kC) << "case " << i;
    }
}

// Random bytes over records and index: whatever the reader accepts lies
// inside the file, and it fails only by its error names.
TEST(CShapeDanado, RandomCorruptionNeverLeadsOutsideTheFile) {
    DirectorioPrueba dir;
    W sano(5);
    for (int i = 0; i < 12; ++i)
        sano.AddShape({W::Rectangle(i, i, i + 10, i + 10), W::Rectangle(i + 2, i + 2, i + 4, i + 4, false)});
    const std::vector<unsigned char> shpSano = sano.ShpBytes(), shxSano = sano.ShxBytes();
    std::mt19937 azar(20240607);
    for (int prueba = 0; prueba < 150; ++prueba) {
        std::vector<unsigned char> shp = shpSano, shx = shxSano;
        for (int k = 0; k < 6; ++k) {
            shp[100 + azar() % (shp.size() - 100)] = static_cast<unsigned char>(azar());
            shx[100 + azar() % (shx.size() - 100)] = static_cast<unsigned char>(azar());
        }
        std::ofstream(dir / "capa.shp", std::ios::binary)
            .write(reinterpret_cast<const char*>(shp.data()), static_cast<std::streamsize>(shp.size()));
        std::ofstream(dir / "capa.shx", std::ios::binary)
            .write(reinterpret_cast<const char*>(shx.data()), static_cast<std::streamsize>(shx.size()));
        CShape shape((dir / "capa").c_str());
        // The mapping's start, from the first record the index still places.
        const unsigned char* base = nullptr;
        for (unsigned int i = 0; i < shape.NumElementos() && !base; ++i)
            if (const unsigned int* r = shape.BuscaElemento(i)) {
                const std::uint32_t offset = static_cast<std::uint32_t>(IBig(&shx[100 + 8 * i]));
                base = reinterpret_cast<const unsigned char*>(r) - 4ull * (offset / 2);
            }
        if (!base) continue;
        const unsigned char* fin = base + shp.size();
        for (unsigned int i = 0; i < shape.NumElementos(); ++i) {
            const unsigned int* r = shape.BuscaElemento(i);
            if (!r) continue;
            const unsigned char* inicio = reinterpret_cast<const unsigned char*>(r);
            ASSERT_GE(inicio, base + 100);
            ASSERT_LE(inicio + 8 + 2ull * static_cast<std::uint32_t>(IBig(r + 1)), fin);
            for (unsigned int p = 0; p < shape.NumPartes(r); ++p) {
                unsigned int n = 0;
                const CPunto* puntos = shape.BuscaPuntos(r, p, &n);
                ASSERT_NE(puntos, nullptr);
                ASSERT_GT(reinterpret_cast<const unsigned char*>(puntos), inicio);
                ASSERT_LE(reinterpret_cast<const unsigned char*>(puntos + n), fin);
                CShape::EsUnHueco(puntos, n);
            }
        }
        for (double x : {1.0, 5.0, 13.0}) {
            try {
                shape.PoligonoAlQuePertenece(CPunto(x, x), 0);
            } catch (const char* error) {
                EXPECT_STREQ(error, "Poligono no encontrado");
            }
        }
    }
}
