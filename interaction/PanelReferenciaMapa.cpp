#include "PanelReferenciaMapa.h"

#include "CGestorVistaMapa.h"
#include "CTransformacionMapa.h"
#include "wxMapEvent.h"

// Searched before the map panel's table: these two replace its handlers.
wxBEGIN_EVENT_TABLE(PanelReferenciaMapa, PanelMapa)
    EVT_LEFT_DOWN(PanelReferenciaMapa::OnMouseLeftDown)
    EVT_MOTION(PanelReferenciaMapa::OnMouseMove)
wxEND_EVENT_TABLE()

PanelReferenciaMapa::PanelReferenciaMapa(wxWindow* parent, int /*id*/, const wxPoint& pos, const wxSize& size)
    : PanelMapa(parent, wxID_ANY, pos, size) {}

bool PanelReferenciaMapa::PixelAMapa(const wxPoint& pixel, CCoordenadaMapa& punto) const {
    const CGestorVistaMapa* gestor = GetGestorVista();
    if (!gestor || gestor->GetNumCapas() == 0) return false;
    // The view area and fitted extent the overview was last drawn with.
    const wxRect area = gestor->GetDimensionAreaVisualizacion();
    const CExtensionMapa vista = gestor->ReadaptarExtensionActual();
    if (vista.GetAncho() <= 0.0 || area.IsEmpty()) return false;
    punto = CTransformacionMapa::PixelToMapa(pixel, area, vista);
    return true;
}

void PanelReferenciaMapa::OnMouseLeftDown(wxMouseEvent& event) {
    CCoordenadaMapa punto;
    if (!PixelAMapa(event.GetPosition(), punto)) return;
    wxMapEvent evento(wxEVT_POSICIONAR_PANELMAPA, GetId());
    evento.SetEventObject(this);
    evento.SetCoordenadas(punto.GetCoordenadaMapaX(), punto.GetCoordenadaMapaY());
    GetEventHandler()->ProcessEvent(evento);
}

void PanelReferenciaMapa::OnMouseMove(wxMouseEvent& /*event*/) {}
