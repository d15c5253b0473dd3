#pragma once
// The map-to-pixel rule of polygon vertices, fixed for one paint: half a
// pixel up and left of the rule for lines and points, the value before
// truncation held in single precision, truncated toward zero and held
// within the range cairo's fixed point can take (NaN gives 0).
#include <wx/gdicmn.h>

#include "CPunto.h"
#include "CRectangulo.h"

class CProyeccionPoligono {
public:
    // Far-off vertices are held within cairo's 24.8 fixed point.
    static constexpr int kLimitePixel = 1 << 22;

    CProyeccionPoligono(const wxRect& rect, const CPunto& infIzq, const CPunto& supDer);

    wxPoint Pixel(const CPunto& punto) const;

    // The pixels of a ring's `n` points (n > 0) into `pixeles` (room for
    // n), each run of consecutive points on one pixel given once; returns
    // how many. `caja` gets the box of the points (std::min and std::max
    // order: a NaN first coordinate stays, later NaNs are passed over).
    // The same pixels as Pixel, two coordinates at a time where the
    // processor allows.
    int Anillo(const CPunto* puntos, unsigned int n, wxPoint* pixeles, CRectangulo& caja) const;

private:
    double infIzqX, supDerY, resolucion;
};
