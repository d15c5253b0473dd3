#include "PropiedadesPuntos.h"

#include "CSimboloObj.h"

#include <wx/combobox.h>

PropiedadesPuntos::PropiedadesPuntos(wxWindow* parent, wxWindowID id, CSimboloObj* simbolo)
    : CEditorSimbolo(parent, id, simbolo) {
    m_muestraColor = AnadirFilaColor("COLOR", simbolo->GetColorRelleno(), ID_COLOR,
                                     [this](const wxColour& color) {
                                         m_simbolo->SetColorRelleno(color);
                                         m_simbolo->SetColorBorde(color);
                                     });
    AnadirFilaGrosor("GROSOR", ID_GROSOR, 1, kGrosorMaximo);
    const wxString estilos[] = {wxString::FromUTF8("Círculo"), wxString::FromUTF8("Triángulo")};
    AnadirFila("ESTILO", new wxComboBox(this, ID_ESTILO, estilos[0], wxDefaultPosition, wxDefaultSize, 2,
                                        estilos, wxCB_READONLY));
    Layout();
}

void PropiedadesPuntos::MostrarSimbolo() {
    PintarMuestra(m_muestraColor, m_simbolo->GetColorRelleno());
    CEditorSimbolo::MostrarSimbolo();
}
