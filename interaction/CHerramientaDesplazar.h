#pragma once
// The pan (action 12): the map image is dragged with the left button
// (wxBitmapTracker, one per pan, which covers the panel meanwhile) and the
// view moves by the drag at the release; a right press or Escape drops it.
#include "CCoordenadaMapa.h"
#include "CHerramientaMapa.h"

class wxBitmapTracker;

class CHerramientaDesplazar : public CHerramientaMapa {
public:
    using CHerramientaMapa::CHerramientaMapa;
    ~CHerramientaDesplazar() override;

    void Pulsar(wxMouseEvent& evento) override;
    void Arrastrar(wxMouseEvent& evento) override;
    void Soltar(wxMouseEvent& evento) override;
    void PulsarDerecho(wxMouseEvent& evento) override;
    wxString Cursor() const override;
    bool EnGesto() const override { return tracker != nullptr; }
    bool CubreElMapa() const override { return tracker != nullptr; }

private:
    void Terminar();

    wxBitmapTracker* tracker = nullptr;  // child window of the panel during a pan
    CCoordenadaMapa inicio;  // map position of the press
};
