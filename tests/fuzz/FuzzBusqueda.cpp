// Fuzz target: the gazetteer's queries on a damaged database.
//
// The input is one byte n, then n bytes of the text a user types (ISO-8859-1,
// at most 40 bytes), then the database file. The file is opened as the
// viewer opens the bundled one, both name searches run with the text, and
// the location and contents queries run for every hit they list.
#include "FuzzObjetivos.h"

#include "CGestorBD.h"
#include "CMensajes.h"
#include "DirectorioPrueba.h"
#include "wxTextUtil.h"

#include <algorithm>
#include <string>

namespace {
// At most this many hits are followed up, so that a large table does not
// turn one input into thousands of queries.
constexpr std::size_t kMaxSeguidos = 8;

void SeguirResultados(CGestorBD& gestor, int mapa) {
    const auto& lista = gestor.GetListaResultado();
    const std::size_t seguidos = std::min(lista.size(), kMaxSeguidos);
    for (std::size_t i = 0; i < seguidos; ++i) {
        const CInfoTablaToponimo& registro = lista[i];
        const CInfoCapa capa = gestor.ObtenerInfoCapa(registro.GetValor(), registro.GetIdCapa());
        gestor.CapaTieneContenido(capa.GetRutaCapa(), registro.GetCodigo(), mapa);
    }
}
}  // namespace

int FuzzBusqueda(const std::uint8_t* datos, std::size_t tamano) {
    static const DirectorioPrueba directorio;
    SetReceptorMensajes([](const wxString&, const wxString&) {});
    if (tamano == 0) return 0;
    const std::size_t largoTexto = std::min<std::size_t>({datos[0], 40, tamano - 1});
    const wxString texto = wxTextUtil::std2wx(std::string(reinterpret_cast<const char*>(datos) + 1, largoTexto));
    const std::string ruta = directorio / "BDbusqueda.db";
    EscribirNuevo(ruta, datos + 1 + largoTexto, tamano - 1 - largoTexto);

    CGestorBD gestor;
    gestor.SetRutaDatosAplicacion(wxString::FromUTF8(directorio.Ruta().c_str()));
    if (!gestor.InicializarGestorBD(wxString::FromUTF8(ruta.c_str()), CGestorBD::kTipoSQLite)) return 0;
    for (int mapa = 1; mapa <= 3; ++mapa) {
        gestor.GenerarListaToponimos(texto, mapa);
        SeguirResultados(gestor, mapa);
    }
    gestor.GenerarListaMunicipios(texto);
    SeguirResultados(gestor, 3);
    return 0;
}
