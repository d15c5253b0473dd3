#include "PantallaPruebas.h"

#include <wx/app.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>

namespace {
// The toolkit's X connection, found at run time (GDK is loaded by wxGTK; its
// headers are not needed).
Display* DisplayToolkit() {
    using Funcion = Display* (*)();
    static Funcion funcion =
        reinterpret_cast<Funcion>(dlsym(RTLD_DEFAULT, "gdk_x11_get_default_xdisplay"));
    return funcion ? funcion() : nullptr;
}

void RepintarTodo() {
    for (wxWindowList::compatibility_iterator n = wxTopLevelWindows.GetFirst(); n; n = n->GetNext())
        n->GetData()->Update();
}
}  // namespace

void ProcesarEventos() {
    for (int i = 0; i < 3; ++i) {
        if (wxTheApp) wxTheApp->ProcessPendingEvents();
        wxYield();
        RepintarTodo();
    }
}

bool EsperarHasta(const std::function<bool()>& condicion) {
    for (int ronda = 0; ronda < 400; ++ronda) {
        ProcesarEventos();
        if (condicion()) return true;
        wxMilliSleep(5);
    }
    return condicion();
}

wxImage CapturarPantalla(wxWindow* ventana) {
    ProcesarEventos();
    return CapturarZona(wxRect(ventana->ClientToScreen(wxPoint(0, 0)), ventana->GetClientSize()));
}

wxImage CapturarZona(const wxRect& zona) {
    Display* display = DisplayToolkit();
    if (!display || zona.width <= 0 || zona.height <= 0) return wxImage();
    XSync(display, False);
    XImage* xi = XGetImage(display, DefaultRootWindow(display), zona.x, zona.y,
                           static_cast<unsigned>(zona.width), static_cast<unsigned>(zona.height),
                           AllPlanes, ZPixmap);
    if (!xi) return wxImage();
    wxImage imagen(zona.width, zona.height);
    for (int y = 0; y < zona.height; ++y)
        for (int x = 0; x < zona.width; ++x) {
            const unsigned long v = XGetPixel(xi, x, y);
            imagen.SetRGB(x, y, (v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
        }
    XDestroyImage(xi);
    return imagen;
}

wxColour ColorEn(const wxImage& imagen, int x, int y) {
    return wxColour(imagen.GetRed(x, y), imagen.GetGreen(x, y), imagen.GetBlue(x, y));
}
