#include "PanelMapa.h"

#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CGeneradorCapa.h"
#include "CGestorVistaMapa.h"
#include "CInfoCapa.h"
#include "CHerramientaDesplazar.h"
#include "CHerramientaInformacion.h"
#include "CHerramientaMedir.h"
#include "CHerramientaNinguna.h"
#include "CHerramientaRecuadro.h"
#include "CHerramientaResaltado.h"
#include "CHerramientaZoomVentana.h"
#include "CMediciones.h"
#include "CPointShp.h"
#include "CPolyLineShp.h"
#include "CPolygonShp.h"
#include "CShape.h"
#include "CTransformacionMapa.h"
#include "CMensajes.h"
#include "DirectorioEjecutable.h"
#include "wxBitmapTracker.h"
#include "wxMapEvent.h"
#include "brujula.xpm"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/imagbmp.h>
#include <wx/list.h>
#include <wx/log.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <cmath>

wxBEGIN_EVENT_TABLE(PanelMapa, wxPanel)
    EVT_PAINT(PanelMapa::OnPaint)
    EVT_ERASE_BACKGROUND(PanelMapa::OnEraseBackground)
    EVT_SET_FOCUS(PanelMapa::OnSetFocus)
    EVT_KILL_FOCUS(PanelMapa::OnKillFocus)
    EVT_LEFT_DOWN(PanelMapa::OnMouseLeftDown)
    EVT_LEFT_UP(PanelMapa::OnMouseLeftUp)
    EVT_RIGHT_DOWN(PanelMapa::OnMouseRightDown)
    EVT_MOTION(PanelMapa::OnMouseMove)
    EVT_SIZE(PanelMapa::OnSize)
    EVT_LEFT_DCLICK(PanelMapa::OnMouseLeftDoubleClick)
    EVT_MOUSEWHEEL(PanelMapa::OnMouseWheel)
    EVT_KEY_DOWN(PanelMapa::OnKeyDown)
wxEND_EVENT_TABLE()

namespace {
constexpr double kFactorZoom = 1.5;
const wxPoint kPosicionBrujula(667, 460);
constexpr int kEscalimetroX0 = 30;
constexpr int kEscalimetroY0 = 560;
constexpr int kEscalimetroLongitud = 250;
constexpr int kEscalimetroAltura = 20;

void RellenarBlanco(wxDC& dc, const wxRect& area) {
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.SetPen(*wxWHITE_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(area);
}
}  // namespace

PanelMapa::PanelMapa(wxWindow* parent, int /*id*/, const wxPoint& pos, const wxSize& size)
    : wxPanel(parent, wxID_ANY, pos, size, wxTAB_TRAVERSAL | wxNO_BORDER), m_colorFondo(ColorFondo()) {
    // The whole panel is painted from the map image: no background erasing.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Inicializa();
    m_mediciones = new CMediciones(this, wxID_ANY, wxPoint(0, 0), wxSize(0, 0), 0);
    m_mediciones->Hide();
    m_iconoBrujula = CrearBrujula();
    m_escalimetro.SetColorRangoImpar(wxColour(0, 0, 0));
    m_escalimetro.SetColorRangoPar(wxColour(255, 255, 255));
    m_escalimetro.SetUnidad(wxT("km"));
    m_rutaAplicacion = DirectorioAplicacion();
}

PanelMapa::~PanelMapa() {
    // The tools (and their trackers) go first, while the panel they report
    // to is still whole.
    m_herramientas.clear();
    if (m_gestorVista == m_gestorPropio.get()) m_gestorVista = nullptr;
}

const wxColour& PanelMapa::ColorFondo() {
    static const wxColour color(15, 61, 0);
    return color;
}

void PanelMapa::Inicializa() {
    SetBackgroundColour(m_colorFondo);
    m_redibujar = true;
    if (m_herramientas.empty()) CrearHerramientas();
}

void PanelMapa::CrearHerramientas() {
    SetHerramienta(ACCION_NINGUNA, std::make_unique<CHerramientaNinguna>(*this));
    SetHerramienta(ACCION_ZOOM_VENTANA, std::make_unique<CHerramientaZoomVentana>(*this));
    SetHerramienta(ACCION_DESPLAZAR, std::make_unique<CHerramientaDesplazar>(*this));
    SetHerramienta(ACCION_INFORMACION, std::make_unique<CHerramientaInformacion>(*this));
    SetHerramienta(ACCION_MEDIR_DISTANCIA, std::make_unique<CHerramientaMedir>(*this, false));
    SetHerramienta(ACCION_MEDIR_SUPERFICIE, std::make_unique<CHerramientaMedir>(*this, true));
    SetHerramienta(ACCION_RECUADRO_REFERENCIA, std::make_unique<CHerramientaRecuadro>(*this));
    SetHerramienta(ACCION_RESALTAR_BUSQUEDA, std::make_unique<CHerramientaResaltado>(*this));
}

void PanelMapa::SetHerramienta(int accion, std::unique_ptr<CHerramientaMapa> herramienta) {
    m_herramientas[accion] = std::move(herramienta);
    if (accion == m_accion) CargarCursor();
}

CHerramientaMapa* PanelMapa::GetHerramienta(int accion) const {
    const auto encontrada = m_herramientas.find(accion);
    return encontrada == m_herramientas.end() ? nullptr : encontrada->second.get();
}

void PanelMapa::SetRedraw(bool redibujar) {
    m_redibujar = redibujar;
    if (redibujar) Refresh(true);
}

void PanelMapa::SetRutaAplicacion(const wxString& ruta) {
    m_rutaAplicacion = ruta;
    m_cursores.clear();
}

void PanelMapa::SetEsquinasRecuadro(const CCoordenadaMapa& esquina1, const CCoordenadaMapa& esquina2) {
    m_esquinaRecuadro1 = esquina1;
    m_esquinaRecuadro2 = esquina2;
}

bool PanelMapa::TieneCapas() const { return m_gestorVista && m_gestorVista->GetNumCapas() > 0; }

// ---------------------------------------------------------------- tools

void PanelMapa::SetAccion(int accion) {
    m_accion = accion;
    CargarCursor();
}

void PanelMapa::EliminarElementosGraficos() {
    m_mediciones->InicializarPoligono();
    m_mediciones->InicializarPolyLinea();
    m_mediciones->InicializarPunto();
}

wxCursor PanelMapa::CursorDeArchivo(const wxString& nombre, wxStockCursor sustituto) {
    const auto encontrado = m_cursores.find(nombre);
    if (encontrado != m_cursores.end()) return encontrado->second;
    wxCursor cursor;
    const wxString ruta = m_rutaAplicacion + wxT("/") + nombre;
    if (wxFileName::FileExists(ruta)) {
        if (!wxImage::FindHandler(wxBITMAP_TYPE_CUR)) wxImage::AddHandler(new wxCURHandler);
        wxLogNull sinMensajes;  // a damaged cursor file is not worth a message
        wxImage imagen;
        if (imagen.LoadFile(ruta, wxBITMAP_TYPE_CUR, -1) && imagen.IsOk()) cursor = wxCursor(imagen);
    }
    // Without its picture the tool still gets a cursor that suggests it.
    if (!cursor.IsOk()) cursor = wxCursor(sustituto);
    m_cursores[nombre] = cursor;
    return cursor;
}

void PanelMapa::CargarCursor() {
    const wxString archivo = Herramienta() ? Herramienta()->Cursor() : wxString();
    if (archivo.empty())
        SetCursor(wxCursor(wxCURSOR_ARROW));
    else
        SeleccionarCursor(archivo);
}

void PanelMapa::SeleccionarCursor(const wxString& nombre) {
    wxStockCursor sustituto = wxCURSOR_ARROW;
    if (nombre.Contains(wxT("zoom_ventana")))
        sustituto = wxCURSOR_MAGNIFIER;
    else if (nombre.Contains(wxT("pan")))
        sustituto = wxCURSOR_HAND;
    else if (nombre.Contains(wxT("info")))
        sustituto = wxCURSOR_QUESTION_ARROW;
    else if (nombre.Contains(wxT("lapiz")))
        sustituto = wxCURSOR_PENCIL;
    SetCursor(CursorDeArchivo(nombre, sustituto));
}

// ---------------------------------------------------------------- navigation

void PanelMapa::RefrescarEsquinas() {
    if (!m_gestorVista) return;
    const CCoordenadaMapa infIzq = m_gestorVista->GetCoordInfIzqExtensionActual();
    const CCoordenadaMapa supDer = m_gestorVista->GetCoordSupDerExtensionActual();
    m_extension.SetExtension(CCoordenadas(infIzq.GetCoordenadaMapaX(), infIzq.GetCoordenadaMapaY()),
                             CCoordenadas(supDer.GetCoordenadaMapaX(), supDer.GetCoordenadaMapaY()));
}

// The common tail of the zoom commands: corners, scale, repaint, event.
void PanelMapa::TrasNavegar() {
    RefrescarEsquinas();
    DeterminarEscalaActual(nullptr);
    Refresh(m_redibujar);
    GenerarEventoCambioExtension();
}

void PanelMapa::Acercar() {
    if (!m_gestorVista) return;
    SetAccion(ACCION_NINGUNA);
    m_gestorVista->Zoom(kFactorZoom);
    TrasNavegar();
}

void PanelMapa::Alejar() {
    if (!m_gestorVista) return;
    SetAccion(ACCION_NINGUNA);
    m_gestorVista->Zoom(-kFactorZoom);
    TrasNavegar();
}

void PanelMapa::ExtensionTotal() {
    if (!m_gestorVista) return;
    SetAccion(ACCION_NINGUNA);
    m_gestorVista->ReCalcularExtGlobal();
    m_gestorVista->ZoomExtensionTotal();
    TrasNavegar();
}

void PanelMapa::CentrarXY(const CCoordenadaMapa& punto) {
    if (!TieneCapas()) return;
    m_gestorVista->Centrar(punto);
    Refresh(true);
    GenerarEventoCambioExtension();
}

void PanelMapa::SetEscalaActual(double escala) {
    if (!m_gestorVista) return;
    m_gestorVista->SetEscalaActual(this, escala);
    RefrescarEsquinas();
    DeterminarEscalaActual(nullptr);
}

void PanelMapa::AplicarDesplazamiento(const CCoordenadaMapa& desde, const CCoordenadaMapa& hasta) {
    if (!m_gestorVista) return;
    m_gestorVista->Desplazar(desde, hasta);
    RefrescarEsquinas();
    ComprobarExtension(m_gestorVista->GetExtensionActual());
    TrasNavegar();
}

void PanelMapa::AplicarZoomVentana(const wxRect& rect) {
    if (!m_gestorVista) return;
    const CExtensionMapa anterior = m_gestorVista->GetExtensionActual();
    m_gestorVista->Zoom(m_gestorVista->PixelToMapa(rect));
    RefrescarEsquinas();
    ComprobarExtension(m_gestorVista->GetExtensionActual());
    if (DeterminarEscalaActual(nullptr) <= kEscalaMinima) {
        // Too close: the previous view comes back, and with it its corners
        // and scale, so that the zoom commands keep judging the real view.
        m_gestorVista->Zoom(anterior);
        RefrescarEsquinas();
        DeterminarEscalaActual(nullptr);
        return;
    }
    Refresh(m_redibujar);
    GenerarEventoCambioExtension();
}

void PanelMapa::ReadaptarExtension() {
    if (!m_gestorVista) return;
    m_gestorVista->SetDimensionAreaVisualizacion(wxRect(GetClientAreaOrigin(), GetClientSize()));
    RefrescarEsquinas();
}

// Keeps the view inside the whole map by shifting it (never resizing it).
// Touching an edge counts as crossing it.
void PanelMapa::ComprobarExtension(const CExtensionMapa& extension) {
    const CExtensionMapa global = m_gestorVista->GetExtensionGlobal();
    CExtensionMapa ajustada = extension;
    bool fuera = false;
    if (extension.GetCoordenadaInfIzqX() <= global.GetCoordenadaInfIzqX()) {
        const double d = global.GetCoordenadaInfIzqX() - extension.GetCoordenadaInfIzqX();
        ajustada.SetCoordenadaInfIzqX(global.GetCoordenadaInfIzqX());
        ajustada.SetCoordenadaSupDerX(extension.GetCoordenadaSupDerX() + d);
        fuera = true;
    } else if (extension.GetCoordenadaSupDerX() >= global.GetCoordenadaSupDerX()) {
        const double d = extension.GetCoordenadaSupDerX() - global.GetCoordenadaSupDerX();
        ajustada.SetCoordenadaSupDerX(global.GetCoordenadaSupDerX());
        ajustada.SetCoordenadaInfIzqX(extension.GetCoordenadaInfIzqX() - d);
        fuera = true;
    }
    if (extension.GetCoordenadaInfIzqY() <= global.GetCoordenadaInfIzqY()) {
        const double d = global.GetCoordenadaInfIzqY() - extension.GetCoordenadaInfIzqY();
        ajustada.SetCoordenadaInfIzqY(global.GetCoordenadaInfIzqY());
        ajustada.SetCoordenadaSupDerY(extension.GetCoordenadaSupDerY() + d);
        fuera = true;
    } else if (extension.GetCoordenadaSupDerY() >= global.GetCoordenadaSupDerY()) {
        const double d = extension.GetCoordenadaSupDerY() - global.GetCoordenadaSupDerY();
        ajustada.SetCoordenadaSupDerY(global.GetCoordenadaSupDerY());
        ajustada.SetCoordenadaInfIzqY(extension.GetCoordenadaInfIzqY() - d);
        fuera = true;
    }
    if (fuera) m_gestorVista->Zoom(ajustada);
}

void PanelMapa::ZoomEnPunto(const wxPoint& pixel, bool acercar) {
    if (!TieneCapas()) return;
    if (acercar ? m_escalaActual <= kEscalaMinima : m_escalaActual >= kEscalaMaxima) return;
    m_gestorVista->SetDimensionAreaVisualizacion(wxRect(wxPoint(0, 0), GetClientSize()));
    const CCoordenadaMapa antes = m_gestorVista->PixelToMapa(pixel);
    m_gestorVista->Zoom(acercar ? kFactorZoom : -kFactorZoom);
    const CCoordenadaMapa despues = m_gestorVista->PixelToMapa(pixel);
    // Shift back so that the map point under the cursor stays there.
    m_gestorVista->Desplazar(antes, despues);
    TrasNavegar();
}

// Map position of a pixel of the map as painted: the layers are drawn in
// the view fitted to the panel's aspect. The fit is not stored, since every
// paint sizes the view again after the scale; storing it would move later
// clicks of a measurement by part of a pixel row.
CCoordenadaMapa PanelMapa::PixelAMapaVista(const wxPoint& pixel) const {
    return m_gestorVista->GetVista().PixelAMapa(pixel);
}

// ---------------------------------------------------------------- scale

double PanelMapa::DeterminarEscalaActual(wxDC* dc) {
    RefrescarEsquinas();
    const CExtensionMapa extension(m_extension.GetPrimera().x, m_extension.GetPrimera().y,
                                   m_extension.GetSegunda().x, m_extension.GetSegunda().y);
    const int ppi = dc ? dc->GetPPI().x : ResolucionPantalla().x;
    m_escalaActual = CGestorVistaMapa::EscalaDeExtension(extension, GetClientSize().GetWidth(), ppi);
    return m_escalaActual;
}

// The resolution a client context of the panel reports, read once: making a
// context on every paint costs a round trip to the display.
wxSize PanelMapa::ResolucionPantalla() {
    if (m_ppi.x <= 0 || m_ppi.y <= 0) m_ppi = wxClientDC(this).GetPPI();
    return m_ppi;
}

wxString PanelMapa::GetEscalaActualFormateada() const {
    return wxString::Format(wxT("1:%.0f"), m_escalaActual);
}

// ---------------------------------------------------------------- painting

void PanelMapa::Refresh(bool eraseBackground, const wxRect* rect) {
    if (eraseBackground) m_bitmapMapa.reset();
    wxPanel::Refresh(eraseBackground, rect);
}

bool PanelMapa::CrearBitmapRedraw() {
    const wxSize tamano = GetSize();
    if (tamano.GetWidth() <= 0 || tamano.GetHeight() <= 0) return false;
    auto bitmap = std::make_unique<wxBitmap>(tamano.GetWidth(), tamano.GetHeight(), wxBITMAP_SCREEN_DEPTH);
    if (!bitmap->IsOk()) return false;
    m_bitmapMapa = std::move(bitmap);
    return true;
}

void PanelMapa::OnEraseBackground(wxEraseEvent& /*event*/) {}

void PanelMapa::OnPaint(wxPaintEvent& /*event*/) {
    wxPaintDC dc(this);
    PintarPanel(dc, GetUpdateRegion().GetBox());
}

void PanelMapa::PintarPanel(wxDC& dc, const wxRect& zona) {
    dc.SetBackground(wxBrush(m_colorFondo, wxBRUSHSTYLE_SOLID));
    // While panning, the bitmap tracker covers the panel with the dragged image.
    if (Herramienta() && Herramienta()->CubreElMapa()) return;
    if (!m_redibujar) {
        wxMapEvent evento(wxEVT_MAP_END_DRAW, GetId());
        evento.SetDCDraw(&dc);
        GetEventHandler()->ProcessEvent(evento);
        return;
    }
    if (m_bitmapMapa && m_bitmapMapa->GetSize() != GetSize()) m_bitmapMapa.reset();  // resized
    bool finDibujo = true;
    if (!m_bitmapMapa) {
        if (CrearBitmapRedraw()) {
            wxMemoryDC memoria(*m_bitmapMapa);
            DrawMap(&memoria);
        } else {
            DrawMap(&dc);
            finDibujo = false;
        }
    }
    if (m_bitmapMapa) {
        // Only the part to renew is copied: overlays and gesture feedback
        // repaint small areas over the kept image.
        wxRect copia = zona.IsEmpty() ? wxRect(wxPoint(0, 0), m_bitmapMapa->GetSize()) : zona;
        copia.Intersect(wxRect(wxPoint(0, 0), m_bitmapMapa->GetSize()));
        if (!copia.IsEmpty()) {
            wxMemoryDC memoria(*m_bitmapMapa);
            dc.Blit(copia.GetPosition(), copia.GetSize(), &memoria, copia.GetPosition(), wxCOPY);
        }
    }
    if (finDibujo) {
        wxMapEvent evento(wxEVT_MAP_END_DRAW, GetId());
        evento.SetDCDraw(&dc);
        GetEventHandler()->ProcessEvent(evento);
    }
    PintarOverlays(dc);
}

void PanelMapa::PintarOverlays(wxDC& dc) {
    const CTransformacionMapa vista = VistaPanel();
    if (CHerramientaMapa* herramienta = Herramienta()) herramienta->PintarSuperposicion(dc, vista);
    if (m_iconoBrujula.IsOk()) dc.DrawIcon(m_iconoBrujula, kPosicionBrujula);
    m_escalimetro.SetEscala(m_escalaActual);
    if (TieneCapas()) m_escalimetro.SetExtension(vista.GetExtension());
    m_escalimetro.Pintar(&dc, wxRect(wxPoint(0, 0), GetClientSize()), kEscalimetroX0,
                         kEscalimetroY0, kEscalimetroLongitud, kEscalimetroAltura);
}

void PanelMapa::DrawMap(wxDC* dc) {
    if (!dc) return;
    if (m_gestorVista && !m_imprimiendo) {
        m_gestorVista->PintarVista(*dc, wxRect(wxPoint(0, 0), GetClientSize()), ResolucionPantalla(),
                                   0.0, false, m_colorFondo);
        DeterminarEscalaActual(nullptr);  // of what was painted
    } else if (m_gestorVista) {
        // On paper the map keeps the screen's view, drawn on the page.
        const wxRect area(wxPoint(0, 0), dc->GetSize());
        m_gestorVista->SetDimensionAreaVisualizacion(area);
        if (m_impresionRapida) {
            m_bitmapImpresion = std::make_unique<wxBitmap>(area.GetWidth(), area.GetHeight(), wxBITMAP_SCREEN_DEPTH);
            if (m_bitmapImpresion->IsOk()) {
                wxMemoryDC memoria(*m_bitmapImpresion);
                RellenarBlanco(memoria, area);
                m_gestorVista->Pintar(&memoria, area, true);
                dc->Blit(0, 0, area.GetWidth(), area.GetHeight(), &memoria, 0, 0, wxCOPY);
            } else {
                RellenarBlanco(*dc, area);
            }
            m_impresionRapida = false;
        } else {
            m_gestorVista->Pintar(dc, area, true);
        }
    }
    GenerarEventoNuevaEscala();
}

// The view the map shows on the panel: the overlays are drawn in it.
CTransformacionMapa PanelMapa::VistaPanel() {
    if (!m_gestorVista) return CTransformacionMapa();
    m_gestorVista->SetDimensionAreaVisualizacion(wxRect(wxPoint(0, 0), GetClientSize()));
    return m_gestorVista->GetVista();
}

void PanelMapa::DrawMediciones(wxDC& dc, wxList* puntos) {
    CHerramientaMedir::Trazar(dc, VistaPanel(), puntos, false);
}

void PanelMapa::DrawLinea(wxDC& dc, const CCoordenadaMapa* a, const CCoordenadaMapa* b) {
    if (!a || !b) return;
    wxList segmento;
    segmento.DeleteContents(true);  // owns the copies of the two points
    segmento.Append(new CCoordenadaMapa(*a));
    segmento.Append(new CCoordenadaMapa(*b));
    CHerramientaMedir::Trazar(dc, VistaPanel(), &segmento, false);
}

// Outlines the found feature in red over the map: a gazetteer hit is drawn
// by its layer, from the layer's own geometry; any other result from the
// geometry kept.
void PanelMapa::DrawElementoBusqueda(wxDC* dc) {
    if (!dc) return;
    if (m_registroBusqueda) {
        if (CCapasEnMapa* capa = CapaBusqueda()) {
            const wxSize cliente = GetClientSize();
            m_gestorVista->PintarElementoBusqueda(dc, wxRect(0, 0, cliente.GetWidth(), cliente.GetHeight()),
                                                  capa, *m_registroBusqueda);
        }
        return;
    }
    CHerramientaResaltado::Trazar(*dc, VistaPanel(), m_tipoGeometriaBusqueda, m_geometriaBusqueda.get());
}

double PanelMapa::ConvertirUmbralPixelToMapa(const wxPoint& pixel, int umbral) {
    if (!m_gestorVista) return 0.0;
    const CCoordenadaMapa a = m_gestorVista->PixelToMapa(pixel);
    const CCoordenadaMapa b = m_gestorVista->PixelToMapa(wxPoint(pixel.x + umbral / 2, pixel.y + umbral / 2));
    return CMediciones::GetDistancia(&a, &b);
}

// ---------------------------------------------------------------- mouse

void PanelMapa::OnSetFocus(wxFocusEvent& /*event*/) {}

void PanelMapa::OnKillFocus(wxFocusEvent& /*event*/) {}

void PanelMapa::OnMouseLeftDoubleClick(wxMouseEvent& /*event*/) {}

void PanelMapa::OnMouseLeftDown(wxMouseEvent& event) {
    if (CHerramientaMapa* herramienta = Herramienta()) herramienta->Pulsar(event);
}

void PanelMapa::OnMouseLeftUp(wxMouseEvent& event) {
    if (CHerramientaMapa* herramienta = Herramienta()) herramienta->Soltar(event);
}

void PanelMapa::OnMouseRightDown(wxMouseEvent& event) {
    if (CHerramientaMapa* herramienta = Herramienta()) herramienta->PulsarDerecho(event);
}

void PanelMapa::OnMouseMove(wxMouseEvent& event) {
    if (TieneCapas()) GenerarEventoXY(event);
    if (CHerramientaMapa* herramienta = Herramienta()) herramienta->Arrastrar(event);
}

void PanelMapa::OnKeyDown(wxKeyEvent& event) {
    CHerramientaMapa* herramienta = Herramienta();
    if (!herramienta || !herramienta->Tecla(event)) event.Skip();
}

void PanelMapa::OnMouseWheel(wxMouseEvent& event) {
    const bool enGesto = Herramienta() && Herramienta()->EnGesto();
    if (enGesto || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) return;
    const int paso = event.GetWheelDelta() > 0 ? event.GetWheelDelta() : 120;
    m_ruedaAcumulada += event.GetWheelRotation();
    // Fine-grained wheels send fractions of a step: zoom once per whole step.
    while (std::abs(m_ruedaAcumulada) >= paso) {
        const bool acercar = m_ruedaAcumulada > 0;
        m_ruedaAcumulada += acercar ? -paso : paso;
        ZoomEnPunto(event.GetPosition(), acercar);
    }
}

void PanelMapa::OnSize(wxSizeEvent& event) {
    ReadaptarExtension();
    event.Skip();
}

// ---------------------------------------------------------------- events

bool PanelMapa::ProcessEvent(wxEvent& event) {
    if (ProcesarEventoMapa(event)) return true;
    return wxPanel::ProcessEvent(event);
}

// Tracker notifications and the clicks of a measurement, before the table.
bool PanelMapa::ProcesarEventoMapa(wxEvent& event) {
    const wxEventType tipo = event.GetEventType();
    if (tipo == EVT_BMPTRACKER_CHANGED || tipo == EVT_BMPTRACKER_CHANGING) return true;
    if (tipo != wxEVT_MAP_NUEVO_PUNTO && tipo != wxEVT_MAP_FIN_LINEA) return false;
    auto* evento = dynamic_cast<wxMapEvent*>(&event);
    if (evento && Herramienta()) Herramienta()->EventoMapa(*evento);
    return true;
}

namespace {
void EnviarAlPadre(wxWindow* panel, wxMapEvent& evento) {
    evento.SetEventObject(panel);
    if (wxWindow* padre = panel->GetParent()) padre->GetEventHandler()->ProcessEvent(evento);
}
}  // namespace

void PanelMapa::GenerarEventoXY(const wxMouseEvent& event) {
    const CCoordenadaMapa punto = PixelAMapaVista(event.GetPosition());
    wxMapEvent evento(wxEVT_MAP_XY_POS, GetId());
    evento.SetEventObject(this);
    evento.SetCoordenadas(punto.GetCoordenadaMapaX(), punto.GetCoordenadaMapaY());
    GetEventHandler()->ProcessEvent(evento);
}

void PanelMapa::GenerarEventoCambioExtension() {
    wxMapEvent evento(wxEVT_MAP_CAMBIO_EXTENSION, GetId());
    EnviarAlPadre(this, evento);
}

void PanelMapa::GenerarEventoNuevaEscala() {
    wxMapEvent evento(wxEVT_MAP_NUEVA_ESCALA, GetId());
    evento.SetMedicion(m_escalaActual);
    EnviarAlPadre(this, evento);
}

void PanelMapa::GenerarEventoMedirDistancia(double longitud) {
    wxMapEvent evento(wxEVT_MAP_MEDIR_DISTANCIA, GetId());
    evento.SetMedicion(longitud);
    EnviarAlPadre(this, evento);
}

void PanelMapa::GenerarEventoMedirSuperficie(double superficie) {
    wxMapEvent evento(wxEVT_MAP_MEDIR_SUPERFICIE, GetId());
    evento.SetMedicion(superficie);
    EnviarAlPadre(this, evento);
}

// ---------------------------------------------------------------- search, hooks

namespace {
// The located geometry as the panel keeps it.
std::unique_ptr<CMediciones> GeometriaBusqueda(const CShapeObj* forma) {
    if (!forma) return nullptr;
    auto geometria = std::make_unique<CMediciones>(nullptr, wxID_ANY, wxPoint(0, 0), wxSize(0, 0), 0);
    if (const auto* punto = dynamic_cast<const CPointShp*>(forma)) {
        geometria->AddCoordenadasPunto(punto->GetPoint());
        return geometria;
    }
    const auto* linea = dynamic_cast<const CPolyLineShp*>(forma);
    if (!linea) return nullptr;
    const bool poligono = dynamic_cast<const CPolygonShp*>(forma) != nullptr;
    CCoordenadaMapa punto;
    for (size_t i = 0; linea->GetPoint(static_cast<int>(i), &punto); ++i) {
        if (poligono)
            geometria->AddCoordenadasPoligono(punto);
        else
            geometria->AddCoordenadasPolyLinea(punto);
    }
    return geometria;
}
}  // namespace

void PanelMapa::LocalizarSiCapaCargada(const CInfoCapa& registro) {
    if (!TieneCapas()) return;
    m_registroBusqueda = std::make_unique<CInfoCapa>(registro);
    if (!CapaBusqueda()) {
        MostrarMensaje(wxString::FromUTF8("La capa ") + registro.GetNombreCapa() +
                           wxString::FromUTF8(" no está cargada.\n No se puede mostrar ") +
                           registro.GetValorClasificacion(),
                       wxString::FromUTF8("Información Error"), wxOK | wxICON_INFORMATION);
        return;
    }
    SetElementoBusqueda();
}

void PanelMapa::SetElementoBusqueda() {
    CCapasEnMapa* capa = CapaBusqueda();
    if (!capa || !m_registroBusqueda) return;
    const wxSize cliente = GetClientSize();
    const std::unique_ptr<CShapeObj> forma = m_gestorVista->LocalizarElementoBusqueda(
        wxRect(0, 0, cliente.GetWidth(), cliente.GetHeight()), capa, *m_registroBusqueda);
    CentrarElementoBusqueda(capa->GetCapaEnCapa()->GetGeometria(), GeometriaBusqueda(forma.get()));
}

CCapasEnMapa* PanelMapa::CapaBusqueda() const {
    if (!m_registroBusqueda || !m_gestorVista) return nullptr;
    for (const auto& capaEnMapa : *m_gestorVista->GetListaCapas()) {
        const CCapa* capa = capaEnMapa->GetCapaEnCapa();
        if (capa && capa->GetNombreCapa() == m_registroBusqueda->GetNombreCapa()) return capaEnMapa.get();
    }
    return nullptr;
}

void PanelMapa::ResaltarElementoBusqueda(int tipoGeometria, std::unique_ptr<CMediciones> geometria) {
    m_registroBusqueda.reset();
    CentrarElementoBusqueda(tipoGeometria, std::move(geometria));
}

void PanelMapa::CentrarElementoBusqueda(int tipoGeometria, std::unique_ptr<CMediciones> geometria) {
    if (!TieneCapas()) return;
    m_tipoGeometriaBusqueda = tipoGeometria;
    m_geometriaBusqueda = std::move(geometria);
    SetAccion(ACCION_RESALTAR_BUSQUEDA);
    if (m_geometriaBusqueda) {
        CCoordenadaMapa centro;
        bool conCentro = true;
        if (tipoGeometria == CShape::Punto) {
            centro = m_geometriaBusqueda->GetCoordenadaMapaPunto();
        } else if (tipoGeometria == CShape::Polilinea || tipoGeometria == CShape::Poligono) {
            const CExtensionMapa e = tipoGeometria == CShape::Polilinea
                                         ? m_geometriaBusqueda->GetPolyLinea()->GetExtension()
                                         : m_geometriaBusqueda->GetPoligono()->GetExtension();
            centro = CCoordenadaMapa((e.GetCoordenadaInfIzqX() + e.GetCoordenadaSupDerX()) * 0.5,
                                     (e.GetCoordenadaInfIzqY() + e.GetCoordenadaSupDerY()) * 0.5);
        } else {
            conCentro = false;
        }
        if (conCentro) {
            m_gestorVista->Centrar(centro);
            if (m_mapaActivo == 3 && !m_tipoBusqueda.Contains(wxT("TOPONIMO"))) SetEscalaActual(200000.0);
            RefrescarEsquinas();
            DeterminarEscalaActual(nullptr);
            GenerarEventoCambioExtension();
        }
    }
    Refresh(true);
}

// The information window is not part of the panel yet: nothing is shown.
void PanelMapa::MostrarInformacion(const CCoordenadaMapa& /*punto*/, double /*tolerancia*/) {}

// The image menu is not part of the panel yet: nothing is shown.
void PanelMapa::MostrarMenuImagen(const wxPoint& /*posicion*/) {}

wxIcon PanelMapa::CrearBrujula() { return wxIcon(brujula_xpm); }

// ---------------------------------------------------------------- one file

wxString PanelMapa::GetNombreCapaDeRuta(const wxString& ruta) { return ruta.AfterLast('/'); }

void PanelMapa::CargarCapa(wxWindow* parent, wxString& title) {
    if (!m_gestorVista) {
        m_gestorPropio = std::make_unique<CGestorVistaMapa>();
        m_gestorVista = m_gestorPropio.get();
    }
    wxFileDialog dialogo(parent, title, wxEmptyString, wxEmptyString,
                         wxString::FromUTF8("Todos los archivos (*.shp,*.jp2,*.tif,*.ecw,*.sid,*.ini)|"
                                            "*.shp;*.jp2;*.tif;*.ecw;*.sid;*.ini|Archivos shape (*.shp)|*.shp|"
                                            "Archivos JPEG 2000 (*.jp2)|*.jp2|Archivos ECW (*.ecw)|*.ecw|"
                                            "Archivos MrSID (*.sid)|*.sid|Archivos TIF (*.tif)|*.tif|"
                                            "Archivos de Referencia (*.ini)|*.ini"),
                         wxFD_OPEN, wxDefaultPosition);
    if (dialogo.ShowModal() != wxID_OK) return;
    CargarArchivoCapa(dialogo.GetPath());
}

bool PanelMapa::CargarArchivoCapa(const wxString& ruta) {
    if (!m_gestorVista) {
        m_gestorPropio = std::make_unique<CGestorVistaMapa>();
        m_gestorVista = m_gestorPropio.get();
    }
    std::unique_ptr<CCapa> capa = CGeneradorCapa().GenerarCapa(ruta.Lower());
    wxString causa;
    if (capa) {
        capa->SetRutaArchivo(ruta);
        if (!capa->InicializarCapa()) {
            causa = capa->GetMensajeErrorInicializacion();
            capa.reset();
        }
    }
    if (!capa) {
        MostrarMensaje(wxString::FromUTF8("No se ha podido abrir el archivo ") + ruta +
                           wxString::FromUTF8(" como capa del mapa.") + (causa.empty() ? wxString() : "\n" + causa),
                       wxString::FromUTF8("Información Error"), wxOK | wxICON_INFORMATION, this);
        return false;
    }
    capa->SetNombreCapa(GetNombreCapaDeRuta(ruta));
    m_gestorVista->AddCapa(capa.release());
    m_gestorVista->ReCalcularExtGlobal();
    RefrescarEsquinas();
    return true;
}
