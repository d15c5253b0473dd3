#include "CCampoTabla.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include "CShape.h"
#include "wxTextUtil.h"

namespace {
// Integer columns up to this width are read as integers by the table.
constexpr int kAnchoEnteroCorto = 4;
}  // namespace

CCampoTabla::CCampoTabla(const CShape& shape, CDbf* dbf, const wxString& nombre) : dbf(dbf) {
    if (!dbf || nombre.empty()) return;
    std::string bytes = wxTextUtil::wx2std(nombre);
    const int numero = dbf->NumCampo(&bytes[0]);
    if (numero <= 0) return;
    char nombreCampo[16] = {0};
    int anchoCampo = 0, decimalesCampo = 0;
    const int tipoCampo = shape.InfoCampo(numero - 1, nombreCampo, anchoCampo, decimalesCampo);
    if (tipoCampo < CampoTexto || tipoCampo > CampoInvalido || anchoCampo < 0) return;
    indice = numero - 1;
    tipo = static_cast<eDBFFieldType>(tipoCampo);
    ancho = anchoCampo;
    decimales = decimalesCampo;
    if (tipo == CampoTexto) buffer.assign(static_cast<size_t>(ancho) + 1, '\0');
}

bool CCampoTabla::EsEnteroCorto() const { return tipo == CampoEntero && ancho <= kAnchoEnteroCorto; }

const char* CCampoTabla::LeerTexto(int registro) {
    buffer[0] = '\0';
    dbf->ReadStringAttribute(registro, indice, buffer.data(), static_cast<int>(buffer.size()));
    buffer.back() = '\0';
    return buffer.data();
}

void CCampoTabla::LeerTexto(int registro, wxString& destino) { AsignarTexto(destino, LeerTexto(registro)); }

int CCampoTabla::LeerEntero(int registro) const {
    if (EsEnteroCorto()) return dbf->ReadIntegerAttribute(registro, indice);
    const double valor = dbf->ReadDoubleAttribute(registro, indice);
    if (std::isnan(valor)) return 0;
    if (valor >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (valor <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(valor);
}

void CCampoTabla::AsignarTexto(wxString& destino, const char* bytes) {
    size_t longitud = std::strlen(bytes);
    while (longitud > 0 && bytes[longitud - 1] == ' ') --longitud;
    wxTextUtil::AsignarLatin1(destino, bytes, longitud);
}
