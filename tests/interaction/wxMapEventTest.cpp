#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/wx.h>
#include <memory>
#include <set>

namespace {

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

class MarcoConTabla : public wxFrame {
public:
    MarcoConTabla() : wxFrame(nullptr, wxID_ANY, "tabla") {}
    void OnDistancia(wxMapEvent& e) { recibidos.emplace_back(static_cast<wxMapEvent*>(e.Clone())); }
    std::vector<std::unique_ptr<wxMapEvent>> recibidos;
    wxDECLARE_EVENT_TABLE();
};
wxBEGIN_EVENT_TABLE(MarcoConTabla, wxFrame)
    EVT_MAP_EVENT(wxEVT_MAP_MEDIR_DISTANCIA, wxID_ANY, MarcoConTabla::OnDistancia)
wxEND_EVENT_TABLE()

// A map event sent to a child climbs to a static table entry of the frame,
// processed at once, and its clone carries all its data.
TEST(MapEvent, ClimbsToTheFrameAndClonesItsData) {
    auto* marco = new MarcoConTabla;
    wxWindow* hijo = new wxWindow(new wxPanel(marco, 5), 6);
    wxBitmap bitmap(4, 4);
    wxMemoryDC dc(bitmap);
    wxMapEvent evento(wxEVT_MAP_MEDIR_DISTANCIA, hijo->GetId());
    evento.SetCoordenadas(512345.5, 4123456.25);
    evento.SetDCDraw(&dc);
    evento.SetMedicion(250.5);
    EXPECT_TRUE(hijo->GetEventHandler()->ProcessEvent(evento));
    ASSERT_EQ(marco->recibidos.size(), 1u);
    const wxMapEvent& copia = *marco->recibidos[0];
    EXPECT_EQ(copia.GetEventType(), 13008);
    EXPECT_EQ(copia.GetId(), 6);
    EXPECT_EQ(copia.x, 512345.5);
    EXPECT_EQ(copia.GetY(), 4123456.25);
    EXPECT_EQ(copia.GetDCDraw(), &dc);
    EXPECT_EQ(copia.GetMedicion(), 250.5);
    marco->Destroy();
}

}  // namespace
