#pragma once
// One-line strip under the main map that shows the latitude and longitude of
// the mouse position.
#include <wx/panel.h>

class wxStaticText;

class CCoordenadasPanel : public wxPanel {
public:
    // The panel takes its own fixed style; the style argument is not used.
    CCoordenadasPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size, long style,
                      const wxString& name = wxEmptyString);

    void SetValorLatitud(const wxString& texto);
    void SetValorLongitud(const wxString& texto);
    wxString GetValorLatitud() const;
    wxString GetValorLongitud() const;

private:
    wxStaticText* m_tituloLatitud = nullptr;
    wxStaticText* m_tituloLongitud = nullptr;
    wxStaticText* m_valorLatitud = nullptr;
    wxStaticText* m_valorLongitud = nullptr;
};
