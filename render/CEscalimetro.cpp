#include "CEscalimetro.h"

#include "CTransformacionMapa.h"

#include <wx/dc.h>
#include <wx/brush.h>
#include <wx/pen.h>

#include <cmath>

namespace {
// Boxes shorter than a pixel carry no information, and their number would
// grow without bound as the scale does (an absurd scale from a damaged
// extent must not stall the paint).
constexpr double kSegmentoMinimo = 1.0;

int Truncar(double valor) { return CTransformacionMapa::TruncarPixel(valor); }
}  // namespace

CEscalimetro::CEscalimetro()
    : m_colorPar(0, 0, 0), m_colorImpar(255, 255, 255), m_unidad(wxT("Km")) {}

double CEscalimetro::UnidadTerreno(double escala) {
    if (escala >= 0.0 && escala < 150000.0) return 100000.0;    // 1 km
    if (escala >= 150000.0 && escala < 800000.0) return 1000000.0;  // 10 km
    return 5000000.0;                                           // 50 km
}

double CEscalimetro::LongitudSegmento(double escala, int ppi) {
    return (UnidadTerreno(escala) / escala / 2.54) * ppi;
}

void CEscalimetro::SetExtension(const CExtensionMapa& extension) {
    m_vista = CTransformacionMapa(m_vista.GetArea(), extension);
}

CCoordenadaMapa CEscalimetro::PixelToMapa(const wxPoint& pixel) const {
    return m_vista.PixelAMapa(pixel);
}

const wxFont& CEscalimetro::Fuente() {
    if (!m_fuente.IsOk()) {
        m_fuente = wxFont(wxString(wxT("wxNORMAL_FONT")));
        if (!m_fuente.IsOk()) m_fuente = *wxNORMAL_FONT;
        m_fuente.SetWeight(wxFONTWEIGHT_BOLD);
        m_fuente.SetPointSize(8);
    }
    return m_fuente;
}

void CEscalimetro::Pintar(wxDC* dc, const wxRect& rect, int x0, int y0, int maxLongitud, int hv) {
    if (!dc) return;
    dc->SetFont(Fuente());
    m_vista = CTransformacionMapa(rect, m_vista.GetExtension());
    const double segPx = LongitudSegmento(m_escala, dc->GetPPI().x);
    dc->SetBrush(*wxBLACK_BRUSH);
    dc->SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_SOLID));
    if (maxLongitud > segPx && segPx >= kSegmentoMinimo) PintarBarra(*dc, x0, y0, maxLongitud, hv, segPx);
    if (m_mostrarEscala) PintarRotuloEscala(*dc, x0, y0);
}

void CEscalimetro::PintarBarra(wxDC& dc, int x0, int y0, int maxLongitud, int hv, double segPx) {
    // Ground length of one box, measured on the map at the bar's baseline.
    const CCoordenadaMapa p1 = PixelToMapa(wxPoint(x0, y0));
    const CCoordenadaMapa p2 = PixelToMapa(wxPoint(Truncar(segPx + x0), y0));
    double segLen = p1.GetDistance(p2);
    // Kept local: the stored unit must give the same bar on every paint.
    wxString unidad = m_unidad;
    if (unidad.compare(wxT("Km")) > 0)
        segLen /= 1000.0;
    else
        unidad = wxT("m");

    const int n = static_cast<int>(std::ceil(maxLongitud / segPx));
    const wxPen lapiz(*wxBLACK, 1, wxPENSTYLE_SOLID);
    dc.DrawLine(x0, y0 + 4, x0, y0 - 5);
    dc.DrawText(wxString::Format(wxT("%d"), 0), x0, y0 - 20);

    int x = x0;
    double total = 0.0;
    for (int i = 1; i <= n; ++i) {
        dc.SetBrush(wxBrush(i % 2 == 0 ? m_colorPar : m_colorImpar, wxBRUSHSTYLE_SOLID));
        dc.SetPen(lapiz);
        dc.DrawRectangle(x + 1, y0, Truncar(segPx), hv - 15);
        dc.SetBrush(*wxBLACK_BRUSH);
        const int xe = Truncar(x + segPx + 1.0);
        dc.DrawLine(xe, y0 + 4, xe, y0 - 5);
        total += segLen;
        if (n <= 4 || i % 2 == 0)
            dc.DrawText(wxString::Format(wxT("%.02f"), total), Truncar(x + segPx - 20), y0 - 20);
        x = Truncar(x + segPx);
    }
    dc.DrawText(unidad, x + 25, y0 - 20);
}

void CEscalimetro::PintarRotuloEscala(wxDC& dc, int x0, int y0) {
    const wxColour fondo(237, 229, 201);
    dc.SetBrush(wxBrush(fondo, wxBRUSHSTYLE_SOLID));
    dc.SetPen(wxPen(fondo, 1, wxPENSTYLE_SOLID));
    dc.DrawRectangle(x0 + 60, y0 + 8, 150, 17);
    wxFont fuente = Fuente();
    fuente.SetWeight(wxFONTWEIGHT_NORMAL);
    fuente.SetPointSize(10);
    dc.SetFont(fuente);
    dc.DrawText(wxString::Format(wxT("Escala: 1:%.02f"), m_escala), x0 + 65, y0 + 8);
}
