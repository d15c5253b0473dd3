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
    // the closing one included. Fill flag on: the inside test below, which
    // ignores the tolerance. An empty ring never hits.
    bool PtInShape(const CCoordenadaMapa& punto, int tolerancia) const;

    // Border test on a plain array of vertices (closing side included).
    static bool PtEnBorde(const CCoordenadas* puntos, size_t n, const CCoordenadas& punto,
                          double tolerancia);
    // Inside test by turning angle: the signed angles under which the sides
    // are seen from P are summed, starting from the last vertex; P is inside
    // when the ring winds an odd number of times around it. A vertex counts
    // as inside. Each cosine is clamped to [-1, 1] first, since a side seen
    // edge-on (e.g. the closing vertex that repeats the first) may round
    // just beyond 1.
    static bool PtEnAnillo(const CCoordenadas* puntos, size_t n, const CCoordenadas& punto);

private:
    bool m_rellenar = false;
    wxColour m_colorRelleno{0, 0, 0};
};
