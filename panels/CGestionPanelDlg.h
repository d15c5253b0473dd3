#pragma once
// A small window that shows one panel (the information window's): the panel
// fills it, and when it is larger than the window it scrolls inside it with
// the window's scroll bars, by lines of 5 pixels and pages of 10.
#include <wx/dialog.h>

class CGestionPanelDlg : public wxDialog {
public:
    static constexpr int kPasoLinea = 5;
    static constexpr int kPasoPagina = 10;

    CGestionPanelDlg(wxWindow* parent, int id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize, long style = wxDEFAULT_DIALOG_STYLE);

    // Hosts the panel (ignored when null), which becomes a child of the
    // scrolled area, and sizes it: as wide and high as the area, unless it is
    // larger, when it keeps its size and a scroll bar appears.
    void SetPanel(wxWindow* panel);
    wxWindow* GetPanel() const { return m_panel; }
    void do_layout();

    void SetTitulo(const wxString& titulo) { SetTitle(titulo); }
    void SetDlgSize(const wxSize& tamano) { SetSize(tamano); }
    void SetDlgWidth(const wxSize& tamano) { SetSize(tamano.GetWidth(), GetSize().GetHeight()); }
    void SetDlgHeight(const wxSize& tamano) { SetSize(GetSize().GetWidth(), tamano.GetHeight()); }

    // How far the panel is scrolled: both 0 or negative.
    wxPoint GetDesplazamiento() const { return m_desplazamiento; }
    // The window with the scroll bars that the panel moves in.
    wxWindow* GetArea() const { return m_area; }

private:
    // Scrolls so that the offset along `orientacion` becomes `desplazamiento`,
    // kept between the panel's end and 0.
    void Desplazar(int orientacion, int desplazamiento);
    int Desplazamiento(int orientacion) const;
    int Limite(int orientacion) const;

    void OnLineUp(wxScrollWinEvent& event);
    void OnLineDown(wxScrollWinEvent& event);
    void OnPageUp(wxScrollWinEvent& event);
    void OnPageDown(wxScrollWinEvent& event);
    void OnThumbTrack(wxScrollWinEvent& event);

    wxWindow* m_area = nullptr;   // child window with the scroll bars
    wxWindow* m_panel = nullptr;  // the hosted panel, a child of m_area
    wxSize m_tamanoPanel;
    wxPoint m_desplazamiento;
};
