#include "CHerramientaMedir.h"

#include <wx/dc.h>

#include "CGestorVistaMapa.h"
#include "CMediciones.h"
#include "CMedicionesPanel.h"
#include "CPolyLineTracker.h"
#include "CTransformacionMapa.h"
#include "PanelMapa.h"
#include "wxMapEvent.h"

namespace {
const wxColour kColorMedicion(0, 0, 255);
constexpr int kAnchoMedicion = 3;
}  // namespace

CHerramientaMedir::CHerramientaMedir(PanelMapa& panel, bool superficie)
    : CHerramientaMapa(panel), superficie(superficie) {}

CHerramientaMedir::~CHerramientaMedir() {
    if (tracker) tracker->Destroy();
}

wxList* CHerramientaMedir::Puntos() const {
    CMediciones& mediciones = *panel.GetMediciones();
    return superficie ? mediciones.GetPunteroListaCoordenadasPoligono()
                      : mediciones.GetPunteroListaCoordenadasPolyLinea();
}

void CHerramientaMedir::Pulsar(wxMouseEvent& evento) {
    if (superficie)
        panel.GetMediciones()->InicializarPoligono();
    else
        panel.GetMediciones()->InicializarPolyLinea();
    if (!tracker) tracker = new CPolyLineTracker(&panel, wxID_ANY, wxPoint(0, 0), wxSize(0, 0), 0);
    tracker->Inicializar();
    panel.Refresh(false);
    // The press itself becomes the line's first point.
    tracker->GetEventHandler()->AddPendingEvent(evento);
}

void CHerramientaMedir::EventoMapa(wxMapEvent& evento) {
    CMediciones& mediciones = *panel.GetMediciones();
    if (evento.GetEventType() == wxEVT_MAP_FIN_LINEA) {
        panel.Refresh(false);
        if (superficie) panel.GenerarEventoMedirSuperficie(mediciones.GetSuperficiePoligono());
        return;
    }
    if (evento.GetEventType() != wxEVT_MAP_NUEVO_PUNTO || !panel.GetGestorVista()) return;
    const CCoordenadaMapa punto = panel.PixelAMapaVista(
        wxPoint(CTransformacionMapa::TruncarPixel(evento.x), CTransformacionMapa::TruncarPixel(evento.y)));
    if (superficie) {
        mediciones.AddCoordenadasPoligono(punto);
    } else {
        mediciones.AddCoordenadasPolyLinea(punto);
        panel.GenerarEventoMedirDistancia(mediciones.GetLongitudTotalPolyLinea());
    }
}

void CHerramientaMedir::PintarSuperposicion(wxDC& dc, const CTransformacionMapa& vista) {
    CMedicionesPanel* barra = panel.GetPanelMediciones();
    const wxList* puntos = Puntos();
    if (!barra || !puntos) return;
    Trazar(dc, vista, puntos, superficie);
    barra->Refresh(true);
}

void CHerramientaMedir::Trazar(wxDC& dc, const CTransformacionMapa& vista, const wxList* puntos,
                               bool cerrada) {
    if (!puntos || puntos->GetCount() < 2 || !vista.EsValida()) return;
    dc.SetPen(wxPen(kColorMedicion, kAnchoMedicion, wxPENSTYLE_SOLID));
    TrazarLineas(dc, vista, *puntos, cerrada);
    dc.SetBrush(wxNullBrush);
    dc.SetPen(wxNullPen);
}
