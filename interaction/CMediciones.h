#pragma once
// Geometry being measured (a point, a polyline and a polygon in map units,
// in click order) with its lengths and areas. The map panel keeps one as a
// hidden child window; the view manager hands a search result back in one.
#include "CCoordenadaMapa.h"

#include <wx/window.h>

#include <memory>

class CPointShp;
class CPolyLineShp;
class CPolygonShp;
class wxList;

class CMediciones : public wxWindow {
public:
    // The window is always created with id -1 and style 0; without a parent
    // no native window is made and the object is a plain geometry holder.
    CMediciones(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size, long style = 0);
    ~CMediciones() override;

    // Add a vertex (or set the point). A coordinate equal to the last one
    // accepted by any of the three is ignored.
    void AddCoordenadasPolyLinea(const CCoordenadaMapa& coordenada);
    void AddCoordenadasPoligono(const CCoordenadaMapa& coordenada);
    void AddCoordenadasPunto(const CCoordenadaMapa& coordenada);

    void InicializarPolyLinea();
    void InicializarPoligono();
    void InicializarPunto();

    CPolyLineShp* GetPolyLinea() const { return m_polilinea.get(); }
    CPolygonShp* GetPoligono() const { return m_poligono.get(); }
    CPointShp* GetPunto() const { return m_punto.get(); }
    CCoordenadaMapa GetCoordenadaMapaPunto() const;

    // The vertex lists (of CCoordenadaMapa*), null while the geometry has none.
    wxList* GetPunteroListaCoordenadasPolyLinea() const;
    wxList* GetPunteroListaCoordenadasPoligono() const;

    double GetLongitudTotalPolyLinea() const;
    double GetSuperficiePoligono() const;
    static double GetDistancia(const CCoordenadaMapa* a, const CCoordenadaMapa* b);

private:
    bool EsRepetida(const CCoordenadaMapa& coordenada) const;
    void OnMouseLeftDown(wxMouseEvent& event);
    void OnMouseMotion(wxMouseEvent& event);

    std::unique_ptr<CPolygonShp> m_poligono;
    std::unique_ptr<CPolyLineShp> m_polilinea;
    std::unique_ptr<CPointShp> m_punto;
    CCoordenadaMapa m_ultimoPunto;

    wxDECLARE_EVENT_TABLE();
};
