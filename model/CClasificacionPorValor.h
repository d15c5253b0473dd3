#pragma once
#include "CClasificacion.h"
#include "CSimboloObj.h"
#include <wx/list.h>
#include <memory>

// Picks a symbol per feature from the value of one attribute field. The list
// holds CRepresentacionValor* (as CRepresentacion*); the theme loader inserts
// each new class at the front. Elements must be created with new; they are
// freed with the last classification that lists them (see
// CPropiedadRepresentaciones).
class CClasificacionPorValor : public CClasificacion {
public:
    CClasificacionPorValor();
    // A copy has the same type, field names and default symbol, and an empty list.
    CClasificacionPorValor(const CClasificacionPorValor& otra);
    ~CClasificacionPorValor();
    // Copies campo, descripcion and the default symbol; neither the list nor
    // the type.
    CClasificacionPorValor& operator=(const CClasificacionPorValor& otra);

    void SetCampo(const wxString& campo) { m_campo = campo; }
    wxString GetCampo() const { return m_campo; }
    void SetDescripcion(const wxString& descripcion) { m_descripcion = descripcion; }
    wxString GetDescripcion() const { return m_descripcion; }

    CSimboloObj* GetSimbologia() { return &m_simbologiaDefecto; }
    wxList* GetLista() const { return m_lista.get(); }
    // Default symbol: every field but transparente.
    void SetSimbologiaDefecto(int tipo, int estilo, const wxColour& colorRelleno,
                              const wxColour& colorBorde, int size, const wxString& fuente,
                              const wxString& fileFuente, int fontSize, int charIndex);

    // Symbol of the first class (in list order) whose value matches, else the
    // default symbol; never null. double: the class text converted as a whole
    // and exactly equal; wxString: exact text equality; int: the class text's
    // leading integer (0 without digits) equal.
    CSimboloObj* BuscaSimboloValor(double valor);
    CSimboloObj* BuscaSimboloValor(const wxString& valor);
    CSimboloObj* BuscaSimboloValor(int valor);

private:
    template <typename Coincide>
    CSimboloObj* BuscaPrimera(Coincide coincide);

    wxString m_campo;
    wxString m_descripcion;
    CSimboloObj m_simbologiaDefecto;
    std::unique_ptr<wxList> m_lista;
};
