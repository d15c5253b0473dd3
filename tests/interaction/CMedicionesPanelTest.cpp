#include "CMedicionesPanel.h"

#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/bmpbuttn.h>
#include <wx/frame.h>

namespace {
wxString Texto(int tipo, double valor, const char* unidad) {
    return CMedicionesPanel::FormatearMedicion(tipo, valor, wxString::FromUTF8(unidad));
}
}  // namespace

TEST(CMedicionesPanel, DistancesAboveAKilometreAreShownInKilometres) {
    EXPECT_EQ(Texto(0, 0.0, "m"), wxT("0.00 m"));
    EXPECT_EQ(Texto(0, 1000.0, "m"), wxT("1000.00 m"));
    EXPECT_EQ(Texto(0, 1500.0, "m"), wxT("1.50 km"));
    EXPECT_EQ(Texto(0, 200.0, "m"), wxT("200.00 m"));
}

TEST(CMedicionesPanel, AreasAboveASquareKilometreAreShownInSquareKilometres) {
    EXPECT_EQ(Texto(1, 1000000.0, "m2"), wxT("1000000.00 m2"));
    EXPECT_EQ(Texto(1, 1001000.0, "m2"), wxT("1.00 km2"));
    EXPECT_EQ(Texto(7, 2500.0, "m2"), wxT("2500.00 m2"));  // any type but 0 is an area
    // An area is not turned into kilometres at the distance threshold.
    EXPECT_EQ(Texto(1, 1500.0, "m2"), wxT("1500.00 m2"));
}

TEST(CMedicionesPanel, ShowsTheValueAndClosesWithAnEventToItsParents) {
    wxFrame marco(nullptr, wxID_ANY, wxT("prueba"), wxDefaultPosition, wxSize(400, 100));
    int cierres = 0;
    int idCierre = 0;
    marco.Bind(wxEVT_CERRAR_MEDICIONES, [&](wxMapEvent& evento) {
        ++cierres;
        idCierre = evento.GetId();
    });
    auto* panel = new CMedicionesPanel(&marco, 77, wxPoint(0, 0), wxSize(308, 36), 0);
    marco.Show();
    panel->SetTipoMedicion(0);
    panel->SetMedicion(1500.0, wxT("m"));
    EXPECT_EQ(panel->GetTextoMedicion(), wxT("1.50 km"));
    panel->SetTipoMedicion(1);
    panel->SetMedicion(1001000.0, wxT("m2"));
    EXPECT_EQ(panel->GetTextoMedicion(), wxT("1.00 km2"));

    // The close button (id 2) reports to the frame and hides the bar.
    auto* boton = wxDynamicCast(panel->FindWindow(CMedicionesPanel::ID_CERRAR), wxBitmapButton);
    ASSERT_NE(boton, nullptr);
    EXPECT_EQ(boton->GetPosition(), wxPoint(276, 2));
    wxCommandEvent clic(wxEVT_BUTTON, CMedicionesPanel::ID_CERRAR);
    clic.SetEventObject(boton);
    boton->GetEventHandler()->ProcessEvent(clic);
    EXPECT_EQ(cierres, 1);
    EXPECT_EQ(idCierre, 77);
    EXPECT_FALSE(panel->IsShown());
}

TEST(CMedicionesPanel, PaintsWithoutItsPictures) {
    // The test executable's directory has no ico/: the bar stays blank but works.
    wxFrame marco(nullptr, wxID_ANY, wxT("prueba"), wxDefaultPosition, wxSize(400, 100));
    auto* panel = new CMedicionesPanel(&marco, wxID_ANY, wxPoint(0, 0), wxSize(308, 36), 0);
    marco.Show();
    panel->Refresh();
    panel->Update();
    wxYield();
    panel->SetMedicion(12.0, wxT("m"));
    EXPECT_EQ(panel->GetTextoMedicion(), wxT("12.00 m"));
}
