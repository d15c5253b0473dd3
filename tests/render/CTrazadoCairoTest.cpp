// Rings drawn straight through cairo must give the very pixels the device
// context's own DrawPolygon gives, for every tool the map symbols use.
#include "CCacheAnillos.h"
#include "CTrazadoCairo.h"
#include "LienzoPrueba.h"

#include <gtest/gtest.h>
#include <wx/graphics.h>

#include <algorithm>
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

// Smoothed edges are not reproduced: the toolkit draws them. Nor are
// patterned or zero-width pens, hatched brushes, single points or other
// logical functions; the refusals draw nothing.
TEST(CTrazadoCairo, RingsMatchTheToolkitPixelForPixelAndOtherToolsAreLeftToIt) {
    Comparar(wxANTIALIAS_NONE, true);
    Comparar(wxANTIALIAS_DEFAULT, false);
    LienzoPrueba lienzo(40, 40);
    const wxPoint anillo[] = {{5, 5}, {30, 8}, {20, 30}};
    wxDC* dc = lienzo.Dc();
    const struct {
        wxPen lapiz;
        wxBrush brocha;
        int puntos;
        wxRasterOperationMode funcion;
    } casos[] = {{wxPen(*wxBLUE, 2, wxPENSTYLE_DOT), *wxRED_BRUSH, 3, wxCOPY},
                 {wxPen(*wxBLUE, 0), *wxRED_BRUSH, 3, wxCOPY},
                 {*wxBLUE_PEN, wxBrush(*wxRED, wxBRUSHSTYLE_CROSS_HATCH), 3, wxCOPY},
                 {*wxBLUE_PEN, *wxRED_BRUSH, 1, wxCOPY},
                 {*wxBLUE_PEN, *wxRED_BRUSH, 3, wxINVERT}};
    for (size_t i = 0; i < std::size(casos); ++i) {
        dc->SetPen(casos[i].lapiz);
        dc->SetBrush(casos[i].brocha);
        dc->SetLogicalFunction(casos[i].funcion);
        EXPECT_FALSE(CTrazadoCairo::Poligono(dc, anillo, casos[i].puntos)) << "case " << i;
    }
    dc->SetLogicalFunction(wxCOPY);
    EXPECT_EQ(LienzoPrueba::ContarPintados(lienzo.Imagen(), lienzo.Rect()), 0);
}

// Rings a few pixels across are copied from the coverage cache; the pixels
// must be cairo's own wherever the ring lands, for every tool.
namespace {

std::vector<wxPoint> AnilloPequeno(std::mt19937& azar, int lado, int puntos) {
    std::uniform_int_distribution<int> coordenada(0, lado);
    std::vector<wxPoint> anillo(puntos);
    for (wxPoint& p : anillo) p = wxPoint(coordenada(azar), coordenada(azar));
    return anillo;
}

struct Caso {
    std::vector<wxPoint> anillo;
    Herramientas herramientas;
};

// Few shapes, each drawn many times at scattered places (so most come from
// the cache), with the tools cycling.
std::vector<Caso> CasosPequenos(int ancho, int alto) {
    std::mt19937 azar(777);
    std::vector<std::vector<wxPoint>> formas;
    for (int i = 0; i < 40; ++i)
        formas.push_back(AnilloPequeno(azar, 1 + i % CCacheAnillos::kLadoMaximo, 2 + i % 12));
    formas.push_back({{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0}});
    formas.push_back({{0, 0}, {1, 0}});
    std::vector<Herramientas> herramientas = HerramientasDeSimbolos();
    herramientas.push_back({wxPen(wxColour(20, 20, 20), CCacheAnillos::kAnchoMaximo),
                            wxBrush(wxColour(0, 90, 200))});
    std::uniform_int_distribution<int> x(-12, ancho + 4), y(-12, alto + 4);
    std::vector<Caso> casos;
    for (int i = 0; i < 1500; ++i) {
        const auto& forma = formas[i % formas.size()];
        casos.push_back({forma, herramientas[(i / 3) % herramientas.size()]});
        const wxPoint desplazamiento(x(azar), y(azar));
        for (wxPoint& p : casos.back().anillo) p += desplazamiento;
    }
    return casos;
}

void CompararConCache(int profundidad, const wxRect* recorte) {
    constexpr int kAncho = 160, kAlto = 120;
    LienzoPrueba directo(kAncho, kAlto, profundidad), toolkit(kAncho, kAlto, profundidad);
    for (LienzoPrueba* lienzo : {&directo, &toolkit}) {
        lienzo->Dc()->GetGraphicsContext()->SetAntialiasMode(wxANTIALIAS_NONE);
        if (recorte) lienzo->Dc()->SetClippingRegion(*recorte);
    }
    CCacheAnillos cache;
    {
        CTrazadoCairo trazado(directo.Dc(), &cache);
        ASSERT_TRUE(trazado.Activo());
        for (const Caso& caso : CasosPequenos(kAncho, kAlto)) {
            const int n = static_cast<int>(caso.anillo.size());
            CTrazadoCairo::Herramientas h;
            ASSERT_TRUE(CTrazadoCairo::HerramientasDe(caso.herramientas.lapiz,
                                                      caso.herramientas.brocha, h));
            EXPECT_TRUE(trazado.Poligono(h, caso.anillo.data(), n));
            toolkit.Dc()->SetPen(caso.herramientas.lapiz);
            toolkit.Dc()->SetBrush(caso.herramientas.brocha);
            toolkit.Dc()->DrawPolygon(n, caso.anillo.data(), 0, 0, wxODDEVEN_RULE);
        }
    }
    EXPECT_GT(cache.NumFormas(), 0);  // used: 42 shapes under a few dozen tool widths
    EXPECT_LT(cache.NumFormas(), 42 * 8);
    EXPECT_EQ(directo.Dc()->MinX(), toolkit.Dc()->MinX());
    EXPECT_EQ(directo.Dc()->MaxY(), toolkit.Dc()->MaxY());
    EXPECT_TRUE(MismosPixeles(directo.Imagen(), toolkit.Imagen()));
}

}  // namespace

TEST(CTrazadoCairo, SmallRingsFromTheCacheMatchTheToolkitIn24And32BitImagesAndAcrossAClip) {
    const wxRect recorte(37, 21, 70, 55);
    CompararConCache(24, nullptr);
    CompararConCache(32, nullptr);
    CompararConCache(24, &recorte);
}

// Translucent tools are blended by cairo, never copied.
TEST(CTrazadoCairo, TranslucentToolsAreNotCopied) {
    LienzoPrueba directo(40, 40), toolkit(40, 40);
    for (LienzoPrueba* lienzo : {&directo, &toolkit})
        lienzo->Dc()->GetGraphicsContext()->SetAntialiasMode(wxANTIALIAS_NONE);
    const wxPen lapiz(wxColour(200, 0, 0, 100), 1);
    const wxBrush brocha(wxColour(0, 0, 200, 128));
    CCacheAnillos cache;
    const std::vector<wxPoint> anillo = {{10, 10}, {14, 11}, {12, 15}};
    {
        CTrazadoCairo trazado(directo.Dc(), &cache);
        CTrazadoCairo::Herramientas h;
        ASSERT_TRUE(CTrazadoCairo::HerramientasDe(lapiz, brocha, h));
        for (int i = 0; i < 2; ++i) EXPECT_TRUE(trazado.Poligono(h, anillo.data(), 3));
    }
    for (int i = 0; i < 2; ++i) {
        toolkit.Dc()->SetPen(lapiz);
        toolkit.Dc()->SetBrush(brocha);
        toolkit.Dc()->DrawPolygon(3, anillo.data(), 0, 0, wxODDEVEN_RULE);
    }
    EXPECT_EQ(cache.NumFormas(), 0);
    EXPECT_TRUE(MismosPixeles(directo.Imagen(), toolkit.Imagen()));
}

// A cache full of shapes starts over (its coverage is checked by the pixel comparisons).
TEST(CCacheAnillos, StartsOverWhenFull) {
    CCacheAnillos cache;
    std::mt19937 azar(4242);
    int maximo = 0;
    for (int i = 0; i < 5000; ++i) {
        const auto anillo = AnilloPequeno(azar, CCacheAnillos::kLadoMaximo, 6);
        int minX = anillo[0].x, minY = anillo[0].y;
        for (const wxPoint& p : anillo) {
            minX = std::min(minX, p.x);
            minY = std::min(minY, p.y);
        }
        CCacheAnillos::Cobertura cobertura;
        ASSERT_TRUE(cache.Buscar(anillo.data(), 6, minX, minY, 1, true, cobertura));
        maximo = std::max(maximo, cache.NumFormas());
    }
    EXPECT_LT(cache.NumFormas(), maximo);  // it started over at least once
    EXPECT_LE(maximo, 4096);
}

TEST(CCacheAnillos, RefusesRingsThatAreNotSmall) {
    CCacheAnillos cache;
    CCacheAnillos::Cobertura c;  // too wide, pen too wide, too few or too many points
    const wxPoint ancho[] = {{0, 0}, {CCacheAnillos::kLadoMaximo + 1, 0}, {0, 3}};
    EXPECT_FALSE(cache.Buscar(ancho, 3, 0, 0, 1, false, c));
    const wxPoint pequeno[] = {{0, 0}, {3, 0}, {0, 3}};
    EXPECT_FALSE(cache.Buscar(pequeno, 3, 0, 0, CCacheAnillos::kAnchoMaximo + 1, false, c));
    EXPECT_FALSE(cache.Buscar(pequeno, 1, 0, 0, 1, false, c));
    std::vector<wxPoint> muchos(CCacheAnillos::kPuntosMaximos + 1, wxPoint(1, 1));
    muchos[0] = wxPoint(0, 0);
    EXPECT_FALSE(cache.Buscar(muchos.data(), static_cast<int>(muchos.size()), 0, 0, 1, false, c));
    EXPECT_EQ(cache.NumFormas(), 0);
}
