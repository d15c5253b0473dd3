#include "CHerramientaResaltado.h"

#include <algorithm>

#include <wx/dc.h>

#include "CMediciones.h"
#include "CPointShp.h"
#include "CShape.h"
#include "CTransformacionMapa.h"
#include "PanelMapa.h"

namespace {
const wxColour kColorResaltado(255, 0, 0);
constexpr int kAnchoResaltado = 10;
}  // namespace

void CHerramientaResaltado::PintarSuperposicion(wxDC& dc, const CTransformacionMapa& vista) {
    Trazar(dc, vista, panel.GetTipoGeometriaBusqueda(), panel.GetGeometriaBusqueda());
    panel.SetAccion(PanelMapa::ACCION_NINGUNA);
}

void CHerramientaResaltado::Trazar(wxDC& dc, const CTransformacionMapa& vista, int tipoGeometria,
                                   const CMediciones* geometria) {
    if (!geometria || !vista.EsValida()) return;
    dc.SetPen(wxPen(kColorResaltado, kAnchoResaltado, wxPENSTYLE_SOLID));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    switch (tipoGeometria) {
        case CShape::Punto: {
            const int radio = CTransformacionMapa::TruncarPixel(geometria->GetPunto()->GetSize() / 2);
            dc.DrawCircle(vista.PixelPoligono(geometria->GetCoordenadaMapaPunto()), std::max(1, radio));
            break;
        }
        case CShape::Polilinea:
            if (const wxList* puntos = geometria->GetPunteroListaCoordenadasPolyLinea())
                TrazarLineas(dc, vista, *puntos, false);
            break;
        case CShape::Poligono:
            if (const wxList* puntos = geometria->GetPunteroListaCoordenadasPoligono())
                TrazarLineas(dc, vista, *puntos, true);
            break;
        default:
            break;
    }
    dc.SetBrush(wxNullBrush);
    dc.SetPen(wxNullPen);
}
