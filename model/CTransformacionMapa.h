#pragma once
// The one rule by which map units and window pixels are converted, written
// once for every caller (view manager, layers, scale bar, reference map).
//
// Forward (map -> pixel): resolution r = (U.x - L.x) / W, taken from the
// horizontal span only, so both axes share it and the image is never
// stretched; px = (P.x - L.x) / r, py = (U.y - P.y) / r. The map's upper-left
// corner (L.x, U.y) falls on pixel (0, 0); pixel y grows downward.
//
// Inverse (pixel -> map): x = L.x + ancho * px / W,
// y = U.y - (ancho / (W / H)) * py / H, which is U.y - py * ancho / W: the
// vertical again uses the horizontal resolution, so it undoes the forward rule.
// When the extent's height, W or H is 0 the result is the point (0, 0).
#include <wx/gdicmn.h>

class CCoordenadaMapa;
class CExtensionMapa;

class CTransformacionMapa {
public:
    // Pixel position (unrounded) of map point (x, y) in a window `ancho`
    // pixels wide showing the extent with upper-right (supDerX, supDerY) and
    // lower-left x infIzqX. Carried out in extended precision. An empty window
    // or an extent without width has no resolution: the result is (0, 0).
    static void MapaToPixel(double ancho, double supDerX, double supDerY, double infIzqX,
                            double x, double y, double& px, double& py);

    // A pixel coordinate truncated toward zero, as every conversion to whole
    // pixels does; values beyond the int range are clamped and NaN gives 0, so
    // far-off vertices can never overflow.
    static int TruncarPixel(double valor);

    // Map position of pixel (px, py) in a view area of ancho x alto pixels
    // showing `extension`.
    static CCoordenadaMapa PixelToMapa(double px, double py, int ancho, int alto,
                                       const CExtensionMapa& extension);
    static CCoordenadaMapa PixelToMapa(const wxPoint& pixel, const wxRect& area,
                                       const CExtensionMapa& extension);

    // Extent covered by the pixel rectangle `pixeles`: lower-left is the inverse
    // of pixel (x, y + h - 1), upper-right that of (x + w - 1, y). All four
    // values are 0 in the degenerate cases.
    static CExtensionMapa PixelToMapa(const wxRect& pixeles, int ancho, int alto,
                                      const CExtensionMapa& extension);
};
