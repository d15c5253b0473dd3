#include "CHerramientaMapa.h"

#include <wx/dc.h>
#include <wx/list.h>

#include "CCoordenadaMapa.h"
#include "CTransformacionMapa.h"
#include "PanelMapa.h"

namespace {
const CCoordenadaMapa& Coordenada(const wxList::compatibility_iterator& nodo) {
    return *static_cast<const CCoordenadaMapa*>(nodo->GetData());
}
}  // namespace

void CHerramientaMapa::MostrarInformacion(const CCoordenadaMapa& punto, double tolerancia) {
    panel.MostrarInformacion(punto, tolerancia);
}

void CHerramientaMapa::MostrarMenuImagen(const wxPoint& posicion) {
    panel.MostrarMenuImagen(posicion);
}

void CHerramientaMapa::TrazarLineas(wxDC& dc, const CTransformacionMapa& vista,
                                    const wxList& puntos, bool cerrada) {
    for (auto nodo = puntos.GetFirst(); nodo && nodo->GetNext(); nodo = nodo->GetNext())
        dc.DrawLine(vista.PixelPoligono(Coordenada(nodo)),
                    vista.PixelPoligono(Coordenada(nodo->GetNext())));
    if (cerrada && puntos.GetCount() > 2)
        dc.DrawLine(vista.PixelPoligono(Coordenada(puntos.GetLast())),
                    vista.PixelPoligono(Coordenada(puntos.GetFirst())));
}
