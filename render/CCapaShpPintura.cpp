// The features of the shapefile layer: painted with the layer's symbol or
// through a classification by value. Geometry is read in place from the
// reader's mapping; nothing is copied but the pixels of one polygon ring.
#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

#include <wx/dc.h>

#include "CCampoTabla.h"
#include "CCapaShp.h"
#include "CCapasEnMapa.h"
#include "CClasificacionPorValor.h"
#include "CHerramientasSimbolo.h"
#include "CPinturaCapaShp.h"
#include "CShape.h"

namespace {

bool TipoPintado(int tipo) {
    return tipo == CShape::Punto || tipo == CShape::Polilinea || tipo == CShape::Poligono;
}

bool MarcadorCaracter(const CSimboloObj& simbolo) {
    return simbolo.GetEstilo() == CSimboloObj::ESTILO_MARCADOR_CARACTER;
}

// A floating value as the table writes it, with the column's decimals, so
// that the class values of polygon layers are written as in the table.
wxString TextoDeReal(double valor, int decimales) {
    return wxString::Format(wxT("%.*f"), std::clamp(decimales, 0, 15), valor);
}

// The symbol of each feature, looked up once per value met: the lookup goes
// through the classes in order, comparing texts.
class SimbolosPorValor {
public:
    explicit SimbolosPorValor(CClasificacionPorValor& clasificacion)
        : clasificacion(clasificacion) {}

    // The feature's value in the column; polygon layers (`comoTexto`) match
    // numbers as the text they are written as.
    const CSimboloObj* De(CCampoTabla& campo, int registro, bool comoTexto) {
        switch (campo.GetTipo()) {
        case CampoTexto:
            return Texto(campo.LeerTexto(registro));
        case CampoEntero:
            return Entero(campo.LeerEntero(registro), comoTexto);
        case CampoReal:
            return Real(campo.LeerReal(registro), campo.GetDecimales(), comoTexto);
        default:
            return nullptr;
        }
    }

private:
    const CSimboloObj* Entero(int valor, bool comoTexto) {
        auto& memoria = comoTexto ? porEnteroTexto : porEntero;
        const auto hallado = memoria.find(valor);
        if (hallado != memoria.end()) return hallado->second;
        const CSimboloObj* simbolo =
            comoTexto ? clasificacion.BuscaSimboloValor(wxString::Format("%d", valor))
                      : clasificacion.BuscaSimboloValor(valor);
        memoria.emplace(valor, simbolo);
        return simbolo;
    }

    const CSimboloObj* Real(double valor, int decimales, bool comoTexto) {
        if (std::isnan(valor))  // NaN is no key; rare enough to look up each time
            return Buscar(valor, decimales, comoTexto);
        auto& memoria = comoTexto ? porRealTexto : porReal;
        const auto hallado = memoria.find(valor);
        if (hallado != memoria.end()) return hallado->second;
        const CSimboloObj* simbolo = Buscar(valor, decimales, comoTexto);
        memoria.emplace(valor, simbolo);
        return simbolo;
    }

    const CSimboloObj* Buscar(double valor, int decimales, bool comoTexto) {
        return comoTexto ? clasificacion.BuscaSimboloValor(TextoDeReal(valor, decimales))
                         : clasificacion.BuscaSimboloValor(valor);
    }

    // `bytes`: the column's raw text, trailing blanks and all.
    const CSimboloObj* Texto(const char* bytes) {
        clave.assign(bytes);
        const auto hallado = porTexto.find(clave);
        if (hallado != porTexto.end()) return hallado->second;
        CCampoTabla::AsignarTexto(valorTexto, bytes);
        const CSimboloObj* simbolo = clasificacion.BuscaSimboloValor(valorTexto);
        porTexto.emplace(clave, simbolo);
        return simbolo;
    }

    CClasificacionPorValor& clasificacion;
    std::unordered_map<int, const CSimboloObj*> porEntero, porEnteroTexto;
    std::unordered_map<double, const CSimboloObj*> porReal, porRealTexto;
    std::unordered_map<std::string, const CSimboloObj*> porTexto;
    std::string clave;
    wxString valorTexto;
};

// One feature with a symbol: polygons with `herramientas` straight into
// cairo when given and possible, everything else with the tools selected in
// the device context.
void PintarElemento(CCapaShp& capa, CPinturaCapaShp& pintura, wxDC& dc,
                    const CTransformacionMapa& vista, const unsigned int* elemento,
                    const CSimboloObj& simbolo, CTrazadoCairo& trazado,
                    const CTrazadoCairo::Herramientas* herramientas) {
    switch (capa.GetShape()->Tipo()) {
    case CShape::Punto:
        if (MarcadorCaracter(simbolo))
            capa.PintarPuntoConFuente(&dc, vista, elemento, &simbolo);
        else
            capa.PintarPunto(&dc, vista, elemento);
        break;
    case CShape::Polilinea:
        capa.PintarPolylinea(&dc, vista, elemento);
        break;
    case CShape::Poligono:
        pintura.PintarAnillos(dc, *capa.GetShape(), vista, elemento, trazado, herramientas);
        break;
    default:
        break;
    }
}

}  // namespace

void CCapaShp::PintarCapa(wxDC* dc, const CTransformacionMapa& vista,
                          const CCapasEnMapa& capaEnMapa) {
    switch (capaEnMapa.GetPintura()) {
    case CCapasEnMapa::Pintura::Simbolo:
        PintarCapa(dc, vista);
        break;
    case CCapasEnMapa::Pintura::PorValor:
        PintarCapaConClasificacion(dc, vista, capaEnMapa.GetClasificacion());
        break;
    case CCapasEnMapa::Pintura::PorTexto:
        PintarCapaToponimia(dc, vista, capaEnMapa.GetClasificacionTexto());
        break;
    }
}

bool CCapaShp::IsInExtentElemento(const unsigned int* elemento, const CExtensionMapa& ext) const {
    if (!shape || !elemento) return false;
    const unsigned int partes = shape->NumPartes(elemento);
    for (unsigned int parte = 0; parte < partes; ++parte) {
        unsigned int numPuntos = 0;
        const CPunto* puntos = shape->BuscaPuntos(elemento, parte, &numPuntos);
        if (IsInExtent(puntos, static_cast<int>(numPuntos), ext)) return true;
    }
    return false;
}

// Records are picked by the spatial index, and each part is tested against
// the view on its own points as it is painted: the box a record stores is
// never trusted.
void CCapaShp::PintarCapa(wxDC* dc, const CTransformacionMapa& vista) {
    if (!dc || !shape || !vista.EsValida() || !TipoPintado(shape->Tipo())) return;
    const CHerramientasSimbolo herramientas(simbolo);
    herramientas.Seleccionar(*dc);
    const bool poligonos = shape->Tipo() == CShape::Poligono;
    CTrazadoCairo trazado(dc, poligonos ? &pintura->CacheAnillos() : nullptr);
    pintura->ParaCadaRegistroEnVista(*shape, vista.GetExtension(), [&](unsigned int i) {
        // The reader checks the whole record before it hands it out.
        const unsigned int* elemento = shape->BuscaElemento(i);
        if (elemento)
            PintarElemento(*this, *pintura, *dc, vista, elemento, simbolo, trazado,
                           herramientas.GetTrazo());
    });
    CHerramientasSimbolo::Soltar(*dc);
}

void CCapaShp::PintarCapaConClasificacion(wxDC* dc, const CTransformacionMapa& vista,
                                          CClasificacionPorValor* clasificacion) {
    if (!dc || !shape || !clasificacion || !vista.EsValida() || !TipoPintado(shape->Tipo()))
        return;
    CCampoTabla campo(*shape, dbf, clasificacion->GetCampo());
    if (campo.GetTipo() == CampoInvalido) return;  // a missing column draws nothing

    const bool poligonos = shape->Tipo() == CShape::Poligono;
    CTrazadoCairo trazado(dc, poligonos ? &pintura->CacheAnillos() : nullptr);
    SimbolosPorValor simbolos(*clasificacion);
    std::unordered_map<const CSimboloObj*, CHerramientasSimbolo> herramientasDe;
    const CSimboloObj* seleccionado = nullptr;  // tools are selected only on change
    pintura->ParaCadaRegistroEnVista(*shape, vista.GetExtension(), [&](unsigned int i) {
        const unsigned int* elemento = shape->BuscaElemento(i);
        if (!elemento) return;
        const CSimboloObj* simboloElemento = simbolos.De(campo, static_cast<int>(i), poligonos);
        if (!simboloElemento) return;
        const CHerramientasSimbolo& herramientas =
            herramientasDe.try_emplace(simboloElemento, *simboloElemento).first->second;
        // Polygons drawn straight into cairo need no tools in the device
        // context, whose selection is costly.
        const CTrazadoCairo::Herramientas* directas =
            poligonos && trazado.Activo() ? herramientas.GetTrazo() : nullptr;
        if (!directas && simboloElemento != seleccionado) {
            herramientas.Seleccionar(*dc);
            seleccionado = simboloElemento;
        }
        PintarElemento(*this, *pintura, *dc, vista, elemento, *simboloElemento, trazado, directas);
    });
    CHerramientasSimbolo::Soltar(*dc);
}

void CCapaShp::PintarPunto(wxDC* dc, const CTransformacionMapa& vista,
                           const unsigned int* elemento) {
    if (!dc || !shape || !elemento) return;
    // Under a classification too the radius is the layer's own.
    const int radio = std::min(simbolo.GetSize(), CHerramientasSimbolo::kTamanoMaximo);
    if (radio < 0) return;
    CPinturaCapaShp::ParaCadaPuntoEnVista(*shape, vista, elemento, [&](const wxPoint& p) {
        dc->DrawEllipse(p.x - radio, p.y - radio, 2 * radio, 2 * radio);
    });
}

void CCapaShp::PintarPuntoConFuente(wxDC* dc, const CTransformacionMapa& vista,
                                    const unsigned int* elemento,
                                    const CSimboloObj* simboloElemento) {
    if (!dc || !shape || !elemento || !simboloElemento) return;
    const int codigo = simboloElemento->GetCharIndex();
    // A font of no size draws nothing; a code that is no character neither.
    if (simboloElemento->GetSize() < 1 || codigo < 1 || codigo > 0x10FFFF ||
        (codigo >= 0xD800 && codigo <= 0xDFFF))
        return;
    const wxString caracter(wxUniChar(static_cast<unsigned int>(codigo)));
    pintura->SeleccionarFuente(*dc, std::min(simboloElemento->GetSize(), CHerramientasSimbolo::kTamanoMaximo),
                               simboloElemento->GetFuente(), wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    dc->SetTextForeground(simboloElemento->GetColorRelleno());
    wxCoord ancho = 0, alto = 0;
    dc->GetTextExtent(caracter, &ancho, &alto);
    CPinturaCapaShp::ParaCadaPuntoEnVista(*shape, vista, elemento, [&](const wxPoint& p) {
        dc->DrawText(caracter, p.x - ancho / 2, p.y - alto / 2);
    });
}

void CCapaShp::PintarPolylinea(wxDC* dc, const CTransformacionMapa& vista,
                               const unsigned int* elemento) {
    if (!dc || !shape || !elemento) return;
    CPinturaCapaShp::ParaCadaParteEnVista(
        *shape, vista.GetExtension(), elemento, 2, [&](const CPunto* puntos, unsigned int numPuntos) {
            wxPoint anterior = vista.Pixel(puntos[0]);
            for (unsigned int i = 1; i < numPuntos; ++i) {
                const wxPoint actual = vista.Pixel(puntos[i]);
                dc->DrawLine(anterior, actual);
                anterior = actual;
            }
        });
}

void CCapaShp::PintarPoligono(wxDC* dc, const CTransformacionMapa& vista,
                              const unsigned int* elemento) {
    if (!dc || !shape) return;
    CTrazadoCairo trazado(dc, &pintura->CacheAnillos());
    CTrazadoCairo::Herramientas herramientas;
    const bool directo = CTrazadoCairo::HerramientasDe(dc->GetPen(), dc->GetBrush(), herramientas);
    pintura->PintarAnillos(*dc, *shape, vista, elemento, trazado, directo ? &herramientas : nullptr);
}
