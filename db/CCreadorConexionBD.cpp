#include "CCreadorConexionBD.h"

void CCreadorConexionBD::CrearConexion(const wxString& nuevaRuta, int tipo) {
    ruta = nuevaRuta;
    if (tipo != kTipoSQLite) {
        tipoConexion = kTipoInvalido;
        return;
    }
    cadenaConexion = ruta;
    tipoConexion = kTipoSQLite;
}
