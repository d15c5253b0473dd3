#pragma once
// The information tool (action 13): a click asks for the features under it,
// through the panel's hook MostrarInformacion, with the map position and the
// panel's click threshold as a map distance.
#include "CHerramientaMapa.h"

class CHerramientaInformacion : public CHerramientaMapa {
public:
    using CHerramientaMapa::CHerramientaMapa;
    void Pulsar(wxMouseEvent& evento) override;
    wxString Cursor() const override { return wxT("cursor/info_capas.cur"); }
};
