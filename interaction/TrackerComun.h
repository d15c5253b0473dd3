#pragma once
// Geometry and drawing that the three trackers share.
#include <wx/gdicmn.h>

class wxDC;

namespace TrackerComun {

enum Zona { TOP = 1, RIGHT = 2, BOTTOM = 4, LEFT = 8 };

// Zone of (x, y) in a tracker of the given size with handles b pixels wide:
// -1 outside, 0 inside (move), else an OR of the Zona bits. The bands are
// tested bottom, middle, top, and the right-hand handles first, so on a narrow
// tracker they win over the middle and left ones.
int Zona(int x, int y, const wxSize& tamano, int b);

// Keeps r inside maximo (when its width and height are not negative) and, for
// a positive ratio, at width / height = ratio. handle is the zone being
// dragged: 0 moves the rectangle, any other value resizes it.
void AjustarRect(wxRect& r, int handle, const wxRect& maximo, double ratio);

// Dotted white over solid black outline with eight b x b black handles.
void DibujarMarco(wxDC& dc, int x, int y, int w, int h, int b);

// Outline of a rectangle being dragged: solid black under dotted white, so it
// shows over any map colour; brush and pen are reset afterwards.
void DibujarContorno(wxDC& dc, int x, int y, int w, int h);

// A ratio strictly between 0 and 1 stands for its inverse.
double NormalizarRazon(double ratio);

}  // namespace TrackerComun
