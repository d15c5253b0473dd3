#pragma once
// The boxes of all records of a shapefile, in single precision rounded
// outward (each box holds the one stored), so that a box kept here apart
// from a rectangle proves the stored one apart too. Records without a known
// box are never apart from anything.
#include <vector>

#include "CRectangulo.h"

class CCajasRegistros {
public:
    explicit CCajasRegistros(unsigned int numRegistros);

    void Pon(unsigned int registro, const CRectangulo& caja);
    // True when the record's box is known and does not meet the rectangle
    // (both closed).
    bool Aparte(unsigned int registro, const CRectangulo& rectangulo) const;

private:
    std::vector<float> cajas;  // x1, y1, x2, y2 per record; NaN when unknown
};
