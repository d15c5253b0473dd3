#pragma once
// Plane geometry shared by the shapefile reader's hit tests and the geometry
// objects of the map: written once, on plain coordinates.

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
};
