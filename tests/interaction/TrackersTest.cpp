// The trackers' own logic, without the screen: the map panel tests drive
// them with real input.
#include "CPolyLineTracker.h"
#include "PantallaPruebas.h"
#include "wxBitmapTracker.h"
#include "wxMapEvent.h"
#include "wxRectTracker.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
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

TEST(RectTracker, RatioMaximumRectangleAndKeyboard) {
    wxFrame marco(nullptr, wxID_ANY, "limites");
    int cambios = 0;
    marco.Bind(EVT_TRACKER_CHANGED, [&cambios](wxCommandEvent&) { ++cambios; });
    wxRectTracker tracker(&marco, 7, wxPoint(20, 20), wxSize(40, 30));
    // Arrows move by 1 (10 with Ctrl); with Shift they resize. Other keys pass.
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

    tracker.SetRatio(0.5);
    EXPECT_DOUBLE_EQ(tracker.GetRatio(), 2.0);
    tracker.SetRatio(0);
    wxRect r(-20, -10, 50, 40);
    tracker.AdjustTrackerRect(r, 0);  // no maximum: unchanged
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
    EXPECT_EQ(r, wxRect(10, 10, 40, 20));
    r = wxRect(10, 10, 40, 30);  // dragging the top edge: the bottom stays
    tracker.AdjustTrackerRect(r, wxRectTracker::TOP);
    EXPECT_EQ(r, wxRect(10, 10, 60, 30));
}

// The image shifted, the bare strips white; the tracker keeps its own copy.
TEST(BitmapTracker, DrawsTheShiftedImageWithWhiteStrips) {
    wxFrame marco(nullptr, wxID_ANY, "dibujo");
    wxBitmapTracker tracker(&marco, wxID_ANY, wxPoint(5, 5), wxSize(0, 0));
    wxBitmap original(400, 300, 24);
    {
        wxMemoryDC dc(original);
        dc.SetBackground(*wxRED_BRUSH);
        dc.Clear();
        dc.SetBrush(*wxBLUE_BRUSH);
        dc.DrawRectangle(100, 100, 10, 10);
    }
    tracker.SetBitmap(&original);
    wxMemoryDC(original).Clear();  // white now: the tracker draws its copy
    wxBitmap destino(400, 300, 24);
    wxMemoryDC dc(destino);
    dc.SetBackground(*wxGREEN_BRUSH);
    dc.Clear();
    tracker.DrawTracker(dc, 30, -10, 0, 0);
    dc.SelectObject(wxNullBitmap);
    const wxImage r = destino.ConvertToImage();
    const struct { int x, y; wxColour color; } casos[] = {
        {0, 100, *wxWHITE}, {29, 100, *wxWHITE}, {30, 100, *wxRED}, {200, 290, *wxWHITE},
        {200, 289, *wxRED}, {135, 95, *wxBLUE},  {125, 95, *wxRED}};
    for (size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(ColorEn(r, casos[i].x, casos[i].y), casos[i].color) << "case " << i;
    wxBitmap invalida;
    tracker.SetBitmap(&invalida);
    dc.SelectObject(destino);
    tracker.DrawTracker(dc, 5, 5, 0, 0);  // nothing to draw, no crash
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
