#pragma once
// The benchmarks' polygon layer: base.shp, .shx and .dbf holding columnas x
// filas wobbly round polygons on a grid (one closed clockwise ring each, so
// edges are not regular), with a table of one numeric column CLASE (width 2).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

struct CapaPoligonosBench {
    double origenX, origenY, ancho, alto;  // the grid, in map units
    int columnas, filas;
    int vertices;  // per ring, the closing one included
    // Radius of ring i at angle t: escala * (medio + onda * sin(7 t + i)).
    double escala, medio, onda;
};

namespace capa_poligonos_bench {
inline void BE32(std::vector<char>& b, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) b.push_back(static_cast<char>(v >> (8 * i)));
}
template <typename T>
void LE(std::vector<char>& b, T v) {
    const char* p = reinterpret_cast<const char*>(&v);  // the machine is little-endian
    b.insert(b.end(), p, p + sizeof v);
}
inline std::vector<char> Cabecera(const CapaPoligonosBench& c, std::uint64_t bytes) {
    std::vector<char> b;
    BE32(b, 9994);
    for (int i = 0; i < 5; ++i) BE32(b, 0);
    BE32(b, static_cast<std::uint32_t>(bytes / 2));
    LE<std::int32_t>(b, 1000);
    LE<std::int32_t>(b, 5);
    for (double v : {c.origenX, c.origenY, c.origenX + c.ancho, c.origenY + c.alto}) LE(b, v);
    for (int i = 0; i < 4; ++i) LE(b, 0.0);
    return b;
}
}  // namespace capa_poligonos_bench

// `clase(i)`: the CLASE value of polygon i (0 to 99).
template <typename Clase>
void EscribirCapaPoligonos(const std::string& base, const CapaPoligonosBench& c, Clase clase) {
    using namespace capa_poligonos_bench;
    const int numero = c.columnas * c.filas;
    const double celdaX = c.ancho / c.columnas, celdaY = c.alto / c.filas;
    const std::uint32_t contenido = 4 + 32 + 4 + 4 + 4 + 16 * c.vertices;  // bytes
    const std::uint64_t registro = 8 + contenido;
    std::ofstream shp(base + ".shp", std::ios::binary), shx(base + ".shx", std::ios::binary);
    std::vector<char> b = Cabecera(c, 100 + registro * numero);
    shp.write(b.data(), b.size());
    b = Cabecera(c, 100 + 8ull * numero);
    shx.write(b.data(), b.size());
    std::vector<double> puntos(2 * c.vertices);
    for (int i = 0; i < numero; ++i) {
        const double cx = c.origenX + (i % c.columnas + 0.5) * celdaX;
        const double cy = c.origenY + (i / c.columnas + 0.5) * celdaY;
        double x1 = 1e300, y1 = 1e300, x2 = -1e300, y2 = -1e300;
        for (int v = 0; v < c.vertices - 1; ++v) {
            const double t = -2.0 * M_PI * v / (c.vertices - 1);  // clockwise: an outer ring
            const double r = c.escala * (c.medio + c.onda * std::sin(7.0 * t + i));
            puntos[2 * v] = cx + r * std::cos(t);
            puntos[2 * v + 1] = cy + r * std::sin(t);
            x1 = std::min(x1, puntos[2 * v]), x2 = std::max(x2, puntos[2 * v]);
            y1 = std::min(y1, puntos[2 * v + 1]), y2 = std::max(y2, puntos[2 * v + 1]);
        }
        puntos[2 * (c.vertices - 1)] = puntos[0];
        puntos[2 * (c.vertices - 1) + 1] = puntos[1];
        b.clear();
        BE32(b, static_cast<std::uint32_t>((100 + registro * i) / 2));
        BE32(b, contenido / 2);
        shx.write(b.data(), b.size());
        b.clear();
        BE32(b, i + 1);
        BE32(b, contenido / 2);
        LE<std::int32_t>(b, 5);
        for (double v : {x1, y1, x2, y2}) LE(b, v);
        LE<std::int32_t>(b, 1);
        LE<std::int32_t>(b, c.vertices);
        LE<std::int32_t>(b, 0);
        shp.write(b.data(), b.size());
        shp.write(reinterpret_cast<const char*>(puntos.data()), puntos.size() * sizeof(double));
    }
    std::ofstream dbf(base + ".dbf", std::ios::binary);
    b.assign({0x03, 126, 1, 1});
    LE<std::uint32_t>(b, numero);
    LE<std::uint16_t>(b, 32 + 32 + 1);
    LE<std::uint16_t>(b, 1 + 2);
    b.resize(b.size() + 20, 0);
    char campo[32] = "CLASE";
    campo[11] = 'N';
    campo[16] = 2;  // width
    b.insert(b.end(), campo, campo + 32);
    b.push_back(0x0D);
    for (int i = 0; i < numero; ++i) {
        char valor[4];
        std::snprintf(valor, sizeof valor, " %2d", clase(i) % 100);
        b.insert(b.end(), valor, valor + 3);
    }
    b.push_back(0x1A);
    dbf.write(b.data(), b.size());
}
