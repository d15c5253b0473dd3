#include "CHerramientaRecuadro.h"

#include <wx/dc.h>

#include "CTransformacionMapa.h"
#include "PanelMapa.h"

namespace {
const wxColour kColorRecuadro(0, 255, 0);
constexpr int kAnchoRecuadro = 3;

wxPoint Pixel(const CCoordenadaMapa& esquina) {
    return wxPoint(CTransformacionMapa::TruncarPixel(esquina.GetCoordenadaMapaX()),
                   CTransformacionMapa::TruncarPixel(esquina.GetCoordenadaMapaY()));
}
}  // namespace

void CHerramientaRecuadro::PintarSuperposicion(wxDC& dc, const CTransformacionMapa&) {
    dc.SetPen(wxPen(kColorRecuadro, kAnchoRecuadro, wxPENSTYLE_SOLID));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    const wxPoint a = Pixel(panel.GetEsquinaRecuadro1()), b = Pixel(panel.GetEsquinaRecuadro2());
    const wxPoint puntos[] = {{b.x, b.y}, {a.x, b.y}, {a.x, a.y}, {b.x, a.y}, {b.x, b.y}};
    dc.DrawLines(5, puntos);
}
