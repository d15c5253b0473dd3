#include "ShapefileWriter.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <limits>

namespace {
enum Disposicion { Nula, DePunto, DeMultipunto, DePoli };

Disposicion DisposicionDe(std::int32_t tipo) {
    switch (tipo) {
    case 0: return Nula;
    case 1: case 11: case 21: return DePunto;
    case 8: case 18: case 28: return DeMultipunto;
    default: return DePoli;
    }
}

bool ConZ(std::int32_t tipo) {
    return tipo == 11 || tipo == 13 || tipo == 15 || tipo == 18;
}

bool ConM(std::int32_t tipo) {
    return ConZ(tipo) || tipo == 21 || tipo == 23 || tipo == 25 || tipo == 28;
}

void AddBE32(std::vector<unsigned char>& b, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) b.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}

void AddLE32(std::vector<unsigned char>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}

void AddLE64(std::vector<unsigned char>& b, double d) {
    unsigned char bytes[8];
    std::memcpy(bytes, &d, 8);
    b.insert(b.end(), bytes, bytes + 8);
}

void PutBE32(std::vector<unsigned char>& b, std::size_t pos, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[pos + i] = static_cast<unsigned char>((v >> (8 * (3 - i))) & 0xFF);
}

void PutLE32(std::vector<unsigned char>& b, std::size_t pos, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[pos + i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
}

void PutLE64(std::vector<unsigned char>& b, std::size_t pos, double d) {
    std::memcpy(&b[pos], &d, 8);
}

CRectangulo CajaDe(const std::vector<ShapefileWriter::Parte>& partes) {
    const double inf = std::numeric_limits<double>::infinity();
    CRectangulo c(inf, inf, -inf, -inf);
    for (const auto& parte : partes)
        for (const CPunto& p : parte) {
            c.x1 = std::min(c.x1, p.x);
            c.y1 = std::min(c.y1, p.y);
            c.x2 = std::max(c.x2, p.x);
            c.y2 = std::max(c.y2, p.y);
        }
    return c;
}

void AddCaja(std::vector<unsigned char>& b, const CRectangulo& c) {
    AddLE64(b, c.x1);
    AddLE64(b, c.y1);
    AddLE64(b, c.x2);
    AddLE64(b, c.y2);
}

// Range and values of an extra measure (Z or M): value = base + i.
void AddMedidas(std::vector<unsigned char>& b, std::size_t n, double base) {
    AddLE64(b, base);
    AddLE64(b, n == 0 ? base : base + static_cast<double>(n - 1));
    for (std::size_t i = 0; i < n; ++i) AddLE64(b, base + static_cast<double>(i));
}
}  // namespace

ShapefileWriter::ShapefileWriter(int tipo) : tipoFichero(tipo) {}

std::size_t ShapefileWriter::AddPoint(double x, double y, double z, double m) {
    registros.push_back(Registro{tipoFichero, {Parte{CPunto(x, y)}}, {z}, {m}});
    return registros.size() - 1;
}

std::size_t ShapefileWriter::AddMultiPoint(const Parte& puntos) {
    registros.push_back(Registro{tipoFichero, {puntos}, {}, {}});
    return registros.size() - 1;
}

std::size_t ShapefileWriter::AddShape(const std::vector<Parte>& partes) {
    registros.push_back(Registro{tipoFichero, partes, {}, {}});
    return registros.size() - 1;
}

std::size_t ShapefileWriter::AddNull() {
    registros.push_back(Registro{0, {}, {}, {}});
    return registros.size() - 1;
}

ShapefileWriter::Parte ShapefileWriter::Rectangle(double x1, double y1, double x2, double y2,
                                                  bool horario) {
    if (horario) return {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}, {x1, y1}};
    return {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
}

ShapefileWriter::Parte ShapefileWriter::Ring(const Parte& puntos) {
    Parte anillo = puntos;
    if (!anillo.empty() && !(anillo.front() == anillo.back())) anillo.push_back(anillo.front());
    return anillo;
}

void ShapefileWriter::SetExtensions(const std::string& shp, const std::string& shx,
                                    const std::string& dbf) {
    extensiones[0] = shp;
    extensiones[1] = shx;
    extensiones[2] = dbf;
}

void ShapefileWriter::SetFileCode(Fichero fichero, std::int32_t codigo) {
    cabeceras[fichero].codigo = true;
    cabeceras[fichero].valorCodigo = codigo;
}

void ShapefileWriter::SetVersion(Fichero fichero, std::uint32_t version) {
    cabeceras[fichero].version = true;
    cabeceras[fichero].valorVersion = version;
}

void ShapefileWriter::SetFileLengthWords(Fichero fichero, std::uint32_t palabras) {
    cabeceras[fichero].longitud = true;
    cabeceras[fichero].valorLongitud = palabras;
}

void ShapefileWriter::SetBoundingBox(const CRectangulo& c) {
    hayCaja = true;
    caja = c;
}

ShapefileWriter::Danos& ShapefileWriter::DanosDe(std::size_t registro) {
    return danos[registro];
}

void ShapefileWriter::SetRecordOffset(std::size_t registro, std::uint32_t palabras) {
    DanosDe(registro).offset = true;
    DanosDe(registro).valorOffset = palabras;
}

void ShapefileWriter::SetRecordContentLength(std::size_t registro, std::uint32_t palabras) {
    DanosDe(registro).longitud = true;
    DanosDe(registro).valorLongitud = palabras;
}

void ShapefileWriter::SetRecordType(std::size_t registro, std::int32_t tipo) {
    DanosDe(registro).tipo = true;
    DanosDe(registro).valorTipo = tipo;
}

void ShapefileWriter::SetNumParts(std::size_t registro, std::uint32_t numero) {
    DanosDe(registro).partes = true;
    DanosDe(registro).valorPartes = numero;
}

void ShapefileWriter::SetNumPoints(std::size_t registro, std::uint32_t numero) {
    DanosDe(registro).puntos = true;
    DanosDe(registro).valorPuntos = numero;
}

void ShapefileWriter::SetPartIndex(std::size_t registro, std::size_t parte, std::int32_t primero) {
    DanosDe(registro).indices[parte] = primero;
}

void ShapefileWriter::Truncate(Fichero fichero, std::size_t bytes, bool ajustarLongitud) {
    cabeceras[fichero].corte = true;
    cabeceras[fichero].bytesCorte = bytes;
    cabeceras[fichero].ajustar = ajustarLongitud;
}

std::vector<unsigned char> ShapefileWriter::Contenido(const Registro& r, const Danos& d) const {
    std::vector<unsigned char> b;
    AddLE32(b, static_cast<std::uint32_t>(d.tipo ? d.valorTipo : r.tipo));
    std::size_t total = 0;
    for (const Parte& p : r.partes) total += p.size();
    switch (DisposicionDe(r.tipo)) {
    case Nula:
        return b;
    case DePunto: {
        const CPunto p = r.partes.at(0).at(0);
        AddLE64(b, p.x);
        AddLE64(b, p.y);
        if (ConZ(r.tipo)) AddLE64(b, r.z.at(0));
        if (ConM(r.tipo)) AddLE64(b, r.m.at(0));
        return b;
    }
    case DeMultipunto:
        AddCaja(b, CajaDe(r.partes));
        AddLE32(b, d.puntos ? d.valorPuntos : static_cast<std::uint32_t>(total));
        break;
    case DePoli: {
        AddCaja(b, CajaDe(r.partes));
        AddLE32(b, d.partes ? d.valorPartes : static_cast<std::uint32_t>(r.partes.size()));
        AddLE32(b, d.puntos ? d.valorPuntos : static_cast<std::uint32_t>(total));
        std::uint32_t primero = 0;
        for (std::size_t i = 0; i < r.partes.size(); ++i) {
            const auto forzado = d.indices.find(i);
            AddLE32(b, forzado != d.indices.end() ? static_cast<std::uint32_t>(forzado->second)
                                                  : primero);
            primero += static_cast<std::uint32_t>(r.partes[i].size());
        }
        break;
    }
    }
    for (const Parte& parte : r.partes)
        for (const CPunto& p : parte) {
            AddLE64(b, p.x);
            AddLE64(b, p.y);
        }
    if (ConZ(r.tipo)) AddMedidas(b, total, 100.0);
    if (ConM(r.tipo)) AddMedidas(b, total, 200.0);
    return b;
}

CRectangulo ShapefileWriter::Caja() const {
    if (hayCaja) return caja;
    const double inf = std::numeric_limits<double>::infinity();
    CRectangulo total(inf, inf, -inf, -inf);
    for (const Registro& r : registros) {
        if (r.partes.empty()) continue;
        const CRectangulo c = CajaDe(r.partes);
        total.x1 = std::min(total.x1, c.x1);
        total.y1 = std::min(total.y1, c.y1);
        total.x2 = std::max(total.x2, c.x2);
        total.y2 = std::max(total.y2, c.y2);
    }
    if (total.x1 > total.x2) return CRectangulo();
    return total;
}

void ShapefileWriter::Cabeza(std::vector<unsigned char>& b, Fichero fichero,
                             std::size_t longitud) const {
    const Cabecera& c = cabeceras[fichero];
    PutBE32(b, 0, static_cast<std::uint32_t>(c.valorCodigo));
    PutBE32(b, 24, c.longitud ? c.valorLongitud : static_cast<std::uint32_t>(longitud / 2));
    PutLE32(b, 28, c.valorVersion);
    PutLE32(b, 32, static_cast<std::uint32_t>(tipoFichero));
    const CRectangulo k = Caja();
    PutLE64(b, 36, k.x1);
    PutLE64(b, 44, k.y1);
    PutLE64(b, 52, k.x2);
    PutLE64(b, 60, k.y2);
}

std::vector<unsigned char> ShapefileWriter::Fin(std::vector<unsigned char> b, Fichero fichero) const {
    const Cabecera& c = cabeceras[fichero];
    if (!c.corte) return b;
    b.resize(std::min(b.size(), c.bytesCorte));
    if (c.ajustar && b.size() >= 28) PutBE32(b, 24, static_cast<std::uint32_t>(b.size() / 2));
    return b;
}

std::vector<std::size_t> ShapefileWriter::Posiciones() const {
    std::vector<std::size_t> posiciones;
    std::size_t posicion = 100;
    static const Danos sinDanos;
    for (const Registro& r : registros) {
        posiciones.push_back(posicion);
        posicion += 8 + Contenido(r, sinDanos).size();
    }
    posiciones.push_back(posicion);
    return posiciones;
}

std::size_t ShapefileWriter::RecordPosition(std::size_t registro) const {
    return Posiciones().at(registro);
}

std::vector<unsigned char> ShapefileWriter::ShpBytes() const {
    std::vector<unsigned char> b(100, 0);
    static const Danos sinDanos;
    for (std::size_t i = 0; i < registros.size(); ++i) {
        const auto d = danos.find(i);
        const Danos& dano = d != danos.end() ? d->second : sinDanos;
        const std::vector<unsigned char> contenido = Contenido(registros[i], dano);
        AddBE32(b, static_cast<std::uint32_t>(i + 1));
        AddBE32(b, dano.longitud ? dano.valorLongitud
                                 : static_cast<std::uint32_t>(contenido.size() / 2));
        b.insert(b.end(), contenido.begin(), contenido.end());
    }
    Cabeza(b, Shp, b.size());
    return Fin(b, Shp);
}

std::vector<unsigned char> ShapefileWriter::ShxBytes() const {
    std::vector<unsigned char> b(100, 0);
    const std::vector<std::size_t> posiciones = Posiciones();
    for (std::size_t i = 0; i < registros.size(); ++i) {
        const auto d = danos.find(i);
        const bool forzado = d != danos.end() && d->second.offset;
        AddBE32(b, forzado ? d->second.valorOffset : static_cast<std::uint32_t>(posiciones[i] / 2));
        AddBE32(b, static_cast<std::uint32_t>((posiciones[i + 1] - posiciones[i] - 8) / 2));
    }
    Cabeza(b, Shx, b.size());
    return Fin(b, Shx);
}

namespace {
bool Guarda(const std::string& ruta, const std::vector<unsigned char>& b) {
    std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
    salida.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return static_cast<bool>(salida);
}
}  // namespace

bool ShapefileWriter::Write(const std::string& base) const {
    bool bien = Guarda(base + extensiones[0], ShpBytes());
    bien = Guarda(base + extensiones[1], ShxBytes()) && bien;
    bien = tabla.Write(base + extensiones[2]) && bien;
    return bien;
}
