#include "CClasificacionPorValor.h"
#include <wx/gdicmn.h>
#include "CPropiedadRepresentaciones.h"
#include "CRepresentacion.h"

CClasificacionPorValor::CClasificacionPorValor() : m_lista(std::make_unique<wxList>()) {
    m_simbologiaDefecto.SetValores(0, 0, *wxBLACK, *wxBLACK, 0, wxEmptyString, wxEmptyString,
                                   0, 0);
    CPropiedadRepresentaciones::Registrar(m_lista.get());
}

CClasificacionPorValor::CClasificacionPorValor(const CClasificacionPorValor& otra)
    : CClasificacion(otra), m_lista(std::make_unique<wxList>()) {
    CPropiedadRepresentaciones::Registrar(m_lista.get());
    *this = otra;
}

CClasificacionPorValor::~CClasificacionPorValor() {
    CPropiedadRepresentaciones::Liberar(m_lista.get());
}

CClasificacionPorValor& CClasificacionPorValor::operator=(const CClasificacionPorValor& otra) {
    m_campo = otra.m_campo;
    m_descripcion = otra.m_descripcion;
    m_simbologiaDefecto = otra.m_simbologiaDefecto;
    return *this;
}

void CClasificacionPorValor::SetSimbologiaDefecto(int tipo, int estilo,
                                                  const wxColour& colorRelleno,
                                                  const wxColour& colorBorde, int size,
                                                  const wxString& fuente,
                                                  const wxString& fileFuente, int fontSize,
                                                  int charIndex) {
    m_simbologiaDefecto.SetValores(tipo, estilo, colorRelleno, colorBorde, size, fuente,
                                   fileFuente, fontSize, charIndex);
}

template <typename Coincide>
CSimboloObj* CClasificacionPorValor::BuscaPrimera(Coincide coincide) {
    for (auto nodo = m_lista->GetFirst(); nodo; nodo = nodo->GetNext()) {
        auto* clase = static_cast<CRepresentacion*>(nodo->GetData());
        if (clase && coincide(*clase)) return clase->GetSimbologia();
    }
    return &m_simbologiaDefecto;
}

CSimboloObj* CClasificacionPorValor::BuscaSimboloValor(double valor) {
    return BuscaPrimera([valor](const CRepresentacion& clase) {
        double valorClase = 0.0;
        return clase.GetValorDouble(valorClase) && valorClase == valor;
    });
}

CSimboloObj* CClasificacionPorValor::BuscaSimboloValor(const wxString& valor) {
    return BuscaPrimera([&valor](const CRepresentacion& clase) { return clase.ValorIgualA(valor); });
}

CSimboloObj* CClasificacionPorValor::BuscaSimboloValor(int valor) {
    return BuscaPrimera(
        [valor](const CRepresentacion& clase) { return clase.GetValorEntero() == valor; });
}
