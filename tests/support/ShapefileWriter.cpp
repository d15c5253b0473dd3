#include "ShapefileWriter.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <limits>

namespace {
using Octetos = std::vector<unsigned char>;

bool ConZ(std::int32_t tipo) { return tipo == 11 || tipo == 13 || tipo == 15 || tipo == 18; }
bool ConM(std::int32_t tipo) { return ConZ(tipo) || tipo == 21 || tipo == 23 || tipo == 25 || tipo == 28; }

void Pon32(Octetos& b, std::size_t pos, std::uint64_t v, bool bigEndian = false) {
    for (int i = 0; i < 4; ++i) b[pos + i] = static_cast<unsigned char>((v >> (8 * (bigEndian ? 3 - i : i))) & 0xFF);
}
void Add32(Octetos& b, std::uint64_t v, bool bigEndian = false) {
    b.resize(b.size() + 4);
    Pon32(b, b.size() - 4, v, bigEndian);
}
void Add64(Octetos& b, double d) {
    b.resize(b.size() + 8);
    std::memcpy(&b[b.size() - 8], &d, 8);
}

// The box of the points, grown from `c`.
CRectangulo Extender(CRectangulo c, const std::vector<ShapefileWriter::Parte>& partes) {
    for (const auto& parte : partes)
        for (const CPunto& p : parte) {
            c.x1 = std::min<double>(c.x1, p.x), c.y1 = std::min<double>(c.y1, p.y);
            c.x2 = std::max<double>(c.x2, p.x), c.y2 = std::max<double>(c.y2, p.y);
        }
    return c;
}
const double kInf = std::numeric_limits<double>::infinity();

void AddCaja(Octetos& b, const CRectangulo& c) {
    for (double v : {c.x1, c.y1, c.x2, c.y2}) Add64(b, v);
}

// Range and values of an extra measure (Z or M): value = base + i.
void AddMedidas(Octetos& b, std::size_t n, double base) {
    Add64(b, base);
    Add64(b, n == 0 ? base : base + static_cast<double>(n - 1));
    for (std::size_t i = 0; i < n; ++i) Add64(b, base + static_cast<double>(i));
}

bool Guarda(const std::string& ruta, const Octetos& b) {
    std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
    salida.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return static_cast<bool>(salida);
}
}  // namespace

ShapefileWriter::Parte ShapefileWriter::Rectangle(double x1, double y1, double x2, double y2, bool horario) {
    if (horario) return {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}, {x1, y1}};
    return {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
}

std::vector<unsigned char> ShapefileWriter::Contenido(const Registro& r, const Danos& d) const {
    Octetos b;
    Add32(b, static_cast<std::uint32_t>(d.tipo.value_or(r.tipo)));
    std::size_t total = 0;
    for (const Parte& p : r.partes) total += p.size();
    if (r.tipo == 0) return b;
    if (r.tipo == 1 || r.tipo == 11 || r.tipo == 21) {
        const CPunto p = r.partes.at(0).at(0);
        Add64(b, p.x);
        Add64(b, p.y);
        if (ConZ(r.tipo)) Add64(b, r.z.at(0));
        if (ConM(r.tipo)) Add64(b, r.m.at(0));
        return b;
    }
    AddCaja(b, d.caja.value_or(Extender(CRectangulo(kInf, kInf, -kInf, -kInf), r.partes)));
    if (r.tipo == 8 || r.tipo == 18 || r.tipo == 28) {
        Add32(b, d.puntos.value_or(total));
    } else {
        Add32(b, d.partes.value_or(r.partes.size()));
        Add32(b, d.puntos.value_or(total));
        std::uint32_t primero = 0;
        for (std::size_t i = 0; i < r.partes.size(); ++i) {
            const auto forzado = d.indices.find(i);
            Add32(b, forzado != d.indices.end() ? static_cast<std::uint32_t>(forzado->second) : primero);
            primero += static_cast<std::uint32_t>(r.partes[i].size());
        }
    }
    for (const Parte& parte : r.partes)
        for (const CPunto& p : parte) Add64(b, p.x), Add64(b, p.y);
    if (ConZ(r.tipo)) AddMedidas(b, total, 100.0);
    if (ConM(r.tipo)) AddMedidas(b, total, 200.0);
    return b;
}

// Fills the header of a file laid out in `b` and applies its truncation.
std::vector<unsigned char> ShapefileWriter::Bytes(Fichero fichero, std::vector<unsigned char> b) const {
    const Cabecera& c = cabeceras[fichero];
    Pon32(b, 0, static_cast<std::uint32_t>(c.codigo), true);
    Pon32(b, 24, c.longitud.value_or(b.size() / 2), true);
    Pon32(b, 28, c.version);
    Pon32(b, 32, static_cast<std::uint32_t>(tipoFichero));
    CRectangulo k(kInf, kInf, -kInf, -kInf);
    for (const Registro& r : registros)
        if (!r.partes.empty()) k = Extender(k, r.partes);
    if (caja) k = *caja;
    else if (k.x1 > k.x2) k = CRectangulo();
    const double esquinas[4] = {k.x1, k.y1, k.x2, k.y2};
    std::memcpy(&b[36], esquinas, sizeof esquinas);
    if (!c.corte) return b;
    b.resize(std::min(b.size(), *c.corte));
    if (c.ajustar && b.size() >= 28) Pon32(b, 24, b.size() / 2, true);
    return b;
}

std::vector<std::size_t> ShapefileWriter::Posiciones() const {
    std::vector<std::size_t> posiciones{100};
    for (const Registro& r : registros) posiciones.push_back(posiciones.back() + 8 + Contenido(r, Danos()).size());
    return posiciones;
}

std::vector<unsigned char> ShapefileWriter::ShpBytes() const {
    Octetos b(100, 0);
    for (std::size_t i = 0; i < registros.size(); ++i) {
        const auto d = danos.find(i);
        const Danos& dano = d != danos.end() ? d->second : Danos();
        const Octetos contenido = Contenido(registros[i], dano);
        Add32(b, i + 1, true);
        Add32(b, dano.longitud.value_or(contenido.size() / 2), true);
        b.insert(b.end(), contenido.begin(), contenido.end());
    }
    return Bytes(Shp, b);
}

std::vector<unsigned char> ShapefileWriter::ShxBytes() const {
    Octetos b(100, 0);
    const std::vector<std::size_t> posiciones = Posiciones();
    for (std::size_t i = 0; i < registros.size(); ++i) {
        const auto d = danos.find(i);
        Add32(b, d != danos.end() && d->second.offset ? *d->second.offset : posiciones[i] / 2, true);
        Add32(b, (posiciones[i + 1] - posiciones[i] - 8) / 2, true);
    }
    return Bytes(Shx, b);
}

bool ShapefileWriter::Write(const std::string& base) const {
    bool bien = Guarda(base + extensiones[0], ShpBytes());
    bien = Guarda(base + extensiones[1], ShxBytes()) && bien;
    return tabla.Write(base + extensiones[2]) && bien;
}
