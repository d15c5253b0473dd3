#pragma once
// Polygon rings drawn straight into the cairo context behind a device
// context. The toolkit builds a path object (with a context of its own) and
// copies the points for every polygon it draws, and selecting a pen or brush
// builds a cairo pattern; painting many small features spends most of its
// time there. The drawing here is the toolkit's own: same path, tools, fill
// rule and half-pixel offset, so the pixels are the same. Rings a few pixels
// across are copied from a coverage cache when the target is an image in
// memory.
#include <cairo.h>
#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/gdicmn.h>
#include <wx/pen.h>
#include <wx/brush.h>

class CCacheAnillos;

class CTrazadoCairo {
public:
    // The tools of one symbol, as far as direct drawing reproduces them: a
    // solid fill, a solid outline with round ends and joins.
    struct Herramientas {
        bool rellena = false;
        wxColour relleno;
        bool traza = false;
        wxColour borde;
        int ancho = 1;
    };

    // The tools of a pen and a brush; false when direct drawing does not
    // reproduce them (dashes, hatches, other line ends, zero width).
    static bool HerramientasDe(const wxPen& lapiz, const wxBrush& brocha,
                               Herramientas& herramientas);

    // Bound to the cairo context behind `dc` when it draws hard-edged, with
    // the plain copy function, in device pixels; inactive otherwise. The
    // cache, when given, must outlive this object.
    CTrazadoCairo(wxDC* dc, CCacheAnillos* cache);
    ~CTrazadoCairo();
    CTrazadoCairo(const CTrazadoCairo&) = delete;
    CTrazadoCairo& operator=(const CTrazadoCairo&) = delete;

    bool Activo() const { return cr != nullptr; }

    // Draws the ring as the device context would with these tools selected
    // and dc->DrawPolygon(n, pixeles, 0, 0, wxODDEVEN_RULE). False, having
    // drawn nothing, when inactive or for a ring of fewer than two points
    // (a degenerate path the toolkit has its own checks for).
    bool Poligono(const Herramientas& herramientas, const wxPoint* pixeles, int n);

    // The same with the tools selected in `dc`, for a single ring.
    static bool Poligono(wxDC* dc, const wxPoint* pixeles, int n);

private:
    bool DesdeCache(const Herramientas& herramientas, const wxPoint* pixeles, int n, int minX,
                    int minY, bool desplaza);
    void Trazar(const Herramientas& herramientas, const wxPoint* pixeles, int n, bool desplaza);

    wxDC* dc = nullptr;
    cairo_t* cr = nullptr;
    bool desplazaImpares = false;  // the toolkit's offset for odd-width outlines
    CCacheAnillos* cache = nullptr;
    // The image written to directly, the part of it drawing may touch and
    // where the device origin lies in it (all in the image's own pixels).
    unsigned char* datos = nullptr;
    int paso = 0;
    wxRect recorte;
    wxPoint origen;
    bool escritoDirecto = false;  // pixels written since cairo last drew
};
