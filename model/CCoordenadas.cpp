#include "CCoordenadas.h"
#include "CCoord3d.h"
#include "CTransformacionMapa.h"
#include <cmath>

CCoordenadas::CCoordenadas(const CCoordenadas* otra) {
    if (otra) *this = *otra;
}

CCoordenadas& CCoordenadas::operator=(const CCoordenadas* otra) {
    if (otra) *this = *otra;
    return *this;
}

CCoordenadas& CCoordenadas::SetCoordenadas(double nx, double ny) {
    x = nx;
    y = ny;
    return *this;
}

bool CCoordenadas::operator==(const CCoordenadas& otra) const {
    return x == otra.x && y == otra.y;
}

CCoordenadas CCoordenadas::operator+(const CCoordenadas& otra) const {
    return CCoordenadas(x + otra.x, y + otra.y);
}

CCoordenadas CCoordenadas::operator-(const CCoordenadas& otra) const {
    return CCoordenadas(x - otra.x, y - otra.y);
}

CCoord3d CCoordenadas::operator*(const CCoordenadas& otra) const {
    return CCoord3d(0.0, 0.0, x * otra.y - y * otra.x);
}

double CCoordenadas::GetDistance(const CCoordenadas& otra) const {
    return std::sqrt((x - otra.x) * (x - otra.x) + (y - otra.y) * (y - otra.y));
}

CCoordenadas CCoordenadas::ToPixel(const wxRect& rect, const CCoordenadas& supDer,
                                   const CCoordenadas& infIzq,
                                   const CCoordenadas& punto) const {
    CCoordenadas pixel;
    CTransformacionMapa(rect, CExtensionMapa(infIzq.x, infIzq.y, supDer.x, supDer.y))
        .MapaAPixel(punto.x, punto.y, pixel.x, pixel.y);
    return pixel;
}
