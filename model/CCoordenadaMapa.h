#pragma once
#include <wx/object.h>
#include <wx/gdicmn.h>

class CCoord3d;

// A point in map units (the data's projected UTM metres; y grows northward).
// Derives from wxObject so that point lists can be kept in a wxList.
class CCoordenadaMapa : public wxObject {
public:
    CCoordenadaMapa() = default;
    CCoordenadaMapa(double x, double y) : m_x(x), m_y(y) {}
    CCoordenadaMapa(const CCoordenadaMapa& otra) = default;
    explicit CCoordenadaMapa(const CCoordenadaMapa* otra);  // null gives (0, 0)
    ~CCoordenadaMapa() override = default;
    CCoordenadaMapa& operator=(const CCoordenadaMapa& otra) = default;
    CCoordenadaMapa& operator=(const CCoordenadaMapa* otra);  // null leaves it unchanged

    double GetCoordenadaMapaX() const { return m_x; }
    double GetCoordenadaMapaY() const { return m_y; }
    CCoordenadaMapa& SetCoordenadasMapa(double x, double y);
    void SetCoordenadaMapaX(double x) { m_x = x; }
    void SetCoordenadaMapaY(double y) { m_y = y; }

    bool operator==(const CCoordenadaMapa& otra) const;  // exact, no tolerance
    bool operator!=(const CCoordenadaMapa& otra) const { return !(*this == otra); }
    double GetDistance(const CCoordenadaMapa& otra) const;
    CCoordenadaMapa operator-(const CCoordenadaMapa& otra) const;
    // Cross product of the two points taken as vectors: (0, 0, x*o.y - y*o.x).
    CCoord3d operator*(const CCoordenadaMapa& otra) const;

    // This point in pixels of a window of rect's width showing the extent with
    // the given corners, each component truncated toward zero.
    wxPoint ToPixel(const wxRect& rect, const CCoordenadaMapa& supDer,
                    const CCoordenadaMapa& infIzq) const;
    // Pixel position of `punto` (unrounded); the object itself plays no part.
    CCoordenadaMapa ToPixel(const wxRect& rect, const CCoordenadaMapa& supDer,
                            const CCoordenadaMapa& infIzq,
                            const CCoordenadaMapa& punto) const;

private:
    double m_x = 0.0;
    double m_y = 0.0;
};
