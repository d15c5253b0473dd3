#pragma once
// The symbol page of a polygon layer.
#include "CPaginaSimbolo.h"

class PropiedadesCapaPanelPoligonos : public CPaginaSimbolo {
public:
    PropiedadesCapaPanelPoligonos(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                                  long style, const wxString& name, CSimboloObj* simboloCapa);
};
