#pragma once
// Notifications between the map panel, its trackers, the side panels and the
// main frame. A wxMapEvent is a command event: sent to a window's handler with
// ProcessEvent it climbs to the parents until someone handles it.
//
// Receivers bind the types below like any toolkit event:
//     Bind(wxEVT_MAP_NUEVA_ESCALA, &VAQFrame::OnNuevaEscala, this);
//     EVT_MAP_EVENT(wxEVT_MAP_XY_POS, wxID_ANY, VAQFrame::OnXY)   // in a table
// or catch them in an overridden ProcessEvent (event.GetEventType()).
#include <wx/event.h>

class wxDC;

class wxMapEvent : public wxNotifyEvent {
public:
    explicit wxMapEvent(wxEventType tipo = wxEVT_NULL, int id = 0);
    wxMapEvent(const wxMapEvent& otro) = default;

    wxEvent* Clone() const override { return new wxMapEvent(*this); }

    // Coordinates in map units or panel pixels, depending on the event type.
    void SetCoordenadas(double cx, double cy) { x = cx; y = cy; }
    double GetX() const { return x; }
    double GetY() const { return y; }

    // Device context of the drawing that just ended; not owned.
    void SetDCDraw(wxDC* dc) { m_dc = dc; }
    wxDC* GetDCDraw() const { return m_dc; }

    // A length, an area or a scale denominator, depending on the event type.
    void SetMedicion(double medicion) { m_medicion = medicion; }
    double GetMedicion() const { return m_medicion; }

    // Read directly by receivers.
    double x = 0.0;
    double y = 0.0;

private:
    wxDC* m_dc = nullptr;
    double m_medicion = 0.0;

    wxDECLARE_DYNAMIC_CLASS_NO_ASSIGN(wxMapEvent);
};

// Types with fixed numbers: sender and receiver may meet them as plain integers.
wxDECLARE_EVENT(wxEVT_MAP_NUEVO_PUNTO, wxMapEvent);       // 13006 x, y: click, panel pixels
wxDECLARE_EVENT(wxEVT_MAP_FIN_LINEA, wxMapEvent);         // 13007 x, y: click, panel pixels
wxDECLARE_EVENT(wxEVT_MAP_MEDIR_DISTANCIA, wxMapEvent);   // 13008 medicion: length
wxDECLARE_EVENT(wxEVT_MAP_MEDIR_SUPERFICIE, wxMapEvent);  // 13009 medicion: area
wxDECLARE_EVENT(wxEVT_MAP_CAMBIO_EXTENSION, wxMapEvent);  // 13022 no data
wxDECLARE_EVENT(wxEVT_MAP_NUEVA_ESCALA, wxMapEvent);      // 13040 medicion: scale 1:N

// Types numbered by the toolkit at start-up.
wxDECLARE_EVENT(wxEVT_MAP_XY_POS, wxMapEvent);            // x, y: map position
wxDECLARE_EVENT(wxEVT_MAP_END_DRAW, wxMapEvent);          // DCDraw: the paint context
wxDECLARE_EVENT(wxEVT_CERRAR_MEDICIONES, wxMapEvent);     // no data
wxDECLARE_EVENT(wxEVT_LOCALIZAR_ELEMENT_BUSQUEDA, wxMapEvent);  // event object: CInfoCapa*
wxDECLARE_EVENT(wxEVT_CERRAR_VENTANA, wxMapEvent);        // id: the closed window's id
wxDECLARE_EVENT(wxEVT_POSICIONAR_PANELMAPA, wxMapEvent);  // x, y: map position

// Progress of the trackers, plain command events with the tracker's id. The
// rectangle and the polyline tracker share the first pair (the event object
// tells them apart).
wxDECLARE_EVENT(EVT_TRACKER_CHANGING, wxCommandEvent);
wxDECLARE_EVENT(EVT_TRACKER_CHANGED, wxCommandEvent);
wxDECLARE_EVENT(EVT_BMPTRACKER_CHANGING, wxCommandEvent);
wxDECLARE_EVENT(EVT_BMPTRACKER_CHANGED, wxCommandEvent);

typedef void (wxEvtHandler::*wxMapEventFunction)(wxMapEvent&);
#define wxMapEventHandler(func) wxEVENT_HANDLER_CAST(wxMapEventFunction, func)
// Static event table entry for any map event type.
#define EVT_MAP_EVENT(tipo, id, func) wx__DECLARE_EVT1(tipo, id, wxMapEventHandler(func))
