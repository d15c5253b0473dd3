#include "CGestorVistaMapa.h"

#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/window.h>
#include <cmath>

#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CInfoCapa.h"
#include "CPointShp.h"
#include "CPolygonShp.h"
#include "CShape.h"
#include "CTransformacionMapa.h"
#include "CMensajes.h"

namespace {

const CExtensionMapa kExtensionInicial(95000.0, 3950000.0, 625000.0, 4300000.0);

bool EsExtensionNula(const CExtensionMapa& e) {
    return e.GetCoordenadaInfIzqX() == 0.0 && e.GetCoordenadaInfIzqY() == 0.0 &&
           e.GetCoordenadaSupDerX() == 0.0 && e.GetCoordenadaSupDerY() == 0.0;
}

bool EstaEnEscala(const CCapa& capa, double escala) {
    return capa.GetEscalaMinima() <= escala && escala <= capa.GetEscalaMaxima();
}

// Painting on GTK 3 goes through cairo, which smooths edges by default. Maps
// are drawn with hard pixel edges, as the pixel rules of the layers assume,
// which is also several times faster on large layers.
void DesactivarSuavizado(wxDC& dc) {
    if (wxGraphicsContext* gc = dc.GetGraphicsContext())
        gc->SetAntialiasMode(wxANTIALIAS_NONE);
}

}  // namespace

CGestorVistaMapa::CGestorVistaMapa()
    : m_extensionActual(kExtensionInicial),
      m_extensionGlobal(kExtensionInicial),
      m_areaVisualizacion(0, 0, 0, 0) {}

CGestorVistaMapa::~CGestorVistaMapa() { Limpiar(); }

CCoordenadaMapa CGestorVistaMapa::GetCoordInfIzqExtensionActual() const {
    return CCoordenadaMapa(m_extensionActual.GetCoordenadaInfIzqX(),
                           m_extensionActual.GetCoordenadaInfIzqY());
}

CCoordenadaMapa CGestorVistaMapa::GetCoordSupDerExtensionActual() const {
    return CCoordenadaMapa(m_extensionActual.GetCoordenadaSupDerX(),
                           m_extensionActual.GetCoordenadaSupDerY());
}

CCoordenadaMapa CGestorVistaMapa::GetCoordInfIzqExtensionGlobal() const {
    return CCoordenadaMapa(m_extensionGlobal.GetCoordenadaInfIzqX(),
                           m_extensionGlobal.GetCoordenadaInfIzqY());
}

CCoordenadaMapa CGestorVistaMapa::GetCoordSupDerExtensionGlobal() const {
    return CCoordenadaMapa(m_extensionGlobal.GetCoordenadaSupDerX(),
                           m_extensionGlobal.GetCoordenadaSupDerY());
}

CCapasEnMapa* CGestorVistaMapa::GetCapaEnMapa(int i) const {
    if (i < 0 || i >= GetNumCapas()) return nullptr;
    return m_capas[static_cast<size_t>(i)].get();
}

void CGestorVistaMapa::AddCapa(CCapasEnMapa* capaEnMapa) {
    if (!capaEnMapa) return;
    if (m_capas.empty()) m_mantenerExtension = false;
    m_capas.insert(m_capas.begin(), std::unique_ptr<CCapasEnMapa>(capaEnMapa));
}

void CGestorVistaMapa::AddCapa(CCapa* capa) {
    if (!capa) return;
    auto capaEnMapa = std::make_unique<CCapasEnMapa>();
    capaEnMapa->SetCapaEnMapa(capa);
    AddCapa(capaEnMapa.release());
}

void CGestorVistaMapa::Limpiar() {
    for (auto& capaEnMapa : m_capas) {
        CCapa* capa = capaEnMapa ? capaEnMapa->GetCapaEnCapa() : nullptr;
        if (capa && !capa->EsDeBaseDeDatos()) delete capa;
    }
    ListaCapas().swap(m_capas);
}

CCoordenadaMapa CGestorVistaMapa::PixelToMapa(const wxPoint& pixel) const {
    return CTransformacionMapa(m_areaVisualizacion, m_extensionActual).PixelAMapa(pixel);
}

CExtensionMapa CGestorVistaMapa::PixelToMapa(const wxRect& pixeles) const {
    return CTransformacionMapa(m_areaVisualizacion, m_extensionActual).PixelAMapa(pixeles);
}

void CGestorVistaMapa::Centrar(const CCoordenadaMapa& centro) {
    const double medioAncho = 0.5 * m_extensionActual.GetAncho();
    const double medioAlto = 0.5 * m_extensionActual.GetAlto();
    const double x = centro.GetCoordenadaMapaX();
    const double y = centro.GetCoordenadaMapaY();
    m_extensionActual.SetCoordenadasInfIzq(x - medioAncho, y - medioAlto);
    m_extensionActual.SetCoordenadasSupDer(x + medioAncho, y + medioAlto);
}

void CGestorVistaMapa::Desplazar(const CCoordenadaMapa& desde, const CCoordenadaMapa& hasta) {
    const double ancho = m_extensionActual.GetAncho();
    const double alto = m_extensionActual.GetAlto();
    const double x = m_extensionActual.GetCoordenadaInfIzqX() +
                     (desde.GetCoordenadaMapaX() - hasta.GetCoordenadaMapaX());
    const double y = m_extensionActual.GetCoordenadaInfIzqY() +
                     (desde.GetCoordenadaMapaY() - hasta.GetCoordenadaMapaY());
    m_extensionActual.SetCoordenadasInfIzq(x, y);
    m_extensionActual.SetCoordenadasSupDer(x + ancho, y + alto);
}

void CGestorVistaMapa::Zoom(double factor) {
    const double cx = m_extensionActual.GetCoordenadaInfIzqX() + 0.5 * m_extensionActual.GetAncho();
    const double cy = m_extensionActual.GetCoordenadaInfIzqY() + 0.5 * m_extensionActual.GetAlto();
    double ancho = m_extensionActual.GetAncho();
    double alto = m_extensionActual.GetAlto();
    if (factor > 0.0) {
        ancho /= factor;
        alto /= factor;
    } else {
        ancho *= std::fabs(factor);
        alto *= std::fabs(factor);
    }
    m_extensionActual.SetCoordenadasInfIzq(cx - 0.5 * ancho, cy - 0.5 * alto);
    m_extensionActual.SetCoordenadasSupDer(cx + 0.5 * ancho, cy + 0.5 * alto);
    m_extensionActual = ReadaptarExtensionActual();
}

void CGestorVistaMapa::Zoom(const CExtensionMapa& extension) {
    m_extensionActual = extension;
    m_extensionActual = ReadaptarExtensionActual();
}

void CGestorVistaMapa::ZoomExtensionTotal() { Zoom(m_extensionGlobal); }

void CGestorVistaMapa::SetEscalaActual(wxWindow* ventana, double escala) {
    if (!ventana) {
        m_escalaActual = escala;
        return;
    }
    wxClientDC dc(ventana);
    SetEscalaActual(ventana->GetClientSize(), dc.GetPPI(), escala);
}

void CGestorVistaMapa::SetEscalaActual(const wxSize& pixeles, const wxSize& ppi, double escala) {
    m_escalaActual = escala;
    const double medioAncho = MedidaFisicaMetros(pixeles.x, ppi.x) * escala * 0.5;
    const double medioAlto = MedidaFisicaMetros(pixeles.y, ppi.y) * escala * 0.5;
    const double cx = (m_extensionActual.GetCoordenadaSupDerX() + m_extensionActual.GetCoordenadaInfIzqX()) * 0.5;
    const double cy = (m_extensionActual.GetCoordenadaSupDerY() + m_extensionActual.GetCoordenadaInfIzqY()) * 0.5;
    m_extensionActual.SetCoordenadasInfIzq(cx - medioAncho, cy - medioAlto);
    m_extensionActual.SetCoordenadasSupDer(cx + medioAncho, cy + medioAlto);
}

double CGestorVistaMapa::MedidaFisicaMetros(int pixeles, int ppi) {
    // The same rule at every resolution: pixels over pixels per inch is the
    // physical size in inches.
    if (ppi <= 0) return 0.0;
    return (static_cast<double>(pixeles) / ppi) * kCentimetrosPorPulgada / 100.0;
}

double CGestorVistaMapa::EscalaDeExtension(const CExtensionMapa& extension, int ancho, int ppi) {
    const double medida = MedidaFisicaMetros(ancho, ppi);
    if (medida <= 0.0) return 0.0;
    const double escala =
        (extension.GetCoordenadaSupDerX() - extension.GetCoordenadaInfIzqX()) / medida;
    return std::isfinite(escala) && escala > 0.0 ? escala : 0.0;
}

CExtensionMapa CGestorVistaMapa::ReadaptarExtensionActual() const {
    return Centrar(CExtensionMapa(m_extensionActual), m_areaVisualizacion);
}

CTransformacionMapa CGestorVistaMapa::GetVista() const {
    return CTransformacionMapa(m_areaVisualizacion, ReadaptarExtensionActual());
}

CExtensionMapa CGestorVistaMapa::Centrar(const CExtensionMapa& extension, const wxRect& area) const {
    if (m_extensionActual.GetAlto() == 0.0 || area.width == 0 || area.height == 0)
        return CExtensionMapa();
    const double resolucion = extension.GetAncho() / area.width;
    const double altoPixeles = extension.GetAlto() / resolucion;
    const double libre = (area.y + area.height - 1) - altoPixeles;
    const int filaInferior = CTransformacionMapa::TruncarPixel(altoPixeles + 0.5 * libre);
    const int filaSuperior = CTransformacionMapa::TruncarPixel(-0.5 * libre);
    const double yInferior = PixelToMapa(wxPoint(0, filaInferior)).GetCoordenadaMapaY();
    const double ySuperior = PixelToMapa(wxPoint(0, filaSuperior)).GetCoordenadaMapaY();
    CExtensionMapa ajustada;
    ajustada.SetCoordenadasInfIzq(extension.GetCoordenadaInfIzqX(), yInferior);
    ajustada.SetCoordenadasSupDer(extension.GetCoordenadaSupDerX(), ySuperior);
    return ajustada;
}

void CGestorVistaMapa::ReCalcularExtGlobal() {
    bool hayExtension = false;
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
    for (const auto& capaEnMapa : m_capas) {
        const CCapa* capa = capaEnMapa->GetCapaEnCapa();
        if (!capa) return;  // an incomplete holder leaves both extents as they are
        const CExtensionMapa e = capa->GetExtensionCapa();
        if (EsExtensionNula(e)) continue;
        if (!hayExtension) {
            minX = e.GetCoordenadaInfIzqX();
            minY = e.GetCoordenadaInfIzqY();
            maxX = e.GetCoordenadaSupDerX();
            maxY = e.GetCoordenadaSupDerY();
            hayExtension = true;
            continue;
        }
        minX = std::min(minX, e.GetCoordenadaInfIzqX());
        minY = std::min(minY, e.GetCoordenadaInfIzqY());
        maxX = std::max(maxX, e.GetCoordenadaSupDerX());
        maxY = std::max(maxY, e.GetCoordenadaSupDerY());
    }
    m_extensionGlobal.SetCoordenadasInfIzq(minX, minY);
    m_extensionGlobal.SetCoordenadasSupDer(maxX, maxY);
    if (!m_mantenerExtension) {
        m_extensionActual = m_extensionGlobal;
        m_extensionActual = ReadaptarExtensionActual();
    }
}

void CGestorVistaMapa::MostrarTodoSiEsNuevo() {
    if (m_capas.empty() || m_mantenerExtension) return;
    ReCalcularExtGlobal();
    m_mantenerExtension = true;
}

void CGestorVistaMapa::Pintar(wxDC* dc, const wxRect& rect, bool impresion) {
    if (!dc) return;
    MostrarTodoSiEsNuevo();
    const CTransformacionMapa vista(rect, ReadaptarExtensionActual());
    DesactivarSuavizado(*dc);
    // Bottom layer (the tail) first, so the head ends on top.
    for (auto it = m_capas.rbegin(); it != m_capas.rend(); ++it)
        PintarCapaEnMapa(**it, dc, vista, impresion);
}

std::unique_ptr<CShapeObj> CGestorVistaMapa::LocalizarElementoBusqueda(const wxRect& rect,
                                                                     CCapasEnMapa* capaEnMapa,
                                                                     const CInfoCapa& registro) {
    CCapa* capa = capaEnMapa ? capaEnMapa->GetCapaEnCapa() : nullptr;
    if (!capa) return nullptr;
    m_areaVisualizacion = rect;
    if (!m_mantenerExtension) {
        ReCalcularExtGlobal();
        m_mantenerExtension = true;
    }
    m_extensionActual = ReadaptarExtensionActual();
    const std::vector<wxPoint> pixeles = capa->LocElementoBusqueda(rect, m_extensionActual, registro);
    if (pixeles.empty()) return nullptr;
    const auto mapa = [&](const wxPoint& pixel) {
        return PixelToMapa(pixel);
    };
    switch (capa->GetGeometria()) {
        case CShape::Punto: {
            auto punto = std::make_unique<CPointShp>();
            punto->AddPoint(mapa(pixeles.back()));
            return punto;
        }
        case CShape::Polilinea:
        case CShape::Poligono: {
            std::unique_ptr<CPolyLineShp> linea = capa->GetGeometria() == CShape::Polilinea
                                                      ? std::make_unique<CPolyLineShp>()
                                                      : std::make_unique<CPolygonShp>();
            for (const wxPoint& pixel : pixeles) linea->AddPoint(mapa(pixel));
            return linea;
        }
        default:
            return nullptr;
    }
}

void CGestorVistaMapa::PintarElementoBusqueda(wxDC* dc, const wxRect& rect, CCapasEnMapa* capaEnMapa,
                                              const CInfoCapa& registro) {
    CCapa* capa = capaEnMapa ? capaEnMapa->GetCapaEnCapa() : nullptr;
    if (!dc || !capa) return;
    m_areaVisualizacion = rect;
    if (!m_mantenerExtension) {
        ReCalcularExtGlobal();
        m_mantenerExtension = true;
    }
    if (!capa->EsVisible() || !EstaEnEscala(*capa, m_escalaActual)) return;
    capa->PintarElementoCapa(dc, rect, ReadaptarExtensionActual(), registro);
}

CTransformacionMapa CGestorVistaMapa::PintarVista(wxDC& dc, const wxRect& area, const wxSize& ppi,
                                                  double escala, bool impresion,
                                                  const wxColour& fondo) {
    SetDimensionAreaVisualizacion(area);
    // The scale is that of what this paint shows.
    MostrarTodoSiEsNuevo();
    if (escala <= 0.0) escala = EscalaDeExtension(m_extensionActual, area.width, ppi.x);
    // A zero scale (no width, or a view in negative coordinates) would
    // collapse the view to its centre.
    if (escala > 0.0 && std::isfinite(escala)) SetEscalaActual(area.GetSize(), ppi, escala);
    DesactivarSuavizado(dc);
    if (fondo.IsOk()) {
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(wxBrush(fondo));
        dc.DrawRectangle(area);
        dc.SetBrush(wxNullBrush);
        dc.SetPen(wxNullPen);
    }
    Pintar(&dc, area, impresion);
    return CTransformacionMapa(area, ReadaptarExtensionActual());
}

void CGestorVistaMapa::PintarCapaEnMapa(const CCapasEnMapa& capaEnMapa, wxDC* dc,
                                        const CTransformacionMapa& vista, bool impresion) {
    CCapa* capa = capaEnMapa.GetCapaEnCapa();
    if (!capa || !capa->EsVisible() ||
        !EstaEnEscala(*capa, m_escalaActual) || FaltaClasificacion(capaEnMapa))
        return;
    capa->SetPrinting(impresion);
    capa->PintarCapa(dc, vista, capaEnMapa);
}

bool CGestorVistaMapa::FaltaClasificacion(const CCapasEnMapa& capaEnMapa) {
    const CCapasEnMapa::Pintura pintura = capaEnMapa.GetPintura();
    if (pintura == CCapasEnMapa::Pintura::PorValor && !capaEnMapa.GetClasificacion()) {
        MostrarMensaje(wxString::FromUTF8(
            "Error CGestorVistaMapa::Pintar: El puntero a la clasificación por valor es nulo"));
        return true;
    }
    if (pintura == CCapasEnMapa::Pintura::PorTexto && !capaEnMapa.GetClasificacionTexto()) {
        MostrarMensaje(wxString::FromUTF8(
            "Error CGestorVistaMapa::Pintar: El puntero a la clasificación por texto es nulo"));
        return true;
    }
    return false;
}
