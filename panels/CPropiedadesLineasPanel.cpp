#include "CPropiedadesLineasPanel.h"

#include "CSimboloObj.h"

#include <wx/combobox.h>

CPropiedadesLineasPanel::CPropiedadesLineasPanel(wxWindow* parent, wxWindowID id, CSimboloObj* simbolo)
    : CEditorSimbolo(parent, id, simbolo) {
    m_muestraColor = AnadirFilaColor("COLOR", simbolo->GetColorBorde(), ID_COLOR,
                                     [this](const wxColour& color) { m_simbolo->SetColorBorde(color); });
    AnadirFilaGrosor("GROSOR", ID_GROSOR, 1, kGrosorMaximo);
    const wxString estilos[] = {"Continua", "Discontinua"};
    AnadirFila("ESTILO", new wxComboBox(this, ID_ESTILO, estilos[0], wxDefaultPosition, wxDefaultSize, 2,
                                        estilos, wxCB_READONLY));
    Layout();
}

void CPropiedadesLineasPanel::MostrarSimbolo() {
    PintarMuestra(m_muestraColor, m_simbolo->GetColorBorde());
    CEditorSimbolo::MostrarSimbolo();
}
