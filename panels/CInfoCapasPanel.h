#pragma once
// The panel of the information window: after a click with the information
// tool, a tree of the map's layers, each with the attributes of its feature
// under the click and the contents (pictures) the gazetteer attaches to that
// feature. A double click on a content opens its picture in a window of its
// own; a second double click brings that window forward.
#include "CCoordenadaMapa.h"
#include "CGestorVistaMapa.h"

#include <wx/panel.h>
#include <wx/treebase.h>

#include <vector>

class CCapa;
class CDbf;
class CFuenteContenidos;
class CImagenDlg;
class wxStaticText;
class wxTreeCtrl;
class wxTreeEvent;

class CInfoCapasPanel : public wxPanel {
public:
    enum { ID_ARBOL = 1 };
    // Pictures of the tree's lines.
    enum { IMAGEN_CONTENIDO = 0, IMAGEN_DATO = 1 };

    // The style argument is not used.
    CInfoCapasPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size, long style = 0);
    ~CInfoCapasPanel() override;

    // The click, in the order the map panel gives it.
    void SetPoint(const CCoordenadaMapa& punto) { m_punto = punto; }
    void SetUmbralBusqueda(double umbral) { m_umbral = umbral; }
    void SetMapaActivo(int mapa) { m_mapaActivo = mapa; }
    // False, keeping the previous list, for a null list.
    bool SetListaCapas(const CGestorVistaMapa::ListaCapas* lista);
    // Where contents come from; none: layers are listed without contents.
    void SetFuenteContenidos(CFuenteContenidos* fuente) { m_fuente = fuente; }

    // Rebuilds the tree for the click.
    void CargarInfoTreeCtrl();
    void LimpiarTreeCtrl();

    // The open picture windows.
    const std::vector<CImagenDlg*>& GetContenedorVentanas() const { return m_ventanas; }
    void LimpiarContenedorVentanas();
    // Closes the open picture window with that id; false when there is none.
    bool CerrarVentana(int id);
    // The open window that shows the picture at `ruta`; null when none does.
    CImagenDlg* ComprobarSiAbierta(const wxString& ruta) const;
    // What a double click on the line does: opens its content's picture, or
    // brings its open window forward. Null for a line without content or a
    // picture that cannot be read (the user is told).
    CImagenDlg* AbrirContenido(const wxTreeItemId& item);

    // Attribute line of field `campo` of row `registro`: "NAME = value",
    // empty when the value cannot be read.
    static wxString TextoCampo(CDbf& tabla, int registro, int campo);
    // Whether an attribute line of the layer at `ruta` stays out of the tree.
    static bool EsCampoOculto(const wxString& ruta, const wxString& texto);
    // Whether a layer stays out of the tree (place names, frames, the
    // region's outline).
    static bool EsCapaExcluida(const CCapa& capa);

    // Path helpers. The characters after the last "/" (all of it without
    // one); after the last "."; and the path up to and including its
    // second-to-last "/" (the data directory of a layer file two levels
    // below it), empty when it has fewer than two.
    static wxString GetNombreCapaDeRuta(const wxString& ruta);
    static wxString GetFileExtension(const wxString& ruta);
    static wxString GetRutaDatosAplicacionDeRuta(const wxString& ruta);

    wxTreeCtrl* GetArbol() const { return m_arbol; }

    bool ProcessEvent(wxEvent& event) override;

private:
    void CargarCapa(CCapa& capa, const wxTreeItemId& raiz);
    void CargarInfoCampos(CCapa& capa, const wxTreeItemId& item);
    wxString ExtraerCodigoMunicipio(const wxTreeItemId& item);
    void CargarContenidos(const wxString& ruta, const wxString& codigo, const wxTreeItemId& item);
    void ExpandirTreeCtrl(const wxTreeItemId& item);
    void do_layout();

    void OnDobleClickItem(wxTreeEvent& event);

    wxStaticText* m_titulo = nullptr;  // child window
    wxTreeCtrl* m_arbol = nullptr;     // child window
    double m_umbral = -1.0;
    const CGestorVistaMapa::ListaCapas* m_listaCapas = nullptr;  // the view manager's
    CCoordenadaMapa m_punto;
    int m_mapaActivo = 0;
    std::vector<CImagenDlg*> m_ventanas;  // child windows, destroyed by us
    CFuenteContenidos* m_fuente = nullptr;  // not owned

    wxDECLARE_EVENT_TABLE();
};
