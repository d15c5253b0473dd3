#include "CPropiedadesPoligonosPanel.h"

#include "CSimboloObj.h"

#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>

CPropiedadesPoligonosPanel::CPropiedadesPoligonosPanel(wxWindow* parent, wxWindowID id, CSimboloObj* simbolo)
    : CEditorSimbolo(parent, id, simbolo) {
    m_muestraRelleno =
        AnadirFilaColor("COLOR DE RELLENO", simbolo->GetColorRelleno(), ID_COLOR_RELLENO,
                        [this](const wxColour& color) { m_simbolo->SetColorRelleno(color); });
    m_muestraLinea =
        AnadirFilaColor(wxString::FromUTF8("COLOR DE LÍNEA"), simbolo->GetColorBorde(), ID_COLOR_LINEA,
                        [this](const wxColour& color) { m_simbolo->SetColorBorde(color); });
    AnadirFilaGrosor(wxString::FromUTF8("GROSOR DE LÍNEA"), ID_GROSOR, kGrosorMinimo,
                     kGrosorMaximo);

    m_transparencia = new wxSlider(this, ID_TRANSPARENCIA, 0, 0, 100, wxDefaultPosition, wxSize(110, -1),
                                   wxSL_HORIZONTAL | wxSL_AUTOTICKS);
    m_transparencia->SetTickFreq(10);
    m_transparencia->Bind(wxEVT_SLIDER, &CPropiedadesPoligonosPanel::OnTransparencia, this);
    auto* escala = new wxBoxSizer(wxHORIZONTAL);
    escala->Add(new wxStaticText(this, wxID_ANY, "0"), 0, wxALIGN_CENTER_VERTICAL);
    escala->Add(m_transparencia, 0, wxALIGN_CENTER_VERTICAL);
    escala->Add(new wxStaticText(this, wxID_ANY, "100"), 0, wxALIGN_CENTER_VERTICAL);
    AnadirFila("TRANSPARENCIA", escala);
    ColocarTransparencia();
    Layout();
}

void CPropiedadesPoligonosPanel::MostrarSimbolo() {
    PintarMuestra(m_muestraRelleno, m_simbolo->GetColorRelleno());
    PintarMuestra(m_muestraLinea, m_simbolo->GetColorBorde());
    ColocarTransparencia();
    CEditorSimbolo::MostrarSimbolo();
}

void CPropiedadesPoligonosPanel::ColocarTransparencia() {
    m_ultimaTransparencia = m_simbolo->GetTransparente() ? m_transparencia->GetMax() : m_transparencia->GetMin();
    m_transparencia->SetValue(m_ultimaTransparencia);
}

// Any move of the slider flips the symbol between filled and without fill,
// and the slider jumps to the matching end.
void CPropiedadesPoligonosPanel::OnTransparencia(wxCommandEvent& /*event*/) {
    m_simbolo->SetTransparente(m_ultimaTransparencia == m_transparencia->GetMin());
    ColocarTransparencia();
    Refresh();
}
