#include "CMyPrintout.h"

#include "CExtensionMapa.h"
#include "CGestorVistaMapa.h"
#include "PanelMapa.h"

#include <wx/bitmap.h>

namespace {
// The part of the map a page of that size shows so that everything the
// screen shows (`vista`, fitted to the panel) is on it: a page relatively
// wider than the view gets more map at the sides (taller gets more above
// and below through the width fit every paint makes).
CExtensionMapa ExtensionParaPagina(const CExtensionMapa& vista, const wxSize& pagina) {
    if (pagina.x <= 0 || pagina.y <= 0 || !(vista.GetAlto() > 0.0)) return vista;
    const double aspectoPagina = static_cast<double>(pagina.x) / pagina.y;
    if (vista.GetAncho() / vista.GetAlto() >= aspectoPagina) return vista;
    const double mitadAncho = vista.GetAlto() * aspectoPagina / 2.0;
    const double centroX = (vista.GetCoordenadaInfIzqX() + vista.GetCoordenadaSupDerX()) / 2.0;
    CExtensionMapa ampliada = vista;
    ampliada.SetCoordenadaInfIzqX(centroX - mitadAncho);
    ampliada.SetCoordenadaSupDerX(centroX + mitadAncho);
    return ampliada;
}
}  // namespace

CMyPrintout::CMyPrintout(const wxString& titulo, PanelMapa* panel, bool imprimirMapa, bool rapida,
                         const wxBitmap* imagen)
    : wxPrintout(titulo), m_panelMapa(panel), m_imprimirMapa(imprimirMapa), m_rapida(rapida), m_imagen(imagen) {}

bool CMyPrintout::OnBeginDocument(int paginaInicial, int paginaFinal) {
    return wxPrintout::OnBeginDocument(paginaInicial, paginaFinal);
}

void CMyPrintout::GetPageInfo(int* minima, int* maxima, int* desde, int* hasta) {
    *minima = *maxima = *desde = *hasta = 1;
}

bool CMyPrintout::HasPage(int pagina) { return pagina == 1 || pagina == 2; }

bool CMyPrintout::OnPrintPage(int /*pagina*/) {
    wxDC* dc = GetDC();
    if (!dc) return false;
    if (m_panelMapa && m_imprimirMapa)
        ImprimirMapa(*dc);
    else if (m_imagen && m_imagen->IsOk())
        ImprimirImagen(*dc);
    return true;
}

// The view the screen shows, widened to the page's shape, drawn over the
// whole page; the screen's view is put back afterwards.
void CMyPrintout::ImprimirMapa(wxDC& dc) {
    CGestorVistaMapa* gestor = m_panelMapa->GetGestorVista();
    CExtensionMapa anterior;
    wxRect areaAnterior;
    if (gestor) {
        anterior = gestor->GetExtensionActual();
        areaAnterior = gestor->GetDimensionAreaVisualizacion();
        gestor->SetDimensionAreaVisualizacion(wxRect(m_panelMapa->GetClientSize()));
        const CExtensionMapa vista = gestor->ReadaptarExtensionActual();
        gestor->SetExtensionActual(ExtensionParaPagina(vista, dc.GetSize()));
    }
    m_panelMapa->SetPrinting(true);
    if (m_rapida) m_panelMapa->SetImpresionRapida(true);
    m_panelMapa->DrawMap(&dc);
    // The quick print's image is already on the page.
    m_panelMapa->EliminarBitmapImpresion();
    m_panelMapa->SetImpresionRapida(false);
    m_panelMapa->SetPrinting(false);
    if (gestor) {
        gestor->SetExtensionActual(anterior);
        gestor->SetDimensionAreaVisualizacion(areaAnterior);
    }
}

void CMyPrintout::ImprimirImagen(wxDC& dc) {
    const int ancho = dc.GetSize().GetWidth();
    dc.SetDeviceOrigin(0, 0);
    dc.DrawBitmap(*m_imagen, (ancho - m_imagen->GetWidth()) / 2, kMargenSuperiorImagen, true);
}
