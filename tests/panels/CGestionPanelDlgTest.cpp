// A hosted panel is stretched to the window, and a taller one scrolls by 5 and 10 pixels within its ends.
#include "CGestionPanelDlg.h"

#include "PantallaPruebas.h"

#include <gtest/gtest.h>
#include <wx/panel.h>
#include <wx/weakref.h>

TEST(CGestionPanelDlg, HostedPanelFitsOrScrollsWithinItsEnds) {
    wxWeakRef<CGestionPanelDlg> ventana(new CGestionPanelDlg(nullptr, wxID_ANY, "Panel", wxDefaultPosition,
                                                             wxSize(300, 200), wxCAPTION | wxCLOSE_BOX));
    auto* panel = new wxPanel(ventana.get(), wxID_ANY, wxPoint(0, 0), wxSize(250, 600));
    ventana->SetPanel(panel);
    ventana->Show();
    ProcesarEventos();
    const wxSize area = ventana->GetArea()->GetClientSize();
    EXPECT_EQ(panel->GetParent(), ventana->GetArea());
    EXPECT_EQ(panel->GetSize(), wxSize(area.x, 600));  // narrower: as wide as the window
    EXPECT_EQ(ventana->GetArea()->GetScrollRange(wxVERTICAL), 600);
    const int limite = area.y - 600;
    const struct {
        wxEventType tipo;
        int posicion;
        int esperado;
    } pasos[] = {
        {wxEVT_SCROLLWIN_LINEUP, 0, 0},
        {wxEVT_SCROLLWIN_LINEDOWN, 0, -5},
        {wxEVT_SCROLLWIN_PAGEDOWN, 0, -15},
        {wxEVT_SCROLLWIN_PAGEUP, 0, -5},
        {wxEVT_SCROLLWIN_PAGEUP, 0, 0},
        {wxEVT_SCROLLWIN_THUMBTRACK, 200, -200},
        {wxEVT_SCROLLWIN_THUMBTRACK, 2000, limite},
        {wxEVT_SCROLLWIN_LINEDOWN, 0, limite},
        {wxEVT_SCROLLWIN_LINEUP, 0, limite + 5},
    };
    for (const auto& paso : pasos) {
        wxScrollWinEvent evento(paso.tipo, paso.posicion, wxVERTICAL);
        ventana->GetArea()->GetEventHandler()->ProcessEvent(evento);
        EXPECT_EQ(ventana->GetDesplazamiento().y, paso.esperado) << paso.tipo << " " << paso.posicion;
        EXPECT_EQ(panel->GetPosition().y, paso.esperado);
        EXPECT_EQ(ventana->GetArea()->GetScrollPos(wxVERTICAL), -paso.esperado);
    }
    ventana->Destroy();
    ProcesarEventos();
}
