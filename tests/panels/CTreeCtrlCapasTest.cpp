// The legend's swatches, drawn off screen for each geometry and symbol.
#include "CTreeCtrlCapas.h"

#include "CapaShpPrueba.h"
#include "LienzoPrueba.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

namespace {
const wxColour kRojo(255, 0, 0), kVerde(0, 160, 0), kAzul(0, 0, 255), kNaranja(255, 128, 0);
}  // namespace

// A 35 x 14 box in the fill colour (none when transparent), a zigzag for lines,
// a circle of radius at most 8 or a glyph for points, nothing for other styles.
TEST(CTreeCtrlCapas, SwatchesFollowTheGeometryAndTheSymbol) {
    // A layer of that geometry, red with a blue outline.
    DirectorioPrueba dir;
    std::vector<std::unique_ptr<CCapaShp>> capas;
    const auto capa = [&](int geometria) {
        ShapefileWriter escritor(geometria);
        if (geometria == 1) escritor.AddPoint(5, 5);
        if (geometria == 3) escritor.AddShape({{CPunto(0, 0), CPunto(10, 10)}});
        if (geometria == 5) escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10)});
        CCapaShp* nueva = capas.emplace_back(NuevaCapaShp(escritor, dir / std::to_string(capas.size()))).get();
        nueva->GetSimbolo()->SetColorRelleno(kRojo);
        nueva->GetSimbolo()->SetColorBorde(kAzul);
        return nueva;
    };
    const auto simbolo = [](int estilo, const wxColour& color, int size, int caracter = 0) {
        CSimboloObj s;
        s.SetValores(1, estilo, color, color, size, "DejaVu Sans", "", 0, caracter);
        return s;
    };
    const CSimboloObj clase = simbolo(1, kVerde, 3), grande = simbolo(1, kNaranja, 12);
    const CSimboloObj estrella = simbolo(4, kNaranja, 12, 0x2605), otroEstilo = simbolo(7, kNaranja, 12);
    CCapaShp* transparente = capa(5);
    transparente->GetSimbolo()->SetTransparente(true);
    const wxRect caja(40, 0, 35, 15), dentro(42, 2, 31, 10);
    const struct {
        const char* caso;
        CCapa* capa;
        const CSimboloObj* clase;
        wxRect zona;
        wxColour color;
        int minimo, maximo;  // pixels of that colour in the zone
    } casos[] = {
        {"polygon fill", capa(5), nullptr, dentro, kRojo, 310, 310},
        {"polygon outline", capa(5), nullptr, caja, kAzul, 70, 98},
        {"class fill", capa(5), &clase, dentro, kVerde, 162, 310},
        {"transparent layer", transparente, &clase, wxRect(45, 4, 25, 6), kVerde, 0, 0},
        {"line", capa(3), &clase, caja, kVerde, 40, 525},
        {"line without fill", capa(3), &clase, caja, kRojo, 0, 0},
        {"point radius 8", capa(1), &grande, wxRect(49, 1, 13, 13), kNaranja, 129, 169},
        {"point within 8", capa(1), &grande, wxRect(40, 0, 6, 15), kNaranja, 0, 0},
        {"glyph", capa(1), &estrella, wxRect(40, 0, 40, 30), kNaranja, 20, 1200},
        {"other point style", capa(1), &otroEstilo, wxRect(0, 0, 100, 30), kNaranja, 0, 0},
    };
    wxFrame marco(nullptr, wxID_ANY, "Arbol");
    CTreeCtrlCapas arbol(&marco, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "arbol");
    for (const auto& c : casos) {
        LienzoPrueba lienzo(100, 30);
        arbol.Dibujar(lienzo.Dc(), 0, c.capa, c.clase);
        const int n = LienzoPrueba::Contar(lienzo.Imagen(), c.zona, c.color);
        EXPECT_TRUE(n >= c.minimo && n <= c.maximo) << c.caso << ": " << n;
    }
}
