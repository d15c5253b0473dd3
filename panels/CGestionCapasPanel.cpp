#include "CGestionCapasPanel.h"

#include "CCapa.h"
#include "CCapaItemData.h"
#include "CCapasEnMapa.h"
#include "CPropiedadesCapaDlg.h"
#include "CRepresentacion.h"
#include "CTreeCtrlCapas.h"
#include "PanelMapa.h"
#include "check.xpm"
#include "uncheck.xpm"

#include <wx/imaglist.h>
#include <wx/menu.h>

wxDEFINE_EVENT(wxEVT_CAPA_MODIFICADA, wxCommandEvent);

wxBEGIN_EVENT_TABLE(CGestionCapasPanel, wxPanel)
    EVT_TREE_ITEM_ACTIVATED(CGestionCapasPanel::ID_ARBOL, CGestionCapasPanel::OnItemTreeCtrl)
    EVT_TREE_SEL_CHANGED(CGestionCapasPanel::ID_ARBOL, CGestionCapasPanel::OnTreeSelChanged)
    EVT_TREE_ITEM_MENU(CGestionCapasPanel::ID_ARBOL, CGestionCapasPanel::OnMenuCapa)
    EVT_MENU(CGestionCapasPanel::ID_PROPIEDADES, CGestionCapasPanel::OnMenuPropiedades)
    EVT_LEFT_DOWN(CGestionCapasPanel::OnMouseLeftDown)
wxEND_EVENT_TABLE()

namespace {
const wxColour kColorFondo(212, 208, 200);
constexpr int kLadoImagen = 16;
// Legend lines show their class value after this indentation.
const char kSangriaLeyenda[] = "       ";

bool EsClasificacionPorValor(const CCapasEnMapa& capaEnMapa) {
    return capaEnMapa.GetTieneClasificacion() && capaEnMapa.GetTipoClasificacion().EsPorValor();
}

wxList* ClasesPorValor(const CCapasEnMapa& capaEnMapa) {
    if (!EsClasificacionPorValor(capaEnMapa) || !capaEnMapa.GetClasificacion()) return nullptr;
    return capaEnMapa.GetClasificacion()->GetLista();
}
}  // namespace

CGestionCapasPanel::CGestionCapasPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                                       long /*style*/, const wxString& name)
    : wxPanel(parent, id, pos, size, wxTAB_TRAVERSAL | wxNO_BORDER, name) {
    m_arbol = new CTreeCtrlCapas(this, ID_ARBOL, wxDefaultPosition, wxSize(205, 390),
                                 wxTR_HAS_BUTTONS | wxTR_NO_LINES | wxTR_HIDE_ROOT | wxSUNKEN_BORDER, "listCtrl");
    SetBackgroundColour(kColorFondo);
    Layout();
}

bool CGestionCapasPanel::EsCapaExcluida(const CCapa& capa) {
    static const wxString excluidos[] = {"Cuadricula",
                                         "Coordenadas",
                                         wxString::FromUTF8("Andalucía"),
                                         "Doble calzada",
                                         wxString::FromUTF8("Lámina de agua"),
                                         wxString::FromUTF8("Otras regiones o países")};
    const wxString nombre = capa.GetNombreCapa();
    for (const wxString& excluido : excluidos)
        if (nombre.Contains(excluido)) return true;
    return false;
}

// The check boxes of place-name layers; the legend lines' picture is blank
// (the swatch is drawn beside it), and a database layer's boxes are the same.
void CGestionCapasPanel::AsignarImagenes() {
    auto imagenes = std::make_unique<wxImageList>(kLadoImagen, kLadoImagen, true);
    const wxBitmap marcada(check_xpm);
    const wxBitmap desmarcada(uncheck_xpm);
    wxImage blanca(kLadoImagen, kLadoImagen);
    blanca.SetAlpha();
    std::fill(blanca.GetAlpha(), blanca.GetAlpha() + kLadoImagen * kLadoImagen, 0);
    imagenes->Add(marcada);
    imagenes->Add(desmarcada);
    imagenes->Add(wxBitmap(blanca));
    imagenes->Add(marcada);
    imagenes->Add(desmarcada);
    m_arbol->AssignImageList(imagenes.release());
}

void CGestionCapasPanel::CargarListaCapasTreeCtrl(int seleccion) {
    m_listaCapas = m_gestorVista ? m_gestorVista->GetListaCapas() : m_listaCapas;
    m_arbol->DeleteAllItems();
    m_itemSeleccionado = wxTreeItemId();
    if (!m_listaCapas || m_listaCapas->empty()) return;
    AsignarImagenes();
    const wxTreeItemId raiz = m_arbol->AddRoot("Capas Cargadas");
    int posicion = 0;
    for (const auto& capaEnMapa : *m_listaCapas) {
        if (capaEnMapa && capaEnMapa->GetCapaEnCapa()) AnadirEntrada(*capaEnMapa, raiz, posicion == seleccion);
        ++posicion;
    }
    ExpandirTreeCtrl(raiz);
    RefreshPanelMapa();
    m_arbol->SetFocus();
}

void CGestionCapasPanel::AnadirEntrada(CCapasEnMapa& capaEnMapa, const wxTreeItemId& raiz, bool seleccionar) {
    CCapa* capa = capaEnMapa.GetCapaEnCapa();
    const bool visible = capa->GetEstadoCapa() == CCapa::ESTADO_VISIBLE;
    int imagen = visible ? CTreeCtrlCapas::IMAGEN_VISIBLE : CTreeCtrlCapas::IMAGEN_OCULTA;
    if (capa->EsDeBaseDeDatos()) imagen += CTreeCtrlCapas::IMAGEN_VISIBLE_BD;
    wxTreeItemId entrada;
    if (CTreeCtrlCapas::EsCapaToponimia(*capa))
        entrada = m_arbol->AppendItem(raiz, capa->GetNombreCapa(), imagen);
    else if (!EsCapaExcluida(*capa))
        entrada = m_arbol->AppendItem(raiz, capa->GetNombreCapa());
    if (!entrada.IsOk()) return;
    auto datos = std::make_unique<CCapaItemData>();
    datos->SetCapaItemData(capa);
    if (wxList* clases = ClasesPorValor(capaEnMapa))
        for (auto nodo = clases->GetFirst(); nodo; nodo = nodo->GetNext())
            datos->AddRepresentacion(static_cast<CRepresentacion*>(nodo->GetData()));
    m_arbol->SetItemData(entrada, datos.release());
    const wxString tipo = capa->ObtenerTipoCapa();
    if (tipo == CCapa::TIPO_SHP || tipo == CCapa::TIPO_BD) AnadirLineasLeyenda(capaEnMapa, entrada);
    if (seleccionar) {
        m_itemSeleccionado = entrada;
        m_arbol->SelectItem(entrada);
    }
}

// One line for the layer's own symbol, one per class of a classification by
// value; labels (a classification by text) have none.
void CGestionCapasPanel::AnadirLineasLeyenda(CCapasEnMapa& capaEnMapa, const wxTreeItemId& entrada) {
    if (!capaEnMapa.GetTieneClasificacion()) {
        m_arbol->AppendItem(entrada, wxEmptyString, CTreeCtrlCapas::IMAGEN_LEYENDA);
        return;
    }
    if (!EsClasificacionPorValor(capaEnMapa)) return;
    wxList* clases = ClasesPorValor(capaEnMapa);
    if (!clases) {
        m_arbol->AppendItem(entrada, wxEmptyString, CTreeCtrlCapas::IMAGEN_LEYENDA);
        return;
    }
    for (auto nodo = clases->GetFirst(); nodo; nodo = nodo->GetNext())
        if (const auto* clase = static_cast<const CRepresentacion*>(nodo->GetData()))
            m_arbol->AppendItem(entrada, kSangriaLeyenda + clase->GetValor(), CTreeCtrlCapas::IMAGEN_LEYENDA);
}

CCapasEnMapa* CGestionCapasPanel::GetSelectedCapa(int indice) const {
    if (!m_listaCapas || indice < 0 || indice >= static_cast<int>(m_listaCapas->size())) return nullptr;
    return (*m_listaCapas)[indice].get();
}

int CGestionCapasPanel::BuscarIndiceCapa(const CGestorVistaMapa::ListaCapas* lista, const wxTreeItemId& item) const {
    if (!lista || !item.IsOk()) return -1;
    const auto* datos = dynamic_cast<const CCapaItemData*>(m_arbol->GetItemData(item));
    if (!datos) return -1;
    for (size_t i = 0; i < lista->size(); ++i)
        if ((*lista)[i] && (*lista)[i]->GetCapaEnCapa() == datos->GetCapaItemData()) return static_cast<int>(i);
    return -1;
}

void CGestionCapasPanel::RefreshPanelMapa() {
    if (m_panelMapa) m_panelMapa->Refresh(true);
}

void CGestionCapasPanel::ExpandirTreeCtrl(const wxTreeItemId& item) {
    if (!item.IsOk()) return;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId hijo = m_arbol->GetFirstChild(item, cookie); hijo.IsOk();
         hijo = m_arbol->GetNextChild(item, cookie)) {
        if (m_arbol->ItemHasChildren(hijo)) {
            m_arbol->Expand(hijo);
            ExpandirTreeCtrl(hijo);
        }
    }
}

wxString CGestionCapasPanel::GetFileExtension(const wxString& nombre) { return nombre.AfterLast('.'); }

std::unique_ptr<wxMenu> CGestionCapasPanel::CrearMenuCapa(CCapasEnMapa& /*capa*/) {
    auto menu = std::make_unique<wxMenu>();
    menu->Append(ID_PROPIEDADES, "Propiedades...");
    return menu;
}

int CGestionCapasPanel::MostrarPropiedades(CPropiedadesCapaDlg& dialogo) { return dialogo.Modal(true); }

bool CGestionCapasPanel::ShowModificarPropiedadesDlg(CCapasEnMapa& capaEnMapa) {
    auto dialogo = CPropiedadesCapaDlg::ParaCapa(this, capaEnMapa);
    if (!dialogo || MostrarPropiedades(*dialogo) != wxID_OK) return false;
    RefreshPanelMapa();
    m_arbol->Refresh();
    int posicion = -1;
    for (size_t i = 0; m_listaCapas && i < m_listaCapas->size(); ++i)
        if ((*m_listaCapas)[i].get() == &capaEnMapa) posicion = static_cast<int>(i);
    wxCommandEvent aviso(wxEVT_CAPA_MODIFICADA, GetId());
    aviso.SetEventObject(this);
    aviso.SetInt(posicion);
    ProcessWindowEvent(aviso);
    return true;
}

// Opened within the event that asks for it: a dialog opened from a deferred
// call would hold back every other deferred call of the application while
// it is up.
void CGestionCapasPanel::AbrirPropiedades(const wxTreeItemId& item) {
    if (CCapasEnMapa* elegida = GetSelectedCapa(BuscarIndiceCapa(m_listaCapas, item)))
        ShowModificarPropiedadesDlg(*elegida);
}

// A double click (or Enter) on a layer entry opens its properties.
void CGestionCapasPanel::OnItemTreeCtrl(wxTreeEvent& event) {
    m_itemSeleccionado = event.GetItem();
    AbrirPropiedades(event.GetItem());
}

void CGestionCapasPanel::OnMenuPropiedades(wxCommandEvent& /*event*/) { AbrirPropiedades(m_itemMenu); }

void CGestionCapasPanel::OnTreeSelChanged(wxTreeEvent& event) { m_itemSeleccionado = event.GetItem(); }

void CGestionCapasPanel::OnMenuCapa(wxTreeEvent& event) {
    CCapasEnMapa* capa = GetSelectedCapa(BuscarIndiceCapa(m_listaCapas, event.GetItem()));
    if (!capa) return;
    std::unique_ptr<wxMenu> menu = CrearMenuCapa(*capa);
    m_itemMenu = event.GetItem();
    if (menu && menu->GetMenuItemCount() > 0) m_arbol->PopupMenu(menu.get(), event.GetPoint());
}

// A place-name layer was switched in the tree: the map shows it.
void CGestionCapasPanel::OnMouseLeftDown(wxMouseEvent& /*event*/) { RefreshPanelMapa(); }
