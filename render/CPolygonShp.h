#pragma once
#include "CPolyLineShp.h"

// A ring of points, implicitly closed (the last point joins the first). With
// the fill flag off it is hit near its border; with the flag on, anywhere
// inside it.
class CPolygonShp : public CPolyLineShp {
public:
    CPolygonShp();  // the point list exists, empty, from the start

    void SetRellenar(bool rellenar) { m_rellenar = rellenar; }
    bool GetRellenar() const { return m_rellenar; }
    void SetColorRelleno(const wxColour& color) { m_colorRelleno = color; }
    wxColour GetColorRelleno() const { return m_colorRelleno; }
    // Empties the point list.
    void Inicializar() { BorrarListaCoordenadas(); }

    // Fill flag off: the segment test (tolerance in map units) on every side,
    // the closing one included. Fill flag on: the turning-angle inside test
    // (CGeometriaPlana::PtEnAnillo), which ignores the tolerance. An empty
    // ring never hits.
    bool PtInShape(const CCoordenadaMapa& punto, int tolerancia) const;

    // Border test on a plain array of vertices (closing side included).
    static bool PtEnBorde(const CCoordenadas* puntos, size_t n, const CCoordenadas& punto,
                          double tolerancia);

private:
    bool m_rellenar = false;
    wxColour m_colorRelleno{0, 0, 0};
};
