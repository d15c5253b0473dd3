#include "CShape.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <cmath>
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

void ExpectCaja(const CRectangulo& caja, double x1, double y1, double x2, double y2, int caso) {
    EXPECT_EQ(caja.x1, x1) << "case " << caso;
    EXPECT_EQ(caja.y1, y1) << "case " << caso;
    EXPECT_EQ(caja.x2, x2) << "case " << caso;
    EXPECT_EQ(caja.y2, y2) << "case " << caso;
}

const Parte kLinea1 = {{1, 2}, {3, 4}, {5, 6}};
const Parte kLinea2 = {{-1, -2}, {-3, -4}};
const Parte kLinea3 = {{7.5, 8.25}, {9, 10}, {11, 12}, {13, 14.5}};
}  // namespace

// Z and M values lie after the XY points: a reader straying into them reads wrong points.
TEST(CShapeRegistros, EveryVariantGivesItsXYPointsAndBoxes) {
    DirectorioPrueba dir;
    for (int tipo : {3, 13, 23, 1, 11, 21, 8, 18, 28}) {
        ShapefileWriter escritor(tipo);
        const int familia = tipo % 10;
        if (familia == 3) {
            escritor.AddShape({kLinea1, kLinea2});
            escritor.AddShape({kLinea3});
        } else if (familia == 1) {
            escritor.AddPoint(100.5, 200.25, 7, 8);
            escritor.AddPoint(-3, 4, 9, 10);
        } else {
            escritor.AddMultiPoint(kLinea3);
            escritor.AddMultiPoint({});
        }
        ASSERT_TRUE(escritor.Write(dir / "capa"));
        CShape shape((dir / "capa").c_str());
        EXPECT_EQ(shape.Tipo(), familia) << "case " << tipo;
        ASSERT_EQ(shape.NumElementos(), 2u);
        const unsigned int partes = familia == 3 ? 2u : 1u;
        EXPECT_EQ(shape.NumPartes(shape.Elemento(0)), partes) << "case " << tipo;
        EXPECT_EQ(shape.NumElemento(shape.Elemento(1)), 1);
        EXPECT_EQ(Error([&] { shape.Puntos(shape.Elemento(0), partes, nullptr); }), "ErrorOutOfLimits");
        if (familia == 3) {
            EXPECT_EQ(PuntosDe(shape, 0, 0), kLinea1) << "case " << tipo;
            EXPECT_EQ(PuntosDe(shape, 0, 1), kLinea2) << "case " << tipo;
            EXPECT_EQ(PuntosDe(shape, 1, 0), kLinea3) << "case " << tipo;
            ExpectCaja(shape.Bnd(shape.Elemento(1)), 7.5, 8.25, 13, 14.5, tipo);
        } else if (familia == 1) {
            EXPECT_EQ(PuntosDe(shape, 0, 0), Parte({{100.5, 200.25}})) << "case " << tipo;
            EXPECT_EQ(PuntosDe(shape, 1, 0), Parte({{-3, 4}})) << "case " << tipo;
            ExpectCaja(shape.Bnd(shape.Elemento(1)), -3, 4, -3, 4, tipo);
        } else {
            EXPECT_EQ(PuntosDe(shape, 0, 0), kLinea3) << "case " << tipo;
            EXPECT_EQ(PuntosDe(shape, 1, 0), Parte()) << "case " << tipo;
        }
    }
    ShapefileWriter escritor(15);  // polygon Z
    const Parte exterior = ShapefileWriter::Rectangle(0, 0, 10, 10);
    const Parte hueco = ShapefileWriter::Rectangle(2, 2, 4, 4, false);
    escritor.AddShape({exterior, hueco});
    ASSERT_TRUE(escritor.Write(dir / "poligonos"));
    CShape shape((dir / "poligonos").c_str());
    EXPECT_EQ(shape.Tipo(), 5);
    EXPECT_EQ(PuntosDe(shape, 0, 1), hueco);
    EXPECT_FALSE(shape.EsUnHueco(shape.Elemento(0), 0));
    EXPECT_TRUE(shape.EsUnHueco(shape.Elemento(0), 1));
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
    unsigned int n = 99;
    EXPECT_EQ(shape.BuscaPuntos(registro, 2, &n), nullptr);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(Error([&] { shape.EsPuntoEnPoligono(5u, CPunto(1, 2)); }), "ErrorOutOfLimits");
    const unsigned int ajeno[16] = {};
    EXPECT_EQ(shape.NumPartes(nullptr), 0u);
    EXPECT_EQ(shape.NumPartes(ajeno), 0u);
    EXPECT_EQ(shape.NumElemento(ajeno), -1);
    EXPECT_EQ(shape.NumPartes(registro - 25), 0u);  // inside the file header
    EXPECT_EQ(shape.NumPartes(registro + 1), 0u);   // not a record start
    EXPECT_EQ(Error([&] { shape.Puntos(ajeno, 0, nullptr); }), "ErrorOutOfLimits");
    EXPECT_EQ(Error([&] { shape.Bnd(ajeno); }), "ErrorOutOfLimits");
}

TEST(CShapeRegistros, NullShapesAreRecordsWithoutParts) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 1, 1)});
    escritor.AddNull();
    escritor.AddShape({ShapefileWriter::Rectangle(2, 2, 3, 3)});
    ASSERT_TRUE(escritor.Write(dir / "nulos"));
    CShape shape((dir / "nulos").c_str());
    ASSERT_EQ(shape.NumElementos(), 3u);
    const unsigned int* nulo = shape.Elemento(1);
    EXPECT_EQ(shape.NumPartes(nulo), 0u);
    EXPECT_EQ(shape.NumElemento(nulo), 1);
    EXPECT_TRUE(std::isnan(shape.Bnd(nulo).x1));
    EXPECT_FALSE(shape.EsPuntoEnPoligono(nulo, CPunto(0.5, 0.5)));
    EXPECT_EQ(PuntosDe(shape, 2, 0), ShapefileWriter::Rectangle(2, 2, 3, 3));
}
