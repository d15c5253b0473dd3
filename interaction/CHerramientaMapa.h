#pragma once
// One tool of a map panel: what the action the user picked does with a left
// press, a drag, a release, a right press and a key, what it draws over the
// map, and its cursor. The panel (PanelMapa) keeps one tool per action
// number and hands every mouse event, key and paint to the tool of its
// current action.
//
// A new tool derives from this class and is put by a derived panel under its
// action, for instance a reference map that centres the main map on a click:
//
//   class CHerramientaReferencia : public CHerramientaRecuadro {
//   public:
//       using CHerramientaRecuadro::CHerramientaRecuadro;
//       void Pulsar(wxMouseEvent& evento) override { ... panel.GetGestorVista() ... }
//   };
//   SetHerramienta(ACCION_RECUADRO_REFERENCIA, std::make_unique<CHerramientaReferencia>(*this));
#include <wx/event.h>
#include <wx/string.h>

class CCoordenadaMapa;
class CTransformacionMapa;
class PanelMapa;
class wxDC;
class wxList;
class wxMapEvent;

class CHerramientaMapa {
public:
    explicit CHerramientaMapa(PanelMapa& panel) : panel(panel) {}
    virtual ~CHerramientaMapa() = default;
    CHerramientaMapa(const CHerramientaMapa&) = delete;
    CHerramientaMapa& operator=(const CHerramientaMapa&) = delete;

    // Mouse input over the panel, in panel pixels. Arrastrar gets every
    // motion, with or without a button down.
    virtual void Pulsar(wxMouseEvent&) {}
    virtual void Arrastrar(wxMouseEvent&) {}
    virtual void Soltar(wxMouseEvent&) {}
    virtual void PulsarDerecho(wxMouseEvent&) {}
    // A key pressed over the panel; false leaves it to the toolkit.
    virtual bool Tecla(wxKeyEvent&) { return false; }
    // A map event a tracker of the tool sends to the panel (the clicks and
    // the end of a measured line).
    virtual void EventoMapa(wxMapEvent&) {}
    // Drawn over the map image on every paint, in the view the map shows.
    virtual void PintarSuperposicion(wxDC&, const CTransformacionMapa&) {}
    // The tool's cursor file, relative to the application directory; empty
    // for the stock arrow.
    virtual wxString Cursor() const { return wxString(); }
    // True while a gesture runs: the wheel does not zoom meanwhile.
    virtual bool EnGesto() const { return false; }
    // True while the gesture shows its own picture of the map over the
    // panel, which then paints nothing.
    virtual bool CubreElMapa() const { return false; }

protected:
    // The panel's hooks (protected in the panel).
    void MostrarInformacion(const CCoordenadaMapa& punto, double tolerancia);
    void MostrarMenuImagen(const wxPoint& posicion);
    // The segments between consecutive points of a list of CCoordenadaMapa,
    // and with `cerrada` the closing one of a ring of more than two, at the
    // pixels of polygon vertices, with the pen selected in `dc`.
    static void TrazarLineas(wxDC& dc, const CTransformacionMapa& vista, const wxList& puntos,
                             bool cerrada);

    PanelMapa& panel;
};
