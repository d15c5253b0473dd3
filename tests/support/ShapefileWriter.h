#pragma once
// Writes shapefiles (.shp, .shx and the .dbf table) for tests, of any shape
// type including Z and M, sound or damaged. Z values are 100 + i and M values
// 200 + i for the i-th point, so a reader straying into them reads visibly
// wrong points. Damage overrides change only the bytes named.
#include "CPunto.h"
#include "CRectangulo.h"
#include "DbfWriter.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class ShapefileWriter {
public:
    using Parte = std::vector<CPunto>;
    enum Fichero { Shp = 0, Shx = 1 };
    // `tipo`: the stored shape type (1, 3, 5, 8, 11, ..., 28; any other value,
    // e.g. 0 or 31, is written as given and its records laid out as polygons).
    explicit ShapefileWriter(int tipo) : tipoFichero(tipo) {}
    // Records, in file order; each returns its zero-based index.
    std::size_t AddPoint(double x, double y, double z = 0.0, double m = 0.0) {
        return Anadir({tipoFichero, {Parte{CPunto(x, y)}}, {z}, {m}});
    }
    std::size_t AddMultiPoint(const Parte& puntos) { return Anadir({tipoFichero, {puntos}, {}, {}}); }
    std::size_t AddShape(const std::vector<Parte>& partes) { return Anadir({tipoFichero, partes, {}, {}}); }  // parts or rings
    std::size_t AddNull() { return Anadir({0, {}, {}, {}}); }
    // Closed ring of the rectangle: clockwise (an outer ring) or not (a hole).
    static Parte Rectangle(double x1, double y1, double x2, double y2, bool horario = true);
    // The table written beside the shapes (empty by default).
    DbfWriter& Table() { return tabla; }
    // File name endings, e.g. (".SHP", ".SHX", ".dbf").
    void SetExtensions(const std::string& shp, const std::string& shx, const std::string& dbf) {
        extensiones[0] = shp, extensiones[1] = shx, extensiones[2] = dbf;
    }
    // Header overrides; the box defaults to the union of the records' boxes.
    void SetFileCode(Fichero f, std::int32_t codigo) { cabeceras[f].codigo = codigo; }
    void SetVersion(Fichero f, std::uint32_t version) { cabeceras[f].version = version; }
    void SetFileLengthWords(Fichero f, std::uint32_t palabras) { cabeceras[f].longitud = palabras; }
    void SetBoundingBox(const CRectangulo& c) { caja = c; }
    // Record overrides (damage): .shx offset and .shp content length in words,
    // type, number of parts (polylines, polygons) and points, a part's index.
    void SetRecordOffset(std::size_t r, std::uint32_t palabras) { danos[r].offset = palabras; }
    void SetRecordContentLength(std::size_t r, std::uint32_t palabras) { danos[r].longitud = palabras; }
    void SetRecordType(std::size_t r, std::int32_t tipo) { danos[r].tipo = tipo; }
    void SetNumParts(std::size_t r, std::uint32_t numero) { danos[r].partes = numero; }
    void SetNumPoints(std::size_t r, std::uint32_t numero) { danos[r].puntos = numero; }
    void SetPartIndex(std::size_t r, std::size_t parte, std::int32_t primero) { danos[r].indices[parte] = primero; }
    // The box stored in a record's header (polylines, polygons, multipoints),
    // whatever its points are.
    void SetRecordBox(std::size_t r, const CRectangulo& caja) { danos[r].caja = caja; }
    // Cuts the file to `bytes`; with `ajustarLongitud` its stored length is
    // set to the new size (so the header still validates).
    void Truncate(Fichero f, std::size_t bytes, bool ajustarLongitud) {
        cabeceras[f].corte = bytes;
        cabeceras[f].ajustar = ajustarLongitud;
    }
    // Byte position of a record header in the .shp, as laid out.
    std::size_t RecordPosition(std::size_t registro) const { return Posiciones().at(registro); }
    std::vector<unsigned char> ShpBytes() const;
    std::vector<unsigned char> ShxBytes() const;
    // Writes base + the three endings; false when a file cannot be written.
    bool Write(const std::string& base) const;

private:
    struct Registro {
        std::int32_t tipo;
        std::vector<Parte> partes;
        std::vector<double> z, m;  // point records only
    };
    struct Danos {
        std::optional<std::uint32_t> offset, longitud, partes, puntos;
        std::optional<std::int32_t> tipo;
        std::optional<CRectangulo> caja;
        std::map<std::size_t, std::int32_t> indices;
    };
    struct Cabecera {
        std::int32_t codigo = 9994;
        std::uint32_t version = 1000;
        std::optional<std::uint32_t> longitud;
        std::optional<std::size_t> corte;
        bool ajustar = false;
    };
    std::size_t Anadir(Registro r) {
        registros.push_back(std::move(r));
        return registros.size() - 1;
    }
    std::vector<unsigned char> Contenido(const Registro& registro, const Danos& danos) const;
    std::vector<unsigned char> Bytes(Fichero fichero, std::vector<unsigned char> b) const;
    std::vector<std::size_t> Posiciones() const;
    int tipoFichero;
    std::vector<Registro> registros;
    std::map<std::size_t, Danos> danos;
    Cabecera cabeceras[2];
    std::optional<CRectangulo> caja;
    DbfWriter tabla;
    std::string extensiones[3] = {".shp", ".shx", ".dbf"};
};
