#include "CCoordenadaMapa.h"
#include "CCoord3d.h"
#include "CTransformacionMapa.h"
#include <cmath>

CCoordenadaMapa::CCoordenadaMapa(const CCoordenadaMapa* otra) {
    if (otra) *this = *otra;
}

CCoordenadaMapa& CCoordenadaMapa::operator=(const CCoordenadaMapa* otra) {
    if (otra) *this = *otra;
    return *this;
}

CCoordenadaMapa& CCoordenadaMapa::SetCoordenadasMapa(double x, double y) {
    m_x = x;
    m_y = y;
    return *this;
}

bool CCoordenadaMapa::operator==(const CCoordenadaMapa& otra) const {
    return m_x == otra.m_x && m_y == otra.m_y;
}

double CCoordenadaMapa::GetDistance(const CCoordenadaMapa& otra) const {
    return std::sqrt((m_x - otra.m_x) * (m_x - otra.m_x) + (m_y - otra.m_y) * (m_y - otra.m_y));
}

CCoordenadaMapa CCoordenadaMapa::operator-(const CCoordenadaMapa& otra) const {
    return CCoordenadaMapa(m_x - otra.m_x, m_y - otra.m_y);
}

CCoord3d CCoordenadaMapa::operator*(const CCoordenadaMapa& otra) const {
    return CCoord3d(0.0, 0.0, m_x * otra.m_y - m_y * otra.m_x);
}

wxPoint CCoordenadaMapa::ToPixel(const wxRect& rect, const CCoordenadaMapa& supDer,
                                 const CCoordenadaMapa& infIzq) const {
    const CCoordenadaMapa pixel = ToPixel(rect, supDer, infIzq, *this);
    return wxPoint(CTransformacionMapa::TruncarPixel(pixel.m_x),
                   CTransformacionMapa::TruncarPixel(pixel.m_y));
}

CCoordenadaMapa CCoordenadaMapa::ToPixel(const wxRect& rect, const CCoordenadaMapa& supDer,
                                         const CCoordenadaMapa& infIzq,
                                         const CCoordenadaMapa& punto) const {
    CCoordenadaMapa pixel;
    CTransformacionMapa(rect, CExtensionMapa(infIzq.m_x, infIzq.m_y, supDer.m_x, supDer.m_y))
        .MapaAPixel(punto.m_x, punto.m_y, pixel.m_x, pixel.m_y);
    return pixel;
}
