// Point-in-record tests and the polygon search (not yet used by the viewer).
#include "CShape.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>

namespace {
using W = ShapefileWriter;

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
}  // namespace

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
    EXPECT_EQ(Busca(shape, 3, 3, 0), 2);  // hole of 0, inside 2
    EXPECT_EQ(Busca(shape, 1, 1, 1), 2);
    EXPECT_EQ(Busca(shape, 45, 5, 2), 1);  // wraps to 0, then 1
    EXPECT_EQ(Busca(shape, 3, 3, 0, 1.0), 0);
    EXPECT_EQ(Busca(shape, 35, 5, 0), -1);
    EXPECT_EQ(Busca(shape, 5, 11.5, 0, 5.0), -1);  // outside the file's box
    EXPECT_EQ(Busca(shape, 1, 1, 3, 1.0), -1);
    EXPECT_EQ(Busca(shapeLineas, 100, 99.5, 0, 1.0), 0);
    // Orientation: three lowest vertices in a row, the ring starting at the
    // middle one; the right-most decides.
    const W::Parte antihorario = {{5, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {5, 0}};
    EXPECT_TRUE(CShape::EsUnHueco(antihorario.data(), 6));
    EXPECT_FALSE(CShape::EsUnHueco(W::Parte(antihorario.rbegin(), antihorario.rend()).data(), 6));
}
