#include "CMediciones.h"
#include "CMedicionesPanel.h"

#include "CPolyLineShp.h"
#include "CPolygonShp.h"

#include <gtest/gtest.h>
#include <wx/list.h>

#include <vector>

// Lengths add the segments in click order; a point equal to the last one (the
// origin when cleared) is ignored, and the last point is shared by the geometries.
// Areas of open rings in either direction, far UTM coordinates, concave rings;
// fewer than three vertices give nothing.
TEST(CMediciones, LengthsAreasAndRepeatedPoints) {
    CMediciones m(nullptr, 5, wxPoint(0, 0), wxSize(0, 0), 7);
    const struct { double x, y; size_t puntos; double longitud; } casos[] = {
        {0, 0, 0, 0}, {1, 1, 1, 0}, {1, 1, 1, 0}, {101, 1, 2, 100}, {101, 101, 3, 200}, {104, 105, 4, 205}};
    for (size_t i = 0; i < std::size(casos); ++i) {
        m.AddCoordenadasPolyLinea(CCoordenadaMapa(casos[i].x, casos[i].y));
        EXPECT_EQ(m.GetPolyLinea()->GetNumPuntos(), casos[i].puntos) << "case " << i;
        EXPECT_DOUBLE_EQ(m.GetLongitudTotalPolyLinea(), casos[i].longitud) << "case " << i;
    }
    EXPECT_EQ(m.GetPunteroListaCoordenadasPolyLinea()->GetCount(), 4u);
    m.AddCoordenadasPoligono(CCoordenadaMapa(104, 105));
    EXPECT_EQ(m.GetPoligono()->GetNumPuntos(), 0u);
    // Clearing empties the list (the same object) and forgets the last point.
    wxList* lista = m.GetPunteroListaCoordenadasPolyLinea();
    m.InicializarPolyLinea();
    EXPECT_EQ(lista->GetCount(), 0u);
    m.AddCoordenadasPolyLinea(CCoordenadaMapa(104, 105));
    EXPECT_EQ(m.GetPunteroListaCoordenadasPolyLinea(), lista);
    EXPECT_EQ(lista->GetCount(), 1u);
    const double x = 450000.0, y = 4100000.0;
    const struct { std::vector<std::pair<double, double>> anillo; double area; } anillos[] = {
        {{{1, 1}, {101, 1}, {101, 101}, {1, 101}}, 10000.0},
        {{{10, 1010}, {1010, 1010}, {1010, 10}, {10, 10}}, 1000000.0},
        {{{x, y}, {x + 300, y}, {x + 300, y + 100}, {x + 100, y + 100}, {x + 100, y + 300}, {x, y + 300}}, 50000.0},
        {{{x, y}, {x + 40, y}, {x + 10, y + 30}}, 600.0},
        {{{1, 1}, {101, 1}}, 0.0},
        {{}, 0.0}};
    for (size_t i = 0; i < std::size(anillos); ++i) {
        for (const auto& [px, py] : anillos[i].anillo) m.AddCoordenadasPoligono(CCoordenadaMapa(px, py));
        EXPECT_NEAR(m.GetSuperficiePoligono(), anillos[i].area, 1e-6) << "ring " << i;
        EXPECT_EQ(m.GetPoligono()->GetNumPuntos(), anillos[i].anillo.size()) << "ring " << i;  // not closed
        m.InicializarPoligono();
        EXPECT_EQ(m.GetPoligono()->GetNumPuntos(), 0u) << "ring " << i;
    }
}

// Distances above a kilometre are shown in kilometres, areas above a square
// kilometre in square kilometres (any type but 0 is an area).
TEST(CMedicionesPanel, FormatsTheValueInItsUnit) {
    const struct { int tipo; double valor; const char* unidad; const char* texto; } casos[] = {
        {0, 0.0, "m", "0.00 m"},          {0, 1000.0, "m", "1000.00 m"},          {0, 1500.0, "m", "1.50 km"},
        {1, 1500.0, "m2", "1500.00 m2"},  {1, 1000000.0, "m2", "1000000.00 m2"},  {1, 1001000.0, "m2", "1.00 km2"},
        {7, 2500.0, "m2", "2500.00 m2"}};
    for (size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(CMedicionesPanel::FormatearMedicion(casos[i].tipo, casos[i].valor, wxString::FromUTF8(casos[i].unidad)),
                  wxString::FromUTF8(casos[i].texto))
            << "case " << i;
}
