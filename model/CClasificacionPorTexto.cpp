#include "CClasificacionPorTexto.h"
#include "CPropiedadRepresentaciones.h"
#include "CRepresentacionTexto.h"

CClasificacionPorTexto::CClasificacionPorTexto() : m_lista(std::make_unique<wxList>()) {
    CPropiedadRepresentaciones::Registrar(m_lista.get());
}

CClasificacionPorTexto::CClasificacionPorTexto(const CClasificacionPorTexto& otra)
    : CClasificacion(otra), m_lista(std::make_unique<wxList>()) {
    CPropiedadRepresentaciones::Registrar(m_lista.get());
    *this = otra;
}

CClasificacionPorTexto::~CClasificacionPorTexto() {
    CPropiedadRepresentaciones::Liberar(m_lista.get());
}

CClasificacionPorTexto& CClasificacionPorTexto::operator=(const CClasificacionPorTexto& otra) {
    m_campo = otra.m_campo;
    m_campoDescripcion = otra.m_campoDescripcion;
    m_campoRotacion = otra.m_campoRotacion;
    m_simbologiaDefecto = otra.m_simbologiaDefecto;
    return *this;
}

void CClasificacionPorTexto::SetSimbologiaDefecto(const wxColour& colorTexto,
                                                  const wxColour& colorFondo, bool negrita,
                                                  bool cursiva, const wxString& fuente,
                                                  const wxString& fileFont, int fontSize) {
    m_simbologiaDefecto.SetValores(colorTexto, colorFondo, negrita, cursiva, fuente, fileFont,
                                   fontSize);
}

CSimboloTexto* CClasificacionPorTexto::BuscaSimboloTexto(int valor) {
    for (auto nodo = m_lista->GetFirst(); nodo; nodo = nodo->GetNext()) {
        auto* clase = static_cast<CRepresentacionTexto*>(nodo->GetData());
        if (clase && clase->GetValor() == valor) return clase->GetSimbologia();
    }
    return nullptr;
}
