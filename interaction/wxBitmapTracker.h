#pragma once
// The map image dragged while panning.
//
// How a parent uses it (the map panel does this in its pan tool), for one pan:
//   - on the left press at (x, y):
//         tracker = new wxBitmapTracker(this, wxID_ANY, wxPoint(x, y), wxSize(0, 0), 0);
//         tracker->SetBitmap(mapImage);          // copies it
//         tracker->SetSize(0, 0, 0, 0);
//         tracker->GetEventHandler()->AddPendingEvent(pressEvent);   // unchanged copy
//   - the tracker takes the mouse and, until the gesture ends, covers the
//     parent's client area and shows the whole image shifted with the mouse,
//     white where the image left the panel (the parent's own painting is hidden
//     meanwhile). The parent gets queued copies of the motions (its own pixels)
//     and EVT_BMPTRACKER_CHANGING at each one;
//   - the left release reaches the parent as a queued copy in its own pixels:
//     apply the pan there and destroy the tracker (tracker->Destroy());
//   - a right press or Escape reaches the parent as a right press, twice (the
//     second finds the pan already dropped): destroy the tracker, do not pan.
#include "CVentanaTracker.h"

#include <wx/bitmap.h>
#include <wx/cursor.h>
#include <wx/window.h>
#include <memory>

class wxBitmapTracker : public CVentanaTracker {
public:
    // The window starts at the default position and size; pos is kept as the
    // start position of the drag (the press position in parent pixels).
    wxBitmapTracker(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                    const wxSize& size = wxDefaultSize, long style = 0);

    virtual void DrawRect(wxDC& dc, int x, int y, int w, int h);
    virtual void DrawRect(wxDC& dc, const wxRect& rect);
    // The image at (x, y) with white strips where it leaves the panel.
    virtual void DrawTracker(wxDC& dc, int x, int y, int w, int h);
    virtual void DrawTracker(wxDC& dc, const wxRect& rect);
    virtual void AdjustTrackerRect(wxRect& rect, int handle);
    // Applies the limits, refreshes the parent (erasing), sends EVT_BMPTRACKER_CHANGED.
    void Update() override;

    // Keeps a copy of the whole bitmap (nothing for a null one).
    void SetBitmap(const wxBitmap* bitmap);
    const wxBitmap* GetBitmap() const { return m_bitmap.get(); }

    // Where the image is shown now, relative to where it was.
    wxPoint GetDesplazamiento() const { return m_prevRect.GetPosition(); }

private:
    void OnPaint(wxPaintEvent& event);
    void OnMouseMotion(wxMouseEvent& event);
    void OnMouseLeftDown(wxMouseEvent& event);
    void OnMouseLeftUp(wxMouseEvent& event);
    void OnMouseRightDown(wxMouseEvent& event);
    void OnMouseCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKey(wxKeyEvent& event);

    void Arrastrar(const wxPoint& posicionPadre);
    void Soltar(wxMouseEvent& event);
    void Cancelar();

    int m_xStart = 0, m_yStart = 0;
    std::unique_ptr<wxBitmap> m_bitmap;

    wxDECLARE_EVENT_TABLE();
};
