#include "wxMapEvent.h"

wxIMPLEMENT_DYNAMIC_CLASS(wxMapEvent, wxNotifyEvent);

wxMapEvent::wxMapEvent(wxEventType tipo, int id) : wxNotifyEvent(tipo, id) {}

// wxDEFINE_EVENT always asks the toolkit for a new number; these six keep the
// numbers that the senders and receivers agree on.
#define VAQ_DEFINE_FIXED_EVENT(name, type, number) const wxEventTypeTag<type> name(number)

VAQ_DEFINE_FIXED_EVENT(wxEVT_MAP_NUEVO_PUNTO, wxMapEvent, 13006);
VAQ_DEFINE_FIXED_EVENT(wxEVT_MAP_FIN_LINEA, wxMapEvent, 13007);
VAQ_DEFINE_FIXED_EVENT(wxEVT_MAP_MEDIR_DISTANCIA, wxMapEvent, 13008);
VAQ_DEFINE_FIXED_EVENT(wxEVT_MAP_MEDIR_SUPERFICIE, wxMapEvent, 13009);
VAQ_DEFINE_FIXED_EVENT(wxEVT_MAP_CAMBIO_EXTENSION, wxMapEvent, 13022);
VAQ_DEFINE_FIXED_EVENT(wxEVT_MAP_NUEVA_ESCALA, wxMapEvent, 13040);

wxDEFINE_EVENT(wxEVT_MAP_XY_POS, wxMapEvent);
wxDEFINE_EVENT(wxEVT_MAP_END_DRAW, wxMapEvent);
wxDEFINE_EVENT(wxEVT_CERRAR_MEDICIONES, wxMapEvent);
wxDEFINE_EVENT(wxEVT_LOCALIZAR_ELEMENT_BUSQUEDA, wxMapEvent);
wxDEFINE_EVENT(wxEVT_CERRAR_VENTANA, wxMapEvent);
wxDEFINE_EVENT(wxEVT_POSICIONAR_PANELMAPA, wxMapEvent);

wxDEFINE_EVENT(EVT_TRACKER_CHANGING, wxCommandEvent);
wxDEFINE_EVENT(EVT_TRACKER_CHANGED, wxCommandEvent);
wxDEFINE_EVENT(EVT_BMPTRACKER_CHANGING, wxCommandEvent);
wxDEFINE_EVENT(EVT_BMPTRACKER_CHANGED, wxCommandEvent);
