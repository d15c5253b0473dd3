#include "CExtensionMapa.h"
#include <gtest/gtest.h>
#include <wx/list.h>
#include <memory>
#include <vector>

namespace {

CExtensionMapa Extension(double xMin, double yMin, double xMax, double yMax) {
    CExtensionMapa e;
    e.SetCoordenadasInfIzq(xMin, yMin);
    e.SetCoordenadasSupDer(xMax, yMax);
    return e;
}

// A wxList of points that frees them, as the geometry code keeps them.
class ListaPuntos {
public:
    ListaPuntos(std::initializer_list<CCoordenadaMapa> puntos) {
        for (const auto& p : puntos) {
            m_puntos.push_back(std::make_unique<CCoordenadaMapa>(p));
            m_lista.Append(m_puntos.back().get());
        }
    }
    wxList* Lista() { return &m_lista; }

private:
    std::vector<std::unique_ptr<CCoordenadaMapa>> m_puntos;
    wxList m_lista;
};

}  // namespace

TEST(CExtensionMapaTest, DefectoYCopias) {
    const CExtensionMapa e;
    EXPECT_EQ(e.GetCoordenadaInfIzqX(), 0.0);
    EXPECT_EQ(e.GetCoordenadaSupDerY(), 0.0);

    const CExtensionMapa original = Extension(1, 2, 3, 4);
    const CExtensionMapa* nulo = nullptr;
    EXPECT_EQ(CExtensionMapa(nulo), e);
    EXPECT_EQ(CExtensionMapa(&original), original);
    CExtensionMapa destino = original;
    destino = nulo;
    EXPECT_EQ(destino, original);
    EXPECT_EQ(destino.GetCoordenadaInfIzqX(), 1.0);
    EXPECT_EQ(destino.GetCoordenadaInfIzqY(), 2.0);
    EXPECT_EQ(destino.GetCoordenadaSupDerX(), 3.0);
    EXPECT_EQ(destino.GetCoordenadaSupDerY(), 4.0);
    destino.SetCoordenadaSupDerY(4.5);
    EXPECT_NE(destino, original);
}

TEST(CExtensionMapaTest, BordeFueraPeroContactoIntersecta) {
    const CExtensionMapa e = Extension(0, 0, 10, 10);
    EXPECT_TRUE(CExtensionMapa::PointInExtent(5, 5, e));
    EXPECT_FALSE(CExtensionMapa::PointInExtent(0, 5, e));
    EXPECT_FALSE(CExtensionMapa::PointInExtent(5, 10, e));
    EXPECT_FALSE(CExtensionMapa::PointInExtent(10, 10, e));

    EXPECT_TRUE(e.Intersects(Extension(10, 0, 20, 10)));   // shared edge
    EXPECT_TRUE(e.Intersects(Extension(10, 10, 20, 20)));  // shared corner
    EXPECT_TRUE(e.Intersects(Extension(2, 2, 3, 3)));      // inside
    EXPECT_FALSE(e.Intersects(Extension(10.001, 0, 20, 10)));
    EXPECT_FALSE(e.Intersects(Extension(0, -5, 10, -0.001)));
}

TEST(CExtensionMapaTest, EsquinasInvertidas) {
    CExtensionMapa e;
    e.SetCoordenadasInfIzq(10, 20);
    e.SetCoordenadasSupDer(0, 0);
    EXPECT_EQ(e.GetAncho(), 10.0);
    EXPECT_EQ(e.GetAlto(), 20.0);
    EXPECT_FALSE(CExtensionMapa::PointInExtent(5, 10, e));
}

TEST(CExtensionMapaTest, ExtremosDeListaConValoresIniciales) {
    EXPECT_EQ(CExtensionMapa::GetMinCoordX(nullptr), 999999999.999999);
    EXPECT_EQ(CExtensionMapa::GetMaxCoordY(nullptr), 0.0);
    wxList vacia;
    EXPECT_EQ(CExtensionMapa::GetMinCoordX(&vacia), 999999999.999999);
    EXPECT_EQ(CExtensionMapa::GetMaxCoordX(&vacia), 0.0);

    ListaPuntos negativos{{-5, -7}, {-3, -9}};
    EXPECT_EQ(CExtensionMapa::GetMaxCoordX(negativos.Lista()), 0.0);
    EXPECT_EQ(CExtensionMapa::GetMinCoordX(negativos.Lista()), -5.0);
    EXPECT_EQ(CExtensionMapa::GetMinCoordY(negativos.Lista()), -9.0);

    ListaPuntos enormes{{2e9, 3e9}};
    EXPECT_EQ(CExtensionMapa::GetMinCoordX(enormes.Lista()), 999999999.999999);

    ListaPuntos normales{{5, 70}, {2, 90}, {8, 60}};
    EXPECT_EQ(CExtensionMapa::GetMinCoordX(normales.Lista()), 2.0);
    EXPECT_EQ(CExtensionMapa::GetMaxCoordX(normales.Lista()), 8.0);
    EXPECT_EQ(CExtensionMapa::GetMinCoordY(normales.Lista()), 60.0);
    EXPECT_EQ(CExtensionMapa::GetMaxCoordY(normales.Lista()), 90.0);
}

TEST(CExtensionMapaTest, CajaDePuntosFrenteALaExtension) {
    const CExtensionMapa e = Extension(0, 0, 10, 10);
    ListaPuntos cruzando{{-5, 5}, {15, 6}};   // box spans the extent
    ListaPuntos tocando{{10, 10}, {12, 14}};  // box touches the corner
    ListaPuntos fuera{{11, 1}, {14, 2}};
    EXPECT_TRUE(CExtensionMapa::IsInExtent(cruzando.Lista(), e));
    EXPECT_TRUE(CExtensionMapa::PolylineIsInExtent(tocando.Lista(), e));
    EXPECT_FALSE(CExtensionMapa::PolygonIsInExtent(fuera.Lista(), e));
    // An empty list's box (min 999999999.999999, max 0) meets only extents
    // reaching beyond that minimum.
    EXPECT_FALSE(CExtensionMapa::IsInExtent(nullptr, e));
    EXPECT_TRUE(CExtensionMapa::IsInExtent(nullptr, Extension(-1, -1, 1e10, 1e10)));
}
