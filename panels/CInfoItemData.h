#pragma once
// What a content line of the information tree carries: the path of the
// picture and its description (a single blank until set: nothing to open).
#include <wx/string.h>
#include <wx/treebase.h>

class CInfoItemData : public wxTreeItemData {
public:
    CInfoItemData() = default;
    CInfoItemData(const wxString& descripcion, const wxString& contenido)
        : m_contenido(contenido), m_descripcion(descripcion) {}

    const wxString& GetContenido() const { return m_contenido; }
    void SetContenido(const wxString& contenido) { m_contenido = contenido; }
    const wxString& GetDescripcion() const { return m_descripcion; }
    void SetDescripcion(const wxString& descripcion) { m_descripcion = descripcion; }
    // Whether both the path and the description have been given.
    bool TieneContenido() const { return m_contenido != " " && m_descripcion != " "; }

private:
    wxString m_contenido{" "};
    wxString m_descripcion{" "};
};
