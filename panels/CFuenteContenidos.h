#pragma once
// Where the information window finds the contents (pictures with a
// description) attached to a feature. The gazetteer answers it; it is handed
// in from above, since the panels do not reach the database themselves.
#include <wx/string.h>

#include <vector>

class CFuenteContenidos {
public:
    struct Contenido {
        wxString descripcion;
        wxString ruta;  // the picture's full path
    };

    virtual ~CFuenteContenidos() = default;

    // The contents of the feature whose code is `codigo` in the layer file
    // `archivo` (relative to the data directory `rutaDatos`, as in
    // "Medio_humano/Municipios.shp") on map `mapa` (1, 2 or 3), in the order
    // they are listed. Empty when there are none or they cannot be read.
    virtual std::vector<Contenido> Contenidos(const wxString& rutaDatos, const wxString& archivo,
                                              const wxString& codigo, int mapa) = 0;
};
