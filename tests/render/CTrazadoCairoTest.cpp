// Rings drawn straight through cairo (small ones copied from the coverage
// cache) give the very pixels of the device context's own DrawPolygon.
#include "CCacheAnillos.h"
#include "CTrazadoCairo.h"
#include "LienzoPrueba.h"

#include <gtest/gtest.h>
#include <wx/graphics.h>

#include <cstring>
#include <optional>
#include <random>
#include <vector>

namespace {
struct Caso { std::vector<wxPoint> anillo; wxPen lapiz; wxBrush brocha; };

// Pens 1 to 4 wide in three colours, with and without fill, no pen, and one `anchoMaximo` wide.
std::vector<std::pair<wxPen, wxBrush>> Herramientas(int anchoMaximo) {
    std::vector<std::pair<wxPen, wxBrush>> todas;
    for (int ancho = 1; ancho <= 4; ++ancho)
        for (const wxColour& color : {wxColour(200, 30, 40), wxColour(10, 120, 250), wxColour(0, 0, 0)}) {
            todas.push_back({wxPen(color, ancho), wxBrush(wxColour(90, 200, 60))});
            todas.push_back({wxPen(color, ancho), *wxTRANSPARENT_BRUSH});
        }
    todas.push_back({*wxTRANSPARENT_PEN, wxBrush(wxColour(250, 220, 0))});
    todas.push_back({*wxTRANSPARENT_PEN, *wxTRANSPARENT_BRUSH});
    if (anchoMaximo > 4) todas.push_back({wxPen(wxColour(20, 20, 20), anchoMaximo), wxBrush(wxColour(0, 90, 200))});
    return todas;
}

// `cuantos` rings of `forma(i)` each moved to a random place, the tools cycling.
template <class Forma>
std::vector<Caso> Casos(int cuantos, int anchoMaximo, int repeticion, Forma forma) {
    std::mt19937 azar(777);
    std::uniform_int_distribution<int> x(-12, 164), y(-12, 124);
    const auto herramientas = Herramientas(anchoMaximo);
    std::vector<Caso> casos;
    for (int i = 0; i < cuantos; ++i) {
        const auto& h = herramientas[(i / repeticion) % herramientas.size()];
        casos.push_back({forma(i, azar), h.first, h.second});
        const wxPoint desplazamiento(x(azar), y(azar));
        for (wxPoint& p : casos.back().anillo) p += desplazamiento;
    }
    return casos;
}

std::vector<wxPoint> Aleatorio(std::mt19937& azar, int desde, int hasta, int puntos) {
    std::uniform_int_distribution<int> coordenada(desde, hasta);
    std::vector<wxPoint> anillo(puntos);
    for (wxPoint& p : anillo) p = wxPoint(coordenada(azar), coordenada(azar));
    return anillo;
}

// A surface of 24 or 32 bits, clipped and with its device origin moved when asked.
struct Preparacion { int profundidad = 24; const wxRect* recorte = nullptr; wxPoint origen; };

// Draws the cases directly (through the cache when given) and with the toolkit.
void Comparar(const std::vector<Caso>& casos, wxAntialiasMode suavizado, bool directa, CCacheAnillos* cache,
              const Preparacion& preparacion = Preparacion()) {
    LienzoPrueba directo(160, 120, preparacion.profundidad), toolkit(160, 120, preparacion.profundidad);
    for (LienzoPrueba* lienzo : {&directo, &toolkit}) {
        ASSERT_NE(lienzo->Dc()->GetGraphicsContext(), nullptr);
        lienzo->Dc()->GetGraphicsContext()->SetAntialiasMode(suavizado);
        lienzo->Dc()->SetDeviceOrigin(preparacion.origen.x, preparacion.origen.y);
        if (preparacion.recorte) lienzo->Dc()->SetClippingRegion(*preparacion.recorte);
    }
    {
        std::optional<CTrazadoCairo> trazado;
        if (cache) trazado.emplace(directo.Dc(), cache);
        for (size_t i = 0; i < casos.size(); ++i) {
            const Caso& c = casos[i];
            const int n = static_cast<int>(c.anillo.size());
            CTrazadoCairo::Herramientas h;
            if (cache) {
                ASSERT_TRUE(trazado->Activo() && CTrazadoCairo::HerramientasDe(c.lapiz, c.brocha, h));
                EXPECT_TRUE(trazado->Poligono(h, c.anillo.data(), n)) << "case " << i;
            } else {
                directo.Dc()->SetPen(c.lapiz);
                directo.Dc()->SetBrush(c.brocha);
                const bool tomado = CTrazadoCairo::Poligono(directo.Dc(), c.anillo.data(), n);
                EXPECT_EQ(tomado, directa) << "case " << i;
                if (!tomado) directo.Dc()->DrawPolygon(n, c.anillo.data(), 0, 0, wxODDEVEN_RULE);
            }
            toolkit.Dc()->SetPen(c.lapiz);
            toolkit.Dc()->SetBrush(c.brocha);
            toolkit.Dc()->DrawPolygon(n, c.anillo.data(), 0, 0, wxODDEVEN_RULE);
        }
    }
    EXPECT_EQ(directo.Dc()->MinX(), toolkit.Dc()->MinX());
    EXPECT_EQ(directo.Dc()->MaxY(), toolkit.Dc()->MaxY());
    const wxImage &a = directo.Imagen(), &b = toolkit.Imagen();
    EXPECT_EQ(0, std::memcmp(a.GetData(), b.GetData(), 3u * a.GetWidth() * a.GetHeight()));
}
}  // namespace

// Rings of every sort painting meets; smoothed edges are left to the toolkit.
TEST(CTrazadoCairo, RingsMatchTheToolkitPixelForPixel) {
    const auto casos = Casos(60, 4, 1, [](int i, std::mt19937& azar) {
        const int radio = (i % 7) * 6 + 1;
        auto anillo = Aleatorio(azar, -radio, radio, 2 + static_cast<int>(azar() % 11));
        if (i % 3 == 0) anillo.push_back(anillo.front());
        return anillo;
    });
    Comparar(casos, wxANTIALIAS_NONE, true, nullptr);
    Comparar(casos, wxANTIALIAS_DEFAULT, false, nullptr);
}

// Few small shapes drawn many times, mostly from the cache; in 24 and 32 bits,
// across a clip and with the device origin moved (as printing moves it).
TEST(CTrazadoCairo, SmallRingsFromTheCacheMatchTheToolkit) {
    std::mt19937 azar(777);
    std::vector<std::vector<wxPoint>> formas;
    for (int i = 0; i < 40; ++i) formas.push_back(Aleatorio(azar, 0, 1 + i % CCacheAnillos::kLadoMaximo, 2 + i % 12));
    formas.push_back({{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0}});
    formas.push_back({{0, 0}, {1, 0}});
    const auto casos = Casos(1500, CCacheAnillos::kAnchoMaximo, 3,
                             [&](int i, std::mt19937&) { return formas[i % formas.size()]; });
    const wxRect recorte(37, 21, 70, 55);
    const Preparacion preparaciones[] = {{24, nullptr, {}}, {32, nullptr, {}}, {24, &recorte, {}}, {32, &recorte, {-20, 15}}};
    for (size_t i = 0; i < std::size(preparaciones); ++i) {
        CCacheAnillos cache;
        Comparar(casos, wxANTIALIAS_NONE, true, &cache, preparaciones[i]);
        EXPECT_GT(cache.NumFormas(), 0) << "case " << i;  // 42 shapes under a few dozen widths
        EXPECT_LT(cache.NumFormas(), 42 * 8) << "case " << i;
    }
    // Translucent tools are blended by cairo, never copied.
    const Caso translucido{{{10, 10}, {14, 11}, {12, 15}}, wxPen(wxColour(200, 0, 0, 100), 1),
                           wxBrush(wxColour(0, 0, 200, 128))};
    CCacheAnillos cache;
    Comparar({translucido, translucido}, wxANTIALIAS_NONE, true, &cache);
    EXPECT_EQ(cache.NumFormas(), 0);
}
