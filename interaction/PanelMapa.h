#pragma once
// The window in which a map is shown and worked on: keeps the painted map in
// an off-screen image, hands mouse input to the tool of the current action
// (CHerramientaMapa: zoom window, pan, information, measuring, reference
// rectangle, search highlight), draws the tool's overlay, the compass and
// the scale bar over a copy of that image, and reports extent, scale,
// position and measurements to its parent with map events.
#include "CCoordenadaMapa.h"
#include "CEscalimetro.h"
#include "CExt.h"
#include "CExtensionMapa.h"
#include "CTransformacionMapa.h"

#include <wx/bitmap.h>
#include <wx/cursor.h>
#include <wx/icon.h>
#include <wx/panel.h>

#include <map>
#include <memory>

class CCapasEnMapa;
class CGestorVistaMapa;
class CHerramientaMapa;
class CInfoCapa;
class CMediciones;
class CMedicionesPanel;
class wxList;

class PanelMapa : public wxPanel {
public:
    // Tools (the action).
    enum {
        ACCION_NINGUNA = 0,
        ACCION_ZOOM_VENTANA = 11,
        ACCION_DESPLAZAR = 12,
        ACCION_INFORMACION = 13,
        ACCION_MEDIR_DISTANCIA = 30,
        ACCION_MEDIR_SUPERFICIE = 31,
        ACCION_RECUADRO_REFERENCIA = 40,
        ACCION_RESALTAR_BUSQUEDA = 45
    };
    // The zoom-window tool and the zoom-in command work only at scales
    // smaller than this; zooming out only at scales larger than the second.
    static constexpr double kEscalaMinima = 69000.01;
    static constexpr double kEscalaMaxima = 2000000.01;

    // The colour around the map (the panel's background).
    static const wxColour& ColorFondo();

    // The id argument is not used: the panel gets a generated id.
    PanelMapa(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size);
    ~PanelMapa() override;

    void Inicializa();

    void SetGestorVista(CGestorVistaMapa* gestor) { m_gestorVista = gestor; }
    CGestorVistaMapa* GetGestorVista() const { return m_gestorVista; }
    void SetMapaActivo(int mapa) { m_mapaActivo = mapa; }
    int GetMapaActivo() const { return m_mapaActivo; }
    void SetPanelMediciones(CMedicionesPanel* panel) { m_panelMediciones = panel; }
    CMedicionesPanel* GetPanelMediciones() const { return m_panelMediciones; }
    void SetImpresionRapida(bool rapida) { m_impresionRapida = rapida; }
    void SetPrinting(bool imprimiendo) { m_imprimiendo = imprimiendo; }
    int GetAccion() const { return m_accion; }
    double GetEscalaActual() const { return m_escalaActual; }
    void SetUmbral(int umbral) { m_umbral = umbral; }
    int GetUmbral() const { return m_umbral; }
    void SetRedraw(bool redibujar);
    // "TOPONIMO" while a place-name search is open.
    void SetTipoBusqueda(const wxString& tipo) { m_tipoBusqueda = tipo; }
    const wxString& GetTipoBusqueda() const { return m_tipoBusqueda; }
    // Directory holding cursor/ and ico/ (the executable's by default).
    void SetRutaAplicacion(const wxString& ruta);
    const wxString& GetRutaAplicacion() const { return m_rutaAplicacion; }
    // Pixel corners of the rectangle drawn in action 40 (reference map).
    void SetEsquinasRecuadro(const CCoordenadaMapa& esquina1, const CCoordenadaMapa& esquina2);
    const CCoordenadaMapa& GetEsquinaRecuadro1() const { return m_esquinaRecuadro1; }
    const CCoordenadaMapa& GetEsquinaRecuadro2() const { return m_esquinaRecuadro2; }

    CMediciones* GetMediciones() const { return m_mediciones; }
    // The off-screen image of the map; null until the next paint after a change.
    const wxBitmap* GetBitmapMapa() const { return m_bitmapMapa.get(); }
    // Image made by DrawMap in quick-print mode, released by the printout.
    wxBitmap* GetBitmapImpresion() const { return m_bitmapImpresion.get(); }
    void EliminarBitmapImpresion() { m_bitmapImpresion.reset(); }

    // Tools. SetAccion picks the tool of that action number (none for a
    // number without one) and its cursor.
    void SetAccion(int accion);
    void ZoomVentana() { SetAccion(ACCION_ZOOM_VENTANA); }
    void PrepararMedirDistancia() { SetAccion(ACCION_MEDIR_DISTANCIA); }
    void PrepararMedirSuperficie() { SetAccion(ACCION_MEDIR_SUPERFICIE); }
    void EliminarElementosGraficos();
    void CargarCursor();
    void SeleccionarCursor(const wxString& nombre);

    // Navigation; each does nothing without a view manager.
    void Acercar();
    void Alejar();
    void ExtensionTotal();
    void CentrarXY(const CCoordenadaMapa& punto);
    void SetEscalaActual(double escala);
    void AplicarDesplazamiento(const CCoordenadaMapa& desde, const CCoordenadaMapa& hasta);
    void AplicarZoomVentana(const wxRect& rect);
    void ReadaptarExtension();
    // Zoom in (acercar) or out by the buttons' factor keeping the map point
    // under `pixel` in place, within the buttons' scale limits.
    void ZoomEnPunto(const wxPoint& pixel, bool acercar);

    // Scale denominator of what the panel shows (also stored).
    double DeterminarEscalaActual(wxDC* dc);
    wxString GetEscalaActualFormateada() const;
    void DrawMap(wxDC* dc);
    // With erase, the map image is discarded so the next paint draws the layers.
    void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;

    // Overlays.
    void DrawMediciones(wxDC& dc, wxList* puntos);
    void DrawLinea(wxDC& dc, const CCoordenadaMapa* a, const CCoordenadaMapa* b);
    void DrawElementoBusqueda(wxDC* dc);
    double ConvertirUmbralPixelToMapa(const wxPoint& pixel, int umbral);

    // Shows a gazetteer hit when its layer (by its exact name) is on the map:
    // the map is centred on the feature (in my locality a municipality also
    // at 1:200000), the next paint outlines it in red and the parent hears of
    // the new extent. Otherwise a message says the layer is not loaded.
    // Nothing happens while the map has no layers. The panel keeps a copy.
    void LocalizarSiCapaCargada(const CInfoCapa& registro);
    // Locates the kept hit in its layer and centres the map on it.
    void SetElementoBusqueda();
    // Highlights a search result: geometry is the found feature in map units
    // (its point, polyline or polygon by `tipoGeometria` 1, 3 or 5). The map
    // is centred on it and the next paint outlines it in red.
    void ResaltarElementoBusqueda(int tipoGeometria, std::unique_ptr<CMediciones> geometria);
    const CMediciones* GetGeometriaBusqueda() const { return m_geometriaBusqueda.get(); }
    int GetTipoGeometriaBusqueda() const { return m_tipoGeometriaBusqueda; }

    // Map position of a pixel of the map as painted (the view fitted to the
    // panel); needs a view manager.
    CCoordenadaMapa PixelAMapaVista(const wxPoint& pixel) const;

    // Sent to the parent.
    void GenerarEventoCambioExtension();
    void GenerarEventoNuevaEscala();
    void GenerarEventoMedirDistancia(double longitud);
    void GenerarEventoMedirSuperficie(double superficie);

    // Loads one shapefile chosen in a file dialog as a new top layer
    // (outside any theme); creates a view manager when there is none.
    void CargarCapa(wxWindow* parent, wxString& title);
    // The same for a given path; false (after a message) when it cannot be
    // opened as a layer.
    bool CargarArchivoCapa(const wxString& ruta);
    // The characters after the last "/" (the whole path without one).
    static wxString GetNombreCapaDeRuta(const wxString& ruta);

    bool ProcessEvent(wxEvent& event) override;

    // Paints the panel (map image and overlays) onto dc as the paint handler
    // does; `zona` is the part of the panel to renew (empty: all of it).
    void PintarPanel(wxDC& dc, const wxRect& zona);

protected:
    // The tool of an action number: a derived panel (the reference map) puts
    // its own tools here. A tool replaced during its gesture is dropped.
    void SetHerramienta(int accion, std::unique_ptr<CHerramientaMapa> herramienta);
    CHerramientaMapa* GetHerramienta(int accion) const;

    // Feature information at a click (action 13): the map position and the
    // click tolerance in map units. The information window plugs in here.
    virtual void MostrarInformacion(const CCoordenadaMapa& punto, double tolerancia);
    // Right click without a tool over a painted map: the map image menu
    // (copy, save, print) plugs in here.
    virtual void MostrarMenuImagen(const wxPoint& posicion);

    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnMouseLeftDown(wxMouseEvent& event);
    void OnMouseLeftUp(wxMouseEvent& event);
    void OnMouseRightDown(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnMouseLeftDoubleClick(wxMouseEvent& event);
    void OnMouseWheel(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnSize(wxSizeEvent& event);

private:
    friend class CHerramientaMapa;  // calls the two hooks above

    bool TieneCapas() const;
    // The holder of the kept hit's layer, looked up by name on every use
    // (a theme change replaces the layers); null when it is not on the map.
    CCapasEnMapa* CapaBusqueda() const;
    void CentrarElementoBusqueda(int tipoGeometria, std::unique_ptr<CMediciones> geometria);
    void RefrescarEsquinas();
    void ComprobarExtension(const CExtensionMapa& extension);
    wxSize ResolucionPantalla();
    void TrasNavegar();
    void GenerarEventoXY(const wxMouseEvent& event);
    bool CrearBitmapRedraw();
    void PintarOverlays(wxDC& dc);
    CTransformacionMapa VistaPanel();
    bool ProcesarEventoMapa(wxEvent& event);
    wxCursor CursorDeArchivo(const wxString& nombre, wxStockCursor sustituto);
    void CrearHerramientas();
    CHerramientaMapa* Herramienta() const { return GetHerramienta(m_accion); }
    static wxIcon CrearBrujula();

    wxString m_tipoBusqueda;
    CGestorVistaMapa* m_gestorVista = nullptr;  // not owned unless it is the one below
    std::unique_ptr<CGestorVistaMapa> m_gestorPropio;  // made by CargarCapa
    CCoordenadaMapa m_esquinaRecuadro1;
    CCoordenadaMapa m_esquinaRecuadro2;
    std::unique_ptr<CInfoCapa> m_registroBusqueda;  // the hit shown, when it came from the gazetteer
    int m_tipoGeometriaBusqueda = 0;
    std::unique_ptr<CMediciones> m_geometriaBusqueda;
    CMedicionesPanel* m_panelMediciones = nullptr;  // not owned
    wxIcon m_iconoBrujula;
    CEscalimetro m_escalimetro;
    std::unique_ptr<wxBitmap> m_bitmapImpresion;
    bool m_impresionRapida = false;
    bool m_imprimiendo = false;
    int m_accion = ACCION_NINGUNA;
    std::map<int, std::unique_ptr<CHerramientaMapa>> m_herramientas;  // by action
    double m_escalaActual = 0.0;
    CExt m_extension;  // lower-left, upper-right of the current extent
    bool m_redibujar = true;
    wxString m_rutaAplicacion;
    int m_mapaActivo = 0;
    CMediciones* m_mediciones = nullptr;  // child window
    int m_umbral = 7;
    std::map<wxString, wxCursor> m_cursores;  // read from disk once per name
    std::unique_ptr<wxBitmap> m_bitmapMapa;
    wxColour m_colorFondo;
    wxSize m_ppi;  // of the screen, read on first use
    int m_ruedaAcumulada = 0;  // wheel rotation not yet turned into zoom steps

    wxDECLARE_EVENT_TABLE();
};
