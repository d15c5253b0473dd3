#pragma once
// The symbol page of a point layer.
#include "CPaginaSimbolo.h"

class PropiedadesCapaPanelPuntos : public CPaginaSimbolo {
public:
    PropiedadesCapaPanelPuntos(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                               const wxString& name, CSimboloObj* simboloCapa);
};
