#pragma once
// The search highlight (action 45): the next paint outlines the found
// feature in red over the map, and the panel goes back to no tool.
#include "CHerramientaMapa.h"

class CMediciones;

class CHerramientaResaltado : public CHerramientaMapa {
public:
    using CHerramientaMapa::CHerramientaMapa;
    void PintarSuperposicion(wxDC& dc, const CTransformacionMapa& vista) override;

    // The feature `geometria` holds as its point, polyline or polygon by
    // `tipoGeometria` (a shape type), outlined in red, 10 pixels wide.
    static void Trazar(wxDC& dc, const CTransformacionMapa& vista, int tipoGeometria,
                       const CMediciones* geometria);
};
