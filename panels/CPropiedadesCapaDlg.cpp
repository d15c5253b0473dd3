#include "CPropiedadesCapaDlg.h"

#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CEscalaMinMaxPanel.h"
#include "CShape.h"
#include "CSimboloPanel.h"
#include "PropiedadesCapaPanelLineas.h"
#include "PropiedadesCapaPanelPoligonos.h"
#include "PropiedadesCapaPanelPuntos.h"

#include <wx/button.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

wxBEGIN_EVENT_TABLE(CPropiedadesCapaDlg, wxDialog)
    EVT_BUTTON(CPropiedadesCapaDlg::ID_APLICAR, CPropiedadesCapaDlg::OnAplicar)
    EVT_BUTTON(CPropiedadesCapaDlg::ID_CANCELAR, CPropiedadesCapaDlg::OnCancelar)
    EVT_NOTEBOOK_PAGE_CHANGED(CPropiedadesCapaDlg::ID_NOTEBOOK, CPropiedadesCapaDlg::OnPageChanged)
wxEND_EVENT_TABLE()

namespace {
constexpr int kSeparacion = 6;

const char kPaginaSimbolo[] = "Símbolo";
const char kPaginaEscala[] = "Escalas";

bool EsClasificacionPorValor(const CCapasEnMapa& capaEnMapa) {
    return capaEnMapa.GetTieneClasificacion() && capaEnMapa.GetTipoClasificacion().EsPorValor();
}

// The symbol page of the layer's geometry, or null when its symbol is never
// drawn (labels) or the geometry has no editor.
CPaginaSimbolo* CrearPaginaSimbolo(wxWindow* notebook, CCapasEnMapa& capaEnMapa) {
    if (capaEnMapa.GetTieneClasificacion() && !EsClasificacionPorValor(capaEnMapa)) return nullptr;
    CCapa& capa = *capaEnMapa.GetCapaEnCapa();
    const wxString nombre = wxString::FromUTF8(kPaginaSimbolo);
    CPaginaSimbolo* pagina = nullptr;
    switch (capa.GetGeometria()) {
    case CShape::Punto:
        pagina = new PropiedadesCapaPanelPuntos(notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                                wxTAB_TRAVERSAL, nombre, capa.GetSimbolo());
        break;
    case CShape::Polilinea:
        pagina = new PropiedadesCapaPanelLineas(notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                                wxTAB_TRAVERSAL, nombre, capa.GetSimbolo());
        break;
    case CShape::Poligono:
        pagina = new PropiedadesCapaPanelPoligonos(notebook, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                                   wxTAB_TRAVERSAL, nombre, capa.GetSimbolo());
        break;
    default:
        return nullptr;
    }
    if (EsClasificacionPorValor(capaEnMapa))
        pagina->SetNota(wxString::FromUTF8(
            "Esta capa se dibuja por clases de valores: aquí se cambia el símbolo propio de la "
            "capa, y cada clase conserva sus colores y su grosor."));
    return pagina;
}
}  // namespace

CPropiedadesCapaDlg::CPropiedadesCapaDlg(wxWindow* parent, int id, const wxString& title, const wxPoint& pos,
                                         const wxSize& size, long style, const wxString& name)
    : wxDialog(parent, id, title, pos, size, style, name) {
    m_notebook = new wxNotebook(this, ID_NOTEBOOK);
    auto* botones = new wxBoxSizer(wxHORIZONTAL);
    botones->Add(new wxButton(this, ID_APLICAR, "Aplicar"), 0, wxRIGHT, kSeparacion);
    botones->Add(new wxButton(this, ID_CANCELAR, "Cancelar"), 0);
    auto* dialogo = new wxBoxSizer(wxVERTICAL);
    dialogo->Add(m_notebook, 1, wxEXPAND | wxALL, kSeparacion);
    dialogo->Add(botones, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, kSeparacion);
    SetSizer(dialogo);
    // Escape and the close box act as "Cancelar", Enter as "Aplicar".
    SetEscapeId(ID_CANCELAR);
    SetAffirmativeId(ID_APLICAR);
    Layout();
}

std::unique_ptr<CPropiedadesCapaDlg> CPropiedadesCapaDlg::ParaCapa(wxWindow* parent, CCapasEnMapa& capaEnMapa) {
    CCapa* capa = capaEnMapa.GetCapaEnCapa();
    if (!capa) return nullptr;
    auto dialogo = std::make_unique<CPropiedadesCapaDlg>(
        parent, wxID_ANY, wxString::Format(wxString::FromUTF8("Propiedades de la capa «%s»"), capa->GetNombreCapa()));
    if (CPaginaSimbolo* simbolo = CrearPaginaSimbolo(dialogo->GetNoteBook(), capaEnMapa))
        dialogo->SetPanel(simbolo);
    auto* escala = new CEscalaMinMaxPanel(dialogo->GetNoteBook(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                          wxTAB_TRAVERSAL, kPaginaEscala);
    escala->SetPunteroCapa(capa);
    dialogo->SetPanel(escala);
    dialogo->GetNoteBook()->SetSelection(0);
    dialogo->GetSizer()->SetSizeHints(dialogo.get());
    return dialogo;
}

void CPropiedadesCapaDlg::SetPanel(CSimboloPanel* panel) {
    if (!panel) return;
    m_paginas.push_back(panel);
    m_notebook->AddPage(panel, panel->GetName(), false);
    Layout();
}

CSimboloPanel* CPropiedadesCapaDlg::GetPanel(size_t indice) const {
    return indice < m_paginas.size() ? m_paginas[indice] : nullptr;
}

int CPropiedadesCapaDlg::Modal(bool modal) {
    if (!modal) return wxID_CANCEL;
    RefrescarPanelActual();
    const int resultado = ShowModal();
    RefrescarPanelActual();
    return resultado;
}

void CPropiedadesCapaDlg::RefrescarPanelActual() {
    const int actual = m_notebook->GetSelection();
    if (actual == wxNOT_FOUND) return;
    if (auto* pagina = dynamic_cast<CSimboloPanel*>(m_notebook->GetPage(actual))) pagina->Refrescar();
}

bool CPropiedadesCapaDlg::AplicarPaginas() {
    for (size_t i = 0; i < m_paginas.size(); ++i) {
        if (!m_paginas[i]->CambiosValidos()) {
            m_notebook->SetSelection(m_notebook->FindPage(m_paginas[i]));
            return false;
        }
    }
    for (CSimboloPanel* pagina : m_paginas) pagina->AplicarCambios();
    return true;
}

// The result is kept for a dialog shown without a modal loop too.
void CPropiedadesCapaDlg::OnAplicar(wxCommandEvent& /*event*/) {
    if (!AplicarPaginas()) return;
    SetReturnCode(wxID_OK);
    EndDialog(wxID_OK);
}

void CPropiedadesCapaDlg::OnCancelar(wxCommandEvent& /*event*/) {
    SetReturnCode(wxID_CANCEL);
    EndDialog(wxID_CANCEL);
}

void CPropiedadesCapaDlg::OnPageChanged(wxBookCtrlEvent& event) {
    RefrescarPanelActual();
    event.Skip();
}
