#include "CPunto.h"
#include "CRectangulo.h"
#include "DBig.h"
#include "IBig.h"
#include "SBig.h"

#include <gtest/gtest.h>

TEST(ValoresBasicos, BigEndianValuesFromAnyAddressAndRectangleTests) {
    // One leading byte so that the values are misaligned.
    const unsigned char bytes[] = {0xAA, 0x00, 0x00, 0x27, 0x0A, 0xFF, 0xFF, 0xFF, 0xFE};
    EXPECT_EQ(IBig(bytes + 1), 9994);
    EXPECT_EQ(IBig(bytes + 5), -2);
    EXPECT_EQ(SBig(bytes + 3), 0x270Au);
    EXPECT_EQ(SBig(bytes + 5), 0xFFFFu);
    const unsigned char doble[] = {0x00, 0x40, 0x09, 0x21, 0xFB, 0x54, 0x44, 0x2D, 0x18};
    EXPECT_DOUBLE_EQ(DBig(doble + 1), 3.141592653589793);

    CRectangulo r(10, -1, 2, 5);
    r.Normaliza();  // from the values before the change
    EXPECT_EQ(r.x1, 2.0);
    EXPECT_EQ(r.y1, -1.0);
    EXPECT_EQ(r.x2, 10.0);
    EXPECT_EQ(r.y2, 5.0);
    // Closed without tolerance, open with one.
    const struct {
        double x, y, tolerancia;
        bool dentro;
    } casos[] = {{0, 10, -1, true},       {10, 0, -1, true},     {10.001, 5, -1, false},
                 {0, 10, 0, false},       {0, 10, 0.5, true},    {-0.4, 10.4, 0.5, true},
                 {-0.5, 5, 0.5, false},   {5, 10.5, 0.5, false}};
    const CRectangulo cuadrado(0, 0, 10, 10);
    for (size_t i = 0; i < std::size(casos); ++i) {
        const CPunto p(casos[i].x, casos[i].y);
        const bool dentro = casos[i].tolerancia < 0 ? cuadrado.Dentro(p) : cuadrado.Dentro(p, casos[i].tolerancia);
        EXPECT_EQ(dentro, casos[i].dentro) << "case " << i;
    }
}
