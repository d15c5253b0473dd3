#include "CFichero.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <vector>

#ifndef O_LARGEFILE
#define O_LARGEFILE 0
#endif

namespace {
int FlagsDe(CFichero::Modo modo) {
    switch (modo) {
    case CFichero::SoloEscritura: return O_WRONLY;
    case CFichero::LecturaEscritura: return O_RDWR;
    default: return O_RDONLY;
    }
}

int ProteccionDe(CFichero::Modo modo) {
    switch (modo) {
    case CFichero::SoloEscritura: return PROT_WRITE;
    case CFichero::LecturaEscritura: return PROT_READ | PROT_WRITE;
    default: return PROT_READ;
    }
}
}  // namespace

CFichero::CFichero()
    : descriptor(-1), abierto(false), mapeado(false), vista(nullptr),
      baseMapa(nullptr), modo(SoloLectura), longitudMapa(0), temporal(false) {}

CFichero::~CFichero() {
    Cierra();
}

void* CFichero::MapaFallido() {
    return MAP_FAILED;
}

bool CFichero::Abre(char const* ruta, Modo modoAcceso) {
    Cierra();
    errorApertura = 0;
    if (ruta == nullptr) return false;
    nombre = ruta;
    temporal = false;
    modo = modoAcceso;
    // Without O_NONBLOCK a FIFO (or a device) named like a data file would
    // block here for good; only regular files are data.
    descriptor = ::open(ruta, FlagsDe(modoAcceso) | O_LARGEFILE | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        errorApertura = errno;
        return false;
    }
    struct stat estado;
    if (::fstat(descriptor, &estado) != 0 || !S_ISREG(estado.st_mode)) {
        errorApertura = kNoEsArchivoRegular;
        ::close(descriptor);
        descriptor = -1;
        return false;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    abierto = true;
    return true;
}

unsigned int CFichero::Lee(void* buffer, unsigned int longitud, long long posicion) {
    if (!abierto || modo == SoloEscritura || buffer == nullptr) return 0;
    if (posicion != -1 && ::lseek(descriptor, posicion, SEEK_SET) < 0) return 0;
    unsigned int leidos = 0;
    char* destino = static_cast<char*>(buffer);
    while (leidos < longitud) {
        const ssize_t n = ::read(descriptor, destino + leidos, longitud - leidos);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        leidos += static_cast<unsigned int>(n);
    }
    return leidos;
}

unsigned int CFichero::Escribe(void const* buffer, unsigned int longitud, long long posicion) {
    if (!abierto || modo == SoloLectura || buffer == nullptr) return 0;
    if (posicion != -1 && ::lseek(descriptor, posicion, SEEK_SET) < 0) return 0;
    unsigned int escritos = 0;
    const char* origen = static_cast<const char*>(buffer);
    while (escritos < longitud) {
        const ssize_t n = ::write(descriptor, origen + escritos, longitud - escritos);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        escritos += static_cast<unsigned int>(n);
    }
    return escritos;
}

std::uint64_t CFichero::Tamano() const {
    if (!abierto) return 0;
    struct stat estado;
    if (::fstat(descriptor, &estado) != 0 || estado.st_size < 0) return 0;
    return static_cast<std::uint64_t>(estado.st_size);
}

long long CFichero::MuevePuntero(long long desplazamiento, Direccion desde) {
    if (!abierto) return 0;
    const int origen = desde == DesdeActual ? SEEK_CUR : desde == DesdeFinal ? SEEK_END : SEEK_SET;
    const off_t posicion = ::lseek(descriptor, desplazamiento, origen);
    return posicion < 0 ? 0 : static_cast<long long>(posicion);
}

#ifndef VAQ_MAPAS_EXACTOS
void* CFichero::Map(std::uint64_t posicion, std::uint64_t longitud) {
    if (!abierto) return nullptr;
    if (posicion != 0 && longitud == 0) return nullptr;
    Unmap();
    if (longitud == 0) longitud = Tamano();
    const std::uint64_t pagina = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    const std::uint64_t inicio = posicion - posicion % pagina;
    const std::uint64_t total = longitud + (posicion - inicio);
    // Pages are read when first touched: mapping costs the same for any
    // size of file (see Precarga for a pass over all of it).
    void* base = total == 0 ? MAP_FAILED
                            : ::mmap(nullptr, total, ProteccionDe(modo), MAP_SHARED, descriptor,
                                     static_cast<off_t>(inicio));
    if (base == MAP_FAILED) {
        vista = MAP_FAILED;
        return vista;
    }
    baseMapa = base;
    longitudMapa = total;
    mapeado = true;
    vista = static_cast<char*>(base) + (posicion - inicio);
    return vista;
}
#else
// Fuzzing build: a "mapping" is a copy of exactly the bytes asked for, on
// the heap, so that the address sanitizer reports a read even one byte past
// the end of the file (a real mapping runs on to the end of its page).
// Read-only: what is written to it stays in the copy.
void* CFichero::Map(std::uint64_t posicion, std::uint64_t longitud) {
    if (!abierto) return nullptr;
    if (posicion != 0 && longitud == 0) return nullptr;
    Unmap();
    const std::uint64_t tamano = Tamano();
    if (longitud == 0) longitud = tamano;
    if (longitud == 0 || posicion + longitud > tamano || longitud > 0xFFFFFFFFull) {
        vista = MAP_FAILED;
        return vista;
    }
    auto* copia = new unsigned char[longitud];
    if (Lee(copia, static_cast<unsigned int>(longitud), static_cast<long long>(posicion)) != longitud) {
        delete[] copia;
        vista = MAP_FAILED;
        return vista;
    }
    baseMapa = copia;
    longitudMapa = longitud;
    mapeado = true;
    vista = copia;
    return vista;
}
#endif

void* CFichero::Map() {
    return Map(0, 0);
}

bool CFichero::Unmap() {
    bool bien = true;
#ifndef VAQ_MAPAS_EXACTOS
    if (mapeado) bien = ::munmap(baseMapa, longitudMapa) == 0;
#else
    if (mapeado) delete[] static_cast<unsigned char*>(baseMapa);
#endif
    mapeado = false;
    baseMapa = nullptr;
    vista = nullptr;
    longitudMapa = 0;
    return bien;
}

bool CFichero::Precarga(std::uint64_t longitud) const {
    if (!mapeado) return false;
#if defined(MADV_POPULATE_READ) && !defined(VAQ_MAPAS_EXACTOS)
    if (modo == SoloEscritura) return false;
    const std::uint64_t hasta = std::min(longitud, longitudMapa);
    return hasta == 0 || ::madvise(baseMapa, hasta, MADV_POPULATE_READ) == 0;
#else
    (void)longitud;
    return false;
#endif
}

bool CFichero::Suelta(std::uint64_t desde, std::uint64_t hasta) const {
    if (!mapeado) return false;
#ifndef VAQ_MAPAS_EXACTOS
    const std::uint64_t pagina = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    const std::uint64_t inicio = (desde + pagina - 1) / pagina * pagina;
    const std::uint64_t fin = std::min(hasta, longitudMapa) / pagina * pagina;
    if (inicio >= fin) return true;
    return ::madvise(static_cast<char*>(baseMapa) + inicio, fin - inicio, MADV_DONTNEED) == 0;
#else
    (void)desde;
    (void)hasta;
    return true;
#endif
}

bool CFichero::CierraDescriptor() {
    if (descriptor < 0) return true;
    const bool bien = ::close(descriptor) == 0;
    descriptor = -1;
    abierto = false;
    return bien;
}

bool CFichero::Cierra() {
    bool bien = Unmap();
    if (descriptor >= 0) bien = ::close(descriptor) == 0 && bien;
    if (temporal && !nombre.empty()) ::unlink(nombre.c_str());
    descriptor = -1;
    abierto = false;
    temporal = false;
    return bien;
}

bool CFichero::Dimensiona(std::uint64_t tamano) {
    if (tamano == 0) return true;
    const char cero = 0;
    if (Escribe(&cero, 1, static_cast<long long>(tamano - 1)) != 1) return false;
    return static_cast<std::uint64_t>(MuevePuntero(0, DesdeActual)) == tamano;
}

bool CFichero::Crea(char const* ruta, std::uint64_t tamano) {
    Cierra();
    if (ruta == nullptr) return false;
    nombre = ruta;
    modo = LecturaEscritura;
    descriptor = ::open(ruta, O_RDWR | O_CREAT | O_TRUNC | O_LARGEFILE | O_CLOEXEC, 0640);
    abierto = descriptor >= 0;
    if (abierto && !Dimensiona(tamano)) {
        Cierra();
        return false;
    }
    return abierto;
}

bool CFichero::CreaTemporal(char const* prefijo, std::uint64_t tamano) {
    Cierra();
    if (prefijo == nullptr) return false;
    std::string plantilla = std::string(prefijo) + "XXXXXX";
    std::vector<char> ruta(plantilla.begin(), plantilla.end());
    ruta.push_back('\0');
    descriptor = ::mkostemp(ruta.data(), O_CLOEXEC);
    if (descriptor < 0) return false;
    nombre = ruta.data();
    modo = LecturaEscritura;
    abierto = true;
    temporal = true;
    if (!Dimensiona(tamano)) {
        Cierra();
        return false;
    }
    return true;
}
