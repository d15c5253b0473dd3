#include "CGestionCapasPanel.h"

#include <wx/treectrl.h>

namespace {
const wxColour kColorFondo(212, 208, 200);
}  // namespace

CGestionCapasPanel::CGestionCapasPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                                       long /*style*/, const wxString& name)
    : wxPanel(parent, id, pos, size, wxTAB_TRAVERSAL | wxNO_BORDER, name) {
    m_arbol = new wxTreeCtrl(this, ID_ARBOL, wxDefaultPosition, wxSize(205, 390),
                             wxTR_HAS_BUTTONS | wxTR_NO_LINES | wxTR_HIDE_ROOT | wxSUNKEN_BORDER,
                             wxDefaultValidator, "listCtrl");
    SetBackgroundColour(kColorFondo);
    Layout();
}

void CGestionCapasPanel::CargarListaCapasTreeCtrl(int /*seleccion*/) {
    m_arbol->DeleteAllItems();
    m_arbol->AddRoot(wxEmptyString);
}
