#include "PanelMapa.h"

#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CGestorVistaMapa.h"
#include "CMediciones.h"
#include "CMedicionesPanel.h"
#include "CPolygonShp.h"
#include "CTransformacionMapa.h"
#include "PantallaPruebas.h"
#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/uiaction.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {
constexpr int kAncho = 790;
constexpr int kAlto = 584;
const wxColour kColorCapa(200, 200, 200);

// A layer that fills its extent in light grey: the map the tools work on.
class CapaPrueba : public CCapa {
public:
    explicit CapaPrueba(const CExtensionMapa& ext) {
        extension = ext;
        estadoCapa = ESTADO_VISIBLE;
        escalaMinima = 0.0;
    }
    bool ObtenerDatosExtension() override { return true; }
    bool InicializarCapa() override { return true; }
    void PintarCapa(wxDC* dc, wxRect rect, CExtensionMapa vista) override {
        const double r = vista.GetAncho() / rect.GetWidth();
        const int x1 = static_cast<int>((extension.GetCoordenadaInfIzqX() - vista.GetCoordenadaInfIzqX()) / r);
        const int x2 = static_cast<int>((extension.GetCoordenadaSupDerX() - vista.GetCoordenadaInfIzqX()) / r);
        const int y1 = static_cast<int>((vista.GetCoordenadaSupDerY() - extension.GetCoordenadaSupDerY()) / r);
        const int y2 = static_cast<int>((vista.GetCoordenadaSupDerY() - extension.GetCoordenadaInfIzqY()) / r);
        dc->SetPen(*wxTRANSPARENT_PEN);
        dc->SetBrush(wxBrush(kColorCapa));
        dc->DrawRectangle(x1, y1, x2 - x1, y2 - y1);
        ++pintadas;
    }
    wxString ObtenerTipoCapa() const override { return wxT("SHP"); }
    int GetGeometria() const override { return 5; }
    bool GuardarDatosAlfaNumericos(wxList*, int, bool) override { return false; }
    bool GuardarDatosGraficos(int, CShapeObj*, bool) override { return false; }
    bool EliminarElemento(int) override { return false; }
    bool Identify(CCoordenadaMapa, double) override { return false; }
    CSimboloObj* SetSimbolo(CSimboloObj s) override {
        simbolo = s;
        return &simbolo;
    }
    void SetEscalaMinima(double e) override { escalaMinima = e; }
    void SetEscalaMaxima(double e) override { escalaMaxima = e; }
    int pintadas = 0;
};

// The panel with its two hooks recorded.
class PanelConGanchos : public PanelMapa {
public:
    using PanelMapa::PanelMapa;
    std::vector<std::pair<CCoordenadaMapa, double>> informaciones;
    std::vector<wxPoint> menus;

protected:
    void MostrarInformacion(const CCoordenadaMapa& punto, double tolerancia) override {
        informaciones.emplace_back(punto, tolerancia);
    }
    void MostrarMenuImagen(const wxPoint& posicion) override { menus.push_back(posicion); }
};

struct EventoRecibido {
    wxEventType tipo;
    int id;
    double x, y, medicion;
};

// The parent frame records every map event that reaches it.
class MarcoPrueba : public wxFrame {
public:
    MarcoPrueba() : wxFrame(nullptr, wxID_ANY, wxT("PanelMapa"), wxPoint(0, 0), wxSize(kAncho, kAlto)) {
        for (wxEventType tipo :
             {static_cast<wxEventType>(wxEVT_MAP_XY_POS), static_cast<wxEventType>(wxEVT_MAP_END_DRAW),
              static_cast<wxEventType>(wxEVT_MAP_MEDIR_DISTANCIA), static_cast<wxEventType>(wxEVT_MAP_MEDIR_SUPERFICIE),
              static_cast<wxEventType>(wxEVT_MAP_CAMBIO_EXTENSION), static_cast<wxEventType>(wxEVT_MAP_NUEVA_ESCALA)})
            Bind(wxEventTypeTag<wxMapEvent>(tipo), [this](wxMapEvent& e) {
                eventos.push_back({e.GetEventType(), e.GetId(), e.x, e.y, e.GetMedicion()});
            });
    }
    std::vector<EventoRecibido> De(wxEventType tipo) const {
        std::vector<EventoRecibido> lista;
        for (const auto& e : eventos)
            if (e.tipo == tipo) lista.push_back(e);
        return lista;
    }
    std::vector<EventoRecibido> eventos;
};

// Every paint sizes the view again after its scale (whole rows of the panel,
// about the same centre), so extents are compared by their horizontal edges
// and their vertical centre, within a map unit or two.
void ExpectCerca(const CExtensionMapa& a, const CExtensionMapa& b, double tolerancia = 2.0) {
    EXPECT_NEAR(a.GetCoordenadaInfIzqX(), b.GetCoordenadaInfIzqX(), tolerancia);
    EXPECT_NEAR(a.GetCoordenadaSupDerX(), b.GetCoordenadaSupDerX(), tolerancia);
    EXPECT_NEAR(a.GetCoordenadaInfIzqY() + a.GetCoordenadaSupDerY(), b.GetCoordenadaInfIzqY() + b.GetCoordenadaSupDerY(),
                2 * tolerancia);
}

bool EsAzul(const wxColour& c) { return c.Blue() > 200 && c.Red() < 60 && c.Green() < 60; }
bool EsRojo(const wxColour& c) { return c.Red() > 200 && c.Green() < 60 && c.Blue() < 60; }
bool EsVerde(const wxColour& c) { return c.Green() > 200 && c.Red() < 60 && c.Blue() < 60; }

class PanelMapaTest : public ::testing::Test {
protected:
    void SetUp() override {
        marco = new MarcoPrueba;
        marco->SetClientSize(kAncho, kAlto);
        panel = new PanelConGanchos(marco, 999, wxPoint(0, 0), wxSize(kAncho, kAlto));
        barra = new CMedicionesPanel(marco, wxID_ANY, wxPoint(0, 0), wxSize(308, 36), 0);
        barra->Hide();
        // A map 600 km across: about 1:2900000 on the whole panel.
        global.SetCoordenadasInfIzq(100000.0, 3900000.0);
        global.SetCoordenadasSupDer(700000.0, 4300000.0);
        gestor = std::make_unique<CGestorVistaMapa>();
        gestor->AddCapa(new CapaPrueba(global));
        marco->Show();
        ProcesarEventos();
        panel->SetGestorVista(gestor.get());
        panel->ReadaptarExtension();
        panel->ExtensionTotal();
        Repintar();
        Repintar();  // the first paint shows the whole map; from the second on the view is steady
        marco->eventos.clear();
    }

    void TearDown() override {
        panel->SetGestorVista(nullptr);
        delete marco;
        ProcesarEventos();
    }

    void Repintar(bool borrar = true) {
        panel->Refresh(borrar);
        panel->Update();
        ASSERT_TRUE(EsperarHasta([this] { return panel->GetBitmapMapa() != nullptr; }));
        ProcesarEventos();
    }

    wxPoint Pantalla(const wxPoint& p) const { return panel->ClientToScreen(p); }

    void Mover(const wxPoint& p) {
        simulador.MouseMove(Pantalla(p));
        ProcesarEventos();
    }
    void Clic(const wxPoint& p, int boton = wxMOUSE_BTN_LEFT) {
        Mover(p);
        simulador.MouseClick(boton);
        ProcesarEventos();
    }
    // A left drag in steps, released at `hasta` unless told otherwise.
    void Arrastrar(const wxPoint& desde, const wxPoint& hasta, bool soltar = true) {
        // Past the double-click time of the previous press: a press soon after
        // another reaches the windows as a double click only.
        wxMilliSleep(600);
        Mover(desde);
        simulador.MouseDown();
        // The tracker takes the mouse once it has handled the queued press.
        EXPECT_TRUE(EsperarHasta([] { return wxWindow::GetCapture() != nullptr; }));
        for (int i = 1; i <= 4; ++i) Mover(desde + (hasta - desde) * i / 4);
        // Give the tracker time to drag to the end: its copy of the last
        // motion usually reaches the panel (the X server may merge motions).
        const double x = Mapa(hasta).GetCoordenadaMapaX();
        EsperarHasta([&] {
            const auto lista = marco->De(wxEVT_MAP_XY_POS);
            return !lista.empty() && std::fabs(lista.back().x - x) < 1.0;
        });
        if (soltar) {
            simulador.MouseUp();
            EXPECT_TRUE(EsperarHasta([] { return wxWindow::GetCapture() == nullptr; }));
            ProcesarEventos();
        }
    }

    // The panel painted, overlays included, into an image.
    wxImage Imagen() {
        wxBitmap bitmap(kAncho, kAlto, 24);
        {
            wxMemoryDC dc(bitmap);
            panel->PintarPanel(dc, wxRect(0, 0, kAncho, kAlto));
        }
        return bitmap.ConvertToImage();
    }

    double Resolucion() const { return gestor->GetExtensionActual().GetAncho() / kAncho; }
    // Map position of a pixel of the map as painted (in the fitted view).
    CCoordenadaMapa Mapa(const wxPoint& p) const {
        gestor->SetDimensionAreaVisualizacion(wxRect(0, 0, kAncho, kAlto));
        return CTransformacionMapa::PixelToMapa(p, wxRect(0, 0, kAncho, kAlto), gestor->ReadaptarExtensionActual());
    }
    int Ppi() const { return wxClientDC(panel).GetPPI().x; }
    double EscalaDeAncho(double ancho) const { return ancho * 1000.0 / (double(kAncho) / Ppi() * 25.46); }

    MarcoPrueba* marco = nullptr;
    PanelConGanchos* panel = nullptr;
    CMedicionesPanel* barra = nullptr;
    std::unique_ptr<CGestorVistaMapa> gestor;
    CExtensionMapa global;
    wxUIActionSimulator simulador;
};
}  // namespace

TEST_F(PanelMapaTest, ScaleComesFromTheViewWidthAtTwoPointFiveFourSixCentimetresPerInch) {
    EXPECT_EQ(panel->GetClientSize(), wxSize(kAncho, kAlto));
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), 600000.0, 2.0);
    EXPECT_NEAR(panel->GetEscalaActual(), EscalaDeAncho(600000.0), 10.0);
    EXPECT_EQ(panel->GetEscalaActualFormateada(), wxString::Format(wxT("1:%.0f"), panel->GetEscalaActual()));
    // Every drawing of the map reports the scale.
    Repintar();
    const auto escalas = marco->De(wxEVT_MAP_NUEVA_ESCALA);
    ASSERT_FALSE(escalas.empty());
    EXPECT_EQ(escalas.back().id, panel->GetId());
    EXPECT_DOUBLE_EQ(escalas.back().medicion, panel->GetEscalaActual());
}

TEST_F(PanelMapaTest, ZoomButtonsUseTheFactorOneAndAHalfAndLeaveTheTool) {
    panel->SetAccion(PanelMapa::ACCION_DESPLAZAR);
    panel->Acercar();
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_NINGUNA);
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), 400000.0, 2.0);
    panel->Alejar();
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), 600000.0, 2.0);
    const auto cambios = marco->De(wxEVT_MAP_CAMBIO_EXTENSION);
    ASSERT_EQ(cambios.size(), 2u);
    EXPECT_EQ(cambios[0].id, panel->GetId());
    EXPECT_NEAR(panel->GetEscalaActual(), EscalaDeAncho(600000.0), 10.0);
}

TEST_F(PanelMapaTest, ZoomWindowMustBeWiderThanTwentyPixels) {
    panel->ZoomVentana();
    const CExtensionMapa antes = gestor->GetExtensionActual();
    Arrastrar(wxPoint(200, 200), wxPoint(220, 260));  // 20 pixels wide
    ExpectCerca(gestor->GetExtensionActual(), antes);
    EXPECT_TRUE(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).empty());

    const double resolucion = Resolucion();
    // Away from the first press: a second press there would be a double click.
    Arrastrar(wxPoint(300, 200), wxPoint(321, 230));  // 21 pixels wide, 30 high
    // The rectangle's map extent runs from its first to its last pixel.
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), 20 * resolucion, 2.0);
    EXPECT_NEAR(gestor->GetExtensionActual().GetCoordenadaInfIzqX(), antes.GetCoordenadaInfIzqX() + 300 * resolucion, 2.0);
    EXPECT_EQ(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).size(), 1u);
    EXPECT_GT(panel->GetEscalaActual(), PanelMapa::kEscalaMinima);
    EXPECT_NEAR(panel->GetEscalaActual(), EscalaDeAncho(20 * resolucion), 10.0);  // corners truncated
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_ZOOM_VENTANA);
}

TEST_F(PanelMapaTest, ZoomWindowDraggedUpAndLeftIsNormalised) {
    panel->ZoomVentana();
    const CExtensionMapa antes = gestor->GetExtensionActual();
    const double resolucion = Resolucion();
    Arrastrar(wxPoint(400, 300), wxPoint(340, 270));
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), 59 * resolucion, 2.0);
    EXPECT_NEAR(gestor->GetExtensionActual().GetCoordenadaInfIzqX(), antes.GetCoordenadaInfIzqX() + 340 * resolucion, 2.0);
}

TEST_F(PanelMapaTest, ZoomWindowCloserThanOneTo69000IsUndone) {
    panel->ZoomVentana();
    panel->SetEscalaActual(1000000.0);
    const CExtensionMapa antes = gestor->GetExtensionActual();
    const double escalaAntes = panel->GetEscalaActual();
    Arrastrar(wxPoint(300, 200), wxPoint(341, 240));  // 40 of 790 pixels: about 1:50600
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), antes.GetAncho(), 2.0);
    EXPECT_NEAR(gestor->GetExtensionActual().GetCoordenadaInfIzqX(), antes.GetCoordenadaInfIzqX(), 2.0);
    EXPECT_NEAR(panel->GetEscalaActual(), escalaAntes, 1.0);  // the scale of what is shown
    EXPECT_TRUE(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).empty());

    panel->SetEscalaActual(1500000.0);  // the same window now gives about 1:75900
    Arrastrar(wxPoint(400, 250), wxPoint(441, 290));
    EXPECT_GT(panel->GetEscalaActual(), PanelMapa::kEscalaMinima);
    EXPECT_LT(panel->GetEscalaActual(), 100000.0);
    EXPECT_EQ(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).size(), 1u);
}

TEST_F(PanelMapaTest, ZoomWindowPressAtCloseScaleLeavesTheTool) {
    panel->SetEscalaActual(60000.0);
    panel->ZoomVentana();
    Clic(wxPoint(300, 300));
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_NINGUNA);
}

TEST_F(PanelMapaTest, RightPressOrEscapeCancelTheZoomWindow) {
    panel->ZoomVentana();
    const CExtensionMapa antes = gestor->GetExtensionActual();
    Arrastrar(wxPoint(200, 200), wxPoint(400, 350), false);
    simulador.MouseClick(wxMOUSE_BTN_RIGHT);
    ProcesarEventos();
    simulador.MouseUp();
    ProcesarEventos();
    ExpectCerca(gestor->GetExtensionActual(), antes);

    Arrastrar(wxPoint(150, 250), wxPoint(400, 350), false);
    simulador.Char(WXK_ESCAPE);
    ProcesarEventos();
    simulador.MouseUp();
    ProcesarEventos();
    ExpectCerca(gestor->GetExtensionActual(), antes);
    EXPECT_TRUE(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).empty());
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_ZOOM_VENTANA);
}

TEST_F(PanelMapaTest, PanMovesTheMapWithTheMouse) {
    panel->Acercar();
    panel->Acercar();
    Repintar();
    marco->eventos.clear();
    panel->SetAccion(PanelMapa::ACCION_DESPLAZAR);
    const CExtensionMapa antes = gestor->GetExtensionActual();
    const double resolucion = Resolucion();
    Arrastrar(wxPoint(400, 300), wxPoint(500, 300));
    EXPECT_NEAR(gestor->GetExtensionActual().GetCoordenadaInfIzqX(), antes.GetCoordenadaInfIzqX() - 100 * resolucion, 2.0);
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), antes.GetAncho(), 2.0);
    EXPECT_NEAR(gestor->GetExtensionActual().GetCoordenadaSupDerY(), antes.GetCoordenadaSupDerY(), 2.0);
    EXPECT_EQ(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).size(), 1u);
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_DESPLAZAR);
}

TEST_F(PanelMapaTest, PanStopsAtTheEdgeOfTheMap) {
    panel->Acercar();
    Repintar();
    panel->SetAccion(PanelMapa::ACCION_DESPLAZAR);
    const double ancho = gestor->GetExtensionActual().GetAncho();
    Arrastrar(wxPoint(100, 300), wxPoint(600, 300));  // far past the left edge
    EXPECT_NEAR(gestor->GetExtensionActual().GetCoordenadaInfIzqX(), global.GetCoordenadaInfIzqX(), 2.0);
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), ancho, 2.0);
}

TEST_F(PanelMapaTest, RightPressOrEscapeDropThePan) {
    panel->Acercar();
    Repintar();
    panel->SetAccion(PanelMapa::ACCION_DESPLAZAR);
    const CExtensionMapa antes = gestor->GetExtensionActual();
    marco->eventos.clear();
    Arrastrar(wxPoint(300, 300), wxPoint(350, 320), false);
    simulador.MouseClick(wxMOUSE_BTN_RIGHT);
    ProcesarEventos();
    simulador.MouseUp();
    ProcesarEventos();
    ExpectCerca(gestor->GetExtensionActual(), antes);

    Arrastrar(wxPoint(200, 250), wxPoint(250, 270), false);
    simulador.Char(WXK_ESCAPE);
    ProcesarEventos();
    simulador.MouseUp();
    ProcesarEventos();
    ExpectCerca(gestor->GetExtensionActual(), antes);
    EXPECT_TRUE(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).empty());
    // Nothing of the dragged image stays: the panel shows its own map again.
    ASSERT_TRUE(EsperarHasta([this] { return panel->GetBitmapMapa() != nullptr; }));
    const wxImage pantalla = CapturarPantalla(panel);
    EXPECT_EQ(ColorEn(pantalla, 5, 300), ColorEn(Imagen(), 5, 300));
}

TEST_F(PanelMapaTest, MeasuredLengthIsReportedAfterEveryPoint) {
    panel->SetPanelMediciones(barra);
    panel->PrepararMedirDistancia();
    const wxPoint puntos[] = {{100, 100}, {300, 100}, {300, 250}};
    for (const wxPoint& p : puntos) Clic(p);
    Clic(wxPoint(300, 250), wxMOUSE_BTN_RIGHT);  // ends the line
    const auto medidas = marco->De(wxEVT_MAP_MEDIR_DISTANCIA);
    ASSERT_EQ(medidas.size(), 3u);
    const CCoordenadaMapa a = Mapa(puntos[0]), b = Mapa(puntos[1]), c = Mapa(puntos[2]);
    EXPECT_DOUBLE_EQ(medidas[0].medicion, 0.0);
    EXPECT_NEAR(medidas[1].medicion, a.GetDistance(b), 2.0);
    EXPECT_NEAR(medidas[2].medicion, a.GetDistance(b) + b.GetDistance(c), 2.0);
    EXPECT_NEAR(medidas[2].medicion, 350 * Resolucion(), 2.0);
    EXPECT_EQ(medidas[2].id, panel->GetId());
    // The line stays drawn in blue, 3 pixels wide.
    const wxImage imagen = Imagen();
    EXPECT_TRUE(EsAzul(ColorEn(imagen, 200, 100)));
    EXPECT_TRUE(EsAzul(ColorEn(imagen, 300, 180)));
    EXPECT_FALSE(EsAzul(ColorEn(imagen, 200, 175)));  // no closing edge for a line
    // A new press starts a new line.
    Clic(wxPoint(500, 400));
    Clic(wxPoint(500, 400), wxMOUSE_BTN_RIGHT);
    EXPECT_EQ(panel->GetMediciones()->GetPolyLinea()->GetNumPuntos(), 1u);
}

TEST_F(PanelMapaTest, MeasuredAreaIsReportedWhenThePolygonEnds) {
    panel->SetPanelMediciones(barra);
    panel->PrepararMedirSuperficie();
    Clic(wxPoint(100, 100));
    Clic(wxPoint(300, 100));
    EXPECT_TRUE(marco->De(wxEVT_MAP_MEDIR_SUPERFICIE).empty());
    // Two points: one segment, no closing edge to draw yet.
    panel->Refresh(false);
    wxImage imagen = Imagen();
    EXPECT_TRUE(EsAzul(ColorEn(imagen, 200, 100)));
    Clic(wxPoint(300, 300));
    simulador.MouseDblClick();
    ProcesarEventos();
    const auto areas = marco->De(wxEVT_MAP_MEDIR_SUPERFICIE);
    ASSERT_EQ(areas.size(), 1u);
    const double r = Resolucion();
    EXPECT_NEAR(areas[0].medicion, 0.5 * 200 * r * 200 * r, 1e-4 * areas[0].medicion);
    EXPECT_EQ(areas[0].id, panel->GetId());
    // From three points on, the ring is closed from the last point to the first.
    imagen = Imagen();
    EXPECT_TRUE(EsAzul(ColorEn(imagen, 200, 200)));
    EXPECT_TRUE(EsAzul(ColorEn(imagen, 300, 200)));
    EXPECT_FALSE(EsAzul(ColorEn(imagen, 150, 250)));
    // Without a measurement bar nothing is drawn.
    panel->SetPanelMediciones(nullptr);
    EXPECT_FALSE(EsAzul(ColorEn(Imagen(), 200, 200)));
}

TEST_F(PanelMapaTest, MouseMotionReportsTheMapPosition) {
    wxMouseEvent movimiento(wxEVT_MOTION);
    movimiento.SetPosition(wxPoint(250, 150));
    movimiento.SetEventObject(panel);
    panel->GetEventHandler()->ProcessEvent(movimiento);
    const auto posiciones = marco->De(wxEVT_MAP_XY_POS);
    ASSERT_EQ(posiciones.size(), 1u);
    const CCoordenadaMapa p = Mapa(wxPoint(250, 150));
    EXPECT_DOUBLE_EQ(posiciones[0].x, p.GetCoordenadaMapaX());
    EXPECT_DOUBLE_EQ(posiciones[0].y, p.GetCoordenadaMapaY());
    EXPECT_EQ(posiciones[0].id, panel->GetId());
    // Real motions too, while a tool is on.
    panel->SetAccion(PanelMapa::ACCION_DESPLAZAR);
    Mover(wxPoint(321, 207));
    EXPECT_TRUE(EsperarHasta([&] {
        const auto lista = marco->De(wxEVT_MAP_XY_POS);
        return !lista.empty() && std::fabs(lista.back().x - Mapa(wxPoint(321, 207)).GetCoordenadaMapaX()) < 2.0;
    }));
}

TEST_F(PanelMapaTest, WheelZoomsKeepingThePointUnderTheCursor) {
    const wxPoint cursor(200, 150);
    const CCoordenadaMapa antes = Mapa(cursor);
    const double ancho = gestor->GetExtensionActual().GetAncho();
    auto rueda = [this, cursor](int giro) {
        wxMouseEvent evento(wxEVT_MOUSEWHEEL);
        evento.SetPosition(cursor);
        evento.m_wheelRotation = giro;
        evento.m_wheelDelta = 120;
        evento.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
        evento.SetEventObject(panel);
        panel->GetEventHandler()->ProcessEvent(evento);
    };
    rueda(120);
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), ancho / 1.5, 2.0);
    const CCoordenadaMapa despues = Mapa(cursor);
    EXPECT_NEAR(despues.GetCoordenadaMapaX(), antes.GetCoordenadaMapaX(), 2.0);
    EXPECT_NEAR(despues.GetCoordenadaMapaY(), antes.GetCoordenadaMapaY(), 2.0);
    EXPECT_EQ(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).size(), 1u);
    rueda(-60);  // half a step: nothing yet
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), ancho / 1.5, 2.0);
    rueda(-60);
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), ancho, 2.0);
    EXPECT_NEAR(Mapa(cursor).GetCoordenadaMapaX(), antes.GetCoordenadaMapaX(), 2.0);

    // The buttons' limits hold for the wheel.
    panel->SetEscalaActual(68000.0);
    const CExtensionMapa cerca = gestor->GetExtensionActual();
    rueda(120);
    ExpectCerca(gestor->GetExtensionActual(), cerca);
    panel->SetEscalaActual(2100000.0);
    const CExtensionMapa lejos = gestor->GetExtensionActual();
    rueda(-120);
    ExpectCerca(gestor->GetExtensionActual(), lejos);
}

TEST_F(PanelMapaTest, InformationClickGivesTheMapPointAndTheTolerance) {
    panel->SetAccion(PanelMapa::ACCION_INFORMACION);
    Clic(wxPoint(250, 150));
    ASSERT_EQ(panel->informaciones.size(), 1u);
    const CCoordenadaMapa p = Mapa(wxPoint(250, 150));
    EXPECT_DOUBLE_EQ(panel->informaciones[0].first.GetCoordenadaMapaX(), p.GetCoordenadaMapaX());
    // The threshold of 7 pixels is the map length of a (3, 3) pixel step.
    EXPECT_NEAR(panel->informaciones[0].second, std::sqrt(18.0) * Resolucion(), 2.0);
}

TEST_F(PanelMapaTest, RightClickOffersTheImageMenuOnlyOverAPaintedMap) {
    panel->Refresh(true);  // the map image is gone until the next paint
    wxMouseEvent clic(wxEVT_RIGHT_DOWN);
    clic.SetPosition(wxPoint(50, 60));
    panel->GetEventHandler()->ProcessEvent(clic);
    EXPECT_TRUE(panel->menus.empty());
    Repintar();
    panel->GetEventHandler()->ProcessEvent(clic);
    ASSERT_EQ(panel->menus.size(), 1u);
    EXPECT_EQ(panel->menus[0], wxPoint(50, 60));
    panel->SetAccion(PanelMapa::ACCION_DESPLAZAR);
    panel->GetEventHandler()->ProcessEvent(clic);
    EXPECT_EQ(panel->menus.size(), 1u);
}

TEST_F(PanelMapaTest, OverlayRepaintKeepsTheMapImage) {
    CapaPrueba* capa = static_cast<CapaPrueba*>(gestor->GetCapaEnMapa(0)->GetCapaEnCapa());
    const int pintadas = capa->pintadas;
    Repintar(false);
    EXPECT_EQ(capa->pintadas, pintadas);
    Repintar(true);
    EXPECT_EQ(capa->pintadas, pintadas + 1);
    // Scale bar over the map: the first box is black, under the origin tick.
    const wxImage imagen = Imagen();
    EXPECT_EQ(ColorEn(imagen, 33, 562), *wxBLACK);
    EXPECT_EQ(ColorEn(imagen, 400, 300), kColorCapa);
}

TEST_F(PanelMapaTest, SearchResultIsCentredAndOutlinedOnce) {
    auto geometria = std::make_unique<CMediciones>(nullptr, -1, wxPoint(0, 0), wxSize(0, 0), 0);
    const double x = 200000.0, y = 4100000.0;
    for (const auto& p : {CCoordenadaMapa(x, y), CCoordenadaMapa(x + 40000, y), CCoordenadaMapa(x + 40000, y + 20000),
                          CCoordenadaMapa(x, y + 20000)})
        geometria->AddCoordenadasPoligono(p);
    panel->ResaltarElementoBusqueda(5, std::move(geometria));
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_RESALTAR_BUSQUEDA);
    const CExtensionMapa vista = gestor->GetExtensionActual();
    EXPECT_NEAR((vista.GetCoordenadaInfIzqX() + vista.GetCoordenadaSupDerX()) / 2, x + 20000, 2.0);
    EXPECT_NEAR((vista.GetCoordenadaInfIzqY() + vista.GetCoordenadaSupDerY()) / 2, y + 10000, 2.0);
    EXPECT_EQ(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).size(), 1u);
    // The next paint outlines it in red and leaves the highlight tool.
    const wxImage imagen = Imagen();
    const double r = Resolucion();
    const int izquierda = static_cast<int>((x - gestor->ReadaptarExtensionActual().GetCoordenadaInfIzqX()) / r);
    EXPECT_TRUE(EsRojo(ColorEn(imagen, izquierda, kAlto / 2)));
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_NINGUNA);
    EXPECT_FALSE(EsRojo(ColorEn(Imagen(), izquierda, kAlto / 2)));
}

TEST_F(PanelMapaTest, ReferenceRectangleIsDrawnInGreen) {
    panel->SetEsquinasRecuadro(CCoordenadaMapa(100.7, 80.2), CCoordenadaMapa(300.9, 200.5));
    panel->SetAccion(PanelMapa::ACCION_RECUADRO_REFERENCIA);
    const wxImage imagen = Imagen();
    EXPECT_TRUE(EsVerde(ColorEn(imagen, 200, 80)));
    EXPECT_TRUE(EsVerde(ColorEn(imagen, 100, 150)));
    EXPECT_TRUE(EsVerde(ColorEn(imagen, 300, 150)));
    EXPECT_TRUE(EsVerde(ColorEn(imagen, 200, 200)));
    EXPECT_FALSE(EsVerde(ColorEn(imagen, 200, 150)));
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_RECUADRO_REFERENCIA);
}

TEST_F(PanelMapaTest, CursorFilesThatAreMissingOrDamagedGiveStockCursors) {
    const wxString dir = wxFileName::CreateTempFileName(wxT("vaqcursor"));
    wxRemoveFile(dir);
    ASSERT_TRUE(wxFileName::Mkdir(dir + wxT("/cursor"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
    wxFFile danado(dir + wxT("/cursor/pan.cur"), wxT("wb"));
    danado.Write("\0\0\2\0\1\0 not a cursor", 20);
    danado.Close();
    panel->SetRutaAplicacion(dir);
    for (int accion : {11, 12, 13, 30, 31, 0}) {
        panel->SetAccion(accion);
        EXPECT_TRUE(panel->GetCursor().IsOk()) << accion;
    }
    wxFileName::Rmdir(dir, wxPATH_RMDIR_RECURSIVE);
    // The cursors installed with the application load.
    panel->SetRutaAplicacion(wxString::FromUTF8(VAQ_SOURCE_DIR "/data/app"));
    panel->SetAccion(PanelMapa::ACCION_ZOOM_VENTANA);
    EXPECT_TRUE(panel->GetCursor().IsOk());
}

TEST_F(PanelMapaTest, WithoutAViewManagerNavigationDoesNothing) {
    panel->SetGestorVista(nullptr);
    panel->Acercar();
    panel->ExtensionTotal();
    panel->CentrarXY(CCoordenadaMapa(1, 1));
    Mover(wxPoint(100, 100));
    EXPECT_TRUE(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).empty());
    EXPECT_TRUE(marco->De(wxEVT_MAP_XY_POS).empty());
    panel->Refresh(true);
    panel->Update();
    ProcesarEventos();
    // DrawMap still reports the scale.
    EXPECT_FALSE(marco->De(wxEVT_MAP_NUEVA_ESCALA).empty());
}

TEST_F(PanelMapaTest, CentringAndTheWholeMapReportTheirExtent) {
    panel->Acercar();
    panel->Acercar();
    marco->eventos.clear();
    panel->CentrarXY(CCoordenadaMapa(300000.0, 4000000.0));
    const CExtensionMapa vista = gestor->GetExtensionActual();
    EXPECT_NEAR((vista.GetCoordenadaInfIzqX() + vista.GetCoordenadaSupDerX()) / 2, 300000.0, 1e-6);
    EXPECT_NEAR((vista.GetCoordenadaInfIzqY() + vista.GetCoordenadaSupDerY()) / 2, 4000000.0, 1e-6);
    panel->ExtensionTotal();
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), 600000.0, 2.0);
    EXPECT_EQ(marco->De(wxEVT_MAP_CAMBIO_EXTENSION).size(), 2u);
}

TEST_F(PanelMapaTest, ScaleOfAViewInNegativeCoordinatesIsZeroAndKeepsTheView) {
    CExtensionMapa negativa;
    negativa.SetCoordenadasInfIzq(-50000.0, -40000.0);
    negativa.SetCoordenadasSupDer(-20000.0, -10000.0);
    gestor->SetExtensionActual(negativa);
    EXPECT_DOUBLE_EQ(panel->DeterminarEscalaActual(nullptr), 0.0);
    // A paint at scale 0 must not shrink the view to a point.
    Repintar(false);
    EXPECT_NEAR(gestor->GetExtensionActual().GetAncho(), 30000.0, 1e-6);
}

TEST_F(PanelMapaTest, ScaleOfAGivenDeviceUsesItsResolution) {
    CExtensionMapa vista;
    vista.SetCoordenadasInfIzq(400000.0, 4100000.0);
    vista.SetCoordenadasSupDer(430000.0, 4122000.0);
    gestor->SetExtensionActual(vista);
    wxBitmap bitmap(10, 10, 24);
    wxMemoryDC dc(bitmap);
    const int ppi = dc.GetPPI().x;
    EXPECT_NEAR(panel->DeterminarEscalaActual(&dc), 30000.0 * 1000.0 / (790.0 / ppi * 25.46), 1e-6);
    // 790 pixels at 96 ppi showing 30000 m: about 1:143188.
    EXPECT_NEAR(CGestorVistaMapa::EscalaDeExtension(vista, 790, 96), 143188.0, 1.0);
}

TEST_F(PanelMapaTest, WithoutRedrawOnlyTheEndOfDrawingIsReported) {
    CapaPrueba* capa = static_cast<CapaPrueba*>(gestor->GetCapaEnMapa(0)->GetCapaEnCapa());
    const int pintadas = capa->pintadas;
    panel->SetRedraw(false);
    panel->Refresh(true);
    panel->Update();
    ProcesarEventos();
    EXPECT_EQ(capa->pintadas, pintadas);
    EXPECT_FALSE(marco->De(wxEVT_MAP_END_DRAW).empty());
    EXPECT_TRUE(marco->De(wxEVT_MAP_NUEVA_ESCALA).empty());
    panel->SetRedraw(true);  // repaints at once
    ASSERT_TRUE(EsperarHasta([&] { return capa->pintadas > pintadas; }));
    EXPECT_FALSE(marco->De(wxEVT_MAP_NUEVA_ESCALA).empty());
}
