#pragma once
// Editor of a point symbol: one colour for the marker's fill and outline, its
// size (the circle's radius, or the glyph's size; 0 to 20 pixels) and a
// style choice that changes nothing.
#include "CEditorSimbolo.h"

class PropiedadesPuntos : public CEditorSimbolo {
public:
    enum { ID_COLOR = 0, ID_GROSOR = 1, ID_ESTILO = 2 };

    PropiedadesPuntos(wxWindow* parent, wxWindowID id, CSimboloObj* simbolo);

    void MostrarSimbolo() override;

private:
    wxPanel* m_muestraColor = nullptr;
};
