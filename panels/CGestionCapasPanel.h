#pragma once
// The map legend beside the main map: a tree of the layers of the current
// theme. For now the tree is only created and emptied on every reload.
#include <wx/panel.h>

class CGestorVistaMapa;
class PanelMapa;
class wxTreeCtrl;

class CGestionCapasPanel : public wxPanel {
public:
    enum { ID_ARBOL = 1 };

    CGestionCapasPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                       long style = wxTAB_TRAVERSAL | wxNO_BORDER, const wxString& name = wxPanelNameStr);

    void SetPanelMapa(PanelMapa* panel) { m_panelMapa = panel; }
    void SetGestorVistaMapa(CGestorVistaMapa* gestor) { m_gestorVista = gestor; }
    // Rebuilds the tree from the view manager's layers; `seleccion` is the
    // position of the layer to select.
    void CargarListaCapasTreeCtrl(int seleccion);

    wxTreeCtrl* GetArbol() const { return m_arbol; }

private:
    PanelMapa* m_panelMapa = nullptr;           // not owned
    CGestorVistaMapa* m_gestorVista = nullptr;  // not owned
    wxTreeCtrl* m_arbol = nullptr;              // child window
};
