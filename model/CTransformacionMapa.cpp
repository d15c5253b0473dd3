#include "CTransformacionMapa.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A pixel held within the limit: NaN gives 0, the rest is truncated toward
// zero (holding first gives the same pixel).
template <class Real>
int PixelAcotado(Real valor) {
    if (std::isnan(valor)) return 0;
    constexpr Real limite = static_cast<Real>(CTransformacionMapa::kLimitePixel);
    return static_cast<int>(std::clamp(valor, -limite, limite));
}

}  // namespace

CTransformacionMapa::CTransformacionMapa(const wxRect& area, const CExtensionMapa& extension)
    : m_area(area), m_extension(extension) {
    const double infIzqX = extension.GetCoordenadaInfIzqX();
    const double supDerX = extension.GetCoordenadaSupDerX();
    m_resolucion = (supDerX - infIzqX) / area.GetWidth();
    m_resolucionExtendida = (static_cast<long double>(supDerX) - infIzqX) /
                            static_cast<long double>(static_cast<double>(area.GetWidth()));
}

bool CTransformacionMapa::EsValida() const {
    return m_area.GetWidth() > 0 && m_resolucion != 0.0 && std::isfinite(m_resolucion);
}

void CTransformacionMapa::MapaAPixel(double x, double y, double& px, double& py) const {
    const long double r = m_resolucionExtendida;
    if (r == 0.0L || !std::isfinite(static_cast<double>(r))) {
        px = 0.0;
        py = 0.0;
        return;
    }
    px = static_cast<double>((static_cast<long double>(x) - m_extension.GetCoordenadaInfIzqX()) / r);
    py = static_cast<double>((static_cast<long double>(m_extension.GetCoordenadaSupDerY()) - y) / r);
}

wxPoint CTransformacionMapa::Pixel(double x, double y) const {
    double px = 0.0, py = 0.0;
    MapaAPixel(x, y, px, py);
    return wxPoint(PixelAcotado(px), PixelAcotado(py));
}

wxPoint CTransformacionMapa::Pixel(const CCoordenadaMapa& punto) const {
    return Pixel(punto.GetCoordenadaMapaX(), punto.GetCoordenadaMapaY());
}

wxPoint CTransformacionMapa::PixelPoligono(double x, double y) const {
    const float px =
        static_cast<float>((x - m_extension.GetCoordenadaInfIzqX()) / m_resolucion - 0.5);
    const float py =
        static_cast<float>((m_extension.GetCoordenadaSupDerY() - y) / m_resolucion - 0.5);
    return wxPoint(PixelAcotado(px), PixelAcotado(py));
}

wxPoint CTransformacionMapa::PixelPoligono(const CCoordenadaMapa& punto) const {
    return PixelPoligono(punto.GetCoordenadaMapaX(), punto.GetCoordenadaMapaY());
}

bool CTransformacionMapa::TieneInversa() const {
    return m_extension.GetAlto() != 0.0 && m_area.GetWidth() != 0 && m_area.GetHeight() != 0;
}

CCoordenadaMapa CTransformacionMapa::PixelAMapa(double px, double py) const {
    if (!TieneInversa()) return CCoordenadaMapa();
    const double w = m_area.GetWidth();
    const double h = m_area.GetHeight();
    const double anchoMapa = m_extension.GetAncho();
    const double x = m_extension.GetCoordenadaInfIzqX() + (anchoMapa * px) / w;
    const double y = m_extension.GetCoordenadaSupDerY() - ((anchoMapa / (w / h)) * py) / h;
    return CCoordenadaMapa(x, y);
}

CExtensionMapa CTransformacionMapa::PixelAMapa(const wxRect& pixeles) const {
    if (!TieneInversa()) return CExtensionMapa();
    const CCoordenadaMapa infIzq = PixelAMapa(pixeles.x, pixeles.y + pixeles.height - 1);
    const CCoordenadaMapa supDer = PixelAMapa(pixeles.x + pixeles.width - 1, pixeles.y);
    return CExtensionMapa(infIzq.GetCoordenadaMapaX(), infIzq.GetCoordenadaMapaY(),
                          supDer.GetCoordenadaMapaX(), supDer.GetCoordenadaMapaY());
}

int CTransformacionMapa::TruncarPixel(double valor) {
    if (std::isnan(valor)) return 0;
    if (valor >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (valor <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(valor);  // truncation toward zero
}
