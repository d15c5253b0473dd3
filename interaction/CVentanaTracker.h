#pragma once
// The window side every tracker shares: idle and hidden with an empty size,
// over its parent's client area during a gesture (CSuperposicionTracker),
// painting no background, handing mouse events and notifications to the
// parent in the parent's pixels, and the drag state and limits the three
// kinds of tracker keep alike.
#include "CSuperposicionTracker.h"

#include <wx/cursor.h>
#include <wx/window.h>
#include <memory>

class CVentanaTracker : public wxWindow {
public:
    enum Estado { DIBUJADO = 1, CAPTURADO = 2 };

    // `maximo`: the initial maximum rectangle (negative sizes: none).
    CVentanaTracker(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                    long style, const wxRect& maximo);
    ~CVentanaTracker() override;

    // Queues the event to the parent with its position in parent pixels.
    void ForwardMouseEventToParent(wxMouseEvent& event);

    // Sets the maximum rectangle and applies it (Update).
    void SetMaxRect(const wxRect& rect);
    // A ratio strictly between 0 and 1 stands for its inverse; 0: none.
    void SetRatio(double ratio);
    void SetOrientation(int orientation) { m_orientation = orientation; }
    wxRect GetMaxRect() const { return m_maxRect; }
    double GetRatio() const { return m_ratio; }
    int GetOrientation() const { return m_orientation; }
    int GetEstado() const { return m_state; }
    // True from the press that starts a gesture to the event that ends it.
    bool EnGesto() const { return m_superposicion.EstaActiva(); }

protected:
    void DoSetSize(int x, int y, int width, int height, int sizeFlags) override;
    void ForwardCopy(const wxMouseEvent& event);
    // A command event of this window's id, processed by the parent now.
    void EnviarNotificacion(wxEventType tipo);

    int m_handleWidth = 5;
    int m_state = 0;
    int m_xClick = 0, m_yClick = 0;
    int m_xLast = 0, m_yLast = 0;
    wxRect m_prevRect;
    wxRect m_currentRect;
    std::unique_ptr<wxCursor> m_cursor;
    wxRect m_maxRect;
    double m_ratio = 0.0;
    int m_orientation = 0;
    CSuperposicionTracker m_superposicion{this};

private:
    void OnEraseBackground(wxEraseEvent& event);

    wxDECLARE_EVENT_TABLE();
};
