#pragma once
// Makes the connection string of a database from its path and connection
// type. Only SQLite (type 0) is known: its string is the file's path.
#include <wx/object.h>
#include <wx/string.h>

class CCreadorConexionBD : public wxObject {
public:
    static constexpr int kTipoSQLite = 0;
    static constexpr int kTipoInvalido = -1;

    // A known type stores the path as the connection string; any other type
    // becomes kTipoInvalido and leaves the string as it was.
    void CrearConexion(const wxString& ruta, int tipo);
    const wxString& GetCadenaConexion() const { return cadenaConexion; }
    int GetTipoConexion() const { return tipoConexion; }

private:
    wxString ruta;
    wxString cadenaConexion;
    int tipoConexion = kTipoInvalido;
};
