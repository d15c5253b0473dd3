#include "CMediciones.h"

#include "CPointShp.h"
#include "CPolyLineShp.h"
#include "CPolygonShp.h"

#include <wx/list.h>

#include <cmath>

wxBEGIN_EVENT_TABLE(CMediciones, wxWindow)
    EVT_LEFT_DOWN(CMediciones::OnMouseLeftDown)
    EVT_MOTION(CMediciones::OnMouseMotion)
wxEND_EVENT_TABLE()

CMediciones::CMediciones(wxWindow* parent, int /*id*/, const wxPoint& pos, const wxSize& size, long /*style*/)
    : m_poligono(std::make_unique<CPolygonShp>()),
      m_polilinea(std::make_unique<CPolyLineShp>()),
      m_punto(std::make_unique<CPointShp>()) {
    // A child window needs a parent on this toolkit; the view manager's
    // search results are made without one and never shown.
    if (parent) Create(parent, wxID_ANY, pos, size, 0);
}

CMediciones::~CMediciones() = default;

bool CMediciones::EsRepetida(const CCoordenadaMapa& coordenada) const {
    return coordenada.GetCoordenadaMapaX() == m_ultimoPunto.GetCoordenadaMapaX() &&
           coordenada.GetCoordenadaMapaY() == m_ultimoPunto.GetCoordenadaMapaY();
}

void CMediciones::AddCoordenadasPolyLinea(const CCoordenadaMapa& coordenada) {
    if (EsRepetida(coordenada)) return;
    m_polilinea->AddPoint(coordenada);
    m_ultimoPunto = coordenada;
}

void CMediciones::AddCoordenadasPoligono(const CCoordenadaMapa& coordenada) {
    if (EsRepetida(coordenada)) return;
    m_poligono->AddPoint(coordenada);
    m_ultimoPunto = coordenada;
}

void CMediciones::AddCoordenadasPunto(const CCoordenadaMapa& coordenada) {
    if (EsRepetida(coordenada)) return;
    m_punto->AddPoint(coordenada);
    m_ultimoPunto = coordenada;
}

void CMediciones::InicializarPolyLinea() {
    m_ultimoPunto = CCoordenadaMapa(0.0, 0.0);
    m_polilinea->BorrarListaCoordenadas();
}

void CMediciones::InicializarPoligono() {
    m_ultimoPunto = CCoordenadaMapa(0.0, 0.0);
    m_poligono->Inicializar();
}

void CMediciones::InicializarPunto() {
    m_ultimoPunto = CCoordenadaMapa(0.0, 0.0);
    m_punto->AddPoint(CCoordenadaMapa(0.0, 0.0));
}

CCoordenadaMapa CMediciones::GetCoordenadaMapaPunto() const { return m_punto->GetPoint(); }

wxList* CMediciones::GetPunteroListaCoordenadasPolyLinea() const {
    return m_polilinea->GetPunteroListaCoordenadas();
}

wxList* CMediciones::GetPunteroListaCoordenadasPoligono() const {
    return m_poligono->GetPunteroListaCoordenadas();
}

double CMediciones::GetDistancia(const CCoordenadaMapa* a, const CCoordenadaMapa* b) {
    if (!a || !b) return 0.0;
    const double dx = a->GetCoordenadaMapaX() - b->GetCoordenadaMapaX();
    const double dy = a->GetCoordenadaMapaY() - b->GetCoordenadaMapaY();
    return std::sqrt(dx * dx + dy * dy);
}

double CMediciones::GetLongitudTotalPolyLinea() const {
    const wxList* lista = GetPunteroListaCoordenadasPolyLinea();
    if (!lista || lista->GetCount() < 2) return 0.0;
    double total = 0.0;
    const CCoordenadaMapa* anterior = nullptr;
    for (const wxObject* objeto : *lista) {
        const auto* punto = static_cast<const CCoordenadaMapa*>(objeto);
        if (anterior) total += GetDistancia(anterior, punto);
        anterior = punto;
    }
    return total;
}

double CMediciones::GetSuperficiePoligono() const {
    const wxList* lista = GetPunteroListaCoordenadasPoligono();
    if (!lista || lista->GetCount() < 3) return 0.0;
    // Cross products of the vertices taken from a reference point near the
    // first one (keeps the terms small), summed over the closed ring.
    const auto* primero = static_cast<const CCoordenadaMapa*>(lista->GetFirst()->GetData());
    const double rx = primero->GetCoordenadaMapaX() - 10.0;
    const double ry = primero->GetCoordenadaMapaY() - 10.0;
    double suma = 0.0;
    for (wxList::compatibility_iterator nodo = lista->GetFirst(); nodo; nodo = nodo->GetNext()) {
        const wxList::compatibility_iterator siguiente = nodo->GetNext() ? nodo->GetNext() : lista->GetFirst();
        const auto* a = static_cast<const CCoordenadaMapa*>(nodo->GetData());
        const auto* b = static_cast<const CCoordenadaMapa*>(siguiente->GetData());
        suma += (a->GetCoordenadaMapaX() - rx) * (b->GetCoordenadaMapaY() - ry) -
                (a->GetCoordenadaMapaY() - ry) * (b->GetCoordenadaMapaX() - rx);
    }
    return std::fabs(suma) * 0.5;
}

void CMediciones::OnMouseLeftDown(wxMouseEvent& /*event*/) {}

void CMediciones::OnMouseMotion(wxMouseEvent& /*event*/) {}
