#pragma once
// Writes shapefiles (.shp, .shx and the .dbf table) for tests, of any shape
// type including the Z and M variants, sound or deliberately damaged.
//
//   ShapefileWriter escritor(5);                       // polygons
//   escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10),
//                      ShapefileWriter::Rectangle(2, 2, 4, 4, false)});  // hole
//   escritor.Table().AddField("NOMBRE", 'C', 10);
//   escritor.Table().AddRecord({"uno"});
//   escritor.Write(directorio + "/capa");   // capa.shp, capa.shx, capa.dbf
//
// Z values written are 100 + i and M values 200 + i for the i-th point of a
// record (AddPoint takes them explicitly), so a reader that strays into them
// reads visibly wrong coordinates.
//
// Damage, applied when the bytes are produced:
//   header fields (file code, version, stored length, type, box) of either file;
//   per record: .shx offset, record content length, record type, number of
//   parts, number of points, any part index;
//   truncation of either file, with or without fixing its stored length.
// Each override changes only the bytes named; the rest is laid out as for the
// sound file, so the other records stay where they were.
#include "CPunto.h"
#include "CRectangulo.h"
#include "DbfWriter.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class ShapefileWriter {
public:
    using Parte = std::vector<CPunto>;
    enum Fichero { Shp = 0, Shx = 1 };

    // `tipo`: the stored shape type (1, 3, 5, 8, 11, ..., 28; any other value,
    // e.g. 0 or 31, is written as given and its records laid out as polygons).
    explicit ShapefileWriter(int tipo);

    // Records, in file order; each returns its zero-based index.
    std::size_t AddPoint(double x, double y, double z = 0.0, double m = 0.0);
    std::size_t AddMultiPoint(const Parte& puntos);
    std::size_t AddShape(const std::vector<Parte>& partes);  // polyline parts or polygon rings
    std::size_t AddNull();

    // Closed ring of the rectangle: clockwise (an outer ring) or not (a hole).
    static Parte Rectangle(double x1, double y1, double x2, double y2, bool horario = true);
    // The points given, closed (the first repeated at the end) if not already.
    static Parte Ring(const Parte& puntos);

    // The table written beside the shapes (empty by default).
    DbfWriter& Table() { return tabla; }
    // File name endings, e.g. (".SHP", ".SHX", ".dbf").
    void SetExtensions(const std::string& shp, const std::string& shx, const std::string& dbf);

    // Header overrides.
    void SetFileCode(Fichero fichero, std::int32_t codigo);
    void SetVersion(Fichero fichero, std::uint32_t version);
    void SetFileLengthWords(Fichero fichero, std::uint32_t palabras);
    void SetBoundingBox(const CRectangulo& caja);  // default: union of the records' boxes

    // Record overrides (damage).
    void SetRecordOffset(std::size_t registro, std::uint32_t palabras);        // in the .shx
    void SetRecordContentLength(std::size_t registro, std::uint32_t palabras); // in the .shp
    void SetRecordType(std::size_t registro, std::int32_t tipo);
    void SetNumParts(std::size_t registro, std::uint32_t numero);   // polyline, polygon
    void SetNumPoints(std::size_t registro, std::uint32_t numero);  // also multipoint
    void SetPartIndex(std::size_t registro, std::size_t parte, std::int32_t primero);

    // Cuts the file to `bytes`; with `ajustarLongitud` its stored length is
    // set to the new size (so the header still validates).
    void Truncate(Fichero fichero, std::size_t bytes, bool ajustarLongitud);

    // Byte position of a record header in the .shp, as laid out.
    std::size_t RecordPosition(std::size_t registro) const;
    std::vector<unsigned char> ShpBytes() const;
    std::vector<unsigned char> ShxBytes() const;
    // Writes base + the three endings; false when a file cannot be written.
    bool Write(const std::string& base) const;

private:
    struct Registro {
        std::int32_t tipo;
        std::vector<Parte> partes;
        std::vector<double> z;  // point records only
        std::vector<double> m;
    };
    struct Danos {
        bool offset = false, longitud = false, tipo = false, partes = false, puntos = false;
        std::uint32_t valorOffset = 0, valorLongitud = 0, valorPartes = 0, valorPuntos = 0;
        std::int32_t valorTipo = 0;
        std::map<std::size_t, std::int32_t> indices;
    };
    struct Cabecera {
        bool codigo = false, version = false, longitud = false, corte = false, ajustar = false;
        std::int32_t valorCodigo = 9994;
        std::uint32_t valorVersion = 1000, valorLongitud = 0;
        std::size_t bytesCorte = 0;
    };

    std::vector<unsigned char> Contenido(const Registro& registro, const Danos& danos) const;
    std::vector<unsigned char> Fin(std::vector<unsigned char> bytes, Fichero fichero) const;
    void Cabeza(std::vector<unsigned char>& bytes, Fichero fichero, std::size_t longitud) const;
    CRectangulo Caja() const;
    std::vector<std::size_t> Posiciones() const;
    Danos& DanosDe(std::size_t registro);

    int tipoFichero;
    std::vector<Registro> registros;
    std::map<std::size_t, Danos> danos;
    Cabecera cabeceras[2];
    bool hayCaja = false;
    CRectangulo caja;
    DbfWriter tabla;
    std::string extensiones[3] = {".shp", ".shx", ".dbf"};
};
