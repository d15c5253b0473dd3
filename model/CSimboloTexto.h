#pragma once
#include <wx/colour.h>
#include <wx/string.h>

// The style of a label (place name). A plain value, copied freely.
class CSimboloTexto {
public:
    CSimboloTexto() = default;

    void SetColorTexto(const wxColour& color) { m_colorTexto = color; }
    wxColour GetColorTexto() const { return m_colorTexto; }
    void SetColorFondo(const wxColour& color) { m_colorFondo = color; }
    wxColour GetColorFondo() const { return m_colorFondo; }
    void SetNegrita(bool negrita) { m_negrita = negrita; }
    bool GetNegrita() const { return m_negrita; }
    void SetCursiva(bool cursiva) { m_cursiva = cursiva; }
    bool GetCursiva() const { return m_cursiva; }
    void SetFuente(const wxString& fuente) { m_fuente = fuente; }
    wxString GetFuente() const { return m_fuente; }
    void SetFileFont(const wxString& fichero) { m_fileFont = fichero; }
    wxString GetFileFont() const { return m_fileFont; }
    void SetFontSize(int size) { m_fontSize = size; }
    int GetFontSize() const { return m_fontSize; }

    // All fields at once, in declaration order.
    void SetValores(const wxColour& colorTexto, const wxColour& colorFondo, bool negrita,
                    bool cursiva, const wxString& fuente, const wxString& fileFont,
                    int fontSize);

private:
    wxColour m_colorTexto{0, 0, 0};
    wxColour m_colorFondo{0, 0, 0};  // from the theme file; not used by drawing
    bool m_negrita = false;
    bool m_cursiva = false;
    wxString m_fuente{" "};           // face name
    wxString m_fileFont;              // font file; carried, never read
    int m_fontSize = 0;               // points
};
