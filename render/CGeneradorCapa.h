#pragma once
// Makes the right kind of layer for a data file path.
#include <memory>

#include <wx/object.h>
#include <wx/string.h>

#include "CCapa.h"

class CGeneradorCapa : public wxObject {
public:
    // A new, not yet initialised shapefile layer when the path contains
    // ".shp" (case-sensitive: callers lower-case paths they do not control);
    // no layer otherwise. The caller names it, sets its path and calls
    // InicializarCapa.
    std::unique_ptr<CCapa> GenerarCapa(const wxString& ruta) const;
};
