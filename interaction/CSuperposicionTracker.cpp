#include "CSuperposicionTracker.h"

#include <wx/window.h>

void CSuperposicionTracker::Activar() {
    wxWindow* padre = m_tracker->GetParent();
    if (m_activa || !padre) return;
    m_geometria = m_tracker->GetRect();
    m_activa = true;
    Colocar(wxRect(wxPoint(0, 0), padre->GetClientSize()));
    if (padre->GetCursor().IsOk()) m_tracker->SetCursor(padre->GetCursor());
    m_tracker->Show();
    m_tracker->Raise();
    m_tracker->SetFocus();
}

void CSuperposicionTracker::Desactivar() {
    if (!m_activa) return;
    m_activa = false;
    if (m_tracker->HasCapture()) m_tracker->ReleaseMouse();
    // The keyboard goes back to the parent (it was ours for Escape).
    if (wxWindow::FindFocus() == m_tracker && m_tracker->GetParent()) m_tracker->GetParent()->SetFocus();
    // Repaint the whole covered area: the parent shows again without feedback.
    m_tracker->Refresh(false);
    Colocar(m_geometria);
    AjustarVisibilidad();
}

void CSuperposicionTracker::Colocar(const wxRect& rect) {
    m_colocando = true;
    m_tracker->SetSize(rect);
    m_colocando = false;
}

bool CSuperposicionTracker::DesviarTamano(int x, int y, int ancho, int alto, int flags) {
    if (!m_activa || m_colocando) return false;
    const bool menosUno = (flags & wxSIZE_ALLOW_MINUS_ONE) != 0;
    if (x != wxDefaultCoord || menosUno) m_geometria.x = x;
    if (y != wxDefaultCoord || menosUno) m_geometria.y = y;
    if (ancho != wxDefaultCoord) m_geometria.width = ancho;
    if (alto != wxDefaultCoord) m_geometria.height = alto;
    return true;
}

wxRect CSuperposicionTracker::GetGeometria() const {
    return m_activa ? m_geometria : m_tracker->GetRect();
}

void CSuperposicionTracker::SetGeometria(const wxRect& geometria) {
    if (m_activa) {
        m_geometria = geometria;
        return;
    }
    m_tracker->SetSize(geometria);
    AjustarVisibilidad();
}

wxPoint CSuperposicionTracker::ACoordenadasTracker(const wxPoint& posicion) const {
    if (!m_activa) return posicion;
    return ACoordenadasPadre(posicion) - m_geometria.GetPosition();
}

wxPoint CSuperposicionTracker::ACoordenadasPadre(const wxPoint& posicion) const {
    return posicion + m_tracker->GetPosition();
}

void CSuperposicionTracker::AjustarVisibilidad() {
    if (m_activa) return;
    const wxSize tamano = m_tracker->GetSize();
    const bool conArea = tamano.x > 0 && tamano.y > 0;
    if (!conArea && m_tracker->HasCapture()) m_tracker->ReleaseMouse();
    if (m_tracker->IsShown() != conArea) m_tracker->Show(conArea);
}

void CSuperposicionTracker::Refrescar(const wxRect& zona) {
    if (!m_tracker->IsShown() || zona.IsEmpty()) return;
    // The window lies at the parent's origin while active.
    m_tracker->RefreshRect(wxRect(zona.GetPosition() - m_tracker->GetPosition(), zona.GetSize()), false);
}
