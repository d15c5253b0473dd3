#pragma once
// The overview map beside the main map: it always shows the whole of its own
// theme; in action 40 it draws the part the main map shows as a rectangle
// (corners set by the frame) and asks for the main map to be centred where it
// is clicked (CHerramientaReferencia). Moving the mouse over it reports
// nothing.
#include "PanelMapa.h"

class PanelReferenciaMapa : public PanelMapa {
public:
    // The id argument is not used.
    PanelReferenciaMapa(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size);

    // Map position of a pixel of the overview as it is drawn (its extent
    // fitted to the panel).
    bool PixelAMapa(const wxPoint& pixel, CCoordenadaMapa& punto) const;

private:
    void OnMouseMove(wxMouseEvent& event);

    wxDECLARE_EVENT_TABLE();
};
