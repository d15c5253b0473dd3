#pragma once
// The on-screen side of a tracker's gesture. A tracker cannot draw on the
// screen outside a paint event (GTK 3 has no screen or client contexts, nor
// inverting raster operations), and a zero-sized toolkit window gets neither
// correct mouse positions nor a place on the screen. So, for the length of a
// gesture, the tracker window covers its parent's client area: it takes the
// mouse there, the parent keeps painting itself underneath (the tracker paints
// no background), and the tracker's paint handler draws the feedback on top.
// The tracker's own geometry (what the parent reads and sets) is kept aside
// meanwhile and given back when the gesture ends. While idle a tracker of empty
// size is hidden, so it can neither be seen nor take clicks.
// GTK places a window just shown at its next layout: a motion arriving before
// that may be relative to the old place (one pixel off for a window never
// shown before); GDK sends a corrected motion as soon as the window is placed.
#include <wx/gdicmn.h>

class wxWindow;

class CSuperposicionTracker {
public:
    explicit CSuperposicionTracker(wxWindow* tracker) : m_tracker(tracker) {}

    bool EstaActiva() const { return m_activa; }
    // Starts covering the parent: keeps the current geometry, shows the window
    // over the parent's client area on top of its siblings, with the parent's
    // cursor and the keyboard focus (for Escape). Nothing when already active.
    void Activar();
    // Gives the window back its own geometry and erases the feedback.
    void Desactivar();

    // The tracker's own geometry, in parent client pixels, active or not.
    wxRect GetGeometria() const;
    // Sets the tracker's own geometry; while active it is applied at the end.
    void SetGeometria(const wxRect& geometria);

    // A mouse position received by the window, in the tracker's own client
    // pixels (as if the window had its own geometry).
    wxPoint ACoordenadasTracker(const wxPoint& posicion) const;
    // Parent client pixels of a position received by the window.
    wxPoint ACoordenadasPadre(const wxPoint& posicion) const;

    // For the window's DoSetSize: while active, a size or position set from
    // outside becomes the tracker's own geometry (the window stays over the
    // parent) and true is returned: the window must not move.
    bool DesviarTamano(int x, int y, int ancho, int alto, int flags);
    // Idle: shown only with a non-empty size. Call after every size change.
    void AjustarVisibilidad();
    // Repaints a zone given in parent client pixels (the parent beneath too).
    void Refrescar(const wxRect& zona);

private:
    void Colocar(const wxRect& rect);

    wxWindow* m_tracker;
    bool m_activa = false;
    bool m_colocando = false;  // the window is being placed by this object
    wxRect m_geometria;
};
