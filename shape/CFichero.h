#pragma once
// One open file, read and written through its descriptor or memory-mapped.
// The object owns the descriptor and the mapping: both are released when it
// is closed or destroyed. Large files are supported (64-bit offsets).
#include <cstdint>
#include <string>

class CFichero {
public:
    enum Modo { SoloLectura = 0, SoloEscritura = 1, LecturaEscritura = 2 };
    enum Direccion { DesdeInicio = 0, DesdeActual = 1, DesdeFinal = 2 };

    CFichero();
    ~CFichero();
    CFichero(const CFichero&) = delete;
    CFichero& operator=(const CFichero&) = delete;

    // Opens the path with the access mode; any file open before is closed.
    // Only regular files open (a FIFO or a device never blocks the call).
    bool Abre(char const* ruta, Modo modo);
    // Why the last Abre failed: the system's errno, or kNoEsArchivoRegular;
    // 0 after a success.
    int ErrorApertura() const { return errorApertura; }
    static constexpr int kNoEsArchivoRegular = -1;
    // Reads up to `longitud` bytes at `posicion` (-1: the current position);
    // the number of bytes read, 0 when not open or opened write-only.
    unsigned int Lee(void* buffer, unsigned int longitud, long long posicion = -1);
    // Writes likewise; 0 when not open or opened read-only.
    unsigned int Escribe(void const* buffer, unsigned int longitud, long long posicion = -1);
    // Size in bytes; 0 when not open.
    std::uint64_t Tamano() const;
    // Moves the file position; the new position, 0 when not open.
    long long MuevePuntero(long long desplazamiento, Direccion desde);

    // Maps `longitud` bytes from `posicion` (0 and 0: the whole file) and
    // returns the address of the byte at `posicion`. Null when not open or when
    // a position is given with length 0. When the system refuses the mapping
    // the result is the all-ones pointer (MapaFallido()). An earlier mapping
    // is released first.
    void* Map(std::uint64_t posicion, std::uint64_t longitud);
    void* Map();
    bool Unmap();
    // Asks the system to map the pages of the first `longitud` bytes of the
    // current mapping now, in one call, ahead of a pass that reads all of
    // them: much cheaper than taking the pages one fault at a time. A hint:
    // false when not mapped or refused.
    bool Precarga(std::uint64_t longitud) const;
    // Gives back the pages of bytes [desde, hasta) of the current mapping
    // that the process holds (the file is untouched: they are read again when
    // next touched), so that one pass over a large file does not keep all of
    // it in the process's memory. Only whole pages inside the range go. A
    // hint: false when not mapped or refused.
    bool Suelta(std::uint64_t desde, std::uint64_t hasta) const;
    // Closes the descriptor and keeps the mapping, which stays readable
    // until Cierra or the destructor; the file then counts as not open.
    bool CierraDescriptor();
    static void* MapaFallido();

    // Releases the mapping, closes the descriptor and deletes a temporary file.
    bool Cierra();
    // Creates or truncates the file for reading and writing, `tamano` bytes long.
    bool Crea(char const* ruta, std::uint64_t tamano);
    // As Crea on a new unique name made of the prefix and six characters;
    // the file is deleted when closed.
    bool CreaTemporal(char const* prefijo, std::uint64_t tamano);

    bool Abierto() const { return abierto; }
    bool Mapeado() const { return mapeado; }
    std::uint64_t LongitudMapa() const { return longitudMapa; }
    const std::string& Nombre() const { return nombre; }
    int Descriptor() const { return descriptor; }

private:
    bool Dimensiona(std::uint64_t tamano);

    int descriptor;
    std::string nombre;
    bool abierto;
    bool mapeado;
    void* vista;
    void* baseMapa;
    Modo modo;
    std::uint64_t longitudMapa;
    bool temporal;
    int errorApertura = 0;
};
