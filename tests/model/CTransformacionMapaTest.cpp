#include "CCoordenadaMapa.h"
#include "CCoordenadas.h"
#include "CExtensionMapa.h"
#include "CTransformacionMapa.h"
#include <gtest/gtest.h>
#include <climits>
#include <cmath>

namespace {

CExtensionMapa Extension(double xMin, double yMin, double xMax, double yMax) {
    CExtensionMapa e;
    e.SetCoordenadasInfIzq(xMin, yMin);
    e.SetCoordenadasSupDer(xMax, yMax);
    return e;
}

}  // namespace

TEST(CTransformacionMapaTest, EjemploEnAmbosSentidos) {
    const CExtensionMapa e = Extension(0, 0, 1000, 2000);
    const CCoordenadas pixel = CCoordenadas().ToPixel(wxRect(0, 0, 500, 400),
                                                      CCoordenadas(1000, 2000),
                                                      CCoordenadas(0, 0), CCoordenadas(250, 1500));
    EXPECT_DOUBLE_EQ(pixel.x, 125.0);
    EXPECT_DOUBLE_EQ(pixel.y, 250.0);

    const CCoordenadaMapa mapa = CTransformacionMapa::PixelToMapa(125, 250, 500, 400, e);
    EXPECT_DOUBLE_EQ(mapa.GetCoordenadaMapaX(), 250.0);
    EXPECT_DOUBLE_EQ(mapa.GetCoordenadaMapaY(), 1500.0);
}

TEST(CTransformacionMapaTest, AmbosEjesUsanLaResolucionHorizontal) {
    // A window much taller than the extent's aspect: vertical pixels still
    // count ancho / W map units each (here 2), not alto / H.
    const CExtensionMapa e = Extension(100, 100, 300, 150);
    const CCoordenadaMapa p =
        CTransformacionMapa::PixelToMapa(wxPoint(10, 30), wxRect(0, 0, 100, 700), e);
    EXPECT_DOUBLE_EQ(p.GetCoordenadaMapaX(), 120.0);
    EXPECT_DOUBLE_EQ(p.GetCoordenadaMapaY(), 90.0);
}

TEST(CTransformacionMapaTest, LaInversaDeshaceLaDirecta) {
    const CExtensionMapa e = Extension(512345.25, 4098765.5, 587654.75, 4150000.0);
    const int ancho = 787, alto = 613;
    for (double px : {0.0, 1.0, 393.5, 786.0}) {
        for (double py : {0.0, 17.25, 612.0}) {
            const CCoordenadaMapa m = CTransformacionMapa::PixelToMapa(px, py, ancho, alto, e);
            double vueltaX = 0, vueltaY = 0;
            CTransformacionMapa::MapaToPixel(ancho, e.GetCoordenadaSupDerX(),
                                             e.GetCoordenadaSupDerY(),
                                             e.GetCoordenadaInfIzqX(), m.GetCoordenadaMapaX(),
                                             m.GetCoordenadaMapaY(), vueltaX, vueltaY);
            EXPECT_NEAR(vueltaX, px, 1e-6);
            EXPECT_NEAR(vueltaY, py, 1e-6);
        }
    }
}

TEST(CTransformacionMapaTest, CasosDegeneradosDanElOrigen) {
    const CExtensionMapa plana = Extension(0, 50, 1000, 50);  // height 0
    const CExtensionMapa buena = Extension(0, 0, 1000, 2000);
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(125, 250, 500, 400, plana), CCoordenadaMapa(0, 0));
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(125, 250, 0, 400, buena), CCoordenadaMapa(0, 0));
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(125, 250, 500, 0, buena), CCoordenadaMapa(0, 0));

    const CExtensionMapa ceros;
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(wxRect(10, 10, 50, 50), 500, 400, plana), ceros);
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(wxRect(10, 10, 50, 50), 0, 400, buena), ceros);
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(wxRect(10, 10, 50, 50), 500, 0, buena), ceros);
}

TEST(CTransformacionMapaTest, RectanguloIncluyeSuUltimoPixel) {
    // 2 map units per pixel; the rectangle covers pixels 10..59 by 20..49.
    const CExtensionMapa e = Extension(0, 0, 1000, 2000);
    const CExtensionMapa r =
        CTransformacionMapa::PixelToMapa(wxRect(10, 20, 50, 30), 500, 400, e);
    EXPECT_DOUBLE_EQ(r.GetCoordenadaInfIzqX(), 20.0);
    EXPECT_DOUBLE_EQ(r.GetCoordenadaInfIzqY(), 2000.0 - 49 * 2);
    EXPECT_DOUBLE_EQ(r.GetCoordenadaSupDerX(), 59 * 2.0);
    EXPECT_DOUBLE_EQ(r.GetCoordenadaSupDerY(), 2000.0 - 20 * 2);
}

TEST(CTransformacionMapaTest, TruncarPixelHaciaCeroYAcotado) {
    EXPECT_EQ(CTransformacionMapa::TruncarPixel(2.99), 2);
    EXPECT_EQ(CTransformacionMapa::TruncarPixel(-2.99), -2);
    EXPECT_EQ(CTransformacionMapa::TruncarPixel(1e300), INT_MAX);
    EXPECT_EQ(CTransformacionMapa::TruncarPixel(-1e300), INT_MIN);
    EXPECT_EQ(CTransformacionMapa::TruncarPixel(std::nan("")), 0);
}
