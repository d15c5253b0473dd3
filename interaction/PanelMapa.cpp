#include "PanelMapa.h"

#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CGeneradorCapa.h"
#include "CGestorVistaMapa.h"
#include "CInfoCapa.h"
#include "CMediciones.h"
#include "CMedicionesPanel.h"
#include "CPointShp.h"
#include "CPolyLineShp.h"
#include "CPolygonShp.h"
#include "CPolyLineTracker.h"
#include "CTransformacionMapa.h"
#include "CMensajes.h"
#include "DirectorioEjecutable.h"
#include "wxBitmapTracker.h"
#include "wxMapEvent.h"
#include "wxRectTracker.h"
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
wxEND_EVENT_TABLE()

namespace {
const wxColour kColorFondo(15, 61, 0);
const wxColour kColorMedicion(0, 0, 255);
const wxColour kColorRecuadro(0, 255, 0);
const wxColour kColorResaltado(255, 0, 0);
constexpr int kAnchoMedicion = 3;
constexpr int kAnchoResaltado = 10;
constexpr double kFactorZoom = 1.5;
constexpr int kMinimoZoomVentana = 20;  // pixels of width a zoom window must exceed
const wxPoint kPosicionBrujula(667, 460);
constexpr int kEscalimetroX0 = 30;
constexpr int kEscalimetroY0 = 560;
constexpr int kEscalimetroLongitud = 250;
constexpr int kEscalimetroAltura = 20;

int Truncar(double valor) { return CTransformacionMapa::TruncarPixel(valor); }

const CCoordenadaMapa* Coordenada(const wxList::compatibility_iterator& nodo) {
    return static_cast<const CCoordenadaMapa*>(nodo->GetData());
}
}  // namespace

PanelMapa::PanelMapa(wxWindow* parent, int /*id*/, const wxPoint& pos, const wxSize& size)
    : wxPanel(parent, wxID_ANY, pos, size, wxTAB_TRAVERSAL | wxNO_BORDER), m_colorFondo(kColorFondo) {
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
    // The trackers go first, while the panel they report to is still whole.
    DestruirBitmapTracker();
    if (m_rectTracker) m_rectTracker->Destroy();
    if (m_polyLineTracker) m_polyLineTracker->Destroy();
    if (m_gestorVista == m_gestorPropio.get()) m_gestorVista = nullptr;
}

void PanelMapa::Inicializa() {
    SetBackgroundColour(m_colorFondo);
    m_redibujar = true;
    if (!m_rectTracker) {
        m_rectTracker = new wxRectTracker(this, wxID_ANY, wxPoint(0, 0), wxSize(0, 0), 0);
    }
    if (!m_polyLineTracker) {
        m_polyLineTracker = new CPolyLineTracker(this, wxID_ANY, wxPoint(0, 0), wxSize(0, 0), 0);
    }
    m_tracking = false;
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
    switch (m_accion) {
        case ACCION_ZOOM_VENTANA:
            SeleccionarCursor(wxT("cursor/zoom_ventana.cur"));
            break;
        case ACCION_DESPLAZAR:
            SeleccionarCursor(wxT("cursor/pan.cur"));
            break;
        case ACCION_INFORMACION:
            SeleccionarCursor(wxT("cursor/info_capas.cur"));
            break;
        case ACCION_MEDIR_DISTANCIA:
        case ACCION_MEDIR_SUPERFICIE:
            SeleccionarCursor(wxT("cursor/lapiz.cur"));
            break;
        default:
            SetCursor(wxCursor(wxCURSOR_ARROW));
            break;
    }
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
    return CTransformacionMapa::PixelToMapa(pixel, m_gestorVista->GetDimensionAreaVisualizacion(),
                                            m_gestorVista->ReadaptarExtensionActual());
}

// ---------------------------------------------------------------- scale

double PanelMapa::DeterminarEscalaActual(wxDC* dc) {
    RefrescarEsquinas();
    const CExtensionMapa extension = [this] {
        CExtensionMapa e;
        e.SetCoordenadasInfIzq(m_extension.GetPrimera().x, m_extension.GetPrimera().y);
        e.SetCoordenadasSupDer(m_extension.GetSegunda().x, m_extension.GetSegunda().y);
        return e;
    }();
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
    m_escalimetro.SetEscala(m_escalaActual);
    if (m_gestorVista) {
        if (m_gestorVista->GetNumCapas() > 0) m_escalimetro.SetExtension(m_gestorVista->GetExtensionActual());
        const double escala = DeterminarEscalaActual(nullptr);
        // A zero scale (no width, or a view in negative coordinates) would
        // collapse the view to its centre.
        if (escala > 0.0 && std::isfinite(escala))
            m_gestorVista->SetEscalaActual(GetClientSize(), ResolucionPantalla(), escala);
    }
    // While panning, the bitmap tracker covers the panel with the dragged image.
    if (m_panning) return;
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
    const wxSize cliente = GetClientSize();
    switch (m_accion) {
        case ACCION_MEDIR_DISTANCIA:
            if (m_panelMediciones) {
                if (wxList* puntos = m_mediciones->GetPunteroListaCoordenadasPolyLinea()) {
                    DrawMediciones(dc, puntos);
                    m_panelMediciones->Refresh(true);
                }
            }
            break;
        case ACCION_MEDIR_SUPERFICIE:
            if (m_panelMediciones) {
                if (wxList* puntos = m_mediciones->GetPunteroListaCoordenadasPoligono()) {
                    DrawMediciones(dc, puntos);
                    if (puntos->GetCount() > 2)
                        DrawLinea(dc, Coordenada(puntos->GetFirst()), Coordenada(puntos->GetLast()));
                    m_panelMediciones->Refresh(true);
                }
            }
            break;
        case ACCION_RECUADRO_REFERENCIA:
            PintarRecuadroReferencia(dc);
            break;
        case ACCION_RESALTAR_BUSQUEDA:
            DrawElementoBusqueda(&dc);
            SetAccion(ACCION_NINGUNA);
            break;
        default:
            break;
    }
    if (m_iconoBrujula.IsOk()) dc.DrawIcon(m_iconoBrujula, kPosicionBrujula);
    m_escalimetro.Pintar(&dc, wxRect(0, 0, cliente.GetWidth(), cliente.GetHeight()), kEscalimetroX0,
                         kEscalimetroY0, kEscalimetroLongitud, kEscalimetroAltura);
}

void PanelMapa::PintarRecuadroReferencia(wxDC& dc) {
    dc.SetPen(wxPen(kColorRecuadro, 3, wxPENSTYLE_SOLID));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    const int x1 = Truncar(m_esquinaRecuadro1.GetCoordenadaMapaX());
    const int y1 = Truncar(m_esquinaRecuadro1.GetCoordenadaMapaY());
    const int x2 = Truncar(m_esquinaRecuadro2.GetCoordenadaMapaX());
    const int y2 = Truncar(m_esquinaRecuadro2.GetCoordenadaMapaY());
    const wxPoint puntos[] = {{x2, y2}, {x1, y2}, {x1, y1}, {x2, y1}, {x2, y2}};
    dc.DrawLines(5, puntos);
}

void PanelMapa::limpiarFondo(wxDC* dc) {
    if (m_imprimiendo) return;
    const wxSize cliente = GetClientSize();
    dc->SetBrush(*wxWHITE_BRUSH);
    dc->DrawRectangle(0, 0, cliente.GetWidth(), cliente.GetHeight());
    dc->SetBrush(wxNullBrush);
}

void PanelMapa::DrawMap(wxDC* dc) {
    if (!dc) return;
    limpiarFondo(dc);
    dc->SetPen(*wxBLACK_PEN);
    dc->SetBrush(wxBrush(m_colorFondo, wxBRUSHSTYLE_SOLID));
    const wxSize cliente = GetClientSize();
    const wxSize tamano = m_imprimiendo ? dc->GetSize() : cliente;
    const wxRect area(0, 0, tamano.GetWidth(), tamano.GetHeight());
    if (m_gestorVista) {
        m_gestorVista->SetDimensionAreaVisualizacion(area);
        if (!m_imprimiendo) {
            dc->DrawRectangle(0, 0, cliente.GetWidth(), cliente.GetHeight());
            m_gestorVista->Pintar(dc, area, false);
        } else if (m_impresionRapida) {
            dc->SetBackground(*wxWHITE_BRUSH);
            dc->SetPen(*wxWHITE_PEN);
            dc->SetBrush(*wxWHITE_BRUSH);
            dc->DrawRectangle(area);
            m_bitmapImpresion = std::make_unique<wxBitmap>(area.GetWidth(), area.GetHeight(), wxBITMAP_SCREEN_DEPTH);
            if (m_bitmapImpresion->IsOk()) {
                wxMemoryDC memoria(*m_bitmapImpresion);
                memoria.SetPen(*wxWHITE_PEN);
                memoria.SetBrush(*wxWHITE_BRUSH);
                memoria.DrawRectangle(area);
                m_gestorVista->Pintar(&memoria, area, true);
                dc->Blit(0, 0, area.GetWidth(), area.GetHeight(), &memoria, 0, 0, wxCOPY);
            }
            m_impresionRapida = false;
        } else {
            m_gestorVista->Pintar(dc, area, true);
        }
    }
    GenerarEventoNuevaEscala();
}

// The resolutions of the measured overlay, from the fitted view once per
// drawing rather than once per segment.
namespace {
struct TransformacionOverlay {
    double infIzqX = 0, supDerY = 0, rx = 0, ry = 0;
    bool valida = false;
    wxPoint ToPixel(const CCoordenadaMapa& p) const {
        return wxPoint(Truncar((p.GetCoordenadaMapaX() - infIzqX) / rx - 0.5),
                       Truncar((supDerY - p.GetCoordenadaMapaY()) / ry - 0.5));
    }
};

TransformacionOverlay Transformacion(CGestorVistaMapa* gestor, const wxSize& cliente) {
    TransformacionOverlay t;
    if (!gestor || cliente.GetWidth() <= 0 || cliente.GetHeight() <= 0) return t;
    gestor->SetDimensionAreaVisualizacion(wxRect(0, 0, cliente.GetWidth(), cliente.GetHeight()));
    const CExtensionMapa e = gestor->ReadaptarExtensionActual();
    t.infIzqX = e.GetCoordenadaInfIzqX();
    t.supDerY = e.GetCoordenadaSupDerY();
    t.rx = (e.GetCoordenadaSupDerX() - e.GetCoordenadaInfIzqX()) / cliente.GetWidth();
    t.ry = (e.GetCoordenadaSupDerY() - e.GetCoordenadaInfIzqY()) / cliente.GetHeight();
    t.valida = t.rx != 0.0 && t.ry != 0.0;
    return t;
}

void PintarSegmento(wxDC& dc, const TransformacionOverlay& t, const CCoordenadaMapa& a, const CCoordenadaMapa& b) {
    dc.DrawLine(t.ToPixel(a), t.ToPixel(b));
}
}  // namespace

void PanelMapa::DrawMediciones(wxDC& dc, wxList* puntos) {
    if (!puntos || puntos->GetCount() < 2) return;
    const TransformacionOverlay t = Transformacion(m_gestorVista, GetClientSize());
    if (!t.valida) return;
    dc.SetPen(wxPen(kColorMedicion, kAnchoMedicion, wxPENSTYLE_SOLID));
    for (auto nodo = puntos->GetFirst(); nodo && nodo->GetNext(); nodo = nodo->GetNext())
        PintarSegmento(dc, t, *Coordenada(nodo), *Coordenada(nodo->GetNext()));
    dc.SetBrush(wxNullBrush);
    dc.SetPen(wxNullPen);
}

void PanelMapa::DrawLinea(wxDC& dc, const CCoordenadaMapa* a, const CCoordenadaMapa* b) {
    if (!a || !b) return;
    const TransformacionOverlay t = Transformacion(m_gestorVista, GetClientSize());
    if (!t.valida) return;
    dc.SetPen(wxPen(kColorMedicion, kAnchoMedicion, wxPENSTYLE_SOLID));
    PintarSegmento(dc, t, *a, *b);
    dc.SetBrush(wxNullBrush);
    dc.SetPen(wxNullPen);
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
    if (!m_geometriaBusqueda) return;
    const TransformacionOverlay t = Transformacion(m_gestorVista, GetClientSize());
    if (!t.valida) return;
    dc->SetPen(wxPen(kColorResaltado, kAnchoResaltado, wxPENSTYLE_SOLID));
    dc->SetBrush(*wxTRANSPARENT_BRUSH);
    switch (m_tipoGeometriaBusqueda) {
        case 1: {
            const wxPoint centro = t.ToPixel(m_geometriaBusqueda->GetCoordenadaMapaPunto());
            dc->DrawCircle(centro, std::max(1, Truncar(m_geometriaBusqueda->GetPunto()->GetSize() / 2)));
            break;
        }
        case 3:
        case 5: {
            wxList* puntos = m_tipoGeometriaBusqueda == 3 ? m_geometriaBusqueda->GetPunteroListaCoordenadasPolyLinea()
                                                          : m_geometriaBusqueda->GetPunteroListaCoordenadasPoligono();
            if (!puntos || puntos->IsEmpty()) break;
            for (auto nodo = puntos->GetFirst(); nodo->GetNext(); nodo = nodo->GetNext())
                PintarSegmento(*dc, t, *Coordenada(nodo), *Coordenada(nodo->GetNext()));
            if (m_tipoGeometriaBusqueda == 5 && puntos->GetCount() > 2)
                PintarSegmento(*dc, t, *Coordenada(puntos->GetLast()), *Coordenada(puntos->GetFirst()));
            break;
        }
        default:
            break;
    }
    dc->SetBrush(wxNullBrush);
    dc->SetPen(wxNullPen);
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
    const wxPoint posicion = event.GetPosition();
    if (m_accion == ACCION_ZOOM_VENTANA) {
        if (m_escalaActual > kEscalaMinima) {
            m_tracking = true;
            m_rectTracker->SetSize(posicion.x, posicion.y, 0, 0);
            // The tracker drags the rectangle from its own top-left corner.
            wxMouseEvent copia(event);
            copia.SetPosition(wxPoint(0, 0));
            m_rectTracker->GetEventHandler()->AddPendingEvent(copia);
        } else {
            SetAccion(ACCION_NINGUNA);  // the zoom window works only farther than 1:69000
        }
    }
    if (m_accion == ACCION_DESPLAZAR) {
        Refresh(false);
        SeleccionarCursor(wxT("cursor/pan_press.cur"));
        DestruirBitmapTracker();
        m_panning = true;
        m_bitmapTracker = new wxBitmapTracker(this, wxID_ANY, posicion, wxSize(0, 0), 0);
        m_bitmapTracker->SetBitmap(m_bitmapMapa.get());
        m_bitmapTracker->SetSize(0, 0, 0, 0);
        m_tracking = true;
        if (m_gestorVista) m_inicioPaneo = m_gestorVista->PixelToMapa(posicion);
        m_bitmapTracker->GetEventHandler()->AddPendingEvent(event);
    }
    if (m_accion == ACCION_INFORMACION) {
        if (!m_gestorVista) return;
        MostrarInformacion(PixelAMapaVista(posicion), ConvertirUmbralPixelToMapa(posicion, m_umbral));
    }
    if (m_accion == ACCION_MEDIR_DISTANCIA || m_accion == ACCION_MEDIR_SUPERFICIE) {
        if (m_accion == ACCION_MEDIR_DISTANCIA)
            m_mediciones->InicializarPolyLinea();
        else
            m_mediciones->InicializarPoligono();
        m_polyLineTracker->Inicializar();
        Refresh(false);
        m_polyLineTracker->GetEventHandler()->AddPendingEvent(event);
    }
}

void PanelMapa::OnMouseLeftUp(wxMouseEvent& event) {
    if (m_accion == ACCION_ZOOM_VENTANA && m_tracking) {
        const wxRect rect = m_rectTracker->GetRect();
        m_tracking = false;
        m_rectTracker->SetSize(0, 0, 0, 0);
        m_rectTracker->Refresh();
        if (rect.GetWidth() > kMinimoZoomVentana) AplicarZoomVentana(rect);
    }
    if (m_accion == ACCION_DESPLAZAR && m_panning) {
        SeleccionarCursor(wxT("cursor/pan.cur"));
        m_tracking = false;
        m_panning = false;
        DestruirBitmapTracker();
        if (!m_gestorVista) return;
        m_finPaneo = m_gestorVista->PixelToMapa(event.GetPosition());
        AplicarDesplazamiento(m_inicioPaneo, m_finPaneo);
    }
}

void PanelMapa::OnMouseRightDown(wxMouseEvent& event) {
    if (m_accion == ACCION_ZOOM_VENTANA) {
        m_rectTracker->SetSize(wxSize(0, 0));
        m_tracking = false;
        Refresh(false);
    }
    if (m_accion == ACCION_DESPLAZAR && m_panning) {
        SeleccionarCursor(wxT("cursor/pan.cur"));
        m_panning = false;
        m_tracking = false;
        DestruirBitmapTracker();
        Refresh(false);  // the panel's own painting was hidden by the tracker
    }
    if (m_accion == ACCION_NINGUNA && m_bitmapMapa) MostrarMenuImagen(event.GetPosition());
}

void PanelMapa::OnMouseMove(wxMouseEvent& event) {
    if (TieneCapas()) GenerarEventoXY(event);
    if (event.LeftIsDown() && m_accion == ACCION_DESPLAZAR) SeleccionarCursor(wxT("cursor/pan_press.cur"));
}

void PanelMapa::OnMouseWheel(wxMouseEvent& event) {
    if (m_tracking || m_panning || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) return;
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

void PanelMapa::DestruirBitmapTracker() {
    if (!m_bitmapTracker) return;
    if (m_bitmapTracker->HasCapture()) m_bitmapTracker->ReleaseMouse();
    m_bitmapTracker->Destroy();
    m_bitmapTracker = nullptr;
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
    if (tipo == wxEVT_MAP_NUEVO_PUNTO) {
        auto* evento = wxDynamicCast(&event, wxMapEvent);
        if (evento && m_gestorVista &&
            (m_accion == ACCION_MEDIR_DISTANCIA || m_accion == ACCION_MEDIR_SUPERFICIE)) {
            const CCoordenadaMapa punto = PixelAMapaVista(wxPoint(Truncar(evento->x), Truncar(evento->y)));
            if (m_accion == ACCION_MEDIR_DISTANCIA) {
                m_mediciones->AddCoordenadasPolyLinea(punto);
                GenerarEventoMedirDistancia(m_mediciones->GetLongitudTotalPolyLinea());
            } else {
                m_mediciones->AddCoordenadasPoligono(punto);
            }
        }
        return true;
    }
    if (tipo == wxEVT_MAP_FIN_LINEA) {
        if (m_accion == ACCION_MEDIR_DISTANCIA) {
            Refresh(false);
        } else if (m_accion == ACCION_MEDIR_SUPERFICIE) {
            Refresh(false);
            GenerarEventoMedirSuperficie(m_mediciones->GetSuperficiePoligono());
        }
        return true;
    }
    return false;
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
        if (tipoGeometria == 1) {
            centro = m_geometriaBusqueda->GetCoordenadaMapaPunto();
        } else if (tipoGeometria == 3 || tipoGeometria == 5) {
            const CExtensionMapa e = tipoGeometria == 3 ? m_geometriaBusqueda->GetPolyLinea()->GetExtension()
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
    if (capa) {
        capa->SetRutaArchivo(ruta);
        if (!capa->InicializarCapa()) capa.reset();
    }
    if (!capa) {
        wxMessageBox(wxString::FromUTF8("No se ha podido abrir el archivo ") + ruta +
                         wxString::FromUTF8(" como capa del mapa."),
                     wxString::FromUTF8("Información Error"), wxOK | wxICON_INFORMATION, this);
        return false;
    }
    capa->SetNombreCapa(GetNombreCapaDeRuta(ruta));
    m_gestorVista->AddCapa(capa.release());
    m_gestorVista->ReCalcularExtGlobal();
    RefrescarEsquinas();
    return true;
}
