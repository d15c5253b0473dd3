#include "CGestionPanelDlg.h"

#include <wx/sizer.h>

#include <algorithm>

namespace {
const wxColour kColorFondo(212, 208, 200);
// A panel at most this much wider or higher than the area is fitted to it
// rather than scrolled.
constexpr int kHolguraAncho = 6;
constexpr int kHolguraAlto = 3;
}  // namespace

CGestionPanelDlg::CGestionPanelDlg(wxWindow* parent, int id, const wxString& title, const wxPoint& pos,
                                   const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style) {
    SetBackgroundColour(kColorFondo);
    // Top-level windows have no scroll bars of their own on every port: the
    // panel scrolls inside this child.
    m_area = new wxWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL);
    m_area->SetBackgroundColour(kColorFondo);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_area, 1, wxEXPAND);
    SetSizer(sizer);
    Layout();
    m_area->Bind(wxEVT_SCROLLWIN_LINEUP, &CGestionPanelDlg::OnLineUp, this);
    m_area->Bind(wxEVT_SCROLLWIN_LINEDOWN, &CGestionPanelDlg::OnLineDown, this);
    m_area->Bind(wxEVT_SCROLLWIN_PAGEUP, &CGestionPanelDlg::OnPageUp, this);
    m_area->Bind(wxEVT_SCROLLWIN_PAGEDOWN, &CGestionPanelDlg::OnPageDown, this);
    m_area->Bind(wxEVT_SCROLLWIN_THUMBTRACK, &CGestionPanelDlg::OnThumbTrack, this);
}

void CGestionPanelDlg::SetPanel(wxWindow* panel) {
    if (!panel) return;
    m_panel = panel;
    if (panel->GetParent() != m_area) panel->Reparent(m_area);
    Layout();
    m_tamanoPanel = panel->GetSize();
    m_desplazamiento = wxPoint(0, 0);
    const wxSize area = m_area->GetClientSize();
    const bool horizontal = m_tamanoPanel.x >= area.x + kHolguraAncho;
    const bool vertical = m_tamanoPanel.y >= area.y + kHolguraAlto;
    if (!horizontal) m_tamanoPanel.x = area.x;
    if (!vertical) m_tamanoPanel.y = area.y;
    m_area->SetScrollbar(wxHORIZONTAL, 0, area.x, horizontal ? m_tamanoPanel.x : 0);
    m_area->SetScrollbar(wxVERTICAL, 0, area.y, vertical ? m_tamanoPanel.y : 0);
    panel->SetSize(0, 0, m_tamanoPanel.x, m_tamanoPanel.y);
}

void CGestionPanelDlg::do_layout() {
    if (!m_panel) return;
    Layout();
    SetPanel(m_panel);
    Refresh();
}

int CGestionPanelDlg::Desplazamiento(int orientacion) const {
    return orientacion == wxHORIZONTAL ? m_desplazamiento.x : m_desplazamiento.y;
}

// The most negative offset: the panel's far edge on the area's.
int CGestionPanelDlg::Limite(int orientacion) const {
    const wxSize area = m_area->GetClientSize();
    const int limite = orientacion == wxHORIZONTAL ? area.x - m_tamanoPanel.x : area.y - m_tamanoPanel.y;
    return std::min(limite, 0);
}

void CGestionPanelDlg::Desplazar(int orientacion, int desplazamiento) {
    if (!m_panel) return;
    desplazamiento = std::clamp(desplazamiento, Limite(orientacion), 0);
    if (orientacion == wxHORIZONTAL)
        m_desplazamiento.x = desplazamiento;
    else
        m_desplazamiento.y = desplazamiento;
    m_panel->Move(m_desplazamiento);
    m_area->SetScrollPos(orientacion, -desplazamiento);
}

void CGestionPanelDlg::OnLineUp(wxScrollWinEvent& event) {
    Desplazar(event.GetOrientation(), Desplazamiento(event.GetOrientation()) + kPasoLinea);
}

void CGestionPanelDlg::OnLineDown(wxScrollWinEvent& event) {
    Desplazar(event.GetOrientation(), Desplazamiento(event.GetOrientation()) - kPasoLinea);
}

void CGestionPanelDlg::OnPageUp(wxScrollWinEvent& event) {
    Desplazar(event.GetOrientation(), Desplazamiento(event.GetOrientation()) + kPasoPagina);
}

void CGestionPanelDlg::OnPageDown(wxScrollWinEvent& event) {
    Desplazar(event.GetOrientation(), Desplazamiento(event.GetOrientation()) - kPasoPagina);
}

void CGestionPanelDlg::OnThumbTrack(wxScrollWinEvent& event) {
    Desplazar(event.GetOrientation(), -event.GetPosition());
}
