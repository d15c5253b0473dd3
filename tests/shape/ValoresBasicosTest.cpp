#include "CPunto.h"
#include "CRectangulo.h"
#include "DBig.h"
#include "IBig.h"
#include "SBig.h"

#include <gtest/gtest.h>
#include <cstring>

TEST(OrdenDeBytes, BigEndianIntegersAndDoublesAreReadFromAnyAddress) {
    // One leading byte so that the values are misaligned.
    const unsigned char bytes[] = {0xAA, 0x00, 0x00, 0x27, 0x0A, 0xFF, 0xFF, 0xFF, 0xFE};
    EXPECT_EQ(IBig(bytes + 1), 9994);
    EXPECT_EQ(IBig(bytes + 5), -2);
    EXPECT_EQ(SBig(bytes + 3), 0x270Au);
    EXPECT_EQ(SBig(bytes + 5), 0xFFFFu);

    const unsigned char doble[] = {0x00, 0x40, 0x09, 0x21, 0xFB, 0x54, 0x44, 0x2D, 0x18};
    EXPECT_DOUBLE_EQ(DBig(doble + 1), 3.141592653589793);
}

TEST(CPuntoValor, HasTheLayoutOfAShapefilePoint) {
    const double dobles[2] = {1.5, -2.25};
    unsigned char bytes[20];
    std::memcpy(bytes + 4, dobles, sizeof dobles);
    const CPunto* p = reinterpret_cast<const CPunto*>(bytes + 4);
    EXPECT_EQ(p->x, 1.5);
    EXPECT_EQ(p->y, -2.25);
    const CPunto d = CPunto(5, 7) - CPunto(2, 10);
    EXPECT_EQ(d.x, 3.0);
    EXPECT_EQ(d.y, -3.0);
}

TEST(CRectanguloValor, NormalisesFromTheValuesBeforeTheChange) {
    CRectangulo r(10, -1, 2, 5);
    r.Normaliza();
    EXPECT_EQ(r.x1, 2.0);
    EXPECT_EQ(r.y1, -1.0);
    EXPECT_EQ(r.x2, 10.0);
    EXPECT_EQ(r.y2, 5.0);
}

TEST(CRectanguloValor, ClosedTestAndOpenTestWidenedByTolerance) {
    const CRectangulo r(0, 0, 10, 10);
    EXPECT_TRUE(r.Dentro(CPunto(0, 10)));
    EXPECT_TRUE(r.Dentro(CPunto(10, 0)));
    EXPECT_FALSE(r.Dentro(CPunto(10.001, 5)));
    EXPECT_FALSE(r.Dentro(CPunto(0, 10), 0.0));   // open without tolerance
    EXPECT_TRUE(r.Dentro(CPunto(0, 10), 0.5));
    EXPECT_TRUE(r.Dentro(CPunto(-0.4, 10.4), 0.5));
    EXPECT_FALSE(r.Dentro(CPunto(-0.5, 5), 0.5));
    EXPECT_FALSE(r.Dentro(CPunto(5, 10.5), 0.5));
}
