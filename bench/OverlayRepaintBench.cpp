// Repaint of the map panel that reuses its off-screen map image (only the
// overlays are drawn again: scale bar, compass, measurement) against a full
// repaint that draws every layer of a theme of the bundled atlas, both at the
// main map's size of 790 x 584 pixels. Prints both times and their ratio.
#include "CGestorVistaMapa.h"
#include "CMediciones.h"
#include "CMedicionesPanel.h"
#include "CProyectoVaq.h"
#include "IniciarWx.h"
#include "PanelMapa.h"

#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/wx.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {
constexpr int kAncho = 790;
constexpr int kAlto = 584;

struct Escena {
    wxFrame* marco = nullptr;
    PanelMapa* panel = nullptr;
    std::unique_ptr<CProyectoVaq> proyecto;
    wxBitmap destino{kAncho, kAlto, 24};
};

Escena* g_escena = nullptr;

bool Preparar(Escena& escena) {
    escena.marco = new wxFrame(nullptr, wxID_ANY, wxT("OverlayRepaintBench"), wxPoint(0, 0), wxSize(kAncho, kAlto));
    escena.marco->SetClientSize(kAncho, kAlto);
    escena.panel = new PanelMapa(escena.marco, wxID_ANY, wxPoint(0, 0), wxSize(kAncho, kAlto));
    escena.marco->Show();
    escena.proyecto = std::make_unique<CProyectoVaq>();
    escena.proyecto->NuevoProyecto(wxT("Nuevo proyecto"));
    escena.proyecto->SetRutaDatosAplicacion(wxString::FromUTF8(VAQ_SOURCE_DIR "/data/atlas"));
    if (!escena.proyecto->AbrirProyecto(nullptr, wxT("MapasVel/MedioFisico.vel"))) {
        std::fprintf(stderr, "No se ha podido abrir el tema MedioFisico.vel del atlas\n");
        return false;
    }
    escena.panel->SetGestorVista(escena.proyecto->GetGestorVistaMapa());
    escena.panel->ReadaptarExtension();
    escena.panel->ExtensionTotal();
    // A measured line, so that the overlay repaint has its usual load.
    auto* barra = new CMedicionesPanel(escena.marco, wxID_ANY, wxPoint(0, 0), wxSize(308, 36), 0);
    barra->Hide();
    escena.panel->SetPanelMediciones(barra);
    escena.panel->PrepararMedirDistancia();
    CGestorVistaMapa* gestor = escena.proyecto->GetGestorVistaMapa();
    gestor->SetDimensionAreaVisualizacion(wxRect(0, 0, kAncho, kAlto));
    for (const wxPoint p : {wxPoint(100, 100), wxPoint(300, 200), wxPoint(500, 150), wxPoint(650, 400)})
        escena.panel->GetMediciones()->AddCoordenadasPolyLinea(gestor->PixelToMapa(p));
    wxYield();
    return gestor->GetNumCapas() > 0;
}

void Repintar(Escena& escena) {
    wxMemoryDC dc(escena.destino);
    escena.panel->PintarPanel(dc, wxRect(0, 0, kAncho, kAlto));
}

void BM_RepintadoSoloOverlays(benchmark::State& state) {
    Repintar(*g_escena);  // the map image exists from here on
    for (auto _ : state) {
        Repintar(*g_escena);
        benchmark::DoNotOptimize(g_escena->panel->GetBitmapMapa());
    }
}

void BM_RepintadoCompleto(benchmark::State& state) {
    for (auto _ : state) {
        g_escena->panel->Refresh(true);  // discards the map image
        Repintar(*g_escena);
        benchmark::DoNotOptimize(g_escena->panel->GetBitmapMapa());
    }
}

BENCHMARK(BM_RepintadoSoloOverlays)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepintadoCompleto)->Unit(benchmark::kMillisecond);

// Keeps the time per iteration of each benchmark to print their ratio.
class Informe : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                tiempos[run.benchmark_name()] = run.GetAdjustedRealTime() * Escala(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    static double Escala(benchmark::TimeUnit unidad) {  // to microseconds
        switch (unidad) {
            case benchmark::kNanosecond: return 1e-3;
            case benchmark::kMicrosecond: return 1.0;
            case benchmark::kMillisecond: return 1e3;
            default: return 1e6;
        }
    }
    std::map<std::string, double> tiempos;
};

// A toolkit assertion must not open a dialog and stop the run: it is printed.
void AsercionImpresa(const wxString& fichero, int linea, const wxString& funcion, const wxString& condicion,
                     const wxString& mensaje) {
    std::fprintf(stderr, "wx: %s en %s (%s:%d): %s\n", condicion.utf8_str().data(), funcion.utf8_str().data(),
                 fichero.utf8_str().data(), linea, mensaje.utf8_str().data());
}
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    wxSetAssertHandler(AsercionImpresa);
    if (!IniciarWx(argc, argv)) return 1;
    wxTheApp->CallOnInit();
    wxInitAllImageHandlers();
    Escena escena;
    g_escena = &escena;
    int resultado = 0;
    if (Preparar(escena)) {
        Informe informe;
        benchmark::RunSpecifiedBenchmarks(&informe);
        const double soloOverlays = informe.tiempos["BM_RepintadoSoloOverlays"];
        const double completo = informe.tiempos["BM_RepintadoCompleto"];
        if (soloOverlays > 0.0 && completo > 0.0) {
            std::printf("\nRepintado %dx%d de MedioFisico.vel: solo overlays %.1f us, completo %.1f us, "
                        "%.1f veces mas rapido (objetivo: al menos 20)\n",
                        kAncho, kAlto, soloOverlays, completo, completo / soloOverlays);
        }
    } else {
        resultado = 1;
    }
    escena.marco->Destroy();
    escena.proyecto.reset();
    benchmark::Shutdown();
    wxEntryCleanup();
    return resultado;
}
