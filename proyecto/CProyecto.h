#pragma once
// A map project: a name, the path it was opened from, and the operations to
// create, open, save and close it.
#include <wx/string.h>

class wxWindow;

class CProyecto {
public:
    virtual ~CProyecto() = default;

    virtual void NuevoProyecto(const wxString& nombre) = 0;
    // Opens the project at `ruta`; true when it was loaded.
    virtual bool AbrirProyecto(wxWindow* padre, const wxString& ruta) = 0;
    virtual void GuardarProyecto(wxWindow* padre) = 0;
    virtual void CerrarProyecto(wxWindow* padre) = 0;
    virtual void GuardarProyectoXML(const wxString& ruta) = 0;

    void SetNombreProyecto(const wxString& nombre) { m_nombre = nombre; }
    wxString GetNombreProyecto() const { return m_nombre; }
    void SetRutaProyecto(const wxString& ruta) { m_ruta = ruta; }
    wxString GetRutaProyecto() const { return m_ruta; }

private:
    wxString m_nombre;
    wxString m_ruta;
};
