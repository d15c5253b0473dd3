#pragma once
// A layer read from an ESRI shapefile. It owns the shapefile reader (which
// owns the attribute table and keeps the .shp mapped) for its whole life and
// paints itself straight from the mapping: with its own symbol, through a
// classification by value, or as labels through a classification by text.
#include <memory>
#include <vector>

#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "CCapa.h"
#include "CCoordenadas.h"
#include "CPunto.h"
#include "CRectangulo.h"
#include "CTrazadoCairo.h"

class CShape;
class CCacheAnillos;
class CDbf;
class CSimboloTexto;
class CClasificacionPorValor;
class CClasificacionPorTexto;

class CCapaShp : public CCapa {
public:
    // One label: its text and its angle in degrees, counter-clockwise.
    struct Toponimo {
        wxString texto;
        double angulo = 0.0;
    };

    CCapaShp();
    ~CCapaShp() override;

    // Opens the shapefile named by the layer's path (".shp" at its end),
    // takes its extent and shows the layer. A shapefile that cannot be
    // opened leaves the layer without data and returns false; the reader's
    // error name is then in GetErrorInicializacion().
    bool InicializarCapa() override;
    wxString GetErrorInicializacion() const { return errorInicializacion; }

    // The extent becomes the shapefile's bounding box; false without data.
    bool ObtenerDatosExtension() override;
    wxString ObtenerTipoCapa() const override;  // "SHP"
    // 1, 3, 5 or 8 (points, lines, polygons, multipoints); 0 without data.
    int GetGeometria() const override;
    int GetGeometriaShp() const;  // the reader's type unchanged; 0 without data
    CShape* GetShape() const { return shape.get(); }
    CDbf* GetDbf() const { return dbf; }

    // Editing and identification are not supported by shapefile layers.
    bool GuardarDatosAlfaNumericos(wxList* datos, int elemento, bool nuevo) override;
    bool GuardarDatosGraficos(int elemento, CShapeObj* forma, bool nuevo) override;
    bool EliminarElemento(int elemento) override;
    bool Identify(CCoordenadaMapa punto, double tolerancia) override;
    virtual void ExportarShape(wxString ruta, wxString nombre);

    CSimboloObj* SetSimbolo(CSimboloObj nuevo) override;
    void SetEscalaMinima(double escala) override { escalaMinima = escala; }
    void SetEscalaMaxima(double escala) override { escalaMaxima = escala; }

    // True when the bounding box of the points meets the extent (closed
    // rectangles). No points never meet.
    bool IsInExtent(const CPunto* puntos, int numPuntos, const CExtensionMapa& ext) const;
    // True when some part of the record meets the extent.
    bool IsInExtentElemento(const unsigned int* elemento, const CExtensionMapa& ext) const;
    CCoordenadaMapa PixelToMapa(wxPoint pixel, wxRect rect, CExtensionMapa ext) const;

    // Painting with the layer's own symbol.
    void PintarCapa(wxDC* dc, wxRect rect, CExtensionMapa vista) override;
    // Painting with a symbol per feature chosen by value.
    void PintarCapaConClasificacion(wxDC* dc, wxRect rect, CExtensionMapa vista,
                                    CClasificacionPorValor* clasificacion);
    // Labels only (points and lines), style chosen by the class column.
    void PintarCapaToponimia(wxDC* dc, wxRect rect, CExtensionMapa vista,
                             CClasificacionPorTexto* clasificacion);

    // One feature each (a record from CShape::Elemento or BuscaElemento),
    // with the pen and brush already selected.
    void PintarPunto(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista, double,
                     double, const unsigned int* elemento);
    void PintarPuntoConFuente(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                              double, double, const unsigned int* elemento,
                              const CSimboloObj* simbolo);
    void PintarPolylinea(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                         const CCoordenadas& supDer, const CCoordenadas& infIzq,
                         const unsigned int* elemento);
    void PintarPoligono(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                        const CPunto& infIzq, const CPunto& supDer, const unsigned int* elemento);
    void PintarTextoPunto(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista, double,
                          double, const unsigned int* elemento, const CSimboloTexto* estilo,
                          const Toponimo& toponimo);
    void PintarTextoPolylinea(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                              const CCoordenadas& supDer, const CCoordenadas& infIzq,
                              const unsigned int* elemento, const CSimboloTexto* estilo,
                              const Toponimo& toponimo);

    // Search hits, named by a code column and a code value (see
    // BuscaElementoPorCodigo). LocElementoBusqueda gives the pixels of the
    // vertices of the hit's last part in the given view (empty when nothing
    // is found); PintarElementoCapa outlines the hit in red, 10 pixels wide,
    // without fill, leaving no pen or brush selected.
    std::vector<wxPoint> LocElementoBusqueda(const wxRect& rect, const CExtensionMapa& vista,
                                             const wxString& campoCodigo,
                                             const wxString& codigo) const;
    void PintarElementoCapa(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                            const wxString& campoCodigo, const wxString& codigo);
    // The same for a gazetteer hit: its code column and code.
    std::vector<wxPoint> LocElementoBusqueda(const wxRect& rect, const CExtensionMapa& vista,
                                             const CInfoCapa& registro) const override;
    void PintarElementoCapa(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                            const CInfoCapa& registro) override;

    // For locating search hits: the index of the first feature (file order)
    // whose text column `campoCodigo` holds exactly `codigo` (the table's
    // trailing blanks ignored, letter case not); -1 when none does, or when
    // the column is missing or not of text type, or the record is damaged.
    int BuscaElementoPorCodigo(const wxString& campoCodigo, const wxString& codigo) const;
    // Pixels of the vertices of one part of a feature in the given view, by
    // the rule painting uses for the layer's type (polygons half a pixel up
    // and left). Empty for a damaged record or a part out of range.
    std::vector<wxPoint> PixelesParte(const unsigned int* elemento, unsigned int parte,
                                      const wxRect& rect, const CExtensionMapa& vista) const;

private:
    // The record at that index, or null when the reader reports it damaged.
    const unsigned int* ElementoLegible(unsigned int indice) const;
    // Whether painting must draw the feature: IsInExtentElemento, answered
    // from the box in the record's header when that box lies apart from the
    // view or within it, so that most features are decided without a scan
    // of their points.
    bool ElementoEnVista(const unsigned int* elemento, const CExtensionMapa& vista) const;
    // Calls dibujar(wxPoint) with the pixel of every point of every part of
    // the feature that lies in the view (the markers and labels of point
    // layers). Defined where it is used, in the painting source.
    template <class Dibujar>
    void ParaCadaPuntoEnVista(const wxRect& rect, const CExtensionMapa& vista,
                              const unsigned int* elemento, Dibujar dibujar) const;
    // Calls dibujar(const CPunto*, unsigned int) with every part of two
    // points or more that lies in the view (lines and their labels).
    template <class Dibujar>
    void ParaCadaLineaEnVista(const CExtensionMapa& vista, const unsigned int* elemento,
                              Dibujar dibujar) const;
    // One feature with a symbol: polygons with `herramientas` straight into
    // cairo when given and possible, everything else with the tools selected
    // in the device context.
    void PintarElemento(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                        const unsigned int* elemento, const CSimboloObj& simboloElemento,
                        CTrazadoCairo& trazado, const CTrazadoCairo::Herramientas* herramientas);
    void PintarAnillos(wxDC* dc, const wxRect& rect, const CExtensionMapa& vista,
                       const CPunto& infIzq, const CPunto& supDer, const unsigned int* elemento,
                       CTrazadoCairo& trazado, const CTrazadoCairo::Herramientas* herramientas);
    CCacheAnillos& CacheAnillos();
    // For a view that does not hold the whole layer, has the reader read its
    // record boxes (see CShape::LeeCajas) and gives the view as a rectangle
    // to cull with; false when every record may show.
    bool RecorteConCajas(const CExtensionMapa& vista, CRectangulo& rectangulo);
    class SimbolosPorValor;
    // Selects the font, reusing the one made last time when it is the same.
    void SeleccionarFuente(wxDC* dc, int size, const wxString& cara, wxFontStyle estilo,
                           wxFontWeight peso);
    void SeleccionarFuenteTexto(wxDC* dc, int size, const CSimboloTexto& estilo);

    std::unique_ptr<CShape> shape;
    CDbf* dbf = nullptr;  // owned by the reader
    wxString errorInicializacion;
    // Pixels of one polygon ring, kept between rings and paints so that
    // painting does not allocate per record.
    std::vector<wxPoint> pixelesAnillo;
    // Coverage of the small rings drawn, kept between paints.
    std::unique_ptr<CCacheAnillos> cacheAnillos;
    // The last font made, kept because making a font is costly per feature.
    wxFont fuente;
    wxString caraFuente;
    int sizeFuente = 0;
    wxFontStyle estiloFuente = wxFONTSTYLE_NORMAL;
    wxFontWeight pesoFuente = wxFONTWEIGHT_NORMAL;

    wxDECLARE_DYNAMIC_CLASS_NO_COPY(CCapaShp);
};
