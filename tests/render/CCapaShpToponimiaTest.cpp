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
const wxRect kTodo(0, 0, 500, 500);

const CTransformacionMapa kVista(kTodo, CExtensionMapa(0, 0, 1000, 1000));

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

TEST(CCapaShpToponimia, PointsOfAClassGetTheirLabelAtTheirCornerAndOthersNone) {
    CapaShpPrueba prueba;
    // Class 3 at pixel (100, 100), class 4 at (100, 350); a text class column
    // is read as its leading integer.
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
    // Point at pixel (300, 300); rotation 90 as a number, as text, and as a
    // floating column (unrotated).
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
    // Vertices on pixels (50, 50), (250, 50), (450, 50); a line of one vertex
    // at row 350; a damaged line at row 250.
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

