#include "CPaginaSimbolo.h"

#include "CEditorSimbolo.h"

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {
constexpr int kSeparacion = 6;
constexpr int kAnchoNota = 260;
}  // namespace

CPaginaSimbolo::CPaginaSimbolo(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                               long style, const wxString& name, CSimboloObj* simboloCapa)
    : CSimboloPanel(parent, id, pos, size, style, name), m_simboloCapa(simboloCapa) {
    if (m_simboloCapa) m_copia = *m_simboloCapa;
}

void CPaginaSimbolo::Construir(int idTipos, const wxArrayString& tipos, const wxString& tipoInicial,
                               CEditorSimbolo* editor) {
    m_tipos = new wxComboBox(this, idTipos, tipoInicial, wxDefaultPosition, wxDefaultSize, tipos,
                             wxCB_READONLY | wxCB_SORT);
    m_tipos->SetStringSelection(tipoInicial);
    m_editor = editor;
    m_nota = new wxStaticText(this, wxID_ANY, wxEmptyString);
    m_nota->Hide();

    auto* tipo = new wxBoxSizer(wxHORIZONTAL);
    tipo->Add(new wxStaticText(this, wxID_ANY, "TIPO"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kSeparacion);
    tipo->Add(m_tipos, 0, wxALIGN_CENTER_VERTICAL);
    auto* pagina = new wxBoxSizer(wxVERTICAL);
    pagina->Add(tipo, 0, wxALL, kSeparacion);
    pagina->Add(m_editor, 1, wxEXPAND);
    pagina->Add(m_nota, 0, wxALL, kSeparacion);
    SetSizer(pagina);
}

CSimboloObj* CPaginaSimbolo::AsignarSimbolo(CSimboloObj* simboloCapa) {
    m_simboloCapa = simboloCapa;
    if (m_simboloCapa) m_copia = *m_simboloCapa;
    if (m_editor) m_editor->MostrarSimbolo();
    return &m_copia;
}

bool CPaginaSimbolo::AplicarCambios() {
    if (m_simboloCapa) *m_simboloCapa = m_copia;
    return true;
}

void CPaginaSimbolo::Refrescar() {
    Refresh();
    if (m_editor) m_editor->Refresh();
}

void CPaginaSimbolo::SetNota(const wxString& nota) {
    m_nota->SetLabel(nota);
    m_nota->Wrap(kAnchoNota);
    m_nota->Show(!nota.empty());
    Layout();
}

wxString CPaginaSimbolo::GetNota() const { return m_nota->IsShown() ? m_nota->GetLabel() : wxString(); }
