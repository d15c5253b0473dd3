#include "CSimboloObj.h"

void CSimboloObj::SetValores(int tipo, int estilo, const wxColour& colorRelleno,
                             const wxColour& colorBorde, int size, const wxString& fuente,
                             const wxString& fileFuente, int fontSize, int charIndex) {
    m_tipo = tipo;
    m_estilo = estilo;
    m_colorRelleno = colorRelleno;
    m_colorBorde = colorBorde;
    m_size = size;
    m_fuente = fuente;
    m_fileFuente = fileFuente;
    m_fontSize = fontSize;
    m_charIndex = charIndex;
}
