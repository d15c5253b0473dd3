#pragma once
// One page of the layer properties dialog. Each page edits its own working
// copy; the dialog checks every page and then applies them all when the user
// presses "Aplicar".
#include <wx/panel.h>

class CSimboloObj;

class CSimboloPanel : public wxPanel {
public:
    CSimboloPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                  const wxString& name)
        : wxPanel(parent, id, pos, size, style, name) {}

    // Whether the page's edits can be applied; a page that refuses tells the
    // user why.
    virtual bool CambiosValidos() { return true; }
    // Writes the edits into the layer; false (and nothing written) when they
    // are not valid.
    virtual bool AplicarCambios() = 0;
    // The working copy of the symbol, or null for a page without one.
    virtual CSimboloObj* GetSimbolo() = 0;
    // Shows the working copy again.
    virtual void Refrescar() = 0;
};
