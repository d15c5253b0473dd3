#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/wx.h>
#include <memory>
#include <set>

namespace {

TEST(MapEventTipos, FixedNumbersAreShared) {
    EXPECT_EQ(wxEVT_MAP_NUEVO_PUNTO, 13006);
    EXPECT_EQ(wxEVT_MAP_FIN_LINEA, 13007);
    EXPECT_EQ(wxEVT_MAP_MEDIR_DISTANCIA, 13008);
    EXPECT_EQ(wxEVT_MAP_MEDIR_SUPERFICIE, 13009);
    EXPECT_EQ(wxEVT_MAP_CAMBIO_EXTENSION, 13022);
    EXPECT_EQ(wxEVT_MAP_NUEVA_ESCALA, 13040);
}

TEST(MapEventTipos, AllocatedTypesAreDistinctFromEveryOther) {
    const wxEventType fijos[] = {13006, 13007, 13008, 13009, 13022, 13040};
    const wxEventType asignados[] = {
        wxEVT_MAP_XY_POS, wxEVT_MAP_END_DRAW, wxEVT_CERRAR_MEDICIONES,
        wxEVT_LOCALIZAR_ELEMENT_BUSQUEDA, wxEVT_CERRAR_VENTANA, wxEVT_POSICIONAR_PANELMAPA,
        EVT_TRACKER_CHANGING, EVT_TRACKER_CHANGED, EVT_BMPTRACKER_CHANGING, EVT_BMPTRACKER_CHANGED};
    std::set<wxEventType> todos(std::begin(fijos), std::end(fijos));
    for (wxEventType tipo : asignados) {
        EXPECT_GT(tipo, wxEVT_FIRST);
        EXPECT_TRUE(todos.insert(tipo).second) << "type " << tipo << " is used twice";
    }
    // Types handed out later by the toolkit stay clear of the fixed ones.
    EXPECT_LT(wxNewEventType(), 13006);
}

TEST(MapEventDatos, StartsEmptyAndCloneCopiesEverything) {
    wxMapEvent evento(wxEVT_MAP_NUEVA_ESCALA, 17);
    EXPECT_EQ(evento.x, 0.0);
    EXPECT_EQ(evento.y, 0.0);
    EXPECT_EQ(evento.GetDCDraw(), nullptr);
    EXPECT_EQ(evento.GetMedicion(), 0.0);
    EXPECT_TRUE(evento.IsAllowed());
    EXPECT_TRUE(evento.IsCommandEvent());

    wxBitmap bitmap(4, 4);
    wxMemoryDC dc(bitmap);
    evento.SetCoordenadas(512345.5, 4123456.25);
    evento.SetDCDraw(&dc);
    evento.SetMedicion(143188.0);
    std::unique_ptr<wxEvent> copia(evento.Clone());
    ASSERT_TRUE(copia->IsKindOf(CLASSINFO(wxMapEvent)));
    const auto& mapa = static_cast<const wxMapEvent&>(*copia);
    EXPECT_EQ(mapa.GetEventType(), 13040);
    EXPECT_EQ(mapa.GetId(), 17);
    EXPECT_EQ(mapa.x, 512345.5);
    EXPECT_EQ(mapa.GetY(), 4123456.25);
    EXPECT_EQ(mapa.GetDCDraw(), &dc);
    EXPECT_EQ(mapa.GetMedicion(), 143188.0);

    std::unique_ptr<wxObject> creado(wxCreateDynamicObject("wxMapEvent"));
    EXPECT_NE(dynamic_cast<wxMapEvent*>(creado.get()), nullptr);
}

class MarcoConTabla : public wxFrame {
public:
    MarcoConTabla() : wxFrame(nullptr, wxID_ANY, "tabla") {}
    void OnDistancia(wxMapEvent& e) { distancias.push_back(e.GetMedicion()); }
    std::vector<double> distancias;
    wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE(MarcoConTabla, wxFrame)
    EVT_MAP_EVENT(wxEVT_MAP_MEDIR_DISTANCIA, wxID_ANY, MarcoConTabla::OnDistancia)
wxEND_EVENT_TABLE()

// A map event sent to a child's handler climbs to the frame, both to a static
// table entry and to a bound handler; it arrives as processed, not queued.
TEST(MapEventEnvio, ClimbsFromTheSenderToItsParents) {
    auto* marco = new MarcoConTabla;
    auto* panel = new wxPanel(marco, 5);
    wxWindow* hijo = new wxWindow(panel, 6);
    std::vector<std::pair<double, double>> posiciones;
    marco->Bind(wxEVT_MAP_XY_POS, [&posiciones](wxMapEvent& e) { posiciones.emplace_back(e.x, e.y); });

    wxMapEvent distancia(wxEVT_MAP_MEDIR_DISTANCIA, hijo->GetId());
    distancia.SetMedicion(250.5);
    EXPECT_TRUE(hijo->GetEventHandler()->ProcessEvent(distancia));
    wxMapEvent posicion(wxEVT_MAP_XY_POS, panel->GetId());
    posicion.SetCoordenadas(1.5, 2.5);
    EXPECT_TRUE(panel->GetEventHandler()->ProcessEvent(posicion));

    ASSERT_EQ(marco->distancias.size(), 1u);
    EXPECT_EQ(marco->distancias[0], 250.5);
    ASSERT_EQ(posiciones.size(), 1u);
    EXPECT_EQ(posiciones[0], std::make_pair(1.5, 2.5));

    // A plain integer type of the same number reaches the same handler.
    wxMapEvent numerico(13008, 0);
    numerico.SetMedicion(7);
    panel->GetEventHandler()->ProcessEvent(numerico);
    ASSERT_EQ(marco->distancias.size(), 2u);
    EXPECT_EQ(marco->distancias[1], 7.0);
    marco->Destroy();
}

}  // namespace
