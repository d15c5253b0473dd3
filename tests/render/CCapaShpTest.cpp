// Shapefile layers: opening and its failures, box tests, and painting, labels
// and search highlights checked by the pixels they leave off screen. The view
// is map (0, 0)-(1000, 1000) on 500 x 500 pixels: two map units a pixel, map
// (x, y) on pixel (x / 2, (1000 - y) / 2).
#include "CCapaShp.h"
#include "CClasificacionPorTexto.h"
#include "CClasificacionPorValor.h"
#include "CGeneradorCapa.h"
#include "CRepresentacionTexto.h"
#include "CRepresentacionValor.h"
#include "CShape.h"
#include "CapaShpPrueba.h"
#include "LienzoPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <wx/graphics.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {
using W = ShapefileWriter;
const wxColour kRojo(255, 0, 0), kAzul(0, 0, 255), kVerde(0, 255, 0), kBlanco(255, 255, 255), kAmarillo(255, 255, 0);
constexpr int kLapizSolido = 100, kLapizTransparente = 106;  // wxPENSTYLE_SOLID, wxPENSTYLE_TRANSPARENT
const wxRect kTodo(0, 0, 500, 500);
const CExtensionMapa kMapa(0, 0, 1000, 1000);
const CTransformacionMapa kVista(kTodo, kMapa);

void Simbolo(CCapa& capa, const wxColour& relleno, const wxColour& borde, int size, int estilo) {
    capa.GetSimbolo()->SetColorRelleno(relleno);
    capa.GetSimbolo()->SetColorBorde(borde);
    capa.GetSimbolo()->SetSize(size);
    capa.GetSimbolo()->SetEstilo(estilo);
}

// How a test paints a layer on a view: with its symbol, its classes, labels or a search hit.
using Pintura = std::function<void(CCapaShp&, wxDC*, const CTransformacionMapa&)>;
const Pintura kConSimbolo = [](CCapaShp& c, wxDC* dc, const CTransformacionMapa& v) { c.PintarCapa(dc, v); };
Pintura ConClases(CClasificacionPorValor& clases) {
    return [&](CCapaShp& c, wxDC* dc, const CTransformacionMapa& v) { c.PintarCapaConClasificacion(dc, v, &clases); };
}
Pintura ConRotulos(CClasificacionPorTexto& rotulos) {
    return [&](CCapaShp& c, wxDC* dc, const CTransformacionMapa& v) { c.PintarCapaToponimia(dc, v, &rotulos); };
}
Pintura Resalte(const char* codigo) {
    return [=](CCapaShp& c, wxDC* dc, const CTransformacionMapa& v) {
        c.PintarElementoCapa(dc, v.GetArea(), v.GetExtension(), wxT("CODIGO"), wxString(codigo));
    };
}

wxImage Pintar(CCapaShp& capa, const Pintura& pintar = kConSimbolo, const CExtensionMapa& extension = kMapa) {
    LienzoPrueba lienzo(500, 500);
    pintar(capa, lienzo.Dc(), CTransformacionMapa(kTodo, extension));
    return lienzo.Imagen();
}

struct Pixel { int x, y; wxColour color; };
void ExpectPixeles(const wxImage& imagen, std::initializer_list<Pixel> pixeles) {
    for (const Pixel& p : pixeles)
        EXPECT_EQ(LienzoPrueba::Color(imagen, p.x, p.y), p.color) << "pixel (" << p.x << ", " << p.y << ")";
}
int Pintados(const wxImage& imagen, const wxRect& zona = kTodo) { return LienzoPrueba::ContarPintados(imagen, zona); }

// A classification by value on `campo`, with a default symbol when given.
struct Clases : CClasificacionPorValor {
    explicit Clases(const wxString& campo, const wxColour* defecto = nullptr) {
        SetCampo(campo);
        if (defecto) SetSimbologiaDefecto(0, kLapizTransparente, *defecto, *defecto, 0, wxT(""), wxT(""), 0, 0);
    }
    Clases& Clase(const wxString& valor, const wxColour& color, int estilo = kLapizTransparente, int ancho = 0) {
        auto* clase = new CRepresentacionValor;  // freed by the classification
        clase->SetValor(valor);
        clase->SetSimbologia(0, estilo, color, color, ancho, wxT(" "), wxT(""), 0, 0, false);
        GetLista()->Append(clase);
        return *this;
    }
};

// Labels by CLASE and NOMBRE with one class, `valor`, in red.
struct Rotulos : CClasificacionPorTexto {
    Rotulos(int valor, int tamano) {
        SetCampo(wxT("CLASE"));
        SetCampoDescripcion(wxT("NOMBRE"));
        auto* clase = new CRepresentacionTexto;  // freed by the classification
        clase->SetValor(valor);
        clase->SetSimbologia(kRojo, *wxBLACK, false, false, wxT("DejaVu Sans"), wxT(""), tamano);
        GetLista()->Append(clase);
    }
};
wxImage Rotular(CCapaShp& capa, int valor = 3) {
    Rotulos rotulos(valor, 16);
    return Pintar(capa, ConRotulos(rotulos));
}

// A polygon layer of the given rectangles, with a text column when values are given.
W Rectangulos(std::initializer_list<CRectangulo> cajas, std::initializer_list<std::string> valores = {}) {
    W escritor(5);
    for (const CRectangulo& c : cajas) escritor.AddShape({W::Rectangle(c.x1, c.y1, c.x2, c.y2)});
    if (valores.size()) escritor.Table().AddField("USO", 'C', 8);
    for (const std::string& v : valores) escritor.Table().AddRecord({v});
    return escritor;
}

// Pixels of the label colour, allowing for the smoothing of glyph edges.
int ContarRojos(const wxImage& imagen, const wxRect& zona) {
    const wxRect dentro = zona.Intersect(kTodo);
    int total = 0;
    for (int y = dentro.GetTop(); y <= dentro.GetBottom(); ++y)
        for (int x = dentro.GetLeft(); x <= dentro.GetRight(); ++x)
            total += imagen.GetRed(x, y) > 200 && imagen.GetGreen(x, y) < 90 && imagen.GetBlue(x, y) < 90;
    return total;
}

// One point (type 1) or line per entry with class, name and rotation.
struct Rotulado { std::vector<W::Parte> geometria; std::string clase, nombre, rotacion; };
W Capa(int tipo, const std::vector<Rotulado>& elementos, char tipoClase = 'N', char tipoRotacion = 'N',
       int decimalesRotacion = 0) {
    W escritor(tipo);
    escritor.Table().AddField("CLASE", tipoClase, 4);
    escritor.Table().AddField("NOMBRE", 'C', 20);
    escritor.Table().AddField("ROTACION", tipoRotacion, tipoRotacion == 'C' ? 6 : 4, decimalesRotacion);
    for (const Rotulado& e : elementos) {
        escritor.AddShape(e.geometria);  // of one point for points
        escritor.Table().AddRecord({e.clase, e.nombre, e.rotacion});
    }
    return escritor;
}

W DosCuadrados() { return Rectangulos({{100, 200, 300, 400}, {500, 600, 700, 900}}, {"uno", "dos"}); }
}  // namespace

// A layer opens whatever the letter case of its files' endings, with the header
// box normalised, as the type its reader gives. One that cannot open gives the
// reader's error and a sentence naming file and cause, is not shown, has no
// extent and never throws.
TEST(CCapaShp, OpeningShowsTheLayerAndFailuresAreReportedNotThrown) {
    W escritor = DosCuadrados();
    escritor.SetExtensions(".SHP", ".SHX", ".dbf");
    escritor.SetBoundingBox(CRectangulo(800, 950, 50, 150));
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "MAYUS", ".SHP");
    ASSERT_NE(capa.GetShape(), nullptr);
    EXPECT_NE(capa.GetDbf(), nullptr);
    EXPECT_EQ(capa.GetEstadoCapa(), 1);
    EXPECT_EQ(capa.GetExtensionCapa(), CExtensionMapa(50, 150, 800, 950));
    W poligonosZ(15);
    poligonosZ.AddShape({W::Rectangle(0, 0, 1, 1)});
    EXPECT_EQ(prueba.Abrir(poligonosZ, "polígonos ñ").GetGeometria(), 5);  // file names in UTF-8
    W version = DosCuadrados();
    version.SetVersion(W::Shp, 999);
    version.Write(prueba.Ruta("version"));
    for (const char* nombre : {"parcelas", "sinshp", "tuberia", "demasiados"}) DosCuadrados().Write(prueba.Ruta(nombre));
    std::remove(prueba.Ruta("sinshp.shp").c_str());
    std::remove(prueba.Ruta("tuberia.shx").c_str());
    ASSERT_EQ(::mkfifo(prueba.Ruta("tuberia.shx").c_str(), 0600), 0);
    const struct { const char* archivo; const char* error; const char* frase; } casos[] = {
        {"no_existe.shp", "ErrorAbriendoShx", "No se encuentra el archivo índice .shx de no_existe.shp"},
        {"sinshp.shp", "ErrorAbriendoShp", "No se encuentra el archivo sinshp.shp"},
        {"tuberia.shp", "ErrorAbriendoShx", "El archivo índice .shx de tuberia.shp no es un archivo normal"},
        {"version.shp", "ErrorEnVersionShp/Shx",
         "version.shp o su índice .shx tiene una versión del formato que el visor no conoce"},
        {"parcelas.shp.bak", "ErrorAbriendoShp", "El archivo parcelas.shp.bak no es un shapefile (.shp)"},
        {"demasiados.shp", "ErrorAbriendoShx",
         "Hay demasiados archivos abiertos para abrir el archivo índice .shx de demasiados.shp"}};
    for (const auto& caso : casos) {
        rlimit limite;
        ::getrlimit(RLIMIT_NOFILE, &limite);
        const rlimit ninguno = {0, limite.rlim_max};
        if (std::string(caso.archivo) == "demasiados.shp") ::setrlimit(RLIMIT_NOFILE, &ninguno);  // no descriptor left
        CCapaShp* capa = nullptr;
        EXPECT_NO_THROW(capa = &prueba.AbrirRuta(prueba.Ruta(caso.archivo)));
        ::setrlimit(RLIMIT_NOFILE, &limite);
        EXPECT_EQ(capa->GetShape(), nullptr) << caso.archivo;
        EXPECT_EQ(capa->GetErrorInicializacion(), wxString(caso.error)) << caso.archivo;
        EXPECT_EQ(capa->GetMensajeErrorInicializacion(), wxString::FromUTF8(caso.frase)) << caso.archivo;
        EXPECT_EQ(capa->GetEstadoCapa(), -1) << caso.archivo;
        EXPECT_EQ(capa->GetExtensionCapa(), CExtensionMapa()) << caso.archivo;
    }
    EXPECT_FALSE(prueba.AbrirRuta(prueba.Ruta("no_existe.shp")).InicializarCapa());
}

TEST(CCapaShp, BoxTestsUseClosedRectanglesAndSkipDamagedRecords) {
    const CExtensionMapa vista = CExtensionMapa(0, 0, 100, 100);
    // Points on the edge are in (painting checks it), and so are parts about the view.
    const CPunto rodea[2] = {{-10.0, -10.0}, {200.0, 200.0}};
    EXPECT_TRUE(CCapaShp::IsInExtent(rodea, 2, vista));
    EXPECT_FALSE(CCapaShp::IsInExtent(nullptr, 3, vista));
    W escritor = DosCuadrados();
    escritor.SetNumPoints(0, 5000);  // more points than the record holds
    escritor.AddShape({W::Rectangle(0, 0, 10, 10), W::Rectangle(500, 500, 510, 510)});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "danada");
    ASSERT_NE(capa.GetShape(), nullptr);
    const auto registro = [&](int i) { return capa.GetShape()->BuscaElemento(i); };
    EXPECT_FALSE(capa.IsInExtentElemento(registro(0), kMapa));
    EXPECT_TRUE(capa.IsInExtentElemento(registro(1), kMapa));
    // One part inside is enough, the box of all parts is not.
    EXPECT_TRUE(capa.IsInExtentElemento(registro(2), CExtensionMapa(505, 505, 600, 600)));
    EXPECT_FALSE(capa.IsInExtentElemento(registro(2), CExtensionMapa(20, 20, 400, 400)));
    EXPECT_TRUE(capa.IsInExtentElemento(registro(2), CExtensionMapa(10, -5, 400, 400)));
}

TEST(CGeneradorCapa, MakesShapefileLayersForShpPathsOnly) {
    const CGeneradorCapa generador;
    std::unique_ptr<CCapa> capa = generador.GenerarCapa(wxT("/datos/rios.shp"));
    ASSERT_NE(dynamic_cast<CCapaShp*>(capa.get()), nullptr);
    capa->SetEstadoCapa(1);
    capa->SetEstadoCapa(5);  // unknown states become -1
    EXPECT_EQ(capa->GetEstadoCapa(), -1);
    EXPECT_EQ(generador.GenerarCapa(wxT("/datos/RIOS.SHP")), nullptr);  // case-sensitive
    EXPECT_EQ(generador.GenerarCapa(wxT("/datos/rios.dbf")), nullptr);
}

// Fill and outline, holes painted over, a self-overlapping ring by the
// odd-even rule, and a transparent fill showing what was below.
TEST(CCapaShpPintura, PolygonsAreFilledAndOutlinedWithHolesPaintedOver) {
    W escritor = Rectangulos({{100, 100, 500, 500}});  // pixels 50..250
    escritor.AddShape({W::Rectangle(600, 100, 900, 900), W::Rectangle(700, 400, 800, 600, false)});
    // A five-pointed star in one stroke, its tip on pixel (125, 25): its centre (125, 125) is enclosed twice.
    escritor.AddShape({{{250, 950}, {367.5, 588}, {60, 812}, {440, 812}, {132.5, 588}, {250, 950}}});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "poligono");
    Simbolo(capa, kRojo, kAzul, 3, kLapizSolido);
    ExpectPixeles(Pintar(capa), {{150, 350, kRojo}, {49, 350, kAzul}, {150, 249, kAzul}, {20, 20, kBlanco},
                                 {275, 350, kBlanco},
                                 {375, 250, kRojo},   // in the hole
                                 {349, 250, kAzul},   // the hole's border: trunc(349.5)
                                 {125, 125, kBlanco}, {125, 40, kRojo}});
    capa.GetSimbolo()->SetTransparente(true);
    LienzoPrueba lienzo(500, 500);
    lienzo.Dc()->SetBrush(*wxGREEN_BRUSH);
    lienzo.Dc()->DrawRectangle(kTodo);
    capa.PintarCapa(lienzo.Dc(), kVista);
    ExpectPixeles(lienzo.Imagen(), {{150, 350, kVerde}, {49, 350, kAzul}});
    EXPECT_EQ(LienzoPrueba::Contar(lienzo.Imagen(), kTodo, kRojo), 0);
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
    ExpectPixeles(Pintar(capa), {{250, 250, kRojo}, {246, 250, kRojo}, {243, 250, kBlanco}, {250, 258, kBlanco},
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

// Records 1 and 2 are damaged (points beyond the record, a part before the
// points): skipped, and the records after them painted, by symbol and by class.
TEST(CCapaShpPintura, ClassificationGivesOneColourPerClassAndDamagedRecordsAreSkipped) {
    W escritor = Rectangulos({{0, 600, 200, 800}, {400, 0, 600, 200}, {800, 0, 1000, 200}, {400, 600, 600, 800},
                              {800, 600, 1000, 800}, {0, 0, 200, 200}, {100, 500, 300, 700}},
                             {"bosqu\xE9", "agua", "agua", "agua", "roca", " agua", "agua"});
    escritor.SetNumPoints(1, 100000);
    escritor.SetPartIndex(2, 0, -50);
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "usos");
    ASSERT_NE(capa.GetShape(), nullptr);
    Simbolo(capa, kRojo, kRojo, 1, kLapizTransparente);
    ExpectPixeles(Pintar(capa), {{25, 125, kRojo}, {250, 450, kBlanco}, {450, 450, kBlanco}, {250, 150, kRojo}});
    Clases clases(wxT("uso"), &kAmarillo);  // letter case of the name is ignored
    // Texts in the table are Latin-1.
    clases.Clase(wxT("agua"), kAzul).Clase(wxString::FromUTF8("bosqu\xC3\xA9"), kVerde);
    ExpectPixeles(Pintar(capa, ConClases(clases)),
                  {{25, 125, kVerde}, {250, 150, kAzul}, {450, 150, kAmarillo},  // trailing blanks dropped
                   {50, 450, kAmarillo},                                          // leading blank kept
                   {75, 175, kAzul},                                              // later over earlier
                   {250, 450, kBlanco}, {450, 450, kBlanco}});
    EXPECT_EQ(capa.BuscaElementoPorCodigo(wxT("USO"), wxString::FromUTF8("bosqu\xC3\xA9")), 0);
    Clases sinCampo(wxT("NO_ESTA"));
    sinCampo.Clase(wxT("agua"), kAzul);
    EXPECT_EQ(Pintados(Pintar(capa, ConClases(sinCampo))), 0);
}

// Far out, a ring falls on one pixel: it is drawn as the toolkit draws the
// whole ring there (an outlined dot), hard-edged or not, and a ring of one
// point draws nothing. Neither may trip the toolkit's checks.
TEST(CCapaShpPintura, RingFallenOnOnePixelIsDrawnAsTheWholeRing) {
    W escritor = Rectangulos({{300.2, 600.2, 300.8, 600.8}});  // pixel (149, 199)
    escritor.AddShape({W::Parte{{700.5, 700.5}}});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "punto");
    // The ring's five vertices, all on one pixel by the polygon rule.
    const std::vector<wxPoint> anillo = capa.PixelesParte(capa.GetShape()->Elemento(0), 0, kVista);
    ASSERT_EQ(anillo.size(), 5u);
    for (const int ancho : {1, 2, 3}) {
        Simbolo(capa, kRojo, kAzul, ancho, kLapizSolido);
        for (const wxAntialiasMode suavizado : {wxANTIALIAS_NONE, wxANTIALIAS_DEFAULT}) {
            LienzoPrueba capaPintada(500, 500), toolkit(500, 500);
            for (LienzoPrueba* lienzo : {&capaPintada, &toolkit})
                lienzo->Dc()->GetGraphicsContext()->SetAntialiasMode(suavizado);
            capa.PintarCapa(capaPintada.Dc(), kVista);
            toolkit.Dc()->SetPen(wxPen(kAzul, ancho));
            toolkit.Dc()->SetBrush(wxBrush(kRojo));
            toolkit.Dc()->DrawPolygon(5, anillo.data(), 0, 0, wxODDEVEN_RULE);
            const wxImage& imagen = capaPintada.Imagen();
            if (ancho == 3) {  // hard-edged, thinner dots cover no pixel centre
                EXPECT_GT(LienzoPrueba::Contar(imagen, wxRect(146, 196, 8, 8), kAzul), 0);
            }
            EXPECT_EQ(0, std::memcmp(imagen.GetData(), toolkit.Imagen().GetData(), 3 * 500 * 500))
                << "case width " << ancho << ", smoothing " << suavizado;
            EXPECT_EQ(Pintados(imagen, wxRect(340, 140, 20, 20)), 0);  // the one-point ring
        }
    }
}

// A point of the labelled class (a text column gives its leading integer) is
// labelled at its corner, turned counter-clockwise by its rotation unless that
// column is floating; a point of another class gets no label.
TEST(CCapaShpToponimia, PointsOfAClassGetTheirLabelTurnedByTheirRotationAndOthersNone) {
    const struct { char tipoClase; const char *clase, *otra; char tipoGiro; int decimales; const char* giro; bool girado; }
        casos[] = {{'N', "12", "4", 'N', 0, "0", false}, {'C', " 12a", "x12", 'N', 0, "0", false},
                   {'N', "12", "4", 'N', 0, "90", true}, {'N', "12", "4", 'C', 0, "  90", true},
                   {'N', "12", "4", 'N', 1, "90.5", false}};
    CapaShpPrueba prueba;
    for (size_t i = 0; i < std::size(casos); ++i) {
        const auto& c = casos[i];
        // The labelled point on pixel (300, 300), the other on (100, 400).
        const std::vector<Rotulado> puntos = {{{{{600, 400}}}, c.clase, "MMMMMM", c.giro},
                                              {{{{200, 200}}}, c.otra, "MMMMMM", c.giro}};
        CCapaShp& capa = prueba.Abrir(Capa(1, puntos, c.tipoClase, c.tipoGiro, c.decimales), std::to_string(i));
        const wxImage imagen = Rotular(capa, 12);
        EXPECT_EQ(ContarRojos(imagen, wxRect(300, 200, 25, 95)) > 40, c.girado) << "case " << i;
        EXPECT_EQ(ContarRojos(imagen, wxRect(330, 300, 60, 25)) > 40, !c.girado) << "case " << i;
        EXPECT_EQ(Pintados(imagen, wxRect(0, 330, 500, 170)), 0) << "case " << i;
    }
}

TEST(CCapaShpToponimia, LinesCarryTheirLabelAtEveryVertexButTheLastAndDamagedOnesNone) {
    // Vertices on pixels (50, 50), (250, 50), (450, 50); one vertex at row 350; damaged at row 250.
    W escritor = Capa(3, {{{{{100, 900}, {500, 900}, {900, 900}}}, "3", "MM", "0"},
                          {{{{100, 300}}}, "3", "MM", "0"},
                          {{{{100, 500}, {900, 500}}}, "3", "MM", "0"}});
    escritor.SetNumPoints(2, 70000);
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "lineas");
    const wxImage imagen = Rotular(capa);
    EXPECT_GT(ContarRojos(imagen, wxRect(50, 50, 40, 25)), 20);
    EXPECT_GT(ContarRojos(imagen, wxRect(250, 50, 40, 25)), 20);
    EXPECT_EQ(Pintados(imagen, wxRect(440, 0, 60, 500)), 0);
    EXPECT_EQ(Pintados(imagen, wxRect(0, 200, 500, 300)), 0);
    EXPECT_EQ(LienzoPrueba::Contar(imagen, kTodo, *wxBLACK), 0);  // no line
}

namespace {
// A star-shaped ring (or an open line) of 24 vertices around (cx, cy).
W::Parte Estrella(double cx, double cy, double radio, bool cerrada) {
    W::Parte puntos;
    for (int v = 0; v < 24; ++v) {
        const double t = -6.283185307179586 * v / 24, r = radio * (v % 2 ? 0.55 : 1.0);
        puntos.push_back(CPunto(cx + r * std::cos(t), cy + r * std::sin(t)));
    }
    if (cerrada) puntos.push_back(puntos.front());
    return puntos;
}

// 12 x 12 features over the map, every other one overlapping the next, with a
// class column (0 to 3), a name and a code; damaged when asked: record boxes
// that disagree with the points (zero, NaN, inverted, far away, too small to
// hold the feature) on every other record, or the extent in the file header.
W Rejilla(int tipo, bool cajasDanadas, bool extensionDanada) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const CRectangulo danadas[] = {{0, 0, 0, 0}, {nan, nan, nan, nan}, {900, 900, 100, 100},
                                   {-5000, -5000, -4990, -4990}, {499, 499, 500, 500}};
    W escritor(tipo);
    escritor.Table().AddField("CLASE", 'N', 2);
    escritor.Table().AddField("NOMBRE", 'C', 8);
    escritor.Table().AddField("CODIGO", 'C', 6);
    for (int i = 0; i < 144; ++i) {
        const int f = i / 12, c = i % 12;
        escritor.AddShape({Estrella(40 + 80.0 * c + (f % 2) * 20, 40 + 80.0 * f, i % 2 ? 70.0 : 35.0, tipo == 5)});
        escritor.Table().AddRecord({std::to_string(i % 4), "N" + std::to_string(i), "C" + std::to_string(i)});
        if (cajasDanadas && i % 2 == 0) escritor.SetRecordBox(i, danadas[(i / 2) % 5]);
    }
    if (extensionDanada) escritor.SetBoundingBox(CRectangulo(500, 500, 500, 500));
    return escritor;
}

// The whole map, quarters, small windows on damaged features and a pan of
// a few pixels at a time: each the same with and without the damage.
// `minimo`: views of the list in which the sound layer paints something.
void CompararPinturas(int tipo, const Pintura& pintar, const char* caso, int minimo) {
    const CExtensionMapa vistas[] = {
        CExtensionMapa(0, 0, 1000, 1000),   CExtensionMapa(-50, -50, 1050, 1050), CExtensionMapa(0, 0, 500, 500),
        CExtensionMapa(480, 480, 980, 980), CExtensionMapa(20, 20, 120, 120),     CExtensionMapa(10, 80, 90, 160),
        CExtensionMapa(450, 450, 550, 550), CExtensionMapa(300, 300, 340, 340),   CExtensionMapa(312, 300, 352, 340),
        CExtensionMapa(324, 300, 364, 340), CExtensionMapa(800, 0, 1300, 500)};
    CapaShpPrueba prueba;
    CCapaShp& sana = prueba.Abrir(Rejilla(tipo, false, false), "sana");
    CCapaShp& cajas = prueba.Abrir(Rejilla(tipo, true, false), "cajas");
    CCapaShp& extension = prueba.Abrir(Rejilla(tipo, false, true), "extension");
    ASSERT_TRUE(sana.GetShape() && cajas.GetShape() && extension.GetShape());
    for (CCapaShp* capa : {&sana, &cajas, &extension}) Simbolo(*capa, kRojo, kAzul, 2, kLapizSolido);
    int pintados = 0;
    for (size_t v = 0; v < std::size(vistas); ++v) {
        const wxImage esperada = Pintar(sana, pintar, vistas[v]);
        const auto iguales = [&](CCapaShp& capa) {
            return std::memcmp(Pintar(capa, pintar, vistas[v]).GetData(), esperada.GetData(), 3 * 500 * 500) == 0;
        };
        EXPECT_TRUE(iguales(cajas)) << caso << ", record boxes, view " << v;
        EXPECT_TRUE(iguales(extension)) << caso << ", extent, view " << v;
        pintados += Pintados(esperada) > 0;
    }
    EXPECT_GE(pintados, minimo) << caso;
}
}  // namespace

// The layer paints through its spatial index: a layer whose stored record
// boxes (or whose stated extent) are zero, NaN or wrong paints, labels and
// highlights pixel for pixel as the same layer with sound boxes, in whole and
// zoomed views.
TEST(CCapaShpIndice, DamagedBoxesPaintLabelAndHighlightPixelForPixelAsSoundOnes) {
    CompararPinturas(5, kConSimbolo, "polygons", 10);
    CompararPinturas(3, kConSimbolo, "lines", 10);
    Clases clases(wxT("CLASE"));
    for (int c = 0; c < 4; ++c)
        clases.Clase(wxString::Format("%d", c), wxColour(60 * c, 255 - 60 * c, 90), kLapizSolido, 1);
    CompararPinturas(5, ConClases(clases), "classified polygons", 10);
    Rotulos rotulos(1, 9);
    CompararPinturas(3, ConRotulos(rotulos), "line labels", 8);
    // Record 0 (zero box), 2 (NaN), 4 (inverted), 6 (far), 8 (too small), and
    // sound ones; views that hold them and views that do not.
    for (const char* codigo : {"C0", "C2", "C4", "C6", "C8", "C9", "C77"}) CompararPinturas(5, Resalte(codigo), codigo, 2);
    // The shown records come from the index (the header box states nothing
    // about them): a hit outside the view draws nothing, one inside it does.
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(Rejilla(5, true, false), "cajas");
    EXPECT_GT(LienzoPrueba::Contar(Pintar(capa, Resalte("C0"), CExtensionMapa(0, 0, 200, 200)), kTodo, kRojo), 100);
    EXPECT_EQ(Pintados(Pintar(capa, Resalte("C0"), CExtensionMapa(600, 600, 800, 800))), 0);
}
