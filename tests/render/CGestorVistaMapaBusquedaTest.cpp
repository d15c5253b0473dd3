// A gazetteer hit: its geometry by the kind of its layer, and its red outline.
#include "CCapaShp.h"
#include "CCapasEnMapa.h"
#include "CGestorVistaMapa.h"
#include "CInfoCapa.h"
#include "CPointShp.h"
#include "CPolygonShp.h"
#include "CapaShpPrueba.h"
#include "LienzoPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>

namespace {
CInfoCapa Registro(const char* campo, const char* codigo) {
    CInfoCapa registro;
    registro.SetCampoCodigo(campo);
    registro.SetCodigo(codigo);
    return registro;
}
}  // namespace

TEST(CGestorVistaMapaBusqueda, AHitIsLocatedByItsLayersKindAndOutlinedOnlyWhileItsLayerShows) {
    ShapefileWriter poligonos(5), lineas(3), puntos(1);
    poligonos.AddShape({ShapefileWriter::Rectangle(100, 100, 300, 300)});
    poligonos.AddShape({ShapefileWriter::Rectangle(0, 0, 50, 50), ShapefileWriter::Rectangle(600, 600, 800, 800)});
    lineas.AddShape({{CPunto(100, 900), CPunto(300, 700)}});
    lineas.AddShape({{CPunto(0, 0), CPunto(10, 10), CPunto(20, 0)}});
    puntos.AddPoint(500, 500);
    puntos.AddPoint(900, 100);
    DirectorioPrueba directorio;
    CGestorVistaMapa gestor;  // holders, head first: polygons, lines, points
    for (ShapefileWriter* escritor : {&puntos, &lineas, &poligonos}) {
        escritor->Table().AddField("COD", 'C', 4);
        escritor->Table().AddField("NUM", 'N', 4);
        for (const char* codigo : {"A", "B"}) escritor->Table().AddRecord({codigo, "1"});
        CCapaShp* capa = NuevaCapaShp(*escritor, directorio / std::to_string(gestor.GetNumCapas()));
        ASSERT_NE(capa->GetShape(), nullptr);
        capa->SetEscalaMinima(0.0);
        gestor.AddCapa(capa);
    }
    // 1000 map units on 200 pixels: 5 a pixel.
    const wxRect rect(0, 0, 200, 200);
    gestor.SetDimensionAreaVisualizacion(rect);
    gestor.ReCalcularExtGlobal();
    gestor.SetMantenerExtension(true);
    gestor.Zoom(CExtensionMapa(0, 0, 1000, 1000));
    // A feature of two parts is located by the second (polygons within two pixels).
    const auto poligono = gestor.LocalizarElementoBusqueda(rect, gestor.GetCapaEnMapa(0), Registro("COD", "B"));
    const auto* anillo = dynamic_cast<const CPolygonShp*>(poligono.get());
    ASSERT_NE(anillo, nullptr);
    const CExtensionMapa caja = anillo->GetExtension();
    for (double esquina : {caja.GetCoordenadaInfIzqX(), caja.GetCoordenadaInfIzqY()}) EXPECT_NEAR(esquina, 600, 10.0);
    for (double esquina : {caja.GetCoordenadaSupDerX(), caja.GetCoordenadaSupDerY()}) EXPECT_NEAR(esquina, 800, 10.0);
    const auto linea = gestor.LocalizarElementoBusqueda(rect, gestor.GetCapaEnMapa(1), Registro("cod", "A"));
    EXPECT_EQ(dynamic_cast<const CPolygonShp*>(linea.get()), nullptr);
    ASSERT_NE(dynamic_cast<const CPolyLineShp*>(linea.get()), nullptr);
    EXPECT_EQ(static_cast<const CPolyLineShp&>(*linea).GetNumPuntos(), 2u);
    const auto punto = gestor.LocalizarElementoBusqueda(rect, gestor.GetCapaEnMapa(2), Registro("COD", "A"));
    ASSERT_NE(dynamic_cast<const CPointShp*>(punto.get()), nullptr);
    EXPECT_NEAR(static_cast<const CPointShp&>(*punto).GetPoint().GetCoordenadaMapaX(), 500, 5.0);
    // Nothing for a missing code, a numeric or empty code column, no layer.
    for (const CInfoCapa& nada : {Registro("COD", "Z"), Registro("COD", "b"), Registro("NUM", "1"), Registro("", "A")})
        EXPECT_EQ(gestor.LocalizarElementoBusqueda(rect, gestor.GetCapaEnMapa(0), nada), nullptr) << nada.GetCodigo();
    EXPECT_EQ(gestor.LocalizarElementoBusqueda(rect, nullptr, Registro("COD", "A")), nullptr);
    const auto rojos = [&](const char* codigo) {
        LienzoPrueba lienzo(rect.width, rect.height);
        gestor.PintarElementoBusqueda(lienzo.Dc(), lienzo.Rect(), gestor.GetCapaEnMapa(0), Registro("COD", codigo));
        return LienzoPrueba::Contar(lienzo.Imagen(), lienzo.Rect(), *wxRED);
    };
    EXPECT_GT(rojos("A"), 200);
    EXPECT_EQ(rojos("Z"), 0);
    CCapa& capa = *gestor.GetCapaEnMapa(0)->GetCapaEnCapa();
    capa.SetEstadoCapa(CCapa::ESTADO_OCULTA);
    EXPECT_EQ(rojos("A"), 0);
    capa.SetEstadoCapa(CCapa::ESTADO_VISIBLE);
    capa.SetEscalaMinima(1e9);  // the current scale lies outside its range
    EXPECT_EQ(rojos("A"), 0);
}
