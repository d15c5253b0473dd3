#include "wxRectTracker.h"

#include "TrackerComun.h"
#include "wxMapEvent.h"

#include <wx/dcclient.h>
#include <wx/pen.h>
#include <wx/brush.h>

wxBEGIN_EVENT_TABLE(wxRectTracker, CVentanaTracker)
    EVT_PAINT(wxRectTracker::OnPaint)
    EVT_MOTION(wxRectTracker::OnMouseMotion)
    EVT_LEFT_DOWN(wxRectTracker::OnMouseLeftDown)
    EVT_LEFT_UP(wxRectTracker::OnMouseLeftUp)
    EVT_RIGHT_DOWN(wxRectTracker::OnMouseRightDown)
    EVT_MOUSE_CAPTURE_LOST(wxRectTracker::OnMouseCaptureLost)
    EVT_CHAR(wxRectTracker::OnKey)
wxEND_EVENT_TABLE()

namespace {
// Width of the strips repainted around an outline: the pen and its antialiasing.
constexpr int kMargenContorno = 2;

void RefrescarContorno(CSuperposicionTracker& superposicion, const wxRect& r) {
    const int m = kMargenContorno;
    superposicion.Refrescar(wxRect(r.x - m, r.y - m, r.width + 2 * m + 1, 2 * m + 1));
    superposicion.Refrescar(wxRect(r.x - m, r.y + r.height - m, r.width + 2 * m + 1, 2 * m + 1));
    superposicion.Refrescar(wxRect(r.x - m, r.y - m, 2 * m + 1, r.height + 2 * m + 1));
    superposicion.Refrescar(wxRect(r.x + r.width - m, r.y - m, 2 * m + 1, r.height + 2 * m + 1));
}

void Normalizar(wxRect& r) {
    if (r.width < 0) {
        r.x += r.width;
        r.width = -r.width;
    }
    if (r.height < 0) {
        r.y += r.height;
        r.height = -r.height;
    }
}
}  // namespace

wxRectTracker::wxRectTracker(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                             const wxSize& size, long style)
    : CVentanaTracker(parent, id, pos, size, style, wxRect(0, 0, -1, -1)) {}

void wxRectTracker::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (m_superposicion.EstaActiva()) {
        if (m_state & DIBUJADO) DrawTracker(dc, m_prevRect);
        return;
    }
    const wxSize tamano = GetClientSize();
    DrawRect(dc, 0, 0, tamano.x, tamano.y);
}

void wxRectTracker::DrawRect(wxDC& dc, int x, int y, int w, int h) {
    TrackerComun::DibujarMarco(dc, x, y, w, h, m_handleWidth);
}

void wxRectTracker::DrawRect(wxDC& dc, const wxRect& rect) {
    DrawRect(dc, rect.x, rect.y, rect.width, rect.height);
}

void wxRectTracker::DrawTracker(wxDC& dc, int x, int y, int w, int h) {
    TrackerComun::DibujarContorno(dc, x, y, w, h);
}

void wxRectTracker::DrawTracker(wxDC& dc, const wxRect& rect) {
    DrawTracker(dc, rect.x, rect.y, rect.width, rect.height);
}

int wxRectTracker::HitTest(int x, int y) const {
    return TrackerComun::Zona(x, y, m_superposicion.GetGeometria().GetSize(), m_handleWidth);
}

void wxRectTracker::OnMouseLeftDown(wxMouseEvent& event) {
    const wxPoint p = m_superposicion.ACoordenadasTracker(event.GetPosition());
    m_xClick = p.x;
    m_yClick = p.y;
    if (!(m_state & CAPTURADO)) {
        m_superposicion.Activar();
        // A window that is not on the screen cannot take the mouse.
        if (!HasCapture() && IsShownOnScreen()) CaptureMouse();
        m_state |= CAPTURADO;
    }
}

void wxRectTracker::OnMouseMotion(wxMouseEvent& event) {
    ForwardCopy(event);
    const wxPoint p = m_superposicion.ACoordenadasTracker(event.GetPosition());
    if (event.LeftIsDown()) {
        if (EnGesto()) Arrastrar(p);
    } else if (EnGesto()) {
        // The release was missed (another button, or the left one came up
        // unseen): end the drag as a release would.
        wxMouseEvent suelta(event);
        suelta.SetEventType(wxEVT_LEFT_UP);
        TerminarArrastre(suelta);
    } else if (!event.ButtonIsDown(wxMOUSE_BTN_ANY)) {
        SetCursorPorZona(HitTest(p.x, p.y));
    }
    m_xLast = p.x;
    m_yLast = p.y;
}

void wxRectTracker::Arrastrar(const wxPoint& p) {
    const bool habiaRect = (m_state & DIBUJADO) != 0;
    const wxRect anterior = m_prevRect;
    m_state |= DIBUJADO;
    const int hit = HitTest(m_xClick, m_yClick);
    m_currentRect = m_superposicion.GetGeometria();
    const int dx = p.x - m_xClick;
    const int dy = p.y - m_yClick;
    if (hit == 0) {
        m_currentRect.x += dx;
        m_currentRect.y += dy;
    } else {
        // Outside (-1) has every bit set: the rectangle moves.
        if (hit & RIGHT) m_currentRect.width += dx;
        if (hit & BOTTOM) m_currentRect.height += dy;
        if (hit & LEFT) {
            m_currentRect.x += dx;
            m_currentRect.width -= dx;
        }
        if (hit & TOP) {
            m_currentRect.y += dy;
            m_currentRect.height -= dy;
        }
    }
    Normalizar(m_currentRect);
    AdjustTrackerRect(m_currentRect, hit);
    if (habiaRect) RefrescarContorno(m_superposicion, anterior);
    RefrescarContorno(m_superposicion, m_currentRect);
    m_prevRect = m_currentRect;
    EnviarNotificacion(EVT_TRACKER_CHANGING);
}

void wxRectTracker::OnMouseLeftUp(wxMouseEvent& event) {
    TerminarArrastre(event);
}

void wxRectTracker::OnMouseRightDown(wxMouseEvent& event) {
    TerminarArrastre(event);
}

// Ends a drag: the parent gets a copy of the ending event, the window takes
// the dragged rectangle.
void wxRectTracker::TerminarArrastre(wxMouseEvent& event) {
    if (m_state & CAPTURADO) {
        if (HasCapture()) ReleaseMouse();
        m_state &= ~CAPTURADO;
        ForwardCopy(event);
    }
    const bool dibujado = (m_state & DIBUJADO) != 0;
    if (dibujado) {
        m_superposicion.SetGeometria(m_prevRect);
        m_state &= ~DIBUJADO;
    }
    m_superposicion.Desactivar();
    if (dibujado) Update();
}

void wxRectTracker::Cancelar() {
    if (!EnGesto()) return;
    wxMouseEvent derecho(wxEVT_RIGHT_DOWN);
    derecho.SetEventObject(this);
    derecho.SetId(GetId());
    derecho.SetPosition(m_superposicion.GetGeometria().GetPosition() + wxPoint(m_xLast, m_yLast) -
                        GetPosition());
    TerminarArrastre(derecho);
}

void wxRectTracker::OnMouseCaptureLost(wxMouseCaptureLostEvent&) {
    Cancelar();
}

void wxRectTracker::Update() {
    const wxRect actual = m_superposicion.GetGeometria();
    wxRect ajustado = actual;
    AdjustTrackerRect(ajustado, -1);
    if (ajustado != actual) m_superposicion.SetGeometria(ajustado);
    if (GetParent()) GetParent()->Refresh(true);
    EnviarNotificacion(EVT_TRACKER_CHANGED);
}

void wxRectTracker::OnKey(wxKeyEvent& event) {
    const int tecla = event.GetKeyCode();
    if (tecla == WXK_ESCAPE && EnGesto()) {
        Cancelar();
        return;
    }
    const bool flecha = tecla == WXK_LEFT || tecla == WXK_RIGHT || tecla == WXK_UP || tecla == WXK_DOWN;
    if (!flecha || EnGesto()) {
        event.Skip();
        return;
    }
    MoverConTeclado(tecla, event.ControlDown(), event.ShiftDown());
}

void wxRectTracker::MoverConTeclado(int tecla, bool ctrl, bool shift) {
    const int paso = ctrl ? 10 : 1;
    const int signo = (tecla == WXK_LEFT || tecla == WXK_UP) ? -1 : 1;
    const bool horizontal = tecla == WXK_LEFT || tecla == WXK_RIGHT;
    wxRect r = GetRect();
    int handle = 0;
    if (shift) {
        if (horizontal) r.width += signo * paso;
        else r.height += signo * paso;
        handle = horizontal ? RIGHT : BOTTOM;
    } else if (horizontal) {
        r.x += signo * paso;
    } else {
        r.y += signo * paso;
    }
    AdjustTrackerRect(r, handle);
    m_superposicion.SetGeometria(r);
    Update();
}

void wxRectTracker::AdjustTrackerRect(wxRect& r, int handle) {
    TrackerComun::AjustarRect(r, handle, m_maxRect, m_ratio);
}

void wxRectTracker::SetCursorPorZona(int zona) {
    switch (zona) {
        case TOP:
        case BOTTOM: SetCursor(wxCursor(wxCURSOR_SIZENS)); break;
        case RIGHT:
        case LEFT: SetCursor(wxCursor(wxCURSOR_SIZEWE)); break;
        case BOTTOM | RIGHT:
        case TOP | LEFT: SetCursor(wxCursor(wxCURSOR_SIZENWSE)); break;
        case TOP | RIGHT:
        case BOTTOM | LEFT: SetCursor(wxCursor(wxCURSOR_SIZENESW)); break;
        default: SetCursor(*m_cursor); break;
    }
}

