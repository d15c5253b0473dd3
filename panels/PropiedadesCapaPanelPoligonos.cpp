#include "PropiedadesCapaPanelPoligonos.h"

#include "CPropiedadesPoligonosPanel.h"

PropiedadesCapaPanelPoligonos::PropiedadesCapaPanelPoligonos(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                                             const wxSize& size, long style,
                                                             const wxString& name, CSimboloObj* simboloCapa)
    : CPaginaSimbolo(parent, id, pos, size, style, name, simboloCapa) {
    const wxString tipo = "Relleno simple";
    Construir(0, wxArrayString(1, &tipo), tipo,
              new CPropiedadesPoligonosPanel(this, wxID_ANY, GetSimbolo()));
}
