#pragma once
// Reads the scale typed in the scale box: the denominator N of 1:N, with an
// optional "1:" in front (the box itself shows "1:N"), written with or
// without Spanish thousands separators ("70000", "70.000", "70 000",
// "1:70.000") and an optional decimal part after "," (or after "." when the
// dot cannot be a thousands separator, as in "1:143188.23").
#include <wx/string.h>

class CTextoEscala {
public:
    // False when the text is not such a number (nothing else may follow it).
    static bool Leer(const wxString& texto, double& escala);
};
