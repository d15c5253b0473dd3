#include "CLineShp.h"
#include "CGeometriaPlana.h"

void CLineShp::InicializaLinea(const CCoordenadaMapa& a, const CCoordenadaMapa& b) {
    m_a = a;
    m_b = b;
}

bool CLineShp::PtInShape(const CCoordenadaMapa& punto, int tolerancia) const {
    return CGeometriaPlana::PtEnSegmento(m_a.GetCoordenadaMapaX(), m_a.GetCoordenadaMapaY(),
                        m_b.GetCoordenadaMapaX(), m_b.GetCoordenadaMapaY(),
                        punto.GetCoordenadaMapaX(), punto.GetCoordenadaMapaY(), tolerancia);
}
