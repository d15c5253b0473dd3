#pragma once
// Fuzz targets: each takes one input, makes of it the files it feeds to the
// code under test, runs that code over them and returns 0. A fault is a
// crash or a sanitizer report. Built as libFuzzer executables by
// scripts/fuzz.sh and replayed on their corpora by the normal test suite.
// Each target's file (Fuzz<Name>.cpp) says what it runs and how it reads
// its input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

int FuzzShape(const std::uint8_t* datos, std::size_t tamano);     // the shapefile reader with its table
int FuzzDbf(const std::uint8_t* datos, std::size_t tamano);       // the dBASE reader alone
int FuzzTema(const std::uint8_t* datos, std::size_t tamano);      // the theme loader and a paint
int FuzzBusqueda(const std::uint8_t* datos, std::size_t tamano);  // the gazetteer's queries

// Writes a new file: rewriting one in place makes some file systems (ext4)
// write it out to disk at once, which would slow fuzzing a hundredfold.
inline void EscribirNuevo(const std::string& ruta, const void* bytes, std::size_t tamano) {
    std::remove(ruta.c_str());
    std::ofstream(ruta, std::ios::binary).write(static_cast<const char*>(bytes), static_cast<std::streamsize>(tamano));
}
