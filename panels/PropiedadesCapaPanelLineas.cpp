#include "PropiedadesCapaPanelLineas.h"

#include "CPropiedadesLineasPanel.h"

PropiedadesCapaPanelLineas::PropiedadesCapaPanelLineas(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                                       const wxSize& size, long style, const wxString& name,
                                                       CSimboloObj* simboloCapa)
    : CPaginaSimbolo(parent, id, pos, size, style, name, simboloCapa) {
    const wxString tipo = wxString::FromUTF8("Línea simple");
    Construir(0, wxArrayString(1, &tipo), tipo,
              new CPropiedadesLineasPanel(this, wxID_ANY, GetSimbolo()));
}
