// The labels of the shapefile layer (place names): through a classification
// by text, at the points of point layers and the vertices of lines.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include <wx/dc.h>

#include "CCampoTabla.h"
#include "CCapaShp.h"
#include "CClasificacionPorTexto.h"
#include "CHerramientasSimbolo.h"
#include "CPinturaCapaShp.h"
#include "CShape.h"
#include "CSimboloTexto.h"
#include "wxTextUtil.h"

namespace {

// The reference page width against which print labels grow.
constexpr int kAnchoReferenciaImpresion = 1024;

// Base 10: leading blanks, an optional sign, digits up to the first other
// character; 0 without digits.
int EnteroDesdeTexto(const char* texto) {
    const long valor = std::strtol(texto, nullptr, 10);
    return static_cast<int>(std::clamp<long>(valor, INT_MIN, INT_MAX));
}

// The font of a label style; italic labels are light, bold wins over light.
void SeleccionarFuenteTexto(CPinturaCapaShp& pintura, wxDC& dc, int size,
                            const CSimboloTexto& estilo) {
    wxFontStyle inclinacion = wxFONTSTYLE_NORMAL;
    wxFontWeight peso = wxFONTWEIGHT_NORMAL;
    if (estilo.GetCursiva()) {
        peso = wxFONTWEIGHT_LIGHT;
        inclinacion = wxFONTSTYLE_ITALIC;
    }
    if (estilo.GetNegrita()) peso = wxFONTWEIGHT_BOLD;
    pintura.SeleccionarFuente(dc, std::min(size, CHerramientasSimbolo::kTamanoMaximo),
                              estilo.GetFuente(), inclinacion, peso);
    dc.SetTextForeground(estilo.GetColorTexto());
}

// The angle of a label from the rotation column: a text column read as a
// decimal number, a short integer column as it is; any other column, none.
double Angulo(CCampoTabla& rotacion, int registro, wxString& texto) {
    if (rotacion.GetTipo() == CampoTexto) {
        rotacion.LeerTexto(registro, texto);
        double angulo = 0.0;
        return texto.ToCDouble(&angulo) && std::isfinite(angulo) ? angulo : 0.0;
    }
    return rotacion.EsEnteroCorto() ? rotacion.LeerEntero(registro) : 0.0;
}

}  // namespace

void CCapaShp::PintarTextoPunto(wxDC* dc, const CTransformacionMapa& vista,
                                const unsigned int* elemento, const CSimboloTexto* estilo,
                                const Toponimo& toponimo) {
    if (!dc || !shape || !elemento || !estilo || estilo->GetFontSize() < 1) return;
    SeleccionarFuenteTexto(*pintura, *dc, estilo->GetFontSize(), *estilo);
    // The point is the text's top-left corner and its centre of rotation.
    CPinturaCapaShp::ParaCadaPuntoEnVista(*shape, vista, elemento, [&](const wxPoint& p) {
        dc->DrawRotatedText(toponimo.texto, p.x, p.y, toponimo.angulo);
    });
}

void CCapaShp::PintarTextoPolylinea(wxDC* dc, const CTransformacionMapa& vista,
                                    const unsigned int* elemento, const CSimboloTexto* estilo,
                                    const Toponimo& toponimo) {
    if (!dc || !shape || !elemento || !estilo) return;
    int size = estilo->GetFontSize();
    // On paper, labels along lines grow with the page against a 1024-pixel
    // screen; sizes the rule cannot scale are kept.
    if (printing && vista.GetExtension().GetAlto() != 0.0 && size >= 1 &&
        size <= kAnchoReferenciaImpresion)
        size = std::max(1, wxTextUtil::GetSizeTextPrint(kAnchoReferenciaImpresion,
                                                        vista.GetArea().GetWidth(), size));
    if (size < 1) return;
    SeleccionarFuenteTexto(*pintura, *dc, size, *estilo);
    CPinturaCapaShp::ParaCadaParteEnVista(
        *shape, vista.GetExtension(), elemento, 2, [&](const CPunto* puntos, unsigned int numPuntos) {
            // One copy at every vertex but the last.
            for (unsigned int i = 0; i + 1 < numPuntos; ++i) {
                const wxPoint p = vista.Pixel(puntos[i]);
                dc->DrawRotatedText(toponimo.texto, p.x, p.y, toponimo.angulo);
            }
        });
}

void CCapaShp::PintarCapaToponimia(wxDC* dc, const CTransformacionMapa& vista,
                                   CClasificacionPorTexto* clasificacion) {
    if (!dc || !shape || !clasificacion || !vista.EsValida()) return;
    const int tipo = shape->Tipo();
    if (tipo != CShape::Punto && tipo != CShape::Polilinea) return;
    const wxString nombreClase = clasificacion->GetCampo();
    if (nombreClase.empty()) return;
    CCampoTabla clase(*shape, dbf, nombreClase);
    CCampoTabla texto(*shape, dbf, clasificacion->GetCampoDescripcion());
    CCampoTabla rotacion(*shape, dbf, clasificacion->GetCampoRotacion());
    if (texto.GetTipo() != CampoTexto) return;
    // Floating or missing class columns select no style for any feature.
    if (clase.GetTipo() != CampoTexto && clase.GetTipo() != CampoEntero) return;

    Toponimo toponimo;
    wxString textoRotacion;
    pintura->ParaCadaRegistroEnVista(*shape, vista.GetExtension(), [&](unsigned int i) {
        const int registro = static_cast<int>(i);
        const int valorClase = clase.GetTipo() == CampoTexto
                                   ? EnteroDesdeTexto(clase.LeerTexto(registro))
                                   : clase.LeerEntero(registro);
        const CSimboloTexto* estilo = clasificacion->BuscaSimboloTexto(valorClase);
        if (!estilo) return;  // the default style is not used for labels
        const unsigned int* elemento = shape->BuscaElemento(i);
        if (!elemento || !IsInExtentElemento(elemento, vista.GetExtension())) return;
        texto.LeerTexto(registro, toponimo.texto);
        toponimo.angulo = Angulo(rotacion, registro, textoRotacion);
        if (tipo == CShape::Punto)
            PintarTextoPunto(dc, vista, elemento, estilo, toponimo);
        else
            PintarTextoPolylinea(dc, vista, elemento, estilo, toponimo);
    });
    if (tipo == CShape::Punto) CHerramientasSimbolo::Soltar(*dc);
}
