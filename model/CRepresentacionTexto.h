#pragma once
#include "CSimboloTexto.h"
#include <wx/object.h>

// A class of a classification by text: labels of features whose class field
// holds `valor` are drawn in `simbologia`. Derives from wxObject so that
// classes can sit in a wxList.
class CRepresentacionTexto : public wxObject {
public:
    CRepresentacionTexto() = default;
    ~CRepresentacionTexto() override = default;

    void SetValor(int valor) { m_valor = valor; }
    int GetValor() const { return m_valor; }
    CSimboloTexto* GetSimbologia() { return &m_simbologia; }
    void SetSimbologia(const wxColour& colorTexto, const wxColour& colorFondo, bool negrita,
                       bool cursiva, const wxString& fuente, const wxString& fileFont,
                       int fontSize);

private:
    int m_valor = 0;
    CSimboloTexto m_simbologia;
};
