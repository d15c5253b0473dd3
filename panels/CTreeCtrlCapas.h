#pragma once
// The legend's tree: layer entries (CCapaItemData) with their legend lines
// below them. It paints a swatch of the symbol beside every legend line and
// switches place-name layers on and off with a click on their check box.
// On GTK the toolkit's tree is its generic one, painted by the toolkit
// itself, so the swatches can be painted over it.
#include <wx/treectrl.h>

class CCapa;
class CSimboloObj;

class CTreeCtrlCapas : public wxTreeCtrl {
public:
    // Pictures of the entries, in the image list's order: a place-name layer
    // shown or hidden (a database layer's come after the legend lines').
    enum Imagen {
        IMAGEN_VISIBLE = 0,
        IMAGEN_OCULTA = 1,
        IMAGEN_LEYENDA = 2,
        IMAGEN_VISIBLE_BD = 3,
        IMAGEN_OCULTA_BD = 4
    };
    // Where a swatch goes on its legend line: its left edge and its box.
    static constexpr int kXMuestra = 40;
    static constexpr int kAnchoMuestra = 35;
    static constexpr int kAltoMuestra = 14;

    CTreeCtrlCapas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                   const wxString& name);

    // One swatch on the line whose top is `y`: the class symbol `simbolo`
    // (null: the layer's own symbol) drawn as the layer's geometry asks.
    void Dibujar(wxDC* dc, int y, const CCapa* capa, const CSimboloObj* simbolo) const;

    // Whether the layer is switched from the legend (its name says it holds
    // place names).
    static bool EsCapaToponimia(const CCapa& capa);

    void OnPaint(wxPaintEvent& event);

protected:
    void OnMouseLeftDown(wxMouseEvent& event);

private:
    void DibujarMuestras(wxDC& dc);

    wxDECLARE_EVENT_TABLE();
};
