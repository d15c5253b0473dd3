#pragma once
// A point of a shapefile: x then y, two little-endian doubles, 16 bytes.
//
// Arrays of CPunto are laid directly over the points of a record in the
// mapped .shp file. Records there start on 4-byte boundaries only, so the
// point of a record of an odd number of parts lies 4 bytes off an 8-byte
// boundary. The type says so: it is 4-byte aligned, and its coordinates are
// not `double` objects (whose type claims 8 bytes) but values copied in and
// out, so that no reference or pointer to a misaligned double is ever made
// and the compiler never assumes 8-byte alignment (e.g. for vector loads).
// A coordinate reads as a double wherever one is expected (`p.x - q.x`,
// `double v = p.y`); where a template deduces the type from it, say which
// (`std::min<double>(a, p.x)`).
#include <cstring>

class alignas(4) CPunto {
public:
    class Coordenada {
    public:
        Coordenada(double valor = 0.0) { *this = valor; }  // NOLINT: a value, like double
        operator double() const {  // NOLINT
            double valor;
            std::memcpy(&valor, bytes, sizeof valor);
            return valor;
        }
        Coordenada& operator=(double valor) {
            std::memcpy(bytes, &valor, sizeof valor);
            return *this;
        }
        Coordenada& operator+=(double d) { return *this = *this + d; }
        Coordenada& operator-=(double d) { return *this = *this - d; }
        Coordenada& operator*=(double d) { return *this = *this * d; }
        Coordenada& operator/=(double d) { return *this = *this / d; }

    private:
        unsigned char bytes[sizeof(double)];
    };

    Coordenada x;
    Coordenada y;

    CPunto() = default;
    CPunto(double px, double py) : x(px), y(py) {}
};

static_assert(sizeof(CPunto) == 16, "CPunto must match a shapefile point");
static_assert(alignof(CPunto) == 4, "CPunto must accept 4-byte aligned points");

CPunto operator-(CPunto const& a, CPunto const& b);
bool operator==(CPunto const& a, CPunto const& b);
