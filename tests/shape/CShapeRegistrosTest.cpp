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

// The points of one part as a vector, through the throwing interface.
Parte PuntosDe(const CShape& shape, unsigned int registro, unsigned int parte) {
    unsigned int n = 0;
    const CPunto* puntos = shape.Puntos(shape.Elemento(registro), parte, &n);
    return Parte(puntos, puntos + n);
}

const Parte kLinea1 = {{1, 2}, {3, 4}, {5, 6}};
const Parte kLinea2 = {{-1, -2}, {-3, -4}};
const Parte kLinea3 = {{7.5, 8.25}, {9, 10}, {11, 12}, {13, 14.5}};
}  // namespace

class CShapeTipos : public testing::TestWithParam<int> {};

TEST_P(CShapeTipos, PolylinesOfEveryVariantGiveTheirXYPoints) {
    const int tipo = GetParam();
    DirectorioPrueba dir;
    ShapefileWriter escritor(tipo);
    escritor.AddShape({kLinea1, kLinea2});
    escritor.AddShape({kLinea3});
    ASSERT_TRUE(escritor.Write(dir / "lineas"));
    CShape shape((dir / "lineas").c_str());
    EXPECT_EQ(shape.Tipo(), 3);
    ASSERT_EQ(shape.NumElementos(), 2u);
    EXPECT_EQ(shape.NumPartes(shape.Elemento(0)), 2u);
    EXPECT_EQ(shape.NumPartes(shape.Elemento(1)), 1u);
    EXPECT_EQ(PuntosDe(shape, 0, 0), kLinea1);
    EXPECT_EQ(PuntosDe(shape, 0, 1), kLinea2);
    EXPECT_EQ(PuntosDe(shape, 1, 0), kLinea3);
    EXPECT_EQ(shape.NumElemento(shape.Elemento(1)), 1);
    const CRectangulo caja = shape.Bnd(shape.Elemento(1));
    EXPECT_EQ(caja.x1, 7.5);
    EXPECT_EQ(caja.y1, 8.25);
    EXPECT_EQ(caja.x2, 13.0);
    EXPECT_EQ(caja.y2, 14.5);
}
INSTANTIATE_TEST_SUITE_P(LineasZM, CShapeTipos, testing::Values(3, 13, 23));

TEST(CShapeRegistros, PolygonZOpensAsPolygonsWithItsRings) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(15);
    const Parte exterior = ShapefileWriter::Rectangle(0, 0, 10, 10);
    const Parte hueco = ShapefileWriter::Rectangle(2, 2, 4, 4, false);
    escritor.AddShape({exterior, hueco});
    ASSERT_TRUE(escritor.Write(dir / "poligonos"));
    CShape shape((dir / "poligonos").c_str());
    EXPECT_EQ(shape.Tipo(), 5);
    EXPECT_EQ(PuntosDe(shape, 0, 0), exterior);
    EXPECT_EQ(PuntosDe(shape, 0, 1), hueco);
    EXPECT_FALSE(shape.EsUnHueco(shape.Elemento(0), 0));
    EXPECT_TRUE(shape.EsUnHueco(shape.Elemento(0), 1));
}

TEST(CShapeRegistros, PointsOfEveryVariantAreOnePartOfOnePoint) {
    DirectorioPrueba dir;
    for (int tipo : {1, 11, 21}) {
        ShapefileWriter escritor(tipo);
        escritor.AddPoint(100.5, 200.25, 7, 8);
        escritor.AddPoint(-3, 4, 9, 10);
        ASSERT_TRUE(escritor.Write(dir / "puntos"));
        CShape shape((dir / "puntos").c_str());
        EXPECT_EQ(shape.Tipo(), 1);
        EXPECT_EQ(shape.NumPartes(shape.Elemento(1)), 1u);
        EXPECT_EQ(PuntosDe(shape, 0, 0), Parte({{100.5, 200.25}})) << tipo;
        EXPECT_EQ(PuntosDe(shape, 1, 0), Parte({{-3, 4}})) << tipo;
        const CRectangulo caja = shape.Bnd(shape.Elemento(1));
        EXPECT_EQ(caja.x1, -3.0);
        EXPECT_EQ(caja.x2, -3.0);
        EXPECT_EQ(caja.y1, 4.0);
        EXPECT_EQ(caja.y2, 4.0);
        EXPECT_EQ(Error([&] { shape.Puntos(shape.Elemento(0), 1, nullptr); }), "ErrorOutOfLimits");
    }
}

TEST(CShapeRegistros, MultipointsHaveOnlyPartZero) {
    DirectorioPrueba dir;
    for (int tipo : {8, 18, 28}) {
        ShapefileWriter escritor(tipo);
        escritor.AddMultiPoint(kLinea3);
        escritor.AddMultiPoint({});
        ASSERT_TRUE(escritor.Write(dir / "multi"));
        CShape shape((dir / "multi").c_str());
        EXPECT_EQ(shape.Tipo(), 8);
        EXPECT_EQ(shape.NumPartes(shape.Elemento(0)), 1u);
        EXPECT_EQ(PuntosDe(shape, 0, 0), kLinea3) << tipo;
        EXPECT_EQ(PuntosDe(shape, 1, 0), Parte()) << tipo;
        EXPECT_EQ(Error([&] { shape.Puntos(shape.Elemento(0), 1, nullptr); }), "ErrorOutOfLimits");
    }
}

TEST(CShapeRegistros, RecordAndPartIndicesOutOfRangeThrow) {
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

TEST(CShapeRegistros, PointersOutsideTheRecordsAreNotRecords) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(3);
    escritor.AddShape({kLinea1});
    ASSERT_TRUE(escritor.Write(dir / "lineas"));
    CShape shape((dir / "lineas").c_str());
    const unsigned int* registro = shape.Elemento(0);
    const unsigned int ajeno[16] = {};
    EXPECT_EQ(shape.NumPartes(nullptr), 0u);
    EXPECT_EQ(shape.NumPartes(ajeno), 0u);
    EXPECT_EQ(shape.NumElemento(ajeno), -1);
    EXPECT_EQ(shape.NumPartes(registro - 25), 0u);  // inside the file header
    EXPECT_EQ(shape.NumPartes(registro + 1), 0u);   // not a record start
    EXPECT_EQ(Error([&] { shape.Puntos(ajeno, 0, nullptr); }), "ErrorOutOfLimits");
    EXPECT_EQ(Error([&] { shape.Bnd(ajeno); }), "ErrorOutOfLimits");
}

TEST(CShapeRegistros, PointersStayValidForTheLifeOfTheReader) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(3);
    for (int i = 0; i < 200; ++i) escritor.AddShape({kLinea3});
    ASSERT_TRUE(escritor.Write(dir / "lineas"));
    CShape shape((dir / "lineas").c_str());
    std::vector<const CPunto*> punteros;
    for (unsigned int i = 0; i < shape.NumElementos(); ++i) {
        unsigned int n;
        punteros.push_back(shape.Puntos(shape.Elemento(i), 0, &n));
    }
    for (const CPunto* p : punteros) EXPECT_EQ(Parte(p, p + 4), kLinea3);
}
