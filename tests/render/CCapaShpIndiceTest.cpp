// The layer paints through its spatial index: a layer whose stored record
// boxes (or whose stated extent) are zero, NaN or wrong paints, labels and
// highlights pixel for pixel as the same layer with sound boxes, in whole
// and zoomed views. The map is (0, 0)-(1000, 1000) on 500 x 500 pixels.
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

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {
using W = ShapefileWriter;
const double kNan = std::numeric_limits<double>::quiet_NaN();
const wxColour kRojo(255, 0, 0), kAzul(0, 0, 255);
constexpr int kLapizSolido = 100;
constexpr int kLapizTransparente = 106;
const wxRect kTodo(0, 0, 500, 500);
constexpr int kLado = 12;  // features per row and column

// The damage a layer's files carry.
enum class Danos { Ninguno, CajasRegistros, ExtensionFichero };

// Stored boxes that disagree with the points: zero, NaN, inverted, far
// away, and one too small to hold the feature.
void DanarCajas(W& escritor, std::size_t numero) {
    const CRectangulo danadas[] = {{0, 0, 0, 0}, {kNan, kNan, kNan, kNan}, {900, 900, 100, 100},
                                   {-5000, -5000, -4990, -4990}, {499, 499, 500, 500}};
    for (std::size_t i = 0; i < numero; i += 2) escritor.SetRecordBox(i, danadas[(i / 2) % 5]);
}

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

// kLado x kLado features over the map, every other one overlapping the next,
// with a class column (0 to 3), a name and a code.
W Capa(int tipo, Danos danos) {
    W escritor(tipo);
    escritor.Table().AddField("CLASE", 'N', 2);
    escritor.Table().AddField("NOMBRE", 'C', 8);
    escritor.Table().AddField("CODIGO", 'C', 6);
    for (int f = 0; f < kLado; ++f)
        for (int c = 0; c < kLado; ++c) {
            const double cx = 40 + 80.0 * c + (f % 2) * 20, cy = 40 + 80.0 * f;
            const int i = f * kLado + c;
            escritor.AddShape({Estrella(cx, cy, i % 2 ? 70.0 : 35.0, tipo == 5)});
            escritor.Table().AddRecord({std::to_string(i % 4), "N" + std::to_string(i), "C" + std::to_string(i)});
        }
    if (danos == Danos::CajasRegistros) DanarCajas(escritor, kLado * kLado);
    if (danos == Danos::ExtensionFichero) escritor.SetBoundingBox(CRectangulo(500, 500, 500, 500));
    return escritor;
}

struct Clasificacion : CClasificacionPorValor {
    Clasificacion() {
        SetCampo(wxT("CLASE"));
        for (int c = 0; c < 4; ++c) {
            auto* clase = new CRepresentacionValor;  // freed by the classification
            clase->SetValor(wxString::Format("%d", c));
            const wxColour color(60 * c, 255 - 60 * c, 90);
            clase->SetSimbologia(0, kLapizSolido, color, color, 1, wxT(" "), wxT(""), 0, 0, false);
            GetLista()->Append(clase);
        }
    }
};

struct Rotulos : CClasificacionPorTexto {
    Rotulos() {
        SetCampo(wxT("CLASE"));
        SetCampoDescripcion(wxT("NOMBRE"));
        auto* clase = new CRepresentacionTexto;  // freed by the classification
        clase->SetValor(1);
        clase->SetSimbologia(kRojo, *wxBLACK, false, false, wxT("DejaVu Sans"), wxT(""), 9);
        GetLista()->Append(clase);
    }
};

using Pintura = std::function<void(CCapaShp&, wxDC*, const CTransformacionMapa&)>;

wxImage Pintar(CCapaShp& capa, const CExtensionMapa& extension, const Pintura& pintar) {
    LienzoPrueba lienzo(500, 500);
    pintar(capa, lienzo.Dc(), CTransformacionMapa(kTodo, extension));
    return lienzo.Imagen();
}

bool Iguales(const wxImage& a, const wxImage& b) {
    return a.GetWidth() == b.GetWidth() && a.GetHeight() == b.GetHeight() &&
           std::memcmp(a.GetData(), b.GetData(), 3u * a.GetWidth() * a.GetHeight()) == 0;
}

// The whole map, quarters, small windows on damaged features and a pan of
// a few pixels at a time: each the same with and without the damage.
const std::vector<CExtensionMapa> kVistas = {
    CExtensionMapa(0, 0, 1000, 1000),    CExtensionMapa(-50, -50, 1050, 1050),
    CExtensionMapa(0, 0, 500, 500),      CExtensionMapa(480, 480, 980, 980),
    CExtensionMapa(20, 20, 120, 120),    CExtensionMapa(10, 80, 90, 160),
    CExtensionMapa(450, 450, 550, 550),  CExtensionMapa(300, 300, 340, 340),
    CExtensionMapa(312, 300, 352, 340),  CExtensionMapa(324, 300, 364, 340),
    CExtensionMapa(800, 0, 1300, 500)};

// `minimo`: views of the list in which the sound layer paints something.
void CompararPinturas(int tipo, const Pintura& pintar, const char* caso, int minimo) {
    CapaShpPrueba prueba;
    CCapaShp& sana = prueba.Abrir(Capa(tipo, Danos::Ninguno), "sana");
    CCapaShp& cajas = prueba.Abrir(Capa(tipo, Danos::CajasRegistros), "cajas");
    CCapaShp& extension = prueba.Abrir(Capa(tipo, Danos::ExtensionFichero), "extension");
    ASSERT_TRUE(sana.GetShape() && cajas.GetShape() && extension.GetShape());
    for (CCapaShp* capa : {&sana, &cajas, &extension}) {
        capa->GetSimbolo()->SetColorRelleno(kRojo);
        capa->GetSimbolo()->SetColorBorde(kAzul);
        capa->GetSimbolo()->SetSize(2);
        capa->GetSimbolo()->SetEstilo(kLapizSolido);
    }
    int pintados = 0;
    for (size_t v = 0; v < kVistas.size(); ++v) {
        const wxImage esperada = Pintar(sana, kVistas[v], pintar);
        EXPECT_TRUE(Iguales(Pintar(cajas, kVistas[v], pintar), esperada)) << caso << ", record boxes, view " << v;
        EXPECT_TRUE(Iguales(Pintar(extension, kVistas[v], pintar), esperada)) << caso << ", extent, view " << v;
        pintados += LienzoPrueba::ContarPintados(esperada, kTodo) > 0;
    }
    EXPECT_GE(pintados, minimo) << caso;
}
}  // namespace

TEST(CCapaShpIndice, DamagedBoxesPaintPixelForPixelAsSoundOnes) {
    CompararPinturas(5, [](CCapaShp& c, wxDC* dc, const CTransformacionMapa& v) { c.PintarCapa(dc, v); },
                     "polygons", 10);
    CompararPinturas(3, [](CCapaShp& c, wxDC* dc, const CTransformacionMapa& v) { c.PintarCapa(dc, v); },
                     "lines", 10);
    Clasificacion clasificacion;
    CompararPinturas(5, [&](CCapaShp& c, wxDC* dc, const CTransformacionMapa& v) {
        c.PintarCapaConClasificacion(dc, v, &clasificacion);
    }, "classified polygons", 10);
}

TEST(CCapaShpIndice, DamagedBoxesLabelAndHighlightAsSoundOnes) {
    Rotulos rotulos;
    CompararPinturas(3, [&](CCapaShp& c, wxDC* dc, const CTransformacionMapa& v) {
        c.PintarCapaToponimia(dc, v, &rotulos);
    }, "line labels", 8);
    // Record 0 (zero box), 2 (NaN), 4 (inverted), 6 (far), 8 (too small), and
    // sound ones; views that hold them and views that do not.
    for (const char* codigo : {"C0", "C2", "C4", "C6", "C8", "C9", "C77"})
        CompararPinturas(5, [&](CCapaShp& c, wxDC* dc, const CTransformacionMapa& v) {
            c.PintarElementoCapa(dc, v.GetArea(), v.GetExtension(), wxT("CODIGO"), wxString(codigo));
        }, codigo, 2);
}

// The shown records come from the index (the header box states nothing
// about them): a hit outside the view draws nothing, one inside it does.
TEST(CCapaShpIndice, AHighlightOutsideTheViewDrawsNothing) {
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(Capa(5, Danos::CajasRegistros), "cajas");
    const auto resaltar = [&](const char* codigo, const CExtensionMapa& vista) {
        return Pintar(capa, vista, [&](CCapaShp& c, wxDC* dc, const CTransformacionMapa& v) {
            c.PintarElementoCapa(dc, v.GetArea(), v.GetExtension(), wxT("CODIGO"), wxString(codigo));
        });
    };
    const CExtensionMapa abajo(0, 0, 200, 200), arriba(600, 600, 800, 800);
    EXPECT_GT(LienzoPrueba::Contar(resaltar("C0", abajo), kTodo, kRojo), 100);
    EXPECT_EQ(LienzoPrueba::ContarPintados(resaltar("C0", arriba), kTodo), 0);
}
