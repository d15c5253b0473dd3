#include "PantallaPruebas.h"

#include <wx/app.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <X11/Xlib.h>
#include <X11/Xatom.h>
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

namespace {
long PidDeVentana(Display* display, Window ventana) {
    const Atom propiedad = XInternAtom(display, "_NET_WM_PID", True);
    if (propiedad == None) return -1;
    Atom tipo = None;
    int formato = 0;
    unsigned long elementos = 0, restantes = 0;
    unsigned char* datos = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, ventana, propiedad, 0, 1, False, XA_CARDINAL, &tipo, &formato,
                           &elementos, &restantes, &datos) == Success &&
        datos && elementos == 1 && formato == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(datos));
    if (datos) XFree(datos);
    return pid;
}
}  // namespace

wxRect RectanguloVentanaDeProceso(long pid) {
    Display* display = DisplayToolkit();
    if (!display) return wxRect();
    XSync(display, False);
    const Window raiz = DefaultRootWindow(display);
    Window padre = 0, raizDevuelta = 0;
    Window* hijas = nullptr;
    unsigned int numero = 0;
    if (!XQueryTree(display, raiz, &raizDevuelta, &padre, &hijas, &numero)) return wxRect();
    wxRect rect;
    for (unsigned int i = 0; i < numero && rect.IsEmpty(); ++i) {
        XWindowAttributes atributos;
        if (!XGetWindowAttributes(display, hijas[i], &atributos) || atributos.map_state != IsViewable) continue;
        if (PidDeVentana(display, hijas[i]) != pid) continue;
        int x = 0, y = 0;
        Window hija = 0;
        XTranslateCoordinates(display, hijas[i], raiz, 0, 0, &x, &y, &hija);
        rect = wxRect(x, y, atributos.width, atributos.height);
    }
    if (hijas) XFree(hijas);
    return rect;
}

wxColour ColorEn(const wxImage& imagen, int x, int y) {
    return wxColour(imagen.GetRed(x, y), imagen.GetGreen(x, y), imagen.GetBlue(x, y));
}
