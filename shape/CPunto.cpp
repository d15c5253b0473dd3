#include "CPunto.h"

CPunto operator-(CPunto const& a, CPunto const& b) {
    return CPunto(a.x - b.x, a.y - b.y);
}

bool operator==(CPunto const& a, CPunto const& b) {
    return a.x == b.x && a.y == b.y;
}
