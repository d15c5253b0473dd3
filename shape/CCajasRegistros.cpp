#include "CCajasRegistros.h"

#include <cmath>
#include <limits>

namespace {

constexpr float kInfinito = std::numeric_limits<float>::infinity();
constexpr double kMayor = std::numeric_limits<float>::max();

// Beyond the float range the conversion is undefined: those ends are held
// at the range's edge or at infinity, on the outward side.
float HaciaAbajo(double v) {
    if (v > kMayor) return std::numeric_limits<float>::max();
    if (v < -kMayor) return -kInfinito;
    float f = static_cast<float>(v);
    if (static_cast<double>(f) > v) f = std::nextafter(f, -kInfinito);
    return f;
}

float HaciaArriba(double v) {
    if (v > kMayor) return kInfinito;
    if (v < -kMayor) return -std::numeric_limits<float>::max();
    float f = static_cast<float>(v);
    if (static_cast<double>(f) < v) f = std::nextafter(f, kInfinito);
    return f;
}

}  // namespace

CCajasRegistros::CCajasRegistros(unsigned int numRegistros)
    : cajas(4 * static_cast<std::size_t>(numRegistros), std::numeric_limits<float>::quiet_NaN()) {}

void CCajasRegistros::Pon(unsigned int registro, const CRectangulo& caja) {
    if (4 * static_cast<std::size_t>(registro) >= cajas.size()) return;
    float* c = &cajas[4 * static_cast<std::size_t>(registro)];
    c[0] = HaciaAbajo(caja.x1);
    c[1] = HaciaAbajo(caja.y1);
    c[2] = HaciaArriba(caja.x2);
    c[3] = HaciaArriba(caja.y2);
}

bool CCajasRegistros::Aparte(unsigned int registro, const CRectangulo& r) const {
    if (4 * static_cast<std::size_t>(registro) >= cajas.size()) return false;
    const float* c = &cajas[4 * static_cast<std::size_t>(registro)];
    // Comparisons with NaN are false: unknown boxes are never apart.
    return c[2] < r.x1 || r.x2 < c[0] || c[3] < r.y1 || r.y2 < c[1];
}
