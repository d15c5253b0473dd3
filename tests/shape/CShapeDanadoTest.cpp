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
using Dano = std::function<void(ShapefileWriter&)>;

const Parte kA = {{0, 0}, {1, 1}, {2, 0}};
const Parte kB = {{10, 10}, {11, 11}};
const Parte kC = {{20, 20}, {21, 21}, {22, 22}, {23, 23}};

// Three polyline records of two parts each, record 1 damaged.
ShapefileWriter TresLineas(const Dano& dano, int tipo = 3) {
    ShapefileWriter escritor(tipo);
    escritor.AddShape({kA, kB});
    escritor.AddShape({kB, kC});
    escritor.AddShape({kC, kA});
    dano(escritor);
    return escritor;
}

// What the paint path sees: the indices of the records it can draw, each
// with all its points checked.
std::vector<unsigned int> RegistrosPintables(const CShape& shape) {
    std::vector<unsigned int> pintables;
    for (unsigned int i = 0; i < shape.NumElementos(); ++i) {
        const unsigned int* registro = shape.BuscaElemento(i);
        if (!registro) continue;
        unsigned int puntos = 0;
        for (unsigned int p = 0; p < shape.NumPartes(registro); ++p) {
            unsigned int n = 0;
            const CPunto* pts = shape.BuscaPuntos(registro, p, &n);
            if (!pts) ADD_FAILURE() << "parte " << p << " de un registro aceptado";
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

void CompruebaRegistroUnoDanado(const Dano& dano, int tipo = 3) {
    DirectorioPrueba dir;
    ASSERT_TRUE(TresLineas(dano, tipo).Write(dir / "capa"));
    CShape shape((dir / "capa").c_str());
    ASSERT_EQ(shape.NumElementos(), 3u);
    EXPECT_EQ(RegistrosPintables(shape), (std::vector<unsigned int>{0, 2}));
    EXPECT_EQ(ErrorDeElemento(shape, 1), "ErrorOutOfLimits");
    EXPECT_EQ(ErrorDeElemento(shape, 2), "");
    unsigned int n = 0;
    const CPunto* p = shape.Puntos(shape.Elemento(2), 0, &n);
    EXPECT_EQ(Parte(p, p + n), kC);
}
}  // namespace

TEST(CShapeDanado, SoundFileHasEveryRecordPaintable) {
    DirectorioPrueba dir;
    ASSERT_TRUE(TresLineas([](ShapefileWriter&) {}).Write(dir / "capa"));
    CShape shape((dir / "capa").c_str());
    EXPECT_EQ(RegistrosPintables(shape), (std::vector<unsigned int>{0, 1, 2}));
}

TEST(CShapeDanado, OffsetsPastTheEndOrIntoTheHeader) {
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetRecordOffset(1, 0x7FFFFFFF); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetRecordOffset(1, 0xFFFFFFFF); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetRecordOffset(1, 10); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) {
        e.SetRecordOffset(1, static_cast<std::uint32_t>(e.ShpBytes().size() / 2 - 4));
    });
}

TEST(CShapeDanado, AnOddOffsetIsRoundedDownToItsRecord) {
    DirectorioPrueba dir;
    ShapefileWriter escritor = TresLineas([](ShapefileWriter&) {});
    escritor.SetRecordOffset(1, static_cast<std::uint32_t>(escritor.RecordPosition(1) / 2 + 1));
    ASSERT_TRUE(escritor.Write(dir / "capa"));
    CShape shape((dir / "capa").c_str());
    EXPECT_EQ(shape.NumElemento(shape.Elemento(1)), 1);
}

TEST(CShapeDanado, PartIndicesOutOfRange) {
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetPartIndex(1, 1, 1000); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetPartIndex(1, 1, -1); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetPartIndex(1, 0, 7); });  // > 6 points
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) {  // decreasing
        e.SetPartIndex(1, 0, 2);
        e.SetPartIndex(1, 1, 1);
    });
}

TEST(CShapeDanado, PartAndPointCountsOutOfRange) {
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetNumPoints(1, 1u << 28); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetNumPoints(1, 0xFFFFFFFF); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetNumPoints(1, 1); });  // below part 1's start
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetNumParts(1, 0x7FFFFFFF); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetNumParts(1, 0x40000000); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetNumParts(1, 1000); });
}

TEST(CShapeDanado, WrongContentLengths) {
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetRecordContentLength(1, 10); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetRecordContentLength(1, 0); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetRecordContentLength(1, 0x7FFFFFFF); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetRecordContentLength(1, 0xFFFFFFFF); });
}

TEST(CShapeDanado, RecordOfAnotherShapeFamily) {
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetRecordType(1, 1); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetRecordType(1, 31); });
    CompruebaRegistroUnoDanado([](ShapefileWriter& e) { e.SetRecordType(1, 23); }, 5);
    // The Z and M forms of the file's own family are accepted.
    DirectorioPrueba dir;
    ASSERT_TRUE(TresLineas([](ShapefileWriter& e) { e.SetRecordType(1, 13); }).Write(dir / "capa"));
    CShape shape((dir / "capa").c_str());
    EXPECT_EQ(RegistrosPintables(shape), (std::vector<unsigned int>{0, 1, 2}));
}

TEST(CShapeDanado, TruncatedShpKeepsTheRecordsBeforeTheCut) {
    DirectorioPrueba dir;
    ShapefileWriter escritor = TresLineas([](ShapefileWriter&) {});
    escritor.Truncate(ShapefileWriter::Shp, escritor.RecordPosition(1) + 40, true);
    ASSERT_TRUE(escritor.Write(dir / "capa"));
    CShape shape((dir / "capa").c_str());
    ASSERT_EQ(shape.NumElementos(), 3u);
    EXPECT_EQ(RegistrosPintables(shape), (std::vector<unsigned int>{0}));
    EXPECT_EQ(ErrorDeElemento(shape, 1), "ErrorOutOfLimits");
    EXPECT_EQ(ErrorDeElemento(shape, 2), "ErrorOutOfLimits");
}

TEST(CShapeDanado, TruncatedShxGivesFewerRecords) {
    DirectorioPrueba dir;
    ShapefileWriter escritor = TresLineas([](ShapefileWriter&) {});
    escritor.Truncate(ShapefileWriter::Shx, 100 + 8 * 2 + 4, true);
    ASSERT_TRUE(escritor.Write(dir / "capa"));
    CShape shape((dir / "capa").c_str());
    EXPECT_EQ(shape.NumElementos(), 2u);
    EXPECT_EQ(RegistrosPintables(shape), (std::vector<unsigned int>{0, 1}));
}

TEST(CShapeDanado, DamagedPointAndMultipointRecords) {
    DirectorioPrueba dir;
    ShapefileWriter puntos(1);
    puntos.AddPoint(1, 1);
    puntos.AddPoint(2, 2);
    puntos.AddPoint(3, 3);
    puntos.SetRecordContentLength(1, 4);  // type and x only
    puntos.Truncate(ShapefileWriter::Shp, puntos.RecordPosition(2) + 20, true);
    ASSERT_TRUE(puntos.Write(dir / "puntos"));
    CShape shapePuntos((dir / "puntos").c_str());
    EXPECT_EQ(RegistrosPintables(shapePuntos), (std::vector<unsigned int>{0}));

    ShapefileWriter multi(8);
    multi.AddMultiPoint(kA);
    multi.AddMultiPoint(kB);
    multi.AddMultiPoint(kC);
    multi.SetNumPoints(1, 3);  // one more than stored
    ASSERT_TRUE(multi.Write(dir / "multi"));
    CShape shapeMulti((dir / "multi").c_str());
    EXPECT_EQ(RegistrosPintables(shapeMulti), (std::vector<unsigned int>{0, 2}));
}

TEST(CShapeDanado, HitTestsSkipDamagedRecords) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10)});
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10)});
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10)});
    escritor.SetNumPoints(0, 1000);
    escritor.SetRecordOffset(1, 0x40000000);
    ASSERT_TRUE(escritor.Write(dir / "capa"));
    CShape shape((dir / "capa").c_str());
    EXPECT_EQ(shape.PoligonoAlQuePertenece(CPunto(5, 5), 0), 2);
    EXPECT_EQ(shape.PoligonoAlQuePertenece(CPunto(5, 5), 0, 1.0), 2);
    try {
        shape.EsPuntoEnPoligono(0u, CPunto(5, 5));
        ADD_FAILURE() << "un registro dañado no debe probarse";
    } catch (const char* error) {
        EXPECT_STREQ(error, "ErrorOutOfLimits");
    }
}

// Random bytes over the records and the index: whatever the reader accepts
// must lie inside the file, and nothing it does may fail other than by its
// error names.
TEST(CShapeDanado, RandomCorruptionNeverLeadsOutsideTheFile) {
    DirectorioPrueba dir;
    ShapefileWriter sano(5);
    for (int i = 0; i < 12; ++i)
        sano.AddShape({ShapefileWriter::Rectangle(i, i, i + 10, i + 10),
                       ShapefileWriter::Rectangle(i + 2, i + 2, i + 4, i + 4, false)});
    const std::vector<unsigned char> shpSano = sano.ShpBytes();
    const std::vector<unsigned char> shxSano = sano.ShxBytes();
    std::mt19937 azar(20240607);
    for (int prueba = 0; prueba < 150; ++prueba) {
        std::vector<unsigned char> shp = shpSano;
        std::vector<unsigned char> shx = shxSano;
        for (int k = 0; k < 6; ++k) {
            shp[100 + azar() % (shp.size() - 100)] = static_cast<unsigned char>(azar());
            shx[100 + azar() % (shx.size() - 100)] = static_cast<unsigned char>(azar());
        }
        {
            std::ofstream(dir / "capa.shp", std::ios::binary)
                .write(reinterpret_cast<const char*>(shp.data()), static_cast<std::streamsize>(shp.size()));
            std::ofstream(dir / "capa.shx", std::ios::binary)
                .write(reinterpret_cast<const char*>(shx.data()), static_cast<std::streamsize>(shx.size()));
        }
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
