#include "CImagenDlg.h"

#include "CImagenMenu.h"
#include "wxMapEvent.h"

#include <wx/dcclient.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>

wxBEGIN_EVENT_TABLE(CImagenDlg, wxDialog)
    EVT_PAINT(CImagenDlg::OnPaint)
    EVT_CLOSE(CImagenDlg::OnCerrar)
    EVT_RIGHT_DOWN(CImagenDlg::OnMouseRightDown)
wxEND_EVENT_TABLE()

CImagenDlg::CImagenDlg(wxWindow* parent, int id, const wxString& title, const wxPoint& /*pos*/,
                       const wxSize& /*size*/, long /*style*/)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER) {
    SetBackgroundColour(*wxWHITE);
}

bool CImagenDlg::SetRutaImagen(const wxString& ruta) {
    m_rutaImagen = ruta;
    if (!wxFileName::FileExists(ruta)) return false;
    wxImage imagen;
    {
        wxLogNull sinRegistro;  // a damaged picture is reported by the caller
        if (!imagen.LoadFile(ruta, wxBITMAP_TYPE_ANY) || !imagen.IsOk()) return false;
    }
    m_imagen = wxBitmap(imagen);
    SetClientSize(m_imagen.GetSize());
    Refresh();
    return true;
}

void CImagenDlg::SetDescripcionImagen(const wxString& descripcion) {
    m_descripcion = descripcion;
    SetTitle(descripcion);
}

void CImagenDlg::OnPaint(wxPaintEvent& /*event*/) {
    wxPaintDC dc(this);
    if (m_imagen.IsOk()) dc.DrawBitmap(m_imagen, 0, 0, true);
}

// The parent closes the window (and forgets it); without one that does, the
// window closes itself.
void CImagenDlg::OnCerrar(wxCloseEvent& /*event*/) {
    wxMapEvent evento(wxEVT_CERRAR_VENTANA, GetId());
    evento.SetEventObject(this);
    if (GetParent() && GetParent()->GetEventHandler()->ProcessEvent(evento)) return;
    Destroy();
}

std::unique_ptr<CImagenMenu> CImagenDlg::CrearMenu() const {
    auto menu = std::make_unique<CImagenMenu>(false);
    menu->SetModoImpresion(false);
    menu->SetPanelMapa(nullptr);
    menu->SetBitmap(m_imagen, m_descripcion);
    return menu;
}

void CImagenDlg::OnMouseRightDown(wxMouseEvent& event) {
    if (!m_imagen.IsOk()) return;
    std::unique_ptr<CImagenMenu> menu = CrearMenu();
    PopupMenu(menu.get(), event.GetPosition());
}
