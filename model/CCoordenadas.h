#pragma once
#include <wx/gdicmn.h>

class CCoord3d;

// A plain coordinate pair for painting and geometry arithmetic; the fields are
// read directly. Kept free of any toolkit base: painting builds one per vertex.
class CCoordenadas {
public:
    double x = 0.0;
    double y = 0.0;

    CCoordenadas() = default;
    CCoordenadas(double nx, double ny) : x(nx), y(ny) {}
    CCoordenadas(const CCoordenadas& otra) = default;
    explicit CCoordenadas(const CCoordenadas* otra);  // null gives (0, 0)
    CCoordenadas& operator=(const CCoordenadas& otra) = default;
    CCoordenadas& operator=(const CCoordenadas* otra);  // null leaves it unchanged

    CCoordenadas& SetCoordenadas(double nx, double ny);

    bool operator==(const CCoordenadas& otra) const;  // exact, no tolerance
    bool operator!=(const CCoordenadas& otra) const { return !(*this == otra); }
    CCoordenadas operator+(const CCoordenadas& otra) const;
    CCoordenadas operator-(const CCoordenadas& otra) const;
    // Cross product of the two pairs taken as vectors: (0, 0, x*o.y - y*o.x).
    CCoord3d operator*(const CCoordenadas& otra) const;
    double GetDistance(const CCoordenadas& otra) const;

    // Pixel position of `punto` in a window of rect's width showing the extent
    // with upper-right corner supDer and lower-left corner infIzq, unrounded.
    // The object itself plays no part. See CTransformacionMapa.
    CCoordenadas ToPixel(const wxRect& rect, const CCoordenadas& supDer,
                         const CCoordenadas& infIzq, const CCoordenadas& punto) const;
};
