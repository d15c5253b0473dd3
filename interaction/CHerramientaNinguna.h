#pragma once
// No tool (action 0): a right press over a painted map offers the map image
// menu.
#include "CHerramientaMapa.h"

class CHerramientaNinguna : public CHerramientaMapa {
public:
    using CHerramientaMapa::CHerramientaMapa;
    void PulsarDerecho(wxMouseEvent& evento) override;
};
