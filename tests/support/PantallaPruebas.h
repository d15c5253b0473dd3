#pragma once
// For GUI tests: letting the toolkit catch up with posted events, real input
// and repaints, and reading back what the X server shows on the screen.
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <functional>

class wxWindow;

// Handles the pending events and repaints the invalidated windows.
void ProcesarEventos();

// Handles events until condicion() holds; false if it never does.
bool EsperarHasta(const std::function<bool()>& condicion);

// The pixels on the screen over the window's client area, after pending
// repaints, read through the toolkit's own X connection.
wxImage CapturarPantalla(wxWindow* ventana);
// The pixels the X server shows in a rectangle of the screen (any process's).
wxImage CapturarZona(const wxRect& zona);

// Colour of one pixel of an image.
wxColour ColorEn(const wxImage& imagen, int x, int y);
