#include "CShape.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Parte = ShapefileWriter::Parte;

// The record holding the point searched from `desde`, or -1 when not found.
int Busca(const CShape& shape, double x, double y, int desde, double tolerancia = 0) {
    try {
        return tolerancia ? shape.PoligonoAlQuePertenece(CPunto(x, y), desde, tolerancia)
                          : shape.PoligonoAlQuePertenece(CPunto(x, y), desde);
    } catch (const char* error) {
        EXPECT_STREQ(error, "Poligono no encontrado");
        return -1;
    }
}

struct Caso {
    unsigned int registro;
    double x, y, tolerancia;
    bool dentro;
};
void Comprueba(const CShape& shape, const std::vector<Caso>& casos) {
    for (size_t i = 0; i < casos.size(); ++i) {
        const Caso& c = casos[i];
        const bool dentro = c.tolerancia ? shape.EsPuntoEnPoligono(c.registro, CPunto(c.x, c.y), c.tolerancia)
                                         : shape.EsPuntoEnPoligono(c.registro, CPunto(c.x, c.y));
        EXPECT_EQ(dentro, c.dentro) << "case " << i;
    }
}
}  // namespace

TEST(CShapeAnillo, HalfOpenRuleCountsEachVertexOnceAndOrientationDecidesHoles) {
    const Parte rombo = {{5, 0}, {10, 5}, {5, 10}, {0, 5}, {5, 0}};
    const Parte cuadrado = ShapefileWriter::Rectangle(0, 0, 10, 10);
    // Bottom and left edges inside, top and right outside.
    const struct {
        const Parte* anillo;
        double x, y;
        bool dentro;
    } casos[] = {{&rombo, 9, 5, true},       {&rombo, 11, 5, false},   {&cuadrado, 5, 0, true},
                 {&cuadrado, 5, 10, false}, {&cuadrado, 0, 5, true},  {&cuadrado, 10, 5, false}};
    for (size_t i = 0; i < std::size(casos); ++i) {
        const Parte& a = *casos[i].anillo;
        EXPECT_EQ(CShape::EsPuntoEnPoligono(a.data(), static_cast<unsigned int>(a.size()),
                                            CPunto(casos[i].x, casos[i].y)),
                  casos[i].dentro) << "case " << i;
    }
    // Three lowest vertices in a row: the right-most decides. The ring starts
    // at the middle one, whose neighbours are collinear with it.
    const Parte antihorario = {{5, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {5, 0}};
    EXPECT_TRUE(CShape::EsUnHueco(antihorario.data(), 6));
    EXPECT_FALSE(CShape::EsUnHueco(Parte(antihorario.rbegin(), antihorario.rend()).data(), 6));
    // The lowest vertex is the first one: its predecessor is n - 2.
    const Parte triangulo = {{0, -1}, {10, 5}, {-10, 5}, {0, -1}};
    EXPECT_TRUE(CShape::EsUnHueco(triangulo.data(), 4));
    EXPECT_FALSE(CShape::EsUnHueco(triangulo.data(), 2));
}

TEST(CShapePoligonos, HolesIslandsToleranceAndSearchWrappingAround) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(5);
    // 0: square with a hole and an island inside the hole; 1: two squares;
    // 2: covers square 0 entirely.
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10), ShapefileWriter::Rectangle(2, 2, 8, 8, false),
                       ShapefileWriter::Rectangle(4, 4, 6, 6)});
    escritor.AddShape({ShapefileWriter::Rectangle(20, 0, 30, 10), ShapefileWriter::Rectangle(40, 0, 50, 10)});
    escritor.AddShape({ShapefileWriter::Rectangle(-1, -1, 11, 11)});
    ASSERT_TRUE(escritor.Write(dir / "poligonos"));
    CShape shape((dir / "poligonos").c_str());
    Comprueba(shape, {{0, 1, 1, 0, true},  {0, 3, 3, 0, false},   {0, 5, 5, 0, true},  {0, 12, 5, 0, false},
                      {1, 45, 5, 0, true}, {1, 35, 5, 0, false},  {0, 3, 3, 1, true},  // no hole counting
                      {1, 45, 5, 1, true}, {1, 35, 5, 1, false}});
    EXPECT_EQ(Busca(shape, 3, 3, 0), 2);  // hole of 0, inside 2
    EXPECT_EQ(Busca(shape, 1, 1, 1), 2);
    EXPECT_EQ(Busca(shape, 45, 5, 2), 1);  // wraps to 0, then 1
    EXPECT_EQ(Busca(shape, 3, 3, 0, 1.0), 0);
    EXPECT_EQ(Busca(shape, 35, 5, 0), -1);
    EXPECT_EQ(Busca(shape, 5, 11.5, 0, 5.0), -1);  // outside the file's box
    EXPECT_EQ(Busca(shape, 1, 1, 3, 1.0), -1);
}

TEST(CShapeTolerancia, PointsAndPolylinesHitWithinToleranceAndMultipointsNever) {
    DirectorioPrueba dir;
    ShapefileWriter puntos(1);
    puntos.AddPoint(0, 0);
    puntos.AddPoint(5, 5);
    ASSERT_TRUE(puntos.Write(dir / "puntos"));
    CShape shapePuntos((dir / "puntos").c_str());
    // Points never contain; with a tolerance, the open widened square.
    Comprueba(shapePuntos, {{1, 5, 5, 0, false}, {1, 5.9, 4.1, 1, true}, {1, 6, 5, 1, false}});
    EXPECT_EQ(Busca(shapePuntos, 5.5, 5.5, 0, 1.0), 1);
    EXPECT_EQ(Busca(shapePuntos, -0.5, 0.5, 1, 1.0), 0);  // just outside the file box

    ShapefileWriter lineas(3);
    lineas.AddShape({{{0, 0}, {100, 0}}});
    lineas.AddShape({{{0, 50}, {50, 50}}, {{0, 0}, {100, 100}}});
    ASSERT_TRUE(lineas.Write(dir / "lineas"));
    CShape shapeLineas((dir / "lineas").c_str());
    // The tolerance is rounded; (50, 60) is 7.07 from record 1's second part.
    Comprueba(shapeLineas, {{0, 50, 0.9, 1, true},    {0, 50, 1.5, 1, false},  {0, 50, 1.5, 1.6, true},
                            {1, 50, 60, 8, true},     {1, 50, 60, 7, false}});
    EXPECT_EQ(Busca(shapeLineas, 100, 99.5, 0, 1.0), 1);

    ShapefileWriter multi(8);
    multi.AddMultiPoint({{0, 0}, {10, 10}});
    ASSERT_TRUE(multi.Write(dir / "multi"));
    EXPECT_FALSE(CShape((dir / "multi").c_str()).EsPuntoEnPoligono(0u, CPunto(10, 10), 5.0));
}
