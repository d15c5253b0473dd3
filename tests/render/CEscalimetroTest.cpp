#include "CEscalimetro.h"
#include "LienzoPrueba.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
constexpr int kAncho = 790, kAlto = 584, kX0 = 30, kY0 = 300;

bool HayTinta(const wxImage& imagen, int x1, int y1, int x2, int y2) {
    for (int y = std::max(0, y1); y <= std::min(y2, imagen.GetHeight() - 1); ++y)
        for (int x = std::max(0, x1); x <= std::min(x2, imagen.GetWidth() - 1); ++x)
            if (imagen.GetRed(x, y) < 128 && imagen.GetGreen(x, y) < 128 && imagen.GetBlue(x, y) < 128) return true;
    return false;
}
bool Oscuro(const wxImage& imagen, int x, int y) { return HayTinta(imagen, x, y, x, y); }

int Ppi() {
    LienzoPrueba lienzo(1, 1);
    return lienzo.Dc()->GetPPI().x;
}
// The scale at which one 1 km box is `pixeles` long on this device.
double EscalaParaSegmento(double pixeles) { return 100000.0 / 2.54 * Ppi() / pixeles; }

// Paints the bar onto a white 790 x 584 image whose extent is at
// `resolucion` map units per pixel.
wxImage Pintar(CEscalimetro& barra, double escala, int maxLongitud, double resolucion = 10.0) {
    LienzoPrueba lienzo(kAncho, kAlto);
    barra.SetEscala(escala);
    barra.SetExtension(CExtensionMapa(200000.0, 4000000.0, 200000.0 + kAncho * resolucion, 4000000.0 + kAlto * resolucion));
    barra.Pintar(lienzo.Dc(), lienzo.Rect(), kX0, kY0, maxLongitud, 20);
    return lienzo.Imagen();
}
}  // namespace

TEST(CEscalimetro, GroundUnitAndSegmentLength) {
    const double umbrales[][2] = {{0.0, 100000.0},       {149999.0, 100000.0}, {150000.0, 1000000.0},
                                  {799999.99, 1000000.0}, {800000.0, 5000000.0}, {-1.0, 5000000.0}};
    for (const auto& u : umbrales) EXPECT_DOUBLE_EQ(CEscalimetro::UnidadTerreno(u[0]), u[1]) << "case " << u[0];
    EXPECT_NEAR(CEscalimetro::LongitudSegmento(150000.0, 96), 1000000.0 / 150000.0 / 2.54 * 96, 1e-9);
}

// Boxes alternate colours from the first one, are outlined and have ticks
// above and below the baseline; beyond four boxes only even ticks are
// labelled; nothing is drawn when no box fits.
TEST(CEscalimetro, BoxesAlternateColoursEvenTicksAreLabelledAndNothingIsDrawnWhenNoneFits) {
    const int seg = 70;
    for (bool panel : {true, false}) {
        CEscalimetro barra;  // map panel colours: odd boxes black, even white; the default the other way
        barra.SetUnidad(wxT("km"));
        if (panel) {
            barra.SetColorRangoImpar(wxColour(0, 0, 0));
            barra.SetColorRangoPar(wxColour(255, 255, 255));
        }
        const wxImage imagen = Pintar(barra, EscalaParaSegmento(seg), 6 * seg + 30);
        // 7 boxes: box i spans x0 + 1 + seg (i - 1) .. + seg - 1, rows y0 .. y0 + 4; label i starts at
        // x0 + seg i - 20, in rows y0 - 20 .. y0 - 8.
        for (int i = 1; i <= 7; ++i) {
            EXPECT_EQ(Oscuro(imagen, kX0 + seg * i - seg / 2, kY0 + 2), (i % 2 == 1) == panel) << "case " << i;
            const int inicio = kX0 + seg * i - 20;
            EXPECT_EQ(HayTinta(imagen, inicio + 2, kY0 - 20, inicio + 30, kY0 - 8), i % 2 == 0) << "case " << i;
        }
        EXPECT_TRUE(Oscuro(imagen, kX0 + 4 * seg - seg / 2, kY0 + 4));  // outlined
        EXPECT_FALSE(HayTinta(imagen, kX0 + 7 * seg + 2, kY0 + 1, kX0 + 8 * seg, kY0 + 3));  // no eighth
        EXPECT_TRUE(HayTinta(imagen, kX0, kY0 - 20, kX0 + 8, kY0 - 8));  // the "0"
        // Ticks at the origin and after each box, above and below the baseline.
        EXPECT_TRUE(Oscuro(imagen, kX0 + seg + 1, kY0 - 4));
        EXPECT_TRUE(Oscuro(imagen, kX0 + 7 * seg + 1, kY0 + 3));
    }
    // Scale zero, one box longer than allowed, an absurd scale (damaged extent).
    for (double escala : {0.0, EscalaParaSegmento(300.0), 1e15}) {
        CEscalimetro barra;
        EXPECT_FALSE(HayTinta(Pintar(barra, escala, 250), 0, kY0 - 30, kAncho - 1, kY0 + 30)) << "case " << escala;
    }
}
