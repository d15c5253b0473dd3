#include "PanelMapa.h"

#include "CapaColorPrueba.h"
#include "CGestorVistaMapa.h"
#include "CMediciones.h"
#include "CMensajes.h"
#include "CMedicionesPanel.h"
#include "CPolygonShp.h"
#include "CShape.h"
#include "DirectorioPrueba.h"
#include "LienzoPrueba.h"
#include "PantallaPruebas.h"
#include "wxMapEvent.h"
#include "wxRectTracker.h"

#include <gtest/gtest.h>
#include <wx/bmpbuttn.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/uiaction.h>

#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

namespace {
constexpr int kAncho = 790;
constexpr int kAlto = 584;
const wxColour kColorCapa(200, 200, 200);
// A map 600 km across: about 1:2900000 on the whole panel.
const CExtensionMapa kGlobal(100000.0, 3900000.0, 700000.0, 4300000.0);

// The panel with its two hooks recorded.
class PanelConGanchos : public PanelMapa {
public:
    using PanelMapa::PanelMapa;
    std::vector<std::pair<CCoordenadaMapa, double>> informaciones;
    std::vector<wxPoint> menus;

protected:
    void MostrarInformacion(const CCoordenadaMapa& p, double d) override { informaciones.emplace_back(p, d); }
    void MostrarMenuImagen(const wxPoint& posicion) override { menus.push_back(posicion); }
};

// Colours within a tolerance: close to the exact one, or loosely of a pure one.
bool Es(const wxColour& c, const wxColour& e, int tolerancia = 8) {
    return std::abs(c.Red() - e.Red()) < tolerancia && std::abs(c.Green() - e.Green()) < tolerancia &&
           std::abs(c.Blue() - e.Blue()) < tolerancia;
}
bool EsAzul(const wxColour& c) { return Es(c, *wxBLUE, 56); }

class PanelMapaTest : public ::testing::Test {
protected:
    void SetUp() override {
        marco = new wxFrame(nullptr, wxID_ANY, wxT("PanelMapa"), wxPoint(0, 0), wxSize(kAncho, kAlto));
        marco->SetClientSize(kAncho, kAlto);
        // The parent frame records every map event that reaches it, by type.
        for (wxEventType tipo : {wxEVT_MAP_XY_POS, wxEVT_MAP_END_DRAW, wxEVT_MAP_MEDIR_DISTANCIA, wxEVT_MAP_MEDIR_SUPERFICIE,
                                 wxEVT_MAP_CAMBIO_EXTENSION, wxEVT_MAP_NUEVA_ESCALA, wxEVT_CERRAR_MEDICIONES})
            marco->Bind(wxEventTypeTag<wxMapEvent>(tipo), [this, tipo](wxMapEvent& e) { eventos[tipo].push_back(e); });
        panel = new PanelConGanchos(marco, 999, wxPoint(0, 0), wxSize(kAncho, kAlto));
        barra = new CMedicionesPanel(marco, wxID_ANY, wxPoint(0, 0), wxSize(308, 36), 0);
        barra->Hide();
        gestor.AddCapa(new CapaColorPrueba(kColorCapa, kGlobal));
        marco->Show();
        ProcesarEventos();
        panel->SetGestorVista(&gestor);
        panel->ReadaptarExtension();
        panel->ExtensionTotal();
        Repintar();
        Repintar();  // the first paint shows the whole map; from the second on the view is steady
        eventos.clear();
    }
    void TearDown() override {
        panel->SetGestorVista(nullptr);
        delete marco;
        ProcesarEventos();
    }
    void Pintar(bool borrar = true) {
        panel->Refresh(borrar);
        panel->Update();
        ProcesarEventos();
    }
    void Repintar(bool borrar = true) {
        Pintar(borrar);
        ASSERT_TRUE(EsperarHasta([this] { return panel->GetBitmapMapa() != nullptr; }));
        ProcesarEventos();
    }
    std::vector<wxMapEvent>& De(wxEventType tipo) { return eventos[tipo]; }
    size_t Pintadas() { return static_cast<CapaColorPrueba*>(gestor.GetCapaEnMapa(0)->GetCapaEnCapa())->pinturas.size(); }
    void Mover(const wxPoint& p) {
        simulador.MouseMove(panel->ClientToScreen(p));
        ProcesarEventos();
    }
    void Clic(const wxPoint& p, int boton = wxMOUSE_BTN_LEFT) {
        Mover(p);
        simulador.MouseClick(boton);
        ProcesarEventos();
    }
    // A left press that a tracker takes, a drag in steps, and the release.
    void Arrastrar(const wxPoint& desde, const wxPoint& hasta, bool soltar = true) {
        wxMilliSleep(600);  // past the double-click time of the previous press
        Mover(desde);
        simulador.MouseDown();
        EXPECT_TRUE(EsperarHasta([] { return wxWindow::GetCapture() != nullptr; }));
        Seguir(desde, hasta);
        if (soltar) Soltar();
    }
    void Seguir(const wxPoint& desde, const wxPoint& hasta) {
        for (int i = 1; i <= 4; ++i) Mover(desde + (hasta - desde) * i / 4);
        // The toolkit may merge the last motions into the release: send the last one.
        if (wxWindow* captura = wxWindow::GetCapture()) {
            wxMouseEvent final(wxEVT_MOTION);
            final.SetPosition(captura->ScreenToClient(panel->ClientToScreen(hasta)));
            final.SetLeftDown(true);
            captura->GetEventHandler()->ProcessEvent(final);
            ProcesarEventos();
        }
    }
    void Soltar() {
        simulador.MouseUp();
        EXPECT_TRUE(EsperarHasta([] { return wxWindow::GetCapture() == nullptr; }));
        ProcesarEventos();
    }
    // The screen shows at p what the panel paints there (nothing of a tracker).
    bool PantallaComoPanel(const wxPoint& p) {
        return EsperarHasta([&] { return ColorEn(CapturarPantalla(panel), p.x, p.y) == ColorEn(Imagen(), p.x, p.y); });
    }
    // The panel painted, overlays included, into an image.
    wxImage Imagen() {
        LienzoPrueba lienzo(kAncho, kAlto);
        panel->PintarPanel(*lienzo.Dc(), lienzo.Rect());
        return lienzo.Imagen();
    }
    CExtensionMapa Vista() const { return gestor.GetExtensionActual(); }
    double Resolucion() const { return Vista().GetAncho() / kAncho; }
    double Izquierda() const { return Vista().GetCoordenadaInfIzqX(); }
    // Map position of a pixel of the map as painted (in the fitted view).
    CCoordenadaMapa Mapa(const wxPoint& p) {
        gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, kAncho, kAlto));
        return gestor.GetVista().PixelAMapa(p);
    }
    // The scale of a view of the given width: the panel's width at 2.546 cm per inch.
    double EscalaDeAncho(double ancho) const {
        return ancho * 1000.0 / (double(kAncho) / wxClientDC(panel).GetPPI().x * 25.46);
    }
    wxFrame* marco = nullptr;
    std::map<wxEventType, std::vector<wxMapEvent>> eventos;
    PanelConGanchos* panel = nullptr;
    CMedicionesPanel* barra = nullptr;
    CGestorVistaMapa gestor;
    wxUIActionSimulator simulador;
};
}  // namespace

// The scale, the paints, the scale bar, the navigation buttons and the wheel.
TEST_F(PanelMapaTest, ScalePaintsNavigationAndWheel) {
    EXPECT_NEAR(Vista().GetAncho(), 600000.0, 2.0);
    // Overlays alone keep the map image; without redraw a paint only reports its
    // end; redraw on paints the layers at once and reports the scale.
    const size_t pintadas = Pintadas();
    Repintar(false);
    panel->SetRedraw(false);
    Pintar();
    EXPECT_EQ(Pintadas(), pintadas);
    EXPECT_FALSE(De(wxEVT_MAP_END_DRAW).empty());
    EXPECT_TRUE(De(wxEVT_MAP_NUEVA_ESCALA).empty());
    panel->SetRedraw(true);
    ASSERT_TRUE(EsperarHasta([&] { return Pintadas() == pintadas + 1; }));
    ASSERT_EQ(De(wxEVT_MAP_NUEVA_ESCALA).size(), 1u);
    EXPECT_DOUBLE_EQ(De(wxEVT_MAP_NUEVA_ESCALA)[0].GetMedicion(), panel->GetEscalaActual());
    // Scale bar over the map: the first box is black, under the origin tick.
    EXPECT_EQ(ColorEn(Imagen(), 33, 562), *wxBLACK);
    EXPECT_EQ(ColorEn(Imagen(), 400, 300), kColorCapa);
    // The zoom buttons use the factor 1.5 and leave the tool; every move is reported.
    eventos.clear();
    panel->SetAccion(PanelMapa::ACCION_DESPLAZAR);
    panel->Acercar();
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_NINGUNA);
    EXPECT_NEAR(Vista().GetAncho(), 400000.0, 2.0);
    panel->CentrarXY(CCoordenadaMapa(300000.0, 4000000.0));
    EXPECT_NEAR(Vista().GetCoordenadaInfIzqX() + Vista().GetCoordenadaSupDerX(), 600000.0, 1e-6);
    EXPECT_NEAR(Vista().GetCoordenadaInfIzqY() + Vista().GetCoordenadaSupDerY(), 8000000.0, 1e-6);
    panel->Alejar();
    EXPECT_NEAR(Vista().GetAncho(), 600000.0, 2.0);
    panel->Acercar();
    panel->ExtensionTotal();
    EXPECT_NEAR(Vista().GetAncho(), 600000.0, 2.0);
    // The wheel zooms 1.5 a whole step about the point under the cursor, within the limits.
    const wxPoint cursor(200, 150);
    const CCoordenadaMapa punto = Mapa(cursor);
    const struct { double escala; int giro; double factor; } giros[] = {
        {0, 120, 1 / 1.5}, {0, -60, 1 / 1.5}, {0, -60, 1}, {68000, 120, 0}, {2100000, -120, 0}};
    for (size_t i = 0; i < std::size(giros); ++i) {
        if (giros[i].escala > 0) panel->SetEscalaActual(giros[i].escala);
        const CExtensionMapa antes = Vista();
        wxMouseEvent rueda(wxEVT_MOUSEWHEEL);
        rueda.SetPosition(cursor);
        rueda.m_wheelRotation = giros[i].giro;
        rueda.m_wheelDelta = 120;
        rueda.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
        panel->GetEventHandler()->ProcessEvent(rueda);
        if (giros[i].factor == 0) {  // at a limit: nothing
            EXPECT_EQ(Vista(), antes) << "case " << i;
            continue;
        }
        EXPECT_NEAR(Vista().GetAncho(), 600000.0 * giros[i].factor, 2.0) << "case " << i;
        EXPECT_NEAR(Mapa(cursor).GetCoordenadaMapaX(), punto.GetCoordenadaMapaX(), 2.0) << "case " << i;
        EXPECT_NEAR(Mapa(cursor).GetCoordenadaMapaY(), punto.GetCoordenadaMapaY(), 2.0) << "case " << i;
    }
    EXPECT_EQ(De(wxEVT_MAP_CAMBIO_EXTENSION).size(), 7u);  // five buttons, two wheel steps
    // A view in negative coordinates has the scale of its width, which a paint keeps.
    gestor.SetExtensionActual(CExtensionMapa(-50000.0, -40000.0, -20000.0, -10000.0));
    EXPECT_NEAR(panel->DeterminarEscalaActual(nullptr), EscalaDeAncho(30000.0), 1e-6);
    Repintar();
    EXPECT_NEAR(Vista().GetAncho(), 30000.0, 1e-6);
    EXPECT_NEAR(panel->GetEscalaActual(), EscalaDeAncho(30000.0), 1e-6);
    // Without a view manager navigation does nothing; the scale is still reported.
    eventos.clear();
    panel->SetGestorVista(nullptr);
    panel->Acercar();
    panel->ExtensionTotal();
    panel->CentrarXY(CCoordenadaMapa(1, 1));
    Mover(wxPoint(100, 100));
    Pintar();
    EXPECT_TRUE(De(wxEVT_MAP_CAMBIO_EXTENSION).empty());
    EXPECT_TRUE(De(wxEVT_MAP_XY_POS).empty());
    EXPECT_FALSE(De(wxEVT_MAP_NUEVA_ESCALA).empty());
}

// The zoom window is drawn while dragged (the inside untouched) and erased on
// release; the view becomes its extent unless 20 pixels wide or closer than 1:69000.
TEST_F(PanelMapaTest, ZoomWindowDrawnWhileDraggedAndApplied) {
    const struct {
        double escala;  // 0: the whole map
        wxPoint desde, hasta;
        bool aplicado;
    } casos[] = {
        {5000000, {200, 200}, {220, 260}, false},  // 20 pixels wide, far from 1:69000
        {0, {300, 200}, {321, 230}, true},         // 21 wide
        {0, {400, 300}, {340, 270}, true},         // dragged up and left
        {1000000, {300, 200}, {341, 240}, false},  // 40 of 790 pixels: about 1:50600
        {1500000, {400, 250}, {441, 290}, true},   // about 1:75900
    };
    for (size_t i = 0; i < std::size(casos); ++i) {
        const auto& c = casos[i];
        if (c.escala > 0) panel->SetEscalaActual(c.escala);
        else panel->ExtensionTotal();
        panel->ZoomVentana();
        Repintar();
        eventos.clear();
        const CExtensionMapa antes = Vista();
        const double resolucion = Resolucion(), escala = panel->GetEscalaActual();
        const wxRect r(wxPoint(std::min(c.desde.x, c.hasta.x), std::min(c.desde.y, c.hasta.y)),
                       wxPoint(std::max(c.desde.x, c.hasta.x) - 1, std::max(c.desde.y, c.hasta.y) - 1));
        Arrastrar(c.desde, c.hasta, false);
        const wxImage pantalla = CapturarPantalla(panel);
        int negros = 0;
        for (int x = r.x + 2; x < r.GetRight() - 1; ++x) {
            EXPECT_FALSE(Es(ColorEn(pantalla, x, r.y), kColorCapa)) << "case " << i << " top edge at x " << x;
            negros += ColorEn(pantalla, x, r.y).Red() < 60;
        }
        EXPECT_GT(negros, 0) << "case " << i;
        for (int y = r.y + 2; y < r.GetBottom() - 1; ++y)
            EXPECT_FALSE(Es(ColorEn(pantalla, r.x, y), kColorCapa)) << "case " << i << " left edge at y " << y;
        EXPECT_TRUE(Es(ColorEn(pantalla, r.x + r.width / 2, r.y + r.height / 2), kColorCapa)) << "case " << i;
        Soltar();
        EXPECT_TRUE(PantallaComoPanel(wxPoint(r.x + r.width / 2, r.y))) << "case " << i;
        EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_ZOOM_VENTANA) << "case " << i;
        EXPECT_EQ(De(wxEVT_MAP_CAMBIO_EXTENSION).size(), c.aplicado ? 1u : 0u) << "case " << i;
        const double ancho = c.aplicado ? (r.width - 1) * resolucion : antes.GetAncho();
        EXPECT_NEAR(Vista().GetAncho(), ancho, 2.0) << "case " << i;
        EXPECT_NEAR(Izquierda(), antes.GetCoordenadaInfIzqX() + (c.aplicado ? r.x * resolucion : 0), 2.0) << "case " << i;
        EXPECT_NEAR(panel->GetEscalaActual(), c.aplicado ? EscalaDeAncho(ancho) : escala, 10.0) << "case " << i;
    }
    // Geometry set on the tracker during a drag moves the gesture, not the window.
    panel->ExtensionTotal();
    panel->ZoomVentana();
    Repintar();
    const double izquierda = Izquierda(), resolucion = Resolucion();
    Arrastrar(wxPoint(100, 100), wxPoint(150, 130), false);
    auto* tracker = dynamic_cast<wxRectTracker*>(wxWindow::GetCapture());
    ASSERT_NE(tracker, nullptr);
    tracker->SetSize(wxSize(0, 0));
    tracker->Move(90, 95);
    EXPECT_TRUE(tracker->EnGesto());
    EXPECT_EQ(tracker->GetRect(), wxRect(wxPoint(0, 0), panel->GetClientSize()));
    Seguir(wxPoint(150, 130), wxPoint(160, 140));
    Soltar();
    EXPECT_NEAR(Vista().GetAncho(), 69 * resolucion, 2.0);  // (90, 95) to (160, 140)
    EXPECT_NEAR(Izquierda(), izquierda + 90 * resolucion, 2.0);
    // A press closer than 1:69000 leaves the tool.
    panel->SetEscalaActual(60000.0);
    Clic(wxPoint(300, 300));
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_NINGUNA);
}

// A right press or Escape drop a zoom window or a pan, keeping view and tool.
// A pan drags the map image (white where it uncovers nothing), then moves the
// view by the drag, stopping at the map's edge.
TEST_F(PanelMapaTest, CancelledDragsKeepTheViewAndAPanMovesItWithTheMouse) {
    panel->Acercar();
    panel->Acercar();
    Repintar();
    eventos.clear();
    const CExtensionMapa antes = Vista();
    const double resolucion = Resolucion();
    int caso = 0;
    for (int accion : {PanelMapa::ACCION_ZOOM_VENTANA, PanelMapa::ACCION_DESPLAZAR})
        for (bool escape : {false, true}) {
            panel->SetAccion(accion);
            Arrastrar(wxPoint(200 + 50 * caso, 250), wxPoint(400, 350), false);
            if (escape) simulador.Char(WXK_ESCAPE);
            else simulador.MouseClick(wxMOUSE_BTN_RIGHT);
            EXPECT_TRUE(EsperarHasta([] { return wxWindow::GetCapture() == nullptr; })) << "case " << caso;
            simulador.MouseUp();
            ProcesarEventos();
            EXPECT_NEAR(Izquierda(), antes.GetCoordenadaInfIzqX(), 2.0) << "case " << caso;
            EXPECT_NEAR(Vista().GetCoordenadaSupDerY(), antes.GetCoordenadaSupDerY(), 2.0) << "case " << caso;
            EXPECT_NEAR(Vista().GetAncho(), antes.GetAncho(), 2.0) << "case " << caso;
            EXPECT_TRUE(De(wxEVT_MAP_CAMBIO_EXTENSION).empty()) << "case " << caso;
            EXPECT_EQ(panel->GetAccion(), accion) << "case " << caso;
            EXPECT_TRUE(PantallaComoPanel(wxPoint(5, 300)) && PantallaComoPanel(wxPoint(300, 250))) << "case " << caso;
            ++caso;
        }
    // The pan tool, still on.
    Arrastrar(wxPoint(400, 300), wxPoint(500, 330), false);
    const wxImage pantalla = CapturarPantalla(panel);
    const struct { int x, y; bool blanco; } casos[] = {{5, 300, true}, {99, 300, true}, {100, 300, false},
                                                       {400, 29, true}, {400, 30, false}};
    for (size_t i = 0; i < std::size(casos); ++i)
        EXPECT_TRUE(Es(ColorEn(pantalla, casos[i].x, casos[i].y), casos[i].blanco ? *wxWHITE : kColorCapa)) << "case " << i;
    Soltar();
    EXPECT_TRUE(PantallaComoPanel(wxPoint(5, 300)));
    EXPECT_NEAR(Izquierda(), antes.GetCoordenadaInfIzqX() - 100 * resolucion, 2.0);
    EXPECT_NEAR(Vista().GetAncho(), antes.GetAncho(), 2.0);
    EXPECT_NEAR(Vista().GetCoordenadaSupDerY(), antes.GetCoordenadaSupDerY() + 30 * resolucion, 2.0);
    EXPECT_EQ(De(wxEVT_MAP_CAMBIO_EXTENSION).size(), 1u);
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_DESPLAZAR);
    Arrastrar(wxPoint(100, 300), wxPoint(700, 300));  // far past the left edge
    EXPECT_NEAR(Izquierda(), kGlobal.GetCoordenadaInfIzqX(), 2.0);
    EXPECT_NEAR(Vista().GetAncho(), antes.GetAncho(), 2.0);
}

// A measured line: a blue band follows the mouse, every click reports the
// length so far, a right press ends it (drawn, not closed).
TEST_F(PanelMapaTest, MeasuringLinesAndAreas) {
    panel->SetPanelMediciones(barra);
    panel->PrepararMedirDistancia();
    const wxPoint puntos[] = {{100, 100}, {300, 100}, {300, 250}};
    for (const wxPoint& p : puntos) Clic(p);
    Mover(wxPoint(300, 400));
    EXPECT_TRUE(EsperarHasta([this] { return EsAzul(ColorEn(CapturarPantalla(panel), 300, 325)); }));
    Clic(wxPoint(300, 400), wxMOUSE_BTN_RIGHT);
    EXPECT_TRUE(PantallaComoPanel(wxPoint(300, 325)));
    EXPECT_FALSE(EsAzul(ColorEn(Imagen(), 300, 325)));
    const auto medidas = De(wxEVT_MAP_MEDIR_DISTANCIA);
    ASSERT_EQ(medidas.size(), 3u);
    const CCoordenadaMapa a = Mapa(puntos[0]), b = Mapa(puntos[1]), c = Mapa(puntos[2]);
    EXPECT_DOUBLE_EQ(medidas[0].GetMedicion(), 0.0);
    EXPECT_NEAR(medidas[1].GetMedicion(), a.GetDistance(b), 2.0);
    EXPECT_NEAR(medidas[2].GetMedicion(), a.GetDistance(b) + b.GetDistance(c), 2.0);
    const wxImage imagen = Imagen();
    EXPECT_TRUE(EsAzul(ColorEn(imagen, 200, 100)));
    EXPECT_TRUE(EsAzul(ColorEn(imagen, 300, 180)));
    EXPECT_FALSE(EsAzul(ColorEn(imagen, 200, 175)));
    // A new press starts a new line.
    Clic(wxPoint(500, 400));
    Clic(wxPoint(500, 400), wxMOUSE_BTN_RIGHT);
    EXPECT_EQ(panel->GetMediciones()->GetPolyLinea()->GetNumPuntos(), 1u);
    // An area ends with a double click and is drawn closed, only with a measurement bar.
    panel->PrepararMedirSuperficie();
    for (const wxPoint& p : {wxPoint(100, 100), wxPoint(300, 100), wxPoint(300, 300)}) Clic(p);
    EXPECT_TRUE(De(wxEVT_MAP_MEDIR_SUPERFICIE).empty());
    simulador.MouseDblClick();
    ProcesarEventos();
    const auto areas = De(wxEVT_MAP_MEDIR_SUPERFICIE);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_NEAR(areas[0].GetMedicion(), 0.5 * std::pow(200 * Resolucion(), 2), 1e-4 * areas[0].GetMedicion());
    EXPECT_EQ(areas[0].GetId(), panel->GetId());
    EXPECT_TRUE(EsAzul(ColorEn(Imagen(), 200, 200)));
    EXPECT_FALSE(EsAzul(ColorEn(Imagen(), 150, 250)));
    panel->SetPanelMediciones(nullptr);
    EXPECT_FALSE(EsAzul(ColorEn(Imagen(), 200, 200)));
    // The bar, without its pictures (none next to the test executable), keeps its
    // close button, which reports to the frame and hides the bar.
    barra->Show();
    auto* cerrar = dynamic_cast<wxBitmapButton*>(barra->FindWindow(CMedicionesPanel::ID_CERRAR));
    ASSERT_NE(cerrar, nullptr);
    EXPECT_EQ(cerrar->GetPosition(), wxPoint(276, 2));
    wxCommandEvent pulsado(wxEVT_BUTTON, CMedicionesPanel::ID_CERRAR);
    pulsado.SetEventObject(cerrar);
    cerrar->GetEventHandler()->ProcessEvent(pulsado);
    ASSERT_EQ(De(wxEVT_CERRAR_MEDICIONES).size(), 1u);
    EXPECT_EQ(De(wxEVT_CERRAR_MEDICIONES)[0].GetId(), barra->GetId());
    EXPECT_FALSE(barra->IsShown());
}

// Motions report the map position; an information click the point and its
// tolerance; a right click offers the image menu over a painted map. A search
// result is centred, and outlined in red at the next paint only.
TEST_F(PanelMapaTest, MotionInformationImageMenuAndSearchResult) {
    panel->SetAccion(PanelMapa::ACCION_INFORMACION);
    Clic(wxPoint(250, 150));
    const CCoordenadaMapa p = Mapa(wxPoint(250, 150));
    EXPECT_TRUE(EsperarHasta([&] {
        const auto& lista = De(wxEVT_MAP_XY_POS);
        return !lista.empty() && lista.back().x == p.GetCoordenadaMapaX() && lista.back().y == p.GetCoordenadaMapaY();
    }));
    EXPECT_EQ(De(wxEVT_MAP_XY_POS).back().GetId(), panel->GetId());
    ASSERT_EQ(panel->informaciones.size(), 1u);
    EXPECT_DOUBLE_EQ(panel->informaciones[0].first.GetCoordenadaMapaX(), p.GetCoordenadaMapaX());
    EXPECT_NEAR(panel->informaciones[0].second, std::sqrt(18.0) * Resolucion(), 2.0);  // a (3, 3) pixel step
    panel->SetAccion(PanelMapa::ACCION_NINGUNA);
    panel->Refresh(true);  // the map image is gone until the next paint
    wxMouseEvent clic(wxEVT_RIGHT_DOWN);
    clic.SetPosition(wxPoint(50, 60));
    panel->GetEventHandler()->ProcessEvent(clic);
    EXPECT_TRUE(panel->menus.empty());
    Repintar();
    panel->GetEventHandler()->ProcessEvent(clic);
    panel->SetAccion(PanelMapa::ACCION_DESPLAZAR);
    panel->GetEventHandler()->ProcessEvent(clic);
    EXPECT_EQ(panel->menus, std::vector<wxPoint>{wxPoint(50, 60)});
    eventos.clear();
    auto geometria = std::make_unique<CMediciones>(nullptr, -1, wxPoint(0, 0), wxSize(0, 0), 0);
    const double x = 200000.0, y = 4100000.0;
    for (const auto& q : {CCoordenadaMapa(x, y), CCoordenadaMapa(x + 40000, y), CCoordenadaMapa(x + 40000, y + 20000),
                          CCoordenadaMapa(x, y + 20000)})
        geometria->AddCoordenadasPoligono(q);
    panel->ResaltarElementoBusqueda(CShape::Poligono, std::move(geometria));
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_RESALTAR_BUSQUEDA);
    EXPECT_NEAR(Vista().GetCoordenadaInfIzqX() + Vista().GetCoordenadaSupDerX(), 2 * x + 40000, 4.0);
    EXPECT_NEAR(Vista().GetCoordenadaInfIzqY() + Vista().GetCoordenadaSupDerY(), 2 * y + 20000, 4.0);
    EXPECT_EQ(De(wxEVT_MAP_CAMBIO_EXTENSION).size(), 1u);
    const int izquierda = static_cast<int>((x - gestor.ReadaptarExtensionActual().GetCoordenadaInfIzqX()) / Resolucion());
    EXPECT_TRUE(Es(ColorEn(Imagen(), izquierda, kAlto / 2), *wxRED, 56));
    EXPECT_EQ(panel->GetAccion(), PanelMapa::ACCION_NINGUNA);
    EXPECT_FALSE(Es(ColorEn(Imagen(), izquierda, kAlto / 2), *wxRED, 56));
}

// Cursor files that are missing or damaged give stock cursors; a layer file
// that cannot be opened is refused with one message saying why.
TEST_F(PanelMapaTest, MissingOrDamagedCursorAndLayerFiles) {
    DirectorioPrueba dir;
    std::ofstream(dir.Subdirectorio("cursor", false) + "/pan.cur", std::ios::binary).write("\0\0\2\0\1\0 not a cursor", 20);
    for (const wxString& ruta : {wxString::FromUTF8(dir.Ruta()), wxString::FromUTF8(VAQ_SOURCE_DIR "/data/app")}) {
        panel->SetRutaAplicacion(ruta);
        for (int accion : {11, 12, 13, 30, 31, 0}) {
            panel->SetAccion(accion);
            EXPECT_TRUE(panel->GetCursor().IsOk()) << ruta << " " << accion;
        }
    }
    std::ofstream(dir / "Rios.shp") << "no es un shapefile";
    std::vector<wxString> mensajes;
    SetReceptorMensajes([&](const wxString& texto, const wxString&) { mensajes.push_back(texto); });
    const int capas = gestor.GetNumCapas();
    EXPECT_FALSE(panel->CargarArchivoCapa(wxString::FromUTF8(dir / "Rios.shp")));
    SetReceptorMensajes({});
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].Contains(wxString::FromUTF8("índice .shx de Rios.shp"))) << mensajes[0];
    EXPECT_EQ(gestor.GetNumCapas(), capas);
}
