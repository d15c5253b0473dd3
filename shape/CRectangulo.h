#pragma once
// An axis-aligned rectangle; after Normaliza (x1, y1) is the minimum corner
// and (x2, y2) the maximum one.
#include "CPunto.h"

class CRectangulo {
public:
    double x1;
    double y1;
    double x2;
    double y2;

    CRectangulo() : x1(0.0), y1(0.0), x2(0.0), y2(0.0) {}
    CRectangulo(double ax1, double ay1, double ax2, double ay2)
        : x1(ax1), y1(ay1), x2(ax2), y2(ay2) {}

    void Normaliza();
    // Closed test: x1 <= x <= x2 and y1 <= y <= y2.
    bool Dentro(CPunto const& p) const;
    // Open test widened by the tolerance t: x1 - t < x < x2 + t, same for y.
    bool Dentro(CPunto const& p, double t) const;
};
