// Reading speed of the shapefile and dBASE readers.
//
// Generates a polygon shapefile of 10 million points with its table, then
// measures in one run: opening it and scanning every point, reading one text
// and one integer field of every row, the same through shapelib (when built
// with it), and a plain loop summing the mapped file's doubles. Prints the
// ratios: reader throughput over shapelib's, and point scan over plain loop.
// Every measured iteration opens the files anew (mapping included).
#include "CDbf.h"
#include "CFichero.h"
#include "CShape.h"

#include <benchmark/benchmark.h>
#ifdef VAQ_HAVE_SHAPELIB
#include <shapefil.h>
#endif

#include <cmath>
#include <fcntl.h>
#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {
const unsigned int kRegistros = 100000;
const unsigned int kPuntosPorParte = 50;  // two rings of 50 points per record
const unsigned int kPartes = 2;
const std::uint64_t kPuntos = std::uint64_t(kRegistros) * kPuntosPorParte * kPartes;

std::string gBase;

// ---- Generation of the data set (a streaming writer of the format) ----

void BE32(std::ostream& o, std::uint32_t v) {
    const unsigned char b[4] = {static_cast<unsigned char>(v >> 24), static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)};
    o.write(reinterpret_cast<const char*>(b), 4);
}

template <typename T>
void LE(std::ostream& o, T v) {
    o.write(reinterpret_cast<const char*>(&v), sizeof v);
}

void Cabecera(std::ostream& o, std::uint64_t bytes, double xmax, double ymax) {
    BE32(o, 9994);
    for (int i = 0; i < 5; ++i) BE32(o, 0);
    BE32(o, static_cast<std::uint32_t>(bytes / 2));
    LE<std::int32_t>(o, 1000);
    LE<std::int32_t>(o, 5);
    for (double d : {0.0, 0.0, xmax, ymax, 0.0, 0.0, 0.0, 0.0}) LE(o, d);
}

void GeneraDatos(const std::string& base) {
    const std::uint32_t contenido = 44 + 4 * kPartes + 16 * kPuntosPorParte * kPartes;
    const std::uint64_t tamanoShp = 100 + std::uint64_t(kRegistros) * (8 + contenido);
    const std::uint64_t tamanoShx = 100 + std::uint64_t(kRegistros) * 8;
    const double lado = 1000.0;
    std::ofstream shp(base + ".shp", std::ios::binary);
    std::ofstream shx(base + ".shx", std::ios::binary);
    Cabecera(shp, tamanoShp, lado * 1000, lado * 100);
    Cabecera(shx, tamanoShx, lado * 1000, lado * 100);
    std::uint64_t posicion = 100;
    for (unsigned int r = 0; r < kRegistros; ++r) {
        BE32(shx, static_cast<std::uint32_t>(posicion / 2));
        BE32(shx, contenido / 2);
        BE32(shp, r + 1);
        BE32(shp, contenido / 2);
        const double x0 = (r % 1000) * lado;
        const double y0 = (r / 1000) * lado;
        LE<std::int32_t>(shp, 5);
        for (double d : {x0, y0, x0 + lado, y0 + lado}) LE(shp, d);
        LE<std::int32_t>(shp, kPartes);
        LE<std::int32_t>(shp, kPuntosPorParte * kPartes);
        for (unsigned int p = 0; p < kPartes; ++p) LE<std::int32_t>(shp, p * kPuntosPorParte);
        for (unsigned int p = 0; p < kPartes; ++p) {
            const double radio = lado * (p == 0 ? 0.45 : 0.2);
            for (unsigned int i = 0; i < kPuntosPorParte; ++i) {
                const double a = (i % (kPuntosPorParte - 1)) * 6.283185307179586 / (kPuntosPorParte - 1);
                LE(shp, x0 + lado / 2 + radio * std::cos(p == 0 ? -a : a));
                LE(shp, y0 + lado / 2 + radio * std::sin(p == 0 ? -a : a));
            }
        }
        posicion += 8 + contenido;
    }

    // Table: NOMBRE C(24), CODIGO N(9), AREA N(14,3).
    std::ofstream dbf(base + ".dbf", std::ios::binary);
    const std::uint16_t longitudRegistro = 1 + 24 + 9 + 14;
    const std::uint16_t longitudCabecera = 32 + 32 * 3 + 1;
    const unsigned char version[4] = {3, 126, 1, 1};
    dbf.write(reinterpret_cast<const char*>(version), 4);
    LE<std::uint32_t>(dbf, kRegistros);
    LE<std::uint16_t>(dbf, longitudCabecera);
    LE<std::uint16_t>(dbf, longitudRegistro);
    dbf << std::string(20, '\0');
    struct Campo { const char* nombre; char tipo; unsigned char ancho, decimales; };
    for (const Campo& c : {Campo{"NOMBRE", 'C', 24, 0}, Campo{"CODIGO", 'N', 9, 0}, Campo{"AREA", 'N', 14, 3}}) {
        char descriptor[32] = {};
        std::strncpy(descriptor, c.nombre, 11);
        descriptor[11] = c.tipo;
        descriptor[16] = static_cast<char>(c.ancho);
        descriptor[17] = static_cast<char>(c.decimales);
        dbf.write(descriptor, 32);
    }
    dbf.put(0x0D);
    char registro[64];
    for (unsigned int r = 0; r < kRegistros; ++r) {
        std::snprintf(registro, sizeof registro, " %-24.24s%9u%14.3f", ("Municipio " + std::to_string(r)).c_str(),
                      r * 7 + 1, r * 1.5);
        dbf.write(registro, longitudRegistro);
    }
    dbf.put(0x1A);
}

// The generator writes in small pieces, which leaves the new files in the
// page cache as many small pages, slow to map. Installed data files enter
// the cache by read-ahead, in large pages: drop the written pages and read
// the files back once, so that both readers start from that state.
void ComoFicheroInstalado(const std::string& ruta) {
    const int fd = ::open(ruta.c_str(), O_RDONLY);
    if (fd < 0) return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    std::vector<char> buffer(1 << 20);
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
    ::close(fd);
}

// ---- The reader of the system ----

// Every point of every record, as the paint path walks them.
double Recorre(const CShape& shape, std::uint64_t& puntos) {
    double suma = 0.0;
    for (unsigned int i = 0; i < shape.NumElementos(); ++i) {
        const unsigned int* registro = shape.BuscaElemento(i);
        if (!registro) continue;
        const unsigned int partes = shape.NumPartes(registro);
        for (unsigned int p = 0; p < partes; ++p) {
            unsigned int n = 0;
            const CPunto* pts = shape.BuscaPuntos(registro, p, &n);
            if (!pts) continue;
            for (unsigned int k = 0; k < n; ++k) suma += pts[k].x + pts[k].y;
            puntos += n;
        }
    }
    return suma;
}

double SumaDobles(const unsigned char* p, std::uint64_t dobles) {
    double suma = 0.0;
    for (std::uint64_t i = 0; i + 1 < dobles; i += 2) {
        double x, y;
        std::memcpy(&x, p + 8 * i, 8);
        std::memcpy(&y, p + 8 * i + 8, 8);
        suma += x + y;
    }
    return suma;
}

void LeePuntosVaq(benchmark::State& estado) {
    for (auto _ : estado) {
        CShape shape(gBase.c_str());
        std::uint64_t puntos = 0;
        benchmark::DoNotOptimize(Recorre(shape, puntos));
        if (puntos != kPuntos) estado.SkipWithError("faltan puntos");
    }
    estado.SetItemsProcessed(estado.iterations() * kPuntos);
}

// A repaint: the layer keeps its reader open, only the walk is repeated.
void RecorrePuntosVaqAbierto(benchmark::State& estado) {
    CShape shape(gBase.c_str());
    for (auto _ : estado) {
        std::uint64_t puntos = 0;
        benchmark::DoNotOptimize(Recorre(shape, puntos));
        if (puntos != kPuntos) estado.SkipWithError("faltan puntos");
    }
    estado.SetItemsProcessed(estado.iterations() * kPuntos);
}

void LeeTablaVaq(benchmark::State& estado) {
    for (auto _ : estado) {
        CDbf tabla((gBase + ".dbf").c_str(), "rb");
        char nombre[25];
        std::uint64_t suma = 0;
        const int filas = tabla.GetRecordCount();
        for (int r = 0; r < filas; ++r) {
            tabla.ReadStringAttribute(r, 0, nombre, sizeof nombre);
            suma += static_cast<unsigned char>(nombre[10]);
            suma += static_cast<std::uint64_t>(tabla.ReadIntegerAttribute(r, 1));
        }
        if (filas != static_cast<int>(kRegistros)) estado.SkipWithError("faltan filas");
        benchmark::DoNotOptimize(suma);
    }
    estado.SetItemsProcessed(estado.iterations() * kRegistros);
}

// ---- The floor: summing the mapped doubles with nothing else ----

void BucleSimple(benchmark::State& estado) {
    for (auto _ : estado) {
        CFichero fichero;
        fichero.Abre((gBase + ".shp").c_str(), CFichero::SoloLectura);
        const unsigned char* mapa = static_cast<const unsigned char*>(fichero.Map());
        const std::uint64_t dobles = (fichero.Tamano() - 100) / 8;
        benchmark::DoNotOptimize(SumaDobles(mapa + 100, dobles));
    }
    estado.SetItemsProcessed(estado.iterations() * kPuntos);
}

void BucleSimpleAbierto(benchmark::State& estado) {
    CFichero fichero;
    fichero.Abre((gBase + ".shp").c_str(), CFichero::SoloLectura);
    const unsigned char* mapa = static_cast<const unsigned char*>(fichero.Map());
    const std::uint64_t dobles = (fichero.Tamano() - 100) / 8;
    for (auto _ : estado) benchmark::DoNotOptimize(SumaDobles(mapa + 100, dobles));
    estado.SetItemsProcessed(estado.iterations() * kPuntos);
}

#ifdef VAQ_HAVE_SHAPELIB
void LeePuntosShapelib(benchmark::State& estado) {
    for (auto _ : estado) {
        SHPHandle shp = SHPOpen(gBase.c_str(), "rb");
        int registros = 0;
        SHPGetInfo(shp, &registros, nullptr, nullptr, nullptr);
        double suma = 0.0;
        std::uint64_t puntos = 0;
        for (int i = 0; i < registros; ++i) {
            SHPObject* objeto = SHPReadObject(shp, i);
            if (!objeto) continue;
            for (int k = 0; k < objeto->nVertices; ++k) suma += objeto->padfX[k] + objeto->padfY[k];
            puntos += static_cast<std::uint64_t>(objeto->nVertices);
            SHPDestroyObject(objeto);
        }
        SHPClose(shp);
        if (puntos != kPuntos) estado.SkipWithError("faltan puntos");
        benchmark::DoNotOptimize(suma);
    }
    estado.SetItemsProcessed(estado.iterations() * kPuntos);
}

void LeeTablaShapelib(benchmark::State& estado) {
    for (auto _ : estado) {
        DBFHandle dbf = DBFOpen((gBase + ".dbf").c_str(), "rb");
        std::uint64_t suma = 0;
        const int filas = DBFGetRecordCount(dbf);
        for (int r = 0; r < filas; ++r) {
            const char* nombre = DBFReadStringAttribute(dbf, r, 0);
            suma += static_cast<unsigned char>(nombre[10]);
            suma += static_cast<std::uint64_t>(DBFReadIntegerAttribute(dbf, r, 1));
        }
        DBFClose(dbf);
        if (filas != static_cast<int>(kRegistros)) estado.SkipWithError("faltan filas");
        benchmark::DoNotOptimize(suma);
    }
    estado.SetItemsProcessed(estado.iterations() * kRegistros);
}
#endif

// Console output plus the time per iteration of every benchmark, for the ratios.
class Registro : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred && run.iterations > 0) {
                segundos[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
                cpu[run.benchmark_name()] = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> segundos;  // real time
    std::map<std::string, double> cpu;       // process time (steadier on a busy machine)
};

void Cociente(const Registro& r, const char* que, const std::string& lento, const std::string& rapido,
              const char* objetivo) {
    const auto a = r.segundos.find(lento);
    const auto b = r.segundos.find(rapido);
    if (a == r.segundos.end() || b == r.segundos.end() || b->second <= 0) return;
    const double cpuLento = r.cpu.at(lento);
    const double cpuRapido = r.cpu.at(rapido);
    std::printf("%-52s %6.2f real, %6.2f cpu  (%s)\n", que, a->second / b->second,
                cpuRapido > 0 ? cpuLento / cpuRapido : 0.0, objetivo);
}
}  // namespace

BENCHMARK(LeePuntosVaq)->Unit(benchmark::kMillisecond);
BENCHMARK(BucleSimple)->Unit(benchmark::kMillisecond);
BENCHMARK(RecorrePuntosVaqAbierto)->Unit(benchmark::kMillisecond);
BENCHMARK(BucleSimpleAbierto)->Unit(benchmark::kMillisecond);
BENCHMARK(LeeTablaVaq)->Unit(benchmark::kMillisecond);
#ifdef VAQ_HAVE_SHAPELIB
BENCHMARK(LeePuntosShapelib)->Unit(benchmark::kMillisecond);
BENCHMARK(LeeTablaShapelib)->Unit(benchmark::kMillisecond);
#endif

int main(int argc, char** argv) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vaq_shape_bench";
    std::filesystem::create_directories(dir);
    gBase = (dir / "poligonos").string();
    GeneraDatos(gBase);
    for (const char* extension : {".shp", ".shx", ".dbf"}) ComoFicheroInstalado(gBase + extension);
    std::printf("Datos: %u registros, %llu puntos, %llu bytes de .shp\n", kRegistros,
                static_cast<unsigned long long>(kPuntos),
                static_cast<unsigned long long>(std::filesystem::file_size(gBase + ".shp")));

    benchmark::Initialize(&argc, argv);
    Registro registro;
    benchmark::RunSpecifiedBenchmarks(&registro);
    benchmark::Shutdown();

    std::printf("\n");
#ifdef VAQ_HAVE_SHAPELIB
    Cociente(registro, "Puntos: velocidad frente a shapelib", "LeePuntosShapelib", "LeePuntosVaq", "objetivo >= 5");
    Cociente(registro, "Tabla (texto + entero): velocidad frente a shapelib", "LeeTablaShapelib", "LeeTablaVaq",
             "objetivo >= 5");
#else
    std::printf("Sin shapelib: no hay comparación (instale libshp-dev)\n");
#endif
    Cociente(registro, "Abrir y recorrer puntos / bucle simple (tiempo)", "LeePuntosVaq", "BucleSimple",
             "objetivo <= 2");
    Cociente(registro, "Recorrer puntos ya abiertos / bucle simple (tiempo)", "RecorrePuntosVaqAbierto",
             "BucleSimpleAbierto", "objetivo <= 2");
    std::filesystem::remove_all(dir);
    return 0;
}
