#include "CConfigApp.h"

#include "CMensajes.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/fileconf.h>
#include <wx/dirdlg.h>
#include <wx/log.h>
#include <wx/utils.h>

namespace {
const char kClave[] = "PathApp";
const char kMarcador[] = "/datos.mmm";

wxString& RutaSesion() {
    static wxString ruta;
    return ruta;
}
}  // namespace

CConfigApp::CConfigApp(const wxString& directorioAplicacion) : m_directorioAplicacion(directorioAplicacion) {}
CConfigApp::~CConfigApp() = default;

void CConfigApp::SetRutaSesion(const wxString& ruta) { RutaSesion() = ruta; }

wxString CConfigApp::GetRutaSesion() { return RutaSesion(); }

wxString CConfigApp::GetRutaFicheroConfiguracion() {
    return wxFileName(wxGetHomeDir(), "VAQConfiguracion.conf").GetFullPath();
}

bool CConfigApp::ComprobarSiDatos(const wxString& ruta) {
    // An empty path would test "/datos.mmm" at the root of the file system.
    if (ruta.empty()) return false;
    return wxFileName::FileExists(ruta + kMarcador);
}

wxString CConfigApp::GetRutaInicialSelector(const wxString& directorioAplicacion) {
    if (directorioAplicacion.empty()) return wxString();
    // The build gives the atlas's place relative to the application directory.
    wxFileName atlas =
        wxFileName::DirName(directorioAplicacion + "/" + wxString::FromUTF8(VAQ_ATLAS_DESDE_APLICACION));
    atlas.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    const wxString ruta = atlas.GetPath();
    return ComprobarSiDatos(ruta) ? ruta : wxString();
}

wxString CConfigApp::GetRutaArchivo() {
    if (!RutaSesion().empty()) {
        m_ruta = RutaSesion();
        return m_ruta;
    }
    // A damaged or unwritable file must not bring up the toolkit's log dialog:
    // failures are reported with our own messages.
    wxLogNull sinRegistro;
    wxFileConfig config(wxEmptyString, wxEmptyString, GetRutaFicheroConfiguracion(), wxEmptyString,
                        wxCONFIG_USE_LOCAL_FILE, wxConvUTF8);
    wxString ruta;
    if (config.Read(kClave, &ruta) && !ruta.empty() && ComprobarSiDatos(ruta)) {
        m_ruta = ruta;
        return m_ruta;
    }
    m_ruta = BucleSeleccion(config);
    m_dialogo.reset();
    return m_ruta;
}

wxString CConfigApp::BucleSeleccion(wxFileConfig& config) {
    wxString ruta;
    while (ElegirDirectorio(ruta) == wxID_OK) {
        if (ComprobarSiDatos(ruta)) {
            config.Write(kClave, ruta);
            if (!config.Flush())
                MostrarMensaje(wxString::FromUTF8("No se ha podido guardar la configuración en ") +
                               GetRutaFicheroConfiguracion() +
                               wxString::FromUTF8(". Se usará la ruta elegida sólo en esta sesión."));
            return ruta;
        }
        MostrarMensaje(wxString::FromUTF8("En la ruta especificada no se encuentran los datos."));
    }
    return wxString();
}

int CConfigApp::ElegirDirectorio(wxString& ruta) {
    if (EsModoSilencioso()) return wxID_CANCEL;
    if (!m_dialogo)
        m_dialogo = std::make_unique<wxDirDialog>(
            nullptr, wxString::FromUTF8("Seleccione la ruta de los datos"),
            GetRutaInicialSelector(m_directorioAplicacion),
            wxDD_DEFAULT_STYLE, wxDefaultPosition, wxSize(450, 550));
    const int respuesta = m_dialogo->ShowModal();
    if (respuesta == wxID_OK) ruta = m_dialogo->GetPath();
    return respuesta;
}
