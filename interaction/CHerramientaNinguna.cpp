#include "CHerramientaNinguna.h"

#include "PanelMapa.h"

void CHerramientaNinguna::PulsarDerecho(wxMouseEvent& evento) {
    if (panel.GetBitmapMapa()) MostrarMenuImagen(evento.GetPosition());
}
