#pragma once
// Replays, in the normal test suite, the committed inputs of a fuzz target
// (e.g. "Shape"): every file of tests/fuzz/corpus/<objetivo>, its seeds, and
// of tests/fuzz/reproductores/<objetivo>, the faults fuzzing found, so that a
// fault once found stays mended. Returns how many inputs it ran.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline int ReproducirFuzz(const std::string& objetivo, int (*funcion)(const std::uint8_t*, std::size_t)) {
    namespace fs = std::filesystem;
    int ejecutadas = 0;
    for (const char* carpeta : {"corpus", "reproductores"}) {
        const fs::path directorio = fs::path(VAQ_SOURCE_DIR) / "tests/fuzz" / carpeta / objetivo;
        if (!fs::is_directory(directorio)) continue;
        for (const fs::directory_entry& entrada : fs::directory_iterator(directorio)) {
            std::ifstream archivo(entrada.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(archivo), {}};
            funcion(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++ejecutadas;
        }
    }
    return ejecutadas;
}
