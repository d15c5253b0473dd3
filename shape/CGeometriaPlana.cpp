#include "CGeometriaPlana.h"

#include <algorithm>
#include <cmath>

double CGeometriaPlana::ToleranciaEfectiva(double tolerancia) {
    return tolerancia < 1.0 ? 1.0 : tolerancia;
}

bool CGeometriaPlana::Unitario(double& x, double& y) {
    const double modulo = std::sqrt(x * x + y * y);
    if (modulo == 0.0) return false;
    x /= modulo;
    y /= modulo;
    return true;
}

double CGeometriaPlana::Angulo(double ux, double uy, double wx, double wy) {
    const double angulo = std::acos(std::fmax(-1.0, std::fmin(1.0, ux * wx + uy * wy)));
    return (ux * wy - uy * wx >= 0.0) ? angulo : -angulo;
}

bool CGeometriaPlana::VueltaImpar(double suma) {
    constexpr double kPi = 3.14159265358979323846;
    // One winding gives |s| = 2*pi -> 3*pi -> 9 > 2*pi; none gives pi -> 3.
    return std::trunc(std::fmod(std::fabs(suma) + kPi, 4.0 * kPi)) > 2.0 * kPi;
}

bool CGeometriaPlana::PtEnSegmento(double ax, double ay, double bx, double by, double px,
                                   double py, double tolerancia) {
    const double longitud = std::sqrt((ax - bx) * (ax - bx) + (ay - by) * (ay - by));
    if (longitud == 0.0) return false;
    const double t = ToleranciaEfectiva(tolerancia);
    if (px < std::min(ax, bx) - t || px > std::max(ax, bx) + t) return false;
    if (py < std::min(ay, by) - t || py > std::max(ay, by) + t) return false;
    const double d = std::fabs(std::fabs(py - ay) * std::fabs(px - bx) -
                               std::fabs(py - by) * std::fabs(px - ax)) /
                     longitud;
    return d < t;
}
