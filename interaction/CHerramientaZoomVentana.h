#pragma once
// The zoom window (action 11): a rubber-band rectangle dragged with the left
// button (wxRectTracker) becomes the view when it is more than 20 pixels
// wide; a right press or Escape drops it. It works only farther than the
// zoom limit (PanelMapa::kEscalaMinima): a press closer than that leaves the
// tool.
#include "CHerramientaMapa.h"

class wxRectTracker;

class CHerramientaZoomVentana : public CHerramientaMapa {
public:
    using CHerramientaMapa::CHerramientaMapa;
    ~CHerramientaZoomVentana() override;

    void Pulsar(wxMouseEvent& evento) override;
    void Soltar(wxMouseEvent& evento) override;
    void PulsarDerecho(wxMouseEvent& evento) override;
    wxString Cursor() const override { return wxT("cursor/zoom_ventana.cur"); }
    bool EnGesto() const override { return arrastrando; }

private:
    wxRectTracker* tracker = nullptr;  // child window of the panel, made on first use
    bool arrastrando = false;
};
