#pragma once
// The names of the shapefile reader's errors (thrown as constant character
// strings) and the sentences that tell a user what each means.
#include <wx/string.h>

class CErrorShape {
public:
    static constexpr const char* kAbriendoShx = "ErrorAbriendoShx";
    static constexpr const char* kAbriendoShp = "ErrorAbriendoShp";
    static constexpr const char* kLeyendo = "ErrorLeyendoShp/Shx";
    static constexpr const char* kNumeroSerie = "ErrorEnNumeroSerieShp/Shx";
    static constexpr const char* kTamanos = "ErrorEnTamanosShp/Shx";
    static constexpr const char* kVersion = "ErrorEnVersionShp/Shx";
    static constexpr const char* kTipoDeDato = "ErrorEnTipoDeDato";
    static constexpr const char* kMapeando = "ErrorMapeandoShp";
    static constexpr const char* kOutOfLimits = "ErrorOutOfLimits";
    static constexpr const char* kNoEncontrado = "Poligono no encontrado";

    // A sentence for the error `nombre` met opening the shapefile `archivo`
    // (its name as the user knows it, e.g. "Rios.shp"), such as "No se
    // encuentra el archivo índice .shx de Rios.shp". `errorSistema` is why
    // a file did not open (errno, or CFichero::kNoEsArchivoRegular; 0 when
    // unknown).
    static wxString Frase(const wxString& nombre, int errorSistema, const wxString& archivo);

    // A sentence for the damage the reader saw opening `archivo`
    // (CShape::GetDanos bits), such as "La tabla .dbf de Rios.shp tiene 3
    // filas para 5 elementos"; empty for none.
    static wxString FraseDanos(unsigned int danos, const wxString& archivo, int filasTabla,
                               unsigned int elementos);

private:
    // "<quién>" cannot be opened, for the reason `errorSistema`.
    static wxString FraseApertura(const wxString& quien, int errorSistema);
};
