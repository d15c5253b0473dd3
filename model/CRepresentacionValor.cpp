#include "CRepresentacionValor.h"
#include <wx/gdicmn.h>

CRepresentacionValor::CRepresentacionValor() {
    m_simbologia.SetValores(0, 0, *wxBLACK, *wxBLACK, 0, " ", wxEmptyString, 0, 0);
    SetValor(wxEmptyString);
}

void CRepresentacionValor::SetValor(const wxString& valor) {
    m_valor = valor;
    m_esDouble = TextoADouble(m_valor, m_valorDouble);
    m_valorEntero = TextoAEntero(m_valor);
}

bool CRepresentacionValor::GetValorDouble(double& valor) const {
    if (m_esDouble) valor = m_valorDouble;
    return m_esDouble;
}

void CRepresentacionValor::SetSimbologia(int tipo, int estilo, const wxColour& colorRelleno,
                                         const wxColour& colorBorde, int size,
                                         const wxString& fuente, const wxString& fileFuente,
                                         int fontSize, int charIndex, bool transparente) {
    m_simbologia.SetValores(tipo, estilo, colorRelleno, colorBorde, size, fuente, fileFuente,
                            fontSize, charIndex);
    m_simbologia.SetTransparente(transparente);
}
