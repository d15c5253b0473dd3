#include "CInfoCapa.h"

// Receivers of the locate event check its object with wxDynamicCast.
wxIMPLEMENT_DYNAMIC_CLASS(CInfoCapa, wxObject);
