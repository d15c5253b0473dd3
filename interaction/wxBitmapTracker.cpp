#include "wxBitmapTracker.h"

#include "TrackerComun.h"
#include "wxMapEvent.h"

#include <wx/dcclient.h>
#include <wx/pen.h>
#include <wx/brush.h>

wxBEGIN_EVENT_TABLE(wxBitmapTracker, CVentanaTracker)
    EVT_PAINT(wxBitmapTracker::OnPaint)
    EVT_MOTION(wxBitmapTracker::OnMouseMotion)
    EVT_LEFT_DOWN(wxBitmapTracker::OnMouseLeftDown)
    EVT_LEFT_UP(wxBitmapTracker::OnMouseLeftUp)
    EVT_RIGHT_DOWN(wxBitmapTracker::OnMouseRightDown)
    EVT_MOUSE_CAPTURE_LOST(wxBitmapTracker::OnMouseCaptureLost)
    EVT_CHAR(wxBitmapTracker::OnKey)
wxEND_EVENT_TABLE()

wxBitmapTracker::wxBitmapTracker(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                 const wxSize&, long style)
    : CVentanaTracker(parent, id, wxDefaultPosition, wxDefaultSize, style, wxRect(0, 0, -1, -1)),
      m_xStart(pos.x),
      m_yStart(pos.y) {}

void wxBitmapTracker::SetBitmap(const wxBitmap* bitmap) {
    if (!bitmap) return;
    // A sub-bitmap is a real copy, not a shared reference to the caller's image.
    if (bitmap->IsOk())
        m_bitmap = std::make_unique<wxBitmap>(
            bitmap->GetSubBitmap(wxRect(0, 0, bitmap->GetWidth(), bitmap->GetHeight())));
    else
        m_bitmap = std::make_unique<wxBitmap>();
}

void wxBitmapTracker::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (m_superposicion.EstaActiva()) {
        DrawTracker(dc, m_prevRect);
        return;
    }
    if (!m_bitmap || !m_bitmap->IsOk() || !GetParent()) return;
    const wxSize tamano = GetParent()->GetClientSize();
    dc.DrawRectangle(0, 0, tamano.x, tamano.y);
    dc.DrawBitmap(*m_bitmap, 0, 0);
}

void wxBitmapTracker::DrawRect(wxDC& dc, int x, int y, int w, int h) {
    TrackerComun::DibujarMarco(dc, x, y, w, h, m_handleWidth);
}

void wxBitmapTracker::DrawRect(wxDC& dc, const wxRect& rect) {
    DrawRect(dc, rect.x, rect.y, rect.width, rect.height);
}

void wxBitmapTracker::DrawTracker(wxDC& dc, int x, int y, int, int) {
    if (!m_bitmap || !m_bitmap->IsOk()) return;
    const int iw = m_bitmap->GetWidth();
    const int ih = m_bitmap->GetHeight();
    dc.SetPen(*wxWHITE_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    if (x > 0) dc.DrawRectangle(0, 0, x, ih);
    if (x < 0) dc.DrawRectangle(x + iw, 0, -x, ih);
    if (y > 0) dc.DrawRectangle(0, 0, iw, y);
    if (y < 0) dc.DrawRectangle(0, y + ih, iw, -y);
    dc.DrawBitmap(*m_bitmap, x, y);
    dc.SetBrush(wxNullBrush);
    dc.SetPen(wxNullPen);
}

void wxBitmapTracker::DrawTracker(wxDC& dc, const wxRect& rect) {
    DrawTracker(dc, rect.x, rect.y, rect.width, rect.height);
}

void wxBitmapTracker::OnMouseLeftDown(wxMouseEvent& event) {
    const wxPoint p = m_superposicion.ACoordenadasTracker(event.GetPosition());
    m_xClick = p.x - m_xStart;
    m_yClick = p.y - m_yStart;
    if (!(m_state & CAPTURADO)) {
        m_superposicion.Activar();
        // A window that is not on the screen cannot take the mouse.
        if (!HasCapture() && IsShownOnScreen()) CaptureMouse();
        m_state |= CAPTURADO;
    }
}

void wxBitmapTracker::OnMouseMotion(wxMouseEvent& event) {
    ForwardCopy(event);
    const wxPoint p = m_superposicion.ACoordenadasTracker(event.GetPosition());
    if (event.LeftIsDown()) {
        if (EnGesto()) Arrastrar(p);
    } else {
        SetCursor(*m_cursor);
        // The release was missed: end the pan as a release would.
        if (EnGesto()) {
            wxMouseEvent suelta(event);
            suelta.SetEventType(wxEVT_LEFT_UP);
            Soltar(suelta);
        }
    }
    m_xLast = p.x - m_xStart;
    m_yLast = p.y - m_yStart;
}

void wxBitmapTracker::Arrastrar(const wxPoint& p) {
    const wxSize tamano = m_superposicion.GetGeometria().GetSize();
    const bool dentro = m_xClick >= 0 && m_xClick <= tamano.x && m_yClick >= 0 && m_yClick <= tamano.y;
    m_currentRect = m_superposicion.GetGeometria();
    const int dx = (p.x - m_xStart) - m_xClick;
    const int dy = (p.y - m_yStart) - m_yClick;
    // Inside (0) and outside (every handle bit) both move the rectangle.
    m_currentRect.x += dx;
    m_currentRect.y += dy;
    if (m_currentRect.width < 0) {
        m_currentRect.x += m_currentRect.width;
        m_currentRect.width = -m_currentRect.width;
    }
    if (m_currentRect.height < 0) {
        m_currentRect.y += m_currentRect.height;
        m_currentRect.height = -m_currentRect.height;
    }
    AdjustTrackerRect(m_currentRect, dentro ? 0 : -1);
    if (m_currentRect != m_prevRect) {
        m_prevRect = m_currentRect;
        m_superposicion.Refrescar(wxRect(wxPoint(0, 0), GetParent()->GetClientSize()));
    }
    EnviarNotificacion(EVT_BMPTRACKER_CHANGING);
}

void wxBitmapTracker::OnMouseLeftUp(wxMouseEvent& event) {
    Soltar(event);
}

void wxBitmapTracker::Soltar(wxMouseEvent& event) {
    if (HasCapture()) ReleaseMouse();
    m_state &= ~CAPTURADO;
    ForwardCopy(event);
    // The shifted image stays until the parent has handled the release (it
    // usually destroys this tracker and repaints the moved map): no flash of
    // the old map in between.
    CallAfter([this]() { m_superposicion.Desactivar(); });
}

void wxBitmapTracker::OnMouseRightDown(wxMouseEvent& event) {
    if (m_state & CAPTURADO) {
        if (HasCapture()) ReleaseMouse();
        m_state &= ~CAPTURADO;
        ForwardCopy(event);
    }
    ForwardCopy(event);
    CallAfter([this]() { m_superposicion.Desactivar(); });
}

void wxBitmapTracker::Cancelar() {
    if (!EnGesto()) return;
    wxMouseEvent derecho(wxEVT_RIGHT_DOWN);
    derecho.SetEventObject(this);
    derecho.SetId(GetId());
    derecho.SetPosition(wxPoint(m_xLast + m_xStart, m_yLast + m_yStart) +
                        m_superposicion.GetGeometria().GetPosition() - GetPosition());
    OnMouseRightDown(derecho);
}

void wxBitmapTracker::OnMouseCaptureLost(wxMouseCaptureLostEvent&) {
    Cancelar();
}

void wxBitmapTracker::OnKey(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE && EnGesto()) {
        Cancelar();
        return;
    }
    event.Skip();
}

void wxBitmapTracker::Update() {
    const wxRect actual = m_superposicion.GetGeometria();
    wxRect ajustado = actual;
    AdjustTrackerRect(ajustado, -1);
    if (ajustado != actual) m_superposicion.SetGeometria(ajustado);
    if (GetParent()) GetParent()->Refresh(true);
    EnviarNotificacion(EVT_BMPTRACKER_CHANGED);
}

void wxBitmapTracker::AdjustTrackerRect(wxRect& r, int handle) {
    TrackerComun::AjustarRect(r, handle, m_maxRect, m_ratio);
}

