// Hit tests of the drawn shapes (measuring and editing tools).
#include "CLineShp.h"
#include "CPolygonShp.h"
#include <gtest/gtest.h>

namespace {
CLineShp Linea(double ax, double ay, double bx, double by) {
    CLineShp linea;
    linea.InicializaLinea(CCoordenadaMapa(ax, ay), CCoordenadaMapa(bx, by));
    return linea;
}
template <class Forma>
void Anadir(Forma& forma, std::initializer_list<CCoordenadaMapa> puntos, int veces = 1) {
    for (int i = 0; i < veces; ++i)
        for (const auto& p : puntos) forma.AddPoint(p);
}
}  // namespace

TEST(CLineShpTest, SegmentsHitInTheWidenedBoxAndStrictlyWithinTheDistance) {
    const struct { CLineShp linea; double x, y; int tolerancia; bool toca; } casos[] = {
        {Linea(0, 0, 100, 0), 50, 1, 1, true},      {Linea(0, 0, 100, 0), 50, 1.5, 1, false},  // widened box
        {Linea(0, 0, 100, 100), 50, 60, 8, true},   {Linea(0, 0, 100, 100), 50, 60, 7, false},  // 7.07 away
        {Linea(0, 100, 100, 0), 50, 40, 8, true},   {Linea(0, 100, 100, 0), 50, 40, 7, false},
        {Linea(0, 0, 30, 40), 11, 23, 5, false},    {Linea(0, 0, 30, 40), 11, 23, 6, true},  // exactly 5
        // Beside a vertical segment's end the full distance counts, beside its middle the box.
        {Linea(0, 0, 0, 100), 1, 0, 1, false},      {Linea(0, 0, 0, 100), 1, 50, 1, true},
        {Linea(0, 0, 100, 100), 50, 50.9, -5, true},  // at least 1
        {Linea(5, 5, 5, 5), 5, 5, 1000, false},
    };
    for (size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(casos[i].linea.PtInShape(CCoordenadaMapa(casos[i].x, casos[i].y), casos[i].tolerancia),
                  casos[i].toca) << "case " << i;
    EXPECT_DOUBLE_EQ(Linea(1, 1, 4, 5).GetLength(), 5.0);
}

TEST(CPolygonShpTest, FilledRingsCountWindingsAndOutlinesCloseImplicitly) {
    // Filled: tolerance unused; (3, 3) rounds a cosine just above 1.
    CPolygonShp cuadrado, dos, u, borde;
    for (CPolygonShp* p : {&cuadrado, &dos, &u}) p->SetRellenar(true);
    const std::initializer_list<CCoordenadaMapa> kCuadrado = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    Anadir(cuadrado, kCuadrado);
    Anadir(dos, kCuadrado, 2);
    Anadir(u, {{0, 0}, {30, 0}, {30, 30}, {20, 30}, {20, 10}, {10, 10}, {10, 30}, {0, 30}});
    Anadir(borde, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    const struct { const CPolygonShp* poligono; double x, y; int tolerancia; bool dentro; } casos[] = {
        {&cuadrado, 5, 5, 1, true},  {&cuadrado, -0.5, 5, 1000, false}, {&cuadrado, 10, 10, 1, true},
        {&cuadrado, 3, 3, 1, true},  {&dos, 5, 5, 1, false},            {&u, 25, 25, 1, true},
        {&u, 15, 20, 1, false},      {&borde, 5, 5, 1, false},          {&borde, 0.5, 5, 1, true},  // closing side
        {&borde, 2.5, 5, 3, true},
    };
    for (size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(casos[i].poligono->PtInShape(CCoordenadaMapa(casos[i].x, casos[i].y), casos[i].tolerancia),
                  casos[i].dentro) << "case " << i;
}
