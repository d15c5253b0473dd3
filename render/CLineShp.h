#pragma once
#include "CCoordenadaMapa.h"
#include "CShapeObj.h"

// A segment from A to B, with the segment hit test that polylines and polygon
// borders reuse.
class CLineShp : public CShapeObj {
public:
    CLineShp() = default;

    void InicializaLinea(const CCoordenadaMapa& a, const CCoordenadaMapa& b);
    const CCoordenadaMapa& GetInicio() const { return m_a; }
    const CCoordenadaMapa& GetFin() const { return m_b; }
    double GetLength() const { return m_a.GetDistance(m_b); }

    // Whether `punto` hits the segment within the tolerance (map units).
    bool PtInShape(const CCoordenadaMapa& punto, int tolerancia) const;

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

private:
    CCoordenadaMapa m_a;
    CCoordenadaMapa m_b;
};
