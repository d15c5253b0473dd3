#pragma once
// How pupils expect names to be found and ordered, on ISO-8859-1 bytes (the
// gazetteer's texts): matching ignores letter case and accents ("cordoba"
// finds "Córdoba", "logrono" finds "Logroño"), and ordering follows the
// Spanish alphabet (letters first, "ñ" between "n" and "o"; accents and case
// only break ties, so "Écija" sorts among the E and before "Zújar").
//
// Both are given to SQLite on every connection (Registrar), so that the
// queries filter and sort inside the database without copying it: the SQL
// function vaq_contiene(texto, fragmento) and the collation ESPANOL.
#include <string>
#include <string_view>

struct sqlite3;

class CTextoEspanol {
public:
    static constexpr const char* kFuncionContiene = "vaq_contiene";
    static constexpr const char* kColacion = "ESPANOL";

    // The byte without accent and in lower case ('Á' -> 'a', 'Ñ' -> 'n',
    // 'Ç' -> 'c'); bytes that are not letters stay as they are.
    static unsigned char Plegar(unsigned char c);
    static std::string Plegar(std::string_view texto);

    // Whether `texto` holds `fragmento`, both compared folded. The empty
    // fragment is in every text.
    static bool Contiene(std::string_view texto, std::string_view fragmento);

    // Spanish order of two texts: < 0, 0 or > 0.
    static int Comparar(std::string_view a, std::string_view b);

    // Registers the function and the collation on an open connection; false
    // when SQLite refuses them.
    static bool Registrar(sqlite3* bd);
};
