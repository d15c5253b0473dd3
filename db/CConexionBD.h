#pragma once
// A connection to a database, as the gazetteer manager sees it: the
// connection string names the database (for SQLite, its file), the state says
// whether it is open. The one implementation is CConexionSQLite.
#include <wx/object.h>
#include <wx/string.h>

class CConexionBD : public wxObject {
public:
    static constexpr int ESTADO_CERRADA = 0;
    static constexpr int ESTADO_ABIERTA = 1;

    CConexionBD() = default;
    ~CConexionBD() override = default;
    CConexionBD(const CConexionBD&) = delete;
    CConexionBD& operator=(const CConexionBD&) = delete;

    // Opening, closing and the transaction calls report their failures to
    // the user and leave the connection closed; they never throw.
    virtual bool AbrirBD() = 0;
    virtual void CerrarBD() = 0;
    // Open and answering: a first query succeeds.
    virtual bool EstaConectado() = 0;
    virtual void Begin() = 0;
    virtual void Commit() = 0;
    virtual void RollBack() = 0;
    // These pass database errors on to the caller as exceptions.
    virtual int ExecuteUpdate(const wxString& sql) = 0;
    virtual int ExecuteScalar(const wxString& sql) = 0;
    virtual bool ExisteTabla(const wxString& nombre) = 0;

    void SetCadenaConexion(const wxString& cadena) { cadenaConexion = cadena; }
    const wxString& GetCadenaConexion() const { return cadenaConexion; }
    void SetNombreBD(const wxString& nombre) { nombreBD = nombre; }
    const wxString& GetNombreBD() const { return nombreBD; }
    // A read-only connection can write nothing, not even a journal; set it
    // before AbrirBD.
    void SetSoloLectura(bool soloLectura) { this->soloLectura = soloLectura; }
    bool GetSoloLectura() const { return soloLectura; }

protected:
    wxString cadenaConexion;
    wxString nombreBD;
    int estado = ESTADO_CERRADA;
    bool soloLectura = false;
};
