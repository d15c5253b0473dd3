// Coordinates, extents and the map <-> pixel transformation.
#include "CCoordenadaMapa.h"
#include "CExtensionMapa.h"
#include "CTransformacionMapa.h"
#include <gtest/gtest.h>
#include <climits>
#include <cmath>

// Copies from a null pointer give zero or leave the target as it was.
TEST(Coordenadas, DistanciaYCopiasDesdeNulo) {
    EXPECT_DOUBLE_EQ(CCoordenadaMapa(1, 1).GetDistance(CCoordenadaMapa(4, 5)), 5.0);
    const CCoordenadaMapa* nulo = nullptr;
    CCoordenadaMapa mapa(7, 8);
    mapa = nulo;
    EXPECT_EQ(mapa, CCoordenadaMapa(7, 8));
    EXPECT_EQ(CCoordenadaMapa(nulo), CCoordenadaMapa(0, 0));
}

// Both axes use the horizontal resolution; pixels truncate toward zero and
// saturate; polygon vertices sit half a pixel up and left; without a
// resolution everything is the origin.
TEST(TransformacionMapa, PixelesYMapaEnAmbosSentidos) {
    const wxRect ventana(10, 20, 500, 123);  // only the width matters forward
    const CCoordenadaMapa supDer(1000, 2000), infIzq(0, 0);
    const CTransformacionMapa vista(ventana, CExtensionMapa(0, 0, 1000, 2000));
    const struct { CCoordenadaMapa mapa; wxPoint pixel, poligono; } casos[] = {
        {{250, 1500}, {125, 250}, {124, 249}}, {{3.98, 1999}, {1, 0}, {1, 0}},
        {{-3.98, 2003.9}, {-1, -1}, {-2, -2}}, {{9, 1991}, {4, 4}, {4, 4}}};
    for (const auto& c : casos) {
        EXPECT_EQ(c.mapa.ToPixel(ventana, supDer, infIzq), c.pixel);
        EXPECT_EQ(vista.Pixel(c.mapa), c.pixel);
        EXPECT_EQ(vista.PixelPoligono(c.mapa), c.poligono);
    }
    EXPECT_EQ(CCoordenadaMapa(250, 1500).ToPixel(wxRect(0, 0, 0, 100), supDer, infIzq), wxPoint(0, 0));
    EXPECT_EQ(CCoordenadaMapa(1e12, -1e12).ToPixel(ventana, CCoordenadaMapa(1, 1), infIzq), wxPoint(INT_MAX, INT_MAX));
    const int limite = CTransformacionMapa::kLimitePixel;  // what painting hands to cairo
    EXPECT_EQ(vista.Pixel(1e12, -1e12), wxPoint(limite, limite));
    EXPECT_EQ(vista.PixelPoligono(-1e12, std::nan("")), wxPoint(-limite, 0));
    EXPECT_EQ(infIzq.ToPixel(ventana, supDer, infIzq, CCoordenadaMapa(251, 1499)), CCoordenadaMapa(125.5, 250.5));
    EXPECT_EQ(CTransformacionMapa(wxRect(0, 0, 100, 700), CExtensionMapa(100, 100, 300, 150)).PixelAMapa(wxPoint(10, 30)),
              CCoordenadaMapa(120, 90));
    for (const CTransformacionMapa& nula : {CTransformacionMapa(wxRect(0, 0, 500, 400), CExtensionMapa(0, 50, 1000, 50)),
                                            CTransformacionMapa(wxRect(0, 0, 0, 400), CExtensionMapa(0, 0, 1000, 2000))}) {
        EXPECT_EQ(nula.PixelAMapa(wxPoint(125, 250)), CCoordenadaMapa(0, 0));
        EXPECT_EQ(nula.PixelAMapa(wxRect(10, 10, 50, 50)), CExtensionMapa());
    }
    EXPECT_FALSE(CTransformacionMapa().EsValida());
    EXPECT_EQ(CTransformacionMapa().Pixel(5, 5), wxPoint(0, 0));
    // A rectangle includes its last pixel: 10..59 by 20..49, 2 units each.
    EXPECT_EQ(CTransformacionMapa(wxRect(0, 0, 500, 400), CExtensionMapa(0, 0, 1000, 2000)).PixelAMapa(wxRect(10, 20, 50, 30)),
              CExtensionMapa(20, 2000 - 49 * 2, 59 * 2, 2000 - 20 * 2));
    const CTransformacionMapa ida(wxRect(0, 0, 787, 613), CExtensionMapa(512345.25, 4098765.5, 587654.75, 4150000.0));
    for (double px : {0.0, 393.5, 786.0}) {
        const CCoordenadaMapa m = ida.PixelAMapa(px, 17.25);
        double x = 0, y = 0;
        ida.MapaAPixel(m.GetCoordenadaMapaX(), m.GetCoordenadaMapaY(), x, y);
        EXPECT_NEAR(x, px, 1e-6);
        EXPECT_NEAR(y, 17.25, 1e-6);
    }
    const std::pair<double, int> truncados[] = {{-2.99, -2}, {1e300, INT_MAX}, {-1e300, INT_MIN}, {std::nan(""), 0}};
    for (const auto& [valor, pixel] : truncados) EXPECT_EQ(CTransformacionMapa::TruncarPixel(valor), pixel) << valor;
}
