#include "CPolyLineTracker.h"

#include "TrackerComun.h"
#include "wxMapEvent.h"

#include <wx/dcclient.h>
#include <wx/pen.h>
#include <wx/brush.h>
#include <algorithm>
#include <cstdlib>

wxBEGIN_EVENT_TABLE(CPolyLineTracker, CVentanaTracker)
    EVT_PAINT(CPolyLineTracker::OnPaint)
    EVT_MOTION(CPolyLineTracker::OnMouseMotion)
    EVT_LEFT_DOWN(CPolyLineTracker::OnMouseLeftDown)
    EVT_LEFT_DCLICK(CPolyLineTracker::OnMouseLeftDoubleClick)
    EVT_LEFT_UP(CPolyLineTracker::OnMouseLeftUp)
    EVT_RIGHT_DOWN(CPolyLineTracker::OnMouseRightDown)
    EVT_MOUSE_CAPTURE_LOST(CPolyLineTracker::OnMouseCaptureLost)
    EVT_CHAR(CPolyLineTracker::OnKey)
wxEND_EVENT_TABLE()

namespace {
constexpr int kAnchoLinea = 3;
const wxColour kColorLinea(0, 0, 255);
}  // namespace

CPolyLineTracker::CPolyLineTracker(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                   const wxSize& size, long style)
    : CVentanaTracker(parent, id, pos, size, style, wxRect(0, 0, 0, 0)) {}

void CPolyLineTracker::Inicializar() {
    m_primerPunto = true;
    m_xPrev = m_yPrev = 0;
    m_xLastPoint = m_yLastPoint = 0;
    m_puntos.clear();
}

void CPolyLineTracker::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (!m_superposicion.EstaActiva() || m_puntos.empty()) return;
    // The window lies at the parent's origin while active: the points, in
    // parent pixels, are window pixels.
    for (size_t i = 1; i < m_puntos.size(); ++i)
        DrawLinea(dc, m_puntos[i - 1].x, m_puntos[i - 1].y, m_puntos[i].x, m_puntos[i].y);
    DrawLinea(dc, m_xPrev, m_yPrev, m_xLastPoint, m_yLastPoint);
}

void CPolyLineTracker::DrawRect(wxDC& dc, int x, int y, int w, int h) {
    TrackerComun::DibujarMarco(dc, x, y, w, h, m_handleWidth);
}

void CPolyLineTracker::DrawRect(wxDC& dc, const wxRect& rect) {
    DrawRect(dc, rect.x, rect.y, rect.width, rect.height);
}

void CPolyLineTracker::DrawTracker(wxDC& dc, int x, int y, int w, int h) {
    TrackerComun::DibujarContorno(dc, x, y, w, h);
}

void CPolyLineTracker::DrawTracker(wxDC& dc, const wxRect& rect) {
    DrawTracker(dc, rect.x, rect.y, rect.width, rect.height);
}

void CPolyLineTracker::DrawLinea(wxDC& dc, int x1, int y1, int x2, int y2) {
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(kColorLinea, kAnchoLinea, wxPENSTYLE_SOLID));
    dc.DrawLine(x1, y1, x2, y2);
    dc.SetPen(wxNullPen);
    dc.SetBrush(wxNullBrush);
}

void CPolyLineTracker::DrawLinea(wxDC& dc, const wxRect& rect) {
    DrawLinea(dc, rect.x, rect.y, rect.x + rect.width, rect.y + rect.height);
}

int CPolyLineTracker::HitTest(int x, int y) const {
    return TrackerComun::Zona(x, y, m_superposicion.GetGeometria().GetSize(), m_handleWidth);
}

void CPolyLineTracker::AdjustTrackerRect(wxRect& r, int handle) {
    TrackerComun::AjustarRect(r, handle, m_maxRect, m_ratio);
}

void CPolyLineTracker::Update() {
    const wxRect actual = m_superposicion.GetGeometria();
    wxRect ajustado = actual;
    AdjustTrackerRect(ajustado, -1);
    if (ajustado != actual) m_superposicion.SetGeometria(ajustado);
    wxWindow* padre = GetParent();
    if (!padre) return;
    padre->Refresh(true);
    wxCommandEvent evento(EVT_TRACKER_CHANGED, GetId());
    evento.SetEventObject(this);
    padre->GetEventHandler()->ProcessEvent(evento);
}

void CPolyLineTracker::OnMouseLeftDown(wxMouseEvent& event) {
    const wxPoint p = m_superposicion.ACoordenadasPadre(event.GetPosition());
    const wxPoint bandaAntes[2] = {GetPuntoAnterior(), GetUltimoPunto()};
    if (m_primerPunto) {
        m_primerPunto = false;
        m_xPrev = m_xLastPoint = p.x;
        m_yPrev = m_yLastPoint = p.y;
    } else {
        m_xPrev = m_xLastPoint;
        m_yPrev = m_yLastPoint;
        m_xLastPoint = p.x;
        m_yLastPoint = p.y;
    }
    m_xClick = p.x;
    m_yClick = p.y;
    const bool segmentoNuevo = !m_puntos.empty();
    m_puntos.push_back(p);
    GenerarEventoNuevoPunto(p);
    if (!(m_state & CAPTURADO)) {
        m_superposicion.Activar();
        // A window that is not on the screen cannot take the mouse.
        if (!HasCapture() && IsShownOnScreen()) CaptureMouse();
        m_state |= CAPTURADO;
    }
    RefrescarSegmento(bandaAntes[0], bandaAntes[1]);
    if (segmentoNuevo) RefrescarSegmento(m_puntos[m_puntos.size() - 2], p);
}

void CPolyLineTracker::OnMouseMotion(wxMouseEvent& event) {
    const wxPoint p = m_superposicion.ACoordenadasPadre(event.GetPosition());
    if (EnGesto()) {
        RefrescarSegmento(GetPuntoAnterior(), GetUltimoPunto());
        m_xLastPoint = p.x;
        m_yLastPoint = p.y;
        RefrescarSegmento(GetPuntoAnterior(), GetUltimoPunto());
    }
    m_xLast = p.x;
    m_yLast = p.y;
}

void CPolyLineTracker::OnMouseLeftDoubleClick(wxMouseEvent& event) {
    TerminarLinea(m_superposicion.ACoordenadasPadre(event.GetPosition()));
}

void CPolyLineTracker::OnMouseLeftUp(wxMouseEvent&) {}

void CPolyLineTracker::OnMouseRightDown(wxMouseEvent& event) {
    TerminarLinea(m_superposicion.ACoordenadasPadre(event.GetPosition()));
}

void CPolyLineTracker::OnMouseCaptureLost(wxMouseCaptureLostEvent&) {
    TerminarLinea(wxPoint(m_xLast, m_yLast));
}

// Escape ends the line as a right click does.
void CPolyLineTracker::OnKey(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE && (m_state & CAPTURADO)) {
        TerminarLinea(wxPoint(m_xLast, m_yLast));
        return;
    }
    event.Skip();
}

void CPolyLineTracker::TerminarLinea(const wxPoint& punto) {
    if (!(m_state & CAPTURADO)) return;
    if (HasCapture()) ReleaseMouse();
    m_state &= ~CAPTURADO;
    m_superposicion.Desactivar();
    m_puntos.clear();
    GenerarEventoFinLinea(punto);
}

void CPolyLineTracker::RefrescarSegmento(const wxPoint& a, const wxPoint& b) {
    const int margen = kAnchoLinea + 1;
    wxRect zona(wxPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                wxPoint(std::max(a.x, b.x), std::max(a.y, b.y)));
    zona.Inflate(margen);
    m_superposicion.Refrescar(zona);
}

void CPolyLineTracker::GenerarEventoNuevoPunto(const wxPoint& punto) {
    EnviarEventoMapa(wxEVT_MAP_NUEVO_PUNTO, punto);
}

void CPolyLineTracker::GenerarEventoFinLinea(const wxPoint& punto) {
    EnviarEventoMapa(wxEVT_MAP_FIN_LINEA, punto);
}

void CPolyLineTracker::EnviarEventoMapa(wxEventType tipo, const wxPoint& punto) {
    wxWindow* padre = GetParent();
    if (!padre) return;
    wxMapEvent evento(tipo, GetId());
    evento.SetEventObject(this);
    evento.SetCoordenadas(punto.x, punto.y);
    padre->GetEventHandler()->ProcessEvent(evento);
}
