#include "CSelectorColor.h"

#include <wx/colordlg.h>

namespace {

bool DialogoDelToolkit(wxWindow* padre, wxColourData& datos) {
    wxColourDialog dialogo(padre, &datos);
    if (dialogo.ShowModal() != wxID_OK) return false;
    datos = dialogo.GetColourData();
    return true;
}

CSelectorColor::Selector& SelectorActual() {
    static CSelectorColor::Selector selector;
    return selector;
}

}  // namespace

bool CSelectorColor::Elegir(wxWindow* padre, wxColour& color) {
    wxColourData datos;
    datos.SetChooseFull(true);
    datos.SetColour(color);
    const Selector& sustituto = SelectorActual();
    const bool elegido = sustituto ? sustituto(padre, datos) : DialogoDelToolkit(padre, datos);
    if (!elegido || !datos.GetColour().IsOk()) return false;
    color = datos.GetColour();
    return true;
}

void CSelectorColor::SetSelector(Selector selector) { SelectorActual() = std::move(selector); }
