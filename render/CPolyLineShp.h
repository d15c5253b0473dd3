#pragma once
#include "CCoordenadaMapa.h"
#include "CCoordenadas.h"
#include "CExtensionMapa.h"
#include "CShapeObj.h"
#include <wx/list.h>
#include <cstddef>
#include <memory>

// An open line through a list of points, in the order they were added. The
// list (a wxList of CCoordenadaMapa*) and its points belong to the object; the
// list does not exist until the first point is added.
class CPolyLineShp : public CShapeObj {
public:
    CPolyLineShp() = default;
    ~CPolyLineShp() override;
    CPolyLineShp(const CPolyLineShp&) = delete;
    CPolyLineShp& operator=(const CPolyLineShp&) = delete;

    // Appends a copy of the point, creating the list if needed; always true.
    bool AddPoint(const CCoordenadaMapa& punto);
    // The point at a 0-based position, or null when there is none.
    CCoordenadaMapa* GetPoint(int posicion) const;
    // Copies that point into `destino`; false (nothing copied) when out of
    // range or `destino` is null.
    bool GetPoint(int posicion, CCoordenadaMapa* destino) const;
    size_t GetNumPuntos() const { return m_puntos ? m_puntos->GetCount() : 0; }

    // Euclidean distance between the two points (null gives 0); the object
    // plays no part.
    static double GetDistancia(const CCoordenadaMapa* a, const CCoordenadaMapa* b);

    // Bounding box, with the start values of CExtensionMapa (an empty line
    // gives lower-left (999999999.999999, ...) and upper-right (0, 0)).
    CExtensionMapa GetExtension() const;

    wxList* GetPunteroListaCoordenadas() const { return m_puntos.get(); }
    // Frees the current list and its points, then adopts `lista` (which must
    // hold CCoordenadaMapa* created with new, or be null).
    void SetPunteroListaCoordenadas(wxList* lista);
    // Frees every point and node; the list stays, empty.
    void BorrarListaCoordenadas();

    // Whether `punto` hits any segment between consecutive points (the
    // segment test of CLineShp). Fewer than two points never hit.
    bool PtInShape(const CCoordenadaMapa& punto, int tolerancia) const;

    // The same test on a plain array of vertices, for callers that keep
    // their own buffer (no per-point allocation).
    static bool PtEnPolilinea(const CCoordenadas* puntos, size_t n, const CCoordenadas& punto,
                              double tolerancia);

protected:
    void CrearListaVacia();
    // Copies the points into `destino` (reused between calls).
    void CopiarPuntos(std::unique_ptr<CCoordenadas[]>& destino, size_t& n) const;

private:
    std::unique_ptr<wxList> m_puntos;
};
