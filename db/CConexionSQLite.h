#pragma once
// The connection to an SQLite database file, through wxSQLite3. Every text
// crosses it as ISO-8859-1 bytes, both ways: statements and bound values are
// converted to ISO-8859-1 before they reach SQLite, and texts read back are
// taken byte by byte (byte 0xF1 becomes U+00F1), never through the wrapper's
// own UTF-8 conversion. The Spanish matching and ordering of CTextoEspanol
// are available on every connection.
//
// A file is opened without ever being created; a file that is not an SQLite
// database fails at once, when it is opened. Damaged files are read with
// SQLite's defensive settings, and the database's own schema is not trusted
// to run functions.
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include <wx/wxsqlite3.h>

#include "CConexionBD.h"

class CConexionSQLite : public CConexionBD {
public:
    // A value bound to a statement parameter (?1, ?2, ...): a text, bound as
    // its ISO-8859-1 bytes, an integer or a real number.
    using ValorSQL = std::variant<wxString, long long, double>;

    CConexionSQLite();
    ~CConexionSQLite() override;

    bool AbrirBD() override;
    void CerrarBD() override;
    bool EstaConectado() override;
    void Begin() override;
    void Commit() override;
    void RollBack() override;
    int ExecuteUpdate(const wxString& sql) override;
    int ExecuteScalar(const wxString& sql) override;
    // Table names are compared without regard to letter case, as SQLite does.
    bool ExisteTabla(const wxString& nombre) override;

    // Runs a query with its parameters bound; the rows are read one by one.
    // Database errors reach the caller as wxSQLite3Exception.
    wxSQLite3ResultSet ExecuteQuery(const wxString& sql, const std::vector<ValorSQL>& parametros = {});

    // A column of the current row: its text read as ISO-8859-1 (numbers as
    // SQLite writes them), `porDefecto` for NULL; or as an integer.
    static wxString GetTexto(wxSQLite3ResultSet& filas, const wxString& columna,
                             const wxString& porDefecto = wxEmptyString);
    static int GetEntero(wxSQLite3ResultSet& filas, const wxString& columna, int porDefecto = 0);

    // The name of an SQLite result code ("SQLITE_CANTOPEN").
    static wxString NombreError(const wxSQLite3Exception& error);

private:
    class BaseDatos;
    // Shows the error's name with that caption and marks the connection closed.
    void InformarFallo(const wxSQLite3Exception& error, const char* titulo);
    // Runs a transaction command on the open database; a failure is told.
    template <class Orden>
    void EnTransaccion(Orden orden);
    void CerrarSinAvisar();

    std::unique_ptr<BaseDatos> bd;

    wxDECLARE_DYNAMIC_CLASS_NO_COPY(CConexionSQLite);
};
