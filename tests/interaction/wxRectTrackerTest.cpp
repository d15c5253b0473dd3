#include "VentanaPruebaTrackers.h"
#include "wxRectTracker.h"

namespace {

TEST(RectTrackerZonas, HitTestFollowsTheBandsAndHandles) {
    wxFrame marco(nullptr, wxID_ANY, "zonas");
    wxRectTracker tracker(&marco, wxID_ANY, wxPoint(10, 10), wxSize(0, 0));
    EXPECT_EQ(tracker.HitTest(0, 0), 6);  // a zero-sized tracker grows from its corner
    EXPECT_FALSE(tracker.IsShown());      // and takes no room on the screen

    tracker.SetSize(10, 10, 100, 50);
    EXPECT_TRUE(tracker.IsShown());
    EXPECT_EQ(tracker.HitTest(50, 0), 1);
    EXPECT_EQ(tracker.HitTest(0, 25), 8);
    EXPECT_EQ(tracker.HitTest(99, 49), 6);
    EXPECT_EQ(tracker.HitTest(50, 25), 0);
    EXPECT_EQ(tracker.HitTest(101, 10), -1);
    EXPECT_EQ(tracker.HitTest(2, 2), 9);
    EXPECT_EQ(tracker.HitTest(99, 2), 3);
    EXPECT_EQ(tracker.HitTest(2, 48), 12);
    EXPECT_EQ(tracker.HitTest(98, 25), 2);
    EXPECT_EQ(tracker.HitTest(50, 48), 4);
    EXPECT_EQ(tracker.HitTest(30, 2), 0);  // top band between the handles
}

TEST(RectTrackerLimites, RatioAndMaximumRectangle) {
    wxFrame marco(nullptr, wxID_ANY, "limites");
    wxRectTracker tracker(&marco, wxID_ANY, wxPoint(0, 0), wxSize(0, 0));
    tracker.SetRatio(0.5);
    EXPECT_DOUBLE_EQ(tracker.GetRatio(), 2.0);
    tracker.SetRatio(2);
    EXPECT_DOUBLE_EQ(tracker.GetRatio(), 2.0);
    tracker.SetRatio(0);
    EXPECT_DOUBLE_EQ(tracker.GetRatio(), 0.0);

    // No maximum: unchanged.
    wxRect r(-20, -10, 50, 40);
    tracker.AdjustTrackerRect(r, 0);
    EXPECT_EQ(r, wxRect(-20, -10, 50, 40));

    tracker.SetMaxRect(wxRect(0, 0, 100, 80));
    r = wxRect(-20, 70, 50, 40);  // a move is shifted inside
    tracker.AdjustTrackerRect(r, 0);
    EXPECT_EQ(r, wxRect(0, 40, 50, 40));
    r = wxRect(-20, 70, 50, 40);  // a resize is cut at the edges
    tracker.AdjustTrackerRect(r, wxRectTracker::BOTTOM | wxRectTracker::RIGHT);
    EXPECT_EQ(r, wxRect(0, 70, 30, 10));

    tracker.SetRatio(2);
    r = wxRect(10, 10, 40, 10);  // dragging the right edge: height follows width
    tracker.AdjustTrackerRect(r, wxRectTracker::RIGHT);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.width) / r.height, 2.0);
    EXPECT_EQ(r.GetTopLeft(), wxPoint(10, 10));
    r = wxRect(10, 10, 40, 30);  // dragging the top edge: the bottom stays
    tracker.AdjustTrackerRect(r, wxRectTracker::TOP);
    EXPECT_EQ(r, wxRect(10, 10, 60, 30));
}

TEST(RectTrackerTeclado, ArrowsMoveAndShiftResizes) {
    wxFrame marco(nullptr, wxID_ANY, "teclado");
    int cambios = 0;
    marco.Bind(EVT_TRACKER_CHANGED, [&cambios](wxCommandEvent&) { ++cambios; });
    wxRectTracker tracker(&marco, 7, wxPoint(20, 20), wxSize(40, 30));
    auto tecla = [&tracker](int codigo, int modificadores) {
        wxKeyEvent e(wxEVT_CHAR);
        e.m_keyCode = codigo;
        e.m_controlDown = (modificadores & wxMOD_CONTROL) != 0;
        e.m_shiftDown = (modificadores & wxMOD_SHIFT) != 0;
        e.SetEventObject(&tracker);
        tracker.GetEventHandler()->ProcessEvent(e);
    };
    tecla(WXK_RIGHT, 0);
    EXPECT_EQ(tracker.GetRect(), wxRect(21, 20, 40, 30));
    tecla(WXK_UP, wxMOD_CONTROL);
    EXPECT_EQ(tracker.GetRect(), wxRect(21, 10, 40, 30));
    tecla(WXK_LEFT, wxMOD_SHIFT);
    EXPECT_EQ(tracker.GetRect(), wxRect(21, 10, 39, 30));
    tecla(WXK_DOWN, wxMOD_SHIFT | wxMOD_CONTROL);
    EXPECT_EQ(tracker.GetRect(), wxRect(21, 10, 39, 40));
    EXPECT_EQ(cambios, 4);
    tecla('a', 0);  // other keys pass
    EXPECT_EQ(cambios, 4);
}

// The map panel's zoom-window protocol.
class RectTrackerArrastre : public VentanaPruebaTrackers {
protected:
    void SetUp() override {
        VentanaPruebaTrackers::SetUp();
        tracker = new wxRectTracker(panel, 42, wxPoint(0, 0), wxSize(0, 0), 0);
        panel->alPulsar = [this](wxMouseEvent& e) {
            tracker->SetSize(e.GetX(), e.GetY(), 0, 0);
            wxMouseEvent copia(e);
            copia.SetPosition(wxPoint(0, 0));
            tracker->GetEventHandler()->AddPendingEvent(copia);
        };
        panel->alSoltar = [this](wxMouseEvent&) {
            rectanguloSoltado = tracker->GetRect();
            tracker->SetSize(0, 0, 0, 0);
        };
        panel->alPulsarDerecho = [this](wxMouseEvent&) {
            tracker->SetSize(wxSize(0, 0));
        };
    }

    void Empezar(const wxPoint& p) {
        Mover(p, panel);
        Boton(true, wxMOUSE_BTN_LEFT, panel, wxEVT_LEFT_DOWN);
        ASSERT_TRUE(EsperarHasta([this] { return tracker->EnGesto() && tracker->HasCapture(); }));
    }

    // Top edge of r on the screen: solid black under dotted white, nothing of
    // the panel's colour; the inside and the outside keep the panel's colour.
    void ComprobarContorno(const wxRect& r) {
        const wxImage pantalla = CapturarPantalla(panel);
        int negros = 0, blancos = 0;
        for (int x = r.x + 2; x < r.x + r.width - 2; ++x) {
            const wxColour c = ColorEn(pantalla, x, r.y);
            EXPECT_FALSE(EsFondo(c)) << "top edge at x " << x;
            negros += c.Red() < 60 && c.Green() < 60;
            blancos += c.Red() > 200 && c.Green() > 200;
        }
        EXPECT_GT(negros, 0);
        EXPECT_GT(blancos, 0);
        for (int y = r.y + 2; y < r.y + r.height - 2; ++y) {
            EXPECT_FALSE(EsFondo(ColorEn(pantalla, r.x, y))) << "left edge at y " << y;
            EXPECT_FALSE(EsFondo(ColorEn(pantalla, r.x + r.width - 1, y))) << "right edge at y " << y;
        }
        EXPECT_TRUE(EsFondo(ColorEn(pantalla, r.x + r.width / 2, r.y + r.height / 2)));
        EXPECT_TRUE(EsFondo(ColorEn(pantalla, r.x + r.width / 2, r.y - 4)));
    }

    void ComprobarSinRastro(const wxRect& r) {
        const wxImage pantalla = CapturarPantalla(panel);
        for (int x = r.x; x < r.x + r.width; ++x) {
            EXPECT_TRUE(EsFondo(ColorEn(pantalla, x, r.y))) << "left over at x " << x;
            EXPECT_TRUE(EsFondo(ColorEn(pantalla, x, r.y + r.height - 1))) << "left over at x " << x;
        }
    }

    wxRectTracker* tracker = nullptr;
    wxRect rectanguloSoltado;
};

TEST_F(RectTrackerArrastre, DragUpAndLeftGivesTheNormalisedRectangle) {
    Empezar(wxPoint(100, 100));
    Mover(wxPoint(70, 85), tracker);
    EXPECT_EQ(tracker->GetEstado() & wxRectTracker::DIBUJADO, wxRectTracker::DIBUJADO);
    ComprobarContorno(wxRect(70, 85, 30, 15));

    Mover(wxPoint(40, 70), tracker);
    ComprobarContorno(wxRect(40, 70, 60, 30));
    ComprobarSinRastro(wxRect(70, 85, 30, 15).Intersect(wxRect(0, 0, 400, 69)));  // the old top edge is gone
    {
        const wxImage pantalla = CapturarPantalla(panel);
        EXPECT_TRUE(EsFondo(ColorEn(pantalla, 85, 85))) << "the earlier rectangle stays erased";
    }

    const int cambiosAntes = panel->ContarNotificaciones(EVT_TRACKER_CHANGING);
    EXPECT_GE(cambiosAntes, 2);
    Boton(false, wxMOUSE_BTN_LEFT, panel, wxEVT_LEFT_UP);

    EXPECT_EQ(rectanguloSoltado, wxRect(40, 70, 60, 30));
    ASSERT_NE(panel->Ultimo(wxEVT_LEFT_UP), nullptr);
    EXPECT_EQ(panel->Ultimo(wxEVT_LEFT_UP)->posicion, wxPoint(40, 70));  // panel pixels
    EXPECT_EQ(panel->ContarNotificaciones(EVT_TRACKER_CHANGED), 1);
    EXPECT_EQ(panel->notificaciones.back().id, 42);
    EXPECT_EQ(panel->notificaciones.back().objeto, tracker);
    EXPECT_GE(panel->refrescosBorrando, 1);
    EXPECT_FALSE(tracker->HasCapture());
    EXPECT_FALSE(tracker->EnGesto());
    EXPECT_FALSE(tracker->IsShown());
    EXPECT_EQ(tracker->GetEstado(), 0);
    ComprobarSinRastro(wxRect(40, 70, 60, 30));
}

TEST_F(RectTrackerArrastre, MotionsReachThePanelInItsOwnPixels) {
    Empezar(wxPoint(200, 150));
    Mover(wxPoint(230, 190), tracker);
    ProcesarEventos();
    ASSERT_NE(panel->Ultimo(wxEVT_MOTION), nullptr);
    EXPECT_EQ(panel->Ultimo(wxEVT_MOTION)->posicion, wxPoint(230, 190));
    Boton(false, wxMOUSE_BTN_LEFT, panel, wxEVT_LEFT_UP);
    EXPECT_EQ(rectanguloSoltado, wxRect(200, 150, 30, 40));
}

TEST_F(RectTrackerArrastre, EscapeCancelsLikeTheRightButton) {
    Empezar(wxPoint(100, 100));
    Mover(wxPoint(160, 140), tracker);
    ComprobarContorno(wxRect(100, 100, 60, 40));

    wxKeyEvent escape(wxEVT_CHAR);
    escape.m_keyCode = WXK_ESCAPE;
    tracker->GetEventHandler()->ProcessEvent(escape);
    ProcesarEventos();

    EXPECT_EQ(panel->Contar(wxEVT_RIGHT_DOWN), 1);
    EXPECT_EQ(panel->Contar(wxEVT_LEFT_UP), 0);
    EXPECT_FALSE(tracker->HasCapture());
    EXPECT_FALSE(tracker->EnGesto());
    EXPECT_EQ(tracker->GetSize(), wxSize(0, 0));
    ComprobarSinRastro(wxRect(100, 100, 60, 40));

    // The button still held: moving draws nothing any more.
    Mover(wxPoint(180, 160), panel);
    ComprobarSinRastro(wxRect(100, 100, 80, 60));
}

TEST_F(RectTrackerArrastre, RightButtonCancels) {
    Empezar(wxPoint(100, 100));
    Mover(wxPoint(150, 130), tracker);
    Boton(true, wxMOUSE_BTN_RIGHT, panel, wxEVT_RIGHT_DOWN);
    EXPECT_EQ(panel->Contar(wxEVT_RIGHT_DOWN), 1);
    EXPECT_FALSE(tracker->HasCapture());
    EXPECT_FALSE(tracker->EnGesto());
    ComprobarSinRastro(wxRect(100, 100, 50, 30));
    Boton(false, wxMOUSE_BTN_RIGHT, panel, wxEVT_RIGHT_UP);
}

TEST_F(RectTrackerArrastre, AClickWithoutDragLeavesNoRectangle) {
    Empezar(wxPoint(120, 80));
    Boton(false, wxMOUSE_BTN_LEFT, panel, wxEVT_LEFT_UP);
    EXPECT_EQ(rectanguloSoltado, wxRect(120, 80, 0, 0));
    EXPECT_EQ(panel->ContarNotificaciones(EVT_TRACKER_CHANGED), 0);
    EXPECT_FALSE(tracker->EnGesto());
}

}  // namespace

namespace {
// Escape typed on the keyboard (through the X server) reaches the tracker.
TEST_F(RectTrackerArrastre, EscapeFromTheKeyboard) {
    Empezar(wxPoint(100, 100));
    Mover(wxPoint(150, 150), tracker);
    simulador.Char(WXK_ESCAPE);
    EXPECT_TRUE(EsperarHasta([this] { return !tracker->EnGesto(); }));
    EXPECT_EQ(panel->Contar(wxEVT_RIGHT_DOWN), 1);
}
}  // namespace

namespace {
// Geometry set by the parent during a drag becomes the tracker's own; the
// window keeps covering the panel and the drag goes on from it.
TEST_F(RectTrackerArrastre, GeometrySetDuringADragIsKeptForItsEnd) {
    Empezar(wxPoint(100, 100));
    Mover(wxPoint(150, 130), tracker);
    tracker->SetSize(wxSize(0, 0));
    tracker->Move(90, 95);
    EXPECT_TRUE(tracker->EnGesto());
    EXPECT_EQ(tracker->GetSize(), panel->GetClientSize());
    EXPECT_EQ(tracker->GetPosition(), wxPoint(0, 0));
    Mover(wxPoint(160, 140), tracker);
    ComprobarContorno(wxRect(90, 95, 70, 45));  // mouse (160, 140) is (70, 45) from the moved corner
    Boton(false, wxMOUSE_BTN_LEFT, panel, wxEVT_LEFT_UP);
    EXPECT_EQ(rectanguloSoltado, wxRect(90, 95, 70, 45));
}
}  // namespace
