#include "CTextoEspanol.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using Tabla = std::array<unsigned char, 256>;
using Pesos = std::array<unsigned short, 256>;

// The letter in lower case, accent kept (ISO-8859-1 puts each capital 0x20
// below its small letter; 0xD7 is the multiplication sign).
unsigned char Minuscula(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    return c;
}

// The base letter of a small accented letter; the letter itself otherwise.
unsigned char SinAcento(unsigned char c) {
    if (c >= 0xE0 && c <= 0xE5) return 'a';
    if (c == 0xE7) return 'c';
    if (c >= 0xE8 && c <= 0xEB) return 'e';
    if (c >= 0xEC && c <= 0xEF) return 'i';
    if (c == 0xF1) return 'n';
    if ((c >= 0xF2 && c <= 0xF6) || c == 0xF8) return 'o';
    if (c >= 0xF9 && c <= 0xFC) return 'u';
    if (c == 0xFD || c == 0xFF) return 'y';
    return c;
}

const Tabla& Pliegue() {
    static const Tabla tabla = [] {
        Tabla t{};
        for (int c = 0; c < 256; ++c) t[c] = SinAcento(Minuscula(static_cast<unsigned char>(c)));
        return t;
    }();
    return tabla;
}

constexpr unsigned char kEnie = 0xF1;

// Three levels of comparison. First the alphabet: separators and signs
// (their own code), then digits, then letters, with the ñ right after n and
// the ligatures and old letters beside the letter they read as. Then the
// accent (none first), then the case (small first).
struct PesosEspanol {
    Pesos primario{};
    Pesos secundario{};
    Pesos terciario{};
};

unsigned short PesoLetra(unsigned char base) { return static_cast<unsigned short>(1000 + 2 * (base - 'a')); }

const PesosEspanol& PesosDeComparacion() {
    static const PesosEspanol pesos = [] {
        PesosEspanol p;
        for (int i = 0; i < 256; ++i) {
            const auto c = static_cast<unsigned char>(i);
            const unsigned char minuscula = Minuscula(c);
            const unsigned char base = Pliegue()[c];
            if (minuscula == kEnie)
                p.primario[i] = PesoLetra('n') + 1;
            else if (base >= 'a' && base <= 'z')
                p.primario[i] = PesoLetra(base);
            else if (base >= '0' && base <= '9')
                p.primario[i] = static_cast<unsigned short>(900 + (base - '0'));
            else if (minuscula == 0xE6)  // æ
                p.primario[i] = PesoLetra('a');
            else if (minuscula == 0xF0)  // ð
                p.primario[i] = PesoLetra('d');
            else if (minuscula == 0xFE)  // þ
                p.primario[i] = PesoLetra('t');
            else if (c == 0xDF)  // ß
                p.primario[i] = PesoLetra('s');
            else
                p.primario[i] = c;
            const bool acentuada = minuscula != base && minuscula != kEnie;
            p.secundario[i] = acentuada ? minuscula : 0;
            p.terciario[i] = minuscula != c ? 1 : 0;
        }
        return p;
    }();
    return pesos;
}

int CompararNivel(const Pesos& pesos, std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int pa = pesos[static_cast<unsigned char>(a[i])];
        const int pb = pesos[static_cast<unsigned char>(b[i])];
        if (pa != pb) return pa < pb ? -1 : 1;
    }
    return 0;
}

std::string_view Texto(sqlite3_value* valor) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(valor));
    return bytes ? std::string_view(bytes, static_cast<size_t>(sqlite3_value_bytes(valor)))
                 : std::string_view();
}

void LiberarFragmento(void* fragmento) { delete static_cast<std::string*>(fragmento); }

// vaq_contiene(texto, fragmento): 1 when texto holds fragmento, folded; NULL
// texts hold nothing. The folded fragment is kept with the statement, so it
// is folded once per query and not once per row.
void FuncionContiene(sqlite3_context* contexto, int, sqlite3_value** argumentos) {
    if (sqlite3_value_type(argumentos[0]) == SQLITE_NULL || sqlite3_value_type(argumentos[1]) == SQLITE_NULL) {
        sqlite3_result_int(contexto, 0);
        return;
    }
    auto* fragmento = static_cast<std::string*>(sqlite3_get_auxdata(contexto, 1));
    if (!fragmento) {
        fragmento = new std::string(CTextoEspanol::Plegar(Texto(argumentos[1])));
        sqlite3_set_auxdata(contexto, 1, fragmento, LiberarFragmento);
        // SQLite may have released it at once; read it again to be sure.
        fragmento = static_cast<std::string*>(sqlite3_get_auxdata(contexto, 1));
    }
    const bool contiene = fragmento ? CTextoEspanol::Contiene(Texto(argumentos[0]), *fragmento)
                                    : CTextoEspanol::Contiene(Texto(argumentos[0]),
                                                              CTextoEspanol::Plegar(Texto(argumentos[1])));
    sqlite3_result_int(contexto, contiene ? 1 : 0);
}

int ColacionEspanol(void*, int n1, const void* a, int n2, const void* b) {
    return CTextoEspanol::Comparar(std::string_view(static_cast<const char*>(a), static_cast<size_t>(n1)),
                                   std::string_view(static_cast<const char*>(b), static_cast<size_t>(n2)));
}

}  // namespace

unsigned char CTextoEspanol::Plegar(unsigned char c) { return Pliegue()[c]; }

std::string CTextoEspanol::Plegar(std::string_view texto) {
    std::string plegado(texto);
    for (char& c : plegado) c = static_cast<char>(Plegar(static_cast<unsigned char>(c)));
    return plegado;
}

bool CTextoEspanol::Contiene(std::string_view texto, std::string_view fragmento) {
    if (fragmento.empty()) return true;
    if (texto.size() < fragmento.size()) return false;
    const Tabla& pliegue = Pliegue();
    const auto primero = static_cast<unsigned char>(Plegar(static_cast<unsigned char>(fragmento[0])));
    const size_t ultimo = texto.size() - fragmento.size();
    for (size_t i = 0; i <= ultimo; ++i) {
        if (pliegue[static_cast<unsigned char>(texto[i])] != primero) continue;
        size_t j = 1;
        while (j < fragmento.size() && pliegue[static_cast<unsigned char>(texto[i + j])] ==
                                           pliegue[static_cast<unsigned char>(fragmento[j])])
            ++j;
        if (j == fragmento.size()) return true;
    }
    return false;
}

int CTextoEspanol::Comparar(std::string_view a, std::string_view b) {
    const PesosEspanol& pesos = PesosDeComparacion();
    if (const int r = CompararNivel(pesos.primario, a, b)) return r;
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    if (const int r = CompararNivel(pesos.secundario, a, b)) return r;
    if (const int r = CompararNivel(pesos.terciario, a, b)) return r;
    const int r = std::memcmp(a.data(), b.data(), a.size());
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool CTextoEspanol::Registrar(sqlite3* bd) {
    if (!bd) return false;
    const int opciones = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    return sqlite3_create_function_v2(bd, kFuncionContiene, 2, opciones, nullptr, FuncionContiene, nullptr,
                                      nullptr, nullptr) == SQLITE_OK &&
           sqlite3_create_collation_v2(bd, kColacion, SQLITE_UTF8, nullptr, ColacionEspanol, nullptr) ==
               SQLITE_OK;
}
