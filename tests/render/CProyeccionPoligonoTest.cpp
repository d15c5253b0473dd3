// A ring projected at once gives the pixels and box of point-by-point projection.
#include "CProyeccionPoligono.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {
void Comprobar(const CTransformacionMapa& vista, const std::vector<CPunto>& puntos, int caso) {
    const CProyeccionPoligono proyeccion(vista);
    std::vector<wxPoint> esperados;
    double caja[4] = {puntos[0].x, puntos[0].y, puntos[0].x, puntos[0].y};
    for (const CPunto& p : puntos) {
        caja[0] = std::min<double>(caja[0], p.x), caja[1] = std::min<double>(caja[1], p.y);
        caja[2] = std::max<double>(caja[2], p.x), caja[3] = std::max<double>(caja[3], p.y);
        const wxPoint pixel = vista.PixelPoligono(p);
        if (esperados.empty() || esperados.back() != pixel) esperados.push_back(pixel);
    }
    std::vector<wxPoint> pixeles(puntos.size());
    CRectangulo r;
    const int n = proyeccion.Anillo(puntos.data(), static_cast<unsigned int>(puntos.size()), pixeles.data(), r);
    pixeles.resize(std::max(n, 0));
    ASSERT_EQ(pixeles, esperados) << "case " << caso;
    const double obtenida[4] = {r.x1, r.y1, r.x2, r.y2};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE((std::isnan(obtenida[i]) && std::isnan(caja[i])) || obtenida[i] == caja[i]) << "case " << caso;
}
}  // namespace

TEST(CProyeccionPoligono, RingsGiveThePixelsAndBoxOfPointByPointProjection) {
    std::mt19937_64 azar(99);
    const CTransformacionMapa vistas[] = {
        {wxRect(0, 0, 790, 584), CExtensionMapa(100000.0, 3900000.0, 600000.0, 4269620.0)},
        {wxRect(0, 0, 500, 500), CExtensionMapa(0, 0, 1000, 1000)},
        {wxRect(0, 0, 333, 100), CExtensionMapa(-7.3, 1e-3, 11.9, 5.0)}};
    std::uniform_real_distribution<double> dentro(-0.2, 1.2);
    for (const CTransformacionMapa& proyeccion : vistas) {
        for (int anillo = 0; anillo < 300; ++anillo) {
            std::vector<CPunto> puntos(1 + anillo % 40);
            for (CPunto& p : puntos) {
                // The first view's coordinates scaled to each; repeats make repeated pixels.
                p = CPunto(100000.0 + 500000.0 * dentro(azar), 3900000.0 + 369620.0 * dentro(azar));
                if (&proyeccion != &vistas[0]) p = CPunto(p.x / 500.0 - 200.0, p.y / 4000.0 - 975.0);
            }
            for (size_t i = 1; i < puntos.size(); i += 3) puntos[i] = puntos[i - 1];
            Comprobar(proyeccion, puntos, anillo);
        }
    }
    // Exact halves, NaN, infinities and values beyond the pixel limit.
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const std::vector<CPunto> especiales[] = {
        {{1.0, 999.0}, {2.0, 998.0}, {3.0, 997.0}, {-1.0, 1001.0}, {-3.0, 1003.0}},
        {{nan, 5.0}, {5.0, nan}, {7.0, 8.0}, {nan, nan}},
        {{5.0, 5.0}, {nan, 1.0}, {inf, -inf}, {-inf, inf}, {1e300, -1e300}},
        {{1e7, 1e7}, {-1e7, -1e7}, {8388608.0, -8388610.0}, {-0.0, 0.0}},
        {{42.0, 42.0}}};
    for (size_t i = 0; i < std::size(especiales); ++i) Comprobar(vistas[1], especiales[i], static_cast<int>(i));
}
