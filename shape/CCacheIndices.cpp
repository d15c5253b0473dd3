#include "CCacheIndices.h"

#include "CFichero.h"
#include "CIndiceEspacial.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <vector>

namespace {

constexpr char kFirma[8] = {'V', 'A', 'Q', 'I', 'D', 'X', '0', '1'};

// What precedes the nodes in a kept index.
struct Cabecera {
    char firma[8];
    CCacheIndices::Clave clave;
    std::uint64_t numHojas;
    std::uint64_t numNodos;
    std::uint64_t suma;  // of the nodes' bytes
};

using Nodo = CIndiceEspacial::Nodo;
static_assert(sizeof(Nodo) == 20, "nodes are kept as they lie in memory");

std::string& DirectorioActual() {
    static std::string directorio;
    return directorio;
}

// FNV-1a, 64 bits: enough to tell a damaged file from a sound one.
std::uint64_t Suma(const void* datos, std::size_t tamano, std::uint64_t h = 14695981039346656037ull) {
    const auto* b = static_cast<const unsigned char*>(datos);
    for (std::size_t i = 0; i < tamano; ++i) h = (h ^ b[i]) * 1099511628211ull;
    return h;
}

void Identidad(const struct stat& st, std::uint64_t (&destino)[5]) {
    destino[0] = static_cast<std::uint64_t>(st.st_dev);
    destino[1] = static_cast<std::uint64_t>(st.st_ino);
    destino[2] = static_cast<std::uint64_t>(st.st_size);
    destino[3] = static_cast<std::uint64_t>(st.st_mtim.tv_sec);
    destino[4] = static_cast<std::uint64_t>(st.st_mtim.tv_nsec);
}

}  // namespace

void CCacheIndices::SetDirectorio(const std::string& directorio) { DirectorioActual() = directorio; }

const std::string& CCacheIndices::Directorio() { return DirectorioActual(); }

std::string CCacheIndices::DirectorioDeUsuario() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache != nullptr && cache[0] == '/') return std::string(cache) + "/vaq/indices";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return std::string(home) + "/.cache/vaq/indices";
    return {};
}

bool CCacheIndices::ClaveDe(int descriptorShp, int descriptorShx, std::uint64_t numRegistros, Clave& clave) {
    struct stat shp {}, shx {};
    if (::fstat(descriptorShp, &shp) != 0 || ::fstat(descriptorShx, &shx) != 0) return false;
    std::memset(&clave, 0, sizeof clave);
    Identidad(shp, clave.shp);
    Identidad(shx, clave.shx);
    clave.numRegistros = numRegistros;
    return true;
}

std::string CCacheIndices::Ruta(const Clave& clave) {
    if (Directorio().empty()) return {};
    char nombre[32];
    std::snprintf(nombre, sizeof nombre, "%016llx.idx",
                  static_cast<unsigned long long>(Suma(&clave, sizeof clave)));
    return Directorio() + "/" + nombre;
}

std::unique_ptr<CIndiceEspacial> CCacheIndices::Lee(const Clave& clave) {
    const std::string ruta = Ruta(clave);
    if (ruta.empty()) return nullptr;
    CFichero archivo;  // regular files only
    if (!archivo.Abre(ruta.c_str(), CFichero::SoloLectura)) return nullptr;
    Cabecera cabecera;
    if (archivo.Lee(&cabecera, sizeof cabecera) != sizeof cabecera) return nullptr;
    if (std::memcmp(cabecera.firma, kFirma, sizeof kFirma) != 0 ||
        std::memcmp(&cabecera.clave, &clave, sizeof clave) != 0 ||
        cabecera.numHojas > clave.numRegistros ||  // (before any size is computed from it)
        cabecera.numNodos != CIndiceEspacial::NodosPara(cabecera.numHojas) ||
        archivo.Tamano() != sizeof cabecera + cabecera.numNodos * sizeof(Nodo))
        return nullptr;
    // Reads take 32-bit lengths: an index past 4 GB is built anew each time.
    const std::uint64_t bytes = cabecera.numNodos * sizeof(Nodo);
    if (bytes > std::numeric_limits<unsigned int>::max()) return nullptr;
    std::vector<Nodo> nodos(cabecera.numNodos);
    if (archivo.Lee(nodos.data(), static_cast<unsigned int>(bytes)) != bytes ||
        Suma(nodos.data(), bytes) != cabecera.suma)
        return nullptr;
    return CIndiceEspacial::DeNodos(cabecera.numHojas, std::move(nodos),
                                    static_cast<unsigned int>(clave.numRegistros));
}

void CCacheIndices::Escribe(const Clave& clave, const CIndiceEspacial& indice) {
    const std::string ruta = Ruta(clave);
    if (ruta.empty()) return;
    std::error_code error;
    std::filesystem::create_directories(Directorio(), error);
    if (error) return;
    const std::vector<Nodo>& nodos = indice.Nodos();
    const std::uint64_t bytes = nodos.size() * sizeof(Nodo);
    if (bytes > std::numeric_limits<unsigned int>::max()) return;  // (as Lee)
    Cabecera cabecera{};
    std::memcpy(cabecera.firma, kFirma, sizeof kFirma);
    cabecera.clave = clave;
    cabecera.numHojas = indice.NumHojas();
    cabecera.numNodos = nodos.size();
    cabecera.suma = Suma(nodos.data(), bytes);
    // Written under a name of its own, then renamed: a reader never sees half an index.
    std::string temporal = ruta + ".XXXXXX";
    const int creado = ::mkstemp(temporal.data());
    if (creado < 0) return;
    ::close(creado);
    CFichero archivo;
    if (archivo.Abre(temporal.c_str(), CFichero::SoloEscritura) &&
        archivo.Escribe(&cabecera, sizeof cabecera) == sizeof cabecera &&
        archivo.Escribe(nodos.data(), static_cast<unsigned int>(bytes)) == bytes && archivo.Cierra() &&
        std::rename(temporal.c_str(), ruta.c_str()) == 0)
        return;
    ::unlink(temporal.c_str());
}
