#include "CPolygonShp.h"
#include "CGeometriaPlana.h"
#include "CLineShp.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDosPi = 6.283185307179586;

}  // namespace

CPolygonShp::CPolygonShp() { CrearListaVacia(); }

bool CPolygonShp::PtInShape(const CCoordenadaMapa& punto, int tolerancia) const {
    std::unique_ptr<CCoordenadas[]> puntos;
    size_t n = 0;
    CopiarPuntos(puntos, n);
    const CCoordenadas p(punto.GetCoordenadaMapaX(), punto.GetCoordenadaMapaY());
    return m_rellenar ? PtEnAnillo(puntos.get(), n, p)
                      : PtEnBorde(puntos.get(), n, p, tolerancia);
}

bool CPolygonShp::PtEnBorde(const CCoordenadas* puntos, size_t n, const CCoordenadas& punto,
                            double tolerancia) {
    if (!puntos || n == 0) return false;
    if (CPolyLineShp::PtEnPolilinea(puntos, n, punto, tolerancia)) return true;
    const CCoordenadas& ultimo = puntos[n - 1];
    const CCoordenadas& primero = puntos[0];
    return CGeometriaPlana::PtEnSegmento(ultimo.x, ultimo.y, primero.x, primero.y, punto.x, punto.y,
                                  tolerancia);
}

bool CPolygonShp::PtEnAnillo(const CCoordenadas* puntos, size_t n, const CCoordenadas& punto) {
    if (!puntos || n == 0) return false;
    CCoordenadas u = puntos[n - 1] - punto;
    const double modU = std::sqrt(u.x * u.x + u.y * u.y);
    if (modU == 0.0) return true;
    u.x /= modU;
    u.y /= modU;

    double suma = 0.0;
    for (size_t i = 0; i < n; ++i) {
        CCoordenadas w = puntos[i] - punto;
        const double modW = std::sqrt(w.x * w.x + w.y * w.y);
        if (modW == 0.0) return true;
        w.x /= modW;
        w.y /= modW;
        const double coseno = std::clamp(u.x * w.x + u.y * w.y, -1.0, 1.0);
        const double angulo = std::acos(coseno);
        suma += (u.x * w.y - u.y * w.x >= 0.0) ? angulo : -angulo;
        u = w;
    }
    // One winding gives |s| = 2*pi -> 3*pi -> 9 > 2*pi; none gives pi -> 3.
    const double vueltas = std::trunc(std::fmod(std::fabs(suma) + kPi, 4.0 * kPi));
    return vueltas > kDosPi;
}
