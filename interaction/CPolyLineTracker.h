#pragma once
// Rubber-band line of a measurement.
//
// How a parent uses it (the map panel does this in its measuring tools):
//   - create it once: new CPolyLineTracker(this, wxID_ANY, wxPoint(0, 0), wxSize(0, 0), 0);
//     while idle it is hidden and takes no input;
//   - on the left press that starts a line: tracker->Inicializar(), then queue
//     the press itself: tracker->GetEventHandler()->AddPendingEvent(evento);
//   - the tracker takes the mouse and, until the line ends, covers the parent's
//     client area (the parent keeps painting beneath) and draws the clicked
//     segments and the band from the last point to the mouse, blue, 3 pixels;
//   - every click (the first included) reaches the parent, processed at once,
//     as a wxMapEvent wxEVT_MAP_NUEVO_PUNTO (13006) with x, y = the click in
//     parent pixels; a double click, a right press or Escape end the line with
//     wxEVT_MAP_FIN_LINEA (13007) with x, y = the position of that event. Then
//     the tracker hides and the parent repaints what it wants to keep drawn.
// Motions are not forwarded to the parent while a line is drawn.
#include "CVentanaTracker.h"

#include <wx/cursor.h>
#include <wx/window.h>
#include <memory>
#include <vector>

class CPolyLineTracker : public CVentanaTracker {
public:
    CPolyLineTracker(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize, long style = 0);

    virtual void DrawRect(wxDC& dc, int x, int y, int w, int h);
    virtual void DrawRect(wxDC& dc, const wxRect& rect);
    virtual void DrawTracker(wxDC& dc, int x, int y, int w, int h);
    virtual void DrawTracker(wxDC& dc, const wxRect& rect);
    // A segment of the line: solid blue (0, 0, 255), 3 pixels wide.
    virtual void DrawLinea(wxDC& dc, int x1, int y1, int x2, int y2);
    // The segment from the rectangle's top-left to its bottom-right corner.
    virtual void DrawLinea(wxDC& dc, const wxRect& rect);
    virtual void AdjustTrackerRect(wxRect& rect, int handle);
    void Update() override;

    int HitTest(int x, int y) const;

    // Starts a new line: the next click is its first point.
    void Inicializar();
    wxPoint GetPuntoAnterior() const { return wxPoint(m_xPrev, m_yPrev); }
    wxPoint GetUltimoPunto() const { return wxPoint(m_xLastPoint, m_yLastPoint); }

    void GenerarEventoNuevoPunto(const wxPoint& punto);
    void GenerarEventoFinLinea(const wxPoint& punto);

private:
    void OnPaint(wxPaintEvent& event);
    void OnMouseMotion(wxMouseEvent& event);
    void OnMouseLeftDown(wxMouseEvent& event);
    void OnMouseLeftDoubleClick(wxMouseEvent& event);
    void OnMouseLeftUp(wxMouseEvent& event);
    void OnMouseRightDown(wxMouseEvent& event);
    void OnMouseCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKey(wxKeyEvent& event);

    void TerminarLinea(const wxPoint& punto);
    void RefrescarSegmento(const wxPoint& a, const wxPoint& b);
    void EnviarEventoMapa(wxEventType tipo, const wxPoint& punto);

    int m_xPrev = 0, m_yPrev = 0;
    int m_xLastPoint = 0, m_yLastPoint = 0;
    bool m_primerPunto = true;
    // Points clicked in the current line. All points are in parent pixels.
    std::vector<wxPoint> m_puntos;

    wxDECLARE_EVENT_TABLE();
};
