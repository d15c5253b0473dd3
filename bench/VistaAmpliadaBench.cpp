// What a view costs as the file grows: the viewer's command-line render
// against MapServer's map2img, without and with its quadtree index (made
// by shptree), on 1x, 2x and 4x versions of one generated layer (the same
// extent, more and smaller polygons of 100 vertices each), at the whole
// extent and zoomed in on a 15 x 11 km window. Whole processes, alternating,
// medians of several runs, with the peak resident memory of each process;
// then, inside one process, a pan of 50 pixels on the zoomed view of the 4x
// layer (median of 20 repaints).
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CapaPoligonosBench.h"
#include "CGestorVistaMapa.h"
#include "CMensajes.h"
#include "CProyectoVaq.h"
#include "CRenderLineaComandos.h"
#include "CShape.h"
#include "IniciarWx.h"

namespace fs = std::filesystem;

namespace {

constexpr double kAnchoCapa = 500000.0;  // metres
constexpr double kAltoCapa = 312500.0;
constexpr double kOrigenX = 100000.0;
constexpr double kOrigenY = 3900000.0;
constexpr int kColumnas1x = 400, kFilas1x = 250;  // 100,000 polygons
constexpr int kVertices = 100;                     // per ring, the closing one included
constexpr int kAncho = 790, kAlto = 584;
constexpr int kRepeticiones = 5;
constexpr double kAnchoAmpliada = 15000.0, kAltoAmpliada = 11000.0;

// base.shp, .shx and .dbf: columnas x filas wobbly round polygons, CLASE 1.
void EscribirCapa(const std::string& base, int columnas, int filas) {
    const double radio = 0.45 * std::min(kAnchoCapa / columnas, kAltoCapa / filas);
    const CapaPoligonosBench capa{kOrigenX, kOrigenY, kAnchoCapa, kAltoCapa,
                                  columnas, filas, kVertices, radio, 0.8, 0.2};
    EscribirCapaPoligonos(base, capa, [](int) { return 1; });
}

void EscribirTema(const std::string& ruta, const std::string& archivo) {
    std::ofstream f(ruta);
    f << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
      << "<PROYECTO_VELMOR version=\"1.0.0\" nombre=\"Banco\">\n<CAPAS>\n"
      << "<CAPA nombre=\"Celdas\" archivo=\"" << archivo
      << "\" ruta=\"/capas/\" tipo=\"SHP\" geometria=\"5\">\n"
      << "<VISUALIZACION estado=\"1\" escala_min=\"0\" escala_max=\"99999999\"/>\n"
      << "<SIMBOLOGIA tipo=\"0\" estilo=\"100\" grado_trans=\"0\" color_borde=\"3947580\" "
         "color_relleno=\"7910600\" relleno=\"1\" tamanno=\"1\"/>\n"
      << "</CAPA>\n</CAPAS>\n</PROYECTO_VELMOR>\n";
}

void EscribirMapfile(const std::string& ruta, const std::string& shapefile) {
    std::ofstream f(ruta);
    f << "MAP\n  SIZE " << kAncho << " " << kAlto << "\n  IMAGECOLOR 15 61 0\n"
      << "  EXTENT " << kOrigenX << " " << kOrigenY << " " << kOrigenX + kAnchoCapa << " "
      << kOrigenY + kAltoCapa << "\n"
      << "  OUTPUTFORMAT\n    NAME \"png\"\n    DRIVER AGG/PNG\n    MIMETYPE \"image/png\"\n"
      << "    IMAGEMODE RGB\n    EXTENSION \"png\"\n  END\n  IMAGETYPE \"png\"\n"
      << "  LAYER\n    NAME \"celdas\"\n    TYPE POLYGON\n    STATUS DEFAULT\n"
      << "    DATA \"" << shapefile << "\"\n"
      << "    CLASS\n      STYLE\n        COLOR 200 180 120\n        OUTLINECOLOR 60 60 60\n"
      << "        WIDTH 1\n      END\n    END\n  END\nEND\n";
}

struct Medida {
    double segundos = -1.0;
    double megas = 0.0;  // peak resident memory
};

// Runs the program (no shell) with its output discarded: time and peak
// resident memory of that process alone.
Medida Ejecutar(const std::vector<std::string>& orden) {
    std::vector<char*> argumentos;
    for (const std::string& a : orden) argumentos.push_back(const_cast<char*>(a.c_str()));
    argumentos.push_back(nullptr);
    const auto inicio = std::chrono::steady_clock::now();
    const pid_t hijo = fork();
    if (hijo == 0) {
        const int nulo = open("/dev/null", O_WRONLY);
        dup2(nulo, 1);
        dup2(nulo, 2);
        execvp(argumentos[0], argumentos.data());
        _exit(127);
    }
    int estado = 0;
    struct rusage uso {};
    if (hijo < 0 || wait4(hijo, &estado, 0, &uso) != hijo) return {};
    const auto fin = std::chrono::steady_clock::now();
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) return {};
    return {std::chrono::duration<double>(fin - inicio).count(), uso.ru_maxrss / 1024.0};
}

double Mediana(std::vector<double> v) {
    if (v.empty()) return -1.0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

std::string Numero(double v) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.6f", v);
    return texto;
}

CExtensionMapa Ampliada() {
    const double x0 = kOrigenX + 0.43 * kAnchoCapa, y0 = kOrigenY + 0.41 * kAltoCapa;
    return CExtensionMapa(x0, y0, x0 + kAnchoAmpliada, y0 + kAltoAmpliada);
}

// The theme loaded as the command line loads it, showing the whole layer or
// the zoomed window, fitted to the picture.
struct Vista {
    CProyectoVaq proyecto;
    Vista(const std::string& datos, const std::string& tema, bool ampliada) {
        proyecto.NuevoProyecto("Banco");
        proyecto.SetRutaDatosAplicacion(wxString::FromUTF8(datos.c_str()));
        proyecto.AbrirProyecto(nullptr, wxString::FromUTF8(tema.c_str()));
        CGestorVistaMapa& gestor = *proyecto.GetGestorVistaMapa();
        gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, kAncho, kAlto));
        gestor.ReCalcularExtGlobal();
        if (ampliada) gestor.Zoom(Ampliada());
        else gestor.ZoomExtensionTotal();
    }
    CGestorVistaMapa& Gestor() { return *proyecto.GetGestorVistaMapa(); }
};

struct Fila {
    int factor;
    bool ampliada;
    double vaq, map2img, map2imgIndice;
    double vaqPrimera;  // the first run, which builds the layer's index and keeps it
    double rssVaq, rssMap2img, rssMap2imgIndice;
};

Fila Comparar(const std::string& d, int factor, bool ampliada) {
    const std::string k = std::to_string(factor) + "x";
    const CExtensionMapa e = Vista(d, "MapasVel/Capa" + k + ".vel", ampliada).Gestor().ReadaptarExtensionActual();
    const std::string x1 = Numero(e.GetCoordenadaInfIzqX()), y1 = Numero(e.GetCoordenadaInfIzqY());
    const std::string x2 = Numero(e.GetCoordenadaSupDerX()), y2 = Numero(e.GetCoordenadaSupDerY());
    std::vector<std::string> vaq = {VAQ_EXECUTABLE, "--datos", d, "--mapa", "MapasVel/Capa" + k + ".vel",
                                    "--salida", d + "/vaq.png"};
    if (ampliada) vaq.insert(vaq.end(), {"--extension", x1 + "," + y1 + "," + x2 + "," + y2});
    const auto map2img = [&](const std::string& mapa) {
        return std::vector<std::string>{"map2img", "-m", d + "/" + mapa, "-o", d + "/map2img.png",
                                        "-e", x1, y1, x2, y2};
    };
    const std::vector<std::vector<std::string>> ordenes = {vaq, map2img("capa" + k + ".map"),
                                                          map2img("capa" + k + "q.map")};
    std::vector<double> tiempos[3], memorias[3];
    // The page cache warmed for each; vaq's first run also builds and keeps
    // the layer's index, which the timed runs read back.
    const double vaqPrimera = Ejecutar(ordenes[0]).segundos;
    for (std::size_t p = 1; p < ordenes.size(); ++p) Ejecutar(ordenes[p]);
    for (int r = 0; r < kRepeticiones; ++r)
        for (int p = 0; p < 3; ++p) {
            const Medida m = Ejecutar(ordenes[p]);
            if (m.segundos < 0) continue;
            tiempos[p].push_back(m.segundos);
            memorias[p].push_back(m.megas);
        }
    return {factor, ampliada, Mediana(tiempos[0]), Mediana(tiempos[1]), Mediana(tiempos[2]), vaqPrimera,
            Mediana(memorias[0]), Mediana(memorias[1]), Mediana(memorias[2])};
}

double Milisegundos(std::chrono::steady_clock::time_point desde) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - desde).count();
}

// Inside one process: the zoomed view of the 4x layer painted once as the
// command line paints it (the index built), then panned by 50 pixels 20
// times, each repaint timed.
void PanEnProceso(const std::string& d) {
    Vista vista(d, "MapasVel/Capa4x.vel", true);
    CGestorVistaMapa& gestor = vista.Gestor();
    wxBitmap mapa(kAncho, kAlto, 24);
    wxMemoryDC dc(mapa);
    CRenderLineaComandos::Opciones opciones;
    opciones.tamano = wxSize(kAncho, kAlto);
    opciones.tieneExtension = true;
    opciones.extension = Ampliada();
    auto inicio = std::chrono::steady_clock::now();
    CRenderLineaComandos::PintarMapa(gestor, opciones, dc);
    const double primera = Milisegundos(inicio);
    const wxRect area(0, 0, kAncho, kAlto);
    std::vector<double> repintados;
    for (int i = 0; i < 20; ++i) {
        // Right for ten pans, then back.
        const int dx = i < 10 ? 50 : -50;
        gestor.Desplazar(gestor.PixelToMapa(wxPoint(400, 300)), gestor.PixelToMapa(wxPoint(400 - dx, 300)));
        inicio = std::chrono::steady_clock::now();
        gestor.Pintar(&dc, area, false);
        repintados.push_back(Milisegundos(inicio));
    }
    const CExtensionMapa e = gestor.ReadaptarExtensionActual();
    const double mediana = Mediana(repintados);
    std::printf("\nIn process, zoomed view (%.0f x %.0f m) of the 4x layer: first paint (index built)\n"
                "%.1f ms; pan of 50 pixels, median of 20 repaints: %.2f ms (target under 20 ms: ratio %.2f)\n",
                e.GetAncho(), e.GetAlto(), primera, mediana, mediana / 20.0);
}

// Building the index alone, in process, for each size (the file in the
// page cache): what the first zoomed view of a session pays once.
void ConstruccionIndice(const std::string& d, const int* factores, int numero) {
    std::printf("\nIndex build in process (median of 3), the layer already open:\n");
    for (int f = 0; f < numero; ++f) {
        const std::string base = d + "/capas/celdas" + std::to_string(factores[f]) + "x";
        std::vector<double> tiempos;
        for (int r = 0; r < 3; ++r) {
            CShape shape(base.c_str());
            std::vector<unsigned int> registros;
            const auto inicio = std::chrono::steady_clock::now();
            shape.RegistrosEn(CRectangulo(0, 0, 1, 1), registros);
            tiempos.push_back(Milisegundos(inicio));
        }
        std::printf("%dx: %.1f ms\n", factores[f], Mediana(tiempos));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!IniciarWx(argc, argv)) return 1;
    SetModoSilencioso(true);
    const std::string d = (fs::temp_directory_path() / ("vaq_vistabench_" + std::to_string(getpid()))).string();
    // The viewer keeps layers' indices in the user's cache folder: here, a
    // folder of this run's, removed with it.
    setenv("XDG_CACHE_HOME", (d + "/cache").c_str(), 1);
    fs::create_directories(d + "/capas");
    fs::create_directories(d + "/indexadas");
    fs::create_directories(d + "/MapasVel");
    std::ofstream(d + "/datos.mmm") << "";
    const int factores[] = {1, 2, 4};
    for (const int factor : factores) {
        const std::string k = std::to_string(factor) + "x";
        const int columnas = static_cast<int>(std::lround(kColumnas1x * std::sqrt(factor)));
        const int filas = static_cast<int>(std::lround(kFilas1x * std::sqrt(factor)));
        std::printf("Writing the %s layer: %d polygons of %d vertices...\n", k.c_str(), columnas * filas, kVertices);
        std::fflush(stdout);
        EscribirCapa(d + "/capas/celdas" + k, columnas, filas);
        EscribirTema(d + "/MapasVel/Capa" + k + ".vel", "celdas" + k + ".shp");
        EscribirMapfile(d + "/capa" + k + ".map", d + "/capas/celdas" + k);
        // The indexed copy: the same files (hard links) beside shptree's .qix.
        for (const char* ext : {".shp", ".shx", ".dbf"})
            fs::create_hard_link(d + "/capas/celdas" + k + ext, d + "/indexadas/celdas" + k + ext);
        const std::string indexada = d + "/indexadas/celdas" + k;
        if (Ejecutar({"shptree", indexada + ".shp"}).segundos < 0) std::printf("shptree failed\n");
        EscribirMapfile(d + "/capa" + k + "q.map", indexada);
    }

    // VAQ_BENCH_EN_PROCESO=1: only the measures inside this process.
    if (std::getenv("VAQ_BENCH_EN_PROCESO")) {
        ConstruccionIndice(d, factores, 3);
        PanEnProceso(d);
        std::error_code error;
        fs::remove_all(d, error);
        wxEntryCleanup();
        return 0;
    }
    std::printf("\nWhole processes, %d x %d PNG, median of %d alternating runs; peak RSS in MB\n", kAncho, kAlto, kRepeticiones);
    std::printf("vaq s: the layer's index kept by a first run (vaq 1st s, which builds it)\n");
    std::printf("%-17s %8s %8s %8s %8s %9s %9s | %7s %7s %7s\n", "case", "vaq 1st s", "vaq s", "m2i s",
                "m2i+q s", "vaq/m2i", "vaq/m2iq", "vaq MB", "m2i MB", "m2iq MB");
    // The floor: the same processes on a layer of one polygon, zoomed.
    {
        EscribirCapa(d + "/capas/celdas0x", 1, 1);
        EscribirTema(d + "/MapasVel/Capa0x.vel", "celdas0x.shp");
        EscribirMapfile(d + "/capa0x.map", d + "/capas/celdas0x");
        EscribirMapfile(d + "/capa0xq.map", d + "/capas/celdas0x");
        const Fila f = Comparar(d, 0, true);
        std::printf("floor, 1 polygon %8.3f %8.3f %8.3f %8.3f %9s %9s | %7.1f %7.1f %7.1f\n", f.vaqPrimera, f.vaq,
                    f.map2img, f.map2imgIndice, "-", "-", f.rssVaq, f.rssMap2img, f.rssMap2imgIndice);
    }
    std::vector<Fila> filas;
    for (const bool ampliada : {true, false})
        for (const int factor : factores) {
            const Fila f = Comparar(d, factor, ampliada);
            filas.push_back(f);
            std::printf("%dx %-14s %8.3f %8.3f %8.3f %8.3f %9.2f %9.2f | %7.1f %7.1f %7.1f\n", f.factor,
                        ampliada ? "zoomed" : "whole", f.vaqPrimera, f.vaq, f.map2img, f.map2imgIndice,
                        f.vaq / f.map2img, f.vaq / f.map2imgIndice, f.rssVaq, f.rssMap2img,
                        f.rssMap2imgIndice);
            std::fflush(stdout);
        }
    std::printf("\nTargets: zoomed vaq/m2iq <= 0.5 at every size; zoomed 4x/1x <= 1.3; zoomed vaq\n"
                "peak RSS < 80 MB; whole vaq/m2i <= 0.45.\n");
    std::printf("zoomed vaq 4x/1x: %.2f; 2x/1x: %.2f\n", filas[2].vaq / filas[0].vaq, filas[1].vaq / filas[0].vaq);

    ConstruccionIndice(d, factores, 3);
    PanEnProceso(d);

    std::error_code error;
    if (!std::getenv("VAQ_BENCH_KEEP")) fs::remove_all(d, error);
    else std::printf("Data kept in %s\n", d.c_str());
    wxEntryCleanup();
    return 0;
}
