#include "VentanaPruebaTrackers.h"
#include "wxBitmapTracker.h"

namespace {

// 400 x 300: red left half, blue right half, a yellow 10 x 10 square at (100, 100).
wxBitmap ImagenMapa() {
    wxBitmap imagen(400, 300, 24);
    wxMemoryDC dc(imagen);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxRED_BRUSH);
    dc.DrawRectangle(0, 0, 200, 300);
    dc.SetBrush(*wxBLUE_BRUSH);
    dc.DrawRectangle(200, 0, 200, 300);
    dc.SetBrush(*wxYELLOW_BRUSH);
    dc.DrawRectangle(100, 100, 10, 10);
    return imagen;
}

bool Es(const wxColour& c, const wxColour& esperado) {
    return std::abs(c.Red() - esperado.Red()) < 8 && std::abs(c.Green() - esperado.Green()) < 8 &&
           std::abs(c.Blue() - esperado.Blue()) < 8;
}

// Drawing alone: the image shifted, the bare strips white.
TEST(BitmapTrackerDibujo, ShiftedImageWithWhiteStrips) {
    wxFrame marco(nullptr, wxID_ANY, "dibujo");
    wxBitmapTracker tracker(&marco, wxID_ANY, wxPoint(5, 5), wxSize(0, 0));
    wxBitmap original = ImagenMapa();
    tracker.SetBitmap(&original);
    {  // the tracker keeps its own copy
        wxMemoryDC dc(original);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
    }
    wxBitmap destino(400, 300, 24);
    {
        wxMemoryDC dc(destino);
        dc.SetBackground(*wxGREEN_BRUSH);
        dc.Clear();
        tracker.DrawTracker(dc, 30, -10, 0, 0);
    }
    const wxImage r = destino.ConvertToImage();
    EXPECT_TRUE(Es(ColorEn(r, 0, 100), *wxWHITE));
    EXPECT_TRUE(Es(ColorEn(r, 29, 100), *wxWHITE));
    EXPECT_TRUE(Es(ColorEn(r, 30, 100), *wxRED));
    EXPECT_TRUE(Es(ColorEn(r, 200, 290), *wxWHITE));  // bottom strip, 10 high
    EXPECT_TRUE(Es(ColorEn(r, 200, 289), *wxRED));     // image x 170
    EXPECT_TRUE(Es(ColorEn(r, 135, 95), *wxYELLOW));   // (100, 100) moved by (30, -10)
    EXPECT_TRUE(Es(ColorEn(r, 235, 95), *wxBLUE));
}

TEST(BitmapTrackerDibujo, NullOrInvalidImages) {
    wxFrame marco(nullptr, wxID_ANY, "nula");
    wxBitmapTracker tracker(&marco, wxID_ANY, wxPoint(0, 0));
    EXPECT_EQ(tracker.GetBitmap(), nullptr);
    tracker.SetBitmap(nullptr);
    EXPECT_EQ(tracker.GetBitmap(), nullptr);
    wxBitmap invalida;
    tracker.SetBitmap(&invalida);
    ASSERT_NE(tracker.GetBitmap(), nullptr);
    wxBitmap destino(20, 20, 24);
    wxMemoryDC dc(destino);
    tracker.DrawTracker(dc, 5, 5, 0, 0);  // nothing to draw, no crash
}

// The map panel's pan protocol: a tracker per pan.
class BitmapTrackerPan : public VentanaPruebaTrackers {
protected:
    void SetUp() override {
        VentanaPruebaTrackers::SetUp();
        panel->imagen = ImagenMapa();
        panel->Refresh(false);
        panel->alPulsar = [this](wxMouseEvent& e) {
            panning = true;
            tracker = new wxBitmapTracker(panel, 77, e.GetPosition(), wxSize(0, 0), 0);
            tracker->SetBitmap(&panel->imagen);
            tracker->SetSize(0, 0, 0, 0);
            tracker->GetEventHandler()->AddPendingEvent(e);
        };
        panel->alSoltar = [this](wxMouseEvent& e) {
            if (!tracker) return;
            soltadoEn = e.GetPosition();
            Terminar();
        };
        panel->alPulsarDerecho = [this](wxMouseEvent&) {
            ++derechos;
            if (!panning) return;
            ++cancelaciones;
            Terminar();
        };
    }
    void Terminar() {
        panning = false;
        tracker->Destroy();
        tracker = nullptr;
    }
    void Empezar(const wxPoint& p) {
        Mover(p, panel);
        Boton(true, wxMOUSE_BTN_LEFT, panel, wxEVT_LEFT_DOWN);
        ASSERT_TRUE(EsperarHasta([this] { return tracker && tracker->EnGesto() && tracker->HasCapture(); }));
    }

    wxBitmapTracker* tracker = nullptr;
    bool panning = false;
    wxPoint soltadoEn{-1, -1};
    int derechos = 0;
    int cancelaciones = 0;
};

TEST_F(BitmapTrackerPan, TheImageFollowsTheMouseWithWhiteStrips) {
    Empezar(wxPoint(150, 150));
    Mover(wxPoint(180, 140), tracker);  // 30 right, 10 up
    EXPECT_EQ(tracker->GetDesplazamiento(), wxPoint(30, -10));
    const wxImage pantalla = CapturarPantalla(panel);
    EXPECT_TRUE(Es(ColorEn(pantalla, 5, 150), *wxWHITE));
    EXPECT_TRUE(Es(ColorEn(pantalla, 29, 150), *wxWHITE));
    EXPECT_TRUE(Es(ColorEn(pantalla, 30, 150), *wxRED));
    EXPECT_TRUE(Es(ColorEn(pantalla, 300, 295), *wxWHITE));
    EXPECT_TRUE(Es(ColorEn(pantalla, 135, 95), *wxYELLOW));
    EXPECT_TRUE(Es(ColorEn(pantalla, 229, 50), *wxRED));   // the halves moved too
    EXPECT_TRUE(Es(ColorEn(pantalla, 231, 50), *wxBLUE));
    EXPECT_GE(panel->ContarNotificaciones(EVT_BMPTRACKER_CHANGING), 1);
    ASSERT_NE(panel->Ultimo(wxEVT_MOTION), nullptr);
    EXPECT_EQ(panel->Ultimo(wxEVT_MOTION)->posicion, wxPoint(180, 140));

    Mover(wxPoint(120, 170), tracker);  // now 30 left, 20 down
    const wxImage despues = CapturarPantalla(panel);
    EXPECT_TRUE(Es(ColorEn(despues, 200, 5), *wxWHITE));
    EXPECT_TRUE(Es(ColorEn(despues, 395, 100), *wxWHITE));
    EXPECT_TRUE(Es(ColorEn(despues, 75, 125), *wxYELLOW));
    EXPECT_TRUE(Es(ColorEn(despues, 5, 150), *wxRED));

    Boton(false, wxMOUSE_BTN_LEFT, panel, wxEVT_LEFT_UP);
    EXPECT_EQ(soltadoEn, wxPoint(120, 170));
    EXPECT_EQ(tracker, nullptr);
    // The panel shows its own image again, unmoved.
    const wxImage final_ = CapturarPantalla(panel);
    EXPECT_TRUE(Es(ColorEn(final_, 105, 105), *wxYELLOW));
    EXPECT_TRUE(Es(ColorEn(final_, 5, 150), *wxRED));
    EXPECT_TRUE(Es(ColorEn(final_, 395, 100), *wxBLUE));
}

TEST_F(BitmapTrackerPan, ARightPressReachesThePanelTwice) {
    Empezar(wxPoint(150, 150));
    Mover(wxPoint(170, 160), tracker);
    Boton(true, wxMOUSE_BTN_RIGHT, panel, wxEVT_RIGHT_DOWN);
    ASSERT_TRUE(EsperarHasta([this] { return derechos == 2; }));
    EXPECT_EQ(cancelaciones, 1);  // the second finds the pan dropped
    EXPECT_EQ(soltadoEn, wxPoint(-1, -1));
    const wxImage pantalla = CapturarPantalla(panel);
    EXPECT_TRUE(Es(ColorEn(pantalla, 105, 105), *wxYELLOW));
    Boton(false, wxMOUSE_BTN_RIGHT, panel, wxEVT_RIGHT_UP);
}

TEST_F(BitmapTrackerPan, EscapeDropsThePan) {
    Empezar(wxPoint(150, 150));
    Mover(wxPoint(100, 100), tracker);
    wxKeyEvent escape(wxEVT_CHAR);
    escape.m_keyCode = WXK_ESCAPE;
    tracker->GetEventHandler()->ProcessEvent(escape);
    ASSERT_TRUE(EsperarHasta([this] { return derechos == 2; }));
    EXPECT_EQ(cancelaciones, 1);
    EXPECT_EQ(tracker, nullptr);
    const wxImage pantalla = CapturarPantalla(panel);
    EXPECT_TRUE(Es(ColorEn(pantalla, 105, 105), *wxYELLOW));
    EXPECT_TRUE(Es(ColorEn(pantalla, 395, 295), *wxBLUE));
}

// A parent that keeps the tracker after the release still gets its window back.
TEST_F(BitmapTrackerPan, ATrackerKeptAfterTheReleaseUncoversThePanel) {
    panel->alSoltar = [this](wxMouseEvent& e) { soltadoEn = e.GetPosition(); };
    Empezar(wxPoint(150, 150));
    Mover(wxPoint(160, 150), tracker);
    Boton(false, wxMOUSE_BTN_LEFT, panel, wxEVT_LEFT_UP);
    ASSERT_NE(tracker, nullptr);
    EXPECT_TRUE(EsperarHasta([this] { return !tracker->EnGesto(); }));
    EXPECT_FALSE(tracker->IsShown());
    EXPECT_FALSE(tracker->HasCapture());
    const wxImage pantalla = CapturarPantalla(panel);
    EXPECT_TRUE(Es(ColorEn(pantalla, 105, 105), *wxYELLOW));
    EXPECT_TRUE(Es(ColorEn(pantalla, 5, 5), *wxRED));
}

}  // namespace
