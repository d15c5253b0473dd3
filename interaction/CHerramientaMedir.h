#pragma once
// Measuring a length (action 30) or an area (action 31): a press starts a
// new line (or polygon) whose points the user clicks out with the polyline
// tracker; each click adds a point to the panel's measurement store (a
// length reports the running total), and the end of the line (double click,
// right press or Escape) reports the area. The measured points stay drawn
// in blue while a measurement bar is shown.
#include "CHerramientaMapa.h"

class CPolyLineTracker;

class CHerramientaMedir : public CHerramientaMapa {
public:
    CHerramientaMedir(PanelMapa& panel, bool superficie);
    ~CHerramientaMedir() override;

    void Pulsar(wxMouseEvent& evento) override;
    void EventoMapa(wxMapEvent& evento) override;
    void PintarSuperposicion(wxDC& dc, const CTransformacionMapa& vista) override;
    wxString Cursor() const override { return wxT("cursor/lapiz.cur"); }

    // The measured points (a list of CCoordenadaMapa), blue, 3 pixels wide;
    // with `cerrada` the ring is closed from its last point to its first.
    static void Trazar(wxDC& dc, const CTransformacionMapa& vista, const wxList* puntos,
                       bool cerrada);

private:
    wxList* Puntos() const;

    const bool superficie;
    CPolyLineTracker* tracker = nullptr;  // child window of the panel, made on first use
};
