#include "CTrazadoCairo.h"

#include <algorithm>

#include <cairo.h>
#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/pen.h>

namespace {

void Color(cairo_t* cr, const wxColour& color) {
    cairo_set_source_rgba(cr, color.Red() / 255.0, color.Green() / 255.0, color.Blue() / 255.0,
                          color.Alpha() / 255.0);
}

// The cairo context behind `dc` when it draws hard-edged (as maps are
// painted) in plain device pixels.
cairo_t* ContextoCairo(wxDC* dc) {
    wxGraphicsContext* gc = dc->GetGraphicsContext();
    if (!gc || gc->GetRenderer() != wxGraphicsRenderer::GetCairoRenderer() ||
        gc->GetContentScaleFactor() != 1.0)
        return nullptr;
    cairo_t* cr = static_cast<cairo_t*>(gc->GetNativeContext());
    if (!cr || cairo_get_antialias(cr) != CAIRO_ANTIALIAS_NONE) return nullptr;
    // Scaled or rotated drawing would need the toolkit's offset rule for it.
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    return m.xx == 1.0 && m.yy == 1.0 && m.xy == 0.0 && m.yx == 0.0 ? cr : nullptr;
}

}  // namespace

bool CTrazadoCairo::Poligono(wxDC* dc, const wxPoint* pixeles, int n) {
    // A single point is a degenerate path the toolkit has its own checks for.
    if (!dc || !pixeles || n < 2 || dc->GetLogicalFunction() != wxCOPY) return false;
    const wxPen& lapiz = dc->GetPen();
    const wxBrush& brocha = dc->GetBrush();
    const bool traza = lapiz.IsOk() && lapiz.GetStyle() != wxPENSTYLE_TRANSPARENT;
    const bool rellena = brocha.IsOk() && brocha.GetStyle() != wxBRUSHSTYLE_TRANSPARENT;
    // Only the plain tools symbols use: dashes, hatches and other line ends
    // stay with the toolkit.
    if (traza && (lapiz.GetStyle() != wxPENSTYLE_SOLID || lapiz.GetCap() != wxCAP_ROUND ||
                  lapiz.GetJoin() != wxJOIN_ROUND || lapiz.GetWidth() < 1))
        return false;
    if (rellena && brocha.GetStyle() != wxBRUSHSTYLE_SOLID) return false;
    cairo_t* cr = ContextoCairo(dc);
    if (!cr) return false;
    if (!traza && !rellena) return true;

    // The toolkit moves odd-width outlines (and their fill) half a pixel so
    // that they cover whole pixels.
    const bool desplaza = dc->GetGraphicsContext()->ShouldOffset();
    if (desplaza) cairo_translate(cr, 0.5, 0.5);
    // Closed by repeating the first point, not by closing the path: the
    // outline's ends are caps, as the toolkit draws them.
    cairo_new_path(cr);
    cairo_move_to(cr, pixeles[0].x, pixeles[0].y);
    int minX = pixeles[0].x, maxX = minX, minY = pixeles[0].y, maxY = minY;
    for (int i = 1; i < n; ++i) {
        cairo_line_to(cr, pixeles[i].x, pixeles[i].y);
        minX = std::min(minX, pixeles[i].x);
        maxX = std::max(maxX, pixeles[i].x);
        minY = std::min(minY, pixeles[i].y);
        maxY = std::max(maxY, pixeles[i].y);
    }
    if (pixeles[n - 1] != pixeles[0]) cairo_line_to(cr, pixeles[0].x, pixeles[0].y);
    if (rellena) {
        Color(cr, brocha.GetColour());
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill_preserve(cr);
    }
    if (traza) {
        Color(cr, lapiz.GetColour());
        cairo_set_line_width(cr, lapiz.GetWidth());
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_dash(cr, nullptr, 0, 0.0);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
    if (desplaza) cairo_translate(cr, -0.5, -0.5);
    // The device context keeps the box of what is drawn on it.
    dc->CalcBoundingBox(minX, minY);
    dc->CalcBoundingBox(maxX, maxY);
    return true;
}
