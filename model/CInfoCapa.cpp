#include "CInfoCapa.h"

// Receivers of the locate event check its object with dynamic_cast.
wxIMPLEMENT_DYNAMIC_CLASS(CInfoCapa, wxObject);
