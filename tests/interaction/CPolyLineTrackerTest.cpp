#include "CPolyLineTracker.h"
#include "VentanaPruebaTrackers.h"

namespace {

bool EsAzul(const wxColour& c) { return c.Red() < 40 && c.Green() < 40 && c.Blue() > 215; }

// The map panel's measuring protocol.
class PolyLineTrackerMedicion : public VentanaPruebaTrackers {
protected:
    void SetUp() override {
        VentanaPruebaTrackers::SetUp();
        tracker = new CPolyLineTracker(panel, 31, wxPoint(0, 0), wxSize(0, 0), 0);
        panel->alPulsar = [this](wxMouseEvent& e) {
            tracker->Inicializar();
            tracker->GetEventHandler()->AddPendingEvent(e);
        };
    }
    void Clic(const wxPoint& p, wxWindow* receptor) {
        Mover(p, receptor);
        Boton(true, wxMOUSE_BTN_LEFT, receptor, wxEVT_LEFT_DOWN);
        Boton(false, wxMOUSE_BTN_LEFT, tracker, wxEVT_LEFT_UP);
    }
    int Contar(wxEventType tipo) const {
        int n = 0;
        for (const auto& e : panel->mapa) n += e.tipo == tipo;
        return n;
    }

    CPolyLineTracker* tracker = nullptr;
};

TEST_F(PolyLineTrackerMedicion, ClicksSendPointsAndTheBandFollowsTheMouse) {
    Clic(wxPoint(50, 50), panel);
    ASSERT_TRUE(EsperarHasta([this] { return tracker->EnGesto() && tracker->HasCapture(); }));
    ASSERT_EQ(panel->mapa.size(), 1u);
    EXPECT_EQ(panel->mapa[0].tipo, static_cast<wxEventType>(wxEVT_MAP_NUEVO_PUNTO));
    EXPECT_EQ(panel->mapa[0].tipo, 13006);
    EXPECT_EQ(panel->mapa[0].id, 31);
    EXPECT_DOUBLE_EQ(panel->mapa[0].x, 50);
    EXPECT_DOUBLE_EQ(panel->mapa[0].y, 50);

    Mover(wxPoint(150, 90), tracker);
    EXPECT_EQ(tracker->GetUltimoPunto(), wxPoint(150, 90));
    wxImage pantalla = CapturarPantalla(panel);
    EXPECT_TRUE(EsAzul(ColorEn(pantalla, 100, 70))) << "band from the first point to the mouse";
    EXPECT_TRUE(EsFondo(ColorEn(pantalla, 100, 80)));

    Mover(wxPoint(150, 150), tracker);  // the band moves, the old one is erased
    pantalla = CapturarPantalla(panel);
    EXPECT_TRUE(EsAzul(ColorEn(pantalla, 100, 100)));
    EXPECT_TRUE(EsFondo(ColorEn(pantalla, 100, 70)));

    Clic(wxPoint(150, 150), tracker);
    ASSERT_EQ(panel->mapa.size(), 2u);
    EXPECT_DOUBLE_EQ(panel->mapa[1].x, 150);
    EXPECT_DOUBLE_EQ(panel->mapa[1].y, 150);
    Mover(wxPoint(250, 150), tracker);
    pantalla = CapturarPantalla(panel);
    EXPECT_TRUE(EsAzul(ColorEn(pantalla, 100, 100))) << "the clicked segment stays";
    EXPECT_TRUE(EsAzul(ColorEn(pantalla, 200, 150))) << "band from the second point";
    EXPECT_FALSE(panel->Ultimo(wxEVT_MOTION) && panel->Ultimo(wxEVT_MOTION)->posicion == wxPoint(250, 150))
        << "motions are not forwarded";

    Mover(wxPoint(250, 160), tracker);
    Boton(true, wxMOUSE_BTN_RIGHT, tracker, wxEVT_RIGHT_DOWN);
    ASSERT_EQ(Contar(wxEVT_MAP_FIN_LINEA), 1);
    EXPECT_EQ(panel->mapa.back().tipo, 13007);
    EXPECT_DOUBLE_EQ(panel->mapa.back().x, 250);
    EXPECT_DOUBLE_EQ(panel->mapa.back().y, 160);
    EXPECT_FALSE(tracker->HasCapture());
    EXPECT_FALSE(tracker->EnGesto());
    pantalla = CapturarPantalla(panel);
    EXPECT_TRUE(EsFondo(ColorEn(pantalla, 100, 100))) << "nothing left on the screen";
    EXPECT_TRUE(EsFondo(ColorEn(pantalla, 200, 150)));
    Boton(false, wxMOUSE_BTN_RIGHT, panel, wxEVT_RIGHT_UP);
    ASSERT_NE(panel->Ultimo(wxEVT_RIGHT_UP), nullptr);  // the right release is forwarded
}

TEST_F(PolyLineTrackerMedicion, DoubleClickEndsTheLine) {
    Clic(wxPoint(60, 60), panel);
    ASSERT_TRUE(EsperarHasta([this] { return tracker->EnGesto(); }));
    Mover(wxPoint(120, 60), tracker);
    simulador.MouseDblClick();
    ASSERT_TRUE(EsperarHasta([this] { return Contar(wxEVT_MAP_FIN_LINEA) == 1; }));
    EXPECT_DOUBLE_EQ(panel->mapa.back().x, 120);
    EXPECT_GE(Contar(wxEVT_MAP_NUEVO_PUNTO), 2);
    EXPECT_FALSE(tracker->EnGesto());
    // The next press in the panel starts a new line.
    panel->mapa.clear();
    Clic(wxPoint(200, 200), panel);
    ASSERT_TRUE(EsperarHasta([this] { return tracker->EnGesto(); }));
    ASSERT_EQ(panel->mapa.size(), 1u);
    EXPECT_EQ(tracker->GetPuntoAnterior(), wxPoint(200, 200));
    wxKeyEvent escape(wxEVT_CHAR);
    escape.m_keyCode = WXK_ESCAPE;
    tracker->GetEventHandler()->ProcessEvent(escape);
    EXPECT_EQ(Contar(wxEVT_MAP_FIN_LINEA), 1);
    EXPECT_FALSE(tracker->EnGesto());
}

TEST(PolyLineTrackerSinCaptura, ADoubleClickWithoutCaptureSendsNothing) {
    wxFrame marco(nullptr, wxID_ANY, "sin captura");
    int eventos = 0;
    marco.Bind(wxEVT_MAP_FIN_LINEA, [&eventos](wxMapEvent&) { ++eventos; });
    marco.Bind(wxEVT_MAP_NUEVO_PUNTO, [&eventos](wxMapEvent&) { ++eventos; });
    CPolyLineTracker tracker(&marco, wxID_ANY, wxPoint(0, 0), wxSize(0, 0));
    wxMouseEvent doble(wxEVT_LEFT_DCLICK);
    doble.SetPosition(wxPoint(10, 10));
    tracker.GetEventHandler()->ProcessEvent(doble);
    wxMouseEvent derecho(wxEVT_RIGHT_DOWN);
    tracker.GetEventHandler()->ProcessEvent(derecho);
    EXPECT_EQ(eventos, 0);
}

TEST(PolyLineTrackerPuntos, PreviousAndLastPointsFollowTheClicks) {
    wxFrame marco(nullptr, wxID_ANY, "puntos");
    CPolyLineTracker tracker(&marco, wxID_ANY, wxPoint(0, 0), wxSize(0, 0));
    auto pulsar = [&tracker](wxEventType tipo, const wxPoint& p) {
        wxMouseEvent e(tipo);
        e.SetPosition(p);
        tracker.GetEventHandler()->ProcessEvent(e);
    };
    tracker.Inicializar();
    pulsar(wxEVT_LEFT_DOWN, wxPoint(10, 20));
    EXPECT_EQ(tracker.GetPuntoAnterior(), wxPoint(10, 20));
    EXPECT_EQ(tracker.GetUltimoPunto(), wxPoint(10, 20));
    pulsar(wxEVT_MOTION, wxPoint(30, 40));
    EXPECT_EQ(tracker.GetUltimoPunto(), wxPoint(30, 40));
    pulsar(wxEVT_LEFT_DOWN, wxPoint(31, 41));
    EXPECT_EQ(tracker.GetPuntoAnterior(), wxPoint(30, 40));
    EXPECT_EQ(tracker.GetUltimoPunto(), wxPoint(31, 41));
    pulsar(wxEVT_RIGHT_DOWN, wxPoint(31, 41));
    tracker.Inicializar();
    EXPECT_EQ(tracker.GetPuntoAnterior(), wxPoint(0, 0));
    EXPECT_EQ(tracker.GetUltimoPunto(), wxPoint(0, 0));
    EXPECT_FALSE(tracker.HasCapture());
}

}  // namespace
