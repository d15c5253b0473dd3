// The trackers' own logic, without the screen: the map panel tests drive
// them with real input.
#include "CPolyLineTracker.h"
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

TEST(RectTracker, ArrowsMoveAndShiftResizes) {
    wxFrame marco(nullptr, wxID_ANY, "teclado");
    int cambios = 0;
    marco.Bind(EVT_TRACKER_CHANGED, [&cambios](wxCommandEvent&) { ++cambios; });
    wxRectTracker tracker(&marco, 7, wxPoint(20, 20), wxSize(40, 30));
    // By 1 pixel, 10 with Ctrl; other keys pass.
    const struct { int tecla; bool ctrl, shift; wxRect esperado; } teclas[] = {
        {WXK_RIGHT, false, false, {21, 20, 40, 30}}, {WXK_UP, true, false, {21, 10, 40, 30}},
        {WXK_LEFT, false, true, {21, 10, 39, 30}},   {WXK_DOWN, true, true, {21, 10, 39, 40}},
        {'a', false, false, {21, 10, 39, 40}}};
    for (size_t i = 0; i < std::size(teclas); ++i) {
        wxKeyEvent e(wxEVT_CHAR);
        e.m_keyCode = teclas[i].tecla;
        e.m_controlDown = teclas[i].ctrl;
        e.m_shiftDown = teclas[i].shift;
        e.SetEventObject(&tracker);
        tracker.GetEventHandler()->ProcessEvent(e);
        EXPECT_EQ(tracker.GetRect(), teclas[i].esperado) << "case " << i;
        EXPECT_EQ(cambios, std::min<int>(i + 1, 4)) << "case " << i;
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
