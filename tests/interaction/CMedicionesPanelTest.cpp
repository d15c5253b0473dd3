#include "CMedicionesPanel.h"

#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/bmpbuttn.h>
#include <wx/frame.h>

// Distances above a kilometre are shown in kilometres, areas above a square
// kilometre in square kilometres (any type but 0 is an area).
TEST(CMedicionesPanel, FormatsTheValueInItsUnit) {
    const struct { int tipo; double valor; const char* unidad; const char* texto; } casos[] = {
        {0, 0.0, "m", "0.00 m"},          {0, 1000.0, "m", "1000.00 m"},          {0, 1500.0, "m", "1.50 km"},
        {1, 1500.0, "m2", "1500.00 m2"},  {1, 1000000.0, "m2", "1000000.00 m2"},  {1, 1001000.0, "m2", "1.00 km2"},
        {7, 2500.0, "m2", "2500.00 m2"}};
    for (size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(CMedicionesPanel::FormatearMedicion(casos[i].tipo, casos[i].valor, wxString::FromUTF8(casos[i].unidad)),
                  wxString::FromUTF8(casos[i].texto))
            << "case " << i;
}

// Shown without its pictures (none next to the test executable), the bar
// shows the value and its close button reports to the frame and hides it.
TEST(CMedicionesPanel, ShowsTheValueAndClosesWithAnEventToItsParents) {
    wxFrame marco(nullptr, wxID_ANY, wxT("prueba"), wxDefaultPosition, wxSize(400, 100));
    std::vector<int> cierres;
    marco.Bind(wxEVT_CERRAR_MEDICIONES, [&](wxMapEvent& evento) { cierres.push_back(evento.GetId()); });
    auto* panel = new CMedicionesPanel(&marco, 77, wxPoint(0, 0), wxSize(308, 36), 0);
    marco.Show();
    panel->Update();
    panel->SetTipoMedicion(1);
    panel->SetMedicion(1001000.0, wxT("m2"));
    EXPECT_EQ(panel->GetTextoMedicion(), wxT("1.00 km2"));
    auto* boton = dynamic_cast<wxBitmapButton*>(panel->FindWindow(CMedicionesPanel::ID_CERRAR));
    ASSERT_NE(boton, nullptr);
    EXPECT_EQ(boton->GetPosition(), wxPoint(276, 2));
    wxCommandEvent clic(wxEVT_BUTTON, CMedicionesPanel::ID_CERRAR);
    clic.SetEventObject(boton);
    boton->GetEventHandler()->ProcessEvent(clic);
    EXPECT_EQ(cierres, std::vector<int>{77});
    EXPECT_FALSE(panel->IsShown());
}
