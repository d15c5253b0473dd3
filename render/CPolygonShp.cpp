#include "CPolygonShp.h"
#include "CGeometriaPlana.h"
#include "CLineShp.h"

CPolygonShp::CPolygonShp() { CrearListaVacia(); }

bool CPolygonShp::PtInShape(const CCoordenadaMapa& punto, int tolerancia) const {
    std::unique_ptr<CCoordenadas[]> puntos;
    size_t n = 0;
    CopiarPuntos(puntos, n);
    const CCoordenadas p(punto.GetCoordenadaMapaX(), punto.GetCoordenadaMapaY());
    return m_rellenar ? CGeometriaPlana::PtEnAnillo(puntos.get(), n, p.x, p.y)
                      : PtEnBorde(puntos.get(), n, p, tolerancia);
}

bool CPolygonShp::PtEnBorde(const CCoordenadas* puntos, size_t n, const CCoordenadas& punto,
                            double tolerancia) {
    if (!puntos || n == 0) return false;
    if (CPolyLineShp::PtEnPolilinea(puntos, n, punto, tolerancia)) return true;
    const CCoordenadas& ultimo = puntos[n - 1];
    const CCoordenadas& primero = puntos[0];
    return CGeometriaPlana::PtEnSegmento(ultimo.x, ultimo.y, primero.x, primero.y, punto.x, punto.y,
                                  tolerancia);
}
