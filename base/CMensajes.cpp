#include "CMensajes.h"

#include <cstdio>

namespace {
bool g_silencioso = false;

ReceptorMensajes& Receptor() {
    static ReceptorMensajes receptor;
    return receptor;
}

int RespuestaSegura(long estilo) {
    if (estilo & wxCANCEL) return wxCANCEL;
    if (estilo & wxYES_NO) return wxNO;
    return wxOK;
}
}  // namespace

void SetModoSilencioso(bool silencioso) { g_silencioso = silencioso; }

bool EsModoSilencioso() { return g_silencioso; }

void SetReceptorMensajes(ReceptorMensajes receptor) { Receptor() = std::move(receptor); }

int MostrarMensaje(const wxString& texto, const wxString& titulo, long estilo, wxWindow* padre) {
    if (Receptor()) {
        Receptor()(texto, titulo);
        return RespuestaSegura(estilo);
    }
    if (g_silencioso) {
        const wxString linea = titulo + ": " + texto + "\n";
        std::fputs(linea.utf8_str().data(), stderr);
        std::fflush(stderr);
        return RespuestaSegura(estilo);
    }
    return wxMessageBox(texto, titulo, estilo, padre);
}
