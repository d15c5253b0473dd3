#include "CRepresentacion.h"
#include "wxTextUtil.h"
#include <climits>
#include <cstdlib>

bool CRepresentacion::ValorIgualA(const wxString& texto) const { return GetValor() == texto; }

bool CRepresentacion::GetValorDouble(double& valor) const {
    return TextoADouble(GetValor(), valor);
}

int CRepresentacion::GetValorEntero() const { return TextoAEntero(GetValor()); }

bool CRepresentacion::TextoADouble(const wxString& texto, double& valor) {
    // Theme files write values in C notation whatever the user's locale.
    return texto.ToCDouble(&valor);
}

int CRepresentacion::TextoAEntero(const wxString& texto) {
    const std::string bytes = wxTextUtil::wx2std(texto);
    const long valor = std::strtol(bytes.c_str(), nullptr, 10);
    if (valor > INT_MAX) return INT_MAX;
    if (valor < INT_MIN) return INT_MIN;
    return static_cast<int>(valor);
}
