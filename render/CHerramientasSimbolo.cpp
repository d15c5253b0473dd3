#include "CHerramientasSimbolo.h"

#include <algorithm>

#include <wx/dc.h>

CHerramientasSimbolo::CHerramientasSimbolo(const CSimboloObj& simbolo)
    : brocha(simbolo.GetTransparente() ? *wxTRANSPARENT_BRUSH
                                       : wxBrush(simbolo.GetColorRelleno(), wxBRUSHSTYLE_SOLID)),
      lapiz(simbolo.GetColorBorde(), std::clamp(simbolo.GetSize(), 0, kTamanoMaximo),
            EstiloLapiz(simbolo.GetEstilo())),
      directo(CTrazadoCairo::HerramientasDe(lapiz, brocha, trazo)) {}

void CHerramientasSimbolo::Seleccionar(wxDC& dc) const {
    dc.SetBrush(brocha);
    dc.SetPen(lapiz);
}

void CHerramientasSimbolo::Soltar(wxDC& dc) {
    dc.SetBrush(wxNullBrush);
    dc.SetPen(wxNullPen);
}

wxPenStyle CHerramientasSimbolo::EstiloLapiz(int estilo) {
    switch (estilo) {
    case wxPENSTYLE_SOLID:
    case wxPENSTYLE_DOT:
    case wxPENSTYLE_LONG_DASH:
    case wxPENSTYLE_SHORT_DASH:
    case wxPENSTYLE_DOT_DASH:
    case wxPENSTYLE_TRANSPARENT:
    case wxPENSTYLE_BDIAGONAL_HATCH:
    case wxPENSTYLE_CROSSDIAG_HATCH:
    case wxPENSTYLE_FDIAGONAL_HATCH:
    case wxPENSTYLE_CROSS_HATCH:
    case wxPENSTYLE_HORIZONTAL_HATCH:
    case wxPENSTYLE_VERTICAL_HATCH:
        return static_cast<wxPenStyle>(estilo);
    default:
        return wxPENSTYLE_SOLID;
    }
}
