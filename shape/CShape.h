#pragma once
// Read-only access to one ESRI shapefile (.shp geometry, .shx index, .dbf
// table). The .shp and its index stay memory-mapped for the object's life
// (no descriptor of the index stays open), pages are read only when touched,
// and records, parts and points are handed out as pointers into the
// mapping, never copied. Opening costs the same for any size of file.
//
// Opening errors are thrown as constant character strings (CErrorShape
// names them and has a sentence for each):
//   "ErrorAbriendoShx", "ErrorAbriendoShp", "ErrorLeyendoShp/Shx",
//   "ErrorEnNumeroSerieShp/Shx", "ErrorEnTamanosShp/Shx",
//   "ErrorEnVersionShp/Shx", "ErrorEnTipoDeDato",
//   "ErrorMapeandoShp" (the system refused to map the .shp).
// Record and part access throws "ErrorOutOfLimits" for an index out of range
// and for a damaged record; PoligonoAlQuePertenece throws
// "Poligono no encontrado".
//
// Damaged files: every record is checked before a pointer into it is handed
// out (offset, header, parts and points must lie inside the record, and the
// record inside the .shp). The paint path uses the non-throwing forms, which
// cost no allocation:
//
//   for (unsigned i = 0; i < shape.NumElementos(); ++i) {
//       const unsigned int* registro = shape.BuscaElemento(i);
//       if (!registro) continue;                     // damaged: skipped
//       for (unsigned p = 0; p < shape.NumPartes(registro); ++p) {
//           unsigned int n;
//           const CPunto* puntos = shape.BuscaPuntos(registro, p, &n);
//           if (!puntos) continue;
//           ...  // n points
//       }
//   }
//
// Null shapes (record type 0, allowed in any file) are valid records of no
// parts. A record whose type belongs to another family than the file's is
// damaged.
#include "CCacheIndices.h"
#include "CDbf.h"
#include "CFichero.h"
#include "CPunto.h"
#include "CRectangulo.h"

#include <memory>
#include <string>
#include <vector>

class CIndiceEspacial;

class CShape {
public:
    enum TipoShape { Punto = 1, Polilinea = 3, Poligono = 5, Multipunto = 8 };

    // `ruta`: the shapefile's path without extension. Tries ".shx"/".SHX" and
    // ".shp"/".SHP"; the table is always path + ".dbf" (empty when missing).
    // When one of them does not open, `errorSistema` (if given) receives why
    // (see CFichero::ErrorApertura) before "ErrorAbriendoShx/Shp" is thrown.
    explicit CShape(char const* ruta, int* errorSistema = nullptr);
    ~CShape();
    CShape(const CShape&) = delete;
    CShape& operator=(const CShape&) = delete;

    // Damage seen at open in the index and the table headers, without
    // reading the records (a bit per kind). The file still opens; what is
    // damaged is skipped when read.
    enum Dano : unsigned int {
        IndiceFueraDelShp = 1,     // the index places records outside the .shp
        IndiceDemasiadoLargo = 2,  // it lists more records than the .shp can hold
        TablaDanada = 4,           // the table's header lies (CDbf::Danada)
        TablaDeOtroTamano = 8      // the table has another number of rows
    };
    unsigned int GetDanos() const { return danos; }

    int Tipo() const { return tipo; }  // 1, 3, 5 or 8 (Z and M types reduced)
    unsigned int NumElementos() const { return numElementos; }
    CRectangulo Bnd() const { return bnd; }

    // The record with that zero-based index; "ErrorOutOfLimits" when the index
    // is not below NumElementos() or the record is damaged.
    const unsigned int* Elemento(unsigned int indice) const;
    // The same without exceptions: null when out of range or damaged.
    const unsigned int* BuscaElemento(unsigned int indice) const noexcept;
    // Record number stored in the record header, minus 1; -1 for a pointer
    // that is not a record of this file or a stored number below 1.
    int NumElemento(const unsigned int* registro) const noexcept;
    // 1 for point and multipoint records, the number of parts of polyline and
    // polygon records; 0 for null shapes and damaged records.
    unsigned int NumPartes(const unsigned int* registro) const noexcept;
    // Points of one part, in place in the mapping; the count goes to
    // *numPuntos. "ErrorOutOfLimits" when the part is not below NumPartes or
    // its point range does not lie inside the record.
    const CPunto* Puntos(const unsigned int* registro, unsigned int parte,
                         unsigned int* numPuntos) const;
    // The same without exceptions: null (and a count of 0) on failure.
    const CPunto* BuscaPuntos(const unsigned int* registro, unsigned int parte,
                              unsigned int* numPuntos) const noexcept;
    // Box of the record (the point itself for point files), normalised. A null
    // shape gives a box of NaN that contains nothing; a damaged record throws
    // "ErrorOutOfLimits".
    CRectangulo Bnd(const unsigned int* registro) const;
    // The box of the record's points, whatever box the record stores: the
    // whole plane when a coordinate is not finite (where such a record shows
    // is for its own tests to say). False for null shapes and damaged records.
    bool CajaPuntos(const unsigned int* registro, CRectangulo& caja) const noexcept;
    // The records whose points' box (CajaPuntos) meets the rectangle
    // (closed), in increasing order, into `registros` (emptied first):
    // every record that can show in a view or be hit near a point, and few
    // others. The first call builds the spatial index of the layer in one
    // pass over its records, which it then keeps.
    void RegistrosEn(const CRectangulo& rectangulo, std::vector<unsigned int>& registros) const;
    // Maps the whole .shp now, ahead of a pass over every record; once.
    void Precarga();

    // Whether a closed ring (last point repeats the first) turns
    // counter-clockwise, that is, is a hole. False below 3 points.
    static bool EsUnHueco(const CPunto* anillo, unsigned int numPuntos);
    bool EsUnHueco(const unsigned int* registro, unsigned int parte) const;

    // Ring containment by crossing parity (half-open rule yi <= py < yj).
    static bool EsPuntoEnPoligono(const CPunto* anillo, unsigned int numPuntos,
                                  CPunto const& punto);
    // Ring containment by turning angle (the polygon test with tolerance; the
    // tolerance is not used by it).
    static bool EsPuntoEnPoligono(const CPunto* anillo, unsigned int numPuntos,
                                  CPunto const& punto, double tolerancia);
    // Record containment: outer rings containing the point must outnumber
    // holes containing it. Point files never contain; damaged records neither.
    bool EsPuntoEnPoligono(const unsigned int* registro, CPunto const& punto) const;
    // Record hit within the tolerance (map units): points within the open
    // square widened by it, polylines within the tolerance rounded to whole
    // units (at least 1) of a segment, also beside the record's box; polygons
    // by any ring containing the point (no hole counting); multipoints never.
    bool EsPuntoEnPoligono(const unsigned int* registro, CPunto const& punto,
                           double tolerancia) const;
    bool EsPuntoEnPoligono(unsigned int indice, CPunto const& punto) const;
    bool EsPuntoEnPoligono(unsigned int indice, CPunto const& punto, double tolerancia) const;

    // Index of the first record from `inicio` on (wrapping around) that
    // contains the point; "Poligono no encontrado" when none does, when the
    // file has no records or `inicio` is not below NumElementos(). Only the
    // records the spatial index finds near the point are tested.
    int PoligonoAlQuePertenece(CPunto const& punto, unsigned int inicio) const;
    int PoligonoAlQuePertenece(CPunto const& punto, unsigned int inicio, double tolerancia) const;

    // The attribute table, owned by this object; null only if creating it failed.
    CDbf* GetDBF() const { return tabla.get(); }
    int NumCampos() const;
    int InfoCampo(int campo, char* nombre, int& ancho, int& decimales) const;
    // Low 16 bits of the field's largest value (CDbf::MaxValorCampo).
    unsigned short MaxValorCampo(char const* nombre) const;
    unsigned short MaxValorCampo(int campo) const;  // 1-based

private:
    // Where the geometry of a record lies in the mapping, once checked.
    struct Geometria {
        unsigned int numPartes;
        unsigned int numPuntos;
        const unsigned char* partes;  // little-endian first-point indices
        const CPunto* puntos;
    };

    void Abre(const std::string& ruta, int* errorSistema);
    static bool AbreUnoDeLosDos(CFichero& fichero, const std::string& minusculas,
                                const std::string& mayusculas, int* errorSistema);
    void MapeaIndice();
    // Sets `danos` from the index and the table headers; `enIndice` is the
    // number of records the index lists.
    void RevisaDanos(std::uint64_t enIndice);
    // Whether record i, where the index places it, lies wholly inside the .shp.
    bool EntradaDentro(unsigned int i) const noexcept;
    // Byte position in the .shp of record i (below numElementos), as the
    // index gives it.
    std::uint64_t PosicionRegistro(unsigned int i) const noexcept;
    // Counts and array positions (from the record's start, 0 for none) of a
    // record, as its header declares them.
    struct Medidas {
        unsigned int numPartes = 0;
        unsigned int numPuntos = 0;
        std::uint64_t posPartes = 0;
        std::uint64_t posPuntos = 0;
    };

    bool Analiza(const unsigned int* registro, Geometria& geometria) const noexcept;
    // Checks the header at `r` (the first 52 bytes of the record at byte
    // `pos` of the file, wherever they were read) against the file's size
    // and type.
    bool MideCabeza(const unsigned char* r, std::uint64_t pos, Medidas& medidas) const noexcept;
    // Takes the spatial index kept for these files, or builds and keeps it.
    void ConstruyeIndice() const;
    // Builds the spatial index from every record's points (see RegistrosEn).
    std::unique_ptr<CIndiceEspacial> IndiceDeLosPuntos() const;
    // The box of the points (see CajaPuntos).
    bool CajaGeometria(const Geometria& geometria, CRectangulo& caja) const noexcept;
    static bool CajaDe(const CPunto* puntos, unsigned int numPuntos, CRectangulo& caja) noexcept;
    // CajaPuntos of the record at byte `pos` of the file whose bytes were
    // read to `r` (all of them, as its header gives their length).
    bool CajaLeida(const unsigned char* r, std::uint64_t pos, CRectangulo& caja) const noexcept;
    bool RangoParte(const Geometria& geometria, unsigned int parte, unsigned int& primero,
                    unsigned int& ultimo) const noexcept;
    bool RegistroEntero(const unsigned int* registro) const noexcept;
    bool ContieneConTolerancia(const unsigned int* registro, CPunto const& punto,
                               double tolerancia) const;
    // Where a record that holds the point, or is hit within the tolerance
    // (when given), must have points.
    CRectangulo ZonaDeBusqueda(CPunto const& punto, bool conTolerancia, double tolerancia) const;
    int PrimeroQueContiene(CPunto const& punto, unsigned int inicio, bool conTolerancia,
                           double tolerancia) const;

    int tipo;
    CRectangulo bnd;
    unsigned int numElementos;
    mutable CFichero shp;  // read, not changed, while the index is built
    CFichero shx;  // the index, mapped (its descriptor closed once mapped)
    const unsigned char* indice = nullptr;  // (offset, length) per record, big-endian as stored
    std::unique_ptr<CDbf> tabla;
    const unsigned char* base;
    std::uint64_t tamanoShp;
    unsigned int danos = 0;
    // Built on first need by RegistrosEn, then kept for the object's life.
    mutable std::unique_ptr<CIndiceEspacial> indiceEspacial;
    CCacheIndices::Clave claveCache{};
    bool conClaveCache = false;
    bool precargado = false;
};
