#pragma once
// Where a gazetteer hit lies: the layer (its shapefile and its name on the
// map), the field that holds the searched name and that name, and the field
// and value of the feature's code, by which the layer finds the feature. A
// plain value; it travels with the locate event as the event's object.
#include <wx/object.h>
#include <wx/string.h>

class CInfoCapa : public wxObject {
public:
    CInfoCapa() = default;

    void SetCampoClasificacion(const wxString& campo) { campoClasificacion = campo; }
    const wxString& GetCampoClasificacion() const { return campoClasificacion; }
    void SetValorClasificacion(const wxString& valor) { valorClasificacion = valor; }
    const wxString& GetValorClasificacion() const { return valorClasificacion; }
    void SetRutaCapa(const wxString& ruta) { rutaCapa = ruta; }
    const wxString& GetRutaCapa() const { return rutaCapa; }
    void SetNombreCapa(const wxString& nombre) { nombreCapa = nombre; }
    const wxString& GetNombreCapa() const { return nombreCapa; }
    void SetCodigo(const wxString& valor) { codigo = valor; }
    const wxString& GetCodigo() const { return codigo; }
    void SetCampoCodigo(const wxString& campo) { campoCodigo = campo; }
    const wxString& GetCampoCodigo() const { return campoCodigo; }

private:
    wxString campoClasificacion;
    wxString valorClasificacion;
    wxString rutaCapa;
    wxString nombreCapa;
    wxString codigo;
    wxString campoCodigo;

    wxDECLARE_DYNAMIC_CLASS(CInfoCapa);
};
