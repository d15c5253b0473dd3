// The main window on the bundled atlas, driven with the real pointer and
// keyboard: buttons, scale box, themes, overview, readout and keys.
#include "VAQFrame.h"

#include "CConfigApp.h"
#include "CCoordenadasPanel.h"
#include "CGestorVistaMapa.h"
#include "CMedicionesPanel.h"
#include "CMensajes.h"
#include "DirectorioPrueba.h"
#include "PanelMapa.h"
#include "PanelReferenciaMapa.h"
#include "PantallaPruebas.h"
#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <filesystem>
#include <fstream>

namespace {
const std::string kAtlas = VAQ_SOURCE_DIR "/data/atlas";
const wxColour kVerde(0, 255, 0);

// A data directory that is the bundled atlas but for the themes given.
std::string AtlasCon(const DirectorioPrueba& dir, const std::map<std::string, std::string>& temas) {
    namespace fs = std::filesystem;
    for (const auto& entrada : fs::directory_iterator(kAtlas))
        if (entrada.path().filename() != "MapasVel")
            fs::create_symlink(entrada.path(), fs::path(dir.Ruta()) / entrada.path().filename());
    fs::create_directory(dir / "MapasVel");
    for (const auto& entrada : fs::directory_iterator(kAtlas + "/MapasVel")) {
        const auto propio = temas.find(entrada.path().filename().string());
        if (propio == temas.end())
            fs::create_symlink(entrada.path(), dir / ("MapasVel/" + entrada.path().filename().string()));
        else if (!propio->second.empty())
            std::ofstream(dir / ("MapasVel/" + propio->first)) << propio->second;
    }
    return dir.Ruta();
}

class VAQFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString& titulo) {
            mensajes.push_back(titulo + ": " + texto);
        });
    }
    void TearDown() override {
        if (marco) marco->Destroy();
        ProcesarEventos();
        SetReceptorMensajes({});
        CConfigApp::SetRutaSesion(wxEmptyString);
    }

    // The window on a data directory, shown at the design's size, once both
    // maps have been painted with their first themes.
    void Abrir(const std::string& datos = kAtlas) {
        CConfigApp::SetRutaSesion(wxString::FromUTF8(datos));
        marco = new VAQFrame(wxEmptyString, wxPoint(0, 0), wxDefaultSize);
        bool pintado = false;
        marco->SetAlPrimerPintado([&pintado] { pintado = true; });
        marco->SetLanzadorAyuda([this](const wxString& url) {
            urls.push_back(url);
            return navegadorDisponible;
        });
        marco->SetClientSize(VAQFrame::kAnchoDiseno, VAQFrame::kAltoDiseno);
        marco->Move(0, 0);
        marco->Show();
        ASSERT_TRUE(EsperarHasta([&pintado] { return pintado; }));
        ProcesarEventos();
    }

    PanelMapa* Mapa() const { return marco->GetPanelMapa(); }
    CGestorVistaMapa* Gestor() const { return Mapa()->GetGestorVista(); }
    CExtensionMapa Extension() const { return Gestor()->GetExtensionActual(); }
    double Escala() const { return Mapa()->GetEscalaActual(); }
    CCoordenadaMapa Centro() const {
        const CExtensionMapa e = Extension();
        return CCoordenadaMapa((e.GetCoordenadaInfIzqX() + e.GetCoordenadaSupDerX()) / 2,
                               (e.GetCoordenadaInfIzqY() + e.GetCoordenadaSupDerY()) / 2);
    }
    void PonerEscala(double escala) {
        Mapa()->SetEscalaActual(escala);
        Mapa()->Refresh(true);
        ProcesarEventos();
    }

    void Clic(wxWindow* ventana, const wxPoint& punto) {
        raton.MouseMove(ventana->ClientToScreen(punto));
        ProcesarEventos();
        raton.MouseClick();
        ProcesarEventos();
    }
    // A real click on one of the frame's buttons.
    void Pulsar(int id) {
        wxButton* boton = marco->GetBoton(id);
        // Apart from the last click, so that two clicks never make a double click.
        wxMilliSleep(350);
        Clic(boton, wxPoint(boton->GetSize().x / 2, boton->GetSize().y / 2));
    }
    void Tecla(int tecla, int modificadores = wxMOD_NONE) {
        teclado.Char(tecla, modificadores);
        ProcesarEventos();
    }
    bool TieneFoco(int id) const { return wxWindow::FindFocus() == marco->GetBoton(id); }
    wxImage Referencia() { return CapturarPantalla(marco->GetPanelReferencia()); }

    wxWeakRef<VAQFrame> marco;
    std::vector<wxString> mensajes;
    std::vector<wxString> urls;
    bool navegadorDisponible = true;
    wxUIActionSimulator raton;
    wxUIActionSimulator teclado;
};

// The view fitted from an extent to the map's aspect keeps its x range and its centre.
bool Ajustada(const CExtensionMapa& vista, const CExtensionMapa& e, double tolerancia) {
    return std::abs(vista.GetCoordenadaInfIzqX() - e.GetCoordenadaInfIzqX()) < 1 &&
           std::abs(vista.GetCoordenadaSupDerX() - e.GetCoordenadaSupDerX()) < 1 &&
           std::abs(vista.GetCoordenadaInfIzqY() + vista.GetCoordenadaSupDerY() - e.GetCoordenadaInfIzqY() -
                    e.GetCoordenadaSupDerY()) < tolerancia;
}

bool Igual(const CExtensionMapa& a, const CExtensionMapa& b, double tolerancia = 1.0) {
    return std::abs(a.GetCoordenadaInfIzqX() - b.GetCoordenadaInfIzqX()) < tolerancia &&
           std::abs(a.GetCoordenadaInfIzqY() - b.GetCoordenadaInfIzqY()) < tolerancia &&
           std::abs(a.GetCoordenadaSupDerX() - b.GetCoordenadaSupDerX()) < tolerancia &&
           std::abs(a.GetCoordenadaSupDerY() - b.GetCoordenadaSupDerY()) < tolerancia;
}

// Pixels of the picture in the button's current label.
bool MuestraImagen(wxButton* boton, const std::string& nombre) {
    wxImage esperada(wxString::FromUTF8(VAQ_SOURCE_DIR "/data/app/ico/" + nombre + ".bmp"), wxBITMAP_TYPE_BMP);
    const wxImage mostrada = boton->GetBitmapLabel().ConvertToImage();
    if (!esperada.IsOk() || mostrada.GetSize() != esperada.GetSize()) return false;
    for (int y = 0; y < esperada.GetHeight(); y += 3)
        for (int x = 0; x < esperada.GetWidth(); x += 3)
            if (ColorEn(esperada, x, y) != ColorEn(mostrada, x, y)) return false;
    return true;
}

// Bounding box of the pixels of one colour.
wxRect Caja(const wxImage& imagen, const wxColour& color) {
    int x0 = imagen.GetWidth(), y0 = imagen.GetHeight(), x1 = -1, y1 = -1;
    for (int y = 0; y < imagen.GetHeight(); ++y)
        for (int x = 0; x < imagen.GetWidth(); ++x)
            if (ColorEn(imagen, x, y) == color) {
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
    return x1 < 0 ? wxRect() : wxRect(wxPoint(x0, y0), wxPoint(x1, y1));
}

// The first layout: the physical environment theme (pressed) in the main map,
// the overview theme beside it, the scale in the box, every window at its
// place of the design, centred in any client area.
TEST_F(VAQFrameTest, OpensThePhysicalThemeAndPlacesTheDesignCentred) {
    Abrir();
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_MEDIO_FISICO);
    EXPECT_GT(Gestor()->GetNumCapas(), 0);
    EXPECT_GT(marco->GetPanelReferencia()->GetGestorVista()->GetNumCapas(), 0);
    EXPECT_TRUE(MuestraImagen(marco->GetBoton(VAQFrame::ID_MEDIO_FISICO), "b_medioFisicoPul"));
    EXPECT_TRUE(MuestraImagen(marco->GetBoton(VAQFrame::ID_MEDIO_HUMANO), "b_medioHumano"));
    EXPECT_TRUE(TieneFoco(VAQFrame::ID_MEDIO_FISICO));
    EXPECT_TRUE(marco->GetCajaEscala()->GetValue().StartsWith("1:")) << marco->GetCajaEscala()->GetValue();
    EXPECT_TRUE(mensajes.empty()) << mensajes.front();

    for (const wxSize cliente : {wxSize(1024, 768), wxSize(1224, 868)}) {
        marco->SetClientSize(cliente);
        ProcesarEventos();
        const wxPoint origen((cliente.x - 1024) / 2, (cliente.y - 768) / 2);
        EXPECT_EQ(marco->GetOrigenDiseno(), origen);
        EXPECT_EQ(Mapa()->GetRect(), wxRect(origen + wxPoint(224, 66), wxSize(790, 584)));
        EXPECT_EQ(marco->GetPanelReferencia()->GetRect(), wxRect(origen + wxPoint(27, 647), wxSize(176, 107)));
        EXPECT_EQ(marco->GetPanelCoordenadas()->GetRect(), wxRect(origen + wxPoint(224, 650), wxSize(790, 17)));
        EXPECT_EQ(marco->GetCajaEscala()->GetPosition(), origen + wxPoint(77, 611));
        EXPECT_EQ(marco->GetBoton(VAQFrame::ID_CERRAR)->GetRect(), wxRect(origen + wxPoint(980, 0), wxSize(39, 43)));
        EXPECT_EQ(marco->GetBoton(VAQFrame::ID_BUSCAR)->GetRect(), wxRect(origen + wxPoint(934, 675), wxSize(87, 92)));
    }
}

// Each tool button turns its tool on; pressed again it turns it off and gives
// the focus back to the active theme's button. A measuring tool shows its bar
// while it is on; any other command closes it.
TEST_F(VAQFrameTest, ToolButtonsToggleTheirTools) {
    Abrir();
    const struct {
        int boton, accion;
        const char* medicion;
    } herramientas[] = {
        {VAQFrame::ID_ZOOM_VENTANA, PanelMapa::ACCION_ZOOM_VENTANA, nullptr},
        {VAQFrame::ID_DESPLAZAR, PanelMapa::ACCION_DESPLAZAR, nullptr},
        {VAQFrame::ID_INFO, PanelMapa::ACCION_INFORMACION, nullptr},
        {VAQFrame::ID_MEDIR_LONGITUD, PanelMapa::ACCION_MEDIR_DISTANCIA, "0.00 m"},
        {VAQFrame::ID_MEDIR_SUPERFICIE, PanelMapa::ACCION_MEDIR_SUPERFICIE, "0.00 m2"},
    };
    for (const auto& h : herramientas) {
        Pulsar(h.boton);
        EXPECT_EQ(Mapa()->GetAccion(), h.accion) << h.boton;
        EXPECT_EQ(marco->GetPanelMediciones() != nullptr, h.medicion != nullptr) << h.boton;
        if (h.medicion) {
            EXPECT_TRUE(marco->GetPanelMediciones()->IsShown());
            EXPECT_EQ(marco->GetPanelMediciones()->GetTextoMedicion(), h.medicion);
            EXPECT_EQ(marco->GetPanelMediciones()->GetPosition(), wxPoint(705, 631));
        }
        Pulsar(h.boton);
        EXPECT_EQ(Mapa()->GetAccion(), PanelMapa::ACCION_NINGUNA) << h.boton;
        EXPECT_EQ(marco->GetPanelMediciones(), nullptr) << h.boton;
        EXPECT_TRUE(TieneFoco(VAQFrame::ID_MEDIO_FISICO)) << h.boton;
    }
    // From one measuring tool to the other, then to a zoom: the bar follows.
    Pulsar(VAQFrame::ID_MEDIR_LONGITUD);
    Pulsar(VAQFrame::ID_MEDIR_SUPERFICIE);
    ASSERT_NE(marco->GetPanelMediciones(), nullptr);
    EXPECT_EQ(marco->GetPanelMediciones()->GetTipoMedicion(), 1);
    EXPECT_EQ(Mapa()->GetAccion(), PanelMapa::ACCION_MEDIR_SUPERFICIE);
    const double antes = Escala();
    Pulsar(VAQFrame::ID_ACERCAR);
    EXPECT_EQ(marco->GetPanelMediciones(), nullptr);
    EXPECT_EQ(Mapa()->GetAccion(), PanelMapa::ACCION_NINGUNA);
    EXPECT_NEAR(Escala(), antes / 1.5, antes * 0.01);
}

// Zoom in only farther than 1:69000.01, zoom out only closer than
// 1:2000000.01; in my locality not out of the locality scale band, and the
// full-extent button brings a closer map back to 1:200000.
TEST_F(VAQFrameTest, ZoomButtonsKeepTheScaleLimits) {
    Abrir();
    const CExtensionMapa total = Extension();
    const struct {
        bool localidad;
        double escala;
        int boton;
        double esperada;  // 0: unchanged
    } casos[] = {
        {false, 69100, VAQFrame::ID_ACERCAR, 69100 / 1.5},
        {false, 68900, VAQFrame::ID_ACERCAR, 0},
        {false, 1990000, VAQFrame::ID_ALEJAR, 1990000 * 1.5},
        {false, 2010000, VAQFrame::ID_ALEJAR, 0},
        {true, 70000, VAQFrame::ID_ALEJAR, 70000 * 1.5},
        {true, 200000, VAQFrame::ID_ALEJAR, 0},
        {true, 199000, VAQFrame::ID_EXTENSION, 200000},
        {true, 250000, VAQFrame::ID_EXTENSION, 0},
    };
    for (const auto& c : casos) {
        if (c.localidad != (marco->GetTemaActivo() == VAQFrame::TEMA_MI_LOCALIDAD))
            Pulsar(c.localidad ? VAQFrame::ID_MI_LOCALIDAD : VAQFrame::ID_MEDIO_FISICO);
        PonerEscala(c.escala);
        const double antes = Escala();
        ASSERT_NEAR(antes, c.escala, 10);
        Pulsar(c.boton);
        ProcesarEventos();
        EXPECT_NEAR(Escala(), c.esperada ? c.esperada : antes, c.escala * 1e-3) << c.escala << " " << c.boton;
    }
    // Outside my locality the full-extent button shows the whole map.
    Pulsar(VAQFrame::ID_MEDIO_FISICO);
    PonerEscala(500000);
    Pulsar(VAQFrame::ID_EXTENSION);
    EXPECT_TRUE(Igual(Extension(), total));
}

// The scale box takes what it shows ("1:N") and Spanish ways of writing the
// number, within the limits; anything else is refused in the box itself.
TEST_F(VAQFrameTest, ScaleBoxAcceptsItsOwnTextAndSpanishNumbers) {
    Abrir();
    const struct {
        const char* texto;
        double escala;  // 0: refused
    } casos[] = {
        {"70000", 70000},        {"1:70.000", 70000},  {"70 000", 70000},     {"1:250000", 250000},
        {"1: 1.500.000", 1500000}, {"143188.23", 143188.23}, {"80.000,5", 80000.5}, {"69000", 0},
        {"1:2.000.001", 0},      {"2000000.01", 0},    {"70000x", 0},         {"7.0000", 0},
        {"1:", 0},               {"abc", 0},
    };
    wxTextCtrl* caja = marco->GetCajaEscala();
    for (const auto& c : casos) {
        PonerEscala(300000);
        const double antes = Escala();
        caja->SetFocus();
        caja->ChangeValue(wxString::FromUTF8(c.texto));
        caja->SetInsertionPointEnd();
        Tecla(WXK_RETURN);
        if (c.escala) {
            EXPECT_NEAR(Escala(), c.escala, 10) << c.texto;
            EXPECT_NE(caja->GetValue(), wxString::FromUTF8("Escala no válida")) << c.texto;
        } else {
            EXPECT_EQ(caja->GetValue(), wxString::FromUTF8("Escala no válida")) << c.texto;
            EXPECT_NEAR(Escala(), antes, 1) << c.texto;
        }
    }
    // Typed by hand, and then the box's own text again.
    caja->SetFocus();
    caja->Clear();
    teclado.Text("1:90.000");
    Tecla(WXK_RETURN);
    EXPECT_NEAR(Escala(), 90000, 10);
    ProcesarEventos();
    EXPECT_TRUE(caja->GetValue().StartsWith("1:")) << caja->GetValue();
    Tecla(WXK_RETURN);
    EXPECT_NEAR(Escala(), 90000, 20);
}

// Physical and human environment keep the view; my locality shows the whole
// of the previous map; each theme's button shows its pressed picture.
TEST_F(VAQFrameTest, ThemeSwitchesKeepTheViewOrShowThePreviousWholeMap) {
    Abrir();
    Pulsar(VAQFrame::ID_ACERCAR);
    Pulsar(VAQFrame::ID_ACERCAR);
    const CExtensionMapa vista = Extension();
    const double escala = Escala();
    Pulsar(VAQFrame::ID_MEDIO_HUMANO);
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_MEDIO_HUMANO);
    EXPECT_TRUE(Igual(Extension(), vista));
    EXPECT_NEAR(Escala(), escala, 1);
    EXPECT_TRUE(MuestraImagen(marco->GetBoton(VAQFrame::ID_MEDIO_HUMANO), "b_medioHumanoPul"));
    EXPECT_TRUE(MuestraImagen(marco->GetBoton(VAQFrame::ID_MEDIO_FISICO), "b_medioFisico"));

    const CExtensionMapa global = Gestor()->GetExtensionGlobal();
    Pulsar(VAQFrame::ID_MI_LOCALIDAD);
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_MI_LOCALIDAD);
    EXPECT_TRUE(Ajustada(Extension(), global, global.GetAncho() / 500));
    EXPECT_TRUE(MuestraImagen(marco->GetBoton(VAQFrame::ID_MI_LOCALIDAD), "b_miLocalidadPul"));
    EXPECT_EQ(Mapa()->GetTipoBusqueda(), "LOCALIDAD");

    Pulsar(VAQFrame::ID_ACERCAR);
    const CExtensionMapa local = Extension();
    Pulsar(VAQFrame::ID_MEDIO_FISICO);
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_MEDIO_FISICO);
    EXPECT_TRUE(Igual(Extension(), local));
    EXPECT_TRUE(mensajes.empty()) << mensajes.front();
}

// A theme that cannot be read leaves the map empty with the loader's message
// and no theme active: the search says there are no layers, and the next
// theme button works.
TEST_F(VAQFrameTest, AThemeThatFailsLeavesTheMapEmptyAndTheNextButtonWorks) {
    DirectorioPrueba datos;
    Abrir(AtlasCon(datos, {{"MedioHumano.vel", "<PROYECTO_VELMOR version=\"1.0.0\" nombre=\"roto\"><CAPAS>"}}));
    Pulsar(VAQFrame::ID_MEDIO_HUMANO);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].StartsWith("Error Carga Proyecto: No se pudo cargar correctamente el proyecto.")) << mensajes[0];
    EXPECT_EQ(Gestor()->GetNumCapas(), 0);
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_NINGUNO);
    EXPECT_EQ(Caja(Referencia(), kVerde), wxRect());

    Pulsar(VAQFrame::ID_BUSCAR);
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_EQ(mensajes[1], "Informacion Error: No existen capas cargadas.");

    Pulsar(VAQFrame::ID_MEDIO_FISICO);
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_MEDIO_FISICO);
    EXPECT_GT(Gestor()->GetNumCapas(), 0);
    EXPECT_EQ(mensajes.size(), 2u);
}

// The green rectangle on the overview follows the main map's extent (after a
// zoom and a pan); a click on the overview centres the main map there, and
// the rectangle with it.
TEST_F(VAQFrameTest, OverviewRectangleFollowsTheMapAndAClickCentresIt) {
    Abrir();
    PanelReferenciaMapa* referencia = marco->GetPanelReferencia();
    Pulsar(VAQFrame::ID_ACERCAR);
    Pulsar(VAQFrame::ID_ACERCAR);
    const CExtensionMapa vistaRef = referencia->GetGestorVista()->ReadaptarExtensionActual();
    const double metrosPorPixel = vistaRef.GetAncho() / referencia->GetClientSize().x;
    wxRect recuadro = Caja(Referencia(), kVerde);
    ASSERT_FALSE(recuadro.IsEmpty());
    // As wide as the map's extent, around the map's centre (line width 3).
    EXPECT_NEAR(recuadro.width - 3, Extension().GetAncho() / metrosPorPixel, 2);
    EXPECT_NEAR(recuadro.x + recuadro.width / 2.0,
                (Centro().GetCoordenadaMapaX() - vistaRef.GetCoordenadaInfIzqX()) / metrosPorPixel, 2);

    marco->GetBoton(VAQFrame::ID_MEDIO_FISICO)->SetFocus();
    Tecla(WXK_RIGHT);
    const wxRect movido = Caja(Referencia(), kVerde);
    EXPECT_NEAR(movido.x - recuadro.x, Extension().GetAncho() / 4 / metrosPorPixel, 2);
    EXPECT_EQ(movido.y, recuadro.y);

    const wxPoint clic(70, 60);
    CCoordenadaMapa esperado;
    ASSERT_TRUE(referencia->PixelAMapa(clic, esperado));
    Clic(referencia, clic);
    EXPECT_NEAR(Centro().GetCoordenadaMapaX(), esperado.GetCoordenadaMapaX(), metrosPorPixel);
    EXPECT_NEAR(Centro().GetCoordenadaMapaY(), esperado.GetCoordenadaMapaY(), metrosPorPixel);
    recuadro = Caja(Referencia(), kVerde);
    EXPECT_NEAR(recuadro.x + recuadro.width / 2.0, clic.x, 2);
    EXPECT_NEAR(recuadro.y + recuadro.height / 2.0, clic.y, 2);
}

// Without an overview theme there is no rectangle (and nothing divides by its
// zero width); the main map still works.
TEST_F(VAQFrameTest, WithoutOverviewThereIsNoRectangle) {
    DirectorioPrueba datos;
    Abrir(AtlasCon(datos, {{"Referencia.vel", ""}}));
    ASSERT_EQ(mensajes.size(), 1u);
    Pulsar(VAQFrame::ID_ACERCAR);
    Pulsar(VAQFrame::ID_ACERCAR);
    Clic(marco->GetPanelReferencia(), wxPoint(70, 60));
    EXPECT_EQ(marco->GetPanelReferencia()->GetAccion(), PanelMapa::ACCION_NINGUNA);
    EXPECT_EQ(Caja(Referencia(), kVerde), wxRect());
    EXPECT_GT(Gestor()->GetNumCapas(), 0);
}

// The readout shows the true latitude and longitude of the position under
// the mouse over the main map (not over the overview).
TEST_F(VAQFrameTest, ReadoutShowsLatitudeAndLongitude) {
    Abrir();
    CCoordenadasPanel* coordenadas = marco->GetPanelCoordenadas();
    wxMapEvent evento(wxEVT_MAP_XY_POS, Mapa()->GetId());
    evento.SetCoordenadas(350000, 4140000);
    Mapa()->GetEventHandler()->ProcessEvent(evento);
    const wxString grado = wxString::FromUTF8("°");
    EXPECT_EQ(coordenadas->GetValorLongitud(), "4" + grado + " 41' 40.1646\"  O");
    EXPECT_TRUE(coordenadas->GetValorLatitud().StartsWith("37" + grado + " 23' 38.50")) << coordenadas->GetValorLatitud();

    // East of Greenwich.
    evento.SetCoordenadas(830000, 4250000);
    Mapa()->GetEventHandler()->ProcessEvent(evento);
    EXPECT_TRUE(coordenadas->GetValorLongitud().StartsWith("0" + grado + " 46' 30.66")) << coordenadas->GetValorLongitud();
    EXPECT_TRUE(coordenadas->GetValorLongitud().EndsWith("\"  E")) << coordenadas->GetValorLongitud();

    // The real mouse over the map: the position under it.
    raton.MouseMove(Mapa()->ClientToScreen(wxPoint(400, 300)));
    ASSERT_TRUE(EsperarHasta([&] { return coordenadas->GetValorLongitud().StartsWith("4" + grado); }))
        << coordenadas->GetValorLongitud();
    EXPECT_TRUE(coordenadas->GetValorLatitud().StartsWith("37" + grado)) << coordenadas->GetValorLatitud();
    const wxString antes = coordenadas->GetValorLatitud();
    raton.MouseMove(marco->GetPanelReferencia()->ClientToScreen(wxPoint(20, 20)));
    ProcesarEventos();
    EXPECT_EQ(coordenadas->GetValorLatitud(), antes);
}

// The keys act on the map while a theme button has the focus: the arrows pan
// by a quarter of the map, "+" and "-" zoom like the buttons, Home shows the
// whole map. In the scale box they edit the text instead.
TEST_F(VAQFrameTest, KeysPanAndZoomTheMap) {
    Abrir();
    const CExtensionMapa total = Extension();
    marco->GetBoton(VAQFrame::ID_MEDIO_HUMANO)->SetFocus();
    Tecla('+', wxMOD_SHIFT);
    Tecla(WXK_NUMPAD_ADD);
    EXPECT_NEAR(Extension().GetAncho(), total.GetAncho() / 2.25, 1);
    const CCoordenadaMapa centro = Centro();
    const double ancho = Extension().GetAncho(), alto = Extension().GetAlto();
    Tecla(WXK_LEFT);
    EXPECT_NEAR(Centro().GetCoordenadaMapaX(), centro.GetCoordenadaMapaX() - ancho / 4, ancho / 500);
    Tecla(WXK_UP);
    EXPECT_NEAR(Centro().GetCoordenadaMapaY(), centro.GetCoordenadaMapaY() + alto / 4, alto / 500);
    Tecla('-');
    EXPECT_NEAR(Extension().GetAncho(), ancho * 1.5, 1);
    EXPECT_TRUE(TieneFoco(VAQFrame::ID_MEDIO_FISICO));
    Tecla(WXK_HOME);
    EXPECT_TRUE(Igual(Extension(), total));

    marco->GetCajaEscala()->SetFocus();
    marco->GetCajaEscala()->Clear();
    Tecla('7');
    Tecla(WXK_LEFT);
    Tecla('+');
    EXPECT_EQ(marco->GetCajaEscala()->GetValue(), "7");
    EXPECT_TRUE(Igual(Extension(), total));
}

// The help opens the help page in the desktop's browser; when none starts,
// the message says where the page should be. The close button ends the window.
TEST_F(VAQFrameTest, HelpOpensInTheBrowserAndCloseEndsTheWindow) {
    Abrir();
    Pulsar(VAQFrame::ID_AYUDA);
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_TRUE(urls[0].StartsWith("file://") && urls[0].EndsWith("/Ayuda/index.html")) << urls[0];
    EXPECT_TRUE(mensajes.empty());
    navegadorDisponible = false;
    Pulsar(VAQFrame::ID_AYUDA);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0], wxString::FromUTF8("Ayuda: ERROR: No se pudo mostrar el archivo de ayuda.\nAsegúrese de "
                                              "que se encuentra en la carpeta Ayuda dentro de la ruta de la aplicación."));
    Pulsar(VAQFrame::ID_CERRAR);
    EXPECT_TRUE(EsperarHasta([this] { return !marco; }));
}

}  // namespace
