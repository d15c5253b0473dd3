#include "CCapaShp.h"
#include "CGeneradorCapa.h"

#include <gtest/gtest.h>
#include <memory>

TEST(CCapa, NewShapefileLayerHasTheDocumentedDefaults) {
    const CCapaShp capa;
    EXPECT_EQ(capa.GetEstadoCapa(), -1);
    EXPECT_DOUBLE_EQ(capa.GetEscalaMinima(), 5000.0);
    EXPECT_DOUBLE_EQ(capa.GetEscalaMaxima(), 99999999.0);
    EXPECT_TRUE(capa.GetExtensionCapa() == CExtensionMapa());
    EXPECT_TRUE(capa.GetNombreCapa().empty());
    EXPECT_TRUE(capa.GetRutaArchivo().empty());
    bool relleno = false;
    EXPECT_EQ(capa.GetRelleno(&relleno), &relleno);
    EXPECT_TRUE(relleno);
    EXPECT_EQ(capa.GetRelleno(nullptr), nullptr);
    EXPECT_EQ(capa.GetSimbolo()->GetEstilo(), 1);
    EXPECT_EQ(capa.GetSimbolo()->GetSize(), 2);
    EXPECT_EQ(capa.ObtenerTipoCapa(), wxString(wxT("SHP")));
}

TEST(CCapa, LayerWithoutDataHasNoGeometryNorExtent) {
    CCapaShp capa;
    EXPECT_EQ(capa.GetShape(), nullptr);
    EXPECT_EQ(capa.GetGeometria(), 0);
    EXPECT_EQ(capa.GetGeometriaShp(), 0);
    EXPECT_FALSE(capa.ObtenerDatosExtension());
    EXPECT_TRUE(capa.GetExtensionCapa() == CExtensionMapa());
}

TEST(CCapa, StateKeepsOnlyKnownValues) {
    CCapaShp capa;
    capa.SetEstadoCapa(5);
    EXPECT_EQ(capa.GetEstadoCapa(), -1);
    capa.SetEstadoCapa(2);
    EXPECT_EQ(capa.GetEstadoCapa(), 2);
    capa.SetEstadoCapa(0);
    EXPECT_EQ(capa.GetEstadoCapa(), 0);
    capa.SetEstadoCapa(-2);
    EXPECT_EQ(capa.GetEstadoCapa(), -1);
}

TEST(CCapa, ScaleBoundsAreStoredAsGiven) {
    CCapaShp capa;
    capa.SetEscalaMinima(80000.0);
    capa.SetEscalaMaxima(1000.0);  // no check that minimum <= maximum
    EXPECT_DOUBLE_EQ(capa.GetEscalaMinima(), 80000.0);
    EXPECT_DOUBLE_EQ(capa.GetEscalaMaxima(), 1000.0);
}

TEST(CCapa, WholeSymbolAccessLeavesFontFileAndTransparency) {
    CCapaShp capa;
    capa.GetSimbolo()->SetFileFuente(wxT("fuente.ttf"));
    capa.GetSimbolo()->SetTransparente(true);
    capa.SetPropiedadesSimbolo(7, 4, *wxRED, *wxBLUE, 9, wxT("Sans"), 12, 65);

    int tipo = 0, estilo = 0, size = 0, fontSize = 0, charIndex = 0;
    wxColour relleno, borde;
    wxString fuente;
    capa.GetPropiedadesSimbolo(&tipo, &estilo, &relleno, &borde, &size, &fuente, &fontSize,
                               &charIndex);
    EXPECT_EQ(tipo, 7);
    EXPECT_EQ(estilo, 4);
    EXPECT_EQ(relleno, *wxRED);
    EXPECT_EQ(borde, *wxBLUE);
    EXPECT_EQ(size, 9);
    EXPECT_EQ(fuente, wxString(wxT("Sans")));
    EXPECT_EQ(fontSize, 12);
    EXPECT_EQ(charIndex, 65);
    EXPECT_EQ(capa.GetSimbolo()->GetFileFuente(), wxString(wxT("fuente.ttf")));
    EXPECT_TRUE(capa.GetSimbolo()->GetTransparente());
    // Outputs not wanted may be null.
    capa.GetPropiedadesSimbolo(nullptr, &estilo, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr);
    EXPECT_EQ(estilo, 4);
}

TEST(CCapa, SetSimboloCopiesEveryField) {
    CSimboloObj nuevo;
    nuevo.SetValores(3, 106, *wxGREEN, *wxCYAN, 5, wxT("Serif"), wxT("s.ttf"), 14, 66);
    nuevo.SetTransparente(true);
    CCapaShp capa;
    CSimboloObj* propio = capa.SetSimbolo(nuevo);
    EXPECT_EQ(propio, capa.GetSimbolo());
    EXPECT_EQ(propio->GetTipo(), 3);
    EXPECT_EQ(propio->GetEstilo(), 106);
    EXPECT_EQ(propio->GetColorRelleno(), *wxGREEN);
    EXPECT_EQ(propio->GetColorBorde(), *wxCYAN);
    EXPECT_EQ(propio->GetSize(), 5);
    EXPECT_EQ(propio->GetFuente(), wxString(wxT("Serif")));
    EXPECT_EQ(propio->GetFileFuente(), wxString(wxT("s.ttf")));
    EXPECT_EQ(propio->GetFontSize(), 14);
    EXPECT_EQ(propio->GetCharIndex(), 66);
    EXPECT_TRUE(propio->GetTransparente());
}

TEST(CCapa, ShapefileLayerIsEditableNeitherIdentifiable) {
    CCapaShp capa;
    EXPECT_FALSE(capa.GuardarDatosAlfaNumericos(nullptr, 0, true));
    EXPECT_FALSE(capa.GuardarDatosGraficos(0, nullptr, true));
    EXPECT_FALSE(capa.EliminarElemento(0));
    EXPECT_FALSE(capa.Identify(CCoordenadaMapa(1.0, 2.0), 5.0));
}

TEST(CCapa, ShapefileLayerCanBeCreatedByClassName) {
    std::unique_ptr<wxObject> objeto(wxCreateDynamicObject(wxT("CCapaShp")));
    ASSERT_NE(objeto, nullptr);
    auto* capa = wxDynamicCast(objeto.get(), CCapaShp);
    ASSERT_NE(capa, nullptr);
    EXPECT_EQ(capa->GetEstadoCapa(), -1);
    EXPECT_TRUE(objeto->IsKindOf(wxCLASSINFO(CCapa)));
}

TEST(CGeneradorCapa, MakesShapefileLayersForShpPathsOnly) {
    const CGeneradorCapa generador;
    std::unique_ptr<CCapa> capa = generador.GenerarCapa(wxT("/datos/rios.shp"));
    ASSERT_NE(capa, nullptr);
    EXPECT_NE(wxDynamicCast(capa.get(), CCapaShp), nullptr);
    EXPECT_EQ(capa->GetEstadoCapa(), -1);  // not initialised
    EXPECT_EQ(static_cast<CCapaShp*>(capa.get())->GetShape(), nullptr);

    EXPECT_NE(generador.GenerarCapa(wxT("copia.shp.bak")), nullptr);  // anywhere in the path
    EXPECT_EQ(generador.GenerarCapa(wxT("/datos/RIOS.SHP")), nullptr);  // case-sensitive
    EXPECT_NE(generador.GenerarCapa(wxString(wxT("/datos/RIOS.SHP")).Lower()), nullptr);
    EXPECT_EQ(generador.GenerarCapa(wxT("/datos/rios.dbf")), nullptr);
    EXPECT_EQ(generador.GenerarCapa(wxString()), nullptr);
}

TEST(CCapaShp, BoxTestUsesClosedRectangles) {
    const CCapaShp capa;
    CExtensionMapa vista;
    vista.SetCoordenadasInfIzq(0.0, 0.0);
    vista.SetCoordenadasSupDer(100.0, 100.0);
    const CPunto toca[2] = {{100.0, 50.0}, {150.0, 60.0}};  // touches the right edge
    const CPunto fuera[2] = {{100.5, 50.0}, {150.0, 60.0}};
    const CPunto rodea[2] = {{-10.0, -10.0}, {200.0, 200.0}};  // box around the view
    const CPunto esquina[1] = {{0.0, 0.0}};
    EXPECT_TRUE(capa.IsInExtent(toca, 2, vista));
    EXPECT_FALSE(capa.IsInExtent(fuera, 2, vista));
    EXPECT_TRUE(capa.IsInExtent(rodea, 2, vista));
    EXPECT_TRUE(capa.IsInExtent(esquina, 1, vista));
    EXPECT_FALSE(capa.IsInExtent(toca, 0, vista));  // no points never meet
    EXPECT_FALSE(capa.IsInExtent(nullptr, 3, vista));
}

TEST(CCapaShp, PixelToMapaUsesTheHorizontalResolution) {
    const CCapaShp capa;
    CExtensionMapa ext;
    ext.SetCoordenadasInfIzq(0.0, 0.0);
    ext.SetCoordenadasSupDer(1000.0, 2000.0);
    const CCoordenadaMapa p = capa.PixelToMapa(wxPoint(125, 250), wxRect(0, 0, 500, 400), ext);
    EXPECT_DOUBLE_EQ(p.GetCoordenadaMapaX(), 250.0);
    EXPECT_DOUBLE_EQ(p.GetCoordenadaMapaY(), 1500.0);
    const CCoordenadaMapa cero = capa.PixelToMapa(wxPoint(5, 5), wxRect(0, 0, 0, 400), ext);
    EXPECT_EQ(cero, CCoordenadaMapa(0.0, 0.0));
}
