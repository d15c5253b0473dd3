#pragma once
// A content item of a feature: its description and the full path of its
// file (a picture under the data directory).
#include <wx/string.h>

class CInfoContenido {
public:
    CInfoContenido() = default;
    CInfoContenido(const wxString& descripcion, const wxString& contenido)
        : descripcion(descripcion), contenido(contenido) {}

    void SetDescripcion(const wxString& nueva) { descripcion = nueva; }
    const wxString& GetDescripcion() const { return descripcion; }
    void SetContenido(const wxString& nuevo) { contenido = nuevo; }
    const wxString& GetContenido() const { return contenido; }

private:
    wxString descripcion;
    wxString contenido;
};
