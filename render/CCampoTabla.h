#pragma once
// A column of a shapefile layer's table, resolved once per paint (or search)
// by its name, and read feature by feature without allocating.
#include <vector>

#include <wx/string.h>

#include "CDbf.h"

class CShape;

class CCampoTabla {
public:
    // The column named `nombre` (letter case ignored) of the reader's table;
    // a column the table lacks, an empty name or a missing table give the
    // invalid type.
    CCampoTabla(const CShape& shape, CDbf* dbf, const wxString& nombre);

    eDBFFieldType GetTipo() const { return tipo; }
    int GetIndice() const { return indice; }  // 0-based
    int GetDecimales() const { return decimales; }
    // An integer column the table reads as an integer (up to 4 wide).
    bool EsEnteroCorto() const;

    // The raw text of a text column in record `registro` (width bytes as
    // stored, trailing blanks and all); valid until the next read.
    const char* LeerTexto(int registro);
    // The same without its trailing blanks, into `destino` (ISO-8859-1),
    // reusing the string's storage from feature to feature.
    void LeerTexto(int registro, wxString& destino);
    // An integer column; wide ones (which the table delivers as doubles
    // only) truncated toward zero and held within the int range.
    int LeerEntero(int registro) const;
    // A numeric column as a double (0 on failure).
    double LeerReal(int registro) const { return dbf->ReadDoubleAttribute(registro, indice); }

    // ISO-8859-1 bytes into `destino` without their trailing blanks.
    static void AsignarTexto(wxString& destino, const char* bytes);

private:
    CDbf* dbf;
    int indice = -1;
    eDBFFieldType tipo = CampoInvalido;
    int ancho = 0;
    int decimales = 0;
    std::vector<char> buffer;  // a text value: width + 1 bytes
};
