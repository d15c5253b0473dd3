#include "MyApp.h"

#include "CCacheIndices.h"
#include "CConfigApp.h"
#include "CMensajes.h"
#include "CRenderLineaComandos.h"
#include "VAQFrame.h"

#include <wx/image.h>
#include <cstdio>

namespace {
wxString ErrorConfiguracion() {
    return wxString::FromUTF8("ERROR. No ha sido posible obtener la configuración.");
}

void EscribirError(const wxString& texto) {
    std::fputs(texto.utf8_str().data(), stderr);
    std::fflush(stderr);
}

// Exit codes of a run without window.
constexpr int kSalidaLineaComandosIncorrecta = 2;
constexpr int kSalidaSinDatos = 1;
}  // namespace

bool MyApp::OnInit() {
    wxInitAllImageHandlers();
    // Spatial indices of large layers are kept between runs, in the user's
    // cache folder (never beside the data).
    CCacheIndices::SetDirectorio(CCacheIndices::DirectorioDeUsuario());
    wxString error;
    if (!m_opciones.Analizar(argv.GetArguments(), error)) {
        EscribirError("vaq: " + error + "\n" + COpcionesLineaComandos::GetUso());
        TerminarSinVentana(kSalidaLineaComandosIncorrecta);
        return true;
    }
    if (m_opciones.silencioso || m_opciones.EsRender()) SetModoSilencioso(true);
    AplicarRutaLineaComandos();

    if (m_opciones.EsRender()) {
        TerminarSinVentana(EjecutarRender());
        return true;
    }

    // The frame establishes the data directory while it is built.
    VAQFrame* ventana = new VAQFrame(wxEmptyString, wxDefaultPosition, wxDefaultSize);
    if (ventana->GetRutaDatosAplicacion().empty()) {
        ventana->Destroy();
        MostrarMensaje(ErrorConfiguracion());
        return false;
    }
    SetTopWindow(ventana);
    if (m_opciones.cerrarTrasMostrar) ventana->SetAlPrimerPintado([ventana]() { ventana->Close(true); });
    if (m_opciones.ventana) {
        // The design at its own size, in a window of the desktop.
        ventana->SetClientSize(VAQFrame::kAnchoDiseno, VAQFrame::kAltoDiseno);
        ventana->Centre();
        ventana->Show();
    } else {
        ventana->Maximize();
        ventana->Show();
        ventana->ShowFullScreen(true, wxFULLSCREEN_ALL);
    }
    return true;
}

// --datos: used for this run when it holds the data; otherwise the refusal
// message and the usual start-up (remembered directory or chooser).
void MyApp::AplicarRutaLineaComandos() {
    if (m_opciones.datos.empty()) return;
    if (CConfigApp::ComprobarSiDatos(m_opciones.datos))
        CConfigApp::SetRutaSesion(m_opciones.datos);
    else
        MostrarMensaje(wxString::FromUTF8("En la ruta especificada no se encuentran los datos."));
}

// Command-line render (--salida): no window opens and every message goes to
// stderr. The data directory comes from --datos or the configuration.
int MyApp::EjecutarRender() {
    CConfigApp configuracion;
    const wxString datos = configuracion.GetRutaArchivo();
    if (datos.empty()) {
        MostrarMensaje(ErrorConfiguracion());
        return kSalidaSinDatos;
    }
    return CRenderLineaComandos::Ejecutar(datos, CRenderLineaComandos::DesdeLineaComandos(m_opciones));
}

void MyApp::TerminarSinVentana(int codigo) {
    m_sinVentana = true;
    m_codigoSalida = codigo;
}

int MyApp::OnRun() {
    if (m_sinVentana) return m_codigoSalida;
    return wxApp::OnRun();
}

int MyApp::OnExit() { return 0; }

void MyApp::OnAssertFailure(const wxChar* file, int line, const wxChar* func, const wxChar* cond,
                            const wxChar* msg) {
    auto texto = [](const wxChar* t) { return t ? wxString(t) : wxString(); };
    wxString aviso = wxString::FromUTF8("vaq: comprobación interna fallida: ") + texto(cond);
    if (msg && *msg) aviso += " (" + texto(msg) + ")";
    aviso += wxString::Format(" en %s:%d", texto(file), line);
    if (func && *func) aviso += " (" + texto(func) + ")";
    EscribirError(aviso + "\n");
}
