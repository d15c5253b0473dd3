#pragma once
// A folder of spatial indices kept between runs, so that a layer opened
// again does not read every record to build its index. Off until a folder
// is given (the viewer gives one under the user's cache folder, never the
// data directory). An index is kept under a key made of the identity of the
// layer's .shp and .shx (device, inode, size, modification time) and its
// number of records: a changed file has another key, and its old index is
// never used. Everything read back is checked (size, checksum, the tree's
// shape and boxes); anything wrong is ignored and the index is built anew.
// Failing to keep an index is silent: the cache only saves time.
#include <cstdint>
#include <memory>
#include <string>

class CIndiceEspacial;

class CCacheIndices {
public:
    // The identity of one layer's files.
    struct Clave {
        std::uint64_t shp[5];  // device, inode, size, modification seconds, nanoseconds
        std::uint64_t shx[5];
        std::uint64_t numRegistros;
    };

    // The folder to keep indices in (made when first needed); empty: none.
    static void SetDirectorio(const std::string& directorio);
    static const std::string& Directorio();
    // The folder the viewer uses: $XDG_CACHE_HOME/vaq/indices, else
    // $HOME/.cache/vaq/indices; empty when neither is set.
    static std::string DirectorioDeUsuario();

    // The key of the open descriptors of a layer's .shp and .shx; false when
    // the system cannot say.
    static bool ClaveDe(int descriptorShp, int descriptorShx, std::uint64_t numRegistros, Clave& clave);
    // The index kept under the key; null when there is none or it is damaged.
    static std::unique_ptr<CIndiceEspacial> Lee(const Clave& clave);
    // Keeps the index under the key: written whole to a new file, then
    // renamed into place, so that a reader never sees half of one.
    static void Escribe(const Clave& clave, const CIndiceEspacial& indice);
    // The file an index with that key is kept in (empty with no folder).
    static std::string Ruta(const Clave& clave);
};
