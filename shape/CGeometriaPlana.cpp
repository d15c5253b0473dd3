#include "CGeometriaPlana.h"

#include <algorithm>
#include <cmath>

double CGeometriaPlana::ToleranciaEfectiva(double tolerancia) {
    return tolerancia < 1.0 ? 1.0 : tolerancia;
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
