// Painting of a large polygon layer (22 500 polygons of 24 vertices) by the
// shapefile layer into a 790 x 584 off-screen bitmap, against MapServer's
// map2img drawing the same shapefile with the same colours and size. map2img
// runs as a process: its time per drawing is taken from the difference
// between 21 drawings and 1 drawing in one run (its -c option), so start-up
// and the writing of the image are left out. Prints both times and the ratio.
#include "CCapaShp.h"
#include "IniciarWx.h"

#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>
#include <wx/wx.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#ifdef VAQ_HAVE_SHAPELIB
#include <shapefil.h>
#endif

namespace {
constexpr int kAncho = 790;
constexpr int kAlto = 584;
constexpr int kLado = 150;         // polygons per row and column
constexpr double kPaso = 1000.0;   // map units between polygon centres
constexpr int kVertices = 24;
const double kAnchoMapa = kLado * kPaso;
const double kAltoMapa = kAnchoMapa * kAlto / kAncho;

std::string g_directorio;
std::string g_base;

#ifdef VAQ_HAVE_SHAPELIB
// Clockwise rings (outer rings), as the format prescribes.
bool EscribirPoligonos(const std::string& base) {
    SHPHandle shp = SHPCreate(base.c_str(), SHPT_POLYGON);
    DBFHandle dbf = DBFCreate(base.c_str());
    if (!shp || !dbf) return false;
    DBFAddField(dbf, "ID", FTInteger, 8, 0);
    double xs[kVertices + 1], ys[kVertices + 1];
    int id = 0;
    for (int fila = 0; fila < kLado; ++fila) {
        for (int columna = 0; columna < kLado; ++columna) {
            const double cx = (columna + 0.5) * kPaso, cy = (fila + 0.5) * kPaso;
            for (int i = 0; i <= kVertices; ++i) {
                const double angulo = -2.0 * M_PI * (i % kVertices) / kVertices;
                xs[i] = cx + 0.4 * kPaso * std::cos(angulo);
                ys[i] = cy + 0.4 * kPaso * std::sin(angulo);
            }
            SHPObject* objeto =
                SHPCreateSimpleObject(SHPT_POLYGON, kVertices + 1, xs, ys, nullptr);
            SHPWriteObject(shp, -1, objeto);
            SHPDestroyObject(objeto);
            DBFWriteIntegerAttribute(dbf, id, 0, id);
            ++id;
        }
    }
    SHPClose(shp);
    DBFClose(dbf);
    return true;
}
#endif

CExtensionMapa Vista() {
    CExtensionMapa vista;
    vista.SetCoordenadasInfIzq(0.0, 0.0);
    vista.SetCoordenadasSupDer(kAnchoMapa, kAltoMapa);
    return vista;
}

void BM_PintarCapaShp(benchmark::State& state) {
    CCapaShp capa;
    capa.SetRutaArchivo(wxString::FromUTF8((g_base + ".shp").c_str()));
    if (!capa.InicializarCapa()) {
        state.SkipWithError("no se ha podido abrir la capa");
        return;
    }
    capa.GetSimbolo()->SetColorRelleno(wxColour(255, 0, 0));
    capa.GetSimbolo()->SetColorBorde(wxColour(0, 0, 255));
    capa.GetSimbolo()->SetSize(1);
    capa.GetSimbolo()->SetEstilo(wxPENSTYLE_SOLID);
    wxBitmap bitmap(kAncho, kAlto, 24);
    const CTransformacionMapa vista(wxRect(0, 0, kAncho, kAlto), Vista());
    for (auto _ : state) {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        capa.PintarCapa(&dc, vista);
    }
}

double SegundosMapServer(const std::string& mapa, int veces) {
    const std::string orden = "map2img -m '" + mapa + "' -o '" + g_directorio +
                              "/salida.png' -c " + std::to_string(veces) + " >/dev/null 2>&1";
    const auto inicio = std::chrono::steady_clock::now();
    const int estado = std::system(orden.c_str());
    const auto fin = std::chrono::steady_clock::now();
    if (estado != 0) return -1.0;
    return std::chrono::duration<double>(fin - inicio).count();
}

void BM_PintarMapServer(benchmark::State& state) {
    const std::string mapa = g_directorio + "/poligonos.map";
    std::ofstream(mapa) << "MAP\n  SIZE " << kAncho << " " << kAlto << "\n  EXTENT 0 0 "
                        << kAnchoMapa << " " << kAltoMapa
                        << "\n  IMAGETYPE png\n  IMAGECOLOR 255 255 255\n"
                           "  LAYER\n    NAME \"poligonos\"\n    TYPE POLYGON\n"
                           "    STATUS DEFAULT\n    DATA \""
                        << g_base
                        << "\"\n    CLASS\n      STYLE\n        COLOR 255 0 0\n"
                           "        OUTLINECOLOR 0 0 255\n        WIDTH 1\n      END\n"
                           "    END\n  END\nEND\n";
    for (auto _ : state) {
        const double una = SegundosMapServer(mapa, 1);
        const double veintiuna = SegundosMapServer(mapa, 21);
        if (una < 0.0 || veintiuna < 0.0) {
            state.SkipWithError("map2img no esta disponible");
            return;
        }
        state.SetIterationTime(std::max(0.0, (veintiuna - una) / 20.0));
    }
}

BENCHMARK(BM_PintarCapaShp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PintarMapServer)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// Keeps the time per iteration of each benchmark to print their ratio.
class Informe : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred)
                tiempos[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> tiempos;  // milliseconds
};
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
#ifndef VAQ_HAVE_SHAPELIB
    std::fprintf(stderr, "Hace falta shapelib (libshp-dev) para escribir la capa de prueba\n");
    return 1;
#else
    if (!IniciarWx(argc, argv)) return 1;
    std::string plantilla = (std::filesystem::temp_directory_path() / "vaqbenchXXXXXX").string();
    if (!::mkdtemp(plantilla.data())) return 1;
    g_directorio = plantilla;
    g_base = g_directorio + "/poligonos";
    int resultado = 1;
    if (EscribirPoligonos(g_base)) {
        Informe informe;
        benchmark::RunSpecifiedBenchmarks(&informe);
        const double propio = informe.tiempos["BM_PintarCapaShp"];
        const double mapserver = informe.tiempos["BM_PintarMapServer"];
        if (propio > 0.0 && mapserver > 0.0)
            std::printf("\nCapa de %d poligonos en %dx%d: CCapaShp %.1f ms, map2img %.1f ms, "
                        "razon %.2f (map2img / CCapaShp)\n",
                        kLado * kLado, kAncho, kAlto, propio, mapserver, mapserver / propio);
        resultado = 0;
    }
    std::error_code ignorado;
    std::filesystem::remove_all(g_directorio, ignorado);
    benchmark::Shutdown();
    wxEntryCleanup();
    return resultado;
#endif
}
