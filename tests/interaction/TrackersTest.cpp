// The trackers' own logic, without the screen: the map panel tests drive
// them with real input.
#include "CPolyLineTracker.h"
#include "LienzoPrueba.h"
#include "wxBitmapTracker.h"
#include "wxMapEvent.h"
#include "wxRectTracker.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

namespace {

TEST(RectTracker, HitTestFollowsTheBandsAndHandles) {
    wxFrame marco(nullptr, wxID_ANY, "zonas");
    wxRectTracker tracker(&marco, wxID_ANY, wxPoint(10, 10), wxSize(0, 0));
    EXPECT_EQ(tracker.HitTest(0, 0), 6);  // a zero-sized tracker grows from its corner
    EXPECT_FALSE(tracker.IsShown());      // and takes no room on the screen
    tracker.SetSize(10, 10, 100, 50);
    EXPECT_TRUE(tracker.IsShown());
    const struct { int x, y, zona; } casos[] = {{50, 0, 1},  {0, 25, 8},  {99, 49, 6}, {50, 25, 0}, {101, 10, -1},
                                               {2, 2, 9},   {99, 2, 3},  {2, 48, 12}, {98, 25, 2}, {50, 48, 4},
                                               {30, 2, 0}};  // the last: top band between the handles
    for (size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(tracker.HitTest(casos[i].x, casos[i].y), casos[i].zona) << "case " << i;
}

// The tracker draws its own copy of the image, shifted (the pan test checks
// the strips on the screen); a missing or invalid image draws nothing of it.
TEST(BitmapTracker, DrawsItsOwnCopyAndNothingFromAMissingImage) {
    wxFrame marco(nullptr, wxID_ANY, "dibujo");
    wxBitmap original(40, 30, 24), invalida;
    for (const wxBitmap* imagen : std::initializer_list<const wxBitmap*>{&original, nullptr, &invalida}) {
        {
            wxMemoryDC dc(original);
            dc.SetBackground(*wxRED_BRUSH);
            dc.Clear();
        }
        wxBitmapTracker tracker(&marco, wxID_ANY, wxPoint(0, 0));
        tracker.SetBitmap(imagen);
        wxMemoryDC(original).Clear();  // white now
        LienzoPrueba lienzo(40, 30);
        tracker.DrawTracker(*lienzo.Dc(), 10, -5, 0, 0);
        EXPECT_EQ(LienzoPrueba::Color(lienzo.Imagen(), 20, 10), imagen == &original ? *wxRED : *wxWHITE);
    }
}

TEST(PolyLineTracker, ClicksWithoutTheMouseTakenSendNothing) {
    wxFrame marco(nullptr, wxID_ANY, "sin captura");
    int eventos = 0;
    marco.Bind(wxEVT_MAP_FIN_LINEA, [&eventos](wxMapEvent&) { ++eventos; });
    marco.Bind(wxEVT_MAP_NUEVO_PUNTO, [&eventos](wxMapEvent&) { ++eventos; });
    CPolyLineTracker tracker(&marco, wxID_ANY, wxPoint(0, 0), wxSize(0, 0));
    for (wxEventType tipo : {wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DOWN}) {
        wxMouseEvent e(tipo);
        e.SetPosition(wxPoint(10, 10));
        tracker.GetEventHandler()->ProcessEvent(e);
    }
    EXPECT_EQ(eventos, 0);
}

}  // namespace
