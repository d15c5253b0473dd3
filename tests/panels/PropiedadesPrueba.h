#pragma once
// For the layer properties tests: symbols compared field by field, and the
// controls of a dialog worked as the toolkit does.
#include "AtlasPrueba.h"

#include <gtest/gtest.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>

// Every field of two symbols.
inline bool MismoSimbolo(const CSimboloObj& a, const CSimboloObj& b) {
    return a.GetTipo() == b.GetTipo() && a.GetEstilo() == b.GetEstilo() &&
           a.GetColorRelleno() == b.GetColorRelleno() && a.GetColorBorde() == b.GetColorBorde() &&
           a.GetSize() == b.GetSize() && a.GetFuente() == b.GetFuente() &&
           a.GetFileFuente() == b.GetFileFuente() && a.GetFontSize() == b.GetFontSize() &&
           a.GetCharIndex() == b.GetCharIndex() && a.GetTransparente() == b.GetTransparente();
}

// The first child of that kind.
template <class T>
T* Hijo(wxWindow* padre) {
    for (wxWindow* hijo : padre->GetChildren())
        if (auto* buscado = dynamic_cast<T*>(hijo)) return buscado;
    return nullptr;
}

// The toolkit's handling of a click on a button (or of a slider's move).
inline void Pulsar(wxWindow* control, wxEventType tipo = wxEVT_BUTTON) {
    ASSERT_NE(control, nullptr);
    wxCommandEvent evento(tipo, control->GetId());
    evento.SetEventObject(control);
    if (auto* deslizador = dynamic_cast<wxSlider*>(control)) evento.SetInt(deslizador->GetValue());
    control->GetEventHandler()->ProcessEvent(evento);
}

// The text of a spin control changed at once, as a paste changes it.
inline void EscribirEnSpin(wxSpinCtrl* spin, const wxString& texto) {
    ASSERT_NE(spin, nullptr);
    wxCommandEvent evento(wxEVT_TEXT, spin->GetId());
    evento.SetEventObject(spin);
    evento.SetString(texto);
    spin->GetEventHandler()->ProcessEvent(evento);
}
