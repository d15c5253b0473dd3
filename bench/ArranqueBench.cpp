// Start-up of the viewer and theme switches, on the bundled atlas.
//
// Start-up: the whole `vaq` process from exec until both maps of its full
// screen window have been painted (it closes itself then, with
// --cerrar-tras-mostrar), median of 10, beside a floor measured in the same
// run: this program started again as a bare toolkit application that shows an
// empty full-screen frame and ends after its first paint.
//
// Theme switch: in this process, the main window switched from the physical
// to the human environment and back (each switch loads the theme and paints
// both maps), median of 20.
#include "CConfigApp.h"
#include "CMensajes.h"
#include "IniciarWx.h"
#include "PanelMapaPrincipal.h"
#include "PanelReferenciaMapa.h"
#include "VAQFrame.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
using Reloj = std::chrono::steady_clock;
constexpr int kArranques = 10;
constexpr int kCambios = 20;
const char kAtlas[] = VAQ_SOURCE_DIR "/data/atlas";

double Milisegundos(Reloj::time_point desde) {
    return std::chrono::duration<double, std::milli>(Reloj::now() - desde).count();
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// ---------------------------------------------------------------- floor

// A bare toolkit application: an empty frame, full screen as the viewer's,
// closed after its first paint.
class AppSuelo : public wxApp {
public:
    bool OnInit() override {
        wxInitAllImageHandlers();
        auto* marco = new wxFrame(nullptr, wxID_ANY, "Suelo");
        marco->Bind(wxEVT_PAINT, [marco](wxPaintEvent&) {
            wxPaintDC dc(marco);
            dc.Clear();
            if (!marco->IsBeingDeleted()) marco->CallAfter([marco] { marco->Close(true); });
        });
        SetTopWindow(marco);
        marco->Maximize();
        marco->Show();
        marco->ShowFullScreen(true, wxFULLSCREEN_ALL);
        return true;
    }
};

int EjecutarSuelo(int argc, char** argv) {
    setenv("GDK_GL", "disable", 0);  // as the viewer does
    wxApp::SetInstance(new AppSuelo);
    return wxEntry(argc, argv);
}

// ---------------------------------------------------------------- start-up

// Wall time of one process run to its end; negative when it failed.
double TiempoProceso(const std::vector<std::string>& argumentos, const std::string& home) {
    std::vector<std::string> entorno{"HOME=" + home};
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "HOME=", 5) != 0) entorno.emplace_back(*e);
    std::vector<char*> args, env;
    for (const std::string& a : argumentos) args.push_back(const_cast<char*>(a.c_str()));
    for (const std::string& e : entorno) env.push_back(const_cast<char*>(e.c_str()));
    args.push_back(nullptr);
    env.push_back(nullptr);
    const Reloj::time_point inicio = Reloj::now();
    pid_t pid = -1;
    if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), env.data()) != 0) return -1;
    int estado = 0;
    waitpid(pid, &estado, 0);
    const double ms = Milisegundos(inicio);
    return WIFEXITED(estado) && WEXITSTATUS(estado) == 0 ? ms : -1;
}

bool MedirArranque() {
    const std::string home = (std::filesystem::temp_directory_path() / "vaq-bench-home").string();
    std::filesystem::create_directories(home);
    std::vector<double> visor, suelo;
    // Interleaved, so that both see the same load of the machine.
    for (int i = 0; i < kArranques + 1; ++i) {
        const double v = TiempoProceso({VAQ_EXECUTABLE, "--datos", kAtlas, "--cerrar-tras-mostrar"}, home);
        const double s = TiempoProceso({"/proc/self/exe", "--suelo"}, home);
        if (v < 0 || s < 0) {
            std::fprintf(stderr, "Un arranque ha fallado (visor %.0f, suelo %.0f)\n", v, s);
            return false;
        }
        if (i == 0) continue;  // the first run fills the file cache
        visor.push_back(v);
        suelo.push_back(s);
    }
    std::filesystem::remove_all(home);
    const double mv = Mediana(visor), ms = Mediana(suelo);
    std::printf("Arranque hasta el primer pintado (mediana de %d):\n", kArranques);
    std::printf("  vaq con el atlas          %8.1f ms\n", mv);
    std::printf("  marco vacío (suelo)       %8.1f ms\n", ms);
    std::printf("  razón vaq / suelo         %8.2f   (objetivo: como mucho 2)\n", mv / ms);
    std::fflush(stdout);
    return true;
}

// ---------------------------------------------------------------- theme switch

void Pulsar(VAQFrame* marco, int id) {
    wxCommandEvent evento(wxEVT_BUTTON, id);
    evento.SetEventObject(marco->GetBoton(id));
    marco->GetEventHandler()->ProcessEvent(evento);
    // Both maps painted before the clock stops: the main map has its map
    // image again, and the overview has repainted its rectangle.
    marco->GetPanelMapa()->Update();
    marco->GetPanelReferencia()->Update();
    for (int i = 0; i < 5000 && !marco->GetPanelMapa()->GetBitmapMapa(); ++i) wxYield();
}

bool MedirCambioTema(int argc, char** argv) {
    if (!IniciarWx(argc, argv)) return false;
    wxInitAllImageHandlers();
    SetModoSilencioso(true);
    CConfigApp::SetRutaSesion(kAtlas);
    auto* marco = new VAQFrame(wxEmptyString, wxPoint(0, 0), wxDefaultSize);
    bool pintado = false;
    marco->SetAlPrimerPintado([&pintado] { pintado = true; });
    marco->SetClientSize(VAQFrame::kAnchoDiseno, VAQFrame::kAltoDiseno);
    marco->Show();
    for (int i = 0; i < 2000 && !pintado; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxMilliSleep(2);
    }
    bool correcto = pintado && marco->GetTemaActivo() == VAQFrame::TEMA_MEDIO_FISICO;
    std::vector<double> idaVuelta, ida, vuelta;
    for (int i = 0; correcto && i < kCambios + 1; ++i) {
        const Reloj::time_point inicio = Reloj::now();
        Pulsar(marco, VAQFrame::ID_MEDIO_HUMANO);
        const double a = Milisegundos(inicio);
        const Reloj::time_point medio = Reloj::now();
        Pulsar(marco, VAQFrame::ID_MEDIO_FISICO);
        const double b = Milisegundos(medio);
        correcto = marco->GetTemaActivo() == VAQFrame::TEMA_MEDIO_FISICO;
        if (i == 0) continue;
        ida.push_back(a);
        vuelta.push_back(b);
        idaVuelta.push_back(a + b);
    }
    marco->Destroy();
    wxTheApp->ProcessPendingEvents();
    wxEntryCleanup();
    if (!correcto) {
        std::fprintf(stderr, "No se ha podido cambiar de tema\n");
        return false;
    }
    std::printf("Cambio de tema en el proceso, con el pintado de ambos mapas (mediana de %d):\n", kCambios);
    std::printf("  medio físico -> humano    %8.1f ms   (objetivo: menos de 100)\n", Mediana(ida));
    std::printf("  medio humano -> físico    %8.1f ms   (objetivo: menos de 100)\n", Mediana(vuelta));
    std::printf("  ida y vuelta              %8.1f ms\n", Mediana(idaVuelta));
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--suelo") == 0) return EjecutarSuelo(argc, argv);
    setenv("GDK_GL", "disable", 0);
    if (!MedirArranque()) return 1;
    return MedirCambioTema(argc, argv) ? 0 : 1;
}
