#pragma once
// Plane geometry shared by the shapefile reader's hit tests and the geometry
// objects of the map: written once, on plain coordinates.
#include <cmath>
#include <cstddef>

class CGeometriaPlana {
public:
    // Tolerances below 1 map unit count as 1.
    static double ToleranciaEfectiva(double tolerancia);
    // The segment test: P must lie in the segment's bounding box widened by
    // t = ToleranciaEfectiva(tol) (borders included) and
    // d = | |P.y-A.y|*|P.x-B.x| - |P.y-B.y|*|P.x-A.x| | / |AB| must be below t.
    // Inside the segment's own box d is the distance from P to the line AB;
    // in the widened margin it is an estimate (0 on the perpendicular bisector
    // of a horizontal or vertical segment, so there the widened box decides).
    // A segment of length 0 never hits.
    static bool PtEnSegmento(double ax, double ay, double bx, double by, double px, double py,
                             double tolerancia);

    // The inside test by turning angle, on `n` points with members x and y
    // (the shapefile's and the map's): the signed angles under which the
    // sides are seen from P are summed, starting from the last vertex; P is
    // inside when the ring winds an odd number of times around it. A vertex
    // counts as inside. Each cosine is held within [-1, 1] first, since a
    // side seen edge-on (e.g. the closing vertex that repeats the first) may
    // round just beyond it.
    template <class Punto>
    static bool PtEnAnillo(const Punto* puntos, std::size_t n, double px, double py);

private:
    // Makes (x, y) a unit vector; false for the zero vector.
    static bool Unitario(double& x, double& y);
    // The signed angle from one unit vector to another.
    static double Angulo(double ux, double uy, double wx, double wy);
    // Whether the summed angle is an odd number of turns.
    static bool VueltaImpar(double suma);
};

template <class Punto>
bool CGeometriaPlana::PtEnAnillo(const Punto* puntos, std::size_t n, double px, double py) {
    if (!puntos || n == 0) return false;
    double ux = puntos[n - 1].x - px, uy = puntos[n - 1].y - py;
    if (!Unitario(ux, uy)) return true;
    double suma = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        double wx = puntos[i].x - px, wy = puntos[i].y - py;
        if (!Unitario(wx, wy)) return true;
        suma += Angulo(ux, uy, wx, wy);
        ux = wx;
        uy = wy;
    }
    return VueltaImpar(suma);
}
