#pragma once
// Draws a map theme into a PNG file without opening any window:
//
//   vaq --datos DIR --mapa TEMA --salida ARCHIVO.png [--tamano AxB]
//       [--escala N] [--extension XMIN,YMIN,XMAX,YMAX]
//
// The theme (a path relative to the data directory, such as
// "MapasVel/MedioFisico.vel") is loaded as the viewer loads it and painted
// through the same view manager, by default at the size of the main map
// (790 x 584) showing what the viewer's first paint shows: the whole map at
// the scale that fills the window. --extension shows that extent instead
// (fitted to the picture's aspect) and --escala shows the map at 1:N about
// the centre of the view. Messages go wherever CMensajes sends them (the
// standard error in a run without window).
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "CExtensionMapa.h"

class CGestorVistaMapa;
class COpcionesLineaComandos;
class wxDC;

class CRenderLineaComandos {
public:
    // Exit codes besides those of the command line itself.
    static constexpr int kCorrecto = 0;
    static constexpr int kErrorProyecto = 1;  // the theme could not be loaded
    static constexpr int kErrorSalida = 3;    // the picture could not be written
    static constexpr int kErrorVista = 4;     // the view asked for cannot be drawn

    // Size of the main map panel.
    static constexpr int kAnchoPorDefecto = 790;
    static constexpr int kAltoPorDefecto = 584;

    struct Opciones {
        wxString mapa;
        wxString salida;
        wxSize tamano{kAnchoPorDefecto, kAltoPorDefecto};
        bool tieneEscala = false;
        double escala = 0.0;
        bool tieneExtension = false;
        CExtensionMapa extension;
    };

    static Opciones DesdeLineaComandos(const COpcionesLineaComandos& linea);

    // Loads the theme from the data directory `datos`, paints it and writes
    // the picture; returns the process exit code.
    static int Ejecutar(const wxString& datos, const Opciones& opciones);

    // Sets the view up as the viewer does on its first paint (or as the
    // options ask) and paints the map into `dc`, of opciones.tamano pixels.
    // False, having painted nothing, for a view that cannot be drawn: an
    // empty or unbounded extent (a theme none of whose layers has data), or
    // no scale to show it at.
    static bool PintarMapa(CGestorVistaMapa& gestor, const Opciones& opciones, wxDC& dc);
};
