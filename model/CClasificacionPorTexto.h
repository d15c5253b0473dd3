#pragma once
#include "CClasificacion.h"
#include "CSimboloTexto.h"
#include <wx/list.h>
#include <memory>

// Labels (place names): the integer field `campo` picks the label style among
// the classes, `campoDescripcion` gives the text and `campoRotacion` the
// angle. The list holds CRepresentacionTexto*, created with new and freed with
// the last classification that lists them (see CPropiedadRepresentaciones).
class CClasificacionPorTexto : public CClasificacion {
public:
    CClasificacionPorTexto();
    // A copy has the same type, field names and default style, and an empty list.
    CClasificacionPorTexto(const CClasificacionPorTexto& otra);
    ~CClasificacionPorTexto();
    // Copies the three field names and the default style, not the list nor the type.
    CClasificacionPorTexto& operator=(const CClasificacionPorTexto& otra);

    void SetCampo(const wxString& campo) { m_campo = campo; }
    wxString GetCampo() const { return m_campo; }
    void SetCampoDescripcion(const wxString& campo) { m_campoDescripcion = campo; }
    wxString GetCampoDescripcion() const { return m_campoDescripcion; }
    void SetCampoRotacion(const wxString& campo) { m_campoRotacion = campo; }
    wxString GetCampoRotacion() const { return m_campoRotacion; }

    CSimboloTexto* GetSimbologiaDefecto() { return &m_simbologiaDefecto; }
    wxList* GetLista() const { return m_lista.get(); }
    void SetSimbologiaDefecto(const wxColour& colorTexto, const wxColour& colorFondo,
                              bool negrita, bool cursiva, const wxString& fuente,
                              const wxString& fileFont, int fontSize);

    // Style of the first class (in list order) whose value equals `valor`;
    // null when none does. The default style is deliberately not used in its
    // place: a feature without a class gets no label.
    CSimboloTexto* BuscaSimboloTexto(int valor);

private:
    wxString m_campo;
    wxString m_campoDescripcion;
    wxString m_campoRotacion{"ROTACION"};
    CSimboloTexto m_simbologiaDefecto;
    std::unique_ptr<wxList> m_lista;
};
