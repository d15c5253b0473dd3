#include "CShape.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {
using Parte = ShapefileWriter::Parte;

bool EnAnillo(const Parte& anillo, double x, double y) {
    return CShape::EsPuntoEnPoligono(anillo.data(), static_cast<unsigned int>(anillo.size()),
                                     CPunto(x, y));
}

std::string NoEncontrado(const std::function<int()>& busqueda) {
    try {
        return "encontrado " + std::to_string(busqueda());
    } catch (const char* error) {
        return error;
    }
}
}  // namespace

TEST(CShapeAnillo, HalfOpenRuleCountsEachVertexOnce) {
    const Parte rombo = {{5, 0}, {10, 5}, {5, 10}, {0, 5}, {5, 0}};
    EXPECT_TRUE(EnAnillo(rombo, 2, 5));    // on the line through vertices (0,5) and (10,5)
    EXPECT_TRUE(EnAnillo(rombo, 9, 5));
    EXPECT_FALSE(EnAnillo(rombo, -1, 5));
    EXPECT_FALSE(EnAnillo(rombo, 11, 5));
    EXPECT_FALSE(EnAnillo(rombo, 2, 10));  // level with the top vertex

    // Bottom edge inside, top edge outside; left edge inside, right outside.
    const Parte cuadrado = ShapefileWriter::Rectangle(0, 0, 10, 10);
    EXPECT_TRUE(EnAnillo(cuadrado, 5, 0));
    EXPECT_FALSE(EnAnillo(cuadrado, 5, 10));
    EXPECT_TRUE(EnAnillo(cuadrado, 0, 5));
    EXPECT_FALSE(EnAnillo(cuadrado, 10, 5));
    EXPECT_FALSE(EnAnillo(Parte{{0, 0}}, 0, 0));
}

TEST(CShapeAnillo, OrientationDecidesHoles) {
    EXPECT_FALSE(CShape::EsUnHueco(ShapefileWriter::Rectangle(0, 0, 10, 10).data(), 5));
    EXPECT_TRUE(CShape::EsUnHueco(ShapefileWriter::Rectangle(0, 0, 10, 10, false).data(), 5));
    // Three lowest vertices in a row: the right-most decides. The ring starts
    // at the middle one, whose neighbours are collinear with it.
    const Parte antihorario = {{5, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {5, 0}};
    EXPECT_TRUE(CShape::EsUnHueco(antihorario.data(), 6));
    const Parte horario(antihorario.rbegin(), antihorario.rend());
    EXPECT_FALSE(CShape::EsUnHueco(horario.data(), 6));
    // The lowest vertex is the first one: its predecessor is n - 2.
    const Parte triangulo = {{0, -1}, {10, 5}, {-10, 5}, {0, -1}};
    EXPECT_TRUE(CShape::EsUnHueco(triangulo.data(), 4));
    EXPECT_FALSE(CShape::EsUnHueco(triangulo.data(), 2));
}

class CShapePoligonos : public testing::Test {
protected:
    void SetUp() override {
        ShapefileWriter escritor(5);
        // 0: square with a hole and an island inside the hole.
        escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10),
                           ShapefileWriter::Rectangle(2, 2, 8, 8, false),
                           ShapefileWriter::Rectangle(4, 4, 6, 6)});
        // 1: two separate squares.
        escritor.AddShape({ShapefileWriter::Rectangle(20, 0, 30, 10),
                           ShapefileWriter::Rectangle(40, 0, 50, 10)});
        // 2: covers square 0 entirely.
        escritor.AddShape({ShapefileWriter::Rectangle(-1, -1, 11, 11)});
        ASSERT_TRUE(escritor.Write(dir / "poligonos"));
        shape.reset(new CShape((dir / "poligonos").c_str()));
    }

    DirectorioPrueba dir;
    std::unique_ptr<CShape> shape;
};

TEST_F(CShapePoligonos, HolesAreOutsideAndIslandsInside) {
    EXPECT_TRUE(shape->EsPuntoEnPoligono(0u, CPunto(1, 1)));   // between hole and outer ring
    EXPECT_FALSE(shape->EsPuntoEnPoligono(0u, CPunto(3, 3)));  // in the hole
    EXPECT_TRUE(shape->EsPuntoEnPoligono(0u, CPunto(5, 5)));   // on the island
    EXPECT_FALSE(shape->EsPuntoEnPoligono(0u, CPunto(12, 5)));
    EXPECT_TRUE(shape->EsPuntoEnPoligono(1u, CPunto(45, 5)));  // second outer ring
    EXPECT_FALSE(shape->EsPuntoEnPoligono(1u, CPunto(35, 5)));
}

TEST_F(CShapePoligonos, WithToleranceAnyRingContainingThePointAnswers) {
    EXPECT_TRUE(shape->EsPuntoEnPoligono(0u, CPunto(3, 3), 1.0));  // no hole counting
    EXPECT_TRUE(shape->EsPuntoEnPoligono(1u, CPunto(45, 5), 1.0));
    EXPECT_FALSE(shape->EsPuntoEnPoligono(1u, CPunto(35, 5), 1.0));
}

TEST_F(CShapePoligonos, FirstContainingRecordFromTheStartWrappingAround) {
    EXPECT_EQ(shape->PoligonoAlQuePertenece(CPunto(1, 1), 0), 0);
    EXPECT_EQ(shape->PoligonoAlQuePertenece(CPunto(3, 3), 0), 2);  // hole of 0, inside 2
    EXPECT_EQ(shape->PoligonoAlQuePertenece(CPunto(1, 1), 1), 2);
    EXPECT_EQ(shape->PoligonoAlQuePertenece(CPunto(45, 5), 2), 1);  // wraps to 0, then 1
    EXPECT_EQ(shape->PoligonoAlQuePertenece(CPunto(3, 3), 0, 1.0), 0);
}

TEST_F(CShapePoligonos, NotFoundCases) {
    EXPECT_EQ(NoEncontrado([&] { return shape->PoligonoAlQuePertenece(CPunto(35, 5), 0); }),
              "Poligono no encontrado");
    // Outside the file's box, even with a tolerance.
    EXPECT_EQ(NoEncontrado([&] { return shape->PoligonoAlQuePertenece(CPunto(5, 11.5), 0); }),
              "Poligono no encontrado");
    EXPECT_EQ(NoEncontrado([&] { return shape->PoligonoAlQuePertenece(CPunto(5, 11.5), 0, 5.0); }),
              "Poligono no encontrado");
    EXPECT_EQ(NoEncontrado([&] { return shape->PoligonoAlQuePertenece(CPunto(1, 1), 3); }),
              "Poligono no encontrado");
    EXPECT_EQ(NoEncontrado([&] { return shape->PoligonoAlQuePertenece(CPunto(1, 1), 3, 1.0); }),
              "Poligono no encontrado");
}

TEST(CShapePoligonoVacio, FileWithoutRecordsFindsNothing) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(5);
    escritor.SetBoundingBox(CRectangulo(0, 0, 10, 10));
    ASSERT_TRUE(escritor.Write(dir / "vacio"));
    CShape shape((dir / "vacio").c_str());
    EXPECT_EQ(NoEncontrado([&] { return shape.PoligonoAlQuePertenece(CPunto(1, 1), 0); }),
              "Poligono no encontrado");
    EXPECT_EQ(NoEncontrado([&] { return shape.PoligonoAlQuePertenece(CPunto(1, 1), 0, 2.0); }),
              "Poligono no encontrado");
}

TEST(CShapeTolerancia, PointsHitInsideTheOpenWidenedSquare) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(1);
    escritor.AddPoint(0, 0);
    escritor.AddPoint(5, 5);
    ASSERT_TRUE(escritor.Write(dir / "puntos"));
    CShape shape((dir / "puntos").c_str());
    EXPECT_FALSE(shape.EsPuntoEnPoligono(1u, CPunto(5, 5)));  // points never contain
    EXPECT_TRUE(shape.EsPuntoEnPoligono(1u, CPunto(5.9, 4.1), 1.0));
    EXPECT_FALSE(shape.EsPuntoEnPoligono(1u, CPunto(6, 5), 1.0));
    EXPECT_EQ(shape.PoligonoAlQuePertenece(CPunto(5.5, 5.5), 0, 1.0), 1);
    EXPECT_EQ(shape.PoligonoAlQuePertenece(CPunto(-0.5, 0.5), 1, 1.0), 0);  // just outside the file box
    EXPECT_EQ(NoEncontrado([&] { return shape.PoligonoAlQuePertenece(CPunto(2.5, 2.5), 0, 1.0); }),
              "Poligono no encontrado");
}

TEST(CShapeTolerancia, PolylinesHitWithinTheRoundedTolerance) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(3);
    escritor.AddShape({{{0, 0}, {100, 0}}});
    escritor.AddShape({{{0, 50}, {50, 50}}, {{0, 0}, {100, 100}}});
    ASSERT_TRUE(escritor.Write(dir / "lineas"));
    CShape shape((dir / "lineas").c_str());
    EXPECT_TRUE(shape.EsPuntoEnPoligono(0u, CPunto(50, 0), 1.0));
    EXPECT_TRUE(shape.EsPuntoEnPoligono(0u, CPunto(50, 0.9), 1.0));   // beside a level line
    EXPECT_FALSE(shape.EsPuntoEnPoligono(0u, CPunto(50, 1.5), 1.0));
    EXPECT_TRUE(shape.EsPuntoEnPoligono(0u, CPunto(50, 1.5), 1.6));   // rounds to 2
    EXPECT_FALSE(shape.EsPuntoEnPoligono(0u, CPunto(50, 1.5), 1.4));  // rounds to 1
    // Second part of record 1: distance 7.07 from (50, 60).
    EXPECT_TRUE(shape.EsPuntoEnPoligono(1u, CPunto(50, 60), 8.0));
    EXPECT_FALSE(shape.EsPuntoEnPoligono(1u, CPunto(50, 60), 7.0));
    EXPECT_EQ(shape.PoligonoAlQuePertenece(CPunto(100, 99.5), 0, 1.0), 1);
}

TEST(CShapeTolerancia, MultipointsNeverHit) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(8);
    escritor.AddMultiPoint({{0, 0}, {10, 10}});
    ASSERT_TRUE(escritor.Write(dir / "multi"));
    CShape shape((dir / "multi").c_str());
    EXPECT_FALSE(shape.EsPuntoEnPoligono(0u, CPunto(10, 10), 5.0));
}
