#include "CImagenMenu.h"

#include "CMensajes.h"
#include "CMyPrintout.h"
#include "PanelMapa.h"

#include <wx/clipbrd.h>
#include <wx/dirdlg.h>
#include <wx/log.h>
#include <wx/print.h>

wxBEGIN_EVENT_TABLE(CImagenMenu, wxMenu)
    EVT_MENU(CImagenMenu::ID_COPIAR, CImagenMenu::OnCopiar)
    EVT_MENU(CImagenMenu::ID_GUARDAR, CImagenMenu::OnGuardar)
    EVT_MENU(CImagenMenu::ID_IMPRIMIR_RAPIDO, CImagenMenu::OnImprimirRapido)
    EVT_MENU(CImagenMenu::ID_IMPRIMIR, CImagenMenu::OnImprimir)
wxEND_EVENT_TABLE()

namespace {
const char kTituloImpresion[] = "VAQ100 Vistral";
}  // namespace

CImagenMenu::CImagenMenu(bool imprimirMapa) {
    Append(ID_COPIAR, "Copiar");
    AppendSeparator();
    Append(ID_GUARDAR, "Guardar");
    AppendSeparator();
    if (imprimirMapa) {
        Append(ID_IMPRIMIR_RAPIDO, wxString::FromUTF8("Impresión rápida"));
        AppendSeparator();
        Append(ID_IMPRIMIR, wxString::FromUTF8("Impresión con calidad"));
    } else {
        Append(ID_IMPRIMIR, "Imprimir");
    }
}

void CImagenMenu::SetBitmap(const wxBitmap& imagen, const wxString& nombre) {
    m_imagen = imagen;
    m_nombre = nombre;
}

bool CImagenMenu::Copiar() const {
    if (!m_imagen.IsOk() || !wxTheClipboard->Open()) {
        MostrarMensaje("No se ha podido copiar la imagen al portapapeles.", "Copiar", wxOK | wxICON_ERROR);
        return false;
    }
    wxTheClipboard->SetData(new wxBitmapDataObject(m_imagen));
    wxTheClipboard->Flush();
    wxTheClipboard->Close();
    return true;
}

wxString CImagenMenu::RutaGuardado(const wxString& directorio) const {
    wxString nombre = m_nombre;
    nombre.Replace("/", "-");
    return directorio + "/" + nombre + ".bmp";
}

bool CImagenMenu::GuardarEn(const wxString& directorio) const {
    const wxString ruta = RutaGuardado(directorio);
    bool guardado = false;
    if (m_imagen.IsOk()) {
        wxLogNull sinRegistro;  // the message below says it
        guardado = m_imagen.SaveFile(ruta, wxBITMAP_TYPE_BMP);
    }
    if (!guardado)
        MostrarMensaje(wxString::FromUTF8("No se ha podido guardar la imagen en ") + ruta +
                           wxString::FromUTF8(".\nCompruebe que la carpeta existe y que se puede escribir en ella."),
                       "Guardar", wxOK | wxICON_ERROR);
    return guardado;
}

bool CImagenMenu::Imprimir(bool rapida, wxPrintData& datos) const {
    PanelMapa* panel = m_modoImpresion ? m_panelMapa : nullptr;
    CMyPrintout printout(kTituloImpresion, panel, m_modoImpresion, rapida, m_modoImpresion ? nullptr : &m_imagen);
    wxPrintDialogData datosDialogo(datos);
    wxPrinter impresora(&datosDialogo);
    bool impreso = false;
    {
        wxLogNull sinRegistro;  // a failure gets the message below, not the toolkit's
        impreso = impresora.Print(panel, &printout, true);
    }
    if (impreso) {
        datos = impresora.GetPrintDialogData().GetPrintData();
        return true;
    }
    if (wxPrinter::GetLastError() == wxPRINTER_ERROR)
        MostrarMensaje(wxString::FromUTF8("Ha ocurrido un problema en la impresión.\n"
                                          "¿Tiene conectada la impresora correctamente?"),
                       wxString::FromUTF8("Impresión"), wxOK, panel);
    else
        MostrarMensaje(wxString::FromUTF8("Se ha cancelado la impresión"), wxString::FromUTF8("Impresión"), wxOK,
                       panel);
    return false;
}

void CImagenMenu::OnCopiar(wxCommandEvent& /*event*/) { Copiar(); }

void CImagenMenu::OnGuardar(wxCommandEvent& /*event*/) {
    wxDirDialog dialogo(nullptr, "Seleccione la ruta", wxEmptyString, wxDD_DEFAULT_STYLE | wxDD_NEW_DIR_BUTTON,
                        wxDefaultPosition, wxSize(450, 550));
    if (dialogo.ShowModal() == wxID_OK) GuardarEn(dialogo.GetPath());
}

// Print settings are not kept from one print to the next.
void CImagenMenu::OnImprimirRapido(wxCommandEvent& /*event*/) {
    wxPrintData datos;
    Imprimir(true, datos);
}

void CImagenMenu::OnImprimir(wxCommandEvent& /*event*/) {
    wxPrintData datos;
    Imprimir(false, datos);
}
