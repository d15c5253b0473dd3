#include "CShape.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {
using Parte = ShapefileWriter::Parte;

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

const Parte kLinea1 = {{1, 2}, {3, 4}, {5, 6}};
const Parte kLinea2 = {{-1, -2}, {-3, -4}};
const Parte kLinea3 = {{7.5, 8.25}, {9, 10}, {11, 12}, {13, 14.5}};
}  // namespace

// Z and M values lie after the XY points: a reader straying into them reads wrong points.
TEST(CShapeRegistros, EveryVariantGivesItsXYPoints) {
    const struct {
        int tipos[3];
        std::vector<std::vector<Parte>> registros;
    } familias[] = {{{3, 13, 23}, {{kLinea1, kLinea2}, {kLinea3}}},
                    {{1, 11, 21}, {{{{100.5, 200.25}}}, {{{-3, 4}}}}},
                    {{8, 18, 28}, {{kLinea3}, {Parte()}}}};
    DirectorioPrueba dir;
    for (const auto& familia : familias)
        for (int tipo : familia.tipos) {
            ShapefileWriter escritor(tipo);
            for (const auto& partes : familia.registros) {
                if (tipo % 10 == 3) escritor.AddShape(partes);
                else if (tipo % 10 == 1) escritor.AddPoint(partes[0][0].x, partes[0][0].y, 7, 8);
                else escritor.AddMultiPoint(partes[0]);
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
            const unsigned int partes = static_cast<unsigned int>(familia.registros[0].size());
            EXPECT_EQ(Error([&] { shape.Puntos(shape.Elemento(0), partes, nullptr); }), "ErrorOutOfLimits");
        }
    ShapefileWriter escritor(15);  // polygon Z
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10), ShapefileWriter::Rectangle(2, 2, 4, 4, false)});
    ASSERT_TRUE(escritor.Write(dir / "poligonos"));
    CShape shape((dir / "poligonos").c_str());
    EXPECT_EQ(shape.Tipo(), 5);
    EXPECT_EQ(PuntosDe(shape, 0, 1), ShapefileWriter::Rectangle(2, 2, 4, 4, false));
}

TEST(CShapeRegistros, IndicesAndPointersOutsideTheRecordsAreRefused) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(3);
    escritor.AddShape({kLinea1, kLinea2});
    ASSERT_TRUE(escritor.Write(dir / "lineas"));
    CShape shape((dir / "lineas").c_str());
    EXPECT_EQ(Error([&] { shape.Elemento(1); }), "ErrorOutOfLimits");
    EXPECT_EQ(shape.BuscaElemento(1), nullptr);
    const unsigned int* registro = shape.Elemento(0);
    EXPECT_EQ(Error([&] { shape.Puntos(registro, 2, nullptr); }), "ErrorOutOfLimits");
    const unsigned int ajeno[16] = {};
    EXPECT_EQ(shape.NumPartes(ajeno), 0u);
    EXPECT_EQ(shape.NumPartes(registro - 25), 0u);  // inside the file header
    EXPECT_EQ(shape.NumPartes(registro + 1), 0u);   // not a record start

    // Record numbers start at 1: one stored below that is no number.
    EXPECT_EQ(shape.NumElemento(registro), 0);
    std::vector<unsigned char> bytes = escritor.ShpBytes();
    bytes[escritor.RecordPosition(0)] = 0x80;  // 0x80000000, the lowest 32-bit number
    bytes[escritor.RecordPosition(0) + 3] = 0;
    std::ofstream(dir / "lineas.shp", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    CShape numerada((dir / "lineas").c_str());
    EXPECT_EQ(numerada.NumElemento(numerada.Elemento(0)), -1);
}
