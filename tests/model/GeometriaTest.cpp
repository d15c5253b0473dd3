// Coordinates, extents and the map <-> pixel transformation.
#include "CCoord3d.h"
#include "CCoordenadaMapa.h"
#include "CCoordenadas.h"
#include "CExt.h"
#include "CExtensionMapa.h"
#include "CTransformacionMapa.h"
#include <gtest/gtest.h>
#include <wx/list.h>
#include <climits>
#include <cmath>
#include <vector>

namespace {

CExtensionMapa Extension(double xMin, double yMin, double xMax, double yMax) {
    CExtensionMapa e;
    e.SetCoordenadasInfIzq(xMin, yMin);
    e.SetCoordenadasSupDer(xMax, yMax);
    return e;
}

// A wxList of points, as the geometry code keeps them.
struct ListaPuntos {
    std::vector<CCoordenadaMapa> puntos;
    wxList lista;
    ListaPuntos(std::initializer_list<CCoordenadaMapa> p) : puntos(p) {
        for (auto& q : puntos) lista.Append(&q);
    }
    wxList* Lista() { return &lista; }
};

}  // namespace

// Copies from a null pointer give zero or leave the target as it was.
TEST(Coordenadas, AritmeticaExactaYCopiasDesdeNulo) {
    EXPECT_DOUBLE_EQ(CCoordenadaMapa(1, 1).GetDistance(CCoordenadaMapa(4, 5)), 5.0);
    EXPECT_EQ(CCoordenadaMapa(10, 3) - CCoordenadaMapa(4, 5), CCoordenadaMapa(6, -2));
    EXPECT_EQ(CCoordenadaMapa(1, 0) * CCoordenadaMapa(0, 1), CCoord3d(0, 0, 1));
    EXPECT_EQ((CCoordenadaMapa(2, 3) * CCoordenadaMapa(4, 5)).z, 2.0 * 5 - 3.0 * 4);
    EXPECT_FALSE(CCoordenadaMapa(1, 2) == CCoordenadaMapa(1, 2 + 1e-12));
    const CCoordenadas a(1, 2), b(4, 6);
    EXPECT_EQ(a + b, CCoordenadas(5, 8));
    EXPECT_EQ(b - a, CCoordenadas(3, 4));
    EXPECT_DOUBLE_EQ(a.GetDistance(b), 5.0);
    EXPECT_EQ((CCoordenadas(0, 1) * CCoordenadas(1, 0)).z, -1.0);
    EXPECT_EQ(CCoord3d(1, 2, 3) + CCoord3d(10, 20, -30), CCoord3d(11, 22, -27));

    const CCoordenadaMapa* nuloMapa = nullptr;
    const CExtensionMapa* nuloExt = nullptr;
    CCoordenadaMapa mapa(7, 8);
    CExtensionMapa ext = Extension(1, 2, 3, 4);
    mapa = nuloMapa;
    ext = nuloExt;
    EXPECT_EQ(mapa, CCoordenadaMapa(7, 8));
    EXPECT_EQ(ext, Extension(1, 2, 3, 4));
    EXPECT_EQ(CCoordenadaMapa(nuloMapa), CCoordenadaMapa(0, 0));
}

TEST(Coordenadas, ExtensionesConEsquinasInvertidasYBordes) {
    CExt e;
    e.SetExtension(CCoordenadas(10, 2), CCoordenadas(4, 9));
    EXPECT_EQ(e.GetWidth(), 6.0);
    EXPECT_EQ(e.GetHeight(), 7.0);
    const CExtensionMapa invertida = Extension(10, 20, 0, 0);
    EXPECT_EQ(invertida.GetAncho(), 10.0);
    EXPECT_EQ(invertida.GetAlto(), 20.0);
    EXPECT_FALSE(CExtensionMapa::PointInExtent(5, 10, invertida));

    // Points on the border are outside; extents touching intersect.
    const CExtensionMapa diez = Extension(0, 0, 10, 10);
    EXPECT_TRUE(CExtensionMapa::PointInExtent(5, 5, diez));
    EXPECT_FALSE(CExtensionMapa::PointInExtent(0, 5, diez));
    EXPECT_FALSE(CExtensionMapa::PointInExtent(10, 10, diez));
    EXPECT_TRUE(diez.Intersects(Extension(10, 0, 20, 10)));
    EXPECT_TRUE(diez.Intersects(Extension(10, 10, 20, 20)));
    EXPECT_TRUE(diez.Intersects(Extension(2, 2, 3, 3)));
    EXPECT_FALSE(diez.Intersects(Extension(10.001, 0, 20, 10)));
    EXPECT_FALSE(diez.Intersects(Extension(0, -5, 10, -0.001)));
}

// List extremes start from 999999999.999999 (minimum) and 0 (maximum).
TEST(Coordenadas, ExtremosYCajaDeListasDePuntos) {
    wxList vacia;
    ListaPuntos negativos{{-5, -7}, {-3, -9}}, enormes{{2e9, 3e9}}, normales{{5, 70}, {2, 90}, {8, 60}};
    EXPECT_EQ(CExtensionMapa::GetMinCoordX(nullptr), 999999999.999999);
    EXPECT_EQ(CExtensionMapa::GetMaxCoordX(&vacia), 0.0);
    EXPECT_EQ(CExtensionMapa::GetMaxCoordX(negativos.Lista()), 0.0);
    EXPECT_EQ(CExtensionMapa::GetMinCoordY(negativos.Lista()), -9.0);
    EXPECT_EQ(CExtensionMapa::GetMinCoordX(enormes.Lista()), 999999999.999999);
    EXPECT_EQ(CExtensionMapa::GetMinCoordX(normales.Lista()), 2.0);
    EXPECT_EQ(CExtensionMapa::GetMaxCoordX(normales.Lista()), 8.0);
    EXPECT_EQ(CExtensionMapa::GetMinCoordY(normales.Lista()), 60.0);
    EXPECT_EQ(CExtensionMapa::GetMaxCoordY(normales.Lista()), 90.0);

    const CExtensionMapa e = Extension(0, 0, 10, 10);
    ListaPuntos cruzando{{-5, 5}, {15, 6}}, tocando{{10, 10}, {12, 14}}, fuera{{11, 1}, {14, 2}};
    EXPECT_TRUE(CExtensionMapa::IsInExtent(cruzando.Lista(), e));
    EXPECT_TRUE(CExtensionMapa::PolylineIsInExtent(tocando.Lista(), e));
    EXPECT_FALSE(CExtensionMapa::PolygonIsInExtent(fuera.Lista(), e));
    EXPECT_FALSE(CExtensionMapa::IsInExtent(nullptr, e));
    EXPECT_TRUE(CExtensionMapa::IsInExtent(nullptr, Extension(-1, -1, 1e10, 1e10)));
}

// Both axes use the horizontal resolution; pixels truncate toward zero and
// saturate; without resolution everything is the origin.
TEST(TransformacionMapa, PixelesYMapaEnAmbosSentidos) {
    const wxRect ventana(10, 20, 500, 123);  // only the width matters
    const CCoordenadaMapa supDer(1000, 2000), infIzq(0, 0);
    const std::pair<CCoordenadaMapa, wxPoint> casos[] = {
        {{250, 1500}, {125, 250}}, {{3.98, 1999}, {1, 0}}, {{-3.98, 2003.9}, {-1, -1}}};
    for (const auto& [mapa, pixel] : casos) EXPECT_EQ(mapa.ToPixel(ventana, supDer, infIzq), pixel);
    EXPECT_EQ(CCoordenadaMapa(250, 1500).ToPixel(wxRect(0, 0, 0, 100), supDer, infIzq), wxPoint(0, 0));
    EXPECT_EQ(CCoordenadaMapa(250, 1500).ToPixel(ventana, CCoordenadaMapa(5, 2000), CCoordenadaMapa(5, 0)),
              wxPoint(0, 0));
    EXPECT_EQ(CCoordenadaMapa(1e12, -1e12).ToPixel(ventana, CCoordenadaMapa(1, 1), infIzq), wxPoint(INT_MAX, INT_MAX));
    const CCoordenadaMapa real = infIzq.ToPixel(ventana, supDer, infIzq, CCoordenadaMapa(251, 1499));
    EXPECT_EQ(real, CCoordenadaMapa(125.5, 250.5));

    const CCoordenadaMapa p = CTransformacionMapa::PixelToMapa(wxPoint(10, 30), wxRect(0, 0, 100, 700),
                                                               Extension(100, 100, 300, 150));
    EXPECT_EQ(p, CCoordenadaMapa(120, 90));
    const CExtensionMapa plana = Extension(0, 50, 1000, 50), buena = Extension(0, 0, 1000, 2000);
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(125, 250, 500, 400, plana), CCoordenadaMapa(0, 0));
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(125, 250, 0, 400, buena), CCoordenadaMapa(0, 0));
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(125, 250, 500, 0, buena), CCoordenadaMapa(0, 0));
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(wxRect(10, 10, 50, 50), 500, 400, plana), CExtensionMapa());
    // A rectangle includes its last pixel: 10..59 by 20..49, 2 units each.
    EXPECT_EQ(CTransformacionMapa::PixelToMapa(wxRect(10, 20, 50, 30), 500, 400, buena),
              Extension(20, 2000 - 49 * 2, 59 * 2, 2000 - 20 * 2));

    const CExtensionMapa e = Extension(512345.25, 4098765.5, 587654.75, 4150000.0);
    for (double px : {0.0, 1.0, 393.5, 786.0}) {
        for (double py : {0.0, 17.25, 612.0}) {
            const CCoordenadaMapa m = CTransformacionMapa::PixelToMapa(px, py, 787, 613, e);
            double x = 0, y = 0;
            CTransformacionMapa::MapaToPixel(787, e.GetCoordenadaSupDerX(), e.GetCoordenadaSupDerY(),
                                             e.GetCoordenadaInfIzqX(), m.GetCoordenadaMapaX(), m.GetCoordenadaMapaY(), x, y);
            EXPECT_NEAR(x, px, 1e-6);
            EXPECT_NEAR(y, py, 1e-6);
        }
    }
    const std::pair<double, int> truncados[] = {{2.99, 2}, {-2.99, -2}, {1e300, INT_MAX}, {-1e300, INT_MIN}, {std::nan(""), 0}};
    for (const auto& [valor, pixel] : truncados) EXPECT_EQ(CTransformacionMapa::TruncarPixel(valor), pixel) << valor;
}
