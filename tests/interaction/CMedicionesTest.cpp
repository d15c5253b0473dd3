#include "CMediciones.h"

#include "CPointShp.h"
#include "CPolyLineShp.h"
#include "CPolygonShp.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/list.h>

#include <memory>

namespace {
std::unique_ptr<CMediciones> NuevaMedicion() {
    return std::make_unique<CMediciones>(nullptr, 5, wxPoint(0, 0), wxSize(0, 0), 7);
}

void AddPoligono(CMediciones& m, std::initializer_list<std::pair<double, double>> puntos) {
    for (const auto& p : puntos) m.AddCoordenadasPoligono(CCoordenadaMapa(p.first, p.second));
}
}  // namespace

TEST(CMediciones, LengthAddsTheSegmentsInClickOrder) {
    auto m = NuevaMedicion();
    EXPECT_EQ(m->GetPunteroListaCoordenadasPolyLinea(), nullptr);
    EXPECT_DOUBLE_EQ(m->GetLongitudTotalPolyLinea(), 0.0);
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(1, 1));
    EXPECT_DOUBLE_EQ(m->GetLongitudTotalPolyLinea(), 0.0);  // one vertex
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(101, 1));
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(101, 101));
    EXPECT_DOUBLE_EQ(m->GetLongitudTotalPolyLinea(), 200.0);
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(104, 105));
    EXPECT_DOUBLE_EQ(m->GetLongitudTotalPolyLinea(), 205.0);
    ASSERT_NE(m->GetPunteroListaCoordenadasPolyLinea(), nullptr);
    EXPECT_EQ(m->GetPunteroListaCoordenadasPolyLinea()->GetCount(), 4u);
}

TEST(CMediciones, RepeatedAndOriginCoordinatesAreIgnored) {
    auto m = NuevaMedicion();
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(0, 0));  // equals the cleared last point
    EXPECT_EQ(m->GetPolyLinea()->GetNumPuntos(), 0u);
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(5, 5));
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(5, 5));  // the same spot twice
    EXPECT_EQ(m->GetPolyLinea()->GetNumPuntos(), 1u);
    // The last point is shared by the three geometries.
    m->AddCoordenadasPoligono(CCoordenadaMapa(5, 5));
    EXPECT_EQ(m->GetPoligono()->GetNumPuntos(), 0u);
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(0, 0));  // no longer the last point
    EXPECT_EQ(m->GetPolyLinea()->GetNumPuntos(), 2u);
}

TEST(CMediciones, AreaOfASquareInEitherDirection) {
    auto horario = NuevaMedicion();
    AddPoligono(*horario, {{1, 1}, {101, 1}, {101, 101}, {1, 101}});
    EXPECT_DOUBLE_EQ(horario->GetSuperficiePoligono(), 10000.0);

    auto a = NuevaMedicion();
    AddPoligono(*a, {{10, 10}, {1010, 10}, {1010, 1010}, {10, 1010}});
    auto b = NuevaMedicion();
    AddPoligono(*b, {{10, 1010}, {1010, 1010}, {1010, 10}, {10, 10}});
    EXPECT_DOUBLE_EQ(a->GetSuperficiePoligono(), 1000000.0);
    EXPECT_DOUBLE_EQ(b->GetSuperficiePoligono(), 1000000.0);
    // The ring stays open: the first vertex is not repeated.
    EXPECT_EQ(a->GetPoligono()->GetNumPuntos(), 4u);
}

TEST(CMediciones, AreaOfFarUtmCoordinatesAndConcaveRings) {
    // An L-shaped ring far from the origin: 300 x 100 plus 100 x 200.
    auto m = NuevaMedicion();
    const double x = 450000.0, y = 4100000.0;
    AddPoligono(*m, {{x, y}, {x + 300, y}, {x + 300, y + 100}, {x + 100, y + 100}, {x + 100, y + 300}, {x, y + 300}});
    EXPECT_NEAR(m->GetSuperficiePoligono(), 50000.0, 1e-6);
    // A triangle: half of the base times the height.
    auto t = NuevaMedicion();
    AddPoligono(*t, {{x, y}, {x + 40, y}, {x + 10, y + 30}});
    EXPECT_NEAR(t->GetSuperficiePoligono(), 600.0, 1e-6);
}

TEST(CMediciones, FewVerticesGiveZeroArea) {
    auto m = NuevaMedicion();
    EXPECT_DOUBLE_EQ(m->GetSuperficiePoligono(), 0.0);
    AddPoligono(*m, {{1, 1}, {101, 1}});
    EXPECT_DOUBLE_EQ(m->GetSuperficiePoligono(), 0.0);
}

TEST(CMediciones, ClearingEmptiesTheGeometryAndForgetsTheLastPoint) {
    auto m = NuevaMedicion();
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(3, 4));
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(6, 8));
    wxList* lista = m->GetPunteroListaCoordenadasPolyLinea();
    m->InicializarPolyLinea();
    EXPECT_EQ(m->GetPunteroListaCoordenadasPolyLinea(), lista);  // the list object stays
    EXPECT_EQ(lista->GetCount(), 0u);
    m->AddCoordenadasPolyLinea(CCoordenadaMapa(6, 8));  // the old last point is forgotten
    EXPECT_EQ(lista->GetCount(), 1u);

    AddPoligono(*m, {{1, 1}, {2, 2}, {3, 1}});
    m->InicializarPoligono();
    EXPECT_EQ(m->GetPoligono()->GetNumPuntos(), 0u);

    m->AddCoordenadasPunto(CCoordenadaMapa(7, 9));
    EXPECT_EQ(m->GetCoordenadaMapaPunto(), CCoordenadaMapa(7, 9));
    m->InicializarPunto();
    EXPECT_EQ(m->GetCoordenadaMapaPunto(), CCoordenadaMapa(0, 0));
}

TEST(CMediciones, DistanceIsEuclidean) {
    const CCoordenadaMapa a(1, 2), b(4, 6);
    EXPECT_DOUBLE_EQ(CMediciones::GetDistancia(&a, &b), 5.0);
    EXPECT_DOUBLE_EQ(CMediciones::GetDistancia(&a, nullptr), 0.0);
}

TEST(CMediciones, IsAHiddenChildWithFixedIdOrAPlainHolderWithoutParent) {
    wxFrame marco(nullptr, wxID_ANY, wxT("m"));
    auto* hija = new CMediciones(&marco, 42, wxPoint(0, 0), wxSize(0, 0), wxBORDER_SIMPLE);
    EXPECT_EQ(hija->GetParent(), &marco);
    EXPECT_NE(hija->GetId(), 42);
    EXPECT_EQ(hija->GetWindowStyleFlag() & wxBORDER_SIMPLE, 0);  // the given style is not used
    auto suelta = NuevaMedicion();
    EXPECT_EQ(suelta->GetParent(), nullptr);
    suelta->AddCoordenadasPunto(CCoordenadaMapa(1, 1));
    EXPECT_EQ(suelta->GetCoordenadaMapaPunto(), CCoordenadaMapa(1, 1));
}
