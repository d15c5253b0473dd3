#include "CLineShp.h"
#include "CPointShp.h"
#include <gtest/gtest.h>

namespace {

bool Toca(const CLineShp& linea, double x, double y, int tolerancia) {
    return linea.PtInShape(CCoordenadaMapa(x, y), tolerancia);
}

CLineShp Linea(double ax, double ay, double bx, double by) {
    CLineShp linea;
    linea.InicializaLinea(CCoordenadaMapa(ax, ay), CCoordenadaMapa(bx, by));
    return linea;
}

}  // namespace

TEST(CLineShpTest, ValoresPorDefectoDeLasFormas) {
    const CLineShp linea;
    EXPECT_EQ(linea.GetGrosor(), 0);
    EXPECT_EQ(linea.GetDescripcion(), "TXT_DESCRIP");
    EXPECT_EQ(linea.GetColor(), wxColour(0, 0, 0));
    const CPointShp punto;
    EXPECT_EQ(punto.GetGrosor(), 1);
    EXPECT_EQ(punto.GetSize(), 20.0);
    EXPECT_TRUE(punto.GetVisible());
    EXPECT_EQ(punto.GetPoint(), CCoordenadaMapa(0, 0));
}

TEST(CLineShpTest, Longitud) {
    EXPECT_DOUBLE_EQ(Linea(1, 1, 4, 5).GetLength(), 5.0);
    EXPECT_EQ(Linea(2, 2, 2, 2).GetLength(), 0.0);
}

TEST(CLineShpTest, SegmentoHorizontalCajaAmpliada) {
    const CLineShp linea = Linea(0, 0, 100, 0);
    EXPECT_TRUE(Toca(linea, 50, 1, 1));     // on the widened box's border
    EXPECT_FALSE(Toca(linea, 50, 1.5, 1));  // beyond it
    EXPECT_TRUE(Toca(linea, 101, 0, 1));
    EXPECT_FALSE(Toca(linea, 102, 0, 1));
    EXPECT_TRUE(Toca(linea, 50, -3, 3));
    EXPECT_FALSE(Toca(linea, 50, -3.5, 3));
}

TEST(CLineShpTest, SegmentoDiagonalDistanciaEstricta) {
    const CLineShp linea = Linea(0, 0, 100, 100);  // (50, 60) is 7.07 away
    EXPECT_TRUE(Toca(linea, 50, 60, 8));
    EXPECT_FALSE(Toca(linea, 50, 60, 7));
    // Same distance on the other side of the line, and for the reversed segment.
    EXPECT_TRUE(Toca(Linea(100, 100, 0, 0), 60, 50, 8));
    EXPECT_FALSE(Toca(Linea(100, 100, 0, 0), 60, 50, 7));
    // Descending segment.
    EXPECT_TRUE(Toca(Linea(0, 100, 100, 0), 50, 40, 8));
    EXPECT_FALSE(Toca(Linea(0, 100, 100, 0), 50, 40, 7));
}

TEST(CLineShpTest, DistanciaIgualALaToleranciaNoToca) {
    // (11, 23) lies exactly 5 from the segment (0, 0)-(30, 40).
    EXPECT_FALSE(Toca(Linea(0, 0, 30, 40), 11, 23, 5));
    EXPECT_TRUE(Toca(Linea(0, 0, 30, 40), 11, 23, 6));
    // Beside the end of a vertical segment the estimate is the full
    // distance; beside its middle it is 0 and the widened box decides.
    EXPECT_FALSE(Toca(Linea(0, 0, 0, 100), 1, 0, 1));
    EXPECT_TRUE(Toca(Linea(0, 0, 0, 100), 1, 50, 1));
}

TEST(CLineShpTest, ToleranciaMinimaUno) {
    const CLineShp linea = Linea(0, 0, 100, 100);
    // (50, 50.9) is 0.64 from the line: inside tolerance 1, which 0 and -5 become.
    EXPECT_TRUE(Toca(linea, 50, 50.9, 0));
    EXPECT_TRUE(Toca(linea, 50, 50.9, -5));
    EXPECT_FALSE(Toca(linea, 50, 51.5, 0));  // 1.06 away
    EXPECT_TRUE(Toca(linea, 50, 51.5, 2));
}

TEST(CLineShpTest, SegmentoNuloNuncaToca) {
    const CLineShp punto = Linea(5, 5, 5, 5);
    EXPECT_FALSE(Toca(punto, 5, 5, 1));
    EXPECT_FALSE(Toca(punto, 5, 5, 1000));
}

TEST(CLineShpTest, PuntoConTolerancia) {
    CPointShp punto;
    punto.AddPoint(CCoordenadaMapa(10, 10));
    punto.AddPoint(CCoordenadaMapa(20, 20));  // replaces the first
    EXPECT_EQ(punto.GetPoint(), CCoordenadaMapa(20, 20));
    EXPECT_TRUE(punto.PtInShape(CCoordenadaMapa(22, 21), 3));
    EXPECT_FALSE(punto.PtInShape(CCoordenadaMapa(10, 10), 3));
    EXPECT_TRUE(punto.PtInShape(CCoordenadaMapa(20.5, 20.5), 0));  // 0 counts as 1
    EXPECT_FALSE(punto.PtInShape(CCoordenadaMapa(21, 20), 1));      // strictly closer
}
