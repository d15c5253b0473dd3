// The view manager: extents, aspect fit, navigation, scale and the paint loop.
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <memory>
#include <string>
#include <vector>

#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CGestorVistaMapa.h"

// Colours print as rgb(r, g, b) in failure messages.
inline void PrintTo(const wxColour& color, std::ostream* os) {
    *os << color.GetAsString(wxC2S_CSS_SYNTAX).utf8_str();
}

namespace {

CExtensionMapa Extension(double x1, double y1, double x2, double y2) {
    CExtensionMapa e;
    e.SetCoordenadasInfIzq(x1, y1);
    e.SetCoordenadasSupDer(x2, y2);
    return e;
}

// A layer that records its paints in a shared log and fills the whole
// rectangle with its fill colour, so order and presence show in pixels.
class CapaDePrueba : public CCapa {
public:
    CapaDePrueba(const std::string& nombre, std::vector<std::string>* registro,
                 const wxColour& color, const CExtensionMapa& ext, int* destruidas = nullptr,
                 const wxString& tipo = "SHP")
        : m_registro(registro), m_destruidas(destruidas), m_tipo(tipo) {
        SetNombreCapa(nombre);
        SetExtensionCapa(ext);
        SetEstadoCapa(1);
        escalaMinima = 0.0;  // painted before any scale is set
        GetSimbolo()->SetColorRelleno(color);
    }
    ~CapaDePrueba() override {
        if (m_destruidas) ++*m_destruidas;
    }
    bool ObtenerDatosExtension() override { return true; }
    bool InicializarCapa() override { return true; }
    void PintarCapa(wxDC* dc, wxRect rect, CExtensionMapa vista) override {
        if (m_registro) m_registro->push_back(std::string(GetNombreCapa().utf8_str()));
        m_vista = vista;
        dc->SetPen(*wxTRANSPARENT_PEN);
        dc->SetBrush(wxBrush(GetSimbolo()->GetColorRelleno()));
        dc->DrawRectangle(rect);
        dc->SetBrush(wxNullBrush);
    }
    wxString ObtenerTipoCapa() const override { return m_tipo; }
    int GetGeometria() const override { return 5; }
    bool GuardarDatosAlfaNumericos(wxList*, int, bool) override { return false; }
    bool GuardarDatosGraficos(int, CShapeObj*, bool) override { return false; }
    bool EliminarElemento(int) override { return false; }
    bool Identify(CCoordenadaMapa, double) override { return false; }
    CSimboloObj* SetSimbolo(CSimboloObj s) override {
        *GetSimbolo() = s;
        return GetSimbolo();
    }
    void SetEscalaMinima(double e) override { escalaMinima = e; }
    void SetEscalaMaxima(double e) override { escalaMaxima = e; }

    CExtensionMapa m_vista;

private:
    std::vector<std::string>* m_registro;
    int* m_destruidas;
    wxString m_tipo;
};

wxColour Pixel(const wxBitmap& bitmap, int x, int y) {
    const wxImage imagen = bitmap.ConvertToImage();
    return wxColour(imagen.GetRed(x, y), imagen.GetGreen(x, y), imagen.GetBlue(x, y));
}

class GestorVistaMapaTest : public testing::Test {
protected:
    CapaDePrueba* Anadir(const std::string& nombre, const wxColour& color,
                         const CExtensionMapa& ext = Extension(0, 0, 1000, 1000)) {
        auto* capa = new CapaDePrueba(nombre, &registro, color, ext, &destruidas);
        gestor.AddCapa(capa);
        return capa;
    }
    // Paints into a fresh 100 x 80 bitmap cleared to white.
    wxBitmap Pintar() {
        wxBitmap bitmap(100, 80, 24);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        const wxRect area(0, 0, 100, 80);
        gestor.SetDimensionAreaVisualizacion(area);
        gestor.Pintar(&dc, area, false);
        dc.SelectObject(wxNullBitmap);
        return bitmap;
    }

    // Declared before the manager, which outlives neither.
    std::vector<std::string> registro;
    int destruidas = 0;
    CGestorVistaMapa gestor;
};

}  // namespace

TEST(GestorVistaMapaExtensiones, EmpiezaConLaRegionPorDefectoYSinCapas) {
    CGestorVistaMapa gestor;
    EXPECT_EQ(gestor.GetExtensionActual(), Extension(95000, 3950000, 625000, 4300000));
    EXPECT_EQ(gestor.GetExtensionGlobal(), Extension(95000, 3950000, 625000, 4300000));
    EXPECT_EQ(gestor.GetDimensionAreaVisualizacion(), wxRect(0, 0, 0, 0));
    EXPECT_EQ(gestor.GetEscalaActual(), 0.0);
    EXPECT_EQ(gestor.GetNumCapas(), 0);
    ASSERT_NE(gestor.GetListaCapas(), nullptr);
    EXPECT_EQ(gestor.GetCoordInfIzqExtensionActual(), CCoordenadaMapa(95000, 3950000));
    EXPECT_EQ(gestor.GetCoordSupDerExtensionGlobal(), CCoordenadaMapa(625000, 4300000));
}

TEST(GestorVistaMapaExtensiones, AjusteDeAspectoCentraLasFilasDeLaVentana) {
    CGestorVistaMapa gestor;
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 800, 600));
    const CExtensionMapa ajustada = gestor.ReadaptarExtensionActual();
    EXPECT_DOUBLE_EQ(ajustada.GetCoordenadaInfIzqX(), 95000.0);
    EXPECT_DOUBLE_EQ(ajustada.GetCoordenadaSupDerX(), 625000.0);
    EXPECT_DOUBLE_EQ(ajustada.GetCoordenadaInfIzqY(), 3927012.5);  // row 563
    EXPECT_DOUBLE_EQ(ajustada.GetCoordenadaSupDerY(), 4323187.5);  // row -35
    // Only computed: the current extent is not changed.
    EXPECT_EQ(gestor.GetExtensionActual(), Extension(95000, 3950000, 625000, 4300000));
}

TEST(GestorVistaMapaExtensiones, AjusteDegeneradoDaLaExtensionNula) {
    CGestorVistaMapa gestor;
    EXPECT_EQ(gestor.ReadaptarExtensionActual(), CExtensionMapa());  // no view area
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 800, 0));
    EXPECT_EQ(gestor.ReadaptarExtensionActual(), CExtensionMapa());
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 800, 600));
    gestor.SetExtensionActual(Extension(0, 10, 100, 10));  // no height
    EXPECT_EQ(gestor.ReadaptarExtensionActual(), CExtensionMapa());
    EXPECT_EQ(gestor.PixelToMapa(wxPoint(5, 5)), CCoordenadaMapa(0, 0));
}

TEST(GestorVistaMapaExtensiones, ConversionDePixelesUsaElAreaYLaExtensionActual) {
    CGestorVistaMapa gestor;
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 500, 400));
    gestor.SetExtensionActual(Extension(0, 0, 1000, 2000));
    EXPECT_EQ(gestor.PixelToMapa(wxPoint(125, 250)), CCoordenadaMapa(250, 1500));
    const CExtensionMapa rect = gestor.PixelToMapa(wxRect(10, 20, 51, 31));
    EXPECT_DOUBLE_EQ(rect.GetCoordenadaInfIzqX(), 20.0);
    EXPECT_DOUBLE_EQ(rect.GetCoordenadaSupDerX(), 120.0);
    EXPECT_DOUBLE_EQ(rect.GetCoordenadaSupDerY(), 2000.0 - 40.0);
    EXPECT_DOUBLE_EQ(rect.GetCoordenadaInfIzqY(), 2000.0 - 100.0);
}

TEST(GestorVistaMapaNavegacion, ZoomPorFactorCambiaElAnchoSobreElCentro) {
    CGestorVistaMapa gestor;
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 300, 200));
    gestor.SetExtensionActual(Extension(1000, 1000, 2500, 2000));
    gestor.Zoom(1.5);
    CExtensionMapa e = gestor.GetExtensionActual();
    EXPECT_DOUBLE_EQ(e.GetCoordenadaInfIzqX(), 1250.0);
    EXPECT_DOUBLE_EQ(e.GetCoordenadaSupDerX(), 2250.0);
    // The fit spans about 199 rows at 1000 / 300 units per pixel, centred.
    EXPECT_NEAR(e.GetAlto(), 199 * 1000.0 / 300, 1000.0 / 300);
    EXPECT_NEAR(0.5 * (e.GetCoordenadaInfIzqY() + e.GetCoordenadaSupDerY()), 1500.0, 1000.0 / 300);

    gestor.SetExtensionActual(Extension(1000, 1000, 2500, 2000));
    gestor.Zoom(-1.5);
    e = gestor.GetExtensionActual();
    EXPECT_DOUBLE_EQ(e.GetAncho(), 2250.0);
    EXPECT_DOUBLE_EQ(e.GetCoordenadaInfIzqX(), 1750.0 - 1125.0);

    gestor.Zoom(0.0);  // collapses to the centre, which has no height to fit
    EXPECT_EQ(gestor.GetExtensionActual(), CExtensionMapa());
}

TEST(GestorVistaMapaNavegacion, CentrarYDesplazarConservanElTamano) {
    CGestorVistaMapa gestor;
    gestor.SetExtensionActual(Extension(0, 0, 100, 50));
    gestor.Centrar(CCoordenadaMapa(1000, 2000));
    EXPECT_EQ(gestor.GetExtensionActual(), Extension(950, 1975, 1050, 2025));
    gestor.Desplazar(CCoordenadaMapa(10, 20), CCoordenadaMapa(40, 10));
    EXPECT_EQ(gestor.GetExtensionActual(), Extension(920, 1985, 1020, 2035));
}

TEST(GestorVistaMapaNavegacion, ZoomAExtensionYExtensionTotalAjustanElAspecto) {
    CGestorVistaMapa gestor;
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 101, 51));
    gestor.Zoom(Extension(0, 0, 1000, 1000));
    CExtensionMapa e = gestor.GetExtensionActual();
    EXPECT_DOUBLE_EQ(e.GetCoordenadaInfIzqX(), 0.0);
    EXPECT_DOUBLE_EQ(e.GetCoordenadaSupDerX(), 1000.0);
    EXPECT_NEAR(e.GetAlto(), 50 * 1000.0 / 101, 1000.0 / 101);
    gestor.ZoomExtensionTotal();
    e = gestor.GetExtensionActual();
    EXPECT_DOUBLE_EQ(e.GetCoordenadaInfIzqX(), 95000.0);
    EXPECT_DOUBLE_EQ(e.GetCoordenadaSupDerX(), 625000.0);
}

TEST(GestorVistaMapaEscala, EscalaFijaElAnchoSobreElTerrenoSegunLaResolucion) {
    CGestorVistaMapa gestor;
    gestor.SetExtensionActual(Extension(0, 0, 10000, 8000));
    gestor.SetEscalaActual(wxSize(960, 480), wxSize(96, 96), 10000.0);
    const CExtensionMapa e = gestor.GetExtensionActual();
    EXPECT_NEAR(e.GetAncho(), 2546.0, 1e-6);  // (960 / 96) * 2.546 / 100 * 10000
    EXPECT_NEAR(e.GetAlto(), 1273.0, 1e-6);
    EXPECT_NEAR(e.GetCoordenadaInfIzqX() + 0.5 * e.GetAncho(), 5000.0, 1e-6);
    EXPECT_NEAR(e.GetCoordenadaInfIzqY() + 0.5 * e.GetAlto(), 4000.0, 1e-6);
    EXPECT_EQ(gestor.GetEscalaActual(), 10000.0);
}

TEST(GestorVistaMapaEscala, EscalaDeUnaExtensionYSuInversaConcuerdan) {
    // 790 pixels at 96 ppi showing 30000 m: 1:143188.
    EXPECT_NEAR(CGestorVistaMapa::EscalaDeExtension(Extension(0, 0, 30000, 20000), 790, 96),
                30000.0 * 1000 / (790.0 / 96 * 25.46), 1e-6);
    EXPECT_NEAR(CGestorVistaMapa::EscalaDeExtension(Extension(0, 0, 30000, 20000), 790, 96),
                143188, 1);
    // Corners count in whole map units, and all-negative corners give 0.
    EXPECT_EQ(CGestorVistaMapa::EscalaDeExtension(Extension(0.9, 0, 30000.9, 1), 790, 96),
              CGestorVistaMapa::EscalaDeExtension(Extension(0, 0, 30000, 1), 790, 96));
    EXPECT_EQ(CGestorVistaMapa::EscalaDeExtension(Extension(-10, -10, -5, -5), 790, 96), 0.0);
    EXPECT_EQ(CGestorVistaMapa::EscalaDeExtension(Extension(0, 0, 10, 10), 0, 96), 0.0);

    // Setting the scale that an extent shows keeps its width, at any ppi.
    for (int ppi : {72, 96, 150, 220}) {
        CGestorVistaMapa gestor;
        gestor.SetExtensionActual(Extension(1000, 1000, 31000, 21000));
        const double n = CGestorVistaMapa::EscalaDeExtension(gestor.GetExtensionActual(), 790, ppi);
        gestor.SetEscalaActual(wxSize(790, 584), wxSize(ppi, ppi), n);
        EXPECT_NEAR(gestor.GetExtensionActual().GetAncho(), 30000.0, 1e-6) << ppi;
    }
}

TEST_F(GestorVistaMapaTest, ExtensionGlobalEsLaUnionDeLasCapasSinLasNulas) {
    Anadir("a", *wxRED, Extension(10, 20, 30, 40));
    Anadir("b", *wxRED, Extension(0, 0, 0, 0));  // no data: skipped
    Anadir("c", *wxRED, Extension(-5, 25, 20, 50));
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, 36, 200));
    gestor.ReCalcularExtGlobal();
    EXPECT_EQ(gestor.GetExtensionGlobal(), Extension(-5, 20, 30, 50));
    // Not kept: the current extent becomes the fitted global one.
    EXPECT_DOUBLE_EQ(gestor.GetExtensionActual().GetCoordenadaInfIzqX(), -5.0);
    EXPECT_DOUBLE_EQ(gestor.GetExtensionActual().GetCoordenadaSupDerX(), 30.0);

    gestor.SetMantenerExtension(true);
    gestor.SetExtensionActual(Extension(1, 2, 3, 4));
    gestor.ReCalcularExtGlobal();
    EXPECT_EQ(gestor.GetExtensionActual(), Extension(1, 2, 3, 4));
}

TEST_F(GestorVistaMapaTest, ExtensionGlobalSoloDeCapasNulasEsNulaYUnaEntradaSinCapaLaDeja) {
    Anadir("nula", *wxRED, Extension(0, 0, 0, 0));
    gestor.ReCalcularExtGlobal();
    EXPECT_EQ(gestor.GetExtensionGlobal(), CExtensionMapa());

    Anadir("a", *wxRED, Extension(10, 20, 30, 40));
    gestor.AddCapa(new CCapasEnMapa);  // an entry without a layer stops it
    gestor.SetExtensionActual(Extension(1, 2, 3, 4));
    gestor.ReCalcularExtGlobal();
    EXPECT_EQ(gestor.GetExtensionGlobal(), CExtensionMapa());
    EXPECT_EQ(gestor.GetExtensionActual(), Extension(1, 2, 3, 4));
}

TEST_F(GestorVistaMapaTest, AnadirPoneCadaCapaEnCabezaYLaPrimeraPintaPrimero) {
    Anadir("primera", *wxRED);
    Anadir("segunda", *wxGREEN);
    Anadir("tercera", *wxBLUE);
    ASSERT_EQ(gestor.GetNumCapas(), 3);
    EXPECT_EQ(gestor.GetCapaEnMapa(0)->GetCapaEnCapa()->GetNombreCapa(), "tercera");
    EXPECT_EQ(gestor.GetCapaEnMapa(2)->GetCapaEnCapa()->GetNombreCapa(), "primera");
    EXPECT_EQ(gestor.GetCapaEnMapa(3), nullptr);

    const wxBitmap bitmap = Pintar();
    EXPECT_EQ(registro, (std::vector<std::string>{"primera", "segunda", "tercera"}));
    EXPECT_EQ(Pixel(bitmap, 50, 40), *wxBLUE);  // the last added is on top
}

TEST_F(GestorVistaMapaTest, CapasOcultasOFueraDeEscalaNoSePintan) {
    Anadir("roja", *wxRED);
    CapaDePrueba* verde = Anadir("verde", *wxGREEN);
    verde->SetEstadoCapa(0);
    wxBitmap bitmap = Pintar();
    EXPECT_EQ(registro, std::vector<std::string>{"roja"});
    EXPECT_EQ(Pixel(bitmap, 50, 40), *wxRED);

    verde->SetEstadoCapa(2);  // neither shown nor hidden: not painted either
    registro.clear();
    Pintar();
    EXPECT_EQ(registro, std::vector<std::string>{"roja"});

    // Scale range [5000, 50000], both ends inclusive.
    verde->SetEstadoCapa(1);
    verde->SetEscalaMinima(5000);
    verde->SetEscalaMaxima(50000);
    for (double escala : {4999.0, 5000.0, 50000.0, 50001.0}) {
        gestor.SetEscalaActual(nullptr, escala);
        registro.clear();
        bitmap = Pintar();
        const bool dentro = escala >= 5000 && escala <= 50000;
        EXPECT_EQ(registro.size(), dentro ? 2u : 1u) << escala;
        EXPECT_EQ(Pixel(bitmap, 50, 40), dentro ? *wxGREEN : *wxRED) << escala;
    }
}

TEST_F(GestorVistaMapaTest, PrimerPintadoMuestraTodoElMapaYLosSiguientesMantienenLaVista) {
    CapaDePrueba* capa = Anadir("a", *wxRED, Extension(0, 0, 1000, 500));
    EXPECT_FALSE(gestor.GetMantenerExtension());
    gestor.SetExtensionActual(Extension(100, 100, 200, 200));
    Pintar();
    EXPECT_TRUE(gestor.GetMantenerExtension());
    EXPECT_DOUBLE_EQ(capa->m_vista.GetCoordenadaInfIzqX(), 0.0);
    EXPECT_DOUBLE_EQ(capa->m_vista.GetCoordenadaSupDerX(), 1000.0);

    gestor.SetExtensionActual(Extension(100, 100, 200, 200));
    Pintar();
    EXPECT_DOUBLE_EQ(capa->m_vista.GetCoordenadaInfIzqX(), 100.0);
    EXPECT_DOUBLE_EQ(capa->m_vista.GetCoordenadaSupDerX(), 200.0);
    // The painted view is fitted; the stored extent is not.
    EXPECT_EQ(gestor.GetExtensionActual(), Extension(100, 100, 200, 200));
}

TEST_F(GestorVistaMapaTest, LimpiarLiberaLasCapasSalvoLasDeBaseDeDatos) {
    Anadir("a", *wxRED);
    Anadir("b", *wxGREEN);
    int destruidasBd = 0;
    auto bd = std::make_unique<CapaDePrueba>("bd", &registro, *wxBLUE, Extension(0, 0, 1, 1),
                                             &destruidasBd, "CBD");
    gestor.AddCapa(bd.get());
    gestor.SetMantenerExtension(true);
    gestor.SetExtensionActual(Extension(1, 2, 3, 4));
    gestor.SetEscalaActual(nullptr, 25000);

    gestor.Limpiar();
    EXPECT_EQ(destruidas, 2);
    EXPECT_EQ(destruidasBd, 0);
    EXPECT_EQ(gestor.GetNumCapas(), 0);
    ASSERT_NE(gestor.GetListaCapas(), nullptr);
    // Extents, scale and flag stay.
    EXPECT_EQ(gestor.GetExtensionActual(), Extension(1, 2, 3, 4));
    EXPECT_EQ(gestor.GetEscalaActual(), 25000.0);
    EXPECT_TRUE(gestor.GetMantenerExtension());

    registro.clear();
    const wxBitmap bitmap = Pintar();
    EXPECT_TRUE(registro.empty());
    EXPECT_EQ(Pixel(bitmap, 50, 40), *wxWHITE);

    // A layer added to the emptied map makes the next paint show it whole.
    Anadir("c", *wxRED);
    EXPECT_FALSE(gestor.GetMantenerExtension());
}

TEST_F(GestorVistaMapaTest, ElDestructorLiberaLasCapas) {
    {
        CGestorVistaMapa otro;
        otro.AddCapa(new CapaDePrueba("x", nullptr, *wxRED, Extension(0, 0, 1, 1), &destruidas));
    }
    EXPECT_EQ(destruidas, 1);
}
