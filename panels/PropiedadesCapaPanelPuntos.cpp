#include "PropiedadesCapaPanelPuntos.h"

#include "PropiedadesPuntos.h"

PropiedadesCapaPanelPuntos::PropiedadesCapaPanelPuntos(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                                       const wxSize& size, long style, const wxString& name,
                                                       CSimboloObj* simboloCapa)
    : CPaginaSimbolo(parent, id, pos, size, style, name, simboloCapa) {
    wxArrayString tipos;
    tipos.Add("Marcador simple");
    tipos.Add(wxString::FromUTF8("Marcador por carácter"));
    tipos.Add("Marcador tipo icono");
    Construir(1, tipos, tipos[0], new PropiedadesPuntos(this, wxID_ANY, GetSimbolo()));
}
