#include "VAQFrame.h"

#include "CBuscarDlg.h"
#include "CCapasEnMapa.h"
#include "CConversor.h"
#include "CFuenteContenidosBD.h"
#include "CCoordenadasPanel.h"
#include "CGestionCapasPanel.h"
#include "CGestorVistaMapa.h"
#include "CInfoCapa.h"
#include "CMedicionesPanel.h"
#include "CMensajes.h"
#include "CProyectoVaq.h"
#include "CTextoEscala.h"
#include "DirectorioEjecutable.h"
#include "PanelMapaPrincipal.h"
#include "PanelReferenciaMapa.h"
#include "wxMapEvent.h"

#include <wx/bmpbuttn.h>
#include <wx/dcclient.h>
#include <wx/filename.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/valtext.h>

#include <cstdio>

// One of the frame's buttons: its picture (normal and pressed, under ico/),
// its place and size in the design, and its name, which a button without
// picture shows instead.
struct VAQFrame::Boton {
    int id;
    int x, y, ancho, alto;
    const char* normal;
    const char* pulsado;
    const char* nombre;
};

wxBEGIN_EVENT_TABLE(VAQFrame, wxFrame)
    EVT_PAINT(VAQFrame::OnPaint)
    EVT_ERASE_BACKGROUND(VAQFrame::OnEraseBackground)
    EVT_SIZE(VAQFrame::OnSize)
    EVT_CHAR_HOOK(VAQFrame::OnCharHook)
    EVT_BUTTON(VAQFrame::ID_AYUDA, VAQFrame::OnBtnAyuda)
    EVT_BUTTON(VAQFrame::ID_CERRAR, VAQFrame::OnBtnCerrar)
    EVT_BUTTON(VAQFrame::ID_MEDIO_FISICO, VAQFrame::OnBtnMedioFisico)
    EVT_BUTTON(VAQFrame::ID_MEDIO_HUMANO, VAQFrame::OnBtnMedioHumano)
    EVT_BUTTON(VAQFrame::ID_MI_LOCALIDAD, VAQFrame::OnBtnMiLocalidad)
    EVT_BUTTON(VAQFrame::ID_ACERCAR, VAQFrame::OnBtnZoomAcercar)
    EVT_BUTTON(VAQFrame::ID_ALEJAR, VAQFrame::OnBtnZoomAlejar)
    EVT_BUTTON(VAQFrame::ID_ZOOM_VENTANA, VAQFrame::OnBtnZoomVentana)
    EVT_BUTTON(VAQFrame::ID_EXTENSION, VAQFrame::OnBtnExtension)
    EVT_BUTTON(VAQFrame::ID_DESPLAZAR, VAQFrame::OnBtnDesplazar)
    EVT_BUTTON(VAQFrame::ID_MEDIR_LONGITUD, VAQFrame::OnBtnMedirLongitud)
    EVT_BUTTON(VAQFrame::ID_MEDIR_SUPERFICIE, VAQFrame::OnBtnMedirSuperficie)
    EVT_BUTTON(VAQFrame::ID_INFO, VAQFrame::OnBtnInfo)
    EVT_BUTTON(VAQFrame::ID_BUSCAR, VAQFrame::OnBtnBuscar)
    EVT_TEXT_ENTER(VAQFrame::ID_ESCALA, VAQFrame::OnAplicarEscala)
    EVT_COMMAND(wxID_ANY, wxEVT_CAPA_MODIFICADA, VAQFrame::OnCapaModificada)
wxEND_EVENT_TABLE()

namespace {
const wxColour kColorFondo(15, 61, 0);

const VAQFrame::Boton kBotones[] = {
    {VAQFrame::ID_AYUDA, 932, 0, 48, 43, "b_ayuda", "b_ayudaPul", "Ayuda"},
    {VAQFrame::ID_CERRAR, 980, 0, 39, 43, "b_cerrar", "b_cerrarPul", "Salir"},
    {VAQFrame::ID_MEDIO_FISICO, 0, 485, 184, 37, "b_medioFisico", "b_medioFisicoPul", "Medio Físico"},
    {VAQFrame::ID_MEDIO_HUMANO, 0, 527, 184, 37, "b_medioHumano", "b_medioHumanoPul", "Medio Humano"},
    {VAQFrame::ID_MI_LOCALIDAD, 0, 569, 184, 37, "b_miLocalidad", "b_miLocalidadPul", "Mi Localidad"},
    {VAQFrame::ID_ACERCAR, 226, 675, 87, 92, "b_acercar", "b_acercarPul", "Acercar"},
    {VAQFrame::ID_ALEJAR, 306, 675, 87, 92, "b_alejar", "b_alejarPul", "Alejar"},
    {VAQFrame::ID_ZOOM_VENTANA, 402, 675, 87, 92, "b_zventana", "b_zventanaPul", "Ventana"},
    {VAQFrame::ID_EXTENSION, 489, 675, 87, 92, "b_mapa", "b_mapaPul", "Ver todo"},
    {VAQFrame::ID_DESPLAZAR, 581, 675, 87, 92, "b_mover", "b_moverPuls", "Mover"},
    {VAQFrame::ID_MEDIR_LONGITUD, 668, 675, 87, 92, "b_medirLongitud", "b_medirLongitudPul", "Distancia"},
    {VAQFrame::ID_MEDIR_SUPERFICIE, 754, 675, 87, 92, "b_medirSuperficie", "b_medirSuperficiePul", "Superficie"},
    {VAQFrame::ID_INFO, 846, 675, 87, 92, "b_info", "b_infoPul", "Información"},
    {VAQFrame::ID_BUSCAR, 934, 675, 87, 92, "b_buscar", "b_buscarPul", "Buscar"},
};

// Places in the design of the other windows.
const wxRect kRectMapa(224, 66, 790, 584);
const wxRect kRectReferencia(27, 647, 176, 107);
const wxRect kRectGestionCapas(12, 85, 205, 390);
const wxRect kRectCoordenadas(224, 650, 790, 17);
const wxRect kRectMediciones(705, 631, 308, 36);
const wxRect kRectEscala(77, 611, 136, 21);

const char kTemaMedioFisico[] = "MapasVel/MedioFisico.vel";
const char kTemaMedioHumano[] = "MapasVel/MedioHumano.vel";
const char kTemaMiLocalidad[] = "MapasVel/MiLocalidad.vel";
const char kTemaReferencia[] = "MapasVel/Referencia.vel";

const VAQFrame::Boton* DescripcionBoton(int id) {
    for (const VAQFrame::Boton& b : kBotones)
        if (b.id == id) return &b;
    return nullptr;
}

wxString RutaImagen(const char* nombre) { return wxString("ico/") + nombre + ".bmp"; }

void Avisar(const wxString& texto) {
    std::fputs(("vaq: " + texto + "\n").utf8_str().data(), stderr);
    std::fflush(stderr);
}

// The desktop's browser (the toolkit asks the desktop, which follows the
// user's xdg-open settings). A failure is told by the caller, not logged.
bool LanzarNavegador(const wxString& url) {
    wxLogNull sinRegistro;
    return wxLaunchDefaultBrowser(url);
}

// A picture file that may be missing or damaged: an invalid bitmap then, and
// no toolkit message.
wxBitmap LeerImagen(const wxString& ruta, wxBitmapType tipo) {
    if (!wxFileName::FileExists(ruta)) return wxBitmap();
    wxLogNull sinRegistro;
    wxImage imagen;
    if (!imagen.LoadFile(ruta, tipo) || !imagen.IsOk()) return wxBitmap();
    return wxBitmap(imagen);
}
}  // namespace

VAQFrame::VAQFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long /*style*/)
    : wxFrame(nullptr, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE),
      m_rutaAplicacion(DirectorioAplicacion()),
      m_lanzadorAyuda(LanzarNavegador) {
    // The whole client area is painted by OnPaint (background picture).
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_proyecto = std::make_unique<CProyectoVaq>();
    m_proyecto->NuevoProyecto("Nuevo proyecto");
    m_proyectoReferencia = std::make_unique<CProyectoVaq>();
    m_proyectoReferencia->NuevoProyecto("Nuevo proyecto mapa referencia");

    m_mapa = new PanelMapaPrincipal(this, wxID_ANY, wxPoint(0, 0), kRectMapa.GetSize());
    m_referencia = new PanelReferenciaMapa(this, wxID_ANY, wxPoint(0, 0), kRectReferencia.GetSize());
    m_gestionCapas = new CGestionCapasPanel(this, wxID_ANY, wxPoint(0, 0), kRectGestionCapas.GetSize());
    CrearBotones();
    wxTextValidator filtro(wxFILTER_INCLUDE_CHAR_LIST);
    filtro.SetCharIncludes("0123456789.,: ");
    m_cajaEscala = new wxTextCtrl(this, ID_ESCALA, wxEmptyString, wxPoint(0, 0), kRectEscala.GetSize(),
                                  wxTE_RIGHT | wxTE_PROCESS_ENTER, filtro);

    m_mapa->SetGestorVista(m_proyecto->GetGestorVistaMapa());
    m_contenidos = std::make_unique<CFuenteContenidosBD>(m_rutaAplicacion + "/BD/BDbusqueda.db");
    m_mapa->SetFuenteContenidos(m_contenidos.get());
    m_referencia->SetGestorVista(m_proyectoReferencia->GetGestorVistaMapa());

    SetTitle("VAQ Vistral");
    wxIcon icono;
    {
        wxLogNull sinRegistro;
        const wxString ruta = m_rutaAplicacion + "/ico/icono.ico";
        if (wxFileName::FileExists(ruta) && icono.LoadFile(ruta, wxBITMAP_TYPE_ICO)) SetIcon(icono);
    }
    SetBackgroundColour(kColorFondo);
    m_fondo = LeerImagen(m_rutaAplicacion + "/ico/vaq.bmp", wxBITMAP_TYPE_ANY);

    CrearPanelGestionCapas();
    CrearPanelCoordenadas();
    const wxString datos = m_configuracion.GetRutaArchivo();
    if (!datos.empty()) m_rutaDatos = datos;
    do_layout();
    // The themes open once the window is up: a theme that fails can then
    // show its messages over the window.
    CallAfter(&VAQFrame::AbrirTemasIniciales);
}

VAQFrame::~VAQFrame() {
    // The panels use the projects' view managers: they go first.
    DestroyChildren();
}

// ---------------------------------------------------------------- building

void VAQFrame::CrearBotones() {
    for (const Boton& b : kBotones) m_botones[b.id] = CrearBoton(b);
}

// A picture button, or a button with its name when its picture cannot be read.
wxButton* VAQFrame::CrearBoton(const Boton& b) {
    const wxBitmap& normal = Imagen(RutaImagen(b.normal), false);
    const wxSize tamano(b.ancho, b.alto);
    wxButton* boton = nullptr;
    if (normal.IsOk()) {
        boton = new wxBitmapButton(this, b.id, normal, wxPoint(0, 0), tamano, wxBORDER_NONE);
        const wxBitmap& pulsado = Imagen(RutaImagen(b.pulsado), true);
        if (pulsado.IsOk()) boton->SetBitmapFocus(pulsado);
    } else {
        const wxString nombre = wxString::FromUTF8(b.nombre);
        Avisar("no se puede leer la imagen " + m_rutaAplicacion + "/" + RutaImagen(b.normal) +
               wxString::FromUTF8("; el botón se muestra con su nombre, «") + nombre +
               wxString::FromUTF8("»."));
        boton = new wxButton(this, b.id, nombre, wxPoint(0, 0), tamano, wxBORDER_NONE);
        boton->SetForegroundColour(*wxWHITE);
    }
    boton->SetBackgroundColour(kColorFondo);
    return boton;
}

// A picture of the application directory, read once. With `avisar`, a
// picture that cannot be read is told on stderr (once).
const wxBitmap& VAQFrame::Imagen(const wxString& nombre, bool avisar) {
    const auto encontrada = m_imagenes.find(nombre);
    if (encontrada != m_imagenes.end()) return encontrada->second;
    const wxString ruta = m_rutaAplicacion + "/" + nombre;
    wxBitmap& imagen = m_imagenes[nombre] = LeerImagen(ruta, wxBITMAP_TYPE_BMP);
    if (!imagen.IsOk() && avisar) Avisar("no se puede leer la imagen " + ruta + ".");
    return imagen;
}

void VAQFrame::CrearPanelMediciones() {
    if (m_mediciones) return;
    m_mediciones = new CMedicionesPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    const wxRect r(m_origen + kRectMediciones.GetPosition(), kRectMediciones.GetSize());
    m_mediciones->SetSize(r, wxSIZE_ALLOW_MINUS_ONE);
}

void VAQFrame::CrearPanelGestionCapas() {
    if (!m_gestionCapas)
        m_gestionCapas = new CGestionCapasPanel(this, wxID_ANY, wxPoint(0, 0), kRectGestionCapas.GetSize());
    m_gestionCapas->SetPanelMapa(m_mapa);
    m_gestionCapas->SetGestorVistaMapa(m_mapa->GetGestorVista());
    m_gestionCapas->CargarListaCapasTreeCtrl(0);
}

void VAQFrame::CrearPanelCoordenadas() {
    if (!m_coordenadas)
        m_coordenadas = new CCoordenadasPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0);
}

wxButton* VAQFrame::GetBoton(int id) const {
    const auto encontrado = m_botones.find(id);
    return encontrado == m_botones.end() ? nullptr : encontrado->second;
}

// Every window at its place of the design, centred in the client area (the
// origin is negative in a client area smaller than the design).
void VAQFrame::do_layout() {
    const wxSize cliente = GetClientSize();
    m_origen = wxPoint((cliente.x - kAnchoDiseno) / 2, (cliente.y - kAltoDiseno) / 2);
    auto colocar = [this](wxWindow* ventana, const wxRect& r) {
        if (ventana) ventana->SetSize(wxRect(m_origen + r.GetPosition(), r.GetSize()), wxSIZE_ALLOW_MINUS_ONE);
    };
    colocar(m_mapa, kRectMapa);
    colocar(m_referencia, kRectReferencia);
    colocar(m_gestionCapas, kRectGestionCapas);
    colocar(m_coordenadas, kRectCoordenadas);
    colocar(m_mediciones, kRectMediciones);
    colocar(m_cajaEscala, kRectEscala);
    for (const Boton& b : kBotones) colocar(GetBoton(b.id), wxRect(b.x, b.y, b.ancho, b.alto));
}

// ---------------------------------------------------------------- themes

void VAQFrame::AbrirTemasIniciales() {
    if (m_temasAbiertos || m_rutaDatos.empty()) return;
    m_temasAbiertos = true;
    MarcarTema(TEMA_MEDIO_FISICO);
    if (!AbrirProyectoMedio(kTemaMedioFisico)) MarcarTema(TEMA_NINGUNO);
    m_mapa->ExtensionTotal();
    DevolverFoco();
    AbrirProyectoMapaReferencia(kTemaReferencia);
    m_referencia->Refresh(true);
    // The main map's first extent change came before the overview had its
    // theme: the rectangle is placed now.
    ActualizarRecuadro();
}

// The active theme's button shows its pressed picture, the others their own.
void VAQFrame::MarcarTema(Tema tema) {
    m_temaActivo = tema;
    for (Tema t : {TEMA_MEDIO_FISICO, TEMA_MEDIO_HUMANO, TEMA_MI_LOCALIDAD}) {
        wxButton* boton = BotonTema(t);
        const Boton* b = DescripcionBoton(ID_MEDIO_FISICO + t - TEMA_MEDIO_FISICO);
        if (!boton || !b || !boton->GetBitmapLabel().IsOk()) continue;  // a button without picture
        const wxBitmap& imagen = Imagen(RutaImagen(t == tema ? b->pulsado : b->normal), false);
        if (imagen.IsOk()) boton->SetBitmapLabel(imagen);
    }
}

wxButton* VAQFrame::BotonTema(Tema tema) const {
    switch (tema) {
        case TEMA_MEDIO_FISICO:
            return GetBoton(ID_MEDIO_FISICO);
        case TEMA_MEDIO_HUMANO:
            return GetBoton(ID_MEDIO_HUMANO);
        case TEMA_MI_LOCALIDAD:
            return GetBoton(ID_MI_LOCALIDAD);
        default:
            return nullptr;
    }
}

bool VAQFrame::AbrirProyectoMedio(const wxString& ruta) {
    LimpiarSuperposiciones();
    m_proyecto->SetRutaDatosAplicacion(m_rutaDatos);
    const bool leido = m_proyecto->AbrirProyecto(this, ruta);
    m_rutaTemaAbierto = leido ? ruta : wxString();
    // Layers restyled earlier in this run look as they were left.
    if (leido) m_estilosSesion.Aplicar(ruta, *m_proyecto->GetGestorVistaMapa());
    m_mapa->SetGestorVista(m_proyecto->GetGestorVistaMapa());
    // A theme without scale (0) would shrink the view to a point.
    if (m_proyecto->GetEscala() > 0.0) m_mapa->SetEscalaActual(m_proyecto->GetEscala());
    m_mapa->ReadaptarExtension();
    CrearPanelGestionCapas();
    return leido && m_proyecto->ExisteProyectoAbierto();
}

bool VAQFrame::AbrirProyectoMapaReferencia(const wxString& ruta) {
    m_referencia->EliminarElementosGraficos();
    m_proyectoReferencia->SetRutaDatosAplicacion(m_rutaDatos);
    const bool leido = m_proyectoReferencia->AbrirProyecto(this, ruta);
    m_referencia->SetGestorVista(m_proyectoReferencia->GetGestorVistaMapa());
    m_referencia->ReadaptarExtension();
    return leido && m_proyectoReferencia->ExisteProyectoAbierto();
}

void VAQFrame::CerrarProyectoMedio() {
    m_proyecto->CerrarProyecto(this);
    m_rutaTemaAbierto.clear();
    m_mapa->SetGestorVista(m_proyecto->GetGestorVistaMapa());
    CrearPanelGestionCapas();
    LimpiarSuperposiciones();
}

// Physical and human environment keep the view (extent and scale); my
// locality shows the previous theme's whole map. A map that had no theme
// shows the new theme whole. A theme that fails leaves the map empty and no
// theme active, so any theme button (the same one too) tries again.
void VAQFrame::CambiarTema(Tema tema, const wxString& ruta) {
    CerrarPanelMediciones();
    m_mapa->SetAccion(PanelMapa::ACCION_NINGUNA);
    if (m_temaActivo == tema) return;
    const bool habiaMapa = MapaConCapas();
    const CGestorVistaMapa* gestor = m_mapa->GetGestorVista();
    const CExtensionMapa extension = !habiaMapa                  ? CExtensionMapa()
                                     : tema == TEMA_MI_LOCALIDAD ? gestor->GetExtensionGlobal()
                                                                 : gestor->GetExtensionActual();
    const double escala = Escala();
    MarcarTema(tema);
    CerrarProyectoMedio();
    if (!AbrirProyectoMedio(ruta)) {
        MarcarTema(TEMA_NINGUNO);
    } else if (habiaMapa && extension.GetAncho() > 0.0 && tema != TEMA_MI_LOCALIDAD) {
        // The extent shown is already fitted to the map: set as it is, since
        // fitting it again would move it by part of a pixel.
        m_mapa->SetEscalaActual(escala);
        m_mapa->GetGestorVista()->SetExtensionActual(extension);
        m_mapa->DeterminarEscalaActual(nullptr);
    } else if (habiaMapa && extension.GetAncho() > 0.0) {
        m_mapa->GetGestorVista()->Zoom(extension);
        m_mapa->DeterminarEscalaActual(nullptr);
    } else {
        m_mapa->ExtensionTotal();
    }
    m_mapa->Refresh(true);
    ActualizarRecuadro();
}

void VAQFrame::OnBtnMedioFisico(wxCommandEvent& /*event*/) { CambiarTema(TEMA_MEDIO_FISICO, kTemaMedioFisico); }

void VAQFrame::OnBtnMedioHumano(wxCommandEvent& /*event*/) { CambiarTema(TEMA_MEDIO_HUMANO, kTemaMedioHumano); }

void VAQFrame::OnBtnMiLocalidad(wxCommandEvent& /*event*/) {
    m_mapa->SetMapaActivo(TEMA_MI_LOCALIDAD);
    CambiarTema(TEMA_MI_LOCALIDAD, kTemaMiLocalidad);
    m_mapa->SetTipoBusqueda("LOCALIDAD");
    AbrirBusquedaLocalidad();
}

int VAQFrame::NumeroMapa() const {
    return m_temaActivo == TEMA_MEDIO_FISICO || m_temaActivo == TEMA_MEDIO_HUMANO ? m_temaActivo
                                                                                 : TEMA_MI_LOCALIDAD;
}

// ---------------------------------------------------------------- overview

bool VAQFrame::PrepararDibujarRecuadro() {
    const CGestorVistaMapa* principal = m_mapa->GetGestorVista();
    const CGestorVistaMapa* referencia = m_referencia->GetGestorVista();
    if (!principal || !referencia || principal->GetNumCapas() == 0 || referencia->GetNumCapas() == 0)
        return false;
    // The overview's extent as it is drawn (fitted to the panel), so that the
    // rectangle lies where its clicks point.
    const wxRect area = referencia->GetDimensionAreaVisualizacion();
    const CExtensionMapa vista = referencia->ReadaptarExtensionActual();
    if (area.IsEmpty() || !(vista.GetAncho() > 0.0)) return false;
    const CCoordenadaMapa supDer(vista.GetCoordenadaSupDerX(), vista.GetCoordenadaSupDerY());
    const CCoordenadaMapa infIzq(vista.GetCoordenadaInfIzqX(), vista.GetCoordenadaInfIzqY());
    const CCoordenadaMapa esquinaSupDer =
        supDer.ToPixel(area, supDer, infIzq, principal->GetCoordSupDerExtensionActual());
    const CCoordenadaMapa esquinaInfIzq =
        supDer.ToPixel(area, supDer, infIzq, principal->GetCoordInfIzqExtensionActual());
    m_referencia->SetEsquinasRecuadro(esquinaSupDer, esquinaInfIzq);
    return true;
}

// The rectangle is an overlay: the overview's map image is kept.
void VAQFrame::ActualizarRecuadro() {
    m_referencia->SetAccion(PrepararDibujarRecuadro() ? PanelMapa::ACCION_RECUADRO_REFERENCIA
                                                      : PanelMapa::ACCION_NINGUNA);
    m_referencia->Refresh(false);
}

// ---------------------------------------------------------------- commands

bool VAQFrame::MapaConCapas() const {
    return m_mapa->GetGestorVista() && m_mapa->GetGestorVista()->GetNumCapas() > 0;
}

double VAQFrame::Escala() const { return m_mapa->GetEscalaActual(); }

void VAQFrame::LimpiarSuperposiciones() { m_mapa->EliminarElementosGraficos(); }

// The measurement bar goes, and with it the measured line or polygon.
void VAQFrame::CerrarPanelMediciones() {
    if (!m_mediciones) return;
    m_mapa->SetPanelMediciones(nullptr);
    m_mediciones->Hide();
    m_mediciones->Destroy();
    m_mediciones = nullptr;
    LimpiarSuperposiciones();
    m_mapa->Refresh(false);
}

// No tool; the keyboard focus on the active theme's button.
void VAQFrame::DevolverFoco() {
    if (wxButton* boton = BotonTema(m_temaActivo)) boton->SetFocus();
    m_mapa->SetAccion(PanelMapa::ACCION_NINGUNA);
}

void VAQFrame::OnBtnZoomAcercar(wxCommandEvent& /*event*/) {
    CerrarPanelMediciones();
    if (Escala() > PanelMapa::kEscalaMinima) m_mapa->Acercar();
    DevolverFoco();
}

void VAQFrame::OnBtnZoomAlejar(wxCommandEvent& /*event*/) {
    CerrarPanelMediciones();
    const double escala = Escala();
    const bool enEscalaLocalidad = m_temaActivo == TEMA_MI_LOCALIDAD && escala > kBandaLocalidadMinima &&
                                   escala < kBandaLocalidadMaxima;
    if (escala < PanelMapa::kEscalaMaxima && !enEscalaLocalidad) {
        m_mapa->Alejar();
        LimpiarSuperposiciones();
    }
    DevolverFoco();
}

void VAQFrame::OnBtnZoomVentana(wxCommandEvent& /*event*/) {
    CerrarPanelMediciones();
    if (m_mapa->GetAccion() == PanelMapa::ACCION_ZOOM_VENTANA)
        DevolverFoco();
    else
        m_mapa->ZoomVentana();
    LimpiarSuperposiciones();
}

void VAQFrame::OnBtnExtension(wxCommandEvent& /*event*/) {
    CerrarPanelMediciones();
    m_mapa->SetAccion(PanelMapa::ACCION_NINGUNA);
    if (m_temaActivo != TEMA_MI_LOCALIDAD) {
        LimpiarSuperposiciones();
        m_mapa->ExtensionTotal();
    } else if (Escala() < kEscalaLocalidadExtension) {
        m_mapa->SetEscalaActual(kEscalaLocalidad);
        m_mapa->Refresh(true);
        ActualizarRecuadro();
    }
}

void VAQFrame::OnBtnDesplazar(wxCommandEvent& /*event*/) {
    CerrarPanelMediciones();
    if (m_mapa->GetAccion() != PanelMapa::ACCION_DESPLAZAR)
        m_mapa->SetAccion(PanelMapa::ACCION_DESPLAZAR);
    else
        DevolverFoco();
}

void VAQFrame::OnBtnInfo(wxCommandEvent& /*event*/) {
    CerrarPanelMediciones();
    m_mapa->SetMapaActivo(NumeroMapa());
    if (m_mapa->GetAccion() != PanelMapa::ACCION_INFORMACION)
        m_mapa->SetAccion(PanelMapa::ACCION_INFORMACION);
    else
        DevolverFoco();
}

void VAQFrame::OnBtnMedirLongitud(wxCommandEvent& /*event*/) {
    IniciarMedicion(PanelMapa::ACCION_MEDIR_DISTANCIA, 0, "m");
}

void VAQFrame::OnBtnMedirSuperficie(wxCommandEvent& /*event*/) {
    IniciarMedicion(PanelMapa::ACCION_MEDIR_SUPERFICIE, 1, "m2");
}

// A measuring tool: on with its bar, or off when it was on.
void VAQFrame::IniciarMedicion(int accion, int tipo, const wxString& unidad) {
    CerrarPanelMediciones();
    if (m_mapa->GetAccion() == accion) {
        m_mapa->SetAccion(PanelMapa::ACCION_NINGUNA);
        if (wxButton* boton = BotonTema(m_temaActivo)) boton->SetFocus();
    } else {
        CrearPanelMediciones();
        m_mediciones->Show();
        m_mediciones->SetTipoMedicion(tipo);
        m_mediciones->SetMedicion(0.0, unidad);
        m_mapa->SetPanelMediciones(m_mediciones);
        if (accion == PanelMapa::ACCION_MEDIR_DISTANCIA)
            m_mapa->PrepararMedirDistancia();
        else
            m_mapa->PrepararMedirSuperficie();
    }
    LimpiarSuperposiciones();
    m_mapa->Refresh(false);
}

void VAQFrame::OnBtnBuscar(wxCommandEvent& /*event*/) {
    if (!MapaConCapas()) {
        MostrarMensaje("No existen capas cargadas.", "Informacion Error", wxOK | wxICON_INFORMATION, this);
        return;
    }
    CerrarPanelMediciones();
    m_mapa->SetTipoBusqueda("TOPONIMO");
    m_mapa->SetMapaActivo(NumeroMapa());
    AbrirBusquedaToponimos();
    if (wxButton* boton = BotonTema(m_temaActivo)) boton->SetFocus();
}

// The place-name search on the active map; a chosen hit comes back as a
// locate event. A search that finds nothing leaves the map as it is.
void VAQFrame::AbrirBusquedaToponimos() {
    CBuscarDlg dialogo(this);
    dialogo.SetRutaAplicacion(m_rutaAplicacion);
    dialogo.SetMapaActivo(NumeroMapa());
    dialogo.ShowModal();
}

// The my-locality search: municipalities of the gazetteer.
void VAQFrame::AbrirBusquedaLocalidad() {
    CBuscarDlg dialogo(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(405, 255));
    dialogo.SetRutaAplicacion(m_rutaAplicacion);
    dialogo.SetTipoBusqueda(CBuscarDlg::kModoLocalidad);
    dialogo.Inicializar();
    dialogo.ShowModal();
}

// The scale box: 1:N with N strictly between the zoom limits.
void VAQFrame::OnAplicarEscala(wxCommandEvent& /*event*/) {
    const wxString texto = m_cajaEscala->GetValue();
    if (texto.empty()) return;
    double escala = 0.0;
    if (!CTextoEscala::Leer(texto, escala) || !(escala > PanelMapa::kEscalaMinima) ||
        !(escala < PanelMapa::kEscalaMaxima)) {
        m_cajaEscala->ChangeValue(wxString::FromUTF8("Escala no válida"));
        return;
    }
    m_mapa->SetEscalaActual(escala);
    m_mapa->Refresh(true);
    wxMapEvent evento(wxEVT_MAP_CAMBIO_EXTENSION, GetId());
    evento.SetEventObject(this);
    ProcessEvent(evento);
}

// The legend applied new properties to a layer of the main map: they stay
// with the theme for the rest of the run.
void VAQFrame::OnCapaModificada(wxCommandEvent& event) {
    const CGestorVistaMapa* gestor = m_proyecto->GetGestorVistaMapa();
    const CCapasEnMapa* capaEnMapa = gestor ? gestor->GetCapaEnMapa(event.GetInt()) : nullptr;
    if (m_rutaTemaAbierto.empty() || !capaEnMapa || !capaEnMapa->GetCapaEnCapa()) return;
    m_estilosSesion.Recordar(m_rutaTemaAbierto, event.GetInt(), *capaEnMapa->GetCapaEnCapa());
}

void VAQFrame::OnBtnAyuda(wxCommandEvent& /*event*/) {
    if (m_rutaAplicacion.empty()) {
        MostrarMensaje(wxString::FromUTF8("Error al leer la ruta de la aplicación"), "Error",
                       wxOK | wxICON_ERROR, this);
        return;
    }
    const wxString pagina = m_rutaAplicacion + "/Ayuda/index.html";
    if (!wxFileName::FileExists(pagina) || !m_lanzadorAyuda(wxFileName::FileNameToURL(wxFileName(pagina))))
        MostrarMensaje(wxString::FromUTF8("ERROR: No se pudo mostrar el archivo de ayuda.\n"
                                          "Asegúrese de que se encuentra en la carpeta Ayuda dentro de la "
                                          "ruta de la aplicación."),
                       "Ayuda", wxOK | wxICON_ERROR, this);
}

void VAQFrame::OnBtnCerrar(wxCommandEvent& /*event*/) { Close(true); }

// ---------------------------------------------------------------- keyboard

// Keys for the map wherever the focus is, except in the scale box (where
// they edit the text) and during a gesture: the arrows pan by a quarter of
// the map, "+" and "-" zoom like the buttons ("=" too, the "+" key without
// shift on many keyboards), Home shows the whole map.
void VAQFrame::OnCharHook(wxKeyEvent& event) {
    if (wxWindow::FindFocus() == m_cajaEscala || wxWindow::GetCapture() || (event.GetModifiers() & ~wxMOD_SHIFT)) {
        event.Skip();
        return;
    }
    wxCommandEvent orden;
    const int tecla = event.GetKeyCode();
    const wxChar caracter = event.GetUnicodeKey();
    if (tecla == WXK_LEFT || tecla == WXK_NUMPAD_LEFT)
        DesplazarConTeclado(-1, 0);
    else if (tecla == WXK_RIGHT || tecla == WXK_NUMPAD_RIGHT)
        DesplazarConTeclado(1, 0);
    else if (tecla == WXK_UP || tecla == WXK_NUMPAD_UP)
        DesplazarConTeclado(0, 1);
    else if (tecla == WXK_DOWN || tecla == WXK_NUMPAD_DOWN)
        DesplazarConTeclado(0, -1);
    else if (caracter == '+' || caracter == '=' || tecla == WXK_NUMPAD_ADD)
        OnBtnZoomAcercar(orden);
    else if (caracter == '-' || tecla == WXK_NUMPAD_SUBTRACT)
        OnBtnZoomAlejar(orden);
    else if (tecla == WXK_HOME || tecla == WXK_NUMPAD_HOME)
        OnBtnExtension(orden);
    else
        event.Skip();
}

// Moves the view a quarter of the map's width or height east (dx 1), west
// (dx -1), north (dy 1) or south (dy -1), within the whole map.
void VAQFrame::DesplazarConTeclado(int dx, int dy) {
    if (!MapaConCapas()) return;
    const CGestorVistaMapa* gestor = m_mapa->GetGestorVista();
    const wxSize tamano = m_mapa->GetClientSize();
    const wxPoint centro(tamano.x / 2, tamano.y / 2);
    const wxPoint destino(centro.x - dx * tamano.x / 4, centro.y + dy * tamano.y / 4);
    m_mapa->AplicarDesplazamiento(gestor->PixelToMapa(centro), gestor->PixelToMapa(destino));
}

// ---------------------------------------------------------------- painting

void VAQFrame::OnPaint(wxPaintEvent& /*event*/) {
    wxPaintDC dc(this);
    dc.SetBackground(wxBrush(kColorFondo));
    dc.Clear();
    if (!m_fondo.IsOk()) return;
    const wxSize cliente = GetClientSize();
    dc.DrawBitmap(m_fondo, (cliente.x - m_fondo.GetWidth()) / 2, (cliente.y - m_fondo.GetHeight()) / 2, true);
}

void VAQFrame::OnEraseBackground(wxEraseEvent& event) { event.Skip(); }

void VAQFrame::OnSize(wxSizeEvent& event) {
    do_layout();
    Refresh(false);
    event.Skip();
}

// ---------------------------------------------------------------- map events

bool VAQFrame::ProcessEvent(wxEvent& event) {
    if (ProcesarEventoMapa(event)) return true;
    return wxFrame::ProcessEvent(event);
}

// The map events of the panels, before the event table. A handled type that
// does not come as a map event is consumed without effect.
bool VAQFrame::ProcesarEventoMapa(wxEvent& event) {
    const wxEventType tipo = event.GetEventType();
    if (tipo == wxEVT_MAP_END_DRAW) {
        ContarPrimerPintado(event);
        return false;
    }
    if (tipo != wxEVT_MAP_XY_POS && tipo != wxEVT_MAP_NUEVA_ESCALA && tipo != wxEVT_MAP_MEDIR_DISTANCIA &&
        tipo != wxEVT_MAP_MEDIR_SUPERFICIE && tipo != wxEVT_POSICIONAR_PANELMAPA &&
        tipo != wxEVT_MAP_CAMBIO_EXTENSION && tipo != wxEVT_CERRAR_MEDICIONES &&
        tipo != wxEVT_LOCALIZAR_ELEMENT_BUSQUEDA)
        return false;
    const wxMapEvent* evento = dynamic_cast<wxMapEvent*>(&event);
    if (!evento) return true;
    if (tipo == wxEVT_MAP_XY_POS) {
        MostrarPosicion(evento->x, evento->y);
    } else if (tipo == wxEVT_MAP_NUEVA_ESCALA) {
        m_cajaEscala->ChangeValue("1:" + wxString::Format("%.2f", Escala()));
    } else if (tipo == wxEVT_MAP_MEDIR_DISTANCIA) {
        if (m_mediciones) m_mediciones->SetMedicion(evento->GetMedicion(), "m");
    } else if (tipo == wxEVT_MAP_MEDIR_SUPERFICIE) {
        if (m_mediciones) m_mediciones->SetMedicion(evento->GetMedicion(), "m2");
    } else if (tipo == wxEVT_POSICIONAR_PANELMAPA) {
        m_mapa->CentrarXY(CCoordenadaMapa(evento->x, evento->y));
    } else if (tipo == wxEVT_MAP_CAMBIO_EXTENSION) {
        ActualizarRecuadro();
    } else if (tipo == wxEVT_LOCALIZAR_ELEMENT_BUSQUEDA) {
        if (const auto* registro = dynamic_cast<CInfoCapa*>(evento->GetEventObject()))
            m_mapa->LocalizarSiCapaCargada(*registro);
    } else if (tipo == wxEVT_CERRAR_MEDICIONES) {
        // The bar hides itself; it goes with the next command.
        m_mapa->SetAccion(PanelMapa::ACCION_NINGUNA);
        LimpiarSuperposiciones();
        m_mapa->Refresh(false);
    }
    return true;
}

// Latitude and longitude of a map position (UTM zone 30 north).
void VAQFrame::MostrarPosicion(double x, double y) {
    if (!m_coordenadas) return;
    CConversor conversor;
    conversor.SetXUTM(x);
    conversor.SetYUTM(y);
    conversor.SetUso(30);
    conversor.SetHemisferio('N');
    CConversor::GradMinSeg latitud, longitud;
    conversor.ConvertirUtmToGeografica(&latitud, &longitud);
    m_coordenadas->SetValorLongitud(CConversor::TextoLongitud(longitud));
    m_coordenadas->SetValorLatitud(CConversor::TextoLatitud(latitud));
}

// Once both maps have been painted with their first themes.
void VAQFrame::ContarPrimerPintado(wxEvent& event) {
    if (!m_temasAbiertos || !m_alPrimerPintado) return;
    if (event.GetId() == m_mapa->GetId()) m_pintadoMapa = true;
    if (event.GetId() == m_referencia->GetId()) m_pintadoReferencia = true;
    if (!m_pintadoMapa || !m_pintadoReferencia) return;
    // Not from inside the paint handler.
    CallAfter([funcion = std::move(m_alPrimerPintado)]() { funcion(); });
    m_alPrimerPintado = nullptr;
}
