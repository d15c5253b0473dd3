#pragma once
// Fuzz targets: each takes one input, makes of it the files it feeds to the
// code under test, runs that code over them and returns 0. A fault is a
// crash or a sanitizer report. Built as libFuzzer executables by
// scripts/fuzz.sh and replayed on their corpora by the normal test suite.
#include <cstddef>
#include <cstdint>

// The shapefile reader with its table: the input holds a .shx, a .dbf and
// a .shp (see FuzzShape.cpp); every record, part, point and value is read.
int FuzzShape(const std::uint8_t* datos, std::size_t tamano);
// The dBASE reader alone: the input is the .dbf.
int FuzzDbf(const std::uint8_t* datos, std::size_t tamano);
// The theme loader and a paint: the input is the theme file, over a data
// directory of small layers; also checks the nesting measured before
// parsing against the tree the parser builds.
int FuzzTema(const std::uint8_t* datos, std::size_t tamano);
// The gazetteer's name, location and contents queries: the input is the
// typed text (a length byte, then the text) and the database file.
int FuzzBusqueda(const std::uint8_t* datos, std::size_t tamano);
