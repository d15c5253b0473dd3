#pragma once
// Editor of a polygon symbol: fill and outline colours, the outline's width
// (0 to 20 pixels) and the transparency, a slider that works as a switch
// between filled (at its minimum) and without fill (at its maximum).
#include "CEditorSimbolo.h"

class wxSlider;

class CPropiedadesPoligonosPanel : public CEditorSimbolo {
public:
    enum { ID_COLOR_RELLENO = 0, ID_COLOR_LINEA = 1, ID_GROSOR = 2, ID_TRANSPARENCIA = 3 };

    CPropiedadesPoligonosPanel(wxWindow* parent, wxWindowID id, CSimboloObj* simbolo);

    void MostrarSimbolo() override;

private:
    void OnTransparencia(wxCommandEvent& event);
    // Puts the slider at the end that matches the symbol.
    void ColocarTransparencia();

    wxPanel* m_muestraRelleno = nullptr;
    wxPanel* m_muestraLinea = nullptr;
    wxSlider* m_transparencia = nullptr;
    int m_ultimaTransparencia = 0;  // where the slider was last put
};
