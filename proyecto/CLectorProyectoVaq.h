#pragma once
// Reads one theme file (XML, root "PROYECTO_VELMOR" version "1.0.0") into a
// view manager: its shapefile layers with their state, scale range, symbol
// and classification, the initial scale and the initial extent.
//
// Theme files are untrusted. A layer that cannot be read (a missing required
// attribute, an unusable number, an unknown classification kind, a shapefile
// that cannot be opened) is left out and listed with its reason; the rest is
// loaded. A file that is not a readable theme loads nothing.
#include <wx/arrstr.h>
#include <wx/string.h>
#include <string>
#include <vector>

class CCapa;
class CClasificacionPorTexto;
class CClasificacionPorValor;
class CGestorVistaMapa;
class TiXmlElement;

class CLectorProyectoVaq {
public:
    enum class Resultado {
        Leido,         // a theme: its layers are in the view manager
        ErrorArchivo,  // missing, unreadable, too large or not well-formed XML
        NoEsProyecto   // XML whose root is not a theme of this version
    };

    // Largest theme file accepted, and deepest element nesting: a theme is a
    // few kilobytes four levels deep; anything far beyond is not one.
    static constexpr long kTamanoArchivoMaximo = 16L * 1024 * 1024;
    static constexpr int kProfundidadMaxima = 64;
    // Most layers a theme may list (a school map shows a few dozen); those
    // beyond are left out, with one line in the list of layers left out.
    static constexpr int kCapasMaximas = 500;

    CLectorProyectoVaq(CGestorVistaMapa& gestor, const wxString& rutaDatos);

    Resultado Leer(const wxString& ruta);

    // Why the file could not be read (Spanish, for the user).
    wxString GetError() const { return m_error; }
    wxString GetNombreProyecto() const { return m_nombreProyecto; }
    bool TieneEscala() const { return m_tieneEscala; }
    double GetEscala() const { return m_escala; }
    // The layers added to the view manager, in file order.
    const std::vector<CCapa*>& GetListaCarga() const { return m_listaCarga; }
    // One line per layer left out: "name: reason", the reason a sentence
    // such as "No se encuentra el archivo índice .shx de Rios.shp".
    const wxArrayString& GetCapasNoCargadas() const { return m_capasNoCargadas; }
    // One line per layer loaded with damaged data: "name: what is damaged".
    const wxArrayString& GetCapasDanadas() const { return m_capasDanadas; }
    // Scale and extent values that were not applied.
    const wxArrayString& GetAvisos() const { return m_avisos; }

    // True when the text declares encoding="UTF-8" or starts with a UTF-8
    // byte-order mark.
    static bool DeclaraUtf8(const std::string& texto);

private:
    struct DatosCapa;
    struct ValoresSimbolo;
    struct ValoresTexto;

    bool LeerArchivo(const wxString& ruta, std::string& texto);
    void LeerCapas(const TiXmlElement& capas);
    void LeerEscala(const TiXmlElement& escala);
    void LeerExtension(const TiXmlElement& extension);

    void LeerElementoCapa(const TiXmlElement& elemento, DatosCapa& datos);
    void LeerVisualizacion(const TiXmlElement& elemento, DatosCapa& datos);
    void LeerSimbolo(const TiXmlElement& elemento, ValoresSimbolo& valores, DatosCapa& datos);
    void LeerSimboloTexto(const TiXmlElement& elemento, ValoresTexto& valores, DatosCapa& datos);
    void LeerClasificacion(const TiXmlElement& elemento, DatosCapa& datos);
    void LeerClasificacionValor(const TiXmlElement& elemento, DatosCapa& datos);
    void LeerClasificacionTexto(const TiXmlElement& elemento, DatosCapa& datos);
    void LeerClasesValor(const TiXmlElement& valores, CClasificacionPorValor& clasificacion,
                         DatosCapa& datos);
    void LeerClasesTexto(const TiXmlElement& valores, CClasificacionPorTexto& clasificacion,
                         DatosCapa& datos);
    void CrearCapa(DatosCapa& datos);

    // Attribute readers. Absent attributes leave the value as it is; a
    // number that does not parse or lies outside [minimo, maximo] marks the
    // layer as unreadable.
    bool LeerEntero(const TiXmlElement& e, const char* nombre, long long minimo,
                    long long maximo, int& valor, DatosCapa& datos) const;
    bool LeerColor(const TiXmlElement& e, const char* nombre, int& valor, DatosCapa& datos) const;
    bool LeerReal(const TiXmlElement& e, const char* nombre, double minimo, double maximo,
                  double& valor, DatosCapa& datos) const;
    bool LeerTexto(const TiXmlElement& e, const char* nombre, wxString& valor) const;
    wxString Texto(const char* bytes) const;
    void NoCargada(const DatosCapa& datos, const wxString& motivo);

    CGestorVistaMapa& m_gestor;
    wxString m_rutaDatos;
    bool m_utf8 = false;
    int m_numCapas = 0;  // layer elements seen, in all "CAPAS"
    wxString m_error;
    wxString m_nombreProyecto;
    bool m_tieneEscala = false;
    double m_escala = 0.0;
    std::vector<CCapa*> m_listaCarga;
    wxArrayString m_capasNoCargadas;
    wxArrayString m_capasDanadas;
    wxArrayString m_avisos;
};
