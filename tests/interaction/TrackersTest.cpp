// The trackers' own logic without the screen (the map panel tests drive them
// with real input), and the map event types.
#include "CPolyLineTracker.h"
#include "LienzoPrueba.h"
#include "wxBitmapTracker.h"
#include "wxMapEvent.h"
#include "wxRectTracker.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

#include <set>

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

// The fixed numbers are shared with other programs; the types allocated at
// start-up must not collide with them nor with each other.
TEST(MapEvent, FixedNumbersAndDistinctTypes) {
    const std::pair<wxEventType, int> fijos[] = {{wxEVT_MAP_NUEVO_PUNTO, 13006},      {wxEVT_MAP_FIN_LINEA, 13007},
                                                 {wxEVT_MAP_MEDIR_DISTANCIA, 13008},  {wxEVT_MAP_MEDIR_SUPERFICIE, 13009},
                                                 {wxEVT_MAP_CAMBIO_EXTENSION, 13022}, {wxEVT_MAP_NUEVA_ESCALA, 13040}};
    std::set<wxEventType> todos;
    for (const auto& [tipo, numero] : fijos) {
        EXPECT_EQ(tipo, numero);
        todos.insert(tipo);
    }
    for (wxEventType tipo : std::initializer_list<wxEventType>{wxEVT_MAP_XY_POS, wxEVT_MAP_END_DRAW, wxEVT_CERRAR_MEDICIONES,
                             wxEVT_LOCALIZAR_ELEMENT_BUSQUEDA, wxEVT_CERRAR_VENTANA, wxEVT_POSICIONAR_PANELMAPA,
                             EVT_TRACKER_CHANGING, EVT_TRACKER_CHANGED, EVT_BMPTRACKER_CHANGING, EVT_BMPTRACKER_CHANGED}) {
        EXPECT_GT(tipo, wxEVT_FIRST);
        EXPECT_TRUE(todos.insert(tipo).second) << "type " << tipo << " is used twice";
    }
    EXPECT_LT(wxNewEventType(), 13006);  // later types stay clear of the fixed ones
}

}  // namespace
