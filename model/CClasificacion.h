#pragma once
#include <wx/string.h>

// The kind of a layer's classification as theme files name it: VALOR (by
// value: a symbol per feature) or TEXTO (by text: labels). Any kind other
// than VALOR paints labels.
class CClasificacion {
public:
    static constexpr const char* VALOR = "VALOR";
    static constexpr const char* TEXTO = "TEXTO";

    CClasificacion() = default;

    void SetTipo(const wxString& tipo) { m_tipo = tipo; }
    wxString GetTipo() const { return m_tipo; }
    bool EsPorValor() const { return m_tipo == VALOR; }

private:
    wxString m_tipo{" "};
};
