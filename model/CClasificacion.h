#pragma once
#include <wx/string.h>

// The kind of a layer's classification: "VALOR" (by value, symbols) or
// "TEXTO" (by text, labels). The view manager compares it with "VALOR"; any
// other value means labels.
class CClasificacion {
public:
    CClasificacion() = default;

    void SetTipo(const wxString& tipo) { m_tipo = tipo; }
    wxString GetTipo() const { return m_tipo; }

private:
    wxString m_tipo{" "};
};
