#include "CVentanaTracker.h"

#include "TrackerComun.h"

wxBEGIN_EVENT_TABLE(CVentanaTracker, wxWindow)
    EVT_ERASE_BACKGROUND(CVentanaTracker::OnEraseBackground)
    EVT_RIGHT_UP(CVentanaTracker::ForwardMouseEventToParent)
wxEND_EVENT_TABLE()

CVentanaTracker::CVentanaTracker(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                 const wxSize& size, long style, const wxRect& maximo)
    : wxWindow(parent, id, pos, size, style, wxPanelNameStr),
      m_cursor(std::make_unique<wxCursor>(wxCURSOR_SIZING)),
      m_maxRect(maximo) {
    m_superposicion.AjustarVisibilidad();
}

CVentanaTracker::~CVentanaTracker() {
    if (HasCapture()) ReleaseMouse();
}

void CVentanaTracker::DoSetSize(int x, int y, int width, int height, int sizeFlags) {
    if (m_superposicion.DesviarTamano(x, y, width, height, sizeFlags)) return;
    wxWindow::DoSetSize(x, y, width, height, sizeFlags);
    m_superposicion.AjustarVisibilidad();
}

void CVentanaTracker::OnEraseBackground(wxEraseEvent&) {}

void CVentanaTracker::ForwardMouseEventToParent(wxMouseEvent& event) {
    wxWindow* padre = GetParent();
    if (!padre) return;
    event.SetPosition(m_superposicion.ACoordenadasPadre(event.GetPosition()));
    padre->GetEventHandler()->AddPendingEvent(event);
}

void CVentanaTracker::ForwardCopy(const wxMouseEvent& event) {
    wxMouseEvent copia(event);
    ForwardMouseEventToParent(copia);
}

void CVentanaTracker::EnviarNotificacion(wxEventType tipo) {
    wxWindow* padre = GetParent();
    if (!padre) return;
    wxCommandEvent evento(tipo, GetId());
    evento.SetEventObject(this);
    padre->GetEventHandler()->ProcessEvent(evento);
}

void CVentanaTracker::SetMaxRect(const wxRect& rect) {
    m_maxRect = rect;
    Update();
}

void CVentanaTracker::SetRatio(double ratio) {
    m_ratio = TrackerComun::NormalizarRazon(ratio);
}
