#pragma once
// Replays, in the normal test suite, the committed inputs of a fuzz target:
// its seed corpus and the reproducers of the faults fuzzing found, so that a
// fault once found stays mended.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Runs `objetivo` (e.g. "Shape") over every file of tests/fuzz/corpus/<objetivo>
// and tests/fuzz/reproductores/<objetivo>; returns how many it ran.
inline int ReproducirFuzz(const std::string& objetivo,
                          int (*funcion)(const std::uint8_t*, std::size_t)) {
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
