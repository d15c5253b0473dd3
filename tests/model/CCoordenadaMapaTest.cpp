#include "CCoord3d.h"
#include "CCoordenadaMapa.h"
#include <gtest/gtest.h>
#include <climits>

TEST(CCoordenadaMapaTest, CopiasDesdePunteroNuloNoCambianNada) {
    const CCoordenadaMapa origen(3.5, -2.0);
    const CCoordenadaMapa* nulo = nullptr;
    EXPECT_EQ(CCoordenadaMapa(nulo), CCoordenadaMapa(0, 0));
    EXPECT_EQ(CCoordenadaMapa(&origen), origen);

    CCoordenadaMapa destino(7, 8);
    destino = nulo;
    EXPECT_EQ(destino, CCoordenadaMapa(7, 8));
    destino = &origen;
    EXPECT_EQ(destino.GetCoordenadaMapaX(), 3.5);
    EXPECT_EQ(destino.GetCoordenadaMapaY(), -2.0);
}

TEST(CCoordenadaMapaTest, IgualdadExactaSinTolerancia) {
    EXPECT_FALSE(CCoordenadaMapa(1, 2) == CCoordenadaMapa(1, 2 + 1e-12));
    EXPECT_FALSE(CCoordenadaMapa(1, 2) == CCoordenadaMapa(2, 1));
    CCoordenadaMapa p;
    p.SetCoordenadasMapa(1, 0).SetCoordenadaMapaY(2);
    EXPECT_TRUE(p == CCoordenadaMapa(1, 2));
}

TEST(CCoordenadaMapaTest, DistanciaYDiferencia) {
    EXPECT_DOUBLE_EQ(CCoordenadaMapa(1, 1).GetDistance(CCoordenadaMapa(4, 5)), 5.0);
    EXPECT_EQ(CCoordenadaMapa(10, 3) - CCoordenadaMapa(4, 5), CCoordenadaMapa(6, -2));
}

TEST(CCoordenadaMapaTest, ProductoVectorialDaElSignoDelGiro) {
    EXPECT_EQ(CCoordenadaMapa(1, 0) * CCoordenadaMapa(0, 1), CCoord3d(0, 0, 1));
    EXPECT_EQ(CCoordenadaMapa(0, 1) * CCoordenadaMapa(1, 0), CCoord3d(0, 0, -1));
    EXPECT_EQ((CCoordenadaMapa(2, 3) * CCoordenadaMapa(4, 5)).z, 2.0 * 5 - 3.0 * 4);
}

TEST(CCoordenadaMapaTest, APixelTruncaHaciaCero) {
    const wxRect ventana(10, 20, 500, 123);  // only the width matters
    const CCoordenadaMapa supDer(1000, 2000), infIzq(0, 0);
    EXPECT_EQ(CCoordenadaMapa(250, 1500).ToPixel(ventana, supDer, infIzq), wxPoint(125, 250));
    // 1.99 px right, 0.5 px below the top: truncated, not rounded.
    EXPECT_EQ(CCoordenadaMapa(3.98, 1999).ToPixel(ventana, supDer, infIzq), wxPoint(1, 0));
    // Left of and above the extent: negative values truncate toward zero.
    EXPECT_EQ(CCoordenadaMapa(-3.98, 2003.9).ToPixel(ventana, supDer, infIzq), wxPoint(-1, -1));
}

TEST(CCoordenadaMapaTest, APixelDeOtroPuntoSinRedondear) {
    const CCoordenadaMapa ignorado(123, 456);
    const CCoordenadaMapa pixel = ignorado.ToPixel(wxRect(0, 0, 500, 10),
                                                   CCoordenadaMapa(1000, 2000),
                                                   CCoordenadaMapa(0, 0), CCoordenadaMapa(251, 1499));
    EXPECT_DOUBLE_EQ(pixel.GetCoordenadaMapaX(), 125.5);
    EXPECT_DOUBLE_EQ(pixel.GetCoordenadaMapaY(), 250.5);
}

TEST(CCoordenadaMapaTest, APixelSinResolucionNoDesborda) {
    // A window without width or an extent without width has no resolution.
    const CCoordenadaMapa p(250, 1500);
    EXPECT_EQ(p.ToPixel(wxRect(0, 0, 0, 100), CCoordenadaMapa(1000, 2000), CCoordenadaMapa(0, 0)),
              wxPoint(0, 0));
    EXPECT_EQ(p.ToPixel(wxRect(0, 0, 500, 100), CCoordenadaMapa(5, 2000), CCoordenadaMapa(5, 0)),
              wxPoint(0, 0));
    // A point far outside a tiny extent saturates instead of overflowing.
    const wxPoint lejos = CCoordenadaMapa(1e12, -1e12).ToPixel(
        wxRect(0, 0, 500, 100), CCoordenadaMapa(1, 1), CCoordenadaMapa(0, 0));
    EXPECT_EQ(lejos, wxPoint(INT_MAX, INT_MAX));
}
