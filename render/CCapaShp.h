#pragma once
// A layer read from an ESRI shapefile. It owns the shapefile reader (which
// owns the attribute table and keeps the .shp mapped) for its whole life and
// paints itself straight from the mapping: with its own symbol, through a
// classification by value, or as labels through a classification by text.
#include <memory>
#include <vector>

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "CCapa.h"
#include "CPunto.h"
#include "CTransformacionMapa.h"

class CShape;
class CDbf;
class CPinturaCapaShp;
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
    // error name is then in GetErrorInicializacion() (such as
    // "ErrorAbriendoShx") and a sentence for the user that names the file
    // and the cause in GetMensajeErrorInicializacion() (such as "No se
    // encuentra el archivo índice .shx de Rios.shp").
    bool InicializarCapa() override;
    wxString GetErrorInicializacion() const { return errorInicializacion; }
    wxString GetMensajeErrorInicializacion() const override { return mensajeErrorInicializacion; }
    // Damage the reader saw opening the files (an index that places records
    // outside the .shp, a table whose header lies...), as a sentence for the
    // user; empty when there is none, or no data. The layer paints what is
    // sound.
    wxString GetAvisoDanos() const override;

    // The extent becomes the shapefile's bounding box; false without data.
    bool ObtenerDatosExtension() override;
    wxString ObtenerTipoCapa() const override;  // TIPO_SHP
    // CShape::Punto, Polilinea, Poligono or Multipunto; 0 without data.
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
    static bool IsInExtent(const CPunto* puntos, int numPuntos, const CExtensionMapa& ext);
    // True when some part of the record meets the extent.
    bool IsInExtentElemento(const unsigned int* elemento, const CExtensionMapa& ext) const;
    CCoordenadaMapa PixelToMapa(wxPoint pixel, wxRect rect, CExtensionMapa ext) const;

    // Paints the layer as its holder on the map says: with its own symbol,
    // through its classification by value, or its labels.
    void PintarCapa(wxDC* dc, const CTransformacionMapa& vista,
                    const CCapasEnMapa& capaEnMapa) override;
    // Painting with the layer's own symbol.
    void PintarCapa(wxDC* dc, const CTransformacionMapa& vista);
    // Painting with a symbol per feature chosen by value.
    void PintarCapaConClasificacion(wxDC* dc, const CTransformacionMapa& vista,
                                    CClasificacionPorValor* clasificacion);
    // Labels only (points and lines), style chosen by the class column.
    void PintarCapaToponimia(wxDC* dc, const CTransformacionMapa& vista,
                             CClasificacionPorTexto* clasificacion);

    // One feature each (a record from CShape::Elemento or BuscaElemento),
    // with the pen and brush already selected.
    void PintarPunto(wxDC* dc, const CTransformacionMapa& vista, const unsigned int* elemento);
    void PintarPuntoConFuente(wxDC* dc, const CTransformacionMapa& vista,
                              const unsigned int* elemento, const CSimboloObj* simbolo);
    void PintarPolylinea(wxDC* dc, const CTransformacionMapa& vista, const unsigned int* elemento);
    void PintarPoligono(wxDC* dc, const CTransformacionMapa& vista, const unsigned int* elemento);
    void PintarTextoPunto(wxDC* dc, const CTransformacionMapa& vista, const unsigned int* elemento,
                          const CSimboloTexto* estilo, const Toponimo& toponimo);
    void PintarTextoPolylinea(wxDC* dc, const CTransformacionMapa& vista,
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
                                      const CTransformacionMapa& vista) const;

private:
    // Opens the reader on the base path (system bytes, no extension); false
    // with the reader's error name kept when it does not open.
    bool AbrirShape(const std::string& base);
    // The file's name without its directories, as messages show it.
    wxString NombreArchivo() const;
    // The record of the hit, its index into `indice` when given.
    const unsigned int* ElementoBuscado(const wxString& campoCodigo, const wxString& codigo,
                                        unsigned int* indice = nullptr) const;

    std::unique_ptr<CShape> shape;
    CDbf* dbf = nullptr;  // owned by the reader
    wxString errorInicializacion;
    wxString mensajeErrorInicializacion;
    int errorSistema = 0;  // why the last file did not open (see CFichero)
    // What painting keeps between features and paints.
    std::unique_ptr<CPinturaCapaShp> pintura;

    wxDECLARE_DYNAMIC_CLASS_NO_COPY(CCapaShp);
};
