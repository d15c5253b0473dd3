#pragma once
// A window showing one picture attached to a feature (opened from the
// information window), at the picture's size, titled with its description.
// Its right-button menu copies, saves or prints the picture; its close box
// asks the parent (the information panel) to close it.
#include <wx/bitmap.h>
#include <wx/dialog.h>

#include <memory>

class CImagenMenu;

class CImagenDlg : public wxDialog {
public:
    // The position, size and style arguments are not used: the window sits
    // at the default position, is sized to its picture, and can be resized
    // and closed.
    CImagenDlg(wxWindow* parent, int id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize, long style = 0);

    // Reads the picture (any format) and sizes the window to it; false,
    // keeping the previous picture, when the file is missing or not one.
    bool SetRutaImagen(const wxString& ruta);
    const wxString& GetRutaImagen() const { return m_rutaImagen; }
    // The description is also the window's title.
    void SetDescripcionImagen(const wxString& descripcion);
    const wxString& GetDescripcionImagen() const { return m_descripcion; }
    const wxBitmap& GetImagen() const { return m_imagen; }

    // The right-button menu: copy, save and print of the picture.
    std::unique_ptr<CImagenMenu> CrearMenu() const;

protected:
    void OnPaint(wxPaintEvent& event);
    void OnCerrar(wxCloseEvent& event);
    void OnMouseRightDown(wxMouseEvent& event);

private:
    wxString m_rutaImagen;
    wxString m_descripcion;
    wxBitmap m_imagen;

    wxDECLARE_EVENT_TABLE();
};
