#include "PanelReferenciaMapa.h"

#include "CGestorVistaMapa.h"
#include "CHerramientaReferencia.h"
#include "CTransformacionMapa.h"

#include <memory>

// Searched before the map panel's table: the mouse position is not reported.
wxBEGIN_EVENT_TABLE(PanelReferenciaMapa, PanelMapa)
    EVT_MOTION(PanelReferenciaMapa::OnMouseMove)
wxEND_EVENT_TABLE()

PanelReferenciaMapa::PanelReferenciaMapa(wxWindow* parent, int /*id*/, const wxPoint& pos, const wxSize& size)
    : PanelMapa(parent, wxID_ANY, pos, size) {
    SetHerramienta(ACCION_RECUADRO_REFERENCIA, std::make_unique<CHerramientaReferencia>(*this));
}

bool PanelReferenciaMapa::PixelAMapa(const wxPoint& pixel, CCoordenadaMapa& punto) const {
    const CGestorVistaMapa* gestor = GetGestorVista();
    if (!gestor || gestor->GetNumCapas() == 0) return false;
    // The view area and fitted extent the overview was last drawn with.
    const wxRect area = gestor->GetDimensionAreaVisualizacion();
    const CExtensionMapa vista = gestor->ReadaptarExtensionActual();
    if (vista.GetAncho() <= 0.0 || area.IsEmpty()) return false;
    punto = CTransformacionMapa(area, vista).PixelAMapa(pixel);
    return true;
}

void PanelReferenciaMapa::OnMouseMove(wxMouseEvent& /*event*/) {}
