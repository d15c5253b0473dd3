// Search hits in the shapefile layer: the feature named by a code column and
// a code value, located in pixels of a view and outlined in red.
#include <wx/dc.h>

#include "CCampoTabla.h"
#include "CCapaShp.h"
#include "CInfoCapa.h"
#include "CHerramientasSimbolo.h"
#include "CPinturaCapaShp.h"
#include "CShape.h"

namespace {
const wxColour kColorResaltado(255, 0, 0);
constexpr int kAnchoResaltado = 10;
}  // namespace

int CCapaShp::BuscaElementoPorCodigo(const wxString& campoCodigo, const wxString& codigo) const {
    if (!shape || campoCodigo.empty()) return -1;
    CCampoTabla campo(*shape, dbf, campoCodigo);
    if (campo.GetTipo() != CampoTexto) return -1;
    wxString valor;
    const unsigned int total = shape->NumElementos();
    for (unsigned int i = 0; i < total; ++i) {
        campo.LeerTexto(static_cast<int>(i), valor);
        if (valor == codigo) return shape->BuscaElemento(i) ? static_cast<int>(i) : -1;
    }
    return -1;
}

std::vector<wxPoint> CCapaShp::PixelesParte(const unsigned int* elemento, unsigned int parte,
                                            const CTransformacionMapa& vista) const {
    std::vector<wxPoint> pixeles;
    if (!shape || !elemento || !vista.EsValida()) return pixeles;
    unsigned int numPuntos = 0;
    const CPunto* puntos = shape->BuscaPuntos(elemento, parte, &numPuntos);
    if (!puntos) return pixeles;
    pixeles.reserve(numPuntos);
    const bool poligonos = shape->Tipo() == CShape::Poligono;
    for (unsigned int i = 0; i < numPuntos; ++i)
        pixeles.push_back(poligonos ? vista.PixelPoligono(puntos[i]) : vista.Pixel(puntos[i]));
    return pixeles;
}

// The reader's record of the hit, for the types a hit can be found in.
const unsigned int* CCapaShp::ElementoBuscado(const wxString& campoCodigo, const wxString& codigo,
                                              unsigned int* indice) const {
    if (!shape) return nullptr;
    const int tipo = shape->Tipo();
    if (tipo != CShape::Punto && tipo != CShape::Polilinea && tipo != CShape::Poligono)
        return nullptr;
    const int hallado = BuscaElementoPorCodigo(campoCodigo, codigo);
    if (hallado < 0) return nullptr;
    if (indice) *indice = static_cast<unsigned int>(hallado);
    return shape->BuscaElemento(static_cast<unsigned int>(hallado));
}

std::vector<wxPoint> CCapaShp::LocElementoBusqueda(const wxRect& rect,
                                                   const CExtensionMapa& vista,
                                                   const wxString& campoCodigo,
                                                   const wxString& codigo) const {
    const unsigned int* elemento = ElementoBuscado(campoCodigo, codigo);
    const unsigned int partes = elemento ? shape->NumPartes(elemento) : 0;
    if (partes == 0) return {};
    // Multi-part features are located by their last part.
    return PixelesParte(elemento, partes - 1, CTransformacionMapa(rect, vista));
}

void CCapaShp::PintarElementoCapa(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                                  const wxString& campoCodigo, const wxString& codigo) {
    const CTransformacionMapa transformacion(rect, vista);
    if (!dc || !transformacion.EsValida()) return;
    unsigned int indice = 0;
    const unsigned int* elemento = ElementoBuscado(campoCodigo, codigo, &indice);
    // A hit that the spatial index places out of the view has nothing to draw.
    if (!elemento || !pintura->PuedeVerse(*shape, vista, indice)) return;
    dc->SetBrush(*wxTRANSPARENT_BRUSH);
    dc->SetPen(wxPen(kColorResaltado, kAnchoResaltado,
                     CHerramientasSimbolo::EstiloLapiz(simbolo.GetEstilo())));
    // Points are outlined as circles of the layer's radius, even when the
    // layer draws character markers.
    switch (shape->Tipo()) {
    case CShape::Punto:
        PintarPunto(dc, transformacion, elemento);
        break;
    case CShape::Polilinea:
        PintarPolylinea(dc, transformacion, elemento);
        break;
    default:
        PintarPoligono(dc, transformacion, elemento);
        break;
    }
    CHerramientasSimbolo::Soltar(*dc);
}

std::vector<wxPoint> CCapaShp::LocElementoBusqueda(const wxRect& rect, const CExtensionMapa& vista,
                                                   const CInfoCapa& registro) const {
    return LocElementoBusqueda(rect, vista, registro.GetCampoCodigo(), registro.GetCodigo());
}

void CCapaShp::PintarElementoCapa(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                                  const CInfoCapa& registro) {
    PintarElementoCapa(dc, rect, vista, registro.GetCampoCodigo(), registro.GetCodigo());
}
