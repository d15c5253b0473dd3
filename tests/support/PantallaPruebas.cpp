#include "PantallaPruebas.h"

#include <wx/app.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <gtest/gtest.h>
#include <wx/debug.h>

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

// A failed toolkit assertion would open a modal dialog and hang the run: make
// it a test failure instead (for every test program that uses these helpers).
void AsercionComoFallo(const wxString& fichero, int linea, const wxString& funcion,
                       const wxString& condicion, const wxString& mensaje) {
    ADD_FAILURE() << "wx assertion " << condicion.utf8_string() << " in " << funcion.utf8_string()
                  << " (" << fichero.utf8_string() << ":" << linea << "): " << mensaje.utf8_string();
}

class EntornoAserciones : public testing::Environment {
public:
    void SetUp() override { wxSetAssertHandler(AsercionComoFallo); }
};

testing::Environment* const g_entornoAserciones =
    testing::AddGlobalTestEnvironment(new EntornoAserciones);

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
    Display* display = DisplayToolkit();
    const wxSize tamano = ventana->GetClientSize();
    if (!display || tamano.x <= 0 || tamano.y <= 0) return wxImage();
    const wxPoint origen = ventana->ClientToScreen(wxPoint(0, 0));
    XImage* xi = XGetImage(display, DefaultRootWindow(display), origen.x, origen.y,
                           static_cast<unsigned>(tamano.x), static_cast<unsigned>(tamano.y),
                           AllPlanes, ZPixmap);
    if (!xi) return wxImage();
    wxImage imagen(tamano.x, tamano.y);
    for (int y = 0; y < tamano.y; ++y)
        for (int x = 0; x < tamano.x; ++x) {
            const unsigned long v = XGetPixel(xi, x, y);
            imagen.SetRGB(x, y, (v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
        }
    XDestroyImage(xi);
    return imagen;
}

wxColour ColorEn(const wxImage& imagen, int x, int y) {
    return wxColour(imagen.GetRed(x, y), imagen.GetGreen(x, y), imagen.GetBlue(x, y));
}
