#include "CHerramientaDesplazar.h"

#include "CGestorVistaMapa.h"
#include "PanelMapa.h"
#include "wxBitmapTracker.h"

namespace {
const char* const kCursor = "cursor/pan.cur";
const char* const kCursorPulsado = "cursor/pan_press.cur";  // while the button is down
}  // namespace

wxString CHerramientaDesplazar::Cursor() const { return kCursor; }

CHerramientaDesplazar::~CHerramientaDesplazar() { Terminar(); }

void CHerramientaDesplazar::Terminar() {
    if (!tracker) return;
    if (tracker->HasCapture()) tracker->ReleaseMouse();
    tracker->Destroy();
    tracker = nullptr;
}

void CHerramientaDesplazar::Pulsar(wxMouseEvent& evento) {
    panel.Refresh(false);
    panel.SeleccionarCursor(kCursorPulsado);
    Terminar();
    const wxPoint posicion = evento.GetPosition();
    tracker = new wxBitmapTracker(&panel, wxID_ANY, posicion, wxSize(0, 0), 0);
    tracker->SetBitmap(panel.GetBitmapMapa());
    tracker->SetSize(0, 0, 0, 0);
    if (CGestorVistaMapa* gestor = panel.GetGestorVista()) inicio = gestor->PixelToMapa(posicion);
    tracker->GetEventHandler()->AddPendingEvent(evento);
}

void CHerramientaDesplazar::Arrastrar(wxMouseEvent& evento) {
    if (evento.LeftIsDown()) panel.SeleccionarCursor(kCursorPulsado);
}

void CHerramientaDesplazar::Soltar(wxMouseEvent& evento) {
    if (!tracker) return;
    panel.SeleccionarCursor(kCursor);
    Terminar();
    if (CGestorVistaMapa* gestor = panel.GetGestorVista())
        panel.AplicarDesplazamiento(inicio, gestor->PixelToMapa(evento.GetPosition()));
}

void CHerramientaDesplazar::PulsarDerecho(wxMouseEvent&) {
    if (!tracker) return;
    panel.SeleccionarCursor(kCursor);
    Terminar();
    panel.Refresh(false);  // the panel's own painting was hidden by the tracker
}
