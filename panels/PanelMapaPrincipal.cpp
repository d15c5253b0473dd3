#include "PanelMapaPrincipal.h"

#include "CGestionPanelDlg.h"
#include "CImagenMenu.h"
#include "CInfoCapasPanel.h"

namespace {
const wxSize kTamanoVentanaInformacion(300, 400);
const wxSize kTamanoInformacion(290, 380);
const char kNombreImagenMapa[] = "Mapa_actual";
}  // namespace

PanelMapaPrincipal::PanelMapaPrincipal(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size)
    : PanelMapa(parent, id, pos, size) {}

bool PanelMapaPrincipal::CrearInfoCapasPanel() {
    if (!m_ventanaInformacion)
        m_ventanaInformacion = new CGestionPanelDlg(this, wxID_ANY, wxString::FromUTF8("Información"),
                                                    wxDefaultPosition, kTamanoVentanaInformacion,
                                                    wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    if (!m_infoCapas) {
        m_infoCapas = new CInfoCapasPanel(m_ventanaInformacion, wxID_ANY, wxPoint(0, 0), kTamanoInformacion);
        m_ventanaInformacion->SetPanel(m_infoCapas);
    }
    return m_ventanaInformacion && m_infoCapas;
}

void PanelMapaPrincipal::MostrarInformacion(const CCoordenadaMapa& punto, double tolerancia) {
    if (!CrearInfoCapasPanel()) return;
    m_infoCapas->SetPoint(punto);
    m_infoCapas->SetUmbralBusqueda(tolerancia);
    m_infoCapas->SetMapaActivo(GetMapaActivo());
    m_infoCapas->SetFuenteContenidos(m_fuente);
    if (GetGestorVista() && m_infoCapas->SetListaCapas(GetGestorVista()->GetListaCapas()))
        m_infoCapas->CargarInfoTreeCtrl();
    m_ventanaInformacion->Show();
}

std::unique_ptr<CImagenMenu> PanelMapaPrincipal::CrearMenuImagen() {
    if (!GetBitmapMapa()) return nullptr;
    auto menu = std::make_unique<CImagenMenu>(true);
    menu->SetBitmap(*GetBitmapMapa(), kNombreImagenMapa);
    menu->SetPanelMapa(this);
    menu->SetModoImpresion(true);
    return menu;
}

void PanelMapaPrincipal::MostrarMenuImagen(const wxPoint& posicion) {
    if (std::unique_ptr<CImagenMenu> menu = CrearMenuImagen()) PopupMenu(menu.get(), posicion);
}
