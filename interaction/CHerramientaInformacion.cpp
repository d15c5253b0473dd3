#include "CHerramientaInformacion.h"

#include "PanelMapa.h"

void CHerramientaInformacion::Pulsar(wxMouseEvent& evento) {
    if (!panel.GetGestorVista()) return;
    const wxPoint posicion = evento.GetPosition();
    MostrarInformacion(panel.PixelAMapaVista(posicion),
                       panel.ConvertirUmbralPixelToMapa(posicion, panel.GetUmbral()));
}
