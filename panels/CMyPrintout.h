#pragma once
// One printed page: the map of a map panel over the whole printable area, or
// a picture at its own pixel size, centred, 260 device pixels from the top.
#include <wx/print.h>

class PanelMapa;
class wxBitmap;

class CMyPrintout : public wxPrintout {
public:
    // Distance of a printed picture from the top of the page.
    static constexpr int kMargenSuperiorImagen = 260;

    // With a panel and `imprimirMapa` the page carries the panel's map (in
    // quick mode drawn through an image of the page); otherwise `imagen`,
    // when given. Neither is owned.
    CMyPrintout(const wxString& titulo, PanelMapa* panel, bool imprimirMapa, bool rapida, const wxBitmap* imagen);

    bool OnBeginDocument(int paginaInicial, int paginaFinal) override;
    void GetPageInfo(int* minima, int* maxima, int* desde, int* hasta) override;
    bool HasPage(int pagina) override;
    bool OnPrintPage(int pagina) override;

private:
    void ImprimirMapa(wxDC& dc);
    void ImprimirImagen(wxDC& dc);

    PanelMapa* m_panelMapa;
    bool m_imprimirMapa;
    bool m_rapida;
    const wxBitmap* m_imagen;
};
