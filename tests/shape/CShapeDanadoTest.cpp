// Damaged and hostile shapefiles: a bad record is refused with
// "ErrorOutOfLimits" (or null from the non-throwing forms) and every other
// record stays readable.
#include "CShape.h"
#include "IBig.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
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

// Three polyline records of two parts each.
W TresLineas(int tipo = 3) {
    W escritor(tipo);
    escritor.AddShape({kA, kB});
    escritor.AddShape({kB, kC});
    escritor.AddShape({kC, kA});
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

std::string ErrorDeElemento(const CShape& shape, unsigned int i) {
    try {
        shape.Elemento(i);
        return "";
    } catch (const char* error) {
        return error;
    }
}
}  // namespace

TEST(CShapeDanado, OneDamagedRecordIsRefusedAndTheOthersRead) {
    const struct {
        std::function<void(W&)> dano;
        int tipo;
    } casos[] = {
        {[](W& e) { e.SetRecordOffset(1, 0x7FFFFFFF); }, 3}, {[](W& e) { e.SetRecordOffset(1, 0xFFFFFFFF); }, 3},
        {[](W& e) { e.SetRecordOffset(1, 10); }, 3},  // into the header
        {[](W& e) { e.SetRecordOffset(1, static_cast<std::uint32_t>(e.ShpBytes().size() / 2 - 4)); }, 3},
        {[](W& e) { e.SetPartIndex(1, 1, 1000); }, 3}, {[](W& e) { e.SetPartIndex(1, 1, -1); }, 3},
        {[](W& e) { e.SetPartIndex(1, 0, 7); }, 3},  // > 6 points
        {[](W& e) { e.SetPartIndex(1, 0, 2), e.SetPartIndex(1, 1, 1); }, 3},  // decreasing
        {[](W& e) { e.SetNumPoints(1, 1u << 28); }, 3}, {[](W& e) { e.SetNumPoints(1, 0xFFFFFFFF); }, 3},
        {[](W& e) { e.SetNumPoints(1, 1); }, 3},  // below part 1's start
        {[](W& e) { e.SetNumParts(1, 0x7FFFFFFF); }, 3}, {[](W& e) { e.SetNumParts(1, 0x40000000); }, 3},
        {[](W& e) { e.SetNumParts(1, 1000); }, 3}, {[](W& e) { e.SetRecordContentLength(1, 10); }, 3},
        {[](W& e) { e.SetRecordContentLength(1, 0); }, 3},
        {[](W& e) { e.SetRecordContentLength(1, 0x7FFFFFFF); }, 3},
        {[](W& e) { e.SetRecordContentLength(1, 0xFFFFFFFF); }, 3},
        {[](W& e) { e.SetRecordType(1, 1); }, 3},  // another shape family
        {[](W& e) { e.SetRecordType(1, 31); }, 3}, {[](W& e) { e.SetRecordType(1, 23); }, 5},
    };
    DirectorioPrueba dir;
    for (size_t i = 0; i < std::size(casos); ++i) {
        W escritor = TresLineas(casos[i].tipo);
        casos[i].dano(escritor);
        ASSERT_TRUE(escritor.Write(dir / "capa"));
        CShape shape((dir / "capa").c_str());
        ASSERT_EQ(shape.NumElementos(), 3u) << "case " << i;
        EXPECT_EQ(Pintables(shape), (Registros{0, 2})) << "case " << i;
        EXPECT_EQ(ErrorDeElemento(shape, 1), "ErrorOutOfLimits") << "case " << i;
        unsigned int n = 0;
        const CPunto* p = shape.Puntos(shape.Elemento(2), 0, &n);
        EXPECT_EQ(Parte(p, p + n), kC) << "case " << i;
    }
}

TEST(CShapeDanado, SoundVariantsOddOffsetsAndTruncationsKeepWhatIsWhole) {
    DirectorioPrueba dir;
    W zm = TresLineas();
    zm.SetRecordType(1, 13);  // the Z form of the file's own family is accepted
    ASSERT_TRUE(zm.Write(dir / "zm"));
    EXPECT_EQ(Pintables(CShape((dir / "zm").c_str())), (Registros{0, 1, 2}));

    W impar = TresLineas();
    impar.SetRecordOffset(1, static_cast<std::uint32_t>(impar.RecordPosition(1) / 2 + 1));
    ASSERT_TRUE(impar.Write(dir / "impar"));
    CShape shapeImpar((dir / "impar").c_str());
    EXPECT_EQ(shapeImpar.NumElemento(shapeImpar.Elemento(1)), 1);  // rounded down to its record

    W cortadoShp = TresLineas();
    cortadoShp.Truncate(W::Shp, cortadoShp.RecordPosition(1) + 40, true);
    ASSERT_TRUE(cortadoShp.Write(dir / "shp"));
    CShape shp((dir / "shp").c_str());
    ASSERT_EQ(shp.NumElementos(), 3u);
    EXPECT_EQ(Pintables(shp), (Registros{0}));
    EXPECT_EQ(ErrorDeElemento(shp, 2), "ErrorOutOfLimits");

    W cortadoShx = TresLineas();
    cortadoShx.Truncate(W::Shx, 100 + 8 * 2 + 4, true);
    ASSERT_TRUE(cortadoShx.Write(dir / "shx"));
    EXPECT_EQ(Pintables(CShape((dir / "shx").c_str())), (Registros{0, 1}));

    W puntos(1);
    for (int i = 1; i <= 3; ++i) puntos.AddPoint(i, i);
    puntos.SetRecordContentLength(1, 4);  // type and x only
    puntos.Truncate(W::Shp, puntos.RecordPosition(2) + 20, true);
    ASSERT_TRUE(puntos.Write(dir / "puntos"));
    EXPECT_EQ(Pintables(CShape((dir / "puntos").c_str())), (Registros{0}));

    W multi(8);
    for (const Parte& parte : {kA, kB, kC}) multi.AddMultiPoint(parte);
    multi.SetNumPoints(1, 3);  // one more than stored
    ASSERT_TRUE(multi.Write(dir / "multi"));
    EXPECT_EQ(Pintables(CShape((dir / "multi").c_str())), (Registros{0, 2}));
}

TEST(CShapeDanado, HitTestsSkipDamagedRecords) {
    DirectorioPrueba dir;
    W escritor(5);
    for (int i = 0; i < 3; ++i) escritor.AddShape({W::Rectangle(0, 0, 10, 10)});
    escritor.SetNumPoints(0, 1000);
    escritor.SetRecordOffset(1, 0x40000000);
    ASSERT_TRUE(escritor.Write(dir / "capa"));
    CShape shape((dir / "capa").c_str());
    EXPECT_EQ(shape.PoligonoAlQuePertenece(CPunto(5, 5), 0), 2);
    EXPECT_EQ(shape.PoligonoAlQuePertenece(CPunto(5, 5), 0, 1.0), 2);
    try {
        shape.EsPuntoEnPoligono(0u, CPunto(5, 5));
        ADD_FAILURE() << "a damaged record must not be tested";
    } catch (const char* error) {
        EXPECT_STREQ(error, "ErrorOutOfLimits");
    }
}

// Random bytes over the records and the index: whatever the reader accepts
// must lie inside the file, and nothing it does may fail other than by its
// error names.
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
