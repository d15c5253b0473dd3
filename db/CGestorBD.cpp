#include "CGestorBD.h"

#include <algorithm>

#include "CCreadorConexionBD.h"
#include "CMensajes.h"
#include "CTextoEspanol.h"

namespace {

void Aviso(const wxString& texto, const wxString& titulo) { MostrarMensaje(texto, titulo, wxOK | wxICON_ERROR); }

// The collation that sorts names as a Spanish reader expects.
wxString OrdenEspanol(const wxString& columna) {
    return columna + wxS(" COLLATE ") + CTextoEspanol::kColacion;
}

// "vaq_contiene(columna, ?1)": the column holds the bound text, folded.
wxString Contiene(const wxString& columna) {
    return wxString(CTextoEspanol::kFuncionContiene) + wxS("(") + columna + wxS(", ?1)");
}

// A code as a contents query compares it: numeric codes by value (before a
// decimal comma), any other as its text; blanks around it never count.
CConexionSQLite::ValorSQL CodigoElemento(wxString codigo, bool numerico) {
    codigo.Trim(true).Trim(false);
    if (!numerico) return codigo;
    codigo = codigo.BeforeFirst(',');
    long long entero = 0;
    if (codigo.ToLongLong(&entero)) return entero;
    double real = 0.0;
    if (codigo.ToCDouble(&real)) return real;
    return codigo;
}

}  // namespace

CGestorBD::CGestorBD() = default;

CGestorBD::~CGestorBD() = default;

bool CGestorBD::InicializarGestorBD(const wxString& ruta, int tipo) {
    rutaBD = ruta;
    tipoConexion = tipo;
    CrearCadenaConexion();
    if (ConectarBD()) return true;
    Aviso(wxS("No se  ha podido establecer la conexion con la BD."), wxS("Error Conexion"));
    return false;
}

void CGestorBD::CrearCadenaConexion() {
    cadenaConexion.clear();
    if (rutaBD.empty()) {
        Aviso(wxS("No existe la ruta de la BD."), wxS("Error CrearCadenaConexion"));
        return;
    }
    if (tipoConexion == CCreadorConexionBD::kTipoInvalido) {
        Aviso(wxS("El tipo de conexion no es valida."), wxS("Error CrearCadenaConexion"));
        return;
    }
    CCreadorConexionBD creador;
    creador.CrearConexion(rutaBD, tipoConexion);
    cadenaConexion = creador.GetCadenaConexion();
}

bool CGestorBD::ConectarBD() {
    if (cadenaConexion.empty()) {
        Aviso(wxS("La cadena de conexion no es valida."), wxS("Error ConectarBD"));
        return false;
    }
    if (conexion && conexion->EstaConectado()) conexion->CerrarBD();
    conexion.reset();
    if (tipoConexion != kTipoSQLite) return false;
    auto nueva = std::make_unique<CConexionSQLite>();
    nueva->SetCadenaConexion(cadenaConexion);
    // The gazetteer is only read: it may lie in a directory nobody writes to.
    nueva->SetSoloLectura(true);
    if (!nueva->AbrirBD()) return false;
    nombreBD = GetNombreBDOfRuta(rutaBD);
    nueva->SetNombreBD(nombreBD);
    conexion = std::move(nueva);
    return true;
}

wxString CGestorBD::GetNombreBDOfRuta(const wxString& ruta) const {
    if (ruta.empty()) return wxString();
    const wxString archivo = ruta.AfterLast('/').AfterLast('\\');
    const size_t extension = tipoConexion == kTipoSQLite ? 3 : 4;
    return archivo.length() > extension ? archivo.Left(archivo.length() - extension) : wxString();
}

void CGestorBD::DesconectarBD() {
    if (conexion && conexion->EstaConectado()) conexion->CerrarBD();
}

bool CGestorBD::EstaConectado() { return conexion && conexion->EstaConectado(); }

CConexionSQLite* CGestorBD::ObtenerConexionSQLite() { return EstaConectado() ? conexion.get() : nullptr; }

bool CGestorBD::ComprobarTabla(const wxString& tabla) {
    try {
        if (conexion->ExisteTabla(tabla)) return true;
        Aviso(wxS("No existe la tabla ") + tabla, wxS("Error lectura tabla"));
    } catch (const wxSQLite3Exception& error) {
        Aviso(wxString::Format(wxS("No se ha podido leer la base de datos (%s)."), CConexionSQLite::NombreError(error)),
              wxS("Error lectura tabla"));
    }
    return false;
}

bool CGestorBD::Consultar(const wxString& tabla, const wxString& sql, const Parametros& parametros,
                          const LectorFila& leer) {
    try {
        wxSQLite3ResultSet filas = conexion->ExecuteQuery(sql, parametros);
        while (filas.NextRow()) leer(filas);
        return true;
    } catch (const wxSQLite3Exception& error) {
        Aviso(wxString::Format(wxS("No se ha podido leer la tabla %s (%s)."), tabla, CConexionSQLite::NombreError(error)),
              wxS("Error lectura tabla"));
        return false;
    }
}

void CGestorBD::GenerarLista(const wxString& tabla, const wxString& sql, const Parametros& parametros,
                             const wxString& columnaCodigo, const wxString& columnaValor) {
    listaResultado.clear();
    if (EstaConectado() && ComprobarTabla(tabla)) {
        const bool leida = Consultar(tabla, sql, parametros, [&](wxSQLite3ResultSet& filas) {
            listaResultado.emplace_back(CConexionSQLite::GetTexto(filas, columnaValor),
                                        CConexionSQLite::GetTexto(filas, columnaCodigo),
                                        CConexionSQLite::GetEntero(filas, wxS("CAPA_BUSQUEDA_ID")));
        });
        // Half a list would look like the whole answer.
        if (!leida) listaResultado.clear();
    }
    hayResultados = !listaResultado.empty();
    if (!hayResultados) listaResultado.emplace_back(TextoSinRegistros(), wxString(), 0);
}

void CGestorBD::GenerarListaToponimos(const wxString& texto, int mapa) {
    GenerarLista(wxS("Toponimo"),
                 wxS("SELECT CODIGO, VALOR, CAPA_BUSQUEDA_ID, CAPABUSQUEDA_ID FROM Toponimo, Capa_de_busqueda "
                     " WHERE ") + Contiene(wxS("VALOR")) +
                     wxS(" AND CAPABUSQUEDA_ID = CAPA_BUSQUEDA_ID AND MAPA_ID = ?2 ORDER BY ") +
                     OrdenEspanol(wxS("VALOR")) + wxS(", CODIGO"),
                 {texto, static_cast<long long>(mapa)}, wxS("CODIGO"), wxS("VALOR"));
}

void CGestorBD::GenerarListaMunicipios(const wxString& texto) {
    GenerarLista(wxS("Municipios"),
                 wxS("SELECT COD_MUN, NOMBRE, CAPA_BUSQUEDA_ID FROM Municipios WHERE ") + Contiene(wxS("NOMBRE")) +
                     wxS(" ORDER BY ") + OrdenEspanol(wxS("NOMBRE")) + wxS(", COD_MUN"),
                 {texto}, wxS("COD_MUN"), wxS("NOMBRE"));
}

CInfoCapa CGestorBD::ObtenerInfoCapa(const wxString& valor, int idCapaBusqueda) {
    CInfoCapa info;
    if (!EstaConectado()) return info;
    int idCapa = idCapaBusqueda;
    if (ComprobarTabla(wxS("Capa_de_busqueda"))) {
        Consultar(wxS("Capa_de_busqueda"),
                  wxS("SELECT CAMPO_BUSQUEDA, CAMPO_CODIGO, CAPA_CAPA_ID, CAPABUSQUEDA_ID FROM Capa_de_busqueda "
                      "WHERE CAPABUSQUEDA_ID = ?1"),
                  {static_cast<long long>(idCapaBusqueda)}, [&](wxSQLite3ResultSet& filas) {
                      info.SetCampoCodigo(CConexionSQLite::GetTexto(filas, wxS("CAMPO_CODIGO")));
                      info.SetCampoClasificacion(CConexionSQLite::GetTexto(filas, wxS("CAMPO_BUSQUEDA")));
                      info.SetValorClasificacion(valor);
                      idCapa = CConexionSQLite::GetEntero(filas, wxS("CAPA_CAPA_ID"));
                  });
    }
    if (ComprobarTabla(wxS("Capa"))) {
        Consultar(wxS("Capa"), wxS("SELECT ARCHIVO, NOMBRE FROM Capa WHERE CAPA_ID = ?1"),
                  {static_cast<long long>(idCapa)}, [&](wxSQLite3ResultSet& filas) {
                      info.SetRutaCapa(CConexionSQLite::GetTexto(filas, wxS("ARCHIVO")));
                      info.SetNombreCapa(CConexionSQLite::GetTexto(filas, wxS("NOMBRE")));
                  });
    }
    return info;
}

std::vector<CInfoContenido> CGestorBD::CapaTieneContenido(const wxString& archivo, const wxString& codigo,
                                                         int mapa) {
    std::vector<CInfoContenido> contenidos;
    if (!EstaConectado() || !ComprobarTabla(wxS("Capa")) || !ComprobarTabla(wxS("Capa_de_busqueda")))
        return contenidos;
    bool hayCapa = false;
    long long idBusqueda = 0;
    Consultar(wxS("Capa_de_busqueda"),
              wxS("SELECT CAPABUSQUEDA_ID FROM Capa_de_busqueda \tWHERE CAPA_CAPA_ID = (SELECT CAPA_ID FROM Capa "
                  "WHERE ARCHIVO = ?1 AND MAPA_ID = ?2)"),
              {archivo, static_cast<long long>(mapa)}, [&](wxSQLite3ResultSet& filas) {
                  idBusqueda = CConexionSQLite::GetEntero(filas, wxS("CAPABUSQUEDA_ID"));
                  hayCapa = true;
              });
    if (!hayCapa || !ComprobarTabla(wxS("Contenido"))) return contenidos;
    wxString tipo;
    Consultar(wxS("Contenido"), wxS("SELECT TIPO_CAMPO FROM Contenido WHERE CAPA_BUSQUEDA_ID = ?1"), {idBusqueda},
              [&](wxSQLite3ResultSet& filas) { tipo = CConexionSQLite::GetTexto(filas, wxS("TIPO_CAMPO")); });
    Consultar(wxS("Contenido"),
              wxS("SELECT CONTENIDO, DESCRIPCION FROM Contenido WHERE CAPA_BUSQUEDA_ID = ?1 AND "
                  "CODIGO_ELEMENTO = ?2"),
              {idBusqueda, CodigoElemento(codigo, tipo.Contains(wxS("N")))}, [&](wxSQLite3ResultSet& filas) {
                  contenidos.emplace_back(CConexionSQLite::GetTexto(filas, wxS("DESCRIPCION")),
                                          RutaContenido(CConexionSQLite::GetTexto(filas, wxS("CONTENIDO"))));
              });
    // Last row first, as the information panel lists them.
    std::reverse(contenidos.begin(), contenidos.end());
    return contenidos;
}

wxString CGestorBD::RutaContenido(const wxString& contenido) const {
    if (rutaDatos.empty() || rutaDatos.EndsWith(wxS("/")) || contenido.StartsWith(wxS("/")))
        return rutaDatos + contenido;
    return rutaDatos + wxS("/") + contenido;
}
