#include "CTextoEscala.h"

#include <cmath>

namespace {
bool EsDigito(wxUniChar c) { return c >= '0' && c <= '9'; }

// Blanks between groups of digits: space, no-break space, narrow no-break space.
bool EsEspacioMiles(wxUniChar c) { return c == ' ' || c == 0xA0 || c == 0x202F; }

class Lector {
public:
    explicit Lector(const wxString& texto) : m_texto(texto) {}

    bool Fin() const { return m_pos >= m_texto.length(); }
    wxUniChar Actual() const { return Fin() ? wxUniChar(0) : m_texto[m_pos]; }
    wxUniChar Siguiente(size_t n = 1) const {
        return m_pos + n < m_texto.length() ? m_texto[m_pos + n] : wxUniChar(0);
    }
    void Avanzar(size_t n = 1) { m_pos += n; }
    void SaltarBlancos() {
        while (!Fin() && (EsEspacioMiles(Actual()) || Actual() == '\t')) Avanzar();
    }
    // Digits from here on (none: empty).
    std::string Digitos() {
        std::string d;
        while (EsDigito(Actual())) {
            d += static_cast<char>(Actual().GetValue());
            Avanzar();
        }
        return d;
    }
    // True when a separator and exactly three digits follow (then a group ends).
    bool SigueGrupoMiles(wxUniChar separador) const {
        return Actual() == separador && EsDigito(Siguiente(1)) && EsDigito(Siguiente(2)) &&
               EsDigito(Siguiente(3)) && !EsDigito(Siguiente(4));
    }

private:
    const wxString& m_texto;
    size_t m_pos = 0;
};

// The optional "1:" in front.
void SaltarPrefijo(Lector& lector) {
    if (lector.Actual() != '1') return;
    size_t n = 1;
    while (EsEspacioMiles(lector.Siguiente(n))) ++n;
    if (lector.Siguiente(n) != ':') return;
    lector.Avanzar(n + 1);
    lector.SaltarBlancos();
}

// The whole part: plain digits, or one to three digits followed by groups of
// three, all groups with the same separator ("." or a blank).
bool LeerEntero(Lector& lector, std::string& entero, bool& agrupado) {
    entero = lector.Digitos();
    if (entero.empty()) return false;
    agrupado = false;
    if (entero.size() > 3) return true;
    wxUniChar separador = 0;
    if (lector.SigueGrupoMiles('.'))
        separador = '.';
    else if (EsEspacioMiles(lector.Actual()) && lector.SigueGrupoMiles(lector.Actual()))
        separador = lector.Actual();
    while (separador != 0 && lector.SigueGrupoMiles(separador)) {
        lector.Avanzar();
        entero += lector.Digitos();
        agrupado = true;
    }
    return true;
}
}  // namespace

bool CTextoEscala::Leer(const wxString& texto, double& escala) {
    Lector lector(texto);
    lector.SaltarBlancos();
    SaltarPrefijo(lector);
    std::string numero;
    bool agrupado = false;
    if (!LeerEntero(lector, numero, agrupado)) return false;
    // A decimal part: after "," always; after "." only when the dot did not
    // separate thousands.
    if (lector.Actual() == ',' || (!agrupado && lector.Actual() == '.')) {
        lector.Avanzar();
        const std::string decimales = lector.Digitos();
        if (decimales.empty()) return false;
        numero += "." + decimales;
    }
    lector.SaltarBlancos();
    if (!lector.Fin()) return false;
    // Only ASCII digits and one "." are left, read whatever the locale.
    double valor = 0.0;
    if (!wxString(numero).ToCDouble(&valor) || !std::isfinite(valor)) return false;
    escala = valor;
    return true;
}
