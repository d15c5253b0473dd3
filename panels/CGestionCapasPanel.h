#pragma once
// The map legend beside the main map: a tree of the layers of the current
// theme, top-most first, each with a swatch per symbol or class, and a check
// box on the place-name layers that shows or hides them on the map. Rebuilt
// from the view manager's layer list whenever the theme changes.
#include "CGestorVistaMapa.h"

#include <wx/panel.h>
#include <wx/treebase.h>

#include <memory>

// Sent by the legend (to its parent) after the properties dialog applied
// changes to a layer; GetInt() is the layer's position in the list.
wxDECLARE_EVENT(wxEVT_CAPA_MODIFICADA, wxCommandEvent);

class CCapa;
class CCapasEnMapa;
class CPropiedadesCapaDlg;
class CTreeCtrlCapas;
class PanelMapa;
class wxMenu;
class wxTreeEvent;

class CGestionCapasPanel : public wxPanel {
public:
    enum { ID_ARBOL = 1, ID_PROPIEDADES = 9 };

    CGestionCapasPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                       long style = wxTAB_TRAVERSAL | wxNO_BORDER, const wxString& name = wxPanelNameStr);

    void SetPanelMapa(PanelMapa* panel) { m_panelMapa = panel; }
    void SetGestorVistaMapa(CGestorVistaMapa* gestor) { m_gestorVista = gestor; }
    void SetListaCapas(CGestorVistaMapa::ListaCapas* lista) { m_listaCapas = lista; }

    // Rebuilds the tree from the view manager's layers; `seleccion` is the
    // position of the layer to select.
    void CargarListaCapasTreeCtrl(int seleccion);
    // The holder at that position of the layer list (0: top); null out of range.
    CCapasEnMapa* GetSelectedCapa(int indice) const;
    // Position in the list of the holder of the entry's layer; -1 without
    // list, without layer entry or when no holder has it.
    int BuscarIndiceCapa(const CGestorVistaMapa::ListaCapas* lista, const wxTreeItemId& item) const;
    // Repaints the map panel, layers and all.
    void RefreshPanelMapa();
    void ExpandirTreeCtrl(const wxTreeItemId& item);
    // The characters after the last '.' (the whole name without one).
    static wxString GetFileExtension(const wxString& nombre);
    // Whether the legend leaves the layer out (frames, graticules and the
    // backdrop layers carry no legend).
    static bool EsCapaExcluida(const CCapa& capa);

    // The layer properties dialog for the layer; after "Aplicar" the map and
    // the legend repaint and the parent hears of it (wxEVT_CAPA_MODIFICADA).
    // True when the changes were applied.
    bool ShowModificarPropiedadesDlg(CCapasEnMapa& capaEnMapa);

    CTreeCtrlCapas* GetArbol() const { return m_arbol; }
    wxTreeItemId GetItemSeleccionado() const { return m_itemSeleccionado; }

protected:
    // The pop-up menu of a layer entry (right click): "Propiedades...". An
    // empty menu is not shown.
    virtual std::unique_ptr<wxMenu> CrearMenuCapa(CCapasEnMapa& capa);
    // Shows the properties dialog modally; returns wxID_OK when it applied.
    virtual int MostrarPropiedades(CPropiedadesCapaDlg& dialogo);

private:
    void AnadirEntrada(CCapasEnMapa& capaEnMapa, const wxTreeItemId& raiz, bool seleccionar);
    void AnadirLineasLeyenda(CCapasEnMapa& capaEnMapa, const wxTreeItemId& entrada);
    void AsignarImagenes();

    void OnItemTreeCtrl(wxTreeEvent& event);
    void OnTreeSelChanged(wxTreeEvent& event);
    void OnMenuCapa(wxTreeEvent& event);
    void OnMenuPropiedades(wxCommandEvent& event);
    // Opens the properties of the entry's layer (nothing for a legend line).
    void AbrirPropiedades(const wxTreeItemId& item);
    void OnMouseLeftDown(wxMouseEvent& event);

    PanelMapa* m_panelMapa = nullptr;                        // not owned
    CGestorVistaMapa* m_gestorVista = nullptr;               // not owned
    CGestorVistaMapa::ListaCapas* m_listaCapas = nullptr;    // the view manager's
    wxTreeItemId m_itemSeleccionado;
    wxTreeItemId m_itemMenu;                                 // the entry whose menu is up
    CTreeCtrlCapas* m_arbol = nullptr;                       // child window

    wxDECLARE_EVENT_TABLE();
};
