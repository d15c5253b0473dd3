#pragma once
// The gazetteer: an SQLite file listing place names (table "Toponimo") and
// municipalities ("Municipios") with the search layer ("Capa_de_busqueda") and
// map layer ("Capa") in which each lies, and the contents attached to
// features ("Contenido"). The manager opens it (read-only), runs the
// program's fixed queries and hands back their rows as small records.
//
// Every text the user types and every code is bound as a parameter, never
// put into the SQL: a quote, "%" or "_" is a plain character. Names match
// ignoring letter case and accents and come in Spanish order (CTextoEspanol).
// A missing table, a damaged file or a failing query is reported to the user
// and gives an empty result; nothing here throws.
#include <functional>
#include <memory>
#include <vector>

#include <wx/string.h>

#include "CConexionSQLite.h"
#include "CInfoCapa.h"
#include "CInfoContenido.h"
#include "CInfoTablaToponimo.h"

class CGestorBD {
public:
    static constexpr int kTipoSQLite = 0;
    // The one line of a name search that found nothing.
    static wxString TextoSinRegistros() { return wxS("No se han encontrado registros"); }

    CGestorBD();
    ~CGestorBD();
    CGestorBD(const CGestorBD&) = delete;
    CGestorBD& operator=(const CGestorBD&) = delete;

    // Connects to the database file `ruta` with the connection type (only
    // kTipoSQLite is known); false after telling the user why not.
    bool InicializarGestorBD(const wxString& ruta, int tipo);
    void CrearCadenaConexion();
    bool ConectarBD();
    void DesconectarBD();
    bool EstaConectado();
    // The connection while it is connected; null otherwise.
    CConexionSQLite* ObtenerConexionSQLite();
    // The file name without directory and extension ("BDbusqueda").
    wxString GetNombreBDOfRuta(const wxString& ruta) const;
    const wxString& GetNombreBD() const { return nombreBD; }

    // Name searches: every place name of map `mapa` (1, 2 or 3), or every
    // municipality, that holds `texto`, in Spanish order. When none does
    // (or the database cannot answer) the list holds the single line
    // TextoSinRegistros(), with no code and search layer 0.
    void GenerarListaToponimos(const wxString& texto, int mapa);
    void GenerarListaMunicipios(const wxString& texto);
    const std::vector<CInfoTablaToponimo>& GetListaResultado() const { return listaResultado; }
    // False while the list holds only the line of an empty search.
    bool HayResultados() const { return hayResultados; }

    // Where the hit `valor` of search layer `idCapaBusqueda` lies: its code
    // field, searched field and value, layer file and layer name (the code
    // is the caller's to set). Empty fields for what the database lacks.
    CInfoCapa ObtenerInfoCapa(const wxString& valor, int idCapaBusqueda);

    // The contents of the feature with code `codigo` in the layer whose file
    // (relative to the data directory, as in "Capa") is `archivo` on map
    // `mapa`, last row first. Numeric codes ("N" in the contents' type) match
    // by value: blanks, a leading zero or a decimal part written with a comma
    // do not matter.
    std::vector<CInfoContenido> CapaTieneContenido(const wxString& archivo, const wxString& codigo, int mapa);
    // The data directory, which content paths are relative to.
    void SetRutaDatosAplicacion(const wxString& ruta) { rutaDatos = ruta; }

private:
    using Parametros = std::vector<CConexionSQLite::ValorSQL>;
    using LectorFila = std::function<void(wxSQLite3ResultSet&)>;

    // Whether the table exists; when it does not, the user is told.
    bool ComprobarTabla(const wxString& tabla);
    // Runs a query that reads `tabla` and hands every row to `leer`; false,
    // after telling the user, when the database fails.
    bool Consultar(const wxString& tabla, const wxString& sql, const Parametros& parametros,
                   const LectorFila& leer);
    void GenerarLista(const wxString& tabla, const wxString& sql, const Parametros& parametros,
                      const wxString& columnaCodigo, const wxString& columnaValor);
    wxString RutaContenido(const wxString& contenido) const;

    std::unique_ptr<CConexionSQLite> conexion;
    wxString rutaBD;
    wxString nombreBD;
    wxString cadenaConexion;
    int tipoConexion = -1;
    std::vector<CInfoTablaToponimo> listaResultado;
    bool hayResultados = false;
    wxString rutaDatos;
};
