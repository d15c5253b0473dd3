#include "CRepresentacionTexto.h"

void CRepresentacionTexto::SetSimbologia(const wxColour& colorTexto,
                                         const wxColour& colorFondo, bool negrita,
                                         bool cursiva, const wxString& fuente,
                                         const wxString& fileFont, int fontSize) {
    m_simbologia.SetValores(colorTexto, colorFondo, negrita, cursiva, fuente, fileFont,
                            fontSize);
}
