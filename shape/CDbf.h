#pragma once
// Read-only access to a dBASE III attribute table (.dbf), field by field.
//
// The table is memory-mapped read-only; every read is checked against the
// record and the file, so a damaged or lying header gives fewer records or
// fields (reads answer false), never a read outside the file. Texts are the
// bytes as stored (ISO-8859-1); convert them with wxTextUtil.
#include "CFichero.h"

#include <cstdint>
#include <vector>

// Kind of a field as GetFieldInfo reports it.
enum eDBFFieldType {
    CampoTexto = 0,   // every type letter other than N, D, F
    CampoEntero = 1,  // N, D or F without decimals
    CampoReal = 2,   // N, D or F with decimals
    CampoInvalido = 3   // field index out of range
};

class CDbf {
public:
    // Opens an existing table. The mode must be exactly "r", "r+", "rb" or
    // "rb+" (the table is only read in any of them); any other mode, a missing
    // file or a header of 0 records leave a table without fields or records.
    CDbf(char const* ruta, char const* modo);
    ~CDbf();
    CDbf(const CDbf&) = delete;
    CDbf& operator=(const CDbf&) = delete;

    // Records that the file really holds (at most what the header says).
    int GetRecordCount() const { return numRegistros; }
    // True when the header lies about the records (a header or record length
    // of 0, fewer records in the file than it declares, fields beyond the
    // record): some values cannot be read.
    bool Danada() const { return danada; }
    int GetFieldCount() const { return static_cast<int>(campos.size()); }

    // Kind of the field; writes its width and decimals and, when `nombre` is
    // given (12 bytes at least), its name without padding. CampoInvalido, and
    // nothing written, for an index out of range.
    eDBFFieldType GetFieldInfo(int campo, char* nombre, int& ancho, int& decimales) const;
    // 1-based index of the first field with that name (letter case ignored),
    // 0 when there is none.
    int NumCampo(char const* nombre) const;

    // Makes the record current; false when the index is out of range.
    bool ReadRecord(int registro);
    // Raw read. With a null destination `tamano` receives the field's width.
    // Otherwise `tamano` is the destination's capacity in bytes: text fields
    // copy at most tamano - 1 bytes and a NUL; numeric fields store an int
    // when they have no decimals and a width of at most 4, a double otherwise
    // (false when the capacity is too small for it).
    bool ReadAttribute(int registro, int campo, void* destino, int& tamano);
    // The field's text as stored (trailing spaces kept), of any kind of field:
    // at most tamano - 1 bytes followed by a NUL. On failure the buffer holds
    // an empty text. Returns the buffer.
    char* ReadStringAttribute(int registro, int campo, char* buffer, int tamano);
    // Numeric value of a numeric field (blank is 0). The integer read of a
    // field with decimals or wider than 4 truncates toward zero; the double
    // read of a narrow integer field gives its integer value.
    bool ReadDoubleAttribute(int registro, int campo, double& valor);
    double ReadDoubleAttribute(int registro, int campo);  // 0 on failure
    bool ReadIntegerAttribute(int registro, int campo, int& valor);
    int ReadIntegerAttribute(int registro, int campo);  // 0 on failure

    // Largest integer value of a numeric field over all records, compared as
    // unsigned 32-bit values; 0 for a field index below 1 (1-based), an unknown
    // name, a text field or a table without records.
    unsigned int MaxValorCampo(int campo);
    unsigned int MaxValorCampo(char const* nombre);

    // Closes the table; afterwards it has no records and no fields.
    void Close();

private:
    struct Campo {
        char nombre[12];
        char tipo;
        std::uint16_t ancho;
        std::uint16_t decimales;
        std::uint32_t desplazamiento;  // from the record's first byte (deletion flag)
        std::uint16_t almacenamiento;
        bool numerico;
    };

    void LeeCabecera();
    // The field's bytes in the record, or null when the record or the field
    // lies outside the table.
    const char* BytesCampo(int registro, int campo) const;
    bool ValorNumerico(const char* texto, const Campo& campo, bool& esEntero,
                       int& entero, double& real) const;
    // Both readings of a numeric field; false outside the table or for text.
    bool LeeNumero(int registro, int campo, int& entero, double& real);

    CFichero fichero;
    const unsigned char* datos;
    std::uint64_t tamanoFichero;
    int numRegistros;
    int longitudRegistro;
    int longitudCabecera;
    std::vector<Campo> campos;
    int registroActual;
    bool danada = false;
};
