#pragma once
// The colour chooser of the symbol editors: the toolkit's colour dialog,
// opened on the current colour. A stand-in may take its place (tests answer
// through the chooser's data, so no dialog waits for a person).
#include <wx/colour.h>
#include <wx/colourdata.h>

#include <functional>

class wxWindow;

class CSelectorColor {
public:
    // Gets the data with the current colour in it; true when a colour was
    // chosen, which it leaves in the data.
    using Selector = std::function<bool(wxWindow* padre, wxColourData& datos)>;

    // Asks for a colour starting from `color`. True, with `color` replaced,
    // only when a valid colour was confirmed.
    static bool Elegir(wxWindow* padre, wxColour& color);

    // Puts a stand-in in place of the toolkit's dialog; an empty function
    // brings the dialog back.
    static void SetSelector(Selector selector);
};
