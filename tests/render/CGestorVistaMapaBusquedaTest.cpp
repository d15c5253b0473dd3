// The view manager's side of a gazetteer hit: its geometry in map units, and
// its red outline, on shapefile layers of the three kinds.
#include "CCapaShp.h"
#include "CCapasEnMapa.h"
#include "CGestorVistaMapa.h"
#include "CInfoCapa.h"
#include "CPointShp.h"
#include "CPolygonShp.h"
#include "DirectorioPrueba.h"
#include "LienzoPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

CInfoCapa Registro(const char* campo, const char* codigo) {
    CInfoCapa registro;
    registro.SetCampoCodigo(campo);
    registro.SetCodigo(codigo);
    return registro;
}

// Points of the geometry, all within the box grown by `margen`.
bool Dentro(const CPolyLineShp& linea, double x1, double y1, double x2, double y2, double margen) {
    for (size_t i = 0; i < linea.GetNumPuntos(); ++i) {
        const CCoordenadaMapa* p = linea.GetPoint(static_cast<int>(i));
        if (p->GetCoordenadaMapaX() < x1 - margen || p->GetCoordenadaMapaX() > x2 + margen ||
            p->GetCoordenadaMapaY() < y1 - margen || p->GetCoordenadaMapaY() > y2 + margen)
            return false;
    }
    return linea.GetNumPuntos() > 0;
}

class CGestorVistaMapaBusquedaTest : public ::testing::Test {
protected:
    void SetUp() override {
        ShapefileWriter poligonos(5);  // "B" has two parts: it is located by the second
        poligonos.AddShape({ShapefileWriter::Rectangle(100, 100, 300, 300)});
        poligonos.AddShape({ShapefileWriter::Rectangle(0, 0, 50, 50), ShapefileWriter::Rectangle(600, 600, 800, 800)});
        ShapefileWriter lineas(3);
        lineas.AddShape({{CPunto(100, 900), CPunto(300, 700)}});
        ShapefileWriter puntos(1);
        puntos.AddPoint(500, 500);
        for (auto [escritor, codigos] : {std::pair{&poligonos, std::vector<const char*>{"A", "B"}},
                                         std::pair{&lineas, std::vector<const char*>{"L"}},
                                         std::pair{&puntos, std::vector<const char*>{"P"}}}) {
            escritor->Table().AddField("COD", 'C', 4);
            escritor->Table().AddField("NUM", 'N', 4);
            for (const char* codigo : codigos) escritor->Table().AddRecord({codigo, "1"});
        }
        poligonos.Write(directorio / "poligonos");
        lineas.Write(directorio / "lineas");
        puntos.Write(directorio / "puntos");
        for (const char* nombre : {"puntos", "lineas", "poligonos"}) {
            auto* capa = new CCapaShp;
            capa->SetRutaArchivo(wxString::FromUTF8((directorio / nombre).c_str()) + ".shp");
            ASSERT_TRUE(capa->InicializarCapa()) << nombre;
            capa->SetEscalaMinima(0.0);
            gestor.AddCapa(capa);
        }
        // 1000 map units on 200 pixels: 5 units a pixel.
        gestor.SetDimensionAreaVisualizacion(kRect);
        gestor.ReCalcularExtGlobal();
        gestor.SetMantenerExtension(true);
        CExtensionMapa vista;
        vista.SetCoordenadasInfIzq(0, 0);
        vista.SetCoordenadasSupDer(1000, 1000);
        gestor.Zoom(vista);
    }
    // Holders, head first: polygons, lines, points.
    CCapasEnMapa* Capa(int i) { return gestor.GetCapaEnMapa(i); }
    int Rojos(CCapasEnMapa* capa, const CInfoCapa& registro) {
        LienzoPrueba lienzo(kRect.width, kRect.height);
        gestor.PintarElementoBusqueda(lienzo.Dc(), lienzo.Rect(), capa, registro);
        return LienzoPrueba::Contar(lienzo.Imagen(), lienzo.Rect(), *wxRED);
    }

    static constexpr double kMargen = 2 * 5.0;  // two pixels: polygons are half a pixel up and left, truncated
    const wxRect kRect{0, 0, 200, 200};
    DirectorioPrueba directorio;
    CGestorVistaMapa gestor;
};

}  // namespace

TEST_F(CGestorVistaMapaBusquedaTest, AHitIsLocatedByTheGeometryOfItsLayersKind) {
    const auto poligono = gestor.LocalizarElementoBusqueda(kRect, Capa(0), Registro("COD", "B"));
    const auto* anillo = dynamic_cast<const CPolygonShp*>(poligono.get());
    ASSERT_NE(anillo, nullptr);
    EXPECT_TRUE(Dentro(*anillo, 600, 600, 800, 800, kMargen));
    EXPECT_GE(anillo->GetNumPuntos(), 4u);

    const auto linea = gestor.LocalizarElementoBusqueda(kRect, Capa(1), Registro("cod", "L"));
    ASSERT_NE(dynamic_cast<const CPolyLineShp*>(linea.get()), nullptr);
    EXPECT_EQ(dynamic_cast<const CPolygonShp*>(linea.get()), nullptr);
    EXPECT_TRUE(Dentro(static_cast<const CPolyLineShp&>(*linea), 100, 700, 300, 900, 5.0));

    const auto punto = gestor.LocalizarElementoBusqueda(kRect, Capa(2), Registro("COD", "P"));
    const auto* centro = dynamic_cast<const CPointShp*>(punto.get());
    ASSERT_NE(centro, nullptr);
    EXPECT_NEAR(centro->GetPoint().GetCoordenadaMapaX(), 500, 5.0);
    EXPECT_NEAR(centro->GetPoint().GetCoordenadaMapaY(), 500, 5.0);

    // Nothing for a missing code, a numeric or empty code column, no layer.
    for (const CInfoCapa& nada : {Registro("COD", "Z"), Registro("COD", "b"), Registro("NUM", "1"), Registro("", "A")})
        EXPECT_EQ(gestor.LocalizarElementoBusqueda(kRect, Capa(0), nada), nullptr) << nada.GetCodigo();
    EXPECT_EQ(gestor.LocalizarElementoBusqueda(kRect, nullptr, Registro("COD", "A")), nullptr);
}

TEST_F(CGestorVistaMapaBusquedaTest, AHitIsOutlinedInRedOnlyWhileItsLayerShows) {
    EXPECT_GT(Rojos(Capa(0), Registro("COD", "A")), 200);
    EXPECT_EQ(Rojos(Capa(0), Registro("COD", "Z")), 0);
    EXPECT_GT(Rojos(Capa(2), Registro("COD", "P")), 20);
    CCapa& poligonos = *Capa(0)->GetCapaEnCapa();
    poligonos.SetEstadoCapa(CCapa::ESTADO_OCULTA);
    EXPECT_EQ(Rojos(Capa(0), Registro("COD", "A")), 0);
    EXPECT_NE(gestor.LocalizarElementoBusqueda(kRect, Capa(0), Registro("COD", "A")), nullptr);
    poligonos.SetEstadoCapa(CCapa::ESTADO_VISIBLE);
    poligonos.SetEscalaMinima(1e9);  // the current scale lies outside its range
    EXPECT_EQ(Rojos(Capa(0), Registro("COD", "A")), 0);
}
