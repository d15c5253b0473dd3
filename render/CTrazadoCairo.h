#pragma once
// Polygon rings drawn straight into the cairo context behind a device
// context. The toolkit builds a path object (with a context of its own) and
// copies the points for every polygon it draws; painting many small features
// spends most of its time there. The drawing here is the toolkit's own: same
// path, tools, fill rule and half-pixel offset, so the pixels are the same.
#include <wx/dc.h>
#include <wx/gdicmn.h>

class CTrazadoCairo {
public:
    // Draws the ring as dc->DrawPolygon(n, pixeles, 0, 0, wxODDEVEN_RULE)
    // would. False, having drawn nothing, when the context is not cairo's,
    // smooths edges, or has tools or a transformation this drawing does not
    // reproduce;
    // the caller then asks the device context itself.
    static bool Poligono(wxDC* dc, const wxPoint* pixeles, int n);
};
