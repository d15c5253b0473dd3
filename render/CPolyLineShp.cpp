#include "CPolyLineShp.h"
#include "CGeometriaPlana.h"
#include "CLineShp.h"
#include <cmath>

CPolyLineShp::~CPolyLineShp() { BorrarListaCoordenadas(); }

void CPolyLineShp::CrearListaVacia() {
    if (!m_puntos) m_puntos = std::make_unique<wxList>();
}

bool CPolyLineShp::AddPoint(const CCoordenadaMapa& punto) {
    CrearListaVacia();
    m_puntos->Append(new CCoordenadaMapa(punto));
    return true;
}

CCoordenadaMapa* CPolyLineShp::GetPoint(int posicion) const {
    if (!m_puntos || posicion < 0 || static_cast<size_t>(posicion) >= m_puntos->GetCount())
        return nullptr;
    return static_cast<CCoordenadaMapa*>(m_puntos->Item(posicion)->GetData());
}

bool CPolyLineShp::GetPoint(int posicion, CCoordenadaMapa* destino) const {
    const CCoordenadaMapa* punto = GetPoint(posicion);
    if (!punto || !destino) return false;
    *destino = *punto;
    return true;
}

double CPolyLineShp::GetDistancia(const CCoordenadaMapa* a, const CCoordenadaMapa* b) {
    if (!a || !b) return 0.0;
    return a->GetDistance(*b);
}

CExtensionMapa CPolyLineShp::GetExtension() const {
    wxList* lista = m_puntos.get();
    CExtensionMapa extension;
    extension.SetCoordenadasInfIzq(CExtensionMapa::GetMinCoordX(lista),
                                   CExtensionMapa::GetMinCoordY(lista));
    extension.SetCoordenadasSupDer(CExtensionMapa::GetMaxCoordX(lista),
                                   CExtensionMapa::GetMaxCoordY(lista));
    return extension;
}

void CPolyLineShp::SetPunteroListaCoordenadas(wxList* lista) {
    BorrarListaCoordenadas();
    m_puntos.reset(lista);
}

void CPolyLineShp::BorrarListaCoordenadas() {
    if (!m_puntos) return;
    // The points are deleted here, once: an adopted list that was set to
    // delete its contents must not delete them again when cleared.
    m_puntos->DeleteContents(false);
    for (auto nodo = m_puntos->GetFirst(); nodo; nodo = nodo->GetNext()) {
        delete static_cast<CCoordenadaMapa*>(nodo->GetData());
    }
    m_puntos->Clear();
}

void CPolyLineShp::CopiarPuntos(std::unique_ptr<CCoordenadas[]>& destino, size_t& n) const {
    n = 0;
    if (!m_puntos) return;
    destino = std::make_unique<CCoordenadas[]>(m_puntos->GetCount());
    for (auto nodo = m_puntos->GetFirst(); nodo; nodo = nodo->GetNext()) {
        const auto* punto = static_cast<const CCoordenadaMapa*>(nodo->GetData());
        if (!punto) continue;
        destino[n++] = CCoordenadas(punto->GetCoordenadaMapaX(), punto->GetCoordenadaMapaY());
    }
}

bool CPolyLineShp::PtInShape(const CCoordenadaMapa& punto, int tolerancia) const {
    std::unique_ptr<CCoordenadas[]> puntos;
    size_t n = 0;
    CopiarPuntos(puntos, n);
    return PtEnPolilinea(puntos.get(), n,
                         CCoordenadas(punto.GetCoordenadaMapaX(), punto.GetCoordenadaMapaY()),
                         tolerancia);
}

bool CPolyLineShp::PtEnPolilinea(const CCoordenadas* puntos, size_t n,
                                 const CCoordenadas& punto, double tolerancia) {
    if (!puntos) return false;
    for (size_t i = 1; i < n; ++i) {
        const CCoordenadas& a = puntos[i - 1];
        const CCoordenadas& b = puntos[i];
        if (CGeometriaPlana::PtEnSegmento(a.x, a.y, b.x, b.y, punto.x, punto.y, tolerancia))
            return true;
    }
    return false;
}
