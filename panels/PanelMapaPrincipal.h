#pragma once
// The main map: the map panel with what its information tool and its
// right-button menu open. A click with the information tool fills the
// floating "Información" window (made on the first click, shown again on
// every click, destroyed with the panel); a right click without a tool pops
// up the map image menu (copy, save, quick and quality print).
#include "PanelMapa.h"

#include <memory>

class CFuenteContenidos;
class CGestionPanelDlg;
class CImagenMenu;
class CInfoCapasPanel;

class PanelMapaPrincipal : public PanelMapa {
public:
    PanelMapaPrincipal(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size);

    // Where the information window finds the features' contents; not owned.
    void SetFuenteContenidos(CFuenteContenidos* fuente) { m_fuente = fuente; }

    // Makes the information window and its panel when missing; false when
    // they cannot be made.
    bool CrearInfoCapasPanel();
    CGestionPanelDlg* GetVentanaInformacion() const { return m_ventanaInformacion; }
    CInfoCapasPanel* GetInfoCapasPanel() const { return m_infoCapas; }

    // The map image menu for the map as painted now; null before the first
    // paint.
    std::unique_ptr<CImagenMenu> CrearMenuImagen();

protected:
    void MostrarInformacion(const CCoordenadaMapa& punto, double tolerancia) override;
    void MostrarMenuImagen(const wxPoint& posicion) override;

private:
    CFuenteContenidos* m_fuente = nullptr;              // not owned
    CGestionPanelDlg* m_ventanaInformacion = nullptr;  // child window
    CInfoCapasPanel* m_infoCapas = nullptr;            // child of the window
};
