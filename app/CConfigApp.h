#pragma once
// Finds the data directory: the one remembered in the per-user configuration
// file when it still holds the marker file, else the one the user picks in a
// directory chooser (remembered from then on). A directory given on the
// command line is used instead, for that run only. The chooser opens on the
// atlas installed with the program, when there is one.
#include "DirectorioEjecutable.h"

#include <wx/string.h>
#include <memory>

class wxFileConfig;
class wxDirDialog;

class CConfigApp {
public:
    // directorioAplicacion: where the running program lives; the installed
    // atlas is looked for relative to it.
    explicit CConfigApp(const wxString& directorioAplicacion = DirectorioAplicacion());
    virtual ~CConfigApp();
    CConfigApp(const CConfigApp&) = delete;
    CConfigApp& operator=(const CConfigApp&) = delete;

    // Establishes the data directory and returns it; empty when the user gave
    // up (or, in quiet mode, when no valid directory is configured: no chooser
    // is shown then).
    wxString GetRutaArchivo();
    // True when ruta + "/datos.mmm" is an existing regular file (links followed).
    static bool ComprobarSiDatos(const wxString& ruta);
    void SetRutaArchivo(const wxString& ruta) { m_ruta = ruta; }

    // Directory for this run only (command line): GetRutaArchivo returns it
    // without reading or writing the configuration. Empty: none.
    static void SetRutaSesion(const wxString& ruta);
    static wxString GetRutaSesion();

    // "VAQConfiguracion.conf" in the user's home directory.
    static wxString GetRutaFicheroConfiguracion();

    // Where the chooser opens: the atlas installed beside the program (at the
    // same relative place under any installation prefix) when it holds the
    // data, else "" (as when running from the build folder).
    static wxString GetRutaInicialSelector(const wxString& directorioAplicacion);

protected:
    // Shows the directory chooser (the same dialog on every call of one
    // establishment); wxID_OK with the chosen path, or wxID_CANCEL.
    virtual int ElegirDirectorio(wxString& ruta);

private:
    wxString BucleSeleccion(wxFileConfig& config);

    const wxString m_directorioAplicacion;
    wxString m_ruta;
    std::unique_ptr<wxDirDialog> m_dialogo;
};
