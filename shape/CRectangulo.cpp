#include "CRectangulo.h"

#include <algorithm>

void CRectangulo::Normaliza() {
    const double minX = std::min(x1, x2);
    const double minY = std::min(y1, y2);
    const double maxX = std::max(x1, x2);
    const double maxY = std::max(y1, y2);
    x1 = minX;
    y1 = minY;
    x2 = maxX;
    y2 = maxY;
}

bool CRectangulo::Dentro(CPunto const& p) const {
    return x1 <= p.x && p.x <= x2 && y1 <= p.y && p.y <= y2;
}

bool CRectangulo::Dentro(CPunto const& p, double t) const {
    return x1 - t < p.x && p.x < x2 + t && y1 - t < p.y && p.y < y2 + t;
}
