#pragma once
#include <wx/colour.h>
#include <wx/object.h>
#include <wx/string.h>

// Base of the small in-memory shapes (map coordinates) that measurement, the
// scale bar, search results and the shapefile reader's hit tests use.
class CShapeObj : public wxObject {
public:
    CShapeObj() = default;
    ~CShapeObj() override = default;

    void SetColor(const wxColour& color) { m_color = color; }
    wxColour GetColor() const { return m_color; }
    void SetGrosor(int grosor) { m_grosor = grosor; }
    int GetGrosor() const { return m_grosor; }
    void SetDescripcion(const wxString& descripcion) { m_descripcion = descripcion; }
    wxString GetDescripcion() const { return m_descripcion; }
    void SetMostrarPropiedades(bool mostrar) { m_mostrarPropiedades = mostrar; }
    bool GetMostrarPropiedades() const { return m_mostrarPropiedades; }

private:
    wxColour m_color{0, 0, 0};
    int m_grosor = 0;
    wxString m_descripcion{"TXT_DESCRIP"};
    bool m_mostrarPropiedades = false;
};
