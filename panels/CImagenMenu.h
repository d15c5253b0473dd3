#pragma once
// The right-button menu of the map ("Copiar", "Guardar", "Impresión
// rápida", "Impresión con calidad") and of a picture window ("Copiar",
// "Guardar", "Imprimir"). It holds a copy of the image it acts on: the
// clipboard receives it, a save writes it as a BMP file named after it, and
// a print puts it (or, in print mode, the map itself) on a page.
#include <wx/bitmap.h>
#include <wx/menu.h>

class PanelMapa;
class wxPrintData;

class CImagenMenu : public wxMenu {
public:
    // Menu ids stay below the toolkit's limit of 32767.
    enum {
        ID_COPIAR = 2000,
        ID_GUARDAR = 3000,
        ID_IMPRIMIR_RAPIDO = 4000,
        ID_IMPRIMIR = 5000
    };

    // With `imprimirMapa` the two print entries of the map; otherwise one.
    explicit CImagenMenu(bool imprimirMapa);

    // The image and the name (without extension) it is saved under.
    void SetBitmap(const wxBitmap& imagen, const wxString& nombre);
    void SetPanelMapa(PanelMapa* panel) { m_panelMapa = panel; }
    // True: prints print the map panel's map; false: the held image.
    void SetModoImpresion(bool modo) { m_modoImpresion = modo; }

    const wxBitmap& GetBitmap() const { return m_imagen; }
    const wxString& GetNombre() const { return m_nombre; }

    // Puts the image on the clipboard, where it stays after the program
    // ends; false (after a message) when the clipboard cannot be opened.
    bool Copiar() const;
    // The file a save into `directorio` writes: the name with ".bmp", any
    // '/' of the name made '-' so that it stays in that directory.
    wxString RutaGuardado(const wxString& directorio) const;
    // Writes the image there, replacing a file of that name; false after a
    // message naming the place when it cannot be written.
    bool GuardarEn(const wxString& directorio) const;
    // Prints through the toolkit's print dialog, starting from `datos`
    // (which receive the dialog's settings after a print). False, after a
    // message, when the print fails or is cancelled.
    bool Imprimir(bool rapida, wxPrintData& datos) const;

protected:
    void OnCopiar(wxCommandEvent& event);
    void OnGuardar(wxCommandEvent& event);
    void OnImprimirRapido(wxCommandEvent& event);
    void OnImprimir(wxCommandEvent& event);

private:
    PanelMapa* m_panelMapa = nullptr;  // not owned; null for a picture's menu
    bool m_modoImpresion = false;
    wxBitmap m_imagen;
    wxString m_nombre;

    wxDECLARE_EVENT_TABLE();
};
