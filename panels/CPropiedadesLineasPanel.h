#pragma once
// Editor of a line symbol: its colour, its width (0 to 20 pixels) and a
// style choice that changes nothing.
#include "CEditorSimbolo.h"

class CPropiedadesLineasPanel : public CEditorSimbolo {
public:
    enum { ID_COLOR = 1, ID_GROSOR = 2, ID_ESTILO = 3 };

    CPropiedadesLineasPanel(wxWindow* parent, wxWindowID id, CSimboloObj* simbolo);

    void MostrarSimbolo() override;

private:
    wxPanel* m_muestraColor = nullptr;
};
