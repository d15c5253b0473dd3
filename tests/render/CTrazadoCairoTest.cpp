// Rings drawn straight through cairo must give the very pixels the device
// context's own DrawPolygon gives, for every tool the map symbols use.
#include "CTrazadoCairo.h"
#include "LienzoPrueba.h"

#include <gtest/gtest.h>
#include <wx/graphics.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

struct Herramientas {
    wxPen lapiz;
    wxBrush brocha;
};

std::vector<Herramientas> HerramientasDeSimbolos() {
    std::vector<Herramientas> todas;
    const wxColour colores[] = {wxColour(200, 30, 40), wxColour(10, 120, 250), wxColour(0, 0, 0)};
    for (int ancho = 1; ancho <= 4; ++ancho)
        for (const wxColour& color : colores) {
            todas.push_back({wxPen(color, ancho), wxBrush(wxColour(90, 200, 60))});
            todas.push_back({wxPen(color, ancho), *wxTRANSPARENT_BRUSH});
        }
    todas.push_back({*wxTRANSPARENT_PEN, wxBrush(wxColour(250, 220, 0))});
    todas.push_back({*wxTRANSPARENT_PEN, *wxTRANSPARENT_BRUSH});
    return todas;
}

// Rings of every sort painting meets: tiny and large, crossing themselves,
// closed or not, two points, reaching past the edges.
std::vector<std::vector<wxPoint>> Anillos() {
    std::mt19937 azar(12345);
    std::uniform_int_distribution<int> posicion(-20, 140);
    std::uniform_int_distribution<int> tamano(2, 12);
    std::vector<std::vector<wxPoint>> anillos;
    for (int i = 0; i < 60; ++i) {
        std::vector<wxPoint> anillo(tamano(azar));
        const wxPoint centro(posicion(azar), posicion(azar));
        std::uniform_int_distribution<int> radio(-(i % 7) * 6 - 1, (i % 7) * 6 + 1);
        for (wxPoint& p : anillo) p = centro + wxPoint(radio(azar), radio(azar));
        if (i % 3 == 0) anillo.push_back(anillo.front());
        anillos.push_back(anillo);
    }
    return anillos;
}

bool MismosPixeles(const wxImage& a, const wxImage& b) {
    return a.GetSize() == b.GetSize() &&
           std::memcmp(a.GetData(), b.GetData(), 3u * a.GetWidth() * a.GetHeight()) == 0;
}

void Comparar(wxAntialiasMode suavizado, bool directa) {
    LienzoPrueba directo(120, 120), toolkit(120, 120);
    for (LienzoPrueba* lienzo : {&directo, &toolkit}) {
        ASSERT_NE(lienzo->Dc()->GetGraphicsContext(), nullptr);
        lienzo->Dc()->GetGraphicsContext()->SetAntialiasMode(suavizado);
    }
    const auto herramientas = HerramientasDeSimbolos();
    const auto anillos = Anillos();
    for (size_t i = 0; i < anillos.size(); ++i) {
        const Herramientas& h = herramientas[i % herramientas.size()];
        const auto& anillo = anillos[i];
        const int n = static_cast<int>(anillo.size());
        directo.Dc()->SetPen(h.lapiz);
        directo.Dc()->SetBrush(h.brocha);
        if (!CTrazadoCairo::Poligono(directo.Dc(), anillo.data(), n)) {
            EXPECT_FALSE(directa) << "ring " << i;
            directo.Dc()->DrawPolygon(n, anillo.data(), 0, 0, wxODDEVEN_RULE);
        } else {
            EXPECT_TRUE(directa) << "ring " << i;
        }
        toolkit.Dc()->SetPen(h.lapiz);
        toolkit.Dc()->SetBrush(h.brocha);
        toolkit.Dc()->DrawPolygon(n, anillo.data(), 0, 0, wxODDEVEN_RULE);
    }
    EXPECT_EQ(directo.Dc()->MinX(), toolkit.Dc()->MinX());
    EXPECT_EQ(directo.Dc()->MaxY(), toolkit.Dc()->MaxY());
    EXPECT_TRUE(MismosPixeles(directo.Imagen(), toolkit.Imagen()));
}

}  // namespace

TEST(CTrazadoCairo, RingsMatchTheToolkitPixelForPixelWithoutAntialiasing) {
    Comparar(wxANTIALIAS_NONE, true);
}

// Smoothed edges are not reproduced: the toolkit draws them.
TEST(CTrazadoCairo, SmoothedDrawingIsLeftToTheToolkit) {
    Comparar(wxANTIALIAS_DEFAULT, false);
}

TEST(CTrazadoCairo, ToolsItDoesNotReproduceAreLeftToTheToolkit) {
    LienzoPrueba lienzo(40, 40);
    const wxPoint anillo[] = {{5, 5}, {30, 8}, {20, 30}};
    wxDC* dc = lienzo.Dc();
    dc->SetBrush(*wxRED_BRUSH);
    dc->SetPen(wxPen(*wxBLUE, 2, wxPENSTYLE_DOT));
    EXPECT_FALSE(CTrazadoCairo::Poligono(dc, anillo, 3));
    dc->SetPen(wxPen(*wxBLUE, 0));
    EXPECT_FALSE(CTrazadoCairo::Poligono(dc, anillo, 3));
    dc->SetPen(*wxBLUE_PEN);
    dc->SetBrush(wxBrush(*wxRED, wxBRUSHSTYLE_CROSS_HATCH));
    EXPECT_FALSE(CTrazadoCairo::Poligono(dc, anillo, 3));
    dc->SetBrush(*wxRED_BRUSH);
    EXPECT_FALSE(CTrazadoCairo::Poligono(dc, anillo, 1));
    dc->SetLogicalFunction(wxINVERT);
    EXPECT_FALSE(CTrazadoCairo::Poligono(dc, anillo, 3));
    dc->SetLogicalFunction(wxCOPY);
    // Nothing was drawn by the refusals.
    EXPECT_EQ(LienzoPrueba::ContarPintados(lienzo.Imagen(), lienzo.Rect()), 0);
}
