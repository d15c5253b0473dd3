#include "CErrorShape.h"

#include <cerrno>

#include <wx/arrstr.h>

#include "CFichero.h"
#include "CShape.h"

wxString CErrorShape::Frase(const wxString& nombre, int errorSistema, const wxString& archivo) {
    const wxString indice = wxString::FromUTF8("su índice .shx");
    if (nombre == kAbriendoShx)
        return FraseApertura(wxString::FromUTF8("el archivo índice .shx de ") + archivo, errorSistema);
    if (nombre == kAbriendoShp) return FraseApertura("el archivo " + archivo, errorSistema);
    if (nombre == kLeyendo)
        return archivo + wxString::FromUTF8(" o ") + indice +
               wxString::FromUTF8(" está vacío o cortado");
    if (nombre == kNumeroSerie)
        return archivo + " o " + indice + wxString::FromUTF8(" no es un archivo shapefile");
    if (nombre == kTamanos)
        return archivo + " o " + indice +
               wxString::FromUTF8(" está cortado o dañado: no mide lo que dice su cabecera");
    if (nombre == kVersion)
        return archivo + " o " + indice +
               wxString::FromUTF8(" tiene una versión del formato que el visor no conoce");
    if (nombre == kTipoDeDato)
        return archivo + wxString::FromUTF8(" tiene un tipo de geometría que el visor no dibuja");
    if (nombre == kMapeando)
        return wxString::FromUTF8("El sistema no ha podido leer ") + archivo +
               wxString::FromUTF8(" en memoria");
    return wxString::FromUTF8("No se puede abrir ") + archivo + " (" + nombre + ")";
}

wxString CErrorShape::FraseDanos(unsigned int danos, const wxString& archivo, int filasTabla,
                                 unsigned int elementos) {
    wxArrayString frases;
    const wxString indice = wxString::FromUTF8("El índice .shx de ") + archivo;
    if (danos & CShape::IndiceFueraDelShp)
        frases.Add(indice + wxString::FromUTF8(" sitúa registros fuera del archivo, que no se dibujan"));
    if (danos & CShape::IndiceDemasiadoLargo)
        frases.Add(indice + wxString::FromUTF8(" lista más registros de los que caben en el archivo"));
    const wxString tabla = wxString::FromUTF8("La tabla .dbf de ") + archivo;
    if (danos & CShape::TablaDanada)
        frases.Add(tabla + wxString::FromUTF8(" está dañada: faltan datos de algunos elementos"));
    if (danos & CShape::TablaDeOtroTamano)
        frases.Add(tabla + wxString::Format(wxString::FromUTF8(" tiene %d filas para %u elementos"),
                                            filasTabla, elementos));
    wxString texto;
    for (const wxString& frase : frases) texto += (texto.empty() ? "" : ". ") + frase;
    return texto;
}

wxString CErrorShape::FraseApertura(const wxString& quien, int errorSistema) {
    switch (errorSistema) {
    case ENOENT:
    case ENOTDIR:
        return wxString::FromUTF8("No se encuentra ") + quien;
    case EACCES:
    case EPERM:
        return wxString::FromUTF8("No hay permiso para leer ") + quien;
    case EMFILE:
    case ENFILE:
        return wxString::FromUTF8("Hay demasiados archivos abiertos para abrir ") + quien;
    case CFichero::kNoEsArchivoRegular: {
        wxString texto = quien;
        texto[0] = wxToupper(texto[0]);
        return texto + wxString::FromUTF8(" no es un archivo normal");
    }
    case 0:
        return wxString::FromUTF8("No se puede abrir ") + quien;
    default:
        return wxString::Format(wxString::FromUTF8("No se puede abrir %s (error %d del sistema)"),
                                quien, errorSistema);
    }
}
