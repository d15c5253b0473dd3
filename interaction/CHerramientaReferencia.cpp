#include "CHerramientaReferencia.h"

#include "PanelReferenciaMapa.h"
#include "wxMapEvent.h"

void CHerramientaReferencia::Pulsar(wxMouseEvent& evento) {
    const auto* referencia = dynamic_cast<PanelReferenciaMapa*>(&panel);
    CCoordenadaMapa punto;
    if (!referencia || !referencia->PixelAMapa(evento.GetPosition(), punto)) return;
    wxMapEvent posicion(wxEVT_POSICIONAR_PANELMAPA, panel.GetId());
    posicion.SetEventObject(&panel);
    posicion.SetCoordenadas(punto.GetCoordenadaMapaX(), punto.GetCoordenadaMapaY());
    panel.GetEventHandler()->ProcessEvent(posicion);
}
