#pragma once
// Small bar that shows the result of a measurement: a picture of the tool,
// the value with its unit and a close button.
#include <wx/bitmap.h>
#include <wx/panel.h>
#include <wx/string.h>

class wxBitmapButton;
class wxStaticText;

class CMedicionesPanel : public wxPanel {
public:
    // The panel always takes its own fixed style; the style argument is not used.
    CMedicionesPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size, long style,
                     const wxString& name = wxT("panel"));

    // 0 measures distances; any other value, areas.
    void SetTipoMedicion(int tipo) { m_tipoMedicion = tipo; }
    int GetTipoMedicion() const { return m_tipoMedicion; }
    // Shows value and unit; large values go to km or km2.
    void SetMedicion(double valor, wxString unidad);
    wxString GetTextoMedicion() const;
    // Tells the parents that the user closed the measurement.
    void GenerarEventoCerrarMediciones();

    static wxString FormatearMedicion(int tipo, double valor, wxString unidad);

    enum { ID_CERRAR = 2 };

private:
    const wxBitmap& ImagenHerramienta();
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnCerrarBtn(wxCommandEvent& event);
    void OnMouseMove(wxMouseEvent& event);

    wxBitmapButton* m_botonCerrar = nullptr;
    wxStaticText* m_textoValor = nullptr;
    wxString m_rutaAplicacion;
    int m_tipoMedicion = 0;
    // Tool pictures, read from disk once per type rather than on every paint.
    wxBitmap m_imagenes[2];
    bool m_imagenLeida[2] = {false, false};

    wxDECLARE_EVENT_TABLE();
};
