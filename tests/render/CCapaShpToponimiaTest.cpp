// Labels checked by their pixels on an off-screen bitmap. The view is map
// (0, 0)-(1000, 1000) on 500 x 500 pixels: map (x, y) on pixel
// (x / 2, (1000 - y) / 2). Labels are red; the layers' own symbols black.
#include "CCapaShp.h"
#include "CClasificacionPorTexto.h"
#include "CRepresentacionTexto.h"
#include "CShape.h"
#include "CapaShpPrueba.h"
#include "LienzoPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
const wxColour kRojo(255, 0, 0);

CExtensionMapa Extension(double x1, double y1, double x2, double y2) {
    CExtensionMapa ext;
    ext.SetCoordenadasInfIzq(x1, y1);
    ext.SetCoordenadasSupDer(x2, y2);
    return ext;
}
const CExtensionMapa kVista = Extension(0, 0, 1000, 1000);

// Pixels of the label colour, allowing for the smoothing of glyph edges.
int ContarRojos(const wxImage& imagen, const wxRect& zona) {
    const wxRect dentro = zona.Intersect(wxRect(0, 0, imagen.GetWidth(), imagen.GetHeight()));
    int total = 0;
    for (int y = dentro.GetTop(); y <= dentro.GetBottom(); ++y)
        for (int x = dentro.GetLeft(); x <= dentro.GetRight(); ++x)
            if (imagen.GetRed(x, y) > 200 && imagen.GetGreen(x, y) < 90 &&
                imagen.GetBlue(x, y) < 90)
                ++total;
    return total;
}

// Rows of the zone holding some label pixel.
int FilasRojas(const wxImage& imagen, const wxRect& zona) {
    int filas = 0;
    for (int y = zona.GetTop(); y <= zona.GetBottom(); ++y)
        if (ContarRojos(imagen, wxRect(zona.GetLeft(), y, zona.GetWidth(), 1)) > 0) ++filas;
    return filas;
}

// Classification on CLASE / NOMBRE / ROTACION with one class, 3, in red.
struct Rotulos {
    CClasificacionPorTexto clasificacion;
    CSimboloTexto* estilo;
    explicit Rotulos(int size = 16, int valor = 3) {
        clasificacion.SetCampo(wxT("CLASE"));
        clasificacion.SetCampoDescripcion(wxT("NOMBRE"));
        auto* clase = new CRepresentacionTexto;  // freed by the classification
        clase->SetValor(valor);
        clase->SetSimbologia(kRojo, *wxBLACK, false, false, wxT("DejaVu Sans"), wxT(""), size);
        clasificacion.GetLista()->Append(clase);
        estilo = clase->GetSimbologia();
    }
};

// Point layer: one point per entry, with class, name and rotation values.
struct Punto {
    double x, y;
    std::string clase, nombre, rotacion;
};
ShapefileWriter CapaDePuntos(const std::vector<Punto>& puntos, char tipoClase = 'N',
                             char tipoRotacion = 'N', int decimalesRotacion = 0) {
    ShapefileWriter escritor(1);
    escritor.Table().AddField("CLASE", tipoClase, 4);
    escritor.Table().AddField("NOMBRE", 'C', 20);
    escritor.Table().AddField("ROTACION", tipoRotacion, tipoRotacion == 'C' ? 6 : 4,
                              decimalesRotacion);
    for (const Punto& p : puntos) {
        escritor.AddPoint(p.x, p.y);
        escritor.Table().AddRecord({p.clase, p.nombre, p.rotacion});
    }
    return escritor;
}

wxImage Rotular(CCapaShp& capa, CClasificacionPorTexto& clasificacion, int ancho = 500,
                bool impresion = false) {
    LienzoPrueba lienzo(ancho, 500);
    capa.SetPrinting(impresion);
    capa.PintarCapaToponimia(lienzo.Dc(), lienzo.Rect(), kVista, &clasificacion);
    return lienzo.Imagen();
}
}  // namespace

TEST(CCapaShpToponimia, PointsOfAClassGetTheirLabelAndOthersNone) {
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(CapaDePuntos({{200, 800, "3", "MMMM", "0"},     // (100, 100)
                                                {200, 300, "4", "MMMM", "0"}}),  // (100, 350)
                                  "puntos");
    Rotulos rotulos;
    const wxImage imagen = Rotular(capa, rotulos.clasificacion);
    // The point is the text's top-left corner.
    EXPECT_GT(ContarRojos(imagen, wxRect(100, 100, 80, 25)), 40);
    EXPECT_EQ(ContarRojos(imagen, wxRect(0, 0, 98, 98)), 0);
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(0, 300, 500, 200)), 0);  // class 4
    // The points themselves are not drawn.
    EXPECT_EQ(LienzoPrueba::Contar(imagen, wxRect(0, 0, 500, 500), *wxBLACK), 0);
}

TEST(CCapaShpToponimia, RotationTurnsTheLabelCounterClockwise) {
    CapaShpPrueba prueba;
    CCapaShp& capa =
        prueba.Abrir(CapaDePuntos({{600, 400, "3", "MMMMMM", "90"}}), "girados");  // (300, 300)
    Rotulos rotulos;
    const wxImage imagen = Rotular(capa, rotulos.clasificacion);
    EXPECT_GT(ContarRojos(imagen, wxRect(300, 220, 25, 80)), 40);  // upward from the point
    EXPECT_EQ(ContarRojos(imagen, wxRect(330, 295, 100, 40)), 0);  // not to the right
}

TEST(CCapaShpToponimia, RotationFromATextColumnIsReadAsANumber) {
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(
        CapaDePuntos({{600, 400, "3", "MMMMMM", "  90"}}, 'N', 'C'), "girados_texto");
    Rotulos rotulos;
    const wxImage imagen = Rotular(capa, rotulos.clasificacion);
    EXPECT_GT(ContarRojos(imagen, wxRect(300, 220, 25, 80)), 40);
    EXPECT_EQ(ContarRojos(imagen, wxRect(330, 295, 100, 40)), 0);
}

TEST(CCapaShpToponimia, FloatingRotationColumnGivesUnrotatedLabels) {
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(
        CapaDePuntos({{600, 400, "3", "MMMMMM", "90.5"}}, 'N', 'N', 1), "girados_real");
    Rotulos rotulos;
    const wxImage imagen = Rotular(capa, rotulos.clasificacion);
    EXPECT_GT(ContarRojos(imagen, wxRect(330, 300, 60, 25)), 40);
    EXPECT_EQ(ContarRojos(imagen, wxRect(295, 200, 30, 95)), 0);
}

TEST(CCapaShpToponimia, TextClassColumnIsReadAsItsLeadingInteger) {
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(CapaDePuntos({{200, 800, " 12a", "MMMM", "0"},
                                                {200, 300, "x12", "MMMM", "0"}},
                                               'C'),
                                  "clase_texto");
    Rotulos rotulos(16, 12);
    const wxImage imagen = Rotular(capa, rotulos.clasificacion);
    EXPECT_GT(ContarRojos(imagen, wxRect(100, 100, 80, 25)), 40);
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(0, 300, 500, 200)), 0);  // value 0
}

TEST(CCapaShpToponimia, LinesCarryTheirLabelAtEveryVertexButTheLast) {
    ShapefileWriter escritor(3);
    escritor.Table().AddField("CLASE", 'N', 4);
    escritor.Table().AddField("NOMBRE", 'C', 20);
    // Vertices on pixels (50, 50), (250, 50), (450, 50).
    escritor.AddShape({{{100, 900}, {500, 900}, {900, 900}}});
    escritor.Table().AddRecord({"3", "MM"});
    escritor.AddShape({{{100, 300}}});  // one vertex: no label
    escritor.Table().AddRecord({"3", "MM"});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "lineas");
    Rotulos rotulos;
    const wxImage imagen = Rotular(capa, rotulos.clasificacion);
    EXPECT_GT(ContarRojos(imagen, wxRect(50, 50, 40, 25)), 20);
    EXPECT_GT(ContarRojos(imagen, wxRect(250, 50, 40, 25)), 20);
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(440, 0, 60, 500)), 0);
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(0, 300, 500, 200)), 0);
    EXPECT_EQ(LienzoPrueba::Contar(imagen, wxRect(0, 0, 500, 500), *wxBLACK), 0);  // no line
}

TEST(CCapaShpToponimia, PrintModeEnlargesLabelsAlongLinesOnly) {
    ShapefileWriter lineas(3);
    lineas.Table().AddField("CLASE", 'N', 4);
    lineas.Table().AddField("NOMBRE", 'C', 20);
    lineas.AddShape({{{100, 900}, {900, 900}}});
    lineas.Table().AddRecord({"3", "MM"});
    CapaShpPrueba prueba;
    CCapaShp& capaLineas = prueba.Abrir(lineas, "lineas_papel");
    CCapaShp& capaPuntos =
        prueba.Abrir(CapaDePuntos({{100, 900, "3", "MM", "0"}}), "puntos_papel");
    Rotulos rotulos(10);
    // On a page 2048 pixels wide a size of 10 becomes trunc(2048 / 102) = 20.
    const wxRect zona(150, 150, 300, 150);  // labels start at pixel (204, 204)
    const int lineaPantalla =
        FilasRojas(Rotular(capaLineas, rotulos.clasificacion, 2048, false), zona);
    const int lineaPapel = FilasRojas(Rotular(capaLineas, rotulos.clasificacion, 2048, true), zona);
    const int puntoPantalla =
        FilasRojas(Rotular(capaPuntos, rotulos.clasificacion, 2048, false), zona);
    const int puntoPapel = FilasRojas(Rotular(capaPuntos, rotulos.clasificacion, 2048, true), zona);
    ASSERT_GT(lineaPantalla, 3);
    EXPECT_GE(lineaPapel, lineaPantalla * 17 / 10);
    EXPECT_EQ(puntoPapel, puntoPantalla);
}

TEST(CCapaShpToponimia, SizesThePrintRuleCannotScaleAreKept) {
    ShapefileWriter lineas(3);
    lineas.Table().AddField("CLASE", 'N', 4);
    lineas.Table().AddField("NOMBRE", 'C', 20);
    lineas.AddShape({{{100, 900}, {900, 900}}});
    lineas.Table().AddRecord({"3", "MM"});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(lineas, "sin_size");
    Rotulos sinSize(0);
    EXPECT_EQ(LienzoPrueba::ContarPintados(Rotular(capa, sinSize.clasificacion, 500, true),
                                           wxRect(0, 0, 500, 500)),
              0);
    // Above 1024 points the rule would hand back the page width as the size.
    Rotulos enorme(1500);
    capa.SetPrinting(true);
    LienzoPrueba lienzo(500, 500);
    EXPECT_NO_THROW(
        capa.PintarCapaToponimia(lienzo.Dc(), lienzo.Rect(), kVista, &enorme.clasificacion));
}

TEST(CCapaShpToponimia, WrongColumnsOrGeometryDrawNothing) {
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(CapaDePuntos({{200, 800, "3", "MMMM", "0"}}), "columnas");
    const wxRect todo(0, 0, 500, 500);
    {
        Rotulos sinClase;
        sinClase.clasificacion.SetCampo(wxT(""));
        EXPECT_EQ(LienzoPrueba::ContarPintados(Rotular(capa, sinClase.clasificacion), todo), 0);
    }
    {
        Rotulos textoNumerico;
        textoNumerico.clasificacion.SetCampoDescripcion(wxT("CLASE"));
        EXPECT_EQ(
            LienzoPrueba::ContarPintados(Rotular(capa, textoNumerico.clasificacion), todo), 0);
    }
    {
        Rotulos claseAusente;
        claseAusente.clasificacion.SetCampo(wxT("NO_ESTA"));
        EXPECT_EQ(
            LienzoPrueba::ContarPintados(Rotular(capa, claseAusente.clasificacion), todo), 0);
    }
    ShapefileWriter poligonos(5);
    poligonos.Table().AddField("CLASE", 'N', 4);
    poligonos.Table().AddField("NOMBRE", 'C', 20);
    poligonos.AddShape({ShapefileWriter::Rectangle(100, 100, 900, 900)});
    poligonos.Table().AddRecord({"3", "MMMM"});
    CCapaShp& capaPoligonos = prueba.Abrir(poligonos, "poligonos");
    Rotulos rotulos;
    EXPECT_EQ(LienzoPrueba::ContarPintados(Rotular(capaPoligonos, rotulos.clasificacion), todo),
              0);
}

TEST(CCapaShpToponimia, BoldLabelsAreHeavier) {
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(CapaDePuntos({{200, 800, "3", "MMMM", "0"}}), "negrita");
    Rotulos normal;
    const int pixelesNormal = ContarRojos(Rotular(capa, normal.clasificacion), wxRect(0, 0, 500, 500));
    Rotulos negrita;
    negrita.estilo->SetNegrita(true);
    const int pixelesNegrita =
        ContarRojos(Rotular(capa, negrita.clasificacion), wxRect(0, 0, 500, 500));
    EXPECT_GT(pixelesNegrita, pixelesNormal * 12 / 10);
}

TEST(CCapaShpToponimia, DamagedRecordsGetNoLabel) {
    ShapefileWriter escritor(3);
    escritor.Table().AddField("CLASE", 'N', 4);
    escritor.Table().AddField("NOMBRE", 'C', 20);
    escritor.AddShape({{{100, 900}, {900, 900}}});  // row 50
    escritor.Table().AddRecord({"3", "MM"});
    escritor.AddShape({{{100, 500}, {900, 500}}});  // row 250, damaged
    escritor.Table().AddRecord({"3", "MM"});
    escritor.SetNumPoints(1, 70000);
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "danada");
    Rotulos rotulos;
    const wxImage imagen = Rotular(capa, rotulos.clasificacion);
    EXPECT_GT(ContarRojos(imagen, wxRect(50, 50, 40, 25)), 20);
    EXPECT_EQ(LienzoPrueba::ContarPintados(imagen, wxRect(0, 200, 500, 100)), 0);
}

TEST(CCapaShpToponimia, FontFollowsTheStyleAndThePage) {
    ShapefileWriter lineas(3);
    lineas.AddShape({{{100, 900}, {900, 900}}});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(lineas, "fuentes");
    const unsigned int* registro = capa.GetShape()->BuscaElemento(0);
    const CCapaShp::Toponimo rotulo{wxT("Genil"), 0.0};
    const CCoordenadas supDer(1000, 1000), infIzq(0, 0);
    CSimboloTexto estilo;
    estilo.SetValores(kRojo, *wxBLACK, false, true, wxT("DejaVu Sans"), wxT(""), 10);

    LienzoPrueba lienzo(1200, 500);
    capa.SetPrinting(false);
    capa.PintarTextoPolylinea(lienzo.Dc(), lienzo.Rect(), kVista, supDer, infIzq, registro,
                              &estilo, rotulo);
    wxFont fuente = lienzo.Dc()->GetFont();
    EXPECT_EQ(fuente.GetPointSize(), 10);
    EXPECT_EQ(fuente.GetStyle(), wxFONTSTYLE_ITALIC);  // italic alone is light
    EXPECT_EQ(fuente.GetWeight(), wxFONTWEIGHT_LIGHT);
    EXPECT_EQ(lienzo.Dc()->GetTextForeground(), kRojo);

    // On a 1200-pixel page: trunc(1200 / (1024 div 10)) = 11, for lines only.
    capa.SetPrinting(true);
    estilo.SetNegrita(true);
    capa.PintarTextoPolylinea(lienzo.Dc(), lienzo.Rect(), kVista, supDer, infIzq, registro,
                              &estilo, rotulo);
    fuente = lienzo.Dc()->GetFont();
    EXPECT_EQ(fuente.GetPointSize(), 11);
    EXPECT_EQ(fuente.GetStyle(), wxFONTSTYLE_ITALIC);
    EXPECT_EQ(fuente.GetWeight(), wxFONTWEIGHT_BOLD);

    ShapefileWriter puntos(1);
    puntos.AddPoint(500, 500);
    CCapaShp& capaPuntos = prueba.Abrir(puntos, "fuentes_puntos");
    capaPuntos.SetPrinting(true);
    capaPuntos.PintarTextoPunto(lienzo.Dc(), lienzo.Rect(), kVista, 0, 0,
                                capaPuntos.GetShape()->BuscaElemento(0), &estilo, rotulo);
    EXPECT_EQ(lienzo.Dc()->GetFont().GetPointSize(), 10);
}
