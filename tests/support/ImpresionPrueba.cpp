#include "ImpresionPrueba.h"

#include <wx/gtk/print.h>
#include <wx/image.h>
#include <wx/log.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {
// A GLib or GTK function of the running process.
template <class F>
F Funcion(const char* nombre) {
    return reinterpret_cast<F>(dlsym(RTLD_DEFAULT, nombre));
}

std::string Salida(const std::string& orden) {
    std::string salida;
    if (FILE* tubo = popen(orden.c_str(), "r")) {
        char bloque[256];
        while (fgets(bloque, sizeof bloque, tubo)) salida += bloque;
        pclose(tubo);
    }
    return salida;
}
}  // namespace

wxPrintData DatosImpresionPdf(const std::string& rutaPdf) {
    wxPrintData datos;
    datos.SetPrinterName("Print to File");
    const auto poner = Funcion<void (*)(GtkPrintSettings*, const char*, const char*)>("gtk_print_settings_set");
    if (auto* nativos = static_cast<wxGtkPrintNativeData*>(datos.GetNativeData()); poner && nativos) {
        poner(nativos->GetPrintConfig(), "output-uri", ("file://" + rutaPdf).c_str());
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
    struct ListaG {
        void* data;
        ListaG* next;
    };
    const auto ventanas = Funcion<ListaG* (*)()>("gtk_window_list_toplevels");
    const auto liberar = Funcion<void (*)(ListaG*)>("g_list_free");
    const auto tipoDialogo = Funcion<unsigned long (*)()>("gtk_print_unix_dialog_get_type");
    const auto esDeTipo = Funcion<int (*)(void*, unsigned long)>("g_type_check_instance_is_a");
    const auto impresora = Funcion<void* (*)(void*)>("gtk_print_unix_dialog_get_selected_printer");
    const auto responder = Funcion<void (*)(void*, int)>("gtk_dialog_response");
    if (respondida || !ventanas || !liberar || !tipoDialogo || !esDeTipo || !impresora || !responder) return;
    ListaG* lista = ventanas();
    for (ListaG* n = lista; n && !respondida; n = n->next) {
        if (!esDeTipo(n->data, tipoDialogo()) || !impresora(n->data)) continue;
        respondida = true;
        responder(n->data, imprimir ? -5 : -6);  // GTK_RESPONSE_OK, GTK_RESPONSE_CANCEL
    }
    liberar(lista);
    if (respondida) Stop();
}

int PaginasPdf(const std::string& rutaPdf) {
    const std::string salida = Salida("pdfinfo '" + rutaPdf + "' 2>/dev/null");
    const size_t pos = salida.find("Pages:");
    return pos == std::string::npos ? -1 : std::atoi(salida.c_str() + pos + 6);
}

wxImage PaginaPdf(const std::string& rutaPdf, int ppp) {
    const std::string png = rutaPdf + "-pagina";
    Salida("pdftoppm -png -r " + std::to_string(ppp) + " -singlefile '" + rutaPdf + "' '" + png + "' 2>/dev/null");
    wxLogNull sinRegistro;
    wxImage imagen;
    if (std::filesystem::exists(png + ".png")) imagen.LoadFile(png + ".png", wxBITMAP_TYPE_PNG);
    return imagen;
}
