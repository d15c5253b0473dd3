// Layer painting checked by the pixels it leaves on an off-screen bitmap. The
// view is map (0, 0)-(1000, 1000) on 500 x 500 pixels: two map units a pixel,
// map (x, y) on pixel (x / 2, (1000 - y) / 2).
#include "CCapaShp.h"
#include "CClasificacionPorValor.h"
#include "CRepresentacionValor.h"
#include "CShape.h"
#include "CapaShpPrueba.h"
#include "LienzoPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <wx/graphics.h>

#include <cstring>
#include <limits>
#include <ostream>

// Colours in failure messages.
void PrintTo(const wxColour& color, std::ostream* salida) {
    *salida << "RGB(" << int(color.Red()) << ", " << int(color.Green()) << ", "
            << int(color.Blue()) << ")";
}

namespace {
const wxColour kRojo(255, 0, 0), kAzul(0, 0, 255), kVerde(0, 255, 0), kBlanco(255, 255, 255);
const wxColour kAmarillo(255, 255, 0), kMagenta(255, 0, 255);
constexpr int kLapizTransparente = 106;  // wxPENSTYLE_TRANSPARENT
constexpr int kLapizSolido = 100;

CExtensionMapa Extension(double x1, double y1, double x2, double y2) {
    CExtensionMapa ext;
    ext.SetCoordenadasInfIzq(x1, y1);
    ext.SetCoordenadasSupDer(x2, y2);
    return ext;
}
const CExtensionMapa kVista = Extension(0, 0, 1000, 1000);

void Simbolo(CCapa& capa, const wxColour& relleno, const wxColour& borde, int size, int estilo) {
    capa.GetSimbolo()->SetColorRelleno(relleno);
    capa.GetSimbolo()->SetColorBorde(borde);
    capa.GetSimbolo()->SetSize(size);
    capa.GetSimbolo()->SetEstilo(estilo);
}

wxImage Pintar(CCapaShp& capa, const CExtensionMapa& vista = kVista) {
    LienzoPrueba lienzo(500, 500);
    capa.PintarCapa(lienzo.Dc(), lienzo.Rect(), vista);
    return lienzo.Imagen();
}

wxColour En(const wxImage& imagen, int x, int y) { return LienzoPrueba::Color(imagen, x, y); }

// A class of a classification by value; the classification frees it.
void Clase(CClasificacionPorValor& clasificacion, const wxString& valor, const wxColour& relleno) {
    auto* clase = new CRepresentacionValor;
    clase->SetValor(valor);
    clase->SetSimbologia(0, kLapizTransparente, relleno, relleno, 0, wxT(" "), wxT(""), 0, 0,
                         false);
    clasificacion.GetLista()->Append(clase);
}
}  // namespace

TEST(CCapaShpPintura, PolygonIsFilledAndOutlinedWithTheLayerSymbol) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(100, 100, 500, 500)});  // pixels 50..250
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "poligono");
    Simbolo(capa, kRojo, kAzul, 3, kLapizSolido);
    const wxImage imagen = Pintar(capa);
    EXPECT_EQ(En(imagen, 150, 350), kRojo);       // inside
    EXPECT_EQ(En(imagen, 49, 350), kAzul);        // on the left edge
    EXPECT_EQ(En(imagen, 150, 249), kAzul);       // on the top edge
    EXPECT_EQ(En(imagen, 20, 20), kBlanco);       // outside
    EXPECT_EQ(En(imagen, 300, 350), kBlanco);
}

TEST(CCapaShpPintura, HolesArePaintedOverInTheFillColour) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(100, 100, 900, 900),
                       ShapefileWriter::Rectangle(400, 400, 600, 600, false)});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "hueco");
    Simbolo(capa, kRojo, kAzul, 1, kLapizSolido);
    const wxImage imagen = Pintar(capa);
    EXPECT_EQ(En(imagen, 250, 250), kRojo);  // in the hole
    EXPECT_EQ(En(imagen, 100, 250), kRojo);  // between the rings
    EXPECT_EQ(En(imagen, 199, 250), kAzul);  // the hole's border: trunc(199.5)
}

TEST(CCapaShpPintura, SelfOverlappingRingFollowsTheOddEvenRule) {
    // A five-pointed star drawn in one stroke: its centre is enclosed twice,
    // so the odd-even rule leaves it unfilled while the points are filled.
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Ring(
        {{500, 900}, {735, 176}, {120, 624}, {880, 624}, {265, 176}})});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "estrella");
    Simbolo(capa, kRojo, kRojo, 1, kLapizTransparente);
    const wxImage imagen = Pintar(capa);
    EXPECT_EQ(En(imagen, 250, 250), kBlanco);  // centre: map (500, 500)
    EXPECT_EQ(En(imagen, 250, 80), kRojo);     // top point: map (500, 840)
}

TEST(CCapaShpPintura, TransparentSymbolDrawsOnlyTheBorder) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(100, 100, 500, 500)});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "transparente");
    Simbolo(capa, kRojo, kAzul, 3, kLapizSolido);
    capa.GetSimbolo()->SetTransparente(true);
    LienzoPrueba lienzo(500, 500);
    lienzo.Dc()->SetBrush(*wxGREEN_BRUSH);
    lienzo.Dc()->DrawRectangle(0, 0, 500, 500);
    lienzo.Dc()->SetBrush(wxNullBrush);
    capa.PintarCapa(lienzo.Dc(), lienzo.Rect(), kVista);
    const wxImage& imagen = lienzo.Imagen();
    EXPECT_EQ(En(imagen, 150, 350), kVerde);  // what was below shows through
    EXPECT_EQ(En(imagen, 49, 350), kAzul);
    EXPECT_EQ(LienzoPrueba::Contar(imagen, wxRect(0, 0, 500, 500), kRojo), 0);
}

TEST(CCapaShpPintura, PolygonVerticesSitHalfAPixelUpLeftOfLineVertices) {
    // Map x 8 is exactly pixel 4.0: a polygon edge lands on column 3
    // (trunc(3.5)), a line on column 4. Map x 9 (pixel 4.5) is column 4 for both.
    CapaShpPrueba prueba;
    ShapefileWriter poligonos(5);
    poligonos.AddShape({ShapefileWriter::Rectangle(8, 100, 400, 900)});
    poligonos.AddShape({ShapefileWriter::Rectangle(9, 0, 400, 50)});
    CCapaShp& poligono = prueba.Abrir(poligonos, "borde");
    Simbolo(poligono, kRojo, kRojo, 1, kLapizTransparente);
    const wxImage imagenPoligono = Pintar(poligono);
    EXPECT_EQ(En(imagenPoligono, 2, 250), kBlanco);
    EXPECT_EQ(En(imagenPoligono, 3, 250), kRojo);
    EXPECT_EQ(En(imagenPoligono, 3, 480), kBlanco);
    EXPECT_EQ(En(imagenPoligono, 4, 480), kRojo);

    ShapefileWriter lineas(3);
    lineas.AddShape({{{8, 100}, {8, 900}}});
    lineas.AddShape({{{9, 0}, {9, 50}}});
    CCapaShp& linea = prueba.Abrir(lineas, "linea");
    Simbolo(linea, kAzul, kAzul, 1, kLapizSolido);
    const wxImage imagenLinea = Pintar(linea);
    EXPECT_EQ(En(imagenLinea, 3, 250), kBlanco);
    EXPECT_EQ(En(imagenLinea, 4, 250), kAzul);
    EXPECT_EQ(En(imagenLinea, 4, 480), kAzul);
}

TEST(CCapaShpPintura, VertexPixelsForSearchHitsFollowThePaintingRule) {
    CapaShpPrueba prueba;
    ShapefileWriter poligonos(5);
    poligonos.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10),
                        ShapefileWriter::Rectangle(8, 100, 9, 200)});
    CCapaShp& poligono = prueba.Abrir(poligonos, "pixeles_poligono");
    const unsigned int* registro = poligono.GetShape()->BuscaElemento(0);
    const std::vector<wxPoint> anillo = poligono.PixelesParte(registro, 1, wxRect(0, 0, 500, 500), kVista);
    ASSERT_EQ(anillo.size(), 5u);
    EXPECT_EQ(anillo[0], wxPoint(3, 449));  // map (8, 100): trunc(3.5), trunc(449.5)
    EXPECT_EQ(anillo[2], wxPoint(4, 399));  // map (9, 200)
    EXPECT_TRUE(poligono.PixelesParte(registro, 2, wxRect(0, 0, 500, 500), kVista).empty());

    ShapefileWriter lineas(3);
    lineas.AddShape({{{8, 100}, {9, 200}}});
    CCapaShp& linea = prueba.Abrir(lineas, "pixeles_linea");
    const std::vector<wxPoint> parte = linea.PixelesParte(
        linea.GetShape()->BuscaElemento(0), 0, wxRect(0, 0, 500, 500), kVista);
    ASSERT_EQ(parte.size(), 2u);
    EXPECT_EQ(parte[0], wxPoint(4, 450));
    EXPECT_EQ(parte[1], wxPoint(4, 400));
}

TEST(CCapaShpPintura, PointsAreCirclesOfTheSymbolsRadius) {
    ShapefileWriter escritor(1);
    escritor.AddPoint(500, 500);  // pixel (250, 250)
    escritor.AddPoint(100, 900);  // pixel (50, 50)
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "puntos");
    Simbolo(capa, kRojo, kRojo, 6, kLapizTransparente);
    const wxImage imagen = Pintar(capa);
    EXPECT_EQ(En(imagen, 250, 250), kRojo);
    EXPECT_EQ(En(imagen, 246, 250), kRojo);  // within the radius
    EXPECT_EQ(En(imagen, 243, 250), kBlanco);  // beyond it
    EXPECT_EQ(En(imagen, 250, 258), kBlanco);
    EXPECT_EQ(En(imagen, 50, 50), kRojo);
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(100, 100, 100, 100)), 0);
}

TEST(CCapaShpPintura, HugeMarkerSizesAreHeldWithinReason) {
    ShapefileWriter escritor(1);
    escritor.AddPoint(500, 500);
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "enorme");
    Simbolo(capa, kRojo, kAzul, std::numeric_limits<int>::max(), kLapizTransparente);
    const wxImage imagen = Pintar(capa);  // a circle far larger than the view
    EXPECT_EQ(En(imagen, 0, 0), kRojo);
    EXPECT_EQ(En(imagen, 499, 499), kRojo);
}

TEST(CCapaShpPintura, CharacterMarkersDrawTheGlyphInTheFillColour) {
    ShapefileWriter escritor(1);
    escritor.AddPoint(500, 500);  // pixel (250, 250)
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "caracter");
    Simbolo(capa, kMagenta, kAzul, 30, 4);
    capa.GetSimbolo()->SetCharIndex(0x25A0);  // a filled square
    capa.GetSimbolo()->SetFuente(wxT("DejaVu Sans"));
    const wxImage imagen = Pintar(capa);
    // The glyph's box is centred on the point.
    EXPECT_GT(LienzoPrueba::Contar(imagen, wxRect(240, 240, 20, 20), kMagenta), 50);
    EXPECT_EQ(LienzoPrueba::Contar(imagen, wxRect(0, 0, 500, 500), kAzul), 0);
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(0, 0, 500, 200)), 0);
}

TEST(CCapaShpPintura, CharacterMarkerWithoutGlyphOrSizeDrawsNothing) {
    ShapefileWriter escritor(1);
    escritor.AddPoint(500, 500);
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "sin_glifo");
    Simbolo(capa, kMagenta, kAzul, 30, 4);
    capa.GetSimbolo()->SetCharIndex(0);
    EXPECT_EQ(LienzoPrueba::ContarPintados(Pintar(capa), wxRect(0, 0, 500, 500)), 0);
    capa.GetSimbolo()->SetCharIndex(-7);
    EXPECT_EQ(LienzoPrueba::ContarPintados(Pintar(capa), wxRect(0, 0, 500, 500)), 0);
    capa.GetSimbolo()->SetCharIndex(65);
    capa.GetSimbolo()->SetSize(0);
    EXPECT_EQ(LienzoPrueba::ContarPintados(Pintar(capa), wxRect(0, 0, 500, 500)), 0);
}

TEST(CCapaShpPintura, LinePartsAreDrawnApartAndShortPartsNotAtAll) {
    ShapefileWriter escritor(3);
    escritor.AddShape({{{100, 500}, {300, 500}}, {{500, 500}, {700, 500}}});  // row 250
    escritor.AddShape({{{100, 100}}});  // a single point draws nothing
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "lineas");
    Simbolo(capa, kRojo, kAzul, 1, kLapizSolido);
    const wxImage imagen = Pintar(capa);
    EXPECT_EQ(En(imagen, 100, 250), kAzul);
    EXPECT_EQ(En(imagen, 300, 250), kAzul);
    EXPECT_EQ(En(imagen, 200, 250), kBlanco);  // parts are not joined
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(40, 440, 20, 20)), 0);
    EXPECT_EQ(LienzoPrueba::Contar(imagen, wxRect(0, 0, 500, 500), kRojo), 0);
}

TEST(CCapaShpPintura, FeaturesOutsideTheViewAreSkippedAndEdgeTouchingOnesDrawn) {
    // The bitmap is wider than the painted rectangle, so what is drawn beyond
    // the view's right edge (column 500) can be seen.
    ShapefileWriter escritor(3);
    escritor.AddShape({{{1000, 500}, {1100, 500}}});  // touches the right edge: row 250
    escritor.AddShape({{{1001, 600}, {1100, 600}}});  // just outside: row 200
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "borde_vista");
    Simbolo(capa, kRojo, kAzul, 1, kLapizSolido);
    LienzoPrueba lienzo(600, 500);
    capa.PintarCapa(lienzo.Dc(), wxRect(0, 0, 500, 500), kVista);
    const wxImage& imagen = lienzo.Imagen();
    EXPECT_EQ(LienzoPrueba::Contar(imagen, wxRect(510, 250, 30, 1), kAzul), 30);
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(500, 190, 100, 20)), 0);
}

TEST(CCapaShpPintura, LaterFeaturesArePaintedOverEarlierOnes) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(100, 100, 500, 500)});
    escritor.AddShape({ShapefileWriter::Rectangle(300, 300, 700, 700)});
    escritor.Table().AddField("COLOR", 'C', 5);
    escritor.Table().AddRecord({"rojo"});
    escritor.Table().AddRecord({"azul"});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "orden");
    CClasificacionPorValor clasificacion;
    clasificacion.SetCampo(wxT("color"));  // letter case of the name is ignored
    Clase(clasificacion, wxT("rojo"), kRojo);
    Clase(clasificacion, wxT("azul"), kAzul);
    LienzoPrueba lienzo(500, 500);
    capa.PintarCapaConClasificacion(lienzo.Dc(), lienzo.Rect(), kVista, &clasificacion);
    EXPECT_EQ(En(lienzo.Imagen(), 200, 300), kAzul);  // map (400, 400), in both
    EXPECT_EQ(En(lienzo.Imagen(), 100, 400), kRojo);
}

TEST(CCapaShpPintura, ClassificationGivesOneColourPerClassAndTheDefaultToTheRest) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 600, 200, 800)});    // pixel (50, 150)
    escritor.AddShape({ShapefileWriter::Rectangle(400, 600, 600, 800)});  // (250, 150)
    escritor.AddShape({ShapefileWriter::Rectangle(800, 600, 1000, 800)}); // (450, 150)
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 200, 200)});      // (50, 450)
    escritor.Table().AddField("USO", 'C', 8);
    escritor.Table().AddRecord({"bosque"});
    escritor.Table().AddRecord({"agua"});
    escritor.Table().AddRecord({"roca"});
    escritor.Table().AddRecord({" agua"});  // leading blank kept: no class
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "usos");
    CClasificacionPorValor clasificacion;
    clasificacion.SetCampo(wxT("USO"));
    clasificacion.SetSimbologiaDefecto(0, kLapizTransparente, kAmarillo, kAmarillo, 0, wxT(""),
                                       wxT(""), 0, 0);
    Clase(clasificacion, wxT("agua"), kAzul);
    Clase(clasificacion, wxT("bosque"), kVerde);
    LienzoPrueba lienzo(500, 500);
    capa.PintarCapaConClasificacion(lienzo.Dc(), lienzo.Rect(), kVista, &clasificacion);
    const wxImage& imagen = lienzo.Imagen();
    EXPECT_EQ(En(imagen, 50, 150), kVerde);
    EXPECT_EQ(En(imagen, 250, 150), kAzul);
    EXPECT_EQ(En(imagen, 450, 150), kAmarillo);  // trailing blanks dropped, no class
    EXPECT_EQ(En(imagen, 50, 450), kAmarillo);
    EXPECT_EQ(En(imagen, 250, 450), kBlanco);
}

TEST(CCapaShpPintura, TableTextsAreReadAsLatin1) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 1000, 1000)});
    escritor.Table().AddField("NOMBRE", 'C', 10);
    escritor.Table().AddRecord({"C\xE1" "diz"});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "acentos");
    CClasificacionPorValor clasificacion;
    clasificacion.SetCampo(wxT("NOMBRE"));
    Clase(clasificacion, wxString::FromUTF8("C\xC3\xA1" "diz"), kAzul);
    LienzoPrueba lienzo(500, 500);
    capa.PintarCapaConClasificacion(lienzo.Dc(), lienzo.Rect(), kVista, &clasificacion);
    EXPECT_EQ(En(lienzo.Imagen(), 250, 250), kAzul);
    EXPECT_EQ(capa.BuscaElementoPorCodigo(wxT("NOMBRE"), wxString::FromUTF8("C\xC3\xA1" "diz")), 0);
}

TEST(CCapaShpPintura, ClassificationOnAMissingFieldDrawsNothing) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 1000, 1000)});
    escritor.Table().AddField("USO", 'C', 8);
    escritor.Table().AddRecord({"agua"});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "sin_campo");
    CClasificacionPorValor clasificacion;
    clasificacion.SetCampo(wxT("NO_ESTA"));
    Clase(clasificacion, wxT("agua"), kAzul);
    LienzoPrueba lienzo(500, 500);
    capa.PintarCapaConClasificacion(lienzo.Dc(), lienzo.Rect(), kVista, &clasificacion);
    EXPECT_EQ(LienzoPrueba::ContarPintados(lienzo.Imagen(), wxRect(0, 0, 500, 500)), 0);
}

TEST(CCapaShpPintura, IntegerValuesMatchNumericallyOnPointsButAsTextOnPolygons) {
    CapaShpPrueba prueba;
    CClasificacionPorValor clasificacion;
    clasificacion.SetCampo(wxT("CODIGO"));
    clasificacion.SetSimbologiaDefecto(0, kLapizTransparente, kAmarillo, kAmarillo, 0, wxT(""),
                                       wxT(""), 0, 0);
    Clase(clasificacion, wxT("07"), kAzul);

    ShapefileWriter puntos(1);
    puntos.AddPoint(500, 500);
    puntos.Table().AddField("CODIGO", 'N', 3);
    puntos.Table().AddRecord({"7"});
    CCapaShp& capaPuntos = prueba.Abrir(puntos, "codigos_puntos");
    Simbolo(capaPuntos, kRojo, kRojo, 5, kLapizTransparente);  // radius 5
    LienzoPrueba lienzoPuntos(500, 500);
    capaPuntos.PintarCapaConClasificacion(lienzoPuntos.Dc(), lienzoPuntos.Rect(), kVista,
                                          &clasificacion);
    EXPECT_EQ(En(lienzoPuntos.Imagen(), 250, 250), kAzul);
    EXPECT_EQ(En(lienzoPuntos.Imagen(), 250, 258), kBlanco);  // the layer's radius

    ShapefileWriter poligonos(5);
    poligonos.AddShape({ShapefileWriter::Rectangle(0, 0, 1000, 1000)});
    poligonos.Table().AddField("CODIGO", 'N', 3);
    poligonos.Table().AddRecord({"7"});
    CCapaShp& capaPoligonos = prueba.Abrir(poligonos, "codigos_poligonos");
    LienzoPrueba lienzoPoligonos(500, 500);
    capaPoligonos.PintarCapaConClasificacion(lienzoPoligonos.Dc(), lienzoPoligonos.Rect(),
                                             kVista, &clasificacion);
    EXPECT_EQ(En(lienzoPoligonos.Imagen(), 250, 250), kAmarillo);  // "7" is not "07"
}

TEST(CCapaShpPintura, FloatingValuesOfPolygonsMatchAsWrittenInTheTable) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 400, 1000)});
    escritor.AddShape({ShapefileWriter::Rectangle(600, 0, 1000, 1000)});
    escritor.Table().AddField("ALTURA", 'N', 8, 2);
    escritor.Table().AddRecord({"12.50"});
    escritor.Table().AddRecord({"3.25"});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "alturas");
    CClasificacionPorValor clasificacion;
    clasificacion.SetCampo(wxT("ALTURA"));
    clasificacion.SetSimbologiaDefecto(0, kLapizTransparente, kAmarillo, kAmarillo, 0, wxT(""),
                                       wxT(""), 0, 0);
    Clase(clasificacion, wxT("12.50"), kAzul);
    LienzoPrueba lienzo(500, 500);
    capa.PintarCapaConClasificacion(lienzo.Dc(), lienzo.Rect(), kVista, &clasificacion);
    EXPECT_EQ(En(lienzo.Imagen(), 100, 250), kAzul);
    EXPECT_EQ(En(lienzo.Imagen(), 400, 250), kAmarillo);
}

TEST(CCapaShpPintura, DamagedRecordsAreSkippedAndTheOthersPainted) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 600, 200, 800)});
    escritor.AddShape({ShapefileWriter::Rectangle(400, 600, 600, 800)});
    escritor.AddShape({ShapefileWriter::Rectangle(800, 600, 1000, 800)});
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 200, 200)});
    escritor.SetNumPoints(1, 100000);    // points beyond the record
    escritor.SetPartIndex(2, 0, -50);    // a part starting before the points
    escritor.Table().AddField("USO", 'C', 4);
    for (int i = 0; i < 4; ++i) escritor.Table().AddRecord({"a"});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "danada");
    ASSERT_NE(capa.GetShape(), nullptr);
    Simbolo(capa, kRojo, kRojo, 1, kLapizTransparente);
    const wxImage imagen = Pintar(capa);
    EXPECT_EQ(En(imagen, 50, 150), kRojo);
    EXPECT_EQ(En(imagen, 250, 150), kBlanco);
    EXPECT_EQ(En(imagen, 450, 150), kBlanco);
    EXPECT_EQ(En(imagen, 50, 450), kRojo);

    CClasificacionPorValor clasificacion;
    clasificacion.SetCampo(wxT("USO"));
    Clase(clasificacion, wxT("a"), kAzul);
    LienzoPrueba lienzo(500, 500);
    capa.PintarCapaConClasificacion(lienzo.Dc(), lienzo.Rect(), kVista, &clasificacion);
    EXPECT_EQ(En(lienzo.Imagen(), 50, 150), kAzul);
    EXPECT_EQ(En(lienzo.Imagen(), 250, 150), kBlanco);
    EXPECT_EQ(En(lienzo.Imagen(), 50, 450), kAzul);
}

TEST(CCapaShpPintura, NothingIsPaintedWithoutDataSurfaceOrWidth) {
    CCapaShp sinDatos;
    LienzoPrueba lienzo(50, 50);
    sinDatos.PintarCapa(lienzo.Dc(), lienzo.Rect(), kVista);
    CClasificacionPorValor clasificacion;
    sinDatos.PintarCapaConClasificacion(lienzo.Dc(), lienzo.Rect(), kVista, &clasificacion);

    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 1000, 1000)});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "todo");
    Simbolo(capa, kRojo, kRojo, 1, kLapizTransparente);
    capa.PintarCapa(nullptr, lienzo.Rect(), kVista);
    capa.PintarCapa(lienzo.Dc(), wxRect(0, 0, 0, 50), kVista);
    capa.PintarCapa(lienzo.Dc(), lienzo.Rect(), CExtensionMapa());  // an empty view
    capa.PintarCapaConClasificacion(lienzo.Dc(), lienzo.Rect(), kVista, nullptr);
    EXPECT_EQ(LienzoPrueba::ContarPintados(lienzo.Imagen(), wxRect(0, 0, 50, 50)), 0);
}

TEST(CCapaShpPintura, MultipointLayersPaintNothing) {
    ShapefileWriter escritor(8);
    escritor.AddMultiPoint({{500, 500}, {600, 600}});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "multipuntos");
    Simbolo(capa, kRojo, kRojo, 5, kLapizSolido);
    EXPECT_EQ(LienzoPrueba::ContarPintados(Pintar(capa), wxRect(0, 0, 500, 500)), 0);
}

TEST(CCapaShpPintura, SearchHitIsOutlinedInRedAlone) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(100, 100, 300, 300)});  // pixels 50..150
    escritor.AddShape({ShapefileWriter::Rectangle(500, 500, 900, 900)});  // x 250..450, y 50..250
    escritor.Table().AddField("CODIGO", 'C', 6);
    escritor.Table().AddRecord({"A"});
    escritor.Table().AddRecord({"B"});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "busqueda");
    Simbolo(capa, kAzul, kAzul, 1, kLapizSolido);
    LienzoPrueba lienzo(500, 500);
    capa.PintarElementoCapa(lienzo.Dc(), lienzo.Rect(), kVista, wxT("CODIGO"), wxT("B"));
    const wxImage& imagen = lienzo.Imagen();
    EXPECT_EQ(En(imagen, 249, 150), kRojo);   // the hit's left edge, 10 pixels wide
    EXPECT_EQ(En(imagen, 245, 150), kRojo);
    EXPECT_EQ(En(imagen, 350, 150), kBlanco);  // no fill
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(0, 300, 200, 200)), 0);  // "A"
    EXPECT_EQ(LienzoPrueba::Contar(imagen, wxRect(0, 0, 500, 500), kAzul), 0);

    LienzoPrueba otro(500, 500);
    capa.PintarElementoCapa(otro.Dc(), otro.Rect(), kVista, wxT("CODIGO"), wxT("b"));
    EXPECT_EQ(LienzoPrueba::ContarPintados(otro.Imagen(), wxRect(0, 0, 500, 500)), 0);
}

TEST(CCapaShpPintura, SearchHitIsLocatedByItsLastPart) {
    ShapefileWriter escritor(3);
    escritor.AddShape({{{0, 1000}, {100, 900}}, {{200, 800}, {300, 700}, {400, 600}}});
    escritor.Table().AddField("CODIGO", 'C', 6);
    escritor.Table().AddRecord({"R1"});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "localizar");
    const std::vector<wxPoint> pixeles =
        capa.LocElementoBusqueda(wxRect(0, 0, 500, 500), kVista, wxT("CODIGO"), wxT("R1"));
    ASSERT_EQ(pixeles.size(), 3u);
    EXPECT_EQ(pixeles[0], wxPoint(100, 100));
    EXPECT_EQ(pixeles[2], wxPoint(200, 200));
    EXPECT_TRUE(
        capa.LocElementoBusqueda(wxRect(0, 0, 500, 500), kVista, wxT("CODIGO"), wxT("R2")).empty());
    EXPECT_TRUE(capa.LocElementoBusqueda(wxRect(0, 0, 500, 500), kVista, wxT(""), wxT("R1")).empty());
}

// Far out, a ring falls on one pixel: it is drawn as the toolkit draws the
// whole ring there (an outlined dot), hard-edged or not, and a ring of one
// point draws nothing. Neither may trip the toolkit's checks.
TEST(CCapaShpPintura, RingFallenOnOnePixelIsDrawnAsTheWholeRing) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(300.2, 600.2, 300.8, 600.8)});  // pixel (149, 199)
    escritor.AddShape({ShapefileWriter::Parte{{700.5, 700.5}}});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "punto");
    for (const int ancho : {1, 2, 3}) {
        Simbolo(capa, kRojo, kAzul, ancho, kLapizSolido);
        for (const wxAntialiasMode suavizado : {wxANTIALIAS_NONE, wxANTIALIAS_DEFAULT}) {
            LienzoPrueba capaPintada(500, 500), toolkit(500, 500);
            for (LienzoPrueba* lienzo : {&capaPintada, &toolkit})
                lienzo->Dc()->GetGraphicsContext()->SetAntialiasMode(suavizado);
            capa.PintarCapa(capaPintada.Dc(), capaPintada.Rect(), kVista);
            // The ring's five vertices, all on one pixel by the polygon rule.
            const std::vector<wxPoint> anillo =
                capa.PixelesParte(capa.GetShape()->Elemento(0), 0, toolkit.Rect(), kVista);
            ASSERT_EQ(anillo.size(), 5u);
            toolkit.Dc()->SetPen(wxPen(kAzul, ancho));
            toolkit.Dc()->SetBrush(wxBrush(kRojo));
            toolkit.Dc()->DrawPolygon(5, anillo.data(), 0, 0, wxODDEVEN_RULE);
            const wxImage& imagen = capaPintada.Imagen();
            if (ancho == 3)  // hard-edged, thinner dots cover no pixel centre
                EXPECT_GT(LienzoPrueba::Contar(imagen, wxRect(146, 196, 8, 8), kAzul), 0);
            const wxImage& esperada = toolkit.Imagen();
            EXPECT_EQ(0, std::memcmp(imagen.GetData(), esperada.GetData(), 3 * 500 * 500))
                << "width " << ancho << ", smoothing " << suavizado;
            // Nothing where the one-point ring lies.
            EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(340, 140, 20, 20)), 0);
        }
    }
}
