#include "TrackerComun.h"

#include <wx/dc.h>
#include <wx/pen.h>
#include <wx/brush.h>
#include <cmath>

namespace TrackerComun {

int Zona(int x, int y, const wxSize& tamano, int b) {
    const int w = tamano.x;
    const int h = tamano.y;
    if (x < 0 || x > w || y < 0 || y > h) return -1;
    const bool centroX = (w - b) / 2 <= x && x <= (w + b) / 2;
    if (y >= h - b) {
        if (x >= w - b) return BOTTOM | RIGHT;
        if (centroX) return BOTTOM;
        if (x <= b) return BOTTOM | LEFT;
        return 0;
    }
    if ((h - b) / 2 <= y && y <= (h + b) / 2) {
        if (x >= w - b) return RIGHT;
        if (x <= b) return LEFT;
        return 0;
    }
    if (y <= b) {
        if (x >= w - b) return TOP | RIGHT;
        if (centroX) return TOP;
        if (x <= b) return TOP | LEFT;
        return 0;
    }
    return 0;
}

namespace {
void Limitar(wxRect& r, int handle, const wxRect& m) {
    if (r.x < m.x) {
        if (handle != 0) r.width -= m.x - r.x;
        r.x = m.x;
    }
    if (r.x + r.width > m.x + m.width) {
        if (handle != 0) r.width = m.x + m.width - r.x;
        r.x = m.x + m.width - r.width;
    }
    if (r.y < m.y) {
        if (handle != 0) r.height -= m.y - r.y;
        r.y = m.y;
    }
    if (r.y + r.height > m.y + m.height) {
        if (handle != 0) r.height = m.y + m.height - r.y;
        r.y = m.y + m.height - r.height;
    }
}

// A purely vertical handle sets the width from the height, any other the
// height from the width; the edge opposite the dragged one stays in place.
void AplicarRazon(wxRect& r, int handle, double ratio) {
    const bool vertical = handle > 0 && !(handle & (LEFT | RIGHT));
    if (vertical) {
        const int ancho = static_cast<int>(std::lround(r.height * ratio));
        if (handle & LEFT) r.x += r.width - ancho;
        r.width = ancho;
    } else {
        const int alto = static_cast<int>(std::lround(r.width / ratio));
        if (handle > 0 && (handle & TOP)) r.y += r.height - alto;
        r.height = alto;
    }
}
}  // namespace

void AjustarRect(wxRect& r, int handle, const wxRect& maximo, double ratio) {
    if (maximo.width < 0 || maximo.height < 0) return;
    Limitar(r, handle, maximo);
    if (ratio > 0) {
        AplicarRazon(r, handle, ratio);
        Limitar(r, handle, maximo);
        AplicarRazon(r, handle, ratio);
    }
}

void DibujarMarco(wxDC& dc, int x, int y, int w, int h, int b) {
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawRectangle(x, y, w, h);
    dc.SetPen(wxPen(*wxWHITE, 1, wxPENSTYLE_DOT));
    dc.DrawRectangle(x, y, w, h);
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.SetPen(*wxBLACK_PEN);
    const int xm = x + (w - b) / 2;
    const int ym = y + (h - b) / 2;
    const int xd = x + w - b - 1;
    const int yi = y + h - b - 1;
    dc.DrawRectangle(x + 1, y + 1, b, b);
    dc.DrawRectangle(xd, y + 1, b, b);
    dc.DrawRectangle(x + 1, yi, b, b);
    dc.DrawRectangle(xd, yi, b, b);
    dc.DrawRectangle(xm, y + 1, b, b);
    dc.DrawRectangle(xm, yi, b, b);
    dc.DrawRectangle(x + 1, ym, b, b);
    dc.DrawRectangle(xd, ym, b, b);
}

void DibujarContorno(wxDC& dc, int x, int y, int w, int h) {
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawRectangle(x, y, w, h);
    dc.SetPen(wxPen(*wxWHITE, 1, wxPENSTYLE_DOT));
    dc.DrawRectangle(x, y, w, h);
    dc.SetPen(wxNullPen);
    dc.SetBrush(wxNullBrush);
}

double NormalizarRazon(double ratio) {
    return (ratio > 0 && ratio < 1) ? 1.0 / ratio : ratio;
}

}  // namespace TrackerComun
