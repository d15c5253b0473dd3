#pragma once
// The polygon rule of a view (CTransformacionMapa::PixelPoligono) applied to
// a whole ring at once, two coordinates at a time where the processor allows:
// the fast path of painting, which projects every vertex of every ring.
#include <wx/gdicmn.h>

#include "CPunto.h"
#include "CRectangulo.h"
#include "CTransformacionMapa.h"

class CProyeccionPoligono {
public:
    // The view must outlive this object.
    explicit CProyeccionPoligono(const CTransformacionMapa& vista);

    // The pixels of a ring's `n` points (n > 0) into `pixeles` (room for
    // n), each run of consecutive points on one pixel given once; returns
    // how many. `caja` gets the box of the points (std::min and std::max
    // order: a NaN first coordinate stays, later NaNs are passed over).
    // The same pixels as the view's PixelPoligono.
    int Anillo(const CPunto* puntos, unsigned int n, wxPoint* pixeles, CRectangulo& caja) const;

private:
    const CTransformacionMapa& vista;
    double infIzqX, supDerY, resolucion;
};
