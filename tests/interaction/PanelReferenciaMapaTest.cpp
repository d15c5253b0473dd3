#include "PanelReferenciaMapa.h"

#include "CGestorVistaMapa.h"
#include "DirectorioPrueba.h"
#include "PantallaPruebas.h"
#include "ShapefileWriter.h"
#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/uiaction.h>

namespace {

// The overview reports a click as the map position to centre on, and only
// when it shows a map; moving the mouse over it reports nothing.
TEST(PanelReferenciaMapa, AClickAsksForItsMapPositionAndMotionReportsNothing) {
    wxFrame* marco = new wxFrame(nullptr, wxID_ANY, "Referencia", wxPoint(0, 0), wxDefaultSize);
    marco->SetClientSize(176, 107);
    std::vector<wxMapEvent> eventos;
    for (wxEventType tipo : {wxEVT_POSICIONAR_PANELMAPA, wxEVT_MAP_XY_POS})
        marco->Bind(wxEventTypeTag<wxMapEvent>(tipo), [&eventos](wxMapEvent& e) { eventos.push_back(e); });
    auto* panel = new PanelReferenciaMapa(marco, 55, wxPoint(0, 0), wxSize(176, 107));
    marco->Show();
    ProcesarEventos();
    wxUIActionSimulator raton;
    auto clic = [&](const wxPoint& p) {
        wxMilliSleep(400);  // never a double click
        raton.MouseMove(panel->ClientToScreen(p));
        ProcesarEventos();
        raton.MouseClick();
        ProcesarEventos();
    };

    clic(wxPoint(88, 53));
    EXPECT_TRUE(eventos.empty());

    // A map 1760 x 1070 units: 10 units to the pixel.
    DirectorioPrueba dir;
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 1760, 1070)});
    escritor.Write(dir / "mapa");
    ASSERT_TRUE(panel->CargarArchivoCapa(wxString::FromUTF8(dir / "mapa.shp")));
    panel->ReadaptarExtension();
    panel->ExtensionTotal();
    ProcesarEventos();
    eventos.clear();

    raton.MouseMove(panel->ClientToScreen(wxPoint(30, 30)));
    ProcesarEventos();
    EXPECT_TRUE(eventos.empty());
    clic(wxPoint(44, 20));
    ASSERT_EQ(eventos.size(), 1u);
    EXPECT_EQ(eventos[0].GetEventType(), wxEVT_POSICIONAR_PANELMAPA);
    EXPECT_NEAR(eventos[0].x, 440, 10);
    EXPECT_NEAR(eventos[0].y, 1070 - 200, 10);
    delete marco;
}

}  // namespace
