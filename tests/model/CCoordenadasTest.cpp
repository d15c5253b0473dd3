#include "CCoord3d.h"
#include "CCoordenadas.h"
#include "CExt.h"
#include <gtest/gtest.h>

TEST(CCoordenadasTest, OperacionesPorComponentes) {
    const CCoordenadas a(1, 2), b(4, 6);
    EXPECT_EQ(a + b, CCoordenadas(5, 8));
    EXPECT_EQ(b - a, CCoordenadas(3, 4));
    EXPECT_DOUBLE_EQ(a.GetDistance(b), 5.0);
    EXPECT_EQ((CCoordenadas(1, 0) * CCoordenadas(0, 1)).z, 1.0);
    EXPECT_EQ((CCoordenadas(0, 1) * CCoordenadas(1, 0)).z, -1.0);
    EXPECT_FALSE(a == CCoordenadas(1, 2.0000001));
}

TEST(CCoordenadasTest, CopiasDesdePuntero) {
    const CCoordenadas* nulo = nullptr;
    const CCoordenadas a(3, 4);
    EXPECT_EQ(CCoordenadas(nulo), CCoordenadas(0, 0));
    CCoordenadas b(7, 7);
    b = nulo;
    EXPECT_EQ(b, CCoordenadas(7, 7));
    b = &a;
    EXPECT_EQ(b, a);
    EXPECT_EQ(b.SetCoordenadas(9, 8), CCoordenadas(9, 8));
}

TEST(CCoordenadasTest, Coord3dSumaLasTresComponentes) {
    CCoord3d suma;
    suma = suma + CCoord3d(1, 2, 3) + CCoord3d(10, 20, -30);
    EXPECT_EQ(suma, CCoord3d(11, 22, -27));
    EXPECT_FALSE(suma == CCoord3d(11, 22, 27));
    const CCoord3d* nulo = nullptr;
    EXPECT_EQ(CCoord3d(nulo), CCoord3d(0, 0, 0));
    suma = nulo;
    EXPECT_EQ(suma.z, -27.0);
}

TEST(CCoordenadasTest, ExtAnchoYAltoAbsolutos) {
    CExt e;
    EXPECT_EQ(e.GetWidth(), 0.0);
    e.SetExtension(CCoordenadas(10, 2), CCoordenadas(4, 9));
    EXPECT_EQ(e.GetPrimera(), CCoordenadas(10, 2));
    EXPECT_EQ(e.GetWidth(), 6.0);
    EXPECT_EQ(e.GetHeight(), 7.0);
    CExt copia(&e);
    EXPECT_EQ(copia, e);
    const CExt* nulo = nullptr;
    copia = nulo;
    EXPECT_EQ(copia, e);
    EXPECT_EQ(CExt(nulo), CExt());
    copia.SetExtension(CCoordenadas(10, 2), CCoordenadas(4, 9.5));
    EXPECT_FALSE(copia == e);
}
