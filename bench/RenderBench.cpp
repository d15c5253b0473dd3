// Rendering a large shapefile layer: the viewer's command-line render against
// MapServer's map2img on the same shapefile, extent and picture size (whole
// processes, alternating, median of several runs), and the paint loop alone
// inside the process (CGestorVistaMapa::Pintar into a wxMemoryDC).
//
// The layer: 100,000 polygons of 100 vertices each (10 million vertices) on a
// 400 x 250 grid, with an integer field CLASE of 10 values. Four cases: the
// layer's own symbol and a value classification on CLASE, each at the whole
// extent and zoomed in on a 1/8-wide window.
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

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
#include <memory>
#include <string>
#include <vector>

#include "CapaPoligonosBench.h"
#include "CGestorVistaMapa.h"
#include "CMensajes.h"
#include "CProyectoVaq.h"
#include "CRenderLineaComandos.h"
#include "IniciarWx.h"

namespace fs = std::filesystem;

namespace {

constexpr int kColumnas = 400;
constexpr int kFilas = 250;
constexpr int kVertices = 100;  // per ring, the closing one included
constexpr double kCelda = 1250.0;
constexpr double kOrigenX = 100000.0;
constexpr double kOrigenY = 3900000.0;
constexpr int kClases = 10;
constexpr int kAncho = 790;
constexpr int kAlto = 584;
constexpr int kRepeticiones = 5;

// Fill and outline colours of the own symbol and of each class (r, g, b).
constexpr int kRelleno[3] = {200, 180, 120};
constexpr int kBorde[3] = {60, 60, 60};

int ColorClase(int clase, int componente) { return (clase * 37 + componente * 91) % 256; }
long long ColorTema(int r, int g, int b) { return r + 256LL * g + 65536LL * b; }

// base.shp, base.shx and base.dbf: the grid's polygons, CLASE spread over the classes.
void EscribirShapefile(const std::string& base) {
    const CapaPoligonosBench capa{kOrigenX, kOrigenY, kColumnas * kCelda, kFilas * kCelda,
                                  kColumnas, kFilas, kVertices, kCelda, 0.35, 0.1};
    EscribirCapaPoligonos(base, capa, [](int i) { return (i * 7) % kClases; });
}

std::string Simbologia(long long borde, long long relleno) {
    return "<SIMBOLOGIA tipo=\"0\" estilo=\"100\" grado_trans=\"0\" color_borde=\"" +
           std::to_string(borde) + "\" color_relleno=\"" + std::to_string(relleno) +
           "\" relleno=\"1\" tamanno=\"1\"/>";
}

void EscribirTema(const std::string& ruta, bool clasificado) {
    std::ofstream f(ruta);
    f << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
      << "<PROYECTO_VELMOR version=\"1.0.0\" nombre=\"Banco\">\n<CAPAS>\n"
      << "<CAPA nombre=\"Celdas\" archivo=\"celdas.shp\" ruta=\"/capas/\" tipo=\"SHP\" geometria=\"5\">\n"
      << "<VISUALIZACION estado=\"1\" escala_min=\"0\" escala_max=\"99999999\"/>\n"
      << Simbologia(ColorTema(kBorde[0], kBorde[1], kBorde[2]),
                    ColorTema(kRelleno[0], kRelleno[1], kRelleno[2]))
      << "\n";
    if (clasificado) {
        // Value classifications take color_borde as the fill colour.
        f << "<CLASIFICACION tipo=\"VALOR\"><CAMPO campo=\"CLASE\" descripcion=\"Clases\">\n"
          << Simbologia(ColorTema(kRelleno[0], kRelleno[1], kRelleno[2]),
                        ColorTema(kBorde[0], kBorde[1], kBorde[2]))
          << "\n<VALORES>\n";
        for (int c = 0; c < kClases; ++c)
            f << "<VALOR valor=\"" << c << "\" descripcion=\"Clase " << c << "\">"
              << Simbologia(ColorTema(ColorClase(c, 0), ColorClase(c, 1), ColorClase(c, 2)),
                            ColorTema(kBorde[0], kBorde[1], kBorde[2]))
              << "</VALOR>\n";
        f << "</VALORES></CAMPO></CLASIFICACION>\n";
    }
    f << "</CAPA>\n</CAPAS>\n</PROYECTO_VELMOR>\n";
}

std::string Color(int r, int g, int b) {
    return std::to_string(r) + " " + std::to_string(g) + " " + std::to_string(b);
}

void EscribirMapfile(const std::string& ruta, const std::string& shapefile, bool clasificado) {
    std::ofstream f(ruta);
    f << "MAP\n  SIZE " << kAncho << " " << kAlto << "\n  IMAGECOLOR 15 61 0\n"
      << "  EXTENT " << kOrigenX << " " << kOrigenY << " " << kOrigenX + kColumnas * kCelda << " "
      << kOrigenY + kFilas * kCelda << "\n"
      << "  OUTPUTFORMAT\n    NAME \"png\"\n    DRIVER AGG/PNG\n    MIMETYPE \"image/png\"\n"
      << "    IMAGEMODE RGB\n    EXTENSION \"png\"\n  END\n  IMAGETYPE \"png\"\n"
      << "  LAYER\n    NAME \"celdas\"\n    TYPE POLYGON\n    STATUS DEFAULT\n"
      << "    DATA \"" << shapefile << "\"\n";
    auto clase = [&](const std::string& expresion, const std::string& relleno) {
        f << "    CLASS\n" << expresion << "      STYLE\n        COLOR " << relleno
          << "\n        OUTLINECOLOR " << Color(kBorde[0], kBorde[1], kBorde[2])
          << "\n        WIDTH 1\n      END\n    END\n";
    };
    if (clasificado) {
        f << "    CLASSITEM \"CLASE\"\n";
        for (int c = 0; c < kClases; ++c)
            clase("      EXPRESSION \"" + std::to_string(c) + "\"\n",
                  Color(ColorClase(c, 0), ColorClase(c, 1), ColorClase(c, 2)));
    } else {
        clase("", Color(kRelleno[0], kRelleno[1], kRelleno[2]));
    }
    f << "  END\nEND\n";
}

struct Caso {
    std::string nombre;
    bool clasificado;
    bool ampliado;
};

struct Datos {
    std::string directorio;
    CExtensionMapa ampliada;
};

Datos* g_datos = nullptr;

std::string Entre(const std::string& texto) { return "'" + texto + "'"; }

std::string Numero(double v) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.6f", v);
    return texto;
}

// Seconds taken by the command as a whole process; -1 when it failed.
double Cronometrar(const std::string& orden) {
    const auto inicio = std::chrono::steady_clock::now();
    const int estado = std::system(orden.c_str());
    const auto fin = std::chrono::steady_clock::now();
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) return -1.0;
    return std::chrono::duration<double>(fin - inicio).count();
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

// The extent our render shows at the whole map: the global extent fitted to
// the picture's aspect, so that map2img is given exactly the same one.
CExtensionMapa ExtensionVista(const std::string& datos, bool ampliado) {
    CProyectoVaq proyecto;
    proyecto.NuevoProyecto("Banco");
    proyecto.SetRutaDatosAplicacion(wxString::FromUTF8(datos.c_str()));
    proyecto.AbrirProyecto(nullptr, "MapasVel/Propio.vel");
    CGestorVistaMapa& gestor = *proyecto.GetGestorVistaMapa();
    gestor.SetDimensionAreaVisualizacion(wxRect(0, 0, kAncho, kAlto));
    gestor.ReCalcularExtGlobal();
    if (ampliado) gestor.Zoom(g_datos->ampliada);
    else gestor.ZoomExtensionTotal();
    return gestor.ReadaptarExtensionActual();
}

void CompararConMap2img(const std::vector<Caso>& casos) {
    const std::string& d = g_datos->directorio;
    const bool hayMap2img = std::system("command -v map2img > /dev/null 2>&1") == 0;
    std::printf("\nWhole processes, %d x %d PNG, median of %d alternating runs each\n", kAncho,
                kAlto, kRepeticiones);
    std::printf("%-22s %12s %12s %10s\n", "case", "vaq (s)", "map2img (s)", "vaq/map2img");
    for (const Caso& caso : casos) {
        const std::string tema = caso.clasificado ? "MapasVel/Clasificado.vel" : "MapasVel/Propio.vel";
        const CExtensionMapa e = ExtensionVista(d, caso.ampliado);
        const std::string extension = Numero(e.GetCoordenadaInfIzqX()) + "," +
                                      Numero(e.GetCoordenadaInfIzqY()) + "," +
                                      Numero(e.GetCoordenadaSupDerX()) + "," +
                                      Numero(e.GetCoordenadaSupDerY());
        std::string nuestra = Entre(VAQ_EXECUTABLE) + " --datos " + Entre(d) + " --mapa " + tema +
                              " --salida " + Entre(d + "/vaq_" + caso.nombre + ".png");
        if (caso.ampliado) nuestra += " --extension " + extension;
        nuestra += " > /dev/null 2>&1";
        const std::string mapfile = d + (caso.clasificado ? "/clasificado.map" : "/propio.map");
        const std::string suya = "map2img -m " + Entre(mapfile) + " -o " +
                                 Entre(d + "/map2img_" + caso.nombre + ".png") + " -e " +
                                 Numero(e.GetCoordenadaInfIzqX()) + " " +
                                 Numero(e.GetCoordenadaInfIzqY()) + " " +
                                 Numero(e.GetCoordenadaSupDerX()) + " " +
                                 Numero(e.GetCoordenadaSupDerY()) + " > /dev/null 2>&1";
        std::vector<double> nuestros, suyos, cocientes;
        Cronometrar(nuestra);  // warm the page cache for both
        if (hayMap2img) Cronometrar(suya);
        for (int i = 0; i < kRepeticiones; ++i) {
            const double a = Cronometrar(nuestra);
            const double b = hayMap2img ? Cronometrar(suya) : -1.0;
            if (a > 0) nuestros.push_back(a);
            if (b > 0) suyos.push_back(b);
            if (a > 0 && b > 0) cocientes.push_back(a / b);
        }
        if (nuestros.empty()) {
            std::printf("%-22s the viewer's render failed\n", caso.nombre.c_str());
            continue;
        }
        if (cocientes.empty()) {
            std::printf("%-22s %12.3f %12s %10s\n", caso.nombre.c_str(), Mediana(nuestros),
                        hayMap2img ? "failed" : "missing", "-");
            continue;
        }
        std::printf("%-22s %12.3f %12.3f %10.2f\n", caso.nombre.c_str(), Mediana(nuestros),
                    Mediana(suyos), Mediana(cocientes));
    }
    std::printf("\n");
    std::fflush(stdout);
}

// The paint loop alone: the theme loaded once, painted again and again.
void PintarSolo(benchmark::State& estado, bool clasificado, bool ampliado) {
    CProyectoVaq proyecto;
    proyecto.NuevoProyecto("Banco");
    proyecto.SetRutaDatosAplicacion(wxString::FromUTF8(g_datos->directorio.c_str()));
    if (!proyecto.AbrirProyecto(nullptr, clasificado ? "MapasVel/Clasificado.vel"
                                                     : "MapasVel/Propio.vel")) {
        estado.SkipWithError("theme not loaded");
        return;
    }
    CGestorVistaMapa& gestor = *proyecto.GetGestorVistaMapa();
    CRenderLineaComandos::Opciones opciones;
    opciones.tieneExtension = ampliado;
    opciones.extension = g_datos->ampliada;
    wxBitmap mapa(kAncho, kAlto, 24);
    wxMemoryDC dc(mapa);
    CRenderLineaComandos::PintarMapa(gestor, opciones, dc);  // sets the view up
    const wxRect area(0, 0, kAncho, kAlto);
    for (auto _ : estado) gestor.Pintar(&dc, area, false);
}

}  // namespace

int main(int argc, char** argv) {
    if (!IniciarWx(argc, argv)) return 1;
    SetModoSilencioso(true);

    Datos datos;
    datos.directorio = (fs::temp_directory_path() / ("vaq_renderbench_" + std::to_string(getpid()))).string();
    // Layer indices the viewer keeps go to a cache folder of this run's, removed with it.
    setenv("XDG_CACHE_HOME", (datos.directorio + "/cache").c_str(), 1);
    const double x0 = kOrigenX + kColumnas * kCelda * 7 / 16;
    const double y0 = kOrigenY + kFilas * kCelda * 7 / 16;
    datos.ampliada.SetCoordenadasInfIzq(x0, y0);
    datos.ampliada.SetCoordenadasSupDer(x0 + kColumnas * kCelda / 8, y0 + kFilas * kCelda / 8);
    g_datos = &datos;

    fs::create_directories(datos.directorio + "/capas");
    fs::create_directories(datos.directorio + "/MapasVel");
    std::ofstream(datos.directorio + "/datos.mmm") << "";
    std::printf("Writing %d polygons of %d vertices (%d vertices)...\n", kColumnas * kFilas,
                kVertices, kColumnas * kFilas * kVertices);
    std::fflush(stdout);
    EscribirShapefile(datos.directorio + "/capas/celdas");
    EscribirTema(datos.directorio + "/MapasVel/Propio.vel", false);
    EscribirTema(datos.directorio + "/MapasVel/Clasificado.vel", true);
    EscribirMapfile(datos.directorio + "/propio.map", datos.directorio + "/capas/celdas", false);
    EscribirMapfile(datos.directorio + "/clasificado.map", datos.directorio + "/capas/celdas", true);

    const std::vector<Caso> casos = {{"own symbol, whole", false, false},
                                     {"own symbol, zoomed", false, true},
                                     {"classified, whole", true, false},
                                     {"classified, zoomed", true, true}};
    CompararConMap2img(casos);

    for (const Caso& caso : casos)
        benchmark::RegisterBenchmark(("Pintar/" + caso.nombre).c_str(), PintarSolo,
                                     caso.clasificado, caso.ampliado)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::error_code error;
    if (!std::getenv("VAQ_BENCH_KEEP")) fs::remove_all(datos.directorio, error);
    else std::printf("Data kept in %s\n", datos.directorio.c_str());
    wxEntryCleanup();
    return 0;
}
