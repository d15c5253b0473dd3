#pragma once
#include <wx/string.h>

// Directory of the running executable, with a trailing '/', written into buf
// (at most size bytes, NUL-terminated); returns buf ("" when unknown).
char* DirectorioEjecutable(char* buf, int size);

// The application directory (where ico/, cursor/, BD/ and Ayuda/ live),
// without a trailing '/'.
wxString DirectorioAplicacion();
