#pragma once
// The drawing tools of a symbol: a solid brush of its fill colour (a
// transparent one when the symbol is transparent) and a pen of its border
// colour, size and style; and the same tools for drawing polygons straight
// into cairo, when that drawing reproduces them.
#include <wx/brush.h>
#include <wx/pen.h>

#include "CSimboloObj.h"
#include "CTrazadoCairo.h"

class wxDC;

class CHerramientasSimbolo {
public:
    // Sizes from a theme file are untrusted: markers, pen widths and fonts
    // are held to what a screen or a page can show, so that no size can
    // overflow a pixel computation or make the toolkit build a huge glyph.
    static constexpr int kTamanoMaximo = 4096;

    explicit CHerramientasSimbolo(const CSimboloObj& simbolo);

    const wxBrush& GetBrocha() const { return brocha; }
    const wxPen& GetLapiz() const { return lapiz; }
    // The tools for direct cairo drawing; null when it does not reproduce
    // them (dashes, hatches, zero width).
    const CTrazadoCairo::Herramientas* GetTrazo() const { return directo ? &trazo : nullptr; }

    void Seleccionar(wxDC& dc) const;
    // Leaves no brush or pen selected.
    static void Soltar(wxDC& dc);

    // Pen styles the toolkit draws from the style alone. Others (stipples,
    // user dashes) need data a symbol does not carry, and numbers that are
    // no pen style at all draw as the toolkit draws unknown styles: solid.
    static wxPenStyle EstiloLapiz(int estilo);

private:
    wxBrush brocha;
    wxPen lapiz;
    CTrazadoCairo::Herramientas trazo;
    bool directo = false;
};
