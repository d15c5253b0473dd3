#pragma once
// The reference map's tool (action 40 on the overview): it draws the green
// rectangle like CHerramientaRecuadro, and a click asks for the main map to
// be centred on the clicked map position (wxEVT_POSICIONAR_PANELMAPA, sent
// through the panel to its frame).
#include "CHerramientaRecuadro.h"

class CHerramientaReferencia : public CHerramientaRecuadro {
public:
    using CHerramientaRecuadro::CHerramientaRecuadro;
    void Pulsar(wxMouseEvent& evento) override;
};
