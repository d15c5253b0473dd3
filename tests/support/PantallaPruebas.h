#pragma once
// For GUI tests: letting the toolkit catch up with posted events, real input
// and repaints, and reading back what the X server shows on the screen.
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <functional>

class wxWindow;

// Handles the pending events and repaints the invalidated windows.
void ProcesarEventos();

// Handles events until condicion() holds (it is tested between rounds);
// false if it still does not hold after a generous number of rounds.
bool EsperarHasta(const std::function<bool()>& condicion);

// The pixels shown on the screen over the window's client area, after every
// pending repaint. Read through the toolkit's own X connection, so everything
// it has drawn before is included.
wxImage CapturarPantalla(wxWindow* ventana);

// The pixels the X server shows in a rectangle of the screen (any window's,
// also another process's).
wxImage CapturarZona(const wxRect& zona);

// Colour of one pixel of an image.
wxColour ColorEn(const wxImage& imagen, int x, int y);
