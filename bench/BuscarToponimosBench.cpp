// Place-name search on a gazetteer of 200 000 generated names (ISO-8859-1,
// accents mixed in): one search for a fragment that about 1 000 names hold,
// timed from the query to the filled result list, median of 20. Printed
// beside the same query run with SQLite's plain LIKE and binary order on the
// same file, in the same run, read into the same records: the price of
// accent- and case-free matching and Spanish order. Also the whole search of
// the dialog (open the file, query, fill the list box, close).
#include "CBuscarDlg.h"
#include "CConexionSQLite.h"
#include "CGestorBD.h"
#include "IniciarWx.h"
#include "wxTextUtil.h"

#include <sqlite3.h>
#include <wx/listbox.h>
#include <wx/wx.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kNombres = 200000;
constexpr int kRepeticiones = 20;
// One name in 200 holds the fragment, in varying case.
constexpr int kCadaCuantos = 200;
const char* const kFragmento = "zorr";

// A Latin-1 name of two or three words from Spanish-like syllables (none of
// which can spell the fragment), with accents and ñ mixed in.
std::string Nombre(std::mt19937& azar, int i) {
    static const char* const primeras[] = {"San", "Santa", "Villa", "Puerto", "Cerro", "Arroyo", "Fuente",
                                           "Pe\xF1""a", "Torre", "Castillo", "R\xEDo", "Sierra", "Cortijo",
                                           "Huerta", "Loma", "Llano", "\xC1guila", "\xC9rmita"};
    static const char* const silabas[] = {"ma", "la", "ga", "c\xF3r", "do", "ba", "se", "vi", "lla", "ja",
                                          "\xE9n", "hu", "el", "va", "al", "me", "r\xED", "a", "gra", "na",
                                          "da", "c\xE1", "diz", "\xF1o", "te", "ru", "gue", "ci", "pi", "\xFA"};
    std::uniform_int_distribution<int> primera(0, std::size(primeras) - 1);
    std::uniform_int_distribution<int> silaba(0, std::size(silabas) - 1);
    std::uniform_int_distribution<int> cuantas(2, 4);
    std::string nombre = primeras[primera(azar)];
    nombre += ' ';
    for (int s = cuantas(azar); s > 0; --s) nombre += silabas[silaba(azar)];
    nombre[nombre.find(' ') + 1] = static_cast<char>(std::toupper(static_cast<unsigned char>(nombre[nombre.find(' ') + 1])));
    if (i % kCadaCuantos == 0) nombre += i % 3 == 0 ? " del Zorro" : (i % 3 == 1 ? " ZORRILLA" : " zorrera");
    return nombre;
}

bool Escribir(sqlite3* bd, const std::string& sql) {
    char* error = nullptr;
    const bool bien = sqlite3_exec(bd, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK;
    if (!bien) std::fprintf(stderr, "%s\n", error ? error : "");
    sqlite3_free(error);
    return bien;
}

// The gazetteer's tables and index, as the bundled one has them.
bool CrearGazetteer(const std::string& ruta) {
    sqlite3* bd = nullptr;
    if (sqlite3_open(ruta.c_str(), &bd) != SQLITE_OK) return false;
    bool bien = Escribir(bd,
                         "CREATE TABLE Capa (CAPA_ID INTEGER PRIMARY KEY, ARCHIVO TEXT, NOMBRE TEXT, MAPA_ID INTEGER);"
                         "CREATE TABLE Capa_de_busqueda (CAPABUSQUEDA_ID INTEGER PRIMARY KEY, CAMPO_BUSQUEDA TEXT,"
                         " CAMPO_CODIGO TEXT, CAPA_CAPA_ID INTEGER, MAPA_ID INTEGER);"
                         "CREATE TABLE Toponimo (CODIGO TEXT, VALOR TEXT, CAPA_BUSQUEDA_ID INTEGER);"
                         "CREATE INDEX Toponimo_valor ON Toponimo(VALOR);"
                         "BEGIN;");
    for (int capa = 1; capa <= 8; ++capa)
        bien = bien && Escribir(bd, "INSERT INTO Capa VALUES (" + std::to_string(capa) + ", 'c.shp', 'Capa', 2);"
                                    "INSERT INTO Capa_de_busqueda VALUES (" + std::to_string(capa) +
                                    ", 'NOMBRE', 'CODIGO', " + std::to_string(capa) + ", 2);");
    sqlite3_stmt* insertar = nullptr;
    bien = bien && sqlite3_prepare_v2(bd, "INSERT INTO Toponimo VALUES (?1, ?2, ?3)", -1, &insertar, nullptr) ==
                       SQLITE_OK;
    std::mt19937 azar(2024);
    for (int i = 0; bien && i < kNombres; ++i) {
        const std::string codigo = "T" + std::to_string(i), nombre = Nombre(azar, i);
        sqlite3_bind_text(insertar, 1, codigo.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insertar, 2, nombre.c_str(), -1, SQLITE_TRANSIENT);  // Latin-1 bytes
        sqlite3_bind_int(insertar, 3, 1 + i % 8);
        bien = sqlite3_step(insertar) == SQLITE_DONE && sqlite3_reset(insertar) == SQLITE_OK;
    }
    sqlite3_finalize(insertar);
    bien = bien && Escribir(bd, "COMMIT; ANALYZE;");
    sqlite3_close(bd);
    return bien;
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Milisegundos(const std::function<void()>& tarea) {
    const auto inicio = std::chrono::steady_clock::now();
    tarea();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
}

// The same statement with the text spliced into a plain LIKE and binary
// order, read into the same records as the manager's.
std::vector<CInfoTablaToponimo> ConsultaLike(CConexionSQLite& conexion, const char* texto, int mapa) {
    std::vector<CInfoTablaToponimo> lista;
    wxSQLite3ResultSet filas = conexion.ExecuteQuery(
        wxString::Format("SELECT CODIGO, VALOR, CAPA_BUSQUEDA_ID, CAPABUSQUEDA_ID FROM Toponimo, Capa_de_busqueda "
                         " WHERE VALOR LIKE '%%%s%%' AND CAPABUSQUEDA_ID = CAPA_BUSQUEDA_ID AND MAPA_ID = %d "
                         "ORDER BY VALOR",
                         texto, mapa));
    while (filas.NextRow())
        lista.emplace_back(CConexionSQLite::GetTexto(filas, "VALOR"), CConexionSQLite::GetTexto(filas, "CODIGO"),
                           CConexionSQLite::GetEntero(filas, "CAPA_BUSQUEDA_ID"));
    return lista;
}

int Medir(const std::string& directorio) {
    const std::string ruta = directorio + "/BD/BDbusqueda.db";
    std::filesystem::create_directories(directorio + "/BD");
    if (!CrearGazetteer(ruta)) {
        std::fprintf(stderr, "No se ha podido crear el nomenclátor de prueba\n");
        return 1;
    }
    CGestorBD gestor;
    if (!gestor.InicializarGestorBD(wxString::FromUTF8(ruta.c_str()), CGestorBD::kTipoSQLite)) return 1;
    CConexionSQLite conexion;
    conexion.SetCadenaConexion(wxString::FromUTF8(ruta.c_str()));
    conexion.SetSoloLectura(true);
    if (!conexion.AbrirBD()) return 1;

    // Warm both, and count what each finds.
    gestor.GenerarListaToponimos(kFragmento, 2);
    const size_t nuestros = gestor.GetListaResultado().size();
    const size_t conLike = ConsultaLike(conexion, kFragmento, 2).size();

    std::vector<double> tiempoNuestro, tiempoLike;
    for (int i = 0; i < kRepeticiones; ++i) {
        tiempoNuestro.push_back(Milisegundos([&] { gestor.GenerarListaToponimos(kFragmento, 2); }));
        tiempoLike.push_back(Milisegundos([&] { ConsultaLike(conexion, kFragmento, 2); }));
    }

    wxFrame* marco = new wxFrame(nullptr, wxID_ANY, "BuscarToponimosBench");
    auto* dialogo = new CBuscarDlg(marco);
    dialogo->SetRutaAplicacion(wxString::FromUTF8(directorio.c_str()));
    dialogo->SetMapaActivo(2);
    std::vector<double> tiempoDialogo;
    for (int i = 0; i < kRepeticiones; ++i) tiempoDialogo.push_back(Milisegundos([&] { dialogo->Buscar(kFragmento); }));
    const unsigned lineas = static_cast<wxListBox*>(dialogo->FindWindow(CBuscarDlg::ID_LISTA))->GetCount();
    marco->Destroy();

    const double nuestro = Mediana(tiempoNuestro), like = Mediana(tiempoLike);
    std::printf("Gazetteer of %d names, fragment \"%s\", median of %d runs\n", kNombres, kFragmento, kRepeticiones);
    std::printf("  accent- and case-free, Spanish order : %7.2f ms  (%zu names)\n", nuestro, nuestros);
    std::printf("  plain LIKE, binary order             : %7.2f ms  (%zu names)\n", like, conLike);
    std::printf("  ratio                                : %7.2f  (target: at most 3)\n", nuestro / like);
    std::printf("  dialog: open, query, fill list, close: %7.2f ms  (%u lines; target: under 50 ms)\n",
                Mediana(tiempoDialogo), lineas);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (!IniciarWx(argc, argv)) return 1;
    std::string plantilla = (std::filesystem::temp_directory_path() / "vaqbuscarXXXXXX").string();
    const std::string directorio = ::mkdtemp(plantilla.data()) ? plantilla : std::string();
    const int resultado = directorio.empty() ? 1 : Medir(directorio);
    std::error_code ignorado;
    if (!directorio.empty()) std::filesystem::remove_all(directorio, ignorado);
    wxEntryCleanup();
    return resultado;
}
