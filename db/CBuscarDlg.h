#pragma once
// The search dialog: a background picture, a text box and a list. The user
// types a name and presses Enter; the gazetteer's hits fill the list; a
// double click on a hit tells the parent where it lies (a locate event,
// wxEVT_LOCALIZAR_ELEMENT_BUSQUEDA, whose event object is the hit's
// CInfoCapa, valid while the parent handles it) and closes the dialog.
//
// Two modes: place names of the active map ("TOPONIMO", the default) and
// municipalities ("LOCALIDAD", my locality). Typical use by the main frame:
//
//     CBuscarDlg dialogo(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(405, 255));
//     dialogo.SetTipoBusqueda(CBuscarDlg::kModoLocalidad);
//     dialogo.Inicializar();
//     dialogo.ShowModal();
#include <memory>

#include <wx/bitmap.h>
#include <wx/dialog.h>

#include "CInfoCapa.h"

class CGestorBD;
class wxListBox;
class wxTextCtrl;

class CBuscarDlg : public wxDialog {
public:
    enum { ID_TEXTO = 3, ID_LISTA = 4 };
    static constexpr const char* kModoLocalidad = "LOCALIDAD";
    static constexpr const char* kModoToponimo = "TOPONIMO";

    // The title is always "Búsqueda por topónimos" (Inicializar changes it
    // in my-locality mode); the dialog takes the size of its background.
    CBuscarDlg(wxWindow* parent, wxWindowID id = wxID_ANY, const wxString& title = wxEmptyString,
               const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
               long style = wxDEFAULT_DIALOG_STYLE);
    ~CBuscarDlg() override;

    // The mode, with its background picture and size.
    void SetTipoBusqueda(const wxString& tipo);
    const wxString& GetTipoBusqueda() const { return tipoBusqueda; }
    // The map whose place names are searched: 1, 2 or 3.
    void SetMapaActivo(int mapa) { mapaActivo = mapa; }
    // In my-locality mode, the title "Búsqueda de mi localidad".
    void Inicializar();
    // Directory holding ico/ and BD/ (the executable's by default).
    void SetRutaAplicacion(const wxString& ruta);

    // Enter in the text box: the list shows the hits of `texto`. A text of
    // blanks only searches nothing.
    void Buscar(const wxString& texto);

protected:
    void OnPaint(wxPaintEvent& event);
    void OnBuscarToponimo(wxCommandEvent& event);
    void OnVerSeleccion(wxCommandEvent& event);

private:
    bool EsLocalidad() const { return tipoBusqueda == kModoLocalidad; }
    void CargarFondo();
    wxString RutaBD() const;
    // Where the hit lies, asked of a fresh connection.
    CInfoCapa GetInformacionCapa(const wxString& valor, int idCapa);
    void EnviarLocalizar(CInfoCapa& registro);

    wxTextCtrl* texto = nullptr;
    wxListBox* lista = nullptr;
    // Made by a search, kept for the choice that follows.
    std::unique_ptr<CGestorBD> gestor;
    wxString tipoBusqueda{kModoToponimo};
    wxString rutaAplicacion;
    int mapaActivo = 1;
    wxBitmap fondo;

    wxDECLARE_EVENT_TABLE();
};
