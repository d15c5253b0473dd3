#include "CTrazadoCairo.h"

#include <algorithm>
#include <cstdint>

#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/pen.h>

#include "CCacheAnillos.h"

namespace {

void Color(cairo_t* cr, const wxColour& color) {
    cairo_set_source_rgba(cr, color.Red() / 255.0, color.Green() / 255.0, color.Blue() / 255.0,
                          color.Alpha() / 255.0);
}

// The cairo context behind `dc` when it draws hard-edged (as maps are
// painted) in device pixels, moved at most by a translation (the device
// origin).
cairo_t* ContextoCairo(wxDC* dc) {
    wxGraphicsContext* gc = dc->GetGraphicsContext();
    if (!gc || gc->GetRenderer() != wxGraphicsRenderer::GetCairoRenderer() ||
        gc->GetContentScaleFactor() != 1.0)
        return nullptr;
    cairo_t* cr = static_cast<cairo_t*>(gc->GetNativeContext());
    if (!cr || cairo_status(cr) != CAIRO_STATUS_SUCCESS ||
        cairo_get_antialias(cr) != CAIRO_ANTIALIAS_NONE)
        return nullptr;
    // Scaled or rotated drawing would need the toolkit's offset rule for it.
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    return m.xx == 1.0 && m.yy == 1.0 && m.xy == 0.0 && m.yx == 0.0 ? cr : nullptr;
}

// The device origin as whole pixels, when it is one.
bool OrigenEntero(cairo_t* cr, wxPoint& origen) {
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    if (m.x0 != static_cast<int>(m.x0) || m.y0 != static_cast<int>(m.y0)) return false;
    origen = wxPoint(static_cast<int>(m.x0), static_cast<int>(m.y0));
    return true;
}

// Whole-pixel bounds of the clip, when it is one rectangle (in user pixels).
bool RecorteRectangular(cairo_t* cr, wxRect& recorte) {
    cairo_rectangle_list_t* lista = cairo_copy_clip_rectangle_list(cr);
    bool bien = lista->status == CAIRO_STATUS_SUCCESS && lista->num_rectangles == 1;
    if (bien) {
        const cairo_rectangle_t& r = lista->rectangles[0];
        bien = r.x == static_cast<int>(r.x) && r.y == static_cast<int>(r.y) &&
               r.width == static_cast<int>(r.width) && r.height == static_cast<int>(r.height);
        if (bien)
            recorte = wxRect(static_cast<int>(r.x), static_cast<int>(r.y),
                             static_cast<int>(r.width), static_cast<int>(r.height));
    }
    cairo_rectangle_list_destroy(lista);
    return bien;
}

bool Opaco(const wxColour& color) { return color.Alpha() == wxALPHA_OPAQUE; }

// The pixel cairo writes for an opaque colour in 24- and 32-bit images.
std::uint32_t Pixel(const wxColour& color) {
    return 0xFF000000u | static_cast<std::uint32_t>(color.Red()) << 16 |
           static_cast<std::uint32_t>(color.Green()) << 8 | color.Blue();
}

}  // namespace

bool CTrazadoCairo::HerramientasDe(const wxPen& lapiz, const wxBrush& brocha, Herramientas& h) {
    h.traza = lapiz.IsOk() && lapiz.GetStyle() != wxPENSTYLE_TRANSPARENT;
    h.rellena = brocha.IsOk() && brocha.GetStyle() != wxBRUSHSTYLE_TRANSPARENT;
    // Only the plain tools symbols use: dashes, hatches and other line ends
    // stay with the toolkit.
    if (h.traza) {
        if (lapiz.GetStyle() != wxPENSTYLE_SOLID || lapiz.GetCap() != wxCAP_ROUND ||
            lapiz.GetJoin() != wxJOIN_ROUND || lapiz.GetWidth() < 1)
            return false;
        h.borde = lapiz.GetColour();
        h.ancho = lapiz.GetWidth();
    }
    if (h.rellena) {
        if (brocha.GetStyle() != wxBRUSHSTYLE_SOLID) return false;
        h.relleno = brocha.GetColour();
    }
    return true;
}

CTrazadoCairo::CTrazadoCairo(wxDC* dc, CCacheAnillos* cache) : dc(dc), cache(cache) {
    if (!dc || dc->GetLogicalFunction() != wxCOPY) return;
    cr = ContextoCairo(dc);
    if (!cr) return;
    desplazaImpares = dc->GetGraphicsContext()->OffsetEnabled();
    // Direct writes need a plain image in memory under a rectangular clip.
    cairo_surface_t* destino = cairo_get_group_target(cr);
    double dx = 0.0, dy = 0.0;
    cairo_surface_get_device_offset(destino, &dx, &dy);
    if (!cache || cairo_surface_get_type(destino) != CAIRO_SURFACE_TYPE_IMAGE || dx != 0.0 ||
        dy != 0.0)
        return;
    const cairo_format_t formato = cairo_image_surface_get_format(destino);
    if (formato != CAIRO_FORMAT_RGB24 && formato != CAIRO_FORMAT_ARGB32) return;
    // Written pixels are the surface's own: user pixels moved by the origin.
    if (!OrigenEntero(cr, origen) || !RecorteRectangular(cr, recorte)) return;
    recorte.Offset(origen);
    recorte.Intersect(wxRect(0, 0, cairo_image_surface_get_width(destino),
                             cairo_image_surface_get_height(destino)));
    datos = cairo_image_surface_get_data(destino);
    paso = cairo_image_surface_get_stride(destino);
}

CTrazadoCairo::~CTrazadoCairo() {
    if (escritoDirecto) cairo_surface_mark_dirty(cairo_get_group_target(cr));
}

bool CTrazadoCairo::Poligono(wxDC* dc, const wxPoint* pixeles, int n) {
    Herramientas herramientas;
    if (!dc || !HerramientasDe(dc->GetPen(), dc->GetBrush(), herramientas)) return false;
    CTrazadoCairo trazado(dc, nullptr);
    return trazado.Poligono(herramientas, pixeles, n);
}

bool CTrazadoCairo::Poligono(const Herramientas& h, const wxPoint* pixeles, int n) {
    if (!cr || !pixeles || n < 2) return false;
    if (h.traza && h.ancho < 1) return false;
    if (!h.traza && !h.rellena) return true;
    int minX = pixeles[0].x, maxX = minX, minY = pixeles[0].y, maxY = minY;
    for (int i = 1; i < n; ++i) {
        minX = std::min(minX, pixeles[i].x);
        maxX = std::max(maxX, pixeles[i].x);
        minY = std::min(minY, pixeles[i].y);
        maxY = std::max(maxY, pixeles[i].y);
    }
    // The toolkit moves odd-width outlines (and their fill) half a pixel so
    // that they cover whole pixels.
    const bool desplaza = desplazaImpares && h.traza && h.ancho % 2 == 1;
    if (!DesdeCache(h, pixeles, n, minX, minY, desplaza)) Trazar(h, pixeles, n, desplaza);
    // The device context keeps the box of what is drawn on it.
    dc->CalcBoundingBox(minX, minY);
    dc->CalcBoundingBox(maxX, maxY);
    return true;
}

bool CTrazadoCairo::DesdeCache(const Herramientas& h, const wxPoint* pixeles, int n, int minX,
                               int minY, bool desplaza) {
    if (!datos || (h.rellena && !Opaco(h.relleno)) || (h.traza && !Opaco(h.borde))) return false;
    // Everything the ring may cover must lie inside the clip.
    const int x0 = minX + origen.x - CCacheAnillos::kMargen;
    const int y0 = minY + origen.y - CCacheAnillos::kMargen;
    constexpr int lado = CCacheAnillos::kLadoMaximo + 2 * CCacheAnillos::kMargen;
    if (x0 < recorte.x || y0 < recorte.y || x0 + lado > recorte.GetRight() + 1 ||
        y0 + lado > recorte.GetBottom() + 1)
        return false;
    CCacheAnillos::Cobertura cobertura;
    if (!cache->Buscar(pixeles, n, minX, minY, h.traza ? h.ancho : 0, desplaza, cobertura))
        return false;
    if (!escritoDirecto) {
        cairo_surface_flush(cairo_get_group_target(cr));
        escritoDirecto = true;
    }
    unsigned char* esquina = datos + static_cast<std::ptrdiff_t>(y0) * paso + 4 * x0;
    auto pintar = [&](const std::uint8_t* desplazamientos, int numero, std::uint32_t valor) {
        for (int i = 0; i < numero; ++i) {
            const std::uint8_t dx = desplazamientos[2 * i], dy = desplazamientos[2 * i + 1];
            reinterpret_cast<std::uint32_t*>(esquina + dy * paso)[dx] = valor;
        }
    };
    if (h.rellena) pintar(cobertura.relleno, cobertura.numRelleno, Pixel(h.relleno));
    if (h.traza) pintar(cobertura.borde, cobertura.numBorde, Pixel(h.borde));
    return true;
}

void CTrazadoCairo::Trazar(const Herramientas& h, const wxPoint* pixeles, int n, bool desplaza) {
    cairo_surface_t* destino = cairo_get_group_target(cr);
    if (escritoDirecto) {
        cairo_surface_mark_dirty(destino);
        escritoDirecto = false;
    }
    if (desplaza) cairo_translate(cr, 0.5, 0.5);
    // Closed by repeating the first point, not by closing the path: the
    // outline's ends are caps, as the toolkit draws them.
    cairo_new_path(cr);
    cairo_move_to(cr, pixeles[0].x, pixeles[0].y);
    for (int i = 1; i < n; ++i) cairo_line_to(cr, pixeles[i].x, pixeles[i].y);
    if (pixeles[n - 1] != pixeles[0]) cairo_line_to(cr, pixeles[0].x, pixeles[0].y);
    if (h.rellena) {
        Color(cr, h.relleno);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill_preserve(cr);
    }
    if (h.traza) {
        Color(cr, h.borde);
        cairo_set_line_width(cr, h.ancho);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_dash(cr, nullptr, 0, 0.0);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
    if (desplaza) cairo_translate(cr, -0.5, -0.5);
}
