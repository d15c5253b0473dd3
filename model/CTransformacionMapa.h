#pragma once
// The one rule by which map units and window pixels are converted, as the
// value of one view: the window area, the extent it shows and the
// resolution. The view manager builds it once per paint and hands it to the
// layers, their labels, the overlays and the scale bar; every other
// conversion (coordinate types, the view manager's PixelToMapa) goes through
// it too.
//
// Forward (map -> pixel): resolution r = (U.x - L.x) / W, taken from the
// horizontal span only, so both axes share it and the image is never
// stretched; px = (P.x - L.x) / r, py = (U.y - P.y) / r. The map's upper-left
// corner (L.x, U.y) falls on pixel (0, 0); pixel y grows downward. Points,
// lines and labels truncate it toward zero; polygon vertices are taken half a
// pixel up and left of it, through single precision (so a polygon's edge and
// a line along the same coordinates can differ by one pixel).
//
// Inverse (pixel -> map): x = L.x + ancho * px / W,
// y = U.y - (ancho / (W / H)) * py / H, which is U.y - py * ancho / W: the
// vertical again uses the horizontal resolution, so it undoes the forward rule.
// When the extent's height, W or H is 0 the result is the point (0, 0).
#include <wx/gdicmn.h>

#include "CCoordenadaMapa.h"
#include "CExtensionMapa.h"
#include "CPunto.h"

class CTransformacionMapa {
public:
    // Far-off vertices are held within cairo's 24.8 fixed point.
    static constexpr int kLimitePixel = 1 << 22;

    // No view: every conversion gives the origin.
    CTransformacionMapa() = default;
    CTransformacionMapa(const wxRect& area, const CExtensionMapa& extension);

    const wxRect& GetArea() const { return m_area; }
    const CExtensionMapa& GetExtension() const { return m_extension; }
    // Map units per pixel (the horizontal span over the area's width).
    double GetResolucion() const { return m_resolucion; }
    // A view that converts: an area with width and an extent with width.
    bool EsValida() const;

    // Unrounded pixel position of (x, y), carried out in extended precision;
    // (0, 0) without a resolution.
    void MapaAPixel(double x, double y, double& px, double& py) const;
    // The pixel of a point, a line vertex or a label: truncated toward zero
    // and held within kLimitePixel (NaN gives 0).
    wxPoint Pixel(double x, double y) const;
    wxPoint Pixel(const CPunto& punto) const { return Pixel(punto.x, punto.y); }
    wxPoint Pixel(const CCoordenadaMapa& punto) const;
    // The pixel of a polygon vertex (and of the overlays drawn over the map).
    wxPoint PixelPoligono(double x, double y) const;
    wxPoint PixelPoligono(const CPunto& punto) const { return PixelPoligono(punto.x, punto.y); }
    wxPoint PixelPoligono(const CCoordenadaMapa& punto) const;

    // Map position of pixel (px, py).
    CCoordenadaMapa PixelAMapa(double px, double py) const;
    CCoordenadaMapa PixelAMapa(const wxPoint& pixel) const { return PixelAMapa(pixel.x, pixel.y); }
    // Extent covered by the pixel rectangle `pixeles`: lower-left is the inverse
    // of pixel (x, y + h - 1), upper-right that of (x + w - 1, y). All four
    // values are 0 in the degenerate cases.
    CExtensionMapa PixelAMapa(const wxRect& pixeles) const;

    // A coordinate truncated toward zero, as every conversion to whole pixels
    // does; values beyond the int range are clamped and NaN gives 0, so
    // far-off values can never overflow.
    static int TruncarPixel(double valor);

private:
    bool TieneInversa() const;

    wxRect m_area;
    CExtensionMapa m_extension;
    double m_resolucion = 0.0;
    // The forward rule's resolution, in extended precision.
    long double m_resolucionExtendida = 0.0L;
};
