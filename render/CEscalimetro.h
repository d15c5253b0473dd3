#pragma once
// Graphic scale bar drawn over the map: alternately coloured boxes, each one
// a fixed ground length (1, 10 or 50 km by the scale), with ticks, the
// accumulated distance above them and the unit after the last one.
#include "CCoordenadaMapa.h"
#include "CExtensionMapa.h"
#include "CTransformacionMapa.h"

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDC;

class CEscalimetro {
public:
    CEscalimetro();

    void SetEscala(double escala) { m_escala = escala; }
    void ShowEscala(bool mostrar) { m_mostrarEscala = mostrar; }
    void SetColorRangoPar(const wxColour& color) { m_colorPar = color; }
    void SetColorRangoImpar(const wxColour& color) { m_colorImpar = color; }
    void SetUnidad(const wxString& unidad) { m_unidad = unidad; }
    void SetExtension(const CExtensionMapa& extension);

    double GetEscala() const { return m_escala; }
    const wxString& GetUnidad() const { return m_unidad; }

    // Pixel of the window rectangle last given to Pintar to map units of the
    // stored extent; (0, 0) when the rectangle or the extent is degenerate.
    CCoordenadaMapa PixelToMapa(const wxPoint& pixel) const;

    // Draws the bar with its origin at (x0, y0) in a window rectangle rect,
    // at most maxLongitud pixels long, boxes hv - 15 pixels high.
    void Pintar(wxDC* dc, const wxRect& rect, int x0, int y0, int maxLongitud, int hv);

    // Ground length of one box in centimetres for the scale 1:escala.
    static double UnidadTerreno(double escala);
    // Length in pixels of one box at the scale 1:escala on a device of ppi
    // pixels per inch (2.54 cm per inch).
    static double LongitudSegmento(double escala, int ppi);

private:
    void PintarBarra(wxDC& dc, int x0, int y0, int maxLongitud, int hv, double segPx);
    void PintarRotuloEscala(wxDC& dc, int x0, int y0);
    const wxFont& Fuente();

    double m_escala = 0.0;
    bool m_mostrarEscala = false;
    wxColour m_colorPar;
    wxColour m_colorImpar;
    wxString m_unidad;
    // The stored extent in the window rectangle last given to Pintar.
    CTransformacionMapa m_vista;
    wxFont m_fuente;  // built on first use: the toolkit must be running
};
