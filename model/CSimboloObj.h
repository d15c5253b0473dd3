#pragma once
#include <wx/colour.h>
#include <wx/string.h>

// How a layer, or one class of a classification by value, is drawn.
// Style codes (estilo): on point layers 4 is a character marker (glyph
// charIndex of face `fuente`, in colorRelleno) and any other value a filled
// circle of radius `size`; on lines and polygon outlines it is the toolkit's
// pen style, handed over unchanged. A plain value, copied freely.
class CSimboloObj {
public:
    // The style of point symbols drawn as one character of a font.
    static constexpr int ESTILO_MARCADOR_CARACTER = 4;

    CSimboloObj() = default;

    void SetTipo(int tipo) { m_tipo = tipo; }
    int GetTipo() const { return m_tipo; }
    void SetEstilo(int estilo) { m_estilo = estilo; }
    int GetEstilo() const { return m_estilo; }
    void SetColorRelleno(const wxColour& color) { m_colorRelleno = color; }
    wxColour GetColorRelleno() const { return m_colorRelleno; }
    void SetColorBorde(const wxColour& color) { m_colorBorde = color; }
    wxColour GetColorBorde() const { return m_colorBorde; }
    void SetSize(int size) { m_size = size; }
    int GetSize() const { return m_size; }
    void SetFuente(const wxString& fuente) { m_fuente = fuente; }
    wxString GetFuente() const { return m_fuente; }
    void SetFileFuente(const wxString& fichero) { m_fileFuente = fichero; }
    wxString GetFileFuente() const { return m_fileFuente; }
    void SetFontSize(int size) { m_fontSize = size; }
    int GetFontSize() const { return m_fontSize; }
    void SetCharIndex(int indice) { m_charIndex = indice; }
    int GetCharIndex() const { return m_charIndex; }
    void SetTransparente(bool transparente) { m_transparente = transparente; }
    bool GetTransparente() const { return m_transparente; }

    // All fields at once, in declaration order (used for the default symbols
    // of classifications and classes).
    void SetValores(int tipo, int estilo, const wxColour& colorRelleno,
                    const wxColour& colorBorde, int size, const wxString& fuente,
                    const wxString& fileFuente, int fontSize, int charIndex);

private:
    int m_tipo = 0;                       // type code from the theme file; carried only
    int m_estilo = 1;
    wxColour m_colorRelleno{0, 0, 0};     // polygon/marker fill, glyph colour
    wxColour m_colorBorde{0, 0, 0};       // lines and outlines
    int m_size = 2;                       // line width, or marker radius, in pixels
    wxString m_fileFuente;                // font file from the theme file; never read
    wxString m_fuente;                    // face name of character markers
    int m_fontSize = 0;                   // carried; drawing does not use it
    int m_charIndex = 0;                  // glyph code of character markers
    bool m_transparente = false;          // draw without fill
};
