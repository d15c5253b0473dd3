// Layer painting and labels checked by the pixels they leave off screen. The
// view is map (0, 0)-(1000, 1000) on 500 x 500 pixels: two map units a pixel,
// map (x, y) on pixel (x / 2, (1000 - y) / 2).
#include "CCapaShp.h"
#include "CClasificacionPorTexto.h"
#include "CClasificacionPorValor.h"
#include "CRepresentacionTexto.h"
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
#include <string>
#include <vector>

namespace {
using W = ShapefileWriter;
const wxColour kRojo(255, 0, 0), kAzul(0, 0, 255), kVerde(0, 255, 0), kBlanco(255, 255, 255);
const wxColour kAmarillo(255, 255, 0);
constexpr int kLapizTransparente = 106;  // wxPENSTYLE_TRANSPARENT
constexpr int kLapizSolido = 100;
const wxRect kTodo(0, 0, 500, 500);

const CTransformacionMapa kVista(kTodo, CExtensionMapa(0, 0, 1000, 1000));

void Simbolo(CCapa& capa, const wxColour& relleno, const wxColour& borde, int size, int estilo) {
    capa.GetSimbolo()->SetColorRelleno(relleno);
    capa.GetSimbolo()->SetColorBorde(borde);
    capa.GetSimbolo()->SetSize(size);
    capa.GetSimbolo()->SetEstilo(estilo);
}

// Paints the layer, with the classification when given.
wxImage Pintar(CCapaShp& capa, CClasificacionPorValor* clasificacion = nullptr) {
    LienzoPrueba lienzo(500, 500);
    if (clasificacion)
        capa.PintarCapaConClasificacion(lienzo.Dc(), kVista, clasificacion);
    else
        capa.PintarCapa(lienzo.Dc(), kVista);
    return lienzo.Imagen();
}

struct Pixel {
    int x, y;
    wxColour color;
};
void ExpectPixeles(const wxImage& imagen, std::initializer_list<Pixel> pixeles) {
    int i = 0;
    for (const Pixel& p : pixeles)
        EXPECT_EQ(LienzoPrueba::Color(imagen, p.x, p.y), p.color) << "case " << i++ << " (" << p.x << ", " << p.y << ")";
}
int Pintados(const wxImage& imagen, const wxRect& zona = kTodo) { return LienzoPrueba::ContarPintados(imagen, zona); }

// A classification by value on `campo`, with a default symbol when given.
struct Clasificacion : CClasificacionPorValor {
    Clasificacion(const wxString& campo, const wxColour* defecto = nullptr) {
        SetCampo(campo);
        if (defecto)
            SetSimbologiaDefecto(0, kLapizTransparente, *defecto, *defecto, 0, wxT(""), wxT(""), 0, 0);
    }
    Clasificacion& Clase(const wxString& valor, const wxColour& relleno) {
        auto* clase = new CRepresentacionValor;  // freed by the classification
        clase->SetValor(valor);
        clase->SetSimbologia(0, kLapizTransparente, relleno, relleno, 0, wxT(" "), wxT(""), 0, 0, false);
        GetLista()->Append(clase);
        return *this;
    }
};

// A polygon layer of the given rectangles, with a text column when values are given.
W Rectangulos(std::initializer_list<CRectangulo> cajas, std::initializer_list<std::string> valores = {},
              const char* campo = "USO") {
    W escritor(5);
    for (const CRectangulo& c : cajas) escritor.AddShape({W::Rectangle(c.x1, c.y1, c.x2, c.y2)});
    if (valores.size()) escritor.Table().AddField(campo, 'C', 8);
    for (const std::string& v : valores) escritor.Table().AddRecord({v});
    return escritor;
}

// Pixels of the label colour, allowing for the smoothing of glyph edges.
int ContarRojos(const wxImage& imagen, const wxRect& zona) {
    const wxRect dentro = zona.Intersect(wxRect(0, 0, imagen.GetWidth(), imagen.GetHeight()));
    int total = 0;
    for (int y = dentro.GetTop(); y <= dentro.GetBottom(); ++y)
        for (int x = dentro.GetLeft(); x <= dentro.GetRight(); ++x)
            total += imagen.GetRed(x, y) > 200 && imagen.GetGreen(x, y) < 90 && imagen.GetBlue(x, y) < 90;
    return total;
}

// One point (type 1) or line per entry with class, name and rotation.
struct Rotulado {
    std::vector<ShapefileWriter::Parte> geometria;
    std::string clase, nombre, rotacion;
};
ShapefileWriter Capa(int tipo, const std::vector<Rotulado>& elementos, char tipoClase = 'N',
                     char tipoRotacion = 'N', int decimalesRotacion = 0) {
    ShapefileWriter escritor(tipo);
    escritor.Table().AddField("CLASE", tipoClase, 4);
    escritor.Table().AddField("NOMBRE", 'C', 20);
    escritor.Table().AddField("ROTACION", tipoRotacion, tipoRotacion == 'C' ? 6 : 4, decimalesRotacion);
    for (const Rotulado& e : elementos) {
        if (tipo == 1)
            escritor.AddPoint(e.geometria[0][0].x, e.geometria[0][0].y);
        else
            escritor.AddShape(e.geometria);
        escritor.Table().AddRecord({e.clase, e.nombre, e.rotacion});
    }
    return escritor;
}

// Labels by a classification on CLASE / NOMBRE / ROTACION with one class, `valor`, in red.
wxImage Rotular(CCapaShp& capa, int valor = 3) {
    CClasificacionPorTexto clasificacion;
    clasificacion.SetCampo(wxT("CLASE"));
    clasificacion.SetCampoDescripcion(wxT("NOMBRE"));
    auto* clase = new CRepresentacionTexto;  // freed by the classification
    clase->SetValor(valor);
    clase->SetSimbologia(kRojo, *wxBLACK, false, false, wxT("DejaVu Sans"), wxT(""), 16);
    clasificacion.GetLista()->Append(clase);
    LienzoPrueba lienzo(500, 500);
    capa.PintarCapaToponimia(lienzo.Dc(), kVista, &clasificacion);
    return lienzo.Imagen();
}
}  // namespace

TEST(CCapaShpPintura, PolygonsAreFilledAndOutlinedWithHolesPaintedOver) {
    W escritor = Rectangulos({{100, 100, 500, 500}});  // pixels 50..250
    escritor.AddShape({W::Rectangle(600, 100, 900, 900), W::Rectangle(700, 400, 800, 600, false)});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "poligono");
    Simbolo(capa, kRojo, kAzul, 3, kLapizSolido);
    ExpectPixeles(Pintar(capa), {{150, 350, kRojo}, {49, 350, kAzul}, {150, 249, kAzul}, {20, 20, kBlanco},
                                 {275, 350, kBlanco},
                                 {375, 250, kRojo},    // in the hole
                                 {349, 250, kAzul}});  // the hole's border: trunc(349.5)
    // Transparent: what was below shows through the border.
    capa.GetSimbolo()->SetTransparente(true);
    LienzoPrueba lienzo(500, 500);
    lienzo.Dc()->SetBrush(*wxGREEN_BRUSH);
    lienzo.Dc()->DrawRectangle(kTodo);
    capa.PintarCapa(lienzo.Dc(), kVista);
    ExpectPixeles(lienzo.Imagen(), {{150, 350, kVerde}, {49, 350, kAzul}});
    EXPECT_EQ(LienzoPrueba::Contar(lienzo.Imagen(), kTodo, kRojo), 0);
}

TEST(CCapaShpPintura, SelfOverlappingRingFollowsTheOddEvenRule) {
    // A five-pointed star in one stroke: its centre is enclosed twice.
    W escritor(5);
    escritor.AddShape({{{500, 900}, {735, 176}, {120, 624}, {880, 624}, {265, 176}, {500, 900}}});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "estrella");
    Simbolo(capa, kRojo, kRojo, 1, kLapizTransparente);
    ExpectPixeles(Pintar(capa), {{250, 250, kBlanco}, {250, 80, kRojo}});
}

TEST(CCapaShpPintura, PolygonVerticesSitHalfAPixelUpLeftOfLineVertices) {
    // Map x 8 is pixel 4.0: a polygon edge on column 3 (trunc(3.5)), a line on 4; x 9 on 4 for both.
    CapaShpPrueba prueba;
    CCapaShp& poligono = prueba.Abrir(Rectangulos({{8, 100, 400, 900}, {9, 0, 400, 50}}), "borde");
    Simbolo(poligono, kRojo, kRojo, 1, kLapizTransparente);
    ExpectPixeles(Pintar(poligono), {{2, 250, kBlanco}, {3, 250, kRojo}, {3, 480, kBlanco}, {4, 480, kRojo}});
    W lineas(3);
    lineas.AddShape({{{8, 100}, {8, 900}}});
    lineas.AddShape({{{9, 0}, {9, 50}}});
    CCapaShp& linea = prueba.Abrir(lineas, "linea");
    Simbolo(linea, kAzul, kAzul, 1, kLapizSolido);
    ExpectPixeles(Pintar(linea), {{3, 250, kBlanco}, {4, 250, kAzul}, {4, 480, kAzul}});
    // The vertex pixels search hits use follow the same rule.
    const std::vector<wxPoint> anillo = poligono.PixelesParte(poligono.GetShape()->BuscaElemento(0), 0, kVista);
    ASSERT_EQ(anillo.size(), 5u);
    EXPECT_EQ(anillo[0], wxPoint(3, 449));  // map (8, 100): trunc(3.5), trunc(449.5)
}

TEST(CCapaShpPintura, PointMarkersAreCircles) {
    W escritor(1);
    escritor.AddPoint(500, 500);  // pixel (250, 250)
    escritor.AddPoint(100, 900);  // pixel (50, 50)
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "puntos");
    Simbolo(capa, kRojo, kRojo, 6, kLapizTransparente);
    wxImage imagen = Pintar(capa);
    ExpectPixeles(imagen, {{250, 250, kRojo}, {246, 250, kRojo}, {243, 250, kBlanco}, {250, 258, kBlanco},
                           {50, 50, kRojo}});
    Simbolo(capa, kRojo, kAzul, std::numeric_limits<int>::max(), kLapizTransparente);
    ExpectPixeles(Pintar(capa), {{0, 499, kRojo}, {499, 0, kRojo}});  // huge sizes held within reason
}

TEST(CCapaShpPintura, LinePartsApartShortPartsNotAtAllAndViewEdgesKept) {
    W escritor(3);
    escritor.AddShape({{{100, 500}, {300, 500}}, {{500, 500}, {700, 500}}});  // row 250
    escritor.AddShape({{{100, 100}}});                                        // a single point
    escritor.AddShape({{{1000, 600}, {1100, 600}}});  // touches the right edge: row 200
    escritor.AddShape({{{1001, 700}, {1100, 700}}});  // just outside: row 150
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "lineas");
    Simbolo(capa, kRojo, kAzul, 1, kLapizSolido);
    // The bitmap is wider than the painted rectangle, to see beyond the view.
    LienzoPrueba lienzo(600, 500);
    capa.PintarCapa(lienzo.Dc(), kVista);
    const wxImage& imagen = lienzo.Imagen();
    ExpectPixeles(imagen, {{100, 250, kAzul}, {300, 250, kAzul}, {200, 250, kBlanco}});  // parts not joined
    EXPECT_EQ(Pintados(imagen, wxRect(40, 440, 20, 20)), 0);
    EXPECT_EQ(LienzoPrueba::Contar(imagen, wxRect(0, 0, 600, 500), kRojo), 0);
    EXPECT_EQ(LienzoPrueba::Contar(imagen, wxRect(510, 200, 30, 1), kAzul), 30);
    EXPECT_EQ(Pintados(imagen, wxRect(500, 140, 100, 20)), 0);
}

TEST(CCapaShpPintura, ClassificationGivesOneColourPerClassAndTheDefaultToTheRest) {
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(Rectangulos({{0, 600, 200, 800}, {400, 600, 600, 800}, {800, 600, 1000, 800},
                                               {0, 0, 200, 200}, {100, 500, 300, 700}},
                                              {"bosqu\xE9", "agua", "roca", " agua", "agua"}),
                                  "usos");
    Clasificacion clasificacion(wxT("uso"), &kAmarillo);  // letter case of the name is ignored
    // Texts in the table are Latin-1.
    clasificacion.Clase(wxT("agua"), kAzul).Clase(wxString::FromUTF8("bosqu\xC3\xA9"), kVerde);
    ExpectPixeles(Pintar(capa, &clasificacion),
                  {{25, 125, kVerde}, {250, 150, kAzul}, {450, 150, kAmarillo},  // trailing blanks dropped
                   {50, 450, kAmarillo},                                          // leading blank kept
                   {75, 175, kAzul},                                              // later over earlier
                   {250, 450, kBlanco}});
    EXPECT_EQ(capa.BuscaElementoPorCodigo(wxT("USO"), wxString::FromUTF8("bosqu\xC3\xA9")), 0);
    Clasificacion sinCampo(wxT("NO_ESTA"));
    sinCampo.Clase(wxT("agua"), kAzul);
    EXPECT_EQ(Pintados(Pintar(capa, &sinCampo)), 0);
}

TEST(CCapaShpPintura, DamagedRecordsAreSkippedAndTheOthersPainted) {
    W escritor = Rectangulos({{0, 600, 200, 800}, {400, 600, 600, 800}, {800, 600, 1000, 800}, {0, 0, 200, 200}},
                             {"a", "a", "a", "a"});
    escritor.SetNumPoints(1, 100000);  // points beyond the record
    escritor.SetPartIndex(2, 0, -50);  // a part starting before the points
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "danada");
    ASSERT_NE(capa.GetShape(), nullptr);
    Simbolo(capa, kRojo, kRojo, 1, kLapizTransparente);
    ExpectPixeles(Pintar(capa), {{50, 150, kRojo}, {250, 150, kBlanco}, {450, 150, kBlanco}, {50, 450, kRojo}});
    Clasificacion clasificacion(wxT("USO"));
    clasificacion.Clase(wxT("a"), kAzul);
    ExpectPixeles(Pintar(capa, &clasificacion), {{50, 150, kAzul}, {250, 150, kBlanco}, {50, 450, kAzul}});
}

// Far out, a ring falls on one pixel: it is drawn as the toolkit draws the
// whole ring there (an outlined dot), hard-edged or not, and a ring of one
// point draws nothing. Neither may trip the toolkit's checks.
TEST(CCapaShpPintura, RingFallenOnOnePixelIsDrawnAsTheWholeRing) {
    W escritor = Rectangulos({{300.2, 600.2, 300.8, 600.8}});  // pixel (149, 199)
    escritor.AddShape({W::Parte{{700.5, 700.5}}});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "punto");
    for (const int ancho : {1, 2, 3}) {
        Simbolo(capa, kRojo, kAzul, ancho, kLapizSolido);
        for (const wxAntialiasMode suavizado : {wxANTIALIAS_NONE, wxANTIALIAS_DEFAULT}) {
            LienzoPrueba capaPintada(500, 500), toolkit(500, 500);
            for (LienzoPrueba* lienzo : {&capaPintada, &toolkit})
                lienzo->Dc()->GetGraphicsContext()->SetAntialiasMode(suavizado);
            capa.PintarCapa(capaPintada.Dc(), kVista);
            // The ring's five vertices, all on one pixel by the polygon rule.
            const std::vector<wxPoint> anillo = capa.PixelesParte(capa.GetShape()->Elemento(0), 0, kVista);
            ASSERT_EQ(anillo.size(), 5u);
            toolkit.Dc()->SetPen(wxPen(kAzul, ancho));
            toolkit.Dc()->SetBrush(wxBrush(kRojo));
            toolkit.Dc()->DrawPolygon(5, anillo.data(), 0, 0, wxODDEVEN_RULE);
            const wxImage& imagen = capaPintada.Imagen();
            if (ancho == 3)  // hard-edged, thinner dots cover no pixel centre
                EXPECT_GT(LienzoPrueba::Contar(imagen, wxRect(146, 196, 8, 8), kAzul), 0);
            EXPECT_EQ(0, std::memcmp(imagen.GetData(), toolkit.Imagen().GetData(), 3 * 500 * 500))
                << "case width " << ancho << ", smoothing " << suavizado;
            EXPECT_EQ(Pintados(imagen, wxRect(340, 140, 20, 20)), 0);  // the one-point ring
        }
    }
}

TEST(CCapaShpToponimia, PointsOfAClassGetTheirLabelAtTheirCornerAndOthersNone) {
    CapaShpPrueba prueba;
    // Class 3 at pixel (100, 100), class 4 at (100, 350); a text column gives its leading integer.
    for (char tipoClase : {'N', 'C'}) {
        const bool texto = tipoClase == 'C';
        CCapaShp& capa = prueba.Abrir(Capa(1, {{{{{200, 800}}}, texto ? " 12a" : "3", "MMMM", "0"},
                                               {{{{200, 300}}}, texto ? "x12" : "4", "MMMM", "0"}},
                                           tipoClase),
                                      texto ? "clase_texto" : "puntos");
        const wxImage imagen = Rotular(capa, texto ? 12 : 3);
        EXPECT_GT(ContarRojos(imagen, wxRect(100, 100, 80, 25)), 40) << "case " << tipoClase;
        EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(0, 300, 500, 200)), 0) << "case " << tipoClase;
    }
}

TEST(CCapaShpToponimia, RotationTurnsTheLabelCounterClockwiseUnlessTheColumnIsFloating) {
    // Point at pixel (300, 300); rotation 90 as a number, as text, as a floating column (unrotated).
    const struct {
        char tipo;
        int decimales;
        const char* valor;
        bool girado;
    } casos[] = {{'N', 0, "90", true}, {'C', 0, "  90", true}, {'N', 1, "90.5", false}};
    CapaShpPrueba prueba;
    for (size_t i = 0; i < std::size(casos); ++i) {
        CCapaShp& capa = prueba.Abrir(Capa(1, {{{{{600, 400}}}, "3", "MMMMMM", casos[i].valor}}, 'N',
                                           casos[i].tipo, casos[i].decimales),
                                      "girados" + std::to_string(i));
        const wxImage imagen = Rotular(capa);
        const int arriba = ContarRojos(imagen, wxRect(300, 200, 25, 95));
        const int derecha = ContarRojos(imagen, wxRect(330, 300, 60, 25));
        EXPECT_EQ(arriba > 40, casos[i].girado) << "case " << i;
        EXPECT_EQ(derecha > 40, !casos[i].girado) << "case " << i;
    }
}

TEST(CCapaShpToponimia, LinesCarryTheirLabelAtEveryVertexButTheLastAndDamagedOnesNone) {
    // Vertices on pixels (50, 50), (250, 50), (450, 50); one vertex at row 350; damaged at row 250.
    ShapefileWriter escritor = Capa(3, {{{{{100, 900}, {500, 900}, {900, 900}}}, "3", "MM", "0"},
                                        {{{{100, 300}}}, "3", "MM", "0"},
                                        {{{{100, 500}, {900, 500}}}, "3", "MM", "0"}});
    escritor.SetNumPoints(2, 70000);
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "lineas");
    const wxImage imagen = Rotular(capa);
    EXPECT_GT(ContarRojos(imagen, wxRect(50, 50, 40, 25)), 20);
    EXPECT_GT(ContarRojos(imagen, wxRect(250, 50, 40, 25)), 20);
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(440, 0, 60, 500)), 0);
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(0, 200, 500, 300)), 0);
    EXPECT_EQ(LienzoPrueba::Contar(imagen, kTodo, *wxBLACK), 0);  // no line
}

