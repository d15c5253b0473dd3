// The drawing side of the shapefile layer: features with the layer's symbol
// or through a classification by value, and labels through a classification
// by text. Geometry is read in place from the reader's mapping; nothing is
// copied but the pixels of one polygon ring, into a buffer kept by the layer.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

#include <wx/brush.h>
#include <wx/dc.h>
#include <wx/font.h>
#include <wx/pen.h>

#include "CCacheAnillos.h"
#include "CCapaShp.h"
#include "CClasificacionPorTexto.h"
#include "CClasificacionPorValor.h"
#include "CDbf.h"
#include "CInfoCapa.h"
#include "CProyeccionPoligono.h"
#include "CShape.h"
#include "CSimboloTexto.h"
#include "CTrazadoCairo.h"
#include "CTransformacionMapa.h"
#include "wxTextUtil.h"

namespace {

enum TipoShape { kPuntos = 1, kLineas = 3, kPoligonos = 5 };
enum TipoCampo { kCampoTexto = 0, kCampoEntero = 1, kCampoReal = 2, kCampoInvalido = 3 };
constexpr int kEstiloMarcadorCaracter = 4;
// Integer columns up to this width are read as integers by the table.
constexpr int kAnchoEnteroCorto = 4;
// The reference page width against which print labels grow.
constexpr int kAnchoReferenciaImpresion = 1024;
// Far-off vertices of lines and points are held as those of polygons.
constexpr int kLimitePixel = CProyeccionPoligono::kLimitePixel;

// Sizes from a theme file are untrusted: markers, pen widths and fonts are
// held to what a screen or a page can show, so that no size can overflow a
// pixel computation or make the toolkit build a huge glyph.
constexpr int kTamanoMaximo = 4096;

// CTransformacionMapa::TruncarPixel held within the limit, computed here in
// line because painting calls it twice per vertex: NaN gives 0, the rest is
// truncated toward zero (holding first gives the same pixel).
int APixel(double valor) {
    if (std::isnan(valor)) return 0;
    return static_cast<int>(std::clamp(valor, -static_cast<double>(kLimitePixel),
                                       static_cast<double>(kLimitePixel)));
}

// The map-to-window rule for points, lines and labels, fixed for one call.
class Proyeccion {
public:
    Proyeccion(const wxRect& rect, double supDerX, double supDerY, double infIzqX)
        : ancho(rect.GetWidth()), supDerX(supDerX), supDerY(supDerY), infIzqX(infIzqX) {}
    Proyeccion(const wxRect& rect, const CExtensionMapa& vista)
        : Proyeccion(rect, vista.GetCoordenadaSupDerX(), vista.GetCoordenadaSupDerY(),
                     vista.GetCoordenadaInfIzqX()) {}
    Proyeccion(const wxRect& rect, const CCoordenadas& supDer, const CCoordenadas& infIzq)
        : Proyeccion(rect, supDer.x, supDer.y, infIzq.x) {}

    wxPoint Pixel(const CPunto& p) const {
        double px = 0.0, py = 0.0;
        CTransformacionMapa::MapaToPixel(ancho, supDerX, supDerY, infIzqX, p.x, p.y, px, py);
        return wxPoint(APixel(px), APixel(py));
    }

private:
    double ancho, supDerX, supDerY, infIzqX;
};

// Pen styles the toolkit draws from the style alone. Others (stipples, user
// dashes) need data a symbol does not carry, and numbers that are no pen
// style at all draw as the toolkit draws unknown styles: solid.
wxPenStyle EstiloLapiz(int estilo) {
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

// The brush and pen a symbol draws with.
wxBrush BrochaDe(const CSimboloObj& simbolo) {
    if (simbolo.GetTransparente()) return *wxTRANSPARENT_BRUSH;
    return wxBrush(simbolo.GetColorRelleno(), wxBRUSHSTYLE_SOLID);
}

wxPen LapizDe(const CSimboloObj& simbolo) {
    return wxPen(simbolo.GetColorBorde(), std::clamp(simbolo.GetSize(), 0, kTamanoMaximo),
                 EstiloLapiz(simbolo.GetEstilo()));
}

void SeleccionarHerramientas(wxDC* dc, const CSimboloObj& simbolo) {
    dc->SetBrush(BrochaDe(simbolo));
    dc->SetPen(LapizDe(simbolo));
}

// A symbol's tools for drawing polygons straight into cairo; `directo` is
// false when that drawing does not reproduce them.
struct TrazoSimbolo {
    CTrazadoCairo::Herramientas herramientas;
    bool directo = false;
};

TrazoSimbolo TrazoDe(const CSimboloObj& simbolo) {
    TrazoSimbolo trazo;
    trazo.directo = CTrazadoCairo::HerramientasDe(LapizDe(simbolo), BrochaDe(simbolo),
                                                  trazo.herramientas);
    return trazo;
}

void SoltarHerramientas(wxDC* dc) {
    dc->SetBrush(wxNullBrush);
    dc->SetPen(wxNullPen);
}

int EnteroDesdeReal(double valor) {
    if (std::isnan(valor)) return 0;
    if (valor >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (valor <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(valor);
}

// Base 10: leading blanks, an optional sign, digits up to the first other
// character; 0 without digits.
int EnteroDesdeTexto(const char* texto) {
    const long valor = std::strtol(texto, nullptr, 10);
    return static_cast<int>(std::clamp<long>(valor, INT_MIN, INT_MAX));
}

// A column of the layer's table resolved once per paint.
struct CampoTabla {
    int indice = -1;  // 0-based
    int tipo = kCampoInvalido;
    int ancho = 0;
    int decimales = 0;
    std::vector<char> buffer;  // a text value: width + 1 bytes

    bool EsEnteroCorto() const { return tipo == kCampoEntero && ancho <= kAnchoEnteroCorto; }
};

CampoTabla ResolverCampo(const CShape& shape, CDbf* dbf, const wxString& nombre) {
    CampoTabla campo;
    if (!dbf || nombre.empty()) return campo;
    std::string bytes = wxTextUtil::wx2std(nombre);
    const int numero = dbf->NumCampo(&bytes[0]);
    if (numero <= 0) return campo;
    char nombreCampo[16] = {0};
    int ancho = 0, decimales = 0;
    const int tipo = shape.InfoCampo(numero - 1, nombreCampo, ancho, decimales);
    if (tipo < kCampoTexto || tipo > kCampoInvalido || ancho < 0) return campo;
    campo.indice = numero - 1;
    campo.tipo = tipo;
    campo.ancho = ancho;
    campo.decimales = decimales;
    if (tipo == kCampoTexto) campo.buffer.assign(static_cast<size_t>(ancho) + 1, '\0');
    return campo;
}

// The raw text of a text column (width bytes as stored).
const char* LeerTexto(CDbf* dbf, int registro, CampoTabla& campo) {
    campo.buffer[0] = '\0';
    dbf->ReadStringAttribute(registro, campo.indice, campo.buffer.data(),
                             static_cast<int>(campo.buffer.size()));
    campo.buffer.back() = '\0';
    return campo.buffer.data();
}

// ISO-8859-1 bytes into `destino` without their trailing blanks, reusing the
// string's storage from feature to feature.
void AsignarTexto(wxString& destino, const char* bytes) {
    size_t longitud = std::strlen(bytes);
    while (longitud > 0 && bytes[longitud - 1] == ' ') --longitud;
    wxTextUtil::AsignarLatin1(destino, bytes, longitud);
}

// An integer column; the table delivers wide ones as doubles only.
int LeerEntero(CDbf* dbf, int registro, const CampoTabla& campo) {
    if (campo.EsEnteroCorto()) return dbf->ReadIntegerAttribute(registro, campo.indice);
    return EnteroDesdeReal(dbf->ReadDoubleAttribute(registro, campo.indice));
}

// A floating value as the table writes it, with the column's decimals, so
// that the class values of polygon layers are written as in the table.
wxString TextoDeReal(double valor, int decimales) {
    return wxString::Format(wxT("%.*f"), std::clamp(decimales, 0, 15), valor);
}

CRectangulo RectanguloDe(const CExtensionMapa& vista) {
    return CRectangulo(vista.GetCoordenadaInfIzqX(), vista.GetCoordenadaInfIzqY(),
                       vista.GetCoordenadaSupDerX(), vista.GetCoordenadaSupDerY());
}

}  // namespace

// The reader checks the whole record (parts and points inside it) before it
// hands it out, so every part of a record it gives is readable.
const unsigned int* CCapaShp::ElementoLegible(unsigned int indice) const {
    return shape->BuscaElemento(indice);
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

bool CCapaShp::ElementoEnVista(const unsigned int* elemento, const CExtensionMapa& vista) const {
    CRectangulo caja;
    if (!shape || !shape->CajaFiable(elemento, caja)) return IsInExtentElemento(elemento, vista);
    const double izquierda = vista.GetCoordenadaInfIzqX(), derecha = vista.GetCoordenadaSupDerX();
    const double abajo = vista.GetCoordenadaInfIzqY(), arriba = vista.GetCoordenadaSupDerY();
    // Every point lies in the box: a box apart from the view keeps them all out.
    if (caja.x2 < izquierda || derecha < caja.x1 || caja.y2 < abajo || arriba < caja.y1)
        return false;
    if (izquierda <= caja.x1 && caja.x2 <= derecha && abajo <= caja.y1 && caja.y2 <= arriba) {
        // A box within the view brings in every part that has a point. (The
        // painting of each part still tests it on its own.)
        const unsigned int partes = shape->NumPartes(elemento);
        for (unsigned int parte = 0; parte < partes; ++parte) {
            unsigned int numPuntos = 0;
            if (shape->BuscaPuntos(elemento, parte, &numPuntos) && numPuntos > 0) return true;
        }
        return false;
    }
    return IsInExtentElemento(elemento, vista);
}

bool CCapaShp::RecorteConCajas(const CExtensionMapa& vista, CRectangulo& rectangulo) {
    rectangulo = RectanguloDe(vista);
    const CRectangulo capa = shape->Bnd();
    const bool todaEnVista = rectangulo.x1 <= capa.x1 && capa.x2 <= rectangulo.x2 &&
                             rectangulo.y1 <= capa.y1 && capa.y2 <= rectangulo.y2;
    if (todaEnVista) {
        shape->Precarga();  // every record will be read
        return false;
    }
    if (shape->Tipo() == kPuntos) return false;  // point records carry no box
    shape->LeeCajas();
    return true;
}

void CCapaShp::PintarCapa(wxDC* dc, wxRect rect, CExtensionMapa vista) {
    if (!dc || !shape || rect.GetWidth() <= 0 || vista.GetAncho() == 0.0) return;
    const int tipo = shape->Tipo();
    if (tipo != kPuntos && tipo != kLineas && tipo != kPoligonos) return;
    SeleccionarHerramientas(dc, simbolo);
    CTrazadoCairo trazado(dc, tipo == kPoligonos ? &CacheAnillos() : nullptr);
    const TrazoSimbolo trazo = TrazoDe(simbolo);
    const CTrazadoCairo::Herramientas* herramientas = trazo.directo ? &trazo.herramientas : nullptr;
    // Character markers cull part by part themselves.
    const bool caracter = tipo == kPuntos && simbolo.GetEstilo() == kEstiloMarcadorCaracter;
    CRectangulo rectangulo;
    const bool recorta = !caracter && RecorteConCajas(vista, rectangulo);
    const unsigned int total = shape->NumElementos();
    for (unsigned int i = 0; i < total; ++i) {
        if (recorta && shape->CajaAparte(i, rectangulo)) continue;
        const unsigned int* elemento = ElementoLegible(i);
        if (!elemento) continue;
        if (caracter || ElementoEnVista(elemento, vista))
            PintarElemento(dc, rect, vista, elemento, simbolo, trazado, herramientas);
    }
    SoltarHerramientas(dc);
}

void CCapaShp::PintarElemento(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                              const unsigned int* elemento, const CSimboloObj& simboloElemento,
                              CTrazadoCairo& trazado,
                              const CTrazadoCairo::Herramientas* herramientas) {
    switch (shape->Tipo()) {
    case kPuntos:
        if (simboloElemento.GetEstilo() == kEstiloMarcadorCaracter)
            PintarPuntoConFuente(dc, rect, vista, 0, 0, elemento, &simboloElemento);
        else
            PintarPunto(dc, rect, vista, 0, 0, elemento);
        break;
    case kLineas:
        PintarPolylinea(dc, rect, vista,
                        CCoordenadas(vista.GetCoordenadaSupDerX(), vista.GetCoordenadaSupDerY()),
                        CCoordenadas(vista.GetCoordenadaInfIzqX(), vista.GetCoordenadaInfIzqY()),
                        elemento);
        break;
    case kPoligonos:
        PintarAnillos(dc, rect, vista,
                      CPunto{vista.GetCoordenadaInfIzqX(), vista.GetCoordenadaInfIzqY()},
                      CPunto{vista.GetCoordenadaSupDerX(), vista.GetCoordenadaSupDerY()},
                      elemento, trazado, herramientas);
        break;
    default:
        break;
    }
}

// The symbol of each feature, looked up once per value met: the lookup goes
// through the classes in order, comparing texts.
class CCapaShp::SimbolosPorValor {
public:
    explicit SimbolosPorValor(CClasificacionPorValor& clasificacion)
        : clasificacion(clasificacion) {}

    const CSimboloObj* Entero(int valor, bool comoTexto) {
        auto& memoria = comoTexto ? porEnteroTexto : porEntero;
        const auto hallado = memoria.find(valor);
        if (hallado != memoria.end()) return hallado->second;
        const CSimboloObj* simbolo = comoTexto
                                         ? clasificacion.BuscaSimboloValor(wxString::Format("%d", valor))
                                         : clasificacion.BuscaSimboloValor(valor);
        memoria.emplace(valor, simbolo);
        return simbolo;
    }

    const CSimboloObj* Real(double valor, int decimales, bool comoTexto) {
        if (std::isnan(valor))  // NaN is no key; rare enough to look up each time
            return comoTexto ? clasificacion.BuscaSimboloValor(TextoDeReal(valor, decimales))
                             : clasificacion.BuscaSimboloValor(valor);
        auto& memoria = comoTexto ? porRealTexto : porReal;
        const auto hallado = memoria.find(valor);
        if (hallado != memoria.end()) return hallado->second;
        const CSimboloObj* simbolo =
            comoTexto ? clasificacion.BuscaSimboloValor(TextoDeReal(valor, decimales))
                      : clasificacion.BuscaSimboloValor(valor);
        memoria.emplace(valor, simbolo);
        return simbolo;
    }

    // `bytes`: the column's raw text, trailing blanks and all.
    const CSimboloObj* Texto(const char* bytes) {
        clave.assign(bytes);
        const auto hallado = porTexto.find(clave);
        if (hallado != porTexto.end()) return hallado->second;
        AsignarTexto(valorTexto, bytes);
        const CSimboloObj* simbolo = clasificacion.BuscaSimboloValor(valorTexto);
        porTexto.emplace(clave, simbolo);
        return simbolo;
    }

private:
    CClasificacionPorValor& clasificacion;
    std::unordered_map<int, const CSimboloObj*> porEntero, porEnteroTexto;
    std::unordered_map<double, const CSimboloObj*> porReal, porRealTexto;
    std::unordered_map<std::string, const CSimboloObj*> porTexto;
    std::string clave;
    wxString valorTexto;
};

void CCapaShp::PintarCapaConClasificacion(wxDC* dc, wxRect rect, CExtensionMapa vista,
                                          CClasificacionPorValor* clasificacion) {
    if (!dc || !shape || !clasificacion || rect.GetWidth() <= 0 || vista.GetAncho() == 0.0)
        return;
    const int tipo = shape->Tipo();
    if (tipo != kPuntos && tipo != kLineas && tipo != kPoligonos) return;
    CampoTabla campo = ResolverCampo(*shape, dbf, clasificacion->GetCampo());
    if (campo.tipo == kCampoInvalido) return;  // a missing column draws nothing

    const bool poligonos = tipo == kPoligonos;
    CTrazadoCairo trazado(dc, poligonos ? &CacheAnillos() : nullptr);
    SimbolosPorValor simbolos(*clasificacion);
    std::unordered_map<const CSimboloObj*, TrazoSimbolo> trazos;
    const CSimboloObj* seleccionado = nullptr;  // tools are rebuilt only on change
    CRectangulo rectangulo;
    const bool recorta = RecorteConCajas(vista, rectangulo);
    const unsigned int total = shape->NumElementos();
    for (unsigned int i = 0; i < total; ++i) {
        if (recorta && shape->CajaAparte(i, rectangulo)) continue;
        const unsigned int* elemento = ElementoLegible(i);
        if (!elemento || !ElementoEnVista(elemento, vista)) continue;
        const int registro = static_cast<int>(i);
        const CSimboloObj* simboloElemento = nullptr;
        switch (campo.tipo) {
        case kCampoTexto:
            simboloElemento = simbolos.Texto(LeerTexto(dbf, registro, campo));
            break;
        case kCampoEntero:
            simboloElemento = simbolos.Entero(LeerEntero(dbf, registro, campo), poligonos);
            break;
        case kCampoReal:
            simboloElemento = simbolos.Real(dbf->ReadDoubleAttribute(registro, campo.indice),
                                            campo.decimales, poligonos);
            break;
        default:
            break;
        }
        if (!simboloElemento) continue;
        // Polygons drawn straight into cairo need no tools in the device
        // context, whose selection is costly.
        const CTrazadoCairo::Herramientas* herramientas = nullptr;
        if (poligonos && trazado.Activo()) {
            auto hallado = trazos.find(simboloElemento);
            if (hallado == trazos.end())
                hallado = trazos.emplace(simboloElemento, TrazoDe(*simboloElemento)).first;
            if (hallado->second.directo) herramientas = &hallado->second.herramientas;
        }
        if (!herramientas && simboloElemento != seleccionado) {
            SeleccionarHerramientas(dc, *simboloElemento);
            seleccionado = simboloElemento;
        }
        PintarElemento(dc, rect, vista, elemento, *simboloElemento, trazado, herramientas);
    }
    SoltarHerramientas(dc);
}

template <class Dibujar>
void CCapaShp::ParaCadaLineaEnVista(const CExtensionMapa& vista, const unsigned int* elemento,
                                    Dibujar dibujar) const {
    const unsigned int partes = shape->NumPartes(elemento);
    for (unsigned int parte = 0; parte < partes; ++parte) {
        unsigned int numPuntos = 0;
        const CPunto* puntos = shape->BuscaPuntos(elemento, parte, &numPuntos);
        if (numPuntos >= 2 && IsInExtent(puntos, static_cast<int>(numPuntos), vista))
            dibujar(puntos, numPuntos);
    }
}

template <class Dibujar>
void CCapaShp::ParaCadaPuntoEnVista(const wxRect& rect, const CExtensionMapa& vista,
                                    const unsigned int* elemento, Dibujar dibujar) const {
    const Proyeccion proyeccion(rect, vista);
    const unsigned int partes = shape->NumPartes(elemento);
    for (unsigned int parte = 0; parte < partes; ++parte) {
        unsigned int numPuntos = 0;
        const CPunto* puntos = shape->BuscaPuntos(elemento, parte, &numPuntos);
        if (!IsInExtent(puntos, static_cast<int>(numPuntos), vista)) continue;
        for (unsigned int i = 0; i < numPuntos; ++i) dibujar(proyeccion.Pixel(puntos[i]));
    }
}

void CCapaShp::PintarPunto(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista, double,
                           double, const unsigned int* elemento) {
    if (!dc || !shape || !elemento) return;
    // Under a classification too the radius is the layer's own.
    const int radio = std::min(simbolo.GetSize(), kTamanoMaximo);
    if (radio < 0) return;
    ParaCadaPuntoEnVista(rect, vista, elemento, [&](const wxPoint& p) {
        dc->DrawEllipse(p.x - radio, p.y - radio, 2 * radio, 2 * radio);
    });
}

void CCapaShp::PintarPuntoConFuente(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                                    double, double, const unsigned int* elemento,
                                    const CSimboloObj* simboloElemento) {
    if (!dc || !shape || !elemento || !simboloElemento) return;
    const int codigo = simboloElemento->GetCharIndex();
    // A font of no size draws nothing; a code that is no character neither.
    if (simboloElemento->GetSize() < 1 || codigo < 1 || codigo > 0x10FFFF ||
        (codigo >= 0xD800 && codigo <= 0xDFFF))
        return;
    const wxString caracter(wxUniChar(static_cast<unsigned int>(codigo)));
    SeleccionarFuente(dc, std::min(simboloElemento->GetSize(), kTamanoMaximo),
                      simboloElemento->GetFuente(),
                      wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    dc->SetTextForeground(simboloElemento->GetColorRelleno());
    wxCoord ancho = 0, alto = 0;
    dc->GetTextExtent(caracter, &ancho, &alto);

    ParaCadaPuntoEnVista(rect, vista, elemento, [&](const wxPoint& p) {
        dc->DrawText(caracter, p.x - ancho / 2, p.y - alto / 2);
    });
}

void CCapaShp::PintarPolylinea(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                               const CCoordenadas& supDer, const CCoordenadas& infIzq,
                               const unsigned int* elemento) {
    if (!dc || !shape || !elemento) return;
    const Proyeccion proyeccion(rect, supDer, infIzq);
    ParaCadaLineaEnVista(vista, elemento, [&](const CPunto* puntos, unsigned int numPuntos) {
        wxPoint anterior = proyeccion.Pixel(puntos[0]);
        for (unsigned int i = 1; i < numPuntos; ++i) {
            const wxPoint actual = proyeccion.Pixel(puntos[i]);
            dc->DrawLine(anterior, actual);
            anterior = actual;
        }
    });
}

void CCapaShp::PintarPoligono(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                              const CPunto& infIzq, const CPunto& supDer,
                              const unsigned int* elemento) {
    if (!dc) return;
    CTrazadoCairo trazado(dc, &CacheAnillos());
    CTrazadoCairo::Herramientas herramientas;
    const bool directo = CTrazadoCairo::HerramientasDe(dc->GetPen(), dc->GetBrush(), herramientas);
    PintarAnillos(dc, rect, vista, infIzq, supDer, elemento, trazado,
                  directo ? &herramientas : nullptr);
}

void CCapaShp::PintarAnillos(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                             const CPunto& infIzq, const CPunto& supDer,
                             const unsigned int* elemento, CTrazadoCairo& trazado,
                             const CTrazadoCairo::Herramientas* herramientas) {
    if (!dc || !shape || !elemento || rect.GetWidth() <= 0 || supDer.x == infIzq.x) return;
    const CProyeccionPoligono proyeccion(rect, infIzq, supDer);
    const unsigned int partes = shape->NumPartes(elemento);
    // Every ring, holes too, is filled on its own with the same brush.
    for (unsigned int parte = 0; parte < partes; ++parte) {
        unsigned int numPuntos = 0;
        const CPunto* puntos = shape->BuscaPuntos(elemento, parte, &numPuntos);
        if (!puntos || numPuntos == 0) continue;
        if (pixelesAnillo.size() < numPuntos) pixelesAnillo.resize(numPuntos);
        // One pass over the ring gives both its bounding box (the extent
        // test of the part) and its pixels. Consecutive vertices on one pixel
        // add nothing to the drawn ring; leaving them out keeps the picture
        // and spares the toolkit most of the work on rings small on screen.
        CRectangulo caja;
        int numPixeles = proyeccion.Anillo(puntos, numPuntos, pixelesAnillo.data(), caja);
        const bool enVista = vista.GetCoordenadaInfIzqX() <= caja.x2 &&
                             caja.x1 <= vista.GetCoordenadaSupDerX() &&
                             vista.GetCoordenadaInfIzqY() <= caja.y2 &&
                             caja.y1 <= vista.GetCoordenadaSupDerY();
        if (!enVista) continue;
        // A ring fallen on one pixel is drawn as the whole ring would be (a
        // dot, when outlined with round ends): its point twice. A ring of a
        // single point in the file is no ring and draws nothing.
        if (numPixeles == 1) {
            if (numPuntos < 2) continue;
            pixelesAnillo[numPixeles++] = pixelesAnillo[0];
        }
        if (!herramientas || !trazado.Poligono(*herramientas, pixelesAnillo.data(), numPixeles))
            dc->DrawPolygon(numPixeles, pixelesAnillo.data(), 0, 0, wxODDEVEN_RULE);
    }
}

CCacheAnillos& CCapaShp::CacheAnillos() {
    if (!cacheAnillos) cacheAnillos = std::make_unique<CCacheAnillos>();
    return *cacheAnillos;
}

void CCapaShp::SeleccionarFuente(wxDC* dc, int size, const wxString& cara, wxFontStyle estilo,
                                 wxFontWeight peso) {
    if (!fuente.IsOk() || size != sizeFuente || cara != caraFuente || estilo != estiloFuente ||
        peso != pesoFuente) {
        fuente = wxFont(size, wxFONTFAMILY_DEFAULT, estilo, peso, false, cara,
                        wxFONTENCODING_SYSTEM);
        sizeFuente = size;
        caraFuente = cara;
        estiloFuente = estilo;
        pesoFuente = peso;
    }
    dc->SetFont(fuente);
}

// Italic labels are light; bold wins over light.
void CCapaShp::SeleccionarFuenteTexto(wxDC* dc, int size, const CSimboloTexto& estilo) {
    wxFontStyle inclinacion = wxFONTSTYLE_NORMAL;
    wxFontWeight peso = wxFONTWEIGHT_NORMAL;
    if (estilo.GetCursiva()) {
        peso = wxFONTWEIGHT_LIGHT;
        inclinacion = wxFONTSTYLE_ITALIC;
    }
    if (estilo.GetNegrita()) peso = wxFONTWEIGHT_BOLD;
    SeleccionarFuente(dc, size, estilo.GetFuente(), inclinacion, peso);
    dc->SetTextForeground(estilo.GetColorTexto());
}

void CCapaShp::PintarTextoPunto(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                                double, double, const unsigned int* elemento,
                                const CSimboloTexto* estilo, const Toponimo& toponimo) {
    if (!dc || !shape || !elemento || !estilo || estilo->GetFontSize() < 1) return;
    SeleccionarFuenteTexto(dc, std::min(estilo->GetFontSize(), kTamanoMaximo), *estilo);
    // The point is the text's top-left corner and its centre of rotation.
    ParaCadaPuntoEnVista(rect, vista, elemento, [&](const wxPoint& p) {
        dc->DrawRotatedText(toponimo.texto, p.x, p.y, toponimo.angulo);
    });
}

void CCapaShp::PintarTextoPolylinea(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                                    const CCoordenadas& supDer, const CCoordenadas& infIzq,
                                    const unsigned int* elemento, const CSimboloTexto* estilo,
                                    const Toponimo& toponimo) {
    if (!dc || !shape || !elemento || !estilo) return;
    int size = estilo->GetFontSize();
    // On paper, labels along lines grow with the page against a 1024-pixel
    // screen; sizes the rule cannot scale are kept.
    if (printing && vista.GetAlto() != 0.0 && size >= 1 && size <= kAnchoReferenciaImpresion)
        size = std::max(1, wxTextUtil::GetSizeTextPrint(kAnchoReferenciaImpresion,
                                                        rect.GetWidth(), size));
    if (size < 1) return;
    SeleccionarFuenteTexto(dc, std::min(size, kTamanoMaximo), *estilo);
    const Proyeccion proyeccion(rect, supDer, infIzq);
    ParaCadaLineaEnVista(vista, elemento, [&](const CPunto* puntos, unsigned int numPuntos) {
        // One copy at every vertex but the last.
        for (unsigned int i = 0; i + 1 < numPuntos; ++i) {
            const wxPoint p = proyeccion.Pixel(puntos[i]);
            dc->DrawRotatedText(toponimo.texto, p.x, p.y, toponimo.angulo);
        }
    });
}

void CCapaShp::PintarCapaToponimia(wxDC* dc, wxRect rect, CExtensionMapa vista,
                                   CClasificacionPorTexto* clasificacion) {
    if (!dc || !shape || !clasificacion || rect.GetWidth() <= 0 || vista.GetAncho() == 0.0)
        return;
    const int tipo = shape->Tipo();
    if (tipo != kPuntos && tipo != kLineas) return;
    const wxString nombreClase = clasificacion->GetCampo();
    if (nombreClase.empty()) return;
    CampoTabla clase = ResolverCampo(*shape, dbf, nombreClase);
    CampoTabla texto = ResolverCampo(*shape, dbf, clasificacion->GetCampoDescripcion());
    CampoTabla rotacion = ResolverCampo(*shape, dbf, clasificacion->GetCampoRotacion());
    if (texto.tipo != kCampoTexto) return;
    // Floating or missing class columns select no style for any feature.
    if (clase.tipo != kCampoTexto && clase.tipo != kCampoEntero) return;

    const CCoordenadas supDer(vista.GetCoordenadaSupDerX(), vista.GetCoordenadaSupDerY());
    const CCoordenadas infIzq(vista.GetCoordenadaInfIzqX(), vista.GetCoordenadaInfIzqY());
    Toponimo toponimo;
    wxString textoRotacion;
    CRectangulo rectangulo;
    const bool recorta = RecorteConCajas(vista, rectangulo);
    const unsigned int total = shape->NumElementos();
    for (unsigned int i = 0; i < total; ++i) {
        if (recorta && shape->CajaAparte(i, rectangulo)) continue;
        const int registro = static_cast<int>(i);
        const int valorClase = clase.tipo == kCampoTexto
                                   ? EnteroDesdeTexto(LeerTexto(dbf, registro, clase))
                                   : LeerEntero(dbf, registro, clase);
        const CSimboloTexto* estilo = clasificacion->BuscaSimboloTexto(valorClase);
        if (!estilo) continue;  // the default style is not used for labels
        const unsigned int* elemento = ElementoLegible(i);
        if (!elemento || !IsInExtentElemento(elemento, vista)) continue;

        AsignarTexto(toponimo.texto, LeerTexto(dbf, registro, texto));
        toponimo.angulo = 0.0;
        if (rotacion.tipo == kCampoTexto) {
            AsignarTexto(textoRotacion, LeerTexto(dbf, registro, rotacion));
            double angulo = 0.0;
            if (textoRotacion.ToCDouble(&angulo) && std::isfinite(angulo))
                toponimo.angulo = angulo;
        } else if (rotacion.EsEnteroCorto()) {
            toponimo.angulo = dbf->ReadIntegerAttribute(registro, rotacion.indice);
        }

        if (tipo == kPuntos)
            PintarTextoPunto(dc, rect, vista, 0, 0, elemento, estilo, toponimo);
        else
            PintarTextoPolylinea(dc, rect, vista, supDer, infIzq, elemento, estilo, toponimo);
    }
    if (tipo == kPuntos) SoltarHerramientas(dc);
}

int CCapaShp::BuscaElementoPorCodigo(const wxString& campoCodigo, const wxString& codigo) const {
    if (!shape || campoCodigo.empty()) return -1;
    CampoTabla campo = ResolverCampo(*shape, dbf, campoCodigo);
    if (campo.tipo != kCampoTexto) return -1;
    wxString valor;
    const unsigned int total = shape->NumElementos();
    for (unsigned int i = 0; i < total; ++i) {
        AsignarTexto(valor, LeerTexto(dbf, static_cast<int>(i), campo));
        if (valor == codigo) return ElementoLegible(i) ? static_cast<int>(i) : -1;
    }
    return -1;
}

std::vector<wxPoint> CCapaShp::PixelesParte(const unsigned int* elemento, unsigned int parte,
                                            const wxRect& rect,
                                            const CExtensionMapa& vista) const {
    std::vector<wxPoint> pixeles;
    if (!shape || !elemento || rect.GetWidth() <= 0 || vista.GetAncho() == 0.0) return pixeles;
    unsigned int numPuntos = 0;
    const CPunto* puntos = shape->BuscaPuntos(elemento, parte, &numPuntos);
    if (!puntos) return pixeles;
    pixeles.reserve(numPuntos);
    if (shape->Tipo() == kPoligonos) {
        const CProyeccionPoligono proyeccion(
            rect, CPunto(vista.GetCoordenadaInfIzqX(), vista.GetCoordenadaInfIzqY()),
            CPunto(vista.GetCoordenadaSupDerX(), vista.GetCoordenadaSupDerY()));
        for (unsigned int i = 0; i < numPuntos; ++i) pixeles.push_back(proyeccion.Pixel(puntos[i]));
    } else {
        const Proyeccion proyeccion(rect, vista);
        for (unsigned int i = 0; i < numPuntos; ++i) pixeles.push_back(proyeccion.Pixel(puntos[i]));
    }
    return pixeles;
}

std::vector<wxPoint> CCapaShp::LocElementoBusqueda(const wxRect& rect,
                                                   const CExtensionMapa& vista,
                                                   const wxString& campoCodigo,
                                                   const wxString& codigo) const {
    if (!shape) return {};
    const int tipo = shape->Tipo();
    if (tipo != kPuntos && tipo != kLineas && tipo != kPoligonos) return {};
    const int indice = BuscaElementoPorCodigo(campoCodigo, codigo);
    if (indice < 0) return {};
    const unsigned int* elemento = ElementoLegible(static_cast<unsigned int>(indice));
    const unsigned int partes = shape->NumPartes(elemento);
    if (partes == 0) return {};
    // Multi-part features are located by their last part.
    return PixelesParte(elemento, partes - 1, rect, vista);
}

void CCapaShp::PintarElementoCapa(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                                  const wxString& campoCodigo, const wxString& codigo) {
    if (!dc || !shape || rect.GetWidth() <= 0 || vista.GetAncho() == 0.0) return;
    const int tipo = shape->Tipo();
    if (tipo != kPuntos && tipo != kLineas && tipo != kPoligonos) return;
    const int indice = BuscaElementoPorCodigo(campoCodigo, codigo);
    if (indice < 0) return;
    const unsigned int* elemento = ElementoLegible(static_cast<unsigned int>(indice));
    dc->SetBrush(*wxTRANSPARENT_BRUSH);
    dc->SetPen(wxPen(wxColour(255, 0, 0), 10, EstiloLapiz(simbolo.GetEstilo())));
    // Points are outlined as circles of the layer's radius, even when the
    // layer draws character markers.
    if (tipo == kPuntos) {
        PintarPunto(dc, rect, vista, 0, 0, elemento);
    } else {
        CTrazadoCairo trazado(dc, nullptr);
        CTrazadoCairo::Herramientas herramientas;
        const bool directo =
            CTrazadoCairo::HerramientasDe(dc->GetPen(), dc->GetBrush(), herramientas);
        PintarElemento(dc, rect, vista, elemento, simbolo, trazado,
                       directo ? &herramientas : nullptr);
    }
    SoltarHerramientas(dc);
}

std::vector<wxPoint> CCapaShp::LocElementoBusqueda(const wxRect& rect, const CExtensionMapa& vista,
                                                   const CInfoCapa& registro) const {
    return LocElementoBusqueda(rect, vista, registro.GetCampoCodigo(), registro.GetCodigo());
}

void CCapaShp::PintarElementoCapa(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                                  const CInfoCapa& registro) {
    PintarElementoCapa(dc, rect, vista, registro.GetCampoCodigo(), registro.GetCodigo());
}
