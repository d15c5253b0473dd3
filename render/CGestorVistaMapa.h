#pragma once
// The object behind one map window: the ordered layer list of the map, the
// part of the map shown (current extent), the size of the whole map (global
// extent), the window area in pixels, the scale, and the paint loop.
#include <wx/object.h>
#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <memory>
#include <vector>
#include "CCoordenadaMapa.h"
#include "CExtensionMapa.h"
#include "CTransformacionMapa.h"

class CCapa;
class CCapasEnMapa;
class CInfoCapa;
class CShapeObj;
class wxDC;
class wxWindow;

class CGestorVistaMapa : public wxObject {
public:
    // Layer holders, index 0 (the head) on top. The manager owns the holders
    // and, through Limpiar, the layers they point to.
    using ListaCapas = std::vector<std::unique_ptr<CCapasEnMapa>>;

    // Centimetres per inch used to turn pixels into a physical size.
    static constexpr double kCentimetrosPorPulgada = 2.546;

    CGestorVistaMapa();
    // Releases the layers and their holders, as Limpiar does.
    ~CGestorVistaMapa() override;
    CGestorVistaMapa(const CGestorVistaMapa&) = delete;
    CGestorVistaMapa& operator=(const CGestorVistaMapa&) = delete;

    // Extents and view area.
    CExtensionMapa GetExtensionActual() const { return m_extensionActual; }
    void SetExtensionActual(const CExtensionMapa& extension) { m_extensionActual = extension; }
    CExtensionMapa GetExtensionGlobal() const { return m_extensionGlobal; }
    CCoordenadaMapa GetCoordInfIzqExtensionActual() const;
    CCoordenadaMapa GetCoordSupDerExtensionActual() const;
    CCoordenadaMapa GetCoordInfIzqExtensionGlobal() const;
    CCoordenadaMapa GetCoordSupDerExtensionGlobal() const;
    void SetDimensionAreaVisualizacion(const wxRect& area) { m_areaVisualizacion = area; }
    wxRect GetDimensionAreaVisualizacion() const { return m_areaVisualizacion; }
    double GetEscalaActual() const { return m_escalaActual; }
    void SetMantenerExtension(bool mantener) { m_mantenerExtension = mantener; }
    bool GetMantenerExtension() const { return m_mantenerExtension; }

    // Layer list; never null.
    ListaCapas* GetListaCapas() { return &m_capas; }
    const ListaCapas* GetListaCapas() const { return &m_capas; }
    int GetNumCapas() const { return static_cast<int>(m_capas.size()); }
    // The holder at position i (0 = top), null when out of range.
    CCapasEnMapa* GetCapaEnMapa(int i) const;

    // Inserts the holder at the head (on top) and takes ownership of it; a
    // holder added to an empty map makes the next paint show the whole map.
    void AddCapa(CCapasEnMapa* capaEnMapa);
    // Wraps the layer in a new holder without classification and adds it;
    // the manager takes ownership of the layer.
    void AddCapa(CCapa* capa);
    // Empties the map: deletes every layer (except database layers, which
    // belong to their database) and every holder. Extents, scale and
    // keep-extent flag stay.
    void Limpiar();

    // Pixel to map conversions with the view area and the current extent.
    CCoordenadaMapa PixelToMapa(const wxPoint& pixel) const;
    CExtensionMapa PixelToMapa(const wxRect& pixeles) const;

    // Navigation: each changes the current extent.
    void Centrar(const CCoordenadaMapa& centro);
    void Desplazar(const CCoordenadaMapa& desde, const CCoordenadaMapa& hasta);
    // Zoom about the centre: f > 0 divides the size by f, f <= 0 multiplies
    // it by |f|; then the aspect fit.
    void Zoom(double factor);
    void Zoom(const CExtensionMapa& extension);
    void ZoomExtensionTotal();
    // Shows the map at scale 1:escala about the current centre, sized after
    // the window's client area and the screen's resolution.
    void SetEscalaActual(wxWindow* ventana, double escala);
    // The same for a drawing surface of `pixeles` at resolution `ppi` (used
    // off-screen, where there is no window).
    void SetEscalaActual(const wxSize& pixeles, const wxSize& ppi, double escala);

    // The current extent fitted to the view area's aspect (not stored).
    CExtensionMapa ReadaptarExtensionActual() const;
    // The view the map is painted in: the view area showing that fitted
    // extent.
    CTransformacionMapa GetVista() const;
    // Aspect fit of `extension`; see ReadaptarExtensionActual.
    CExtensionMapa Centrar(const CExtensionMapa& extension, const wxRect& area) const;
    // Global extent = union of the layers' extents; unless the keep-extent
    // flag is set the current extent becomes the fitted global extent.
    void ReCalcularExtGlobal();

    // Paints the visible layers within scale, bottom layer first, in the
    // current extent fitted to `rect`'s aspect. `impresion` is true while
    // drawing for the printer.
    void Pintar(wxDC* dc, const wxRect& rect, bool impresion);
    // One paint of the map as every map window does it: the view area
    // becomes `area` (and a map just filled shows all of itself), the view
    // is shown at the scale 1:escala about its centre (with escala 0, at the
    // scale its extent has on `area` at `ppi` pixels per inch), edges are
    // drawn hard, the area is filled with `fondo` framed in black (when it
    // is valid: a map window's background) and the layers are painted over
    // it. Returns the view painted.
    CTransformacionMapa PintarVista(wxDC& dc, const wxRect& area, const wxSize& ppi,
                                    double escala, bool impresion,
                                    const wxColour& fondo = wxNullColour);

    // Gazetteer hits. The geometry of the hit named by `registro` in the
    // holder's layer, in map units, quantised to the pixels of the current
    // view in `rect`: a CPointShp, CPolyLineShp or CPolygonShp by the layer's
    // type. Null when the layer is not a point, line or polygon layer or holds
    // no such feature. Both calls make `rect` the view area.
    std::unique_ptr<CShapeObj> LocalizarElementoBusqueda(const wxRect& rect, CCapasEnMapa* capaEnMapa,
                                                         const CInfoCapa& registro);
    // Outlines the hit in red, when its layer is shown at the current scale.
    void PintarElementoBusqueda(wxDC* dc, const wxRect& rect, CCapasEnMapa* capaEnMapa,
                                const CInfoCapa& registro);

    // Physical length in metres of `pixeles` at `ppi` pixels per inch.
    static double MedidaFisicaMetros(int pixeles, int ppi);
    // The denominator N of the scale 1:N at which `extension` fills a window
    // `ancho` pixels wide at `ppi` pixels per inch: its width over the
    // window's physical width. 0 when there is no such scale (a window or an
    // extent without width, a width that is not finite). The map panel and
    // the command-line render share it so that setting a scale and reading it
    // back agree.
    static double EscalaDeExtension(const CExtensionMapa& extension, int ancho, int ppi);

private:
    // The first paint of a map just filled shows the whole map (unless the
    // keep-extent flag says otherwise); later paints keep the user's view.
    void MostrarTodoSiEsNuevo();
    void PintarCapaEnMapa(const CCapasEnMapa& capaEnMapa, wxDC* dc,
                          const CTransformacionMapa& vista, bool impresion);
    // A holder classified without its classification object: the message
    // of the paint loop, and true (the layer is not painted).
    static bool FaltaClasificacion(const CCapasEnMapa& capaEnMapa);

    ListaCapas m_capas;
    CExtensionMapa m_extensionActual;
    CExtensionMapa m_extensionGlobal;
    wxRect m_areaVisualizacion;
    double m_escalaActual = 0.0;
    bool m_mantenerExtension = false;
};
