#include "CInfoCapasPanel.h"

#include "CCapa.h"
#include "CCapaShp.h"
#include "CCapasEnMapa.h"
#include "CDbf.h"
#include "CFuenteContenidos.h"
#include "CImagenDlg.h"
#include "CInfoItemData.h"
#include "CMensajes.h"
#include "CShape.h"
#include "wxMapEvent.h"
#include "wxTextUtil.h"
#include "blanco_info.xpm"
#include "graf.xpm"

#include <wx/imaglist.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/treectrl.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(CInfoCapasPanel, wxPanel)
    EVT_TREE_ITEM_ACTIVATED(CInfoCapasPanel::ID_ARBOL, CInfoCapasPanel::OnDobleClickItem)
wxEND_EVENT_TABLE()

namespace {
const wxSize kTamanoImagen(32, 31);
const wxSize kTamanoImagenDlg(510, 376);
// The line of the attribute that gives the feature's municipality code.
const char kCampoMunicipio[] = "COD_MUN";
}  // namespace

CInfoCapasPanel::CInfoCapasPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size, long /*style*/)
    : wxPanel(parent, id, pos, size, wxTAB_TRAVERSAL) {
    m_titulo = new wxStaticText(this, wxID_ANY, _("Capas Cargadas"));
    m_arbol = new wxTreeCtrl(this, ID_ARBOL, wxDefaultPosition, wxSize(285, 350),
                             wxTR_HAS_BUTTONS | wxTR_NO_LINES | wxTR_HIDE_ROOT | wxSUNKEN_BORDER);
    auto imagenes = std::make_unique<wxImageList>(kTamanoImagen.x, kTamanoImagen.y, true);
    imagenes->Add(wxBitmap(graf_xpm));
    imagenes->Add(wxBitmap(blanco_info_xpm));
    m_arbol->AssignImageList(imagenes.release());
    do_layout();
}

CInfoCapasPanel::~CInfoCapasPanel() { LimpiarContenedorVentanas(); }

void CInfoCapasPanel::do_layout() {
    auto* rejilla = new wxFlexGridSizer(2, 1, 5, 15);
    rejilla->AddGrowableRow(1);
    rejilla->AddGrowableCol(0);
    rejilla->Add(m_titulo, 0, 0);
    rejilla->Add(m_arbol, 1, wxEXPAND);
    SetSizer(rejilla);
    rejilla->Fit(this);
    rejilla->SetSizeHints(this);
}

bool CInfoCapasPanel::SetListaCapas(const CGestorVistaMapa::ListaCapas* lista) {
    if (!lista) return false;
    m_listaCapas = lista;
    return true;
}

void CInfoCapasPanel::LimpiarTreeCtrl() { m_arbol->DeleteAllItems(); }

// ---------------------------------------------------------------- the tree

void CInfoCapasPanel::CargarInfoTreeCtrl() {
    LimpiarTreeCtrl();
    if (!m_listaCapas || m_listaCapas->empty()) return;
    const wxTreeItemId raiz = m_arbol->AddRoot("Capas Cargadas");
    for (const auto& capaEnMapa : *m_listaCapas)
        if (capaEnMapa && capaEnMapa->GetCapaEnCapa()) CargarCapa(*capaEnMapa->GetCapaEnCapa(), raiz);
    ExpandirTreeCtrl(raiz);
}

bool CInfoCapasPanel::EsCapaExcluida(const CCapa& capa) {
    const wxString nombre = capa.GetNombreCapa();
    return capa.GetRutaArchivo().Contains("/Medio_humano/Andalucia.shp") || nombre.Contains("Toponimia") ||
           nombre.Contains("Coordenadas") || nombre.Contains("Cuadricula") || nombre.Contains("Doble calzada");
}

// A shapefile or database layer gets a line with its feature's attributes
// and contents.
void CInfoCapasPanel::CargarCapa(CCapa& capa, const wxTreeItemId& raiz) {
    const wxString tipo = capa.ObtenerTipoCapa();
    if ((tipo != CCapa::TIPO_SHP && tipo != CCapa::TIPO_BD) || EsCapaExcluida(capa)) return;
    const wxTreeItemId item = m_arbol->AppendItem(raiz, capa.GetNombreCapa(), IMAGEN_DATO);
    CargarInfoCampos(capa, item);
    const wxString codigo = ExtraerCodigoMunicipio(item);
    // A code with "-" names no single feature of the gazetteer.
    if (!codigo.Strip(wxString::both).empty() && !codigo.Contains("-"))
        CargarContenidos(capa.GetRutaArchivo(), codigo, item);
}

void CInfoCapasPanel::CargarInfoCampos(CCapa& capa, const wxTreeItemId& item) {
    const auto* capaShp = dynamic_cast<const CCapaShp*>(&capa);
    const CShape* shape = capaShp ? capaShp->GetShape() : nullptr;
    CDbf* tabla = shape ? shape->GetDBF() : nullptr;
    if (!tabla) return;
    const CPunto punto(m_punto.GetCoordenadaMapaX(), m_punto.GetCoordenadaMapaY());
    int registro = -1;
    try {
        // A polygon holding the click; another feature within the tolerance.
        registro = shape->Tipo() == CShape::Poligono ? shape->PoligonoAlQuePertenece(punto, 0)
                                                     : shape->PoligonoAlQuePertenece(punto, 0, m_umbral);
    } catch (const char*) {
        return;  // nothing under the click
    }
    // A row the table does not hold (a damaged table) shows nothing.
    if (registro < 0 || registro >= tabla->GetRecordCount()) return;
    const wxString ruta = capa.GetRutaArchivo();
    for (int campo = 0; campo < tabla->GetFieldCount(); ++campo) {
        const wxString texto = TextoCampo(*tabla, registro, campo);
        if (!texto.empty() && !EsCampoOculto(ruta, texto)) m_arbol->AppendItem(item, texto, IMAGEN_DATO);
    }
}

wxString CInfoCapasPanel::TextoCampo(CDbf& tabla, int registro, int campo) {
    char nombre[12] = {};
    int ancho = 0, decimales = 0;
    const eDBFFieldType tipo = tabla.GetFieldInfo(campo, nombre, ancho, decimales);
    wxString valor;
    if (tipo == CampoTexto) {
        std::string texto(static_cast<size_t>(ancho) + 1, '\0');
        tabla.ReadStringAttribute(registro, campo, texto.data(), ancho + 1);
        valor = wxTextUtil::chr2wx(texto.c_str());
    } else if (tipo == CampoEntero && ancho <= 4) {
        int entero = 0;
        if (!tabla.ReadIntegerAttribute(registro, campo, entero)) return wxString();
        valor = wxString::Format("%d", entero);
    } else if (tipo == CampoEntero || tipo == CampoReal) {
        double real = 0.0;
        if (!tabla.ReadDoubleAttribute(registro, campo, real)) return wxString();
        valor = wxString::Format(decimales == 0 ? "%.0lf" : "%.2lf", real);
    } else {
        return wxString();
    }
    wxString linea = wxTextUtil::chr2wx(nombre) + " = " + valor;
    linea.Trim(true);
    return linea;
}

bool CInfoCapasPanel::EsCampoOculto(const wxString& ruta, const wxString& texto) {
    if ((ruta.Contains("sv8") || ruta.Contains("hs2")) && texto.Contains("TIPO")) return true;
    if ((ruta.Contains("andalucia.shp") || ruta.Contains("Andalucia.shp")) && texto.Contains("NOMBRE")) return true;
    return texto.Contains("CODIGO") || texto.Contains("REGI_N");
}

// The municipality code comes from the attribute line that names it (the
// text after its "=", blank included), which leaves the tree; empty without
// such a line.
wxString CInfoCapasPanel::ExtraerCodigoMunicipio(const wxTreeItemId& item) {
    wxTreeItemIdValue cookie;
    for (wxTreeItemId hijo = m_arbol->GetFirstChild(item, cookie); hijo.IsOk();
         hijo = m_arbol->GetNextChild(item, cookie)) {
        const wxString texto = m_arbol->GetItemText(hijo);
        if (!texto.Contains(kCampoMunicipio)) continue;
        m_arbol->Delete(hijo);
        const int igual = texto.Find('=');
        return igual == wxNOT_FOUND ? wxString() : texto.Mid(static_cast<size_t>(igual) + 1);
    }
    return wxString();
}

void CInfoCapasPanel::CargarContenidos(const wxString& ruta, const wxString& codigo, const wxTreeItemId& item) {
    if (!m_fuente) return;
    const wxString datos = GetRutaDatosAplicacionDeRuta(ruta);
    const wxString relativa = ruta.Mid(datos.length());
    for (const CFuenteContenidos::Contenido& contenido : m_fuente->Contenidos(datos, relativa, codigo, m_mapaActivo))
        m_arbol->AppendItem(item, contenido.descripcion, IMAGEN_CONTENIDO, -1,
                            new CInfoItemData(contenido.descripcion, contenido.ruta));
}

void CInfoCapasPanel::ExpandirTreeCtrl(const wxTreeItemId& item) {
    wxTreeItemIdValue cookie;
    for (wxTreeItemId hijo = m_arbol->GetFirstChild(item, cookie); hijo.IsOk();
         hijo = m_arbol->GetNextChild(item, cookie)) {
        if (!m_arbol->ItemHasChildren(hijo)) continue;
        m_arbol->Expand(hijo);
        ExpandirTreeCtrl(hijo);
    }
}

// ---------------------------------------------------------------- paths

wxString CInfoCapasPanel::GetNombreCapaDeRuta(const wxString& ruta) { return ruta.AfterLast('/'); }

wxString CInfoCapasPanel::GetFileExtension(const wxString& ruta) { return ruta.AfterLast('.'); }

wxString CInfoCapasPanel::GetRutaDatosAplicacionDeRuta(const wxString& ruta) {
    const size_t ultima = ruta.rfind('/');
    if (ultima == wxString::npos || ultima == 0) return wxString();
    const size_t penultima = ruta.rfind('/', ultima - 1);
    return penultima == wxString::npos ? wxString() : ruta.Left(penultima + 1);
}

// ---------------------------------------------------------------- picture windows

CImagenDlg* CInfoCapasPanel::ComprobarSiAbierta(const wxString& ruta) const {
    const auto abierta = std::find_if(m_ventanas.begin(), m_ventanas.end(),
                                      [&ruta](const CImagenDlg* v) { return v->GetRutaImagen() == ruta; });
    return abierta == m_ventanas.end() ? nullptr : *abierta;
}

CImagenDlg* CInfoCapasPanel::AbrirContenido(const wxTreeItemId& item) {
    const auto* datos = item.IsOk() ? dynamic_cast<const CInfoItemData*>(m_arbol->GetItemData(item)) : nullptr;
    if (!datos || !datos->TieneContenido()) return nullptr;
    if (CImagenDlg* abierta = ComprobarSiAbierta(datos->GetContenido())) {
        abierta->Hide();
        abierta->Show();
        abierta->Centre(wxBOTH | wxCENTRE_ON_SCREEN);
        abierta->Raise();
        return abierta;
    }
    auto* ventana = new CImagenDlg(this, wxID_ANY, wxEmptyString, wxDefaultPosition, kTamanoImagenDlg,
                                   wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    if (!ventana->SetRutaImagen(datos->GetContenido())) {
        ventana->Destroy();
        MostrarMensaje(wxString::FromUTF8("No se puede mostrar la imagen \"") + datos->GetDescripcion() +
                           wxString::FromUTF8("\": el archivo ") + datos->GetContenido() +
                           wxString::FromUTF8(" no existe o no es una imagen."),
                       wxString::FromUTF8("Información"), wxOK | wxICON_INFORMATION, this);
        return nullptr;
    }
    ventana->SetDescripcionImagen(datos->GetDescripcion());
    m_ventanas.push_back(ventana);
    ventana->Show();
    return ventana;
}

bool CInfoCapasPanel::CerrarVentana(int id) {
    const auto ventana = std::find_if(m_ventanas.begin(), m_ventanas.end(),
                                      [id](const CImagenDlg* v) { return v->GetId() == id; });
    if (ventana == m_ventanas.end()) return false;
    (*ventana)->Hide();
    (*ventana)->Destroy();
    m_ventanas.erase(ventana);
    return true;
}

void CInfoCapasPanel::LimpiarContenedorVentanas() {
    for (CImagenDlg* ventana : m_ventanas) {
        ventana->Hide();
        ventana->Destroy();
    }
    m_ventanas.clear();
}

void CInfoCapasPanel::OnDobleClickItem(wxTreeEvent& event) { AbrirContenido(event.GetItem()); }

// A picture window's close box asks here to close it.
bool CInfoCapasPanel::ProcessEvent(wxEvent& event) {
    if (event.GetEventType() == wxEVT_CERRAR_VENTANA) {
        CerrarVentana(event.GetId());
        return true;
    }
    return wxPanel::ProcessEvent(event);
}
