#include "CExtensionMapa.h"
#include <wx/list.h>
#include <algorithm>
#include <cmath>

namespace {

// Folds one coordinate of every listed point into `inicial` with `elegir`.
template <typename Eleccion>
double RecorrerPuntos(wxList* puntos, double inicial, bool ejeX, Eleccion elegir) {
    double valor = inicial;
    if (!puntos) return valor;
    for (wxList::compatibility_iterator nodo = puntos->GetFirst(); nodo; nodo = nodo->GetNext()) {
        const auto* punto = static_cast<const CCoordenadaMapa*>(nodo->GetData());
        if (!punto) continue;
        valor = elegir(valor, ejeX ? punto->GetCoordenadaMapaX() : punto->GetCoordenadaMapaY());
    }
    return valor;
}

double Menor(double a, double b) { return b < a ? b : a; }
double Mayor(double a, double b) { return b > a ? b : a; }

}  // namespace

CExtensionMapa::CExtensionMapa(const CExtensionMapa* otra) {
    if (otra) *this = *otra;
}

CExtensionMapa& CExtensionMapa::operator=(const CExtensionMapa* otra) {
    if (otra) *this = *otra;
    return *this;
}

double CExtensionMapa::GetAncho() const {
    return std::fabs(GetCoordenadaSupDerX() - GetCoordenadaInfIzqX());
}

double CExtensionMapa::GetAlto() const {
    return std::fabs(GetCoordenadaInfIzqY() - GetCoordenadaSupDerY());
}

bool CExtensionMapa::operator==(const CExtensionMapa& otra) const {
    return m_supDer == otra.m_supDer &&
           m_infIzq == otra.m_infIzq;
}

bool CExtensionMapa::PointInExtent(double x, double y, const CExtensionMapa& extension) {
    return extension.GetCoordenadaInfIzqX() < x && x < extension.GetCoordenadaSupDerX() &&
           extension.GetCoordenadaInfIzqY() < y && y < extension.GetCoordenadaSupDerY();
}

bool CExtensionMapa::Intersects(const CExtensionMapa& otra) const {
    return GetCoordenadaInfIzqX() <= otra.GetCoordenadaSupDerX() &&
           otra.GetCoordenadaInfIzqX() <= GetCoordenadaSupDerX() &&
           GetCoordenadaInfIzqY() <= otra.GetCoordenadaSupDerY() &&
           otra.GetCoordenadaInfIzqY() <= GetCoordenadaSupDerY();
}

double CExtensionMapa::GetMinCoordX(wxList* puntos) {
    return RecorrerPuntos(puntos, kMinimoInicial, true, Menor);
}

double CExtensionMapa::GetMinCoordY(wxList* puntos) {
    return RecorrerPuntos(puntos, kMinimoInicial, false, Menor);
}

double CExtensionMapa::GetMaxCoordX(wxList* puntos) {
    return RecorrerPuntos(puntos, kMaximoInicial, true, Mayor);
}

double CExtensionMapa::GetMaxCoordY(wxList* puntos) {
    return RecorrerPuntos(puntos, kMaximoInicial, false, Mayor);
}

bool CExtensionMapa::IsInExtent(wxList* puntos, const CExtensionMapa& extension) {
    return extension.GetCoordenadaInfIzqX() <= GetMaxCoordX(puntos) &&
           GetMinCoordX(puntos) <= extension.GetCoordenadaSupDerX() &&
           extension.GetCoordenadaInfIzqY() <= GetMaxCoordY(puntos) &&
           GetMinCoordY(puntos) <= extension.GetCoordenadaSupDerY();
}

bool CExtensionMapa::PolygonIsInExtent(wxList* puntos, const CExtensionMapa& extension) {
    return IsInExtent(puntos, extension);
}

bool CExtensionMapa::PolylineIsInExtent(wxList* puntos, const CExtensionMapa& extension) {
    return IsInExtent(puntos, extension);
}
