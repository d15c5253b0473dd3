#include "CHerramientaZoomVentana.h"

#include "PanelMapa.h"
#include "wxRectTracker.h"

namespace {
constexpr int kMinimoZoomVentana = 20;  // pixels of width a zoom window must exceed
}  // namespace

CHerramientaZoomVentana::~CHerramientaZoomVentana() {
    if (tracker) tracker->Destroy();
}

void CHerramientaZoomVentana::Pulsar(wxMouseEvent& evento) {
    if (panel.GetEscalaActual() <= PanelMapa::kEscalaMinima) {
        panel.SetAccion(PanelMapa::ACCION_NINGUNA);
        return;
    }
    if (!tracker) tracker = new wxRectTracker(&panel, wxID_ANY, wxPoint(0, 0), wxSize(0, 0), 0);
    arrastrando = true;
    const wxPoint posicion = evento.GetPosition();
    tracker->SetSize(posicion.x, posicion.y, 0, 0);
    // The tracker drags the rectangle from its own top-left corner.
    wxMouseEvent copia(evento);
    copia.SetPosition(wxPoint(0, 0));
    tracker->GetEventHandler()->AddPendingEvent(copia);
}

void CHerramientaZoomVentana::Soltar(wxMouseEvent&) {
    if (!arrastrando) return;
    arrastrando = false;
    const wxRect rect = tracker->GetRect();
    tracker->SetSize(0, 0, 0, 0);
    tracker->Refresh();
    if (rect.GetWidth() > kMinimoZoomVentana) panel.AplicarZoomVentana(rect);
}

void CHerramientaZoomVentana::PulsarDerecho(wxMouseEvent&) {
    if (tracker) tracker->SetSize(wxSize(0, 0));
    arrastrando = false;
    panel.Refresh(false);
}
