#pragma once
#include "CCoordenadaMapa.h"

class wxList;

// A map extent given by its upper-right (SupDer) and lower-left (InfIzq)
// corners. Every producer keeps InfIzq.x <= SupDer.x and InfIzq.y <= SupDer.y;
// the setters do not enforce it. Width and height are absolute differences;
// the containment and intersection tests assume the invariant.
class CExtensionMapa {
public:
    // Start values of the bounding box of a point list: each point lowers the
    // minimum or raises the maximum, so an empty list keeps these.
    static constexpr double kMinimoInicial = 999999999.999999;
    static constexpr double kMaximoInicial = 0.0;

    CExtensionMapa() = default;
    // The extent from (infIzqX, infIzqY) to (supDerX, supDerY).
    CExtensionMapa(double infIzqX, double infIzqY, double supDerX, double supDerY)
        : m_supDer(supDerX, supDerY), m_infIzq(infIzqX, infIzqY) {}
    CExtensionMapa(const CExtensionMapa& otra) = default;
    explicit CExtensionMapa(const CExtensionMapa* otra);  // null gives all 0
    CExtensionMapa& operator=(const CExtensionMapa& otra) = default;
    CExtensionMapa& operator=(const CExtensionMapa* otra);  // null leaves it unchanged

    double GetCoordenadaInfIzqX() const { return m_infIzq.GetCoordenadaMapaX(); }
    double GetCoordenadaInfIzqY() const { return m_infIzq.GetCoordenadaMapaY(); }
    double GetCoordenadaSupDerX() const { return m_supDer.GetCoordenadaMapaX(); }
    double GetCoordenadaSupDerY() const { return m_supDer.GetCoordenadaMapaY(); }

    void SetCoordenadaInfIzqX(double x) { m_infIzq.SetCoordenadaMapaX(x); }
    void SetCoordenadaInfIzqY(double y) { m_infIzq.SetCoordenadaMapaY(y); }
    void SetCoordenadasInfIzq(double x, double y) { m_infIzq.SetCoordenadasMapa(x, y); }
    void SetCoordenadaSupDerX(double x) { m_supDer.SetCoordenadaMapaX(x); }
    void SetCoordenadaSupDerY(double y) { m_supDer.SetCoordenadaMapaY(y); }
    void SetCoordenadasSupDer(double x, double y) { m_supDer.SetCoordenadasMapa(x, y); }

    double GetAncho() const;  // |SupDer.x - InfIzq.x|
    double GetAlto() const;   // |InfIzq.y - SupDer.y|

    bool operator==(const CExtensionMapa& otra) const;  // all four exactly equal
    bool operator!=(const CExtensionMapa& otra) const { return !(*this == otra); }

    // Strictly inside: a point on the border is outside.
    static bool PointInExtent(double x, double y, const CExtensionMapa& extension);
    // Closed rectangles: extents that only touch along an edge intersect.
    bool Intersects(const CExtensionMapa& otra) const;

    // Bounds of a wxList of CCoordenadaMapa* (null entries are skipped). The
    // minimum starts at kMinimoInicial and the maximum at kMaximoInicial (0.0),
    // so points with all-negative x give a maximum x of 0.0.
    static double GetMinCoordX(wxList* puntos);
    static double GetMinCoordY(wxList* puntos);
    static double GetMaxCoordX(wxList* puntos);
    static double GetMaxCoordY(wxList* puntos);

    // Whether the bounding box of the points (with the start values above)
    // meets the extent as closed rectangles.
    static bool IsInExtent(wxList* puntos, const CExtensionMapa& extension);
    static bool PolygonIsInExtent(wxList* puntos, const CExtensionMapa& extension);
    static bool PolylineIsInExtent(wxList* puntos, const CExtensionMapa& extension);

private:
    CCoordenadaMapa m_supDer;
    CCoordenadaMapa m_infIzq;
};
