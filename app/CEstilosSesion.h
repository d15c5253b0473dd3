#pragma once
// The symbols and scale ranges given to layers in this run of the viewer
// (through the layer properties dialog), by theme. Theme files are never
// written, so a theme opened again takes them back from here; they are lost
// when the viewer ends.
#include "CSimboloObj.h"

#include <wx/string.h>

#include <map>

class CCapa;
class CGestorVistaMapa;

class CEstilosSesion {
public:
    // Remembers the style of the layer at that position of the theme's map.
    void Recordar(const wxString& tema, int posicion, const CCapa& capa);
    // Gives the layers of a theme just opened the styles remembered for it;
    // a layer is known by its position and its name.
    void Aplicar(const wxString& tema, CGestorVistaMapa& gestor) const;

private:
    struct Estilo {
        wxString nombreCapa;
        CSimboloObj simbolo;
        double escalaMinima = 0.0;
        double escalaMaxima = 0.0;
    };
    std::map<wxString, std::map<int, Estilo>> m_estilos;  // theme -> position -> style
};
