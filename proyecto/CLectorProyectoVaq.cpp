#include "CLectorProyectoVaq.h"

#include <tinyxml.h>
#include <wx/colour.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CClasificacionPorTexto.h"
#include "CClasificacionPorValor.h"
#include "CGeneradorCapa.h"
#include "CGestorVistaMapa.h"
#include "CProfundidadXml.h"
#include "CRepresentacionTexto.h"
#include "CRepresentacionValor.h"
#include "wxTextUtil.h"

namespace {

// Ranges outside which a theme's numbers are taken as damage: sizes are
// pixels or points, scales denominators, extents map units.
constexpr long long kEnteroMinimo = INT_MIN;
constexpr long long kEnteroMaximo = INT_MAX;
constexpr long long kTamanoSimboloMaximo = 500;
constexpr long long kCaracterMaximo = 0x10FFFF;
constexpr double kEscalaMaxima = 1e12;
constexpr double kCoordenadaMaxima = 1e12;

const char* SaltarBlancos(const char* texto) {
    while (*texto == ' ' || *texto == '\t' || *texto == '\n' || *texto == '\r') ++texto;
    return texto;
}

// The leading integer of the text, as the C library reads it ("12px" is 12);
// false when there is none or it does not fit.
bool ParsearEntero(const char* texto, long long& valor) {
    const char* inicio = SaltarBlancos(texto);
    char* fin = nullptr;
    errno = 0;
    const long long leido = std::strtoll(inicio, &fin, 10);
    if (fin == inicio || errno == ERANGE) return false;
    valor = leido;
    return true;
}

// The leading real number of the text, in C notation whatever the locale.
bool ParsearReal(const char* texto, double& valor) {
    const char* inicio = SaltarBlancos(texto);
    if (*inicio == '+') ++inicio;
    const char* fin = inicio + std::strlen(inicio);
    const auto resultado = std::from_chars(inicio, fin, valor);
    return resultado.ec == std::errc() && resultado.ptr != inicio;
}

// Colours are one integer: red in the lowest byte, then green, then blue;
// higher bits are ignored.
wxColour Color(int valor) {
    const unsigned int v = static_cast<unsigned int>(valor);
    return wxColour(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

bool EsNombre(const TiXmlElement& e, const char* nombre) {
    return std::strcmp(e.Value(), nombre) == 0;
}

}  // namespace

// Numeric values of one symbol; each layer element starts from these and
// every attribute present overwrites one, so a later element of the same
// layer that lacks an attribute keeps the value read last.
struct CLectorProyectoVaq::ValoresSimbolo {
    int tipo = 0;
    int estilo = 1;
    int tamanno = 1;
    int indice = 0;
    int gradoTrans = 0;
    int colorBorde = 0;
    int colorRelleno = 0;
    wxString fuente;
    wxString fichero;

    bool EsDeFuente() const { return estilo == CSimboloObj::ESTILO_MARCADOR_CARACTER; }
    // Font name, font file and glyph index as classifications receive them:
    // blanks and 1 unless the symbol is drawn from a font.
    wxString FuenteClase() const { return EsDeFuente() ? fuente : wxString(" "); }
    wxString FicheroClase() const { return EsDeFuente() ? fichero : wxString(" "); }
    int IndiceClase() const { return EsDeFuente() ? indice : 1; }
};

struct CLectorProyectoVaq::ValoresTexto {
    int colorTexto = 0;
    int colorFondo = 0;
    int negrita = 0;
    int cursiva = 0;
    int tamanno = 1;
    wxString fuente;
    wxString fichero;
};

struct CLectorProyectoVaq::DatosCapa {
    int posicion = 0;  // 1-based, among the children of "CAPAS"
    wxString nombre, archivo, ruta, tipo;
    bool tieneNombre = false;
    wxString error;  // first reason the layer cannot be loaded
    int estado = 0;
    double escalaMinima = 0.0;
    double escalaMaxima = 0.0;
    ValoresSimbolo simbolo;        // the layer's own symbol
    ValoresSimbolo simboloDefecto; // the value classification's default symbol
    ValoresSimbolo simboloClases;  // the value classification's classes
    ValoresTexto textos;           // default and classes of labels
    wxString tipoClasificacion;    // "" without classification
    std::unique_ptr<CClasificacionPorValor> clasificacionValor;
    std::unique_ptr<CClasificacionPorTexto> clasificacionTexto;

    void Fallo(const wxString& motivo) {
        if (error.empty()) error = motivo;
    }
    wxString Identificacion() const {
        if (tieneNombre && !nombre.empty()) return nombre;
        return wxString::Format(wxString::FromUTF8("Capa %d"), posicion);
    }
};

CLectorProyectoVaq::CLectorProyectoVaq(CGestorVistaMapa& gestor, const wxString& rutaDatos)
    : m_gestor(gestor), m_rutaDatos(rutaDatos) {}

CLectorProyectoVaq::Resultado CLectorProyectoVaq::Leer(const wxString& ruta) {
    std::string texto;
    if (!LeerArchivo(ruta, texto)) return Resultado::ErrorArchivo;
    m_utf8 = DeclaraUtf8(texto);
    // The parser reads bytes one by one (its ISO-8859-1 mode) whatever the
    // file's encoding: its UTF-8 mode takes a character's length from its
    // first byte and so may step over a '<' (and past the end of the text),
    // which would make the nesting measured below wrong. Texts are decoded
    // afterwards (Texto).
    if (texto.compare(0, 3, "\xEF\xBB\xBF") == 0) texto.erase(0, 3);
    if (CProfundidadXml::Medir(texto) > kProfundidadMaxima) {
        m_error = wxString::FromUTF8("El archivo tiene demasiados niveles de elementos.");
        return Resultado::ErrorArchivo;
    }
    TiXmlDocument documento;
    documento.Parse(texto.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    if (documento.Error()) {
        m_error = wxString::Format(
            wxString::FromUTF8("El archivo no es un XML válido (línea %d, columna %d: %s)."),
            documento.ErrorRow(), documento.ErrorCol(), wxString(documento.ErrorDesc()));
        return Resultado::ErrorArchivo;
    }
    const TiXmlElement* raiz = documento.RootElement();
    const char* version = raiz ? raiz->Attribute("version") : nullptr;
    if (!raiz || !EsNombre(*raiz, "PROYECTO_VELMOR") || !version ||
        std::strcmp(version, "1.0.0") != 0) {
        m_error = wxString::FromUTF8(
            "El archivo no es un proyecto de VAQ Vistral: se esperaba el elemento "
            "PROYECTO_VELMOR con la versión 1.0.0.");
        return Resultado::NoEsProyecto;
    }
    LeerTexto(*raiz, "nombre", m_nombreProyecto);
    for (const TiXmlElement* hijo = raiz->FirstChildElement(); hijo;
         hijo = hijo->NextSiblingElement()) {
        if (EsNombre(*hijo, "CAPAS"))
            LeerCapas(*hijo);
        else if (EsNombre(*hijo, "ESCALA"))
            LeerEscala(*hijo);
        else if (EsNombre(*hijo, "EXTENSION"))
            LeerExtension(*hijo);
    }
    if (m_numCapas > kCapasMaximas)
        m_capasNoCargadas.Add(wxString::Format(
            wxString::FromUTF8("Capas %d a %d: un proyecto puede tener como mucho %d capas"),
            kCapasMaximas + 1, m_numCapas, kCapasMaximas));
    return Resultado::Leido;
}

bool CLectorProyectoVaq::LeerArchivo(const wxString& ruta, std::string& texto) {
    if (!wxFileName::FileExists(ruta)) {
        m_error = wxString::FromUTF8("No se encuentra el archivo ") + ruta + ".";
        return false;
    }
    wxLogNull sinAvisos;  // the failure is reported below, in the caller's way
    wxFFile archivo(ruta, "rb");
    const wxFileOffset tamano = archivo.IsOpened() ? archivo.Length() : -1;
    if (tamano < 0) {
        m_error = wxString::FromUTF8("No se puede leer el archivo ") + ruta + ".";
        return false;
    }
    if (tamano > kTamanoArchivoMaximo) {
        m_error = wxString::FromUTF8("El archivo es demasiado grande para ser un proyecto.");
        return false;
    }
    texto.resize(static_cast<size_t>(tamano));
    if (tamano > 0 && archivo.Read(&texto[0], texto.size()) != texto.size()) {
        m_error = wxString::FromUTF8("No se puede leer el archivo ") + ruta + ".";
        return false;
    }
    return true;
}

void CLectorProyectoVaq::LeerCapas(const TiXmlElement& capas) {
    int posicion = 0;
    for (const TiXmlElement* elemento = capas.FirstChildElement(); elemento;
         elemento = elemento->NextSiblingElement()) {
        ++posicion;
        // Each layer keeps its files open or mapped: a theme may not list
        // more than a map can show.
        if (++m_numCapas > kCapasMaximas) continue;
        DatosCapa datos;
        datos.posicion = posicion;
        LeerElementoCapa(*elemento, datos);
        CrearCapa(datos);
    }
    if (posicion > 0) m_gestor.ReCalcularExtGlobal();
}

void CLectorProyectoVaq::LeerEscala(const TiXmlElement& escala) {
    const char* texto = escala.Attribute("valor");
    if (!texto) return;
    double valor = 0.0;
    if (!ParsearReal(texto, valor) || !(valor > 0.0 && valor <= kEscalaMaxima)) {
        m_avisos.Add(wxString::FromUTF8("ESCALA: valor no válido \"") + Texto(texto) + "\"");
        return;
    }
    m_tieneEscala = true;
    m_escala = valor;
}

void CLectorProyectoVaq::LeerExtension(const TiXmlElement& extension) {
    static const char* const kNombres[4] = {"coordsupderx", "coordsupdery", "coordinfizqx",
                                            "coordinfizqy"};
    double valores[4] = {0.0, 0.0, 0.0, 0.0};
    for (int i = 0; i < 4; ++i) {
        const char* texto = extension.Attribute(kNombres[i]);
        if (!texto) continue;
        if (!ParsearReal(texto, valores[i]) ||
            !(valores[i] >= -kCoordenadaMaxima && valores[i] <= kCoordenadaMaxima)) {
            m_avisos.Add(wxString::FromUTF8("EXTENSION: valor no válido \"") + Texto(texto) +
                         wxString::FromUTF8("\" en \"") + kNombres[i] + "\"");
            return;
        }
    }
    if (!(valores[2] < valores[0] && valores[3] < valores[1])) {
        m_avisos.Add(wxString::FromUTF8(
            "EXTENSION: la esquina inferior izquierda no queda por debajo y a la izquierda "
            "de la superior derecha"));
        return;
    }
    CExtensionMapa nueva;
    nueva.SetCoordenadasSupDer(valores[0], valores[1]);
    nueva.SetCoordenadasInfIzq(valores[2], valores[3]);
    m_gestor.SetMantenerExtension(true);
    m_gestor.SetExtensionActual(nueva);
}

void CLectorProyectoVaq::LeerElementoCapa(const TiXmlElement& elemento, DatosCapa& datos) {
    datos.tieneNombre = LeerTexto(elemento, "nombre", datos.nombre);
    static const char* const kObligatorios[4] = {"nombre", "archivo", "ruta", "tipo"};
    for (const char* obligatorio : kObligatorios)
        if (!elemento.Attribute(obligatorio))
            datos.Fallo(wxString::FromUTF8("falta el atributo \"") + obligatorio + "\"");
    LeerTexto(elemento, "archivo", datos.archivo);
    LeerTexto(elemento, "ruta", datos.ruta);
    LeerTexto(elemento, "tipo", datos.tipo);
    for (const TiXmlElement* hijo = elemento.FirstChildElement(); hijo;
         hijo = hijo->NextSiblingElement()) {
        if (EsNombre(*hijo, "VISUALIZACION"))
            LeerVisualizacion(*hijo, datos);
        else if (EsNombre(*hijo, "SIMBOLOGIA"))
            LeerSimbolo(*hijo, datos.simbolo, datos);
        else if (EsNombre(*hijo, "CLASIFICACION"))
            LeerClasificacion(*hijo, datos);
    }
}

void CLectorProyectoVaq::LeerVisualizacion(const TiXmlElement& elemento, DatosCapa& datos) {
    LeerEntero(elemento, "estado", kEnteroMinimo, kEnteroMaximo, datos.estado, datos);
    LeerReal(elemento, "escala_min", 0.0, kEscalaMaxima, datos.escalaMinima, datos);
    LeerReal(elemento, "escala_max", 0.0, kEscalaMaxima, datos.escalaMaxima, datos);
}

void CLectorProyectoVaq::LeerSimbolo(const TiXmlElement& elemento, ValoresSimbolo& valores,
                                     DatosCapa& datos) {
    LeerEntero(elemento, "tipo", kEnteroMinimo, kEnteroMaximo, valores.tipo, datos);
    LeerEntero(elemento, "estilo", kEnteroMinimo, kEnteroMaximo, valores.estilo, datos);
    if (valores.EsDeFuente()) {
        LeerEntero(elemento, "indice_libreria", 0, kCaracterMaximo, valores.indice, datos);
        LeerTexto(elemento, "nombre_libreria", valores.fuente);
        LeerTexto(elemento, "fichero_libreria", valores.fichero);
    }
    LeerEntero(elemento, "grado_trans", kEnteroMinimo, kEnteroMaximo, valores.gradoTrans, datos);
    LeerColor(elemento, "color_borde", valores.colorBorde, datos);
    LeerColor(elemento, "color_relleno", valores.colorRelleno, datos);
    LeerEntero(elemento, "tamanno", 0, kTamanoSimboloMaximo, valores.tamanno, datos);
}

void CLectorProyectoVaq::LeerSimboloTexto(const TiXmlElement& elemento, ValoresTexto& valores,
                                          DatosCapa& datos) {
    LeerColor(elemento, "color_texto", valores.colorTexto, datos);
    LeerColor(elemento, "color_fondo", valores.colorFondo, datos);
    LeerEntero(elemento, "negrita", kEnteroMinimo, kEnteroMaximo, valores.negrita, datos);
    LeerEntero(elemento, "cursiva", kEnteroMinimo, kEnteroMaximo, valores.cursiva, datos);
    LeerTexto(elemento, "fuente", valores.fuente);
    LeerTexto(elemento, "fichero_libreria", valores.fichero);
    LeerEntero(elemento, "tamanno", 0, kTamanoSimboloMaximo, valores.tamanno, datos);
}

void CLectorProyectoVaq::LeerClasificacion(const TiXmlElement& elemento, DatosCapa& datos) {
    // A later classification replaces an earlier one.
    datos.clasificacionValor.reset();
    datos.clasificacionTexto.reset();
    datos.tipoClasificacion.clear();
    wxString tipo;
    if (!LeerTexto(elemento, "tipo", tipo)) tipo = wxString::FromUTF8("(sin tipo)");
    datos.tipoClasificacion = tipo;
    if (tipo == CClasificacion::VALOR)
        LeerClasificacionValor(elemento, datos);
    else if (tipo == CClasificacion::TEXTO)
        LeerClasificacionTexto(elemento, datos);
}

void CLectorProyectoVaq::LeerClasificacionValor(const TiXmlElement& elemento, DatosCapa& datos) {
    auto clasificacion = std::make_unique<CClasificacionPorValor>();
    clasificacion->SetTipo(CClasificacion::VALOR);
    // Each child names the field; its own children hold the symbols.
    for (const TiXmlElement* campo = elemento.FirstChildElement(); campo;
         campo = campo->NextSiblingElement()) {
        wxString texto;
        if (LeerTexto(*campo, "campo", texto)) clasificacion->SetCampo(texto);
        if (LeerTexto(*campo, "descripcion", texto)) clasificacion->SetDescripcion(texto);
        for (const TiXmlElement* hijo = campo->FirstChildElement(); hijo;
             hijo = hijo->NextSiblingElement()) {
            if (EsNombre(*hijo, "SIMBOLOGIA")) {
                ValoresSimbolo& v = datos.simboloDefecto;
                LeerSimbolo(*hijo, v, datos);
                // Classifications take the fill colour first: the theme's
                // outline colour becomes the fill and its fill the outline.
                clasificacion->SetSimbologiaDefecto(v.tipo, v.estilo, Color(v.colorBorde),
                                                    Color(v.colorRelleno), v.tamanno,
                                                    v.FuenteClase(), v.FicheroClase(), 1,
                                                    v.IndiceClase());
            } else if (EsNombre(*hijo, "VALORES")) {
                LeerClasesValor(*hijo, *clasificacion, datos);
            }
        }
    }
    datos.clasificacionValor = std::move(clasificacion);
}

void CLectorProyectoVaq::LeerClasesValor(const TiXmlElement& valores,
                                         CClasificacionPorValor& clasificacion, DatosCapa& datos) {
    for (const TiXmlElement* clase = valores.FirstChildElement(); clase;
         clase = clase->NextSiblingElement()) {
        auto representacion = std::make_unique<CRepresentacionValor>();
        wxString texto;
        if (LeerTexto(*clase, "valor", texto)) representacion->SetValor(texto);
        if (LeerTexto(*clase, "descripcion", texto)) representacion->SetDescripcion(texto);
        for (const TiXmlElement* simbolo = clase->FirstChildElement("SIMBOLOGIA"); simbolo;
             simbolo = simbolo->NextSiblingElement("SIMBOLOGIA")) {
            ValoresSimbolo& v = datos.simboloClases;
            LeerSimbolo(*simbolo, v, datos);
            representacion->SetSimbologia(v.tipo, v.estilo, Color(v.colorBorde),
                                          Color(v.colorRelleno), v.tamanno, v.FuenteClase(),
                                          v.FicheroClase(), 1, v.IndiceClase(),
                                          v.gradoTrans != 0);
        }
        // Each class goes to the front: the list ends in reverse file order.
        clasificacion.GetLista()->Insert(representacion.release());
    }
}

void CLectorProyectoVaq::LeerClasificacionTexto(const TiXmlElement& elemento, DatosCapa& datos) {
    auto clasificacion = std::make_unique<CClasificacionPorTexto>();
    clasificacion->SetTipo(CClasificacion::TEXTO);
    ValoresTexto& v = datos.textos;
    for (const TiXmlElement* campo = elemento.FirstChildElement(); campo;
         campo = campo->NextSiblingElement()) {
        wxString texto;
        if (LeerTexto(*campo, "campo", texto)) clasificacion->SetCampo(texto);
        if (LeerTexto(*campo, "descripcion", texto)) clasificacion->SetCampoDescripcion(texto);
        if (LeerTexto(*campo, "campo_rotacion", texto)) clasificacion->SetCampoRotacion(texto);
        for (const TiXmlElement* hijo = campo->FirstChildElement(); hijo;
             hijo = hijo->NextSiblingElement()) {
            if (EsNombre(*hijo, "SIMBOLOGIA_TEXTO")) {
                LeerSimboloTexto(*hijo, v, datos);
                clasificacion->SetSimbologiaDefecto(Color(v.colorTexto), Color(v.colorFondo),
                                                    v.negrita != 0, v.cursiva != 0, v.fuente,
                                                    v.fichero, v.tamanno);
            } else if (EsNombre(*hijo, "VALORES")) {
                LeerClasesTexto(*hijo, *clasificacion, datos);
            }
        }
    }
    datos.clasificacionTexto = std::move(clasificacion);
}

void CLectorProyectoVaq::LeerClasesTexto(const TiXmlElement& valores,
                                         CClasificacionPorTexto& clasificacion, DatosCapa& datos) {
    ValoresTexto& v = datos.textos;
    for (const TiXmlElement* clase = valores.FirstChildElement(); clase;
         clase = clase->NextSiblingElement()) {
        auto representacion = std::make_unique<CRepresentacionTexto>();
        int valor = 0;
        if (LeerEntero(*clase, "valor", kEnteroMinimo, kEnteroMaximo, valor, datos))
            representacion->SetValor(valor);
        for (const TiXmlElement* simbolo = clase->FirstChildElement("SIMBOLOGIA_TEXTO"); simbolo;
             simbolo = simbolo->NextSiblingElement("SIMBOLOGIA_TEXTO")) {
            LeerSimboloTexto(*simbolo, v, datos);
            representacion->SetSimbologia(Color(v.colorTexto), Color(v.colorFondo),
                                          v.negrita != 0, v.cursiva != 0, v.fuente, v.fichero,
                                          v.tamanno);
        }
        clasificacion.GetLista()->Insert(representacion.release());
    }
}

void CLectorProyectoVaq::CrearCapa(DatosCapa& datos) {
    if (!datos.error.empty()) {
        NoCargada(datos, datos.error);
        return;
    }
    if (datos.tipo != CCapa::TIPO_SHP) return;  // other kinds of layer are not shown here
    std::unique_ptr<CCapa> capa = CGeneradorCapa().GenerarCapa(datos.archivo);
    if (!capa) {
        NoCargada(datos, wxString::FromUTF8("el archivo no es un shapefile (.shp)"));
        return;
    }
    const bool conClasificacion = !datos.tipoClasificacion.empty();
    if (conClasificacion && !datos.clasificacionValor && !datos.clasificacionTexto) {
        NoCargada(datos, wxString::FromUTF8("tipo de clasificación desconocido \"") +
                             datos.tipoClasificacion + "\"");
        return;
    }
    capa->SetNombreCapa(datos.nombre);
    capa->SetRutaArchivo(m_rutaDatos, datos.ruta + datos.archivo);
    wxString error;
    const wxString noAbre = wxString::FromUTF8("No se puede abrir el archivo ") + datos.archivo;
    try {
        if (!capa->InicializarCapa()) {
            error = capa->GetMensajeErrorInicializacion();
            if (error.empty()) error = noAbre;
        } else if (!capa->GetAvisoDanos().empty()) {
            m_capasDanadas.Add(datos.Identificacion() + ": " + capa->GetAvisoDanos());
        }
    } catch (const char* nombreError) {
        error = noAbre + " (" + (nombreError ? wxString(nombreError) : wxString()) + ")";
    } catch (const std::exception& e) {
        error = noAbre + " (" + wxString(e.what()) + ")";
    }
    if (!error.empty()) {
        NoCargada(datos, error);
        return;
    }

    CSimboloObj& simbolo = *capa->GetSimbolo();
    const ValoresSimbolo& v = datos.simbolo;
    simbolo.SetColorRelleno(Color(v.colorRelleno));
    simbolo.SetColorBorde(Color(v.colorBorde));
    simbolo.SetEstilo(v.estilo);
    if (v.EsDeFuente()) {
        simbolo.SetCharIndex(v.indice);
        simbolo.SetFuente(v.fuente);
        simbolo.SetFileFuente(v.fichero);
    }
    simbolo.SetSize(v.tamanno);
    simbolo.SetTipo(v.tipo);
    simbolo.SetTransparente(v.gradoTrans != 0);
    capa->SetEstadoCapa(datos.estado);
    capa->SetEscalaMinima(datos.escalaMinima);
    capa->SetEscalaMaxima(datos.escalaMaxima);

    auto capaEnMapa = std::make_unique<CCapasEnMapa>();
    capaEnMapa->SetCapaEnMapa(capa.get());
    if (datos.clasificacionValor) {
        capaEnMapa->SetTipoClasificacion(CClasificacion::VALOR);
        capaEnMapa->SetTieneClasificacion(true);
        capaEnMapa->SetClasificacionCapa(datos.clasificacionValor.release());
    } else if (datos.clasificacionTexto) {
        capaEnMapa->SetTipoClasificacion(CClasificacion::TEXTO);
        capaEnMapa->SetTieneClasificacion(true);
        capaEnMapa->SetClasificacionCapa(datos.clasificacionTexto.get());
        // The holder shares the classes; its default label style is the file's.
        *capaEnMapa->GetClasificacionTexto()->GetSimbologiaDefecto() =
            *datos.clasificacionTexto->GetSimbologiaDefecto();
    }
    m_listaCarga.push_back(capa.release());  // the view manager releases it
    m_gestor.AddCapa(capaEnMapa.release());
    m_gestor.ReCalcularExtGlobal();
}

bool CLectorProyectoVaq::LeerEntero(const TiXmlElement& e, const char* nombre, long long minimo,
                                    long long maximo, int& valor, DatosCapa& datos) const {
    const char* texto = e.Attribute(nombre);
    if (!texto) return false;
    long long leido = 0;
    if (!ParsearEntero(texto, leido) || leido < minimo || leido > maximo) {
        datos.Fallo(wxString::FromUTF8("valor no válido \"") + Texto(texto) +
                    wxString::FromUTF8("\" en el atributo \"") + nombre + "\" de " + e.Value());
        return false;
    }
    valor = static_cast<int>(leido);
    return true;
}

bool CLectorProyectoVaq::LeerColor(const TiXmlElement& e, const char* nombre, int& valor,
                                   DatosCapa& datos) const {
    const char* texto = e.Attribute(nombre);
    if (!texto) return false;
    long long leido = 0;
    if (!ParsearEntero(texto, leido)) {
        datos.Fallo(wxString::FromUTF8("valor no válido \"") + Texto(texto) +
                    wxString::FromUTF8("\" en el atributo \"") + nombre + "\" de " + e.Value());
        return false;
    }
    valor = static_cast<int>(leido & 0xFFFFFF);
    return true;
}

bool CLectorProyectoVaq::LeerReal(const TiXmlElement& e, const char* nombre, double minimo,
                                  double maximo, double& valor, DatosCapa& datos) const {
    const char* texto = e.Attribute(nombre);
    if (!texto) return false;
    double leido = 0.0;
    if (!ParsearReal(texto, leido) || !(leido >= minimo && leido <= maximo)) {
        datos.Fallo(wxString::FromUTF8("valor no válido \"") + Texto(texto) +
                    wxString::FromUTF8("\" en el atributo \"") + nombre + "\" de " + e.Value());
        return false;
    }
    valor = leido;
    return true;
}

bool CLectorProyectoVaq::LeerTexto(const TiXmlElement& e, const char* nombre,
                                   wxString& valor) const {
    const char* texto = e.Attribute(nombre);
    if (!texto) return false;
    valor = Texto(texto);
    return true;
}

wxString CLectorProyectoVaq::Texto(const char* bytes) const {
    if (!bytes) return wxString();
    if (m_utf8) {
        const wxString texto = wxString::FromUTF8(bytes);
        // A file that declares UTF-8 but is not falls back to ISO-8859-1.
        if (!texto.empty() || *bytes == '\0') return texto;
    }
    return wxTextUtil::chr2wx(bytes);
}

void CLectorProyectoVaq::NoCargada(const DatosCapa& datos, const wxString& motivo) {
    m_capasNoCargadas.Add(datos.Identificacion() + ": " + motivo);
}

bool CLectorProyectoVaq::DeclaraUtf8(const std::string& texto) {
    if (texto.compare(0, 3, "\xEF\xBB\xBF") == 0) return true;
    if (texto.compare(0, 5, "<?xml") != 0) return false;
    const size_t fin = texto.find("?>");
    const std::string declaracion = texto.substr(0, fin);
    const size_t pos = declaracion.find("encoding");
    if (pos == std::string::npos) return false;
    size_t i = declaracion.find_first_of("\"'", pos);
    if (i == std::string::npos) return false;
    const size_t cierre = declaracion.find(declaracion[i], i + 1);
    if (cierre == std::string::npos) return false;
    const wxString codificacion(declaracion.substr(i + 1, cierre - i - 1));
    return codificacion.IsSameAs("UTF-8", false) || codificacion.IsSameAs("UTF8", false);
}
