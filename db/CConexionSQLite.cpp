#include "CConexionSQLite.h"

#include <sqlite3.h>

#include "CMensajes.h"
#include "CTextoEspanol.h"
#include "wxTextUtil.h"

wxIMPLEMENT_DYNAMIC_CLASS(CConexionSQLite, CConexionBD);

// The wrapper's database with SQLite's own handle in reach, for the settings
// and the functions that the wrapper does not offer.
class CConexionSQLite::BaseDatos : public wxSQLite3Database {
public:
    sqlite3* Manejador() { return static_cast<sqlite3*>(GetDatabaseHandle()); }
};

namespace {

const char* const kNombresError[] = {
    "SQLITE_OK",       "SQLITE_ERROR",    "SQLITE_INTERNAL", "SQLITE_PERM",       "SQLITE_ABORT",
    "SQLITE_BUSY",     "SQLITE_LOCKED",   "SQLITE_NOMEM",    "SQLITE_READONLY",   "SQLITE_INTERRUPT",
    "SQLITE_IOERR",    "SQLITE_CORRUPT",  "SQLITE_NOTFOUND", "SQLITE_FULL",       "SQLITE_CANTOPEN",
    "SQLITE_PROTOCOL", "SQLITE_EMPTY",    "SQLITE_SCHEMA",   "SQLITE_TOOBIG",     "SQLITE_CONSTRAINT",
    "SQLITE_MISMATCH", "SQLITE_MISUSE",   "SQLITE_NOLFS",    "SQLITE_AUTH",       "SQLITE_FORMAT",
    "SQLITE_RANGE",    "SQLITE_NOTADB",   "SQLITE_NOTICE",   "SQLITE_WARNING"};

std::string Latin1(const wxString& texto) { return wxTextUtil::wx2std(texto); }

const char* const kTituloAbrir = "Error CConexionSQLite::AbrirBD";
const char* const kTituloConexion = "Error conexion BD";

}  // namespace

CConexionSQLite::CConexionSQLite() : bd(std::make_unique<BaseDatos>()) {}

CConexionSQLite::~CConexionSQLite() { CerrarSinAvisar(); }

wxString CConexionSQLite::NombreError(const wxSQLite3Exception& error) {
    if (error.GetExtendedErrorCode() == WXSQLITE_ERROR) return wxS("WXSQLITE_ERROR");
    const int codigo = error.GetErrorCode();
    if (codigo == SQLITE_ROW) return wxS("SQLITE_ROW");
    if (codigo == SQLITE_DONE) return wxS("SQLITE_DONE");
    if (codigo >= 0 && codigo < static_cast<int>(std::size(kNombresError))) return kNombresError[codigo];
    return wxString::Format(wxS("SQLITE_%d"), codigo);
}

void CConexionSQLite::InformarFallo(const wxSQLite3Exception& error, const char* titulo) {
    MostrarMensaje(NombreError(error), wxString::FromUTF8(titulo), wxOK | wxICON_ERROR);
    estado = ESTADO_CERRADA;
}

void CConexionSQLite::CerrarSinAvisar() {
    try {
        if (bd->IsOpen()) bd->Close();
    } catch (const wxSQLite3Exception&) {
        // The handle is released by SQLite once its statements are gone.
    }
    estado = ESTADO_CERRADA;
}

bool CConexionSQLite::AbrirBD() {
    if (cadenaConexion.empty()) {
        MostrarMensaje(wxS("La cadena de conexion no esta creada.\nPrimero asigne la cadena de conexion y "
                           "vuelva a intentar abrir la base de datos."),
                       wxS("Informacion Error"), wxOK | wxICON_INFORMATION);
        estado = ESTADO_CERRADA;
        return false;
    }
    CerrarSinAvisar();
    try {
        // Never WXSQLITE_OPEN_CREATE: a missing file is an error, not a new
        // empty database left behind.
        bd->Open(cadenaConexion, wxEmptyString, soloLectura ? WXSQLITE_OPEN_READONLY : WXSQLITE_OPEN_READWRITE);
        sqlite3* manejador = bd->Manejador();
        sqlite3_db_config(manejador, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(manejador, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        bd->ExecuteUpdate("PRAGMA cell_size_check = ON");
        // Reading the schema now makes a file that is not a database (or
        // whose first page is damaged) fail here rather than at a search.
        bd->ExecuteScalar("SELECT COUNT(*) FROM sqlite_master");
        if (!CTextoEspanol::Registrar(manejador))
            throw wxSQLite3Exception(sqlite3_errcode(manejador), wxS("registro de funciones"));
    } catch (const wxSQLite3Exception& error) {
        CerrarSinAvisar();
        InformarFallo(error, kTituloAbrir);
        return false;
    }
    estado = ESTADO_ABIERTA;
    return true;
}

void CConexionSQLite::CerrarBD() {
    if (estado != ESTADO_ABIERTA) return;
    try {
        bd->Close();
        estado = ESTADO_CERRADA;
    } catch (const wxSQLite3Exception& error) {
        InformarFallo(error, kTituloConexion);
    }
}

bool CConexionSQLite::EstaConectado() {
    if (estado != ESTADO_ABIERTA) return false;
    try {
        bd->ExecuteScalar("SELECT COUNT(*) FROM sqlite_master WHERE type='table'");
        return true;
    } catch (const wxSQLite3Exception& error) {
        InformarFallo(error, kTituloConexion);
        return false;
    }
}

template <class Orden>
void CConexionSQLite::EnTransaccion(Orden orden) {
    if (!EstaConectado()) return;
    try {
        orden();
    } catch (const wxSQLite3Exception& error) {
        InformarFallo(error, kTituloConexion);
    }
}

void CConexionSQLite::Begin() {
    EnTransaccion([this] { bd->Begin(); });
}

void CConexionSQLite::Commit() {
    EnTransaccion([this] { bd->Commit(); });
}

void CConexionSQLite::RollBack() {
    EnTransaccion([this] { bd->Rollback(); });
}

int CConexionSQLite::ExecuteUpdate(const wxString& sql) { return bd->ExecuteUpdate(Latin1(sql).c_str()); }

int CConexionSQLite::ExecuteScalar(const wxString& sql) { return bd->ExecuteScalar(Latin1(sql).c_str()); }

bool CConexionSQLite::ExisteTabla(const wxString& nombre) {
    wxSQLite3ResultSet filas = ExecuteQuery(
        wxS("SELECT COUNT(*) AS n FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE"),
        {nombre});
    return filas.NextRow() && GetEntero(filas, wxS("n")) > 0;
}

wxSQLite3ResultSet CConexionSQLite::ExecuteQuery(const wxString& sql, const std::vector<ValorSQL>& parametros) {
    wxSQLite3Statement sentencia = bd->PrepareStatement(Latin1(sql).c_str());
    int indice = 1;
    for (const ValorSQL& valor : parametros) {
        if (const auto* texto = std::get_if<wxString>(&valor))
            sentencia.Bind(indice, Latin1(*texto).c_str());  // copied by SQLite, as text
        else if (const auto* entero = std::get_if<long long>(&valor))
            sentencia.Bind(indice, wxLongLong(*entero));
        else
            sentencia.Bind(indice, std::get<double>(valor));
        ++indice;
    }
    return sentencia.ExecuteQuery();
}

wxString CConexionSQLite::GetTexto(wxSQLite3ResultSet& filas, const wxString& columna, const wxString& porDefecto) {
    const int indice = filas.FindColumnIndex(columna);
    if (filas.IsNull(indice)) return porDefecto;
    int longitud = 0;
    // The bytes as stored: sqlite3_column_blob does no text conversion.
    const unsigned char* bytes = filas.GetBlob(indice, longitud);
    wxString texto;
    wxTextUtil::AsignarLatin1(texto, reinterpret_cast<const char*>(bytes), bytes ? static_cast<size_t>(longitud) : 0);
    return texto;
}

int CConexionSQLite::GetEntero(wxSQLite3ResultSet& filas, const wxString& columna, int porDefecto) {
    return filas.GetInt(columna, porDefecto);
}
