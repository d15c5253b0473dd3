#include "CSimboloTexto.h"

void CSimboloTexto::SetValores(const wxColour& colorTexto, const wxColour& colorFondo,
                               bool negrita, bool cursiva, const wxString& fuente,
                               const wxString& fileFont, int fontSize) {
    m_colorTexto = colorTexto;
    m_colorFondo = colorFondo;
    m_negrita = negrita;
    m_cursiva = cursiva;
    m_fuente = fuente;
    m_fileFont = fileFont;
    m_fontSize = fontSize;
}
