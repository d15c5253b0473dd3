#pragma once
// Options of the command line:
//   vaq [--datos DIR] [--silencioso] [--ventana]
//       [--mapa TEMA --salida FICHERO.png [--tamano AxB] [--escala N]
//        [--extension XMIN,YMIN,XMAX,YMAX]]
// --datos gives the data directory for this run only; --silencioso sends every
// message to stderr and opens no dialog; --ventana shows the window at the
// design's size instead of full screen. --salida asks for a render of a theme
// into an image file without any window (quiet mode is implied); the other
// render options only make sense with it. Each option takes its value as the
// next argument or after "=" (--datos=DIR).
#include <wx/arrstr.h>
#include <wx/string.h>

class COpcionesLineaComandos {
public:
    // Reads the arguments (the first one, the program name, is skipped). On a
    // wrong command line returns false with a Spanish explanation in error;
    // the fields read so far are then meaningless.
    bool Analizar(const wxArrayString& argumentos, wxString& error);
    static wxString GetUso();

    bool EsRender() const { return !salida.empty(); }
    bool HayExtension() const { return hayExtension; }

    wxString datos;
    bool silencioso = false;
    // Closes the main window as soon as both maps have been painted: lets the
    // start-up be checked and timed from a script (exit code 0).
    bool cerrarTrasMostrar = false;
    // The window at the design's size, neither maximised nor full screen
    // (for projectors and for development).
    bool ventana = false;

    // Render: theme, output file, image size in pixels (0 = not given), scale
    // denominator (0 = not given) and extent in map units.
    wxString mapa;
    wxString salida;
    int ancho = 0;
    int alto = 0;
    double escala = 0.0;
    bool hayExtension = false;
    double xmin = 0.0, ymin = 0.0, xmax = 0.0, ymax = 0.0;

private:
    bool LeerTamano(const wxString& valor, wxString& error);
    bool LeerEscala(const wxString& valor, wxString& error);
    bool LeerExtension(const wxString& valor, wxString& error);
};
