#pragma once
// The application's window: a fixed 1024 x 768 design centred over the
// background picture, with the main map, the overview map, the legend, the
// coordinates strip, the scale box, the three theme buttons and the tool
// buttons. It owns the two projects (main map, overview), switches themes,
// runs the commands of the buttons and keys, and answers the map events of
// its panels.
#include "CConfigApp.h"
#include "CEstilosSesion.h"

#include <wx/bitmap.h>
#include <wx/frame.h>

#include <functional>
#include <map>
#include <memory>

class CCoordenadasPanel;
class CFuenteContenidosBD;
class CGestionCapasPanel;
class CMedicionesPanel;
class CProyectoVaq;
class PanelMapaPrincipal;
class PanelReferenciaMapa;
class wxButton;
class wxTextCtrl;

class VAQFrame : public wxFrame {
public:
    // Control ids.
    enum {
        ID_CERRAR = 2,
        ID_ACERCAR = 3,
        ID_ALEJAR = 4,
        ID_ZOOM_VENTANA = 5,
        ID_EXTENSION = 6,
        ID_DESPLAZAR = 7,
        ID_INFO = 8,
        ID_AYUDA = 9,
        ID_MEDIR_SUPERFICIE = 11,
        ID_MEDIR_LONGITUD = 12,
        ID_BUSCAR = 13,
        ID_MEDIO_FISICO = 14,
        ID_MEDIO_HUMANO = 15,
        ID_MI_LOCALIDAD = 16,
        ID_ESCALA = 17
    };
    // The themes, numbered as the maps are numbered everywhere (search,
    // gazetteer, information); NINGUNO while the map holds no theme.
    enum Tema { TEMA_NINGUNO = 0, TEMA_MEDIO_FISICO = 1, TEMA_MEDIO_HUMANO = 2, TEMA_MI_LOCALIDAD = 3 };

    // A button of the design (defined with the table of buttons).
    struct Boton;

    static constexpr int kAnchoDiseno = 1024;
    static constexpr int kAltoDiseno = 768;
    // In the my-locality theme the map does not zoom out while its scale lies
    // strictly inside this band (it stays at the locality scale), and the
    // full-extent button brings a closer map back to that scale.
    static constexpr double kEscalaLocalidad = 200000.0;
    static constexpr double kBandaLocalidadMinima = 199990.0;
    static constexpr double kBandaLocalidadMaxima = 200100.0;
    static constexpr double kEscalaLocalidadExtension = 199900.01;

    // The title, position and size are those of any frame; the style is
    // always the default frame style, maximised. Looks for the data directory
    // (configuration or chooser) before returning; the themes are opened once
    // the window is shown and the event loop runs.
    VAQFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style = 0);
    ~VAQFrame() override;

    // Empty when no data directory could be established.
    wxString GetRutaDatosAplicacion() const { return m_rutaDatos; }
    void SetRutaDatosAplicacion(const wxString& ruta) { m_rutaDatos = ruta; }

    // Theme handling; `ruta` is relative to the data directory. True when the
    // theme was read and gave the map at least one layer.
    bool AbrirProyectoMedio(const wxString& ruta);
    bool AbrirProyectoMapaReferencia(const wxString& ruta);
    void CerrarProyectoMedio();

    void CrearPanelMediciones();
    void CrearPanelGestionCapas();
    void CrearPanelCoordenadas();

    // Places the overview's rectangle on the main map's current extent and
    // shows it; without layers in either map (or an overview of no width)
    // there is no rectangle. False then.
    bool PrepararDibujarRecuadro();

    bool ProcessEvent(wxEvent& event) override;

    PanelMapaPrincipal* GetPanelMapa() const { return m_mapa; }
    PanelReferenciaMapa* GetPanelReferencia() const { return m_referencia; }
    CGestionCapasPanel* GetPanelGestionCapas() const { return m_gestionCapas; }
    CCoordenadasPanel* GetPanelCoordenadas() const { return m_coordenadas; }
    CMedicionesPanel* GetPanelMediciones() const { return m_mediciones; }
    wxTextCtrl* GetCajaEscala() const { return m_cajaEscala; }
    wxButton* GetBoton(int id) const;
    Tema GetTemaActivo() const { return m_temaActivo; }
    // Top-left corner of the 1024 x 768 design in the client area.
    wxPoint GetOrigenDiseno() const { return m_origen; }

    // Called once, after both maps have been painted for the first time
    // with their initial themes.
    void SetAlPrimerPintado(std::function<void()> funcion) { m_alPrimerPintado = std::move(funcion); }
    // Opens a URL in a browser; true when the browser could be started. By
    // default the desktop's browser.
    void SetLanzadorAyuda(std::function<bool(const wxString& url)> lanzador) { m_lanzadorAyuda = std::move(lanzador); }

private:
    void CrearBotones();
    wxButton* CrearBoton(const Boton& descripcion);
    const wxBitmap& Imagen(const wxString& nombre, bool avisar);
    void do_layout();
    void AbrirTemasIniciales();
    void MarcarTema(Tema tema);
    void CambiarTema(Tema tema, const wxString& ruta);
    void CerrarPanelMediciones();
    void LimpiarSuperposiciones();
    void DevolverFoco();
    wxButton* BotonTema(Tema tema) const;
    int NumeroMapa() const;
    bool MapaConCapas() const;
    double Escala() const;
    void ActualizarRecuadro();
    void DesplazarConTeclado(int dx, int dy);
    void AbrirBusquedaToponimos();
    void AbrirBusquedaLocalidad();
    void ContarPrimerPintado(wxEvent& event);

    bool ProcesarEventoMapa(wxEvent& event);
    void MostrarPosicion(double x, double y);

    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnBtnAyuda(wxCommandEvent& event);
    void OnBtnCerrar(wxCommandEvent& event);
    void OnBtnMedioFisico(wxCommandEvent& event);
    void OnBtnMedioHumano(wxCommandEvent& event);
    void OnBtnMiLocalidad(wxCommandEvent& event);
    void OnBtnZoomAcercar(wxCommandEvent& event);
    void OnBtnZoomAlejar(wxCommandEvent& event);
    void OnBtnZoomVentana(wxCommandEvent& event);
    void OnBtnExtension(wxCommandEvent& event);
    void OnBtnDesplazar(wxCommandEvent& event);
    void OnBtnMedirLongitud(wxCommandEvent& event);
    void OnBtnMedirSuperficie(wxCommandEvent& event);
    void OnBtnInfo(wxCommandEvent& event);
    void OnBtnBuscar(wxCommandEvent& event);
    void OnAplicarEscala(wxCommandEvent& event);
    void OnCapaModificada(wxCommandEvent& event);

    void IniciarMedicion(int accion, int tipo, const wxString& unidad);

    CConfigApp m_configuracion;
    wxString m_rutaAplicacion;
    wxString m_rutaDatos;
    std::unique_ptr<CProyectoVaq> m_proyecto;            // main map
    std::unique_ptr<CProyectoVaq> m_proyectoReferencia;  // overview
    std::unique_ptr<CFuenteContenidosBD> m_contenidos;  // for the information window
    // Child windows, destroyed with the frame.
    PanelMapaPrincipal* m_mapa = nullptr;
    PanelReferenciaMapa* m_referencia = nullptr;
    CGestionCapasPanel* m_gestionCapas = nullptr;
    CMedicionesPanel* m_mediciones = nullptr;  // only while a measuring tool is on
    CCoordenadasPanel* m_coordenadas = nullptr;
    std::map<int, wxButton*> m_botones;
    wxTextCtrl* m_cajaEscala = nullptr;

    wxPoint m_origen;
    wxBitmap m_fondo;
    std::map<wxString, wxBitmap> m_imagenes;  // pictures read once, by relative name
    Tema m_temaActivo = TEMA_MEDIO_FISICO;
    wxString m_rutaTemaAbierto;      // the main map's theme file; empty without one
    CEstilosSesion m_estilosSesion;  // layer styles changed in this run
    bool m_temasAbiertos = false;
    bool m_pintadoMapa = false;
    bool m_pintadoReferencia = false;
    std::function<void()> m_alPrimerPintado;
    std::function<bool(const wxString&)> m_lanzadorAyuda;

    wxDECLARE_EVENT_TABLE();
};
