#pragma once
// An off-screen white bitmap with a memory device context for pixel tests.
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <ostream>

class LienzoPrueba {
public:
    LienzoPrueba(int ancho, int alto, int profundidad = 24)
        : bitmap(ancho, alto, profundidad), dc(bitmap) {
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
    }
    wxDC* Dc() { return &dc; }
    wxRect Rect() const { return wxRect(0, 0, bitmap.GetWidth(), bitmap.GetHeight()); }
    // Ends the drawing (the bitmap is deselected) and returns its pixels.
    const wxImage& Imagen() {
        if (!imagen.IsOk()) {
            dc.SelectObject(wxNullBitmap);
            imagen = bitmap.ConvertToImage();
        }
        return imagen;
    }
    static wxColour Color(const wxImage& imagen, int x, int y) {
        return wxColour(imagen.GetRed(x, y), imagen.GetGreen(x, y), imagen.GetBlue(x, y));
    }
    // Pixels of exactly that colour inside the rectangle (clipped to the image).
    static int Contar(const wxImage& imagen, const wxRect& zona, const wxColour& color) {
        const wxRect dentro = zona.Intersect(wxRect(0, 0, imagen.GetWidth(), imagen.GetHeight()));
        int total = 0;
        for (int y = dentro.GetTop(); y <= dentro.GetBottom(); ++y)
            for (int x = dentro.GetLeft(); x <= dentro.GetRight(); ++x)
                if (Color(imagen, x, y) == color) ++total;
        return total;
    }
    // Pixels that are not background (white) inside the rectangle.
    static int ContarPintados(const wxImage& imagen, const wxRect& zona) {
        const wxRect dentro = zona.Intersect(wxRect(0, 0, imagen.GetWidth(), imagen.GetHeight()));
        return dentro.GetWidth() * dentro.GetHeight() - Contar(imagen, dentro, *wxWHITE);
    }

private:
    wxBitmap bitmap;
    wxMemoryDC dc;
    wxImage imagen;
};

// Colours in test failures as "rgb(r, g, b)", texts as UTF-8.
inline void PrintTo(const wxColour& color, std::ostream* salida) {
    *salida << color.GetAsString(wxC2S_CSS_SYNTAX).utf8_string();
}
inline void PrintTo(const wxString& texto, std::ostream* salida) { *salida << '"' << texto.utf8_string() << '"'; }
