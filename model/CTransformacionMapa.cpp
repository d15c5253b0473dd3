#include "CTransformacionMapa.h"
#include "CCoordenadaMapa.h"
#include "CExtensionMapa.h"
#include <climits>
#include <cmath>

void CTransformacionMapa::MapaToPixel(double ancho, double supDerX, double supDerY,
                                      double infIzqX, double x, double y, double& px,
                                      double& py) {
    const long double resolucion =
        (static_cast<long double>(supDerX) - infIzqX) / static_cast<long double>(ancho);
    if (resolucion == 0.0L || !std::isfinite(static_cast<double>(resolucion))) {
        px = 0.0;
        py = 0.0;
        return;
    }
    px = static_cast<double>((static_cast<long double>(x) - infIzqX) / resolucion);
    py = static_cast<double>((static_cast<long double>(supDerY) - y) / resolucion);
}

int CTransformacionMapa::TruncarPixel(double valor) {
    if (std::isnan(valor)) return 0;
    if (valor >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (valor <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(valor);  // truncation toward zero
}

CCoordenadaMapa CTransformacionMapa::PixelToMapa(double px, double py, int ancho, int alto,
                                                 const CExtensionMapa& extension) {
    if (extension.GetAlto() == 0.0 || ancho == 0 || alto == 0) return CCoordenadaMapa();
    const double w = ancho;
    const double h = alto;
    const double anchoMapa = extension.GetAncho();
    const double x = extension.GetCoordenadaInfIzqX() + (anchoMapa * px) / w;
    const double y = extension.GetCoordenadaSupDerY() - ((anchoMapa / (w / h)) * py) / h;
    return CCoordenadaMapa(x, y);
}

CCoordenadaMapa CTransformacionMapa::PixelToMapa(const wxPoint& pixel, const wxRect& area,
                                                 const CExtensionMapa& extension) {
    return PixelToMapa(pixel.x, pixel.y, area.GetWidth(), area.GetHeight(), extension);
}

CExtensionMapa CTransformacionMapa::PixelToMapa(const wxRect& pixeles, int ancho, int alto,
                                                const CExtensionMapa& extension) {
    CExtensionMapa resultado;
    if (extension.GetAlto() == 0.0 || ancho == 0 || alto == 0) return resultado;
    const CCoordenadaMapa infIzq =
        PixelToMapa(pixeles.x, pixeles.y + pixeles.height - 1, ancho, alto, extension);
    const CCoordenadaMapa supDer =
        PixelToMapa(pixeles.x + pixeles.width - 1, pixeles.y, ancho, alto, extension);
    resultado.SetCoordenadasInfIzq(infIzq.GetCoordenadaMapaX(), infIzq.GetCoordenadaMapaY());
    resultado.SetCoordenadasSupDer(supDer.GetCoordenadaMapaX(), supDer.GetCoordenadaMapaY());
    return resultado;
}
