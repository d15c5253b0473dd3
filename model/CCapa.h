#pragma once
// A layer: one thing drawn on the map. It carries the name shown to the user,
// the path of its data, its extent, its own symbol, whether it is shown and
// the range of scales at which it is painted. Concrete kinds (the shapefile
// layer) read their data and paint themselves.
#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/object.h>
#include <wx/string.h>

#include <vector>

#include "CCoordenadaMapa.h"
#include "CExtensionMapa.h"
#include "CSimboloObj.h"
#include "CTransformacionMapa.h"

class wxDC;
class wxList;
class CCapasEnMapa;
class CShapeObj;
class CInfoCapa;

class CCapa : public wxObject {
public:
    // Visibility states: only a shown layer is painted.
    static constexpr int ESTADO_SIN_DEFINIR = -1;
    static constexpr int ESTADO_OCULTA = 0;
    static constexpr int ESTADO_VISIBLE = 1;
    // Kinds of layer (ObtenerTipoCapa): a shapefile layer, and a layer of a
    // database, which belongs to its database rather than to the map.
    static constexpr const char* TIPO_SHP = "SHP";
    static constexpr const char* TIPO_BD = "CBD";

    CCapa();
    ~CCapa() override;
    CCapa(const CCapa&) = delete;
    CCapa& operator=(const CCapa&) = delete;

    virtual bool ObtenerDatosExtension() = 0;
    virtual bool InicializarCapa() = 0;
    // After InicializarCapa: why the layer has no data, and what damage it
    // was loaded with, as sentences for the user that name the file (empty
    // when there is nothing to say).
    virtual wxString GetMensajeErrorInicializacion() const { return wxString(); }
    virtual wxString GetAvisoDanos() const { return wxString(); }
    // Paints the layer in the view of one paint as its holder on the map
    // says (CCapasEnMapa::GetPintura): with its own symbol, through the
    // holder's classification by value, or as labels through its
    // classification by text.
    virtual void PintarCapa(wxDC* dc, const CTransformacionMapa& vista,
                            const CCapasEnMapa& capaEnMapa) = 0;
    virtual wxString ObtenerTipoCapa() const = 0;  // TIPO_SHP, TIPO_BD
    virtual int GetGeometria() const = 0;
    virtual bool GuardarDatosAlfaNumericos(wxList* datos, int elemento, bool nuevo) = 0;
    virtual bool GuardarDatosGraficos(int elemento, CShapeObj* forma, bool nuevo) = 0;
    virtual bool EliminarElemento(int elemento) = 0;
    virtual bool Identify(CCoordenadaMapa punto, double tolerancia) = 0;
    virtual CSimboloObj* SetSimbolo(CSimboloObj simbolo) = 0;
    virtual void SetEscalaMinima(double escala) = 0;
    virtual void SetEscalaMaxima(double escala) = 0;

    // A gazetteer hit in this layer, found by its code column and code: the
    // pixels (in the given view) of the vertices of its last part, and its
    // red outline. Layers that cannot hold hits find nothing and draw nothing.
    virtual std::vector<wxPoint> LocElementoBusqueda(const wxRect& rect, const CExtensionMapa& vista,
                                                     const CInfoCapa& registro) const;
    virtual void PintarElementoCapa(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                                    const CInfoCapa& registro);

    void SetNombreCapa(const wxString& nombre) { nombreCapa = nombre; }
    wxString GetNombreCapa() const { return nombreCapa; }
    void SetRutaArchivo(const wxString& ruta) {
        rutaArchivo = ruta;
        longitudDirectorioDatos = 0;
    }
    // The path of a layer listed in a theme: the data directory (a name the
    // system gave) followed by the theme's own relative path, whose bytes may
    // have been written in ISO-8859-1 rather than in the system's encoding.
    void SetRutaArchivo(const wxString& directorioDatos, const wxString& rutaEnTema) {
        rutaArchivo = directorioDatos + rutaEnTema;
        longitudDirectorioDatos = directorioDatos.length();
    }
    wxString GetRutaArchivo() const { return rutaArchivo; }
    // Characters of the path that are the data directory (0: all of it is a
    // name the system gave).
    size_t GetLongitudDirectorioDatos() const { return longitudDirectorioDatos; }

    void SetExtensionCapa(const CExtensionMapa& ext) { extension = ext; }
    CExtensionMapa GetExtensionCapa() const { return extension; }

    CSimboloObj* GetSimbolo() { return &simbolo; }
    const CSimboloObj* GetSimbolo() const { return &simbolo; }

    // Values outside -1..2 are stored as -1 (not set).
    void SetEstadoCapa(int estado);
    int GetEstadoCapa() const { return estadoCapa; }
    bool EsVisible() const { return estadoCapa == ESTADO_VISIBLE; }
    // Database layers are left to their database when the map is cleared.
    bool EsDeBaseDeDatos() const { return ObtenerTipoCapa() == TIPO_BD; }

    double GetEscalaMinima() const { return escalaMinima; }
    double GetEscalaMaxima() const { return escalaMaxima; }

    void SetRelleno(bool valor) { relleno = valor; }
    // Writes the flag through the pointer (when given) and returns it.
    bool* GetRelleno(bool* valor) const;

    // Set by the view manager before each paint; true while printing. Labels
    // along lines grow with the page width in print mode.
    void SetPrinting(bool imprimiendo) { printing = imprimiendo; }
    bool GetPrinting() const { return printing; }

    // The whole symbol but its font file and transparency.
    void SetPropiedadesSimbolo(int tipo, int estilo, wxColour colorRelleno, wxColour colorBorde,
                               int size, wxString fuente, int fontSize, int charIndex);
    // Null pointers are skipped.
    void GetPropiedadesSimbolo(int* tipo, int* estilo, wxColour* colorRelleno,
                               wxColour* colorBorde, int* size, wxString* fuente,
                               int* fontSize, int* charIndex) const;

protected:
    wxString nombreCapa;
    wxString rutaArchivo;
    size_t longitudDirectorioDatos = 0;
    CExtensionMapa extension;
    CSimboloObj simbolo;
    int estadoCapa = ESTADO_SIN_DEFINIR;
    double escalaMinima = 5000.0;
    double escalaMaxima = 99999999.0;
    bool relleno = false;
    bool printing = false;

    wxDECLARE_ABSTRACT_CLASS(CCapa);
};
