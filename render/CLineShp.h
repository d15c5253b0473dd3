#pragma once
#include "CCoordenadaMapa.h"
#include "CShapeObj.h"

// A segment from A to B with its hit test (see CGeometriaPlana::PtEnSegmento).
class CLineShp : public CShapeObj {
public:
    CLineShp() = default;

    void InicializaLinea(const CCoordenadaMapa& a, const CCoordenadaMapa& b);
    const CCoordenadaMapa& GetInicio() const { return m_a; }
    const CCoordenadaMapa& GetFin() const { return m_b; }
    double GetLength() const { return m_a.GetDistance(m_b); }

    // Whether `punto` hits the segment within the tolerance (map units).
    bool PtInShape(const CCoordenadaMapa& punto, int tolerancia) const;

private:
    CCoordenadaMapa m_a;
    CCoordenadaMapa m_b;
};
