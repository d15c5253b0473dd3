#include "CPointShp.h"
#include "CGeometriaPlana.h"
#include "CLineShp.h"

CPointShp::CPointShp() { SetGrosor(1); }

bool CPointShp::PtInShape(const CCoordenadaMapa& punto, int tolerancia) const {
    return m_punto.GetDistance(punto) < CGeometriaPlana::ToleranciaEfectiva(tolerancia);
}
