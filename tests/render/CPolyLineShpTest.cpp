#include "CPolyLineShp.h"
#include <gtest/gtest.h>

namespace {

void Anadir(CPolyLineShp& linea, std::initializer_list<CCoordenadaMapa> puntos) {
    for (const auto& p : puntos) EXPECT_TRUE(linea.AddPoint(p));
}

}  // namespace

TEST(CPolyLineShpTest, ListaCreadaAlPrimerPunto) {
    CPolyLineShp linea;
    EXPECT_EQ(linea.GetPunteroListaCoordenadas(), nullptr);
    EXPECT_EQ(linea.GetPoint(0), nullptr);
    Anadir(linea, {{1, 2}, {3, 4}});
    ASSERT_NE(linea.GetPunteroListaCoordenadas(), nullptr);
    EXPECT_EQ(linea.GetPunteroListaCoordenadas()->GetCount(), 2u);
    EXPECT_EQ(*linea.GetPoint(1), CCoordenadaMapa(3, 4));
    EXPECT_EQ(linea.GetPoint(2), nullptr);
    EXPECT_EQ(linea.GetPoint(-1), nullptr);

    CCoordenadaMapa copia(9, 9);
    EXPECT_TRUE(linea.GetPoint(0, &copia));
    EXPECT_EQ(copia, CCoordenadaMapa(1, 2));
    EXPECT_FALSE(linea.GetPoint(5, &copia));
    EXPECT_EQ(copia, CCoordenadaMapa(1, 2));
    EXPECT_FALSE(linea.GetPoint(0, nullptr));
}

TEST(CPolyLineShpTest, BorrarYAdoptarListas) {
    CPolyLineShp linea;
    Anadir(linea, {{1, 2}, {3, 4}});
    wxList* lista = linea.GetPunteroListaCoordenadas();
    linea.BorrarListaCoordenadas();
    EXPECT_EQ(linea.GetPunteroListaCoordenadas(), lista);
    EXPECT_TRUE(lista->IsEmpty());

    auto* nueva = new wxList;
    nueva->DeleteContents(true);  // must not make the points be deleted twice
    nueva->Append(new CCoordenadaMapa(7, 8));
    linea.SetPunteroListaCoordenadas(nueva);
    EXPECT_EQ(linea.GetPunteroListaCoordenadas(), nueva);
    EXPECT_EQ(*linea.GetPoint(0), CCoordenadaMapa(7, 8));
    linea.SetPunteroListaCoordenadas(nullptr);
    EXPECT_EQ(linea.GetPoint(0), nullptr);
    EXPECT_TRUE(linea.AddPoint(CCoordenadaMapa(1, 1)));  // a new list again
    EXPECT_EQ(linea.GetNumPuntos(), 1u);
}

TEST(CPolyLineShpTest, ExtensionConValoresIniciales) {
    CPolyLineShp linea;
    const CExtensionMapa vacia = linea.GetExtension();
    EXPECT_EQ(vacia.GetCoordenadaInfIzqX(), 999999999.999999);
    EXPECT_EQ(vacia.GetCoordenadaInfIzqY(), 999999999.999999);
    EXPECT_EQ(vacia.GetCoordenadaSupDerX(), 0.0);
    EXPECT_EQ(vacia.GetCoordenadaSupDerY(), 0.0);

    Anadir(linea, {{5, 70}, {2, 90}, {8, 60}});
    const CExtensionMapa e = linea.GetExtension();
    EXPECT_EQ(e.GetCoordenadaInfIzqX(), 2.0);
    EXPECT_EQ(e.GetCoordenadaInfIzqY(), 60.0);
    EXPECT_EQ(e.GetCoordenadaSupDerX(), 8.0);
    EXPECT_EQ(e.GetCoordenadaSupDerY(), 90.0);
}

TEST(CPolyLineShpTest, Distancia) {
    const CCoordenadaMapa a(0, 0), b(3, 4);
    EXPECT_DOUBLE_EQ(CPolyLineShp::GetDistancia(&a, &b), 5.0);
    EXPECT_EQ(CPolyLineShp::GetDistancia(&a, nullptr), 0.0);
}

TEST(CPolyLineShpTest, TocaCualquierTramoPeroNoElCierre) {
    CPolyLineShp linea;
    EXPECT_FALSE(linea.PtInShape(CCoordenadaMapa(0, 0), 5));
    Anadir(linea, {{0, 0}});
    EXPECT_FALSE(linea.PtInShape(CCoordenadaMapa(0, 0), 5));  // one point: no segment
    Anadir(linea, {{100, 0}, {100, 100}, {0, 100}});
    EXPECT_TRUE(linea.PtInShape(CCoordenadaMapa(50, 0.5), 1));
    EXPECT_TRUE(linea.PtInShape(CCoordenadaMapa(100.5, 50), 1));
    EXPECT_TRUE(linea.PtInShape(CCoordenadaMapa(50, 99.5), 1));
    // The line is open: nothing joins (0, 100) back to (0, 0).
    EXPECT_FALSE(linea.PtInShape(CCoordenadaMapa(0.5, 50), 1));
    EXPECT_FALSE(linea.PtInShape(CCoordenadaMapa(50, 50), 1));
}
