#include "CCapa.h"

wxIMPLEMENT_ABSTRACT_CLASS(CCapa, wxObject);

CCapa::CCapa() = default;

CCapa::~CCapa() = default;

std::vector<wxPoint> CCapa::LocElementoBusqueda(const wxRect&, const CExtensionMapa&,
                                                const CInfoCapa&) const {
    return {};
}

void CCapa::PintarElementoCapa(wxDC*, const wxRect&, const CExtensionMapa&, const CInfoCapa&) {}

void CCapa::SetEstadoCapa(int estado) {
    const bool conocido = estado >= ESTADO_SIN_DEFINIR && estado <= 2;
    estadoCapa = conocido ? estado : ESTADO_SIN_DEFINIR;
}

bool* CCapa::GetRelleno(bool* valor) const {
    if (valor) *valor = relleno;
    return valor;
}

void CCapa::SetPropiedadesSimbolo(int tipo, int estilo, wxColour colorRelleno,
                                  wxColour colorBorde, int size, wxString fuente, int fontSize,
                                  int charIndex) {
    simbolo.SetTipo(tipo);
    simbolo.SetEstilo(estilo);
    simbolo.SetColorRelleno(colorRelleno);
    simbolo.SetColorBorde(colorBorde);
    simbolo.SetSize(size);
    simbolo.SetFuente(fuente);
    simbolo.SetFontSize(fontSize);
    simbolo.SetCharIndex(charIndex);
}

void CCapa::GetPropiedadesSimbolo(int* tipo, int* estilo, wxColour* colorRelleno,
                                  wxColour* colorBorde, int* size, wxString* fuente,
                                  int* fontSize, int* charIndex) const {
    if (tipo) *tipo = simbolo.GetTipo();
    if (estilo) *estilo = simbolo.GetEstilo();
    if (colorRelleno) *colorRelleno = simbolo.GetColorRelleno();
    if (colorBorde) *colorBorde = simbolo.GetColorBorde();
    if (size) *size = simbolo.GetSize();
    if (fuente) *fuente = simbolo.GetFuente();
    if (fontSize) *fontSize = simbolo.GetFontSize();
    if (charIndex) *charIndex = simbolo.GetCharIndex();
}
