#pragma once
// Rubber-band rectangle of the zoom window.
//
// How a parent uses it (the map panel does this in its zoom-window tool):
//   - create it once: new wxRectTracker(this, wxID_ANY, wxPoint(0, 0), wxSize(0, 0), 0);
//     while its size is empty it is hidden and takes no input;
//   - on a left press at (x, y): tracker->SetSize(x, y, 0, 0), then queue a copy
//     of the press with its position set to (0, 0):
//         wxMouseEvent copia(evento); copia.SetPosition(wxPoint(0, 0));
//         tracker->GetEventHandler()->AddPendingEvent(copia);
//     The tracker takes the mouse and, until the gesture ends, covers the
//     parent's client area and draws the rectangle following the mouse over
//     whatever the parent paints (the parent repaints beneath it: keep a map
//     image and blit it in the paint handler). The parent gets queued copies of
//     the motions (its own pixels) and EVT_TRACKER_CHANGING at each one;
//   - the gesture ends with a left release (the parent gets a copy of it) or a
//     right press or Escape (the parent gets a right press): the tracker then
//     takes the dragged rectangle as its position and size, so in the release
//     handler tracker->GetRect() is the rectangle in parent pixels; the tracker
//     refreshes the parent with Refresh(true) and sends EVT_TRACKER_CHANGED;
//   - afterwards the parent sets its size back to (0, 0), which hides it.
// The drag starts from the tracker's top-left corner, so a drag up or left is
// normalised to a rectangle of positive size.
#include "CVentanaTracker.h"

#include <wx/cursor.h>
#include <wx/window.h>
#include <memory>

class wxRectTracker : public CVentanaTracker {
public:
    enum Zona { TOP = 1, RIGHT = 2, BOTTOM = 4, LEFT = 8 };

    wxRectTracker(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                  const wxSize& size = wxDefaultSize, long style = 0);

    // Look of the tracker window: black and dotted white outline with handles.
    virtual void DrawRect(wxDC& dc, int x, int y, int w, int h);
    virtual void DrawRect(wxDC& dc, const wxRect& rect);
    // Feedback of a drag: the outline of the rectangle being dragged.
    virtual void DrawTracker(wxDC& dc, int x, int y, int w, int h);
    virtual void DrawTracker(wxDC& dc, const wxRect& rect);
    // Keeps rect within the maximum rectangle and at the ratio, if any are set;
    // handle is the zone being dragged (0 moves, -1 none).
    virtual void AdjustTrackerRect(wxRect& rect, int handle);
    // Applies the limits to the window, refreshes the parent (erasing) and
    // sends EVT_TRACKER_CHANGED.
    void Update() override;

    // Zone under (x, y), tracker client pixels: -1 outside, 0 inside, else an
    // OR of TOP, RIGHT, BOTTOM, LEFT (a handle).
    int HitTest(int x, int y) const;

private:
    void OnPaint(wxPaintEvent& event);
    void OnMouseMotion(wxMouseEvent& event);
    void OnMouseLeftDown(wxMouseEvent& event);
    void OnMouseLeftUp(wxMouseEvent& event);
    void OnMouseRightDown(wxMouseEvent& event);
    void OnMouseCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKey(wxKeyEvent& event);

    void Arrastrar(const wxPoint& posicion);
    void TerminarArrastre(wxMouseEvent& reenviado);
    void Cancelar();
    void MoverConTeclado(int tecla, bool ctrl, bool shift);
    void SetCursorPorZona(int zona);

    wxDECLARE_EVENT_TABLE();
};
