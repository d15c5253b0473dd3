// The view manager: extents, aspect fit, navigation, scale, the paint loop
// and gazetteer hits.
#include <gtest/gtest.h>
#include <cmath>
#include <string>
#include <vector>

#include "CapaColorPrueba.h"
#include "CapaShpPrueba.h"
#include "CGestorVistaMapa.h"
#include "CInfoCapa.h"
#include "CMensajes.h"
#include "CPointShp.h"
#include "CPolygonShp.h"
#include "LienzoPrueba.h"

namespace {

CInfoCapa Registro(const char* campo, const char* codigo) {
    CInfoCapa registro;
    registro.SetCampoCodigo(campo);
    registro.SetCodigo(codigo);
    return registro;
}

class GestorVistaMapaTest : public testing::Test {
protected:
    CapaColorPrueba* Anadir(const wxColour& color, const CExtensionMapa& ext = CExtensionMapa(0, 0, 1000, 1000)) {
        auto* capa = new CapaColorPrueba(color, ext, &destruidas);
        gestor.AddCapa(capa);
        return capa;
    }
    // Paints on a fresh white 100 x 80 surface; gives the colour in its middle.
    wxColour Pintar() {
        LienzoPrueba lienzo(100, 80);
        gestor.SetDimensionAreaVisualizacion(lienzo.Rect());
        gestor.Pintar(lienzo.Dc(), lienzo.Rect(), false);
        return LienzoPrueba::Color(lienzo.Imagen(), 50, 40);
    }
    // Declared before the manager, which outlives neither.
    int destruidas = 0;
    CGestorVistaMapa gestor;
};

}  // namespace

TEST_F(GestorVistaMapaTest, AjusteDeAspectoConversionDePixelesYNavegacion) {
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 800, 0));
    EXPECT_EQ(gestor.ReadaptarExtensionActual(), CExtensionMapa());  // no view area
    // The fit centres the window's rows: rows 563 and -35.
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 800, 600));
    EXPECT_EQ(gestor.ReadaptarExtensionActual(), CExtensionMapa(95000, 3927012.5, 625000, 4323187.5));
    EXPECT_EQ(gestor.GetExtensionActual(), CExtensionMapa(95000, 3950000, 625000, 4300000));  // only computed
    gestor.SetExtensionActual(CExtensionMapa(0, 10, 100, 10));  // no height
    EXPECT_EQ(gestor.ReadaptarExtensionActual(), CExtensionMapa());
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 500, 400));
    gestor.SetExtensionActual(CExtensionMapa(0, 0, 1000, 2000));
    EXPECT_EQ(gestor.PixelToMapa(wxPoint(125, 250)), CCoordenadaMapa(250, 1500));
    EXPECT_EQ(gestor.PixelToMapa(wxRect(10, 20, 51, 31)), CExtensionMapa(20, 1900, 120, 1960));
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 300, 200));
    gestor.SetExtensionActual(CExtensionMapa(1000, 1000, 2500, 2000));
    gestor.Zoom(1.5);  // the width about the centre, then fitted: about 199 rows
    CExtensionMapa e = gestor.GetExtensionActual();
    EXPECT_DOUBLE_EQ(e.GetCoordenadaInfIzqX(), 1250.0);
    EXPECT_NEAR(e.GetAlto(), 199 * 1000.0 / 300, 1000.0 / 300);
    EXPECT_NEAR(0.5 * (e.GetCoordenadaInfIzqY() + e.GetCoordenadaSupDerY()), 1500.0, 1000.0 / 300);
    gestor.SetExtensionActual(CExtensionMapa(1000, 1000, 2500, 2000));
    gestor.Zoom(-1.5);
    EXPECT_DOUBLE_EQ(gestor.GetExtensionActual().GetCoordenadaInfIzqX(), 1750.0 - 1125.0);
    gestor.Zoom(0.0);  // collapses to the centre, which has no height to fit
    EXPECT_EQ(gestor.GetExtensionActual(), CExtensionMapa());
    gestor.SetExtensionActual(CExtensionMapa(0, 0, 100, 50));
    gestor.Centrar(CCoordenadaMapa(1000, 2000));
    EXPECT_EQ(gestor.GetExtensionActual(), CExtensionMapa(950, 1975, 1050, 2025));
    gestor.Desplazar(CCoordenadaMapa(10, 20), CCoordenadaMapa(40, 10));
    EXPECT_EQ(gestor.GetExtensionActual(), CExtensionMapa(920, 1985, 1020, 2035));
    gestor.ZoomExtensionTotal();
    EXPECT_DOUBLE_EQ(gestor.GetExtensionActual().GetCoordenadaSupDerX(), 625000.0);
}

TEST_F(GestorVistaMapaTest, EscalaDesdeLaResolucionYSuInversa) {
    gestor.SetExtensionActual(CExtensionMapa(0, 0, 10000, 8000));
    gestor.SetEscalaActual(wxSize(960, 480), wxSize(96, 96), 10000.0);
    // (960 / 96) * 2.546 / 100 * 10000 wide about the same centre.
    const CExtensionMapa e = gestor.GetExtensionActual();
    EXPECT_NEAR(e.GetAncho(), 2546.0, 1e-6);
    EXPECT_NEAR(e.GetCoordenadaInfIzqY(), 4000.0 - 636.5, 1e-6);  // 1273 high about the centre
    EXPECT_NEAR(e.GetCoordenadaSupDerY(), 4000.0 + 636.5, 1e-6);
    // 790 pixels at 96 ppi showing 30000 m: 1:143188, from the real corners.
    const double porUnidad = 1000 / (790.0 / 96 * 25.46);
    const std::pair<CExtensionMapa, double> anchos[] = {{CExtensionMapa(0, 0, 30000, 20000), 30000},
                                                        {CExtensionMapa(0.9, 0, 30000.4, 1), 29999.5},
                                                        {CExtensionMapa(-4.0, 37.0, -3.54, 37.3), 0.46},
                                                        {CExtensionMapa(-50000, -40000, -20000, -10000), 30000}};
    for (const auto& [extension, ancho] : anchos)
        EXPECT_NEAR(CGestorVistaMapa::EscalaDeExtension(extension, 790, 96), ancho * porUnidad, 1e-9 * ancho)
            << "case " << ancho;
    // No width, or none that is finite: no scale.
    for (const CExtensionMapa& e : {CExtensionMapa(5, 0, 5, 1), CExtensionMapa(std::nan(""), 0, 5, 1),
                                    CExtensionMapa(0, 0, 1e308, 1), CExtensionMapa(-1e308, 0, 1e308, 1)})
        EXPECT_EQ(CGestorVistaMapa::EscalaDeExtension(e, 790, 96), 0.0);
    EXPECT_EQ(CGestorVistaMapa::EscalaDeExtension(CExtensionMapa(0, 0, 30000, 1), 0, 96), 0.0);
    for (int ppi : {72, 96, 150, 220}) {  // setting the scale an extent shows keeps its width
        gestor.SetExtensionActual(CExtensionMapa(1000, 1000, 31000, 21000));
        const double n = CGestorVistaMapa::EscalaDeExtension(gestor.GetExtensionActual(), 790, ppi);
        gestor.SetEscalaActual(wxSize(790, 584), wxSize(ppi, ppi), n);
        EXPECT_NEAR(gestor.GetExtensionActual().GetAncho(), 30000.0, 1e-6) << "case " << ppi;
    }
}

// The global extent is the union of the layers' extents that are not null;
// clearing (and the destructor) frees the layers, but not database ones.
TEST_F(GestorVistaMapaTest, ExtensionGlobalYLiberacionDeLasCapas) {
    for (const CExtensionMapa& e : {CExtensionMapa(10, 20, 30, 40), CExtensionMapa(0, 0, 0, 0), CExtensionMapa(-5, 25, 20, 50)})
        Anadir(*wxRED, e);
    int destruidasBd = 0;
    CapaColorPrueba bd(*wxBLUE, CExtensionMapa(0, 0, 0, 0), &destruidasBd, CCapa::TIPO_BD);
    gestor.AddCapa(&bd);
    gestor.ReCalcularExtGlobal();
    EXPECT_EQ(gestor.GetExtensionGlobal(), CExtensionMapa(-5, 20, 30, 50));
    gestor.Limpiar();
    EXPECT_EQ(destruidas, 3);
    EXPECT_EQ(destruidasBd, 0);
    EXPECT_EQ(Pintar(), *wxWHITE);
    Anadir(*wxRED, CExtensionMapa(0, 0, 0, 0));  // only null layers: null
    gestor.ReCalcularExtGlobal();
    EXPECT_EQ(gestor.GetExtensionGlobal(), CExtensionMapa());
    Anadir(*wxRED, CExtensionMapa(10, 20, 30, 40));
    gestor.AddCapa(new CCapasEnMapa);  // an entry without a layer stops it
    gestor.SetExtensionActual(CExtensionMapa(1, 2, 3, 4));
    gestor.ReCalcularExtGlobal();
    EXPECT_EQ(gestor.GetExtensionGlobal(), CExtensionMapa());
    EXPECT_EQ(gestor.GetExtensionActual(), CExtensionMapa(1, 2, 3, 4));
    {
        CGestorVistaMapa otro;
        otro.AddCapa(new CapaColorPrueba(*wxRED, CExtensionMapa(0, 0, 1, 1), &destruidas));
    }
    EXPECT_EQ(destruidas, 4);
}

TEST_F(GestorVistaMapaTest, OrdenDePintadoYCapasOcultasOFueraDeEscala) {
    Anadir(*wxRED);
    Anadir(*wxBLUE);
    CapaColorPrueba* verde = Anadir(*wxGREEN);
    EXPECT_EQ(gestor.GetCapaEnMapa(0)->GetCapaEnCapa(), verde);  // added on top
    EXPECT_EQ(Pintar(), *wxGREEN);
    for (int estado : {0, 2}) {  // hidden, or neither shown nor hidden
        verde->SetEstadoCapa(estado);
        EXPECT_EQ(Pintar(), *wxBLUE) << "case " << estado;
    }
    verde->SetEstadoCapa(1);
    verde->SetEscalaMinima(5000);
    verde->SetEscalaMaxima(50000);
    for (double escala : {4999.0, 5000.0, 50000.0, 50001.0}) {  // both ends inclusive
        gestor.SetEscalaActual(nullptr, escala);
        const bool dentro = escala >= 5000 && escala <= 50000;
        EXPECT_EQ(Pintar(), dentro ? *wxGREEN : *wxBLUE) << "case " << escala;
    }
}

// Each layer is painted as its holder says; one classified without classification is reported.
TEST_F(GestorVistaMapaTest, CadaCapaSePintaComoDiceSuEntrada) {
    using P = CCapasEnMapa::Pintura;
    const struct { bool clasificada; const char* tipo; bool conClases; std::vector<P> pinturas; const char* aviso; } casos[] = {
        {false, CClasificacion::VALOR, false, {P::Simbolo}, nullptr},
        {true, CClasificacion::VALOR, true, {P::PorValor}, nullptr},
        {true, CClasificacion::TEXTO, true, {P::PorTexto}, nullptr},
        {true, "otro", true, {P::PorTexto}, nullptr},
        {true, CClasificacion::VALOR, false, {}, "por valor es nulo"},
        {true, CClasificacion::TEXTO, false, {}, "por texto es nulo"}};
    std::vector<wxString> mensajes;
    SetReceptorMensajes([&](const wxString& texto, const wxString&) { mensajes.push_back(texto); });
    for (size_t i = 0; i < std::size(casos); ++i) {
        gestor.Limpiar();
        mensajes.clear();
        auto* capa = new CapaColorPrueba(*wxRED, CExtensionMapa(0, 0, 1000, 1000));
        auto* entrada = new CCapasEnMapa;
        entrada->SetCapaEnMapa(capa);
        entrada->SetTieneClasificacion(casos[i].clasificada);
        entrada->SetTipoClasificacion(casos[i].tipo);
        if (casos[i].conClases) {
            entrada->SetClasificacionCapa(static_cast<CClasificacionPorValor*>(nullptr));
            entrada->SetClasificacionCapa(static_cast<CClasificacionPorTexto*>(nullptr));
        }
        gestor.AddCapa(entrada);
        Anadir(*wxBLUE);
        EXPECT_EQ(Pintar(), *wxBLUE) << "case " << i;
        EXPECT_EQ(capa->pinturas, casos[i].pinturas) << "case " << i;
        ASSERT_EQ(mensajes.size(), casos[i].aviso ? 1u : 0u) << "case " << i;
        if (casos[i].aviso) {
            EXPECT_TRUE(mensajes[0].Contains(casos[i].aviso)) << "case " << i;
        }
    }
    SetReceptorMensajes(ReceptorMensajes());
}

// The first paint shows the whole map and judges scale ranges at its scale; a
// scale asked for sizes the view about its centre; the background is framed.
TEST_F(GestorVistaMapaTest, PintarVistaMuestraElMapaALaEscalaQuePinta) {
    CapaColorPrueba* capa = Anadir(*wxGREEN);  // 1000 units wide
    const double escala = 1000.0 / CGestorVistaMapa::MedidaFisicaMetros(100, 96);
    capa->SetEscalaMinima(0.99 * escala);
    capa->SetEscalaMaxima(1.01 * escala);
    for (double pedida : {0.0, 2 * escala}) {
        LienzoPrueba lienzo(100, 80);
        const CTransformacionMapa vista =
            gestor.PintarVista(*lienzo.Dc(), lienzo.Rect(), wxSize(96, 96), pedida, false, *wxBLUE);
        EXPECT_NEAR(vista.GetExtension().GetAncho(), pedida ? 2000 : 1000, 1e-6) << "case " << pedida;
        EXPECT_NEAR(vista.GetExtension().GetCoordenadaInfIzqX(), pedida ? -500 : 0, 1e-6) << "case " << pedida;
        EXPECT_NEAR(gestor.GetEscalaActual(), pedida ? pedida : escala, 1e-6 * escala) << "case " << pedida;
        const wxImage& imagen = lienzo.Imagen();
        EXPECT_EQ(LienzoPrueba::Color(imagen, 50, 40), pedida ? *wxBLUE : *wxGREEN) << "case " << pedida;
        if (pedida) {
            EXPECT_EQ(LienzoPrueba::Color(imagen, 0, 0), *wxBLACK);
        }
    }
}

// A gazetteer hit: its geometry by the kind of its layer, and its red outline.
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
