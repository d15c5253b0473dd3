#pragma once
// The reference rectangle (action 40): the part of the main map shown, drawn
// on the reference map in green, 3 pixels wide, through the two corners the
// main frame sets (PanelMapa::SetEsquinasRecuadro, in panel pixels).
#include "CHerramientaMapa.h"

class CHerramientaRecuadro : public CHerramientaMapa {
public:
    using CHerramientaMapa::CHerramientaMapa;
    void PintarSuperposicion(wxDC& dc, const CTransformacionMapa& vista) override;
};
