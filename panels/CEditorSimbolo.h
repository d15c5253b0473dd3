#pragma once
// What the three symbol editors share: they edit a working copy of a symbol
// (the page's, not the layer's), show each colour in a swatch beside a " + "
// button that opens the colour chooser, and take a width from a spin control
// only when it lies between 0 and 20 pixels: a text typed outside that range
// (or no number) leaves the width as it was, and the control shows it again
// when the typing ends.
#include <wx/panel.h>

#include <functional>

class CSimboloObj;
class wxFlexGridSizer;
class wxSpinCtrl;
class wxSpinEvent;

class CEditorSimbolo : public wxPanel {
public:
    // Widths a spin control gives the symbol, in pixels.
    static constexpr int kGrosorMinimo = 0;
    static constexpr int kGrosorMaximo = 20;
    static bool GrosorValido(long valor) { return valor >= kGrosorMinimo && valor <= kGrosorMaximo; }

    CEditorSimbolo(wxWindow* parent, wxWindowID id, CSimboloObj* simbolo);

    CSimboloObj* GetSimbolo() const { return m_simbolo; }
    // Shows the working copy again in every control (after it was replaced).
    virtual void MostrarSimbolo();

protected:
    // Rows of the editor: a label and its control(s).
    void AnadirFila(const wxString& etiqueta, wxWindow* control);
    void AnadirFila(const wxString& etiqueta, wxSizer* controles);
    // A colour row: label, swatch of the colour and the " + " button, which
    // asks for a colour and hands it to `alElegir`. Returns the swatch.
    wxPanel* AnadirFilaColor(const wxString& etiqueta, const wxColour& color, int idBoton,
                             std::function<void(const wxColour&)> alElegir);
    // The width row; the control keeps the symbol's size as the rule says.
    wxSpinCtrl* AnadirFilaGrosor(const wxString& etiqueta, int id, int minimo, int maximo);
    // Puts a colour in a swatch.
    static void PintarMuestra(wxPanel* muestra, const wxColour& color);

    CSimboloObj* m_simbolo;  // the page's working copy

private:
    void OnGrosorGirado(wxSpinEvent& event);
    void OnGrosorEscrito(wxCommandEvent& event);

    void AceptarGrosor(int valor);

    wxFlexGridSizer* m_filas = nullptr;
    wxSpinCtrl* m_grosor = nullptr;
    // The width the control last settled on (by its arrows, or when typing
    // ends); a refused text brings the size back to it.
    int m_grosorConfirmado = 0;
    // The text last typed in the width was refused: when the control next
    // settles (the toolkit would clamp it into range) it shows the size again.
    bool m_grosorRechazado = false;
    // A valid text that followed a refused one, applied once the toolkit is
    // done with the current event: when the control settles in the same
    // event, the text was only the toolkit's clamping, not the user's.
    bool m_grosorPendiente = false;
};
