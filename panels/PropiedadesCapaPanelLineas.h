#pragma once
// The symbol page of a line layer.
#include "CPaginaSimbolo.h"

class PropiedadesCapaPanelLineas : public CPaginaSimbolo {
public:
    PropiedadesCapaPanelLineas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                               const wxString& name, CSimboloObj* simboloCapa);
};
