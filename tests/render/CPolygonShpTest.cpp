#include "CPolygonShp.h"
#include <gtest/gtest.h>
#include <cmath>

namespace {

// The square ring (0, 0), (10, 0), (10, 10), (0, 10), (0, 0), closed by
// repeating its first vertex as shapefiles do.
void Cuadrado(CPolygonShp& poligono, double lado = 10) {
    for (const auto& p : {CCoordenadaMapa(0, 0), CCoordenadaMapa(lado, 0),
                          CCoordenadaMapa(lado, lado), CCoordenadaMapa(0, lado),
                          CCoordenadaMapa(0, 0)})
        poligono.AddPoint(p);
}

bool Dentro(const CPolygonShp& poligono, double x, double y, int tolerancia = 1) {
    return poligono.PtInShape(CCoordenadaMapa(x, y), tolerancia);
}

}  // namespace

TEST(CPolygonShpTest, ListaVaciaDesdeElPrincipio) {
    CPolygonShp poligono;
    ASSERT_NE(poligono.GetPunteroListaCoordenadas(), nullptr);
    EXPECT_TRUE(poligono.GetPunteroListaCoordenadas()->IsEmpty());
    EXPECT_FALSE(Dentro(poligono, 0, 0));
    poligono.SetRellenar(true);
    EXPECT_FALSE(Dentro(poligono, 0, 0));
    Cuadrado(poligono);
    poligono.Inicializar();
    EXPECT_EQ(poligono.GetNumPuntos(), 0u);
}

TEST(CPolygonShpTest, RellenoDentroFueraYVertice) {
    CPolygonShp poligono;
    poligono.SetRellenar(true);
    Cuadrado(poligono);
    EXPECT_TRUE(Dentro(poligono, 5, 5));
    EXPECT_FALSE(Dentro(poligono, 15, 5));
    EXPECT_FALSE(Dentro(poligono, -0.5, 5, 1000));  // tolerance not used
    EXPECT_TRUE(Dentro(poligono, 10, 10));           // a vertex
    EXPECT_TRUE(Dentro(poligono, 9.999, 0.001));
    EXPECT_FALSE(Dentro(poligono, 10.001, 5));
}

TEST(CPolygonShpTest, RellenoSinRepetirElPrimerVertice) {
    CPolygonShp poligono;
    poligono.SetRellenar(true);
    for (const auto& p : {CCoordenadaMapa(0, 0), CCoordenadaMapa(10, 0), CCoordenadaMapa(5, 8)})
        poligono.AddPoint(p);
    EXPECT_TRUE(Dentro(poligono, 5, 3));
    EXPECT_FALSE(Dentro(poligono, 1, 7));
    EXPECT_FALSE(Dentro(poligono, 5, -1));
}

TEST(CPolygonShpTest, CosenoRedondeadoMasAllaDeUnoSigueDentro) {
    // Seen from (3, 3), the closing vertex repeats the first, so the cosine
    // of that step is u.u, which rounds just above 1 for this point.
    const double m = std::sqrt(18.0);
    const double ux = -3 / m, uy = -3 / m;
    ASSERT_GT(ux * ux + uy * uy, 1.0);

    CPolygonShp poligono;
    poligono.SetRellenar(true);
    Cuadrado(poligono);
    EXPECT_TRUE(Dentro(poligono, 3, 3));
}

TEST(CPolygonShpTest, PoligonoConcavo) {
    // A U shape: the notch between the arms is outside.
    CPolygonShp poligono;
    poligono.SetRellenar(true);
    for (const auto& p : {CCoordenadaMapa(0, 0), CCoordenadaMapa(30, 0), CCoordenadaMapa(30, 30),
                          CCoordenadaMapa(20, 30), CCoordenadaMapa(20, 10), CCoordenadaMapa(10, 10),
                          CCoordenadaMapa(10, 30), CCoordenadaMapa(0, 30)})
        poligono.AddPoint(p);
    EXPECT_TRUE(Dentro(poligono, 5, 25));
    EXPECT_TRUE(Dentro(poligono, 25, 25));
    EXPECT_TRUE(Dentro(poligono, 15, 5));
    EXPECT_FALSE(Dentro(poligono, 15, 20));
}

TEST(CPolygonShpTest, DosVueltasCuentanComoFuera) {
    // The square walked twice winds twice around its centre.
    CPolygonShp poligono;
    poligono.SetRellenar(true);
    Cuadrado(poligono);
    Cuadrado(poligono);
    EXPECT_FALSE(Dentro(poligono, 5, 5));
    Cuadrado(poligono);  // three windings: inside again
    EXPECT_TRUE(Dentro(poligono, 5, 5));
}

TEST(CPolygonShpTest, AgujeroComoAnilloAparte) {
    // A ring with a hole is two rings; a point in the hole is inside the
    // outer ring and inside the hole's ring, so the reader discards it.
    CPolygonShp exterior, agujero;
    exterior.SetRellenar(true);
    agujero.SetRellenar(true);
    Cuadrado(exterior, 30);
    for (const auto& p : {CCoordenadaMapa(10, 10), CCoordenadaMapa(10, 20), CCoordenadaMapa(20, 20),
                          CCoordenadaMapa(20, 10), CCoordenadaMapa(10, 10)})
        agujero.AddPoint(p);
    EXPECT_TRUE(Dentro(exterior, 15, 15));
    EXPECT_TRUE(Dentro(agujero, 15, 15));  // clockwise ring: still one winding
    EXPECT_FALSE(Dentro(agujero, 5, 5));
    EXPECT_TRUE(Dentro(exterior, 5, 5));
}

TEST(CPolygonShpTest, BordeConCierreImplicito) {
    CPolygonShp poligono;
    for (const auto& p : {CCoordenadaMapa(0, 0), CCoordenadaMapa(10, 0), CCoordenadaMapa(10, 10),
                          CCoordenadaMapa(0, 10)})
        poligono.AddPoint(p);
    EXPECT_TRUE(Dentro(poligono, 5, 0.5, 1));
    EXPECT_FALSE(Dentro(poligono, 5, 5, 1));
    // The closing side from (0, 10) back to (0, 0) counts.
    EXPECT_TRUE(Dentro(poligono, 0.5, 5, 1));
    EXPECT_FALSE(Dentro(poligono, 2.5, 5, 1));
    EXPECT_TRUE(Dentro(poligono, 2.5, 5, 3));
}

TEST(CPolygonShpTest, PruebasSobreArraySinLista) {
    const CCoordenadas anillo[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(CPolygonShp::PtEnAnillo(anillo, 4, CCoordenadas(5, 5)));
    EXPECT_FALSE(CPolygonShp::PtEnAnillo(anillo, 4, CCoordenadas(-5, 5)));
    EXPECT_FALSE(CPolygonShp::PtEnAnillo(anillo, 0, CCoordenadas(5, 5)));
    EXPECT_TRUE(CPolygonShp::PtEnBorde(anillo, 4, CCoordenadas(0.5, 5), 1));
    EXPECT_FALSE(CPolyLineShp::PtEnPolilinea(anillo, 4, CCoordenadas(0.5, 5), 1));
}
