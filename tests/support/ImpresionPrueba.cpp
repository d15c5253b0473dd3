#include "ImpresionPrueba.h"

#include <wx/gtk/print.h>
#include <wx/image.h>
#include <wx/log.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {
// The few GLib and GTK calls needed, found in the running process.
struct ListaG {
    void* data;
    ListaG* next;
    ListaG* prev;
};
template <class F>
F Funcion(const char* nombre) {
    return reinterpret_cast<F>(dlsym(RTLD_DEFAULT, nombre));
}

std::string Orden(const std::string& orden) {
    std::string salida;
    std::unique_ptr<FILE, int (*)(FILE*)> tubo(popen(orden.c_str(), "r"), pclose);
    if (!tubo) return salida;
    char bloque[256];
    while (fgets(bloque, sizeof bloque, tubo.get())) salida += bloque;
    return salida;
}
}  // namespace

wxPrintData DatosImpresionPdf(const std::string& rutaPdf) {
    wxPrintData datos;
    datos.SetPrinterName("Print to File");
    auto* nativos = static_cast<wxGtkPrintNativeData*>(datos.GetNativeData());
    using Poner = void (*)(GtkPrintSettings*, const char*, const char*);
    if (auto poner = Funcion<Poner>("gtk_print_settings_set"); poner && nativos) {
        const std::string uri = "file://" + rutaPdf;
        poner(nativos->GetPrintConfig(), "output-uri", uri.c_str());
        poner(nativos->GetPrintConfig(), "output-file-format", "pdf");
    }
    return datos;
}

RespuestaDialogoImpresion::RespuestaDialogoImpresion(bool imprimir, int intervaloMs) : imprimir(imprimir) {
    Start(intervaloMs);
}

RespuestaDialogoImpresion::~RespuestaDialogoImpresion() { Stop(); }

// Runs inside the dialog's own loop; answers once a printer is chosen (the
// printers are listed a moment after the dialog shows).
void RespuestaDialogoImpresion::Notify() {
    using Ventanas = ListaG* (*)();
    using Liberar = void (*)(ListaG*);
    using Tipo = unsigned long (*)();
    using EsDeTipo = int (*)(void*, unsigned long);
    using Impresora = void* (*)(void*);
    using Responder = void (*)(void*, int);
    const auto ventanas = Funcion<Ventanas>("gtk_window_list_toplevels");
    const auto liberar = Funcion<Liberar>("g_list_free");
    const auto tipoDialogo = Funcion<Tipo>("gtk_print_unix_dialog_get_type");
    const auto esDeTipo = Funcion<EsDeTipo>("g_type_check_instance_is_a");
    const auto impresora = Funcion<Impresora>("gtk_print_unix_dialog_get_selected_printer");
    const auto responder = Funcion<Responder>("gtk_dialog_response");
    if (respondida || !ventanas || !liberar || !tipoDialogo || !esDeTipo || !impresora || !responder) return;
    constexpr int kImprimir = -5;  // GTK_RESPONSE_OK
    constexpr int kCancelar = -6;  // GTK_RESPONSE_CANCEL
    ListaG* lista = ventanas();
    for (ListaG* n = lista; n && !respondida; n = n->next) {
        if (!esDeTipo(n->data, tipoDialogo()) || !impresora(n->data)) continue;
        respondida = true;
        responder(n->data, imprimir ? kImprimir : kCancelar);
    }
    liberar(lista);
    if (respondida) Stop();
}

int PaginasPdf(const std::string& rutaPdf) {
    const std::string salida = Orden("pdfinfo '" + rutaPdf + "' 2>/dev/null");
    const size_t pos = salida.find("Pages:");
    return pos == std::string::npos ? -1 : std::atoi(salida.c_str() + pos + 6);
}

wxImage PaginaPdf(const std::string& rutaPdf, int ppp) {
    const std::string base = rutaPdf + "-pagina";
    Orden("pdftoppm -png -r " + std::to_string(ppp) + " -f 1 -l 1 -singlefile '" + rutaPdf + "' '" + base +
          "' 2>/dev/null");
    wxLogNull sinRegistro;
    wxImage imagen;
    if (std::filesystem::exists(base + ".png")) imagen.LoadFile(base + ".png", wxBITMAP_TYPE_PNG);
    return imagen;
}
