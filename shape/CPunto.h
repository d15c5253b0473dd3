#pragma once
// A point of a shapefile: x then y, two little-endian doubles, 16 bytes.
//
// Arrays of CPunto are laid directly over the points of a record in the
// mapped .shp file. Records there start on 4-byte boundaries only, so the
// type is declared with 4-byte alignment: the compiler then never assumes
// 8-byte alignment (e.g. for vector loads) when it reads mapped points.
class __attribute__((packed, aligned(4))) CPunto {
public:
    double x;
    double y;

    CPunto() : x(0.0), y(0.0) {}
    CPunto(double px, double py) : x(px), y(py) {}
};

static_assert(sizeof(CPunto) == 16, "CPunto must match a shapefile point");
static_assert(alignof(CPunto) == 4, "CPunto must accept 4-byte aligned points");

CPunto operator-(CPunto const& a, CPunto const& b);
bool operator==(CPunto const& a, CPunto const& b);
