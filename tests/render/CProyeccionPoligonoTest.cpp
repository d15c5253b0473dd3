// A whole ring projected at once must give the pixels and box that point by
// point projection and std::min/std::max give, for every sort of value.
#include "CProyeccionPoligono.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

struct Esperado {
    std::vector<wxPoint> pixeles;
    CRectangulo caja;
};

Esperado PuntoAPunto(const CProyeccionPoligono& proyeccion, const std::vector<CPunto>& puntos) {
    Esperado e;
    double minX = puntos[0].x, maxX = minX, minY = puntos[0].y, maxY = minY;
    for (const CPunto& p : puntos) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
        const wxPoint pixel = proyeccion.Pixel(p);
        if (e.pixeles.empty() || e.pixeles.back() != pixel) e.pixeles.push_back(pixel);
    }
    e.caja = CRectangulo(minX, minY, maxX, maxY);
    return e;
}

bool MismoValor(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

void Comprobar(const CProyeccionPoligono& proyeccion, const std::vector<CPunto>& puntos) {
    const Esperado esperado = PuntoAPunto(proyeccion, puntos);
    std::vector<wxPoint> pixeles(puntos.size());
    CRectangulo caja;
    const int n = proyeccion.Anillo(puntos.data(), static_cast<unsigned int>(puntos.size()),
                                    pixeles.data(), caja);
    ASSERT_EQ(n, static_cast<int>(esperado.pixeles.size()));
    for (int i = 0; i < n; ++i) ASSERT_EQ(pixeles[i], esperado.pixeles[i]) << "pixel " << i;
    EXPECT_TRUE(MismoValor(caja.x1, esperado.caja.x1));
    EXPECT_TRUE(MismoValor(caja.y1, esperado.caja.y1));
    EXPECT_TRUE(MismoValor(caja.x2, esperado.caja.x2));
    EXPECT_TRUE(MismoValor(caja.y2, esperado.caja.y2));
}

}  // namespace

TEST(CProyeccionPoligono, RingsGiveThePixelsAndBoxOfPointByPointProjection) {
    std::mt19937_64 azar(99);
    const CProyeccionPoligono vistas[] = {
        {wxRect(0, 0, 790, 584), CPunto(100000.0, 3900000.0), CPunto(600000.0, 4269620.0)},
        {wxRect(0, 0, 500, 500), CPunto(0, 0), CPunto(1000, 1000)},
        {wxRect(0, 0, 333, 100), CPunto(-7.3, 1e-3), CPunto(11.9, 5.0)},
    };
    std::uniform_real_distribution<double> dentro(-0.2, 1.2);
    for (const CProyeccionPoligono& proyeccion : vistas) {
        for (int anillo = 0; anillo < 300; ++anillo) {
            std::vector<CPunto> puntos(1 + anillo % 40);
            for (CPunto& p : puntos) {
                // Map coordinates of the first view scaled to each; runs of
                // near points make repeated pixels.
                p = CPunto(100000.0 + 500000.0 * dentro(azar), 3900000.0 + 369620.0 * dentro(azar));
                if (&proyeccion != &vistas[0]) p = CPunto(p.x / 500.0 - 200.0, p.y / 4000.0 - 975.0);
            }
            for (size_t i = 1; i < puntos.size(); i += 3) puntos[i] = puntos[i - 1];
            Comprobar(proyeccion, puntos);
        }
    }
}

// Exact halves, NaN, infinities and values beyond the pixel limit.
TEST(CProyeccionPoligono, SpecialValuesAreHeldAsPointByPoint) {
    const CProyeccionPoligono proyeccion(wxRect(0, 0, 500, 500), CPunto(0, 0), CPunto(1000, 1000));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Comprobar(proyeccion, {{1.0, 999.0}, {2.0, 998.0}, {3.0, 997.0}, {-1.0, 1001.0}, {-3.0, 1003.0}});
    Comprobar(proyeccion, {{nan, 5.0}, {5.0, nan}, {7.0, 8.0}, {nan, nan}});
    Comprobar(proyeccion, {{5.0, 5.0}, {nan, 1.0}, {inf, -inf}, {-inf, inf}, {1e300, -1e300}});
    Comprobar(proyeccion, {{1e7, 1e7}, {-1e7, -1e7}, {8388608.0, -8388610.0}, {-0.0, 0.0}});
    Comprobar(proyeccion, {{42.0, 42.0}});
}
