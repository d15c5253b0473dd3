#include "CGestorBD.h"

#include "BDBusquedaPrueba.h"
#include "CConexionSQLite.h"
#include "CMensajes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Mensaje = std::pair<std::string, std::string>;  // text, caption (UTF-8)

// Catches the messages shown while it lives.
class Mensajes {
public:
    Mensajes() {
        SetReceptorMensajes([this](const wxString& texto, const wxString& titulo) {
            lista.emplace_back(texto.utf8_string(), titulo.utf8_string());
        });
    }
    ~Mensajes() { SetReceptorMensajes(nullptr); }
    std::vector<Mensaje> Tomar() { return std::exchange(lista, {}); }

private:
    std::vector<Mensaje> lista;
};

const Mensaje kSinConexion{"No se  ha podido establecer la conexion con la BD.", "Error Conexion"};

std::vector<std::string> Valores(const CGestorBD& gestor) {
    std::vector<std::string> valores;
    for (const CInfoTablaToponimo& r : gestor.GetListaResultado()) valores.push_back(r.GetValor().utf8_string());
    return valores;
}

const std::vector<std::string> kNadaEncontrado{"No se han encontrado registros"};

// A gazetteer of place names and municipalities with Latin-1, quotes and wildcards.
class CGestorBDTest : public ::testing::Test {
protected:
    void SetUp() override {
        bd.Ejecutar(BDBusquedaPrueba::kEsquema);
        bd.Ejecutar(
            "INSERT INTO Capa VALUES (1, 'Medio_humano/Nucleos.shp', 'Núcleos de población', 2),"
            " (2, 'Medio_fisico/Relieve.shp', 'Toponimia relieve', 1), (3, 'Medio_humano/Municipios.shp',"
            " 'Municipios', 3), (4, 'Medio_fisico/Picos.shp', 'Picos', 1);"
            "INSERT INTO Capa_de_busqueda VALUES (10, 'NOMBRE', 'CODIGO', 1, 2), (20, 'NOMBRE', 'CODIGO', 2, 1),"
            " (30, 'NOMBRE', 'COD_MUN', 3, 3);"
            "INSERT INTO Toponimo VALUES ('N1', 'Córdoba', 10), ('N2', 'Málaga', 10), ('N3', 'Logroño', 10),"
            " ('N4', 'Écija', 10), ('N5', 'Zújar', 10), ('N6', 'L''Hospitalet', 10), ('N7', '100% Natural', 10),"
            " ('N8', 'Sierra_Norte', 10), ('N9', 'Sierra Norte', 10), ('R1', 'Córdoba la Vieja', 20);"
            "INSERT INTO Municipios VALUES ('14006', 'Añora', 30), ('14007', 'Anzur', 30), ('05019', 'Ávila', 30),"
            " ('06015', 'Badajoz', 30), ('23066', 'Pena', 30), ('23067', 'Penalva', 30), ('23068', 'Peña', 30);"
            "INSERT INTO Contenido VALUES (30, 4001, 'N', 'Contenidos/a.png', 'Situación de Abla'),"
            " (30, 4001, 'N', 'Contenidos/b.png', 'Provincia de Almería'), (30, 4002, 'N', 'Contenidos/c.png', 'Otro'),"
            " (10, 'N1', 'C', 'Contenidos/n1.png', 'Núcleo');");
        ASSERT_TRUE(gestor.InicializarGestorBD(bd.RutaWx(), CGestorBD::kTipoSQLite));
    }
    std::vector<std::string> Toponimos(const char* texto, int mapa) {
        gestor.GenerarListaToponimos(wxString::FromUTF8(texto), mapa);
        return Valores(gestor);
    }
    std::vector<std::string> Municipios(const char* texto) {
        gestor.GenerarListaMunicipios(wxString::FromUTF8(texto));
        return Valores(gestor);
    }
    std::vector<std::string> Contenidos(const char* archivo, const char* codigo, int mapa) {
        std::vector<std::string> rutas;
        for (const CInfoContenido& c :
             gestor.CapaTieneContenido(wxString::FromUTF8(archivo), wxString::FromUTF8(codigo), mapa))
            rutas.push_back(c.GetContenido().utf8_string() + " " + c.GetDescripcion().utf8_string());
        return rutas;
    }
    Mensajes mensajes;
    BDBusquedaPrueba bd;
    CGestorBD gestor;
};

}  // namespace

TEST_F(CGestorBDTest, NameSearchesIgnoreCaseAndAccentsTakeTypedCharactersLiterallyAndSortInSpanish) {
    EXPECT_EQ(Toponimos("cordoba", 2), std::vector<std::string>{"Córdoba"});  // not map 1's
    EXPECT_EQ(Toponimos("CÓRDOBA", 1), std::vector<std::string>{"Córdoba la Vieja"});
    EXPECT_EQ(Toponimos("l'h", 2), std::vector<std::string>{"L'Hospitalet"});
    EXPECT_EQ(Toponimos("%", 2), std::vector<std::string>{"100% Natural"});
    EXPECT_EQ(Toponimos("a_n", 2), std::vector<std::string>{"Sierra_Norte"});
    EXPECT_EQ(Toponimos("'; DROP TABLE Toponimo; --", 2), kNadaEncontrado);
    EXPECT_FALSE(gestor.HayResultados());
    EXPECT_EQ(gestor.GetListaResultado()[0].GetIdCapa(), 0);
    // The empty text, called directly, finds every name of the map.
    EXPECT_EQ(Toponimos("", 2), (std::vector<std::string>{"100% Natural", "Córdoba", "Écija", "L'Hospitalet",
                                                           "Logroño", "Málaga", "Sierra Norte", "Sierra_Norte",
                                                           "Zújar"}));
    EXPECT_TRUE(gestor.HayResultados());
    const CInfoTablaToponimo& ecija = gestor.GetListaResultado()[2];
    EXPECT_EQ(ecija.GetCodigo(), "N4");
    EXPECT_EQ(ecija.GetIdCapa(), 10);
    EXPECT_EQ(Municipios("A"),
              (std::vector<std::string>{"Anzur", "Añora", "Ávila", "Badajoz", "Pena", "Penalva", "Peña"}));
    EXPECT_EQ(gestor.GetListaResultado()[6].GetCodigo(), "23068");
    EXPECT_TRUE(mensajes.Tomar().empty());
}

TEST_F(CGestorBDTest, AHitIsLocatedThroughItsSearchLayerAndAFeatureHasItsContents) {
    const CInfoCapa nucleo = gestor.ObtenerInfoCapa(wxString::FromUTF8("Córdoba"), 10);
    EXPECT_EQ(nucleo.GetCampoCodigo(), "CODIGO");
    EXPECT_EQ(nucleo.GetCampoClasificacion(), "NOMBRE");
    EXPECT_EQ(nucleo.GetValorClasificacion(), wxString::FromUTF8("Córdoba"));
    EXPECT_EQ(nucleo.GetRutaCapa(), "Medio_humano/Nucleos.shp");
    EXPECT_EQ(nucleo.GetNombreCapa(), wxString::FromUTF8("Núcleos de población"));
    // Without its search layer, a hit is looked up in "Capa" by its own id.
    const CInfoCapa suelto = gestor.ObtenerInfoCapa("Suelto", 4);
    EXPECT_EQ(suelto.GetNombreCapa(), "Picos");
    EXPECT_TRUE(suelto.GetCampoCodigo().empty());
    gestor.SetRutaDatosAplicacion("/datos");
    const std::vector<std::string> abla{"/datos/Contenidos/b.png Provincia de Almería",
                                        "/datos/Contenidos/a.png Situación de Abla"};
    // Numeric codes match by value: blanks, leading zeros and a decimal comma do not count.
    for (const char* codigo : {" 04001", "4001", "4001,00"})
        EXPECT_EQ(Contenidos("Medio_humano/Municipios.shp", codigo, 3), abla) << codigo;
    EXPECT_EQ(Contenidos("Medio_humano/Nucleos.shp", "N1 ", 2),
              std::vector<std::string>{"/datos/Contenidos/n1.png Núcleo"});
    EXPECT_TRUE(Contenidos("Medio_humano/Municipios.shp", "04001", 2).empty());  // another map
    EXPECT_TRUE(Contenidos("x' OR '1'='1", "4001", 3).empty());
    EXPECT_TRUE(Contenidos("Medio_humano/Nucleos.shp", "N1' OR '1'='1", 2).empty());
    EXPECT_TRUE(mensajes.Tomar().empty());
    EXPECT_EQ(gestor.GetNombreBDOfRuta("/opt/vaq/BD/BDbusqueda.db"), "BDbusqueda");
}

TEST(CGestorBDFallos, EveryFailureIsToldAndEndsInAnEmptyResult) {
    const struct Caso {
        const char* nombre;
        std::function<void(const BDBusquedaPrueba&)> preparar;
        std::vector<Mensaje> alConectar;
        std::vector<Mensaje> alBuscar;
        wxString ruta = wxS("*");  // "*": the test's file
        int tipo = CGestorBD::kTipoSQLite;
    } casos[] = {
        {"missing file", [](const BDBusquedaPrueba&) {},
         {{"SQLITE_CANTOPEN", "Error CConexionSQLite::AbrirBD"}, kSinConexion}, {}},
        {"not a database",
         [](const BDBusquedaPrueba& bd) { std::ofstream(bd.Ruta()) << std::string(2000, 'x'); },
         {{"SQLITE_NOTADB", "Error CConexionSQLite::AbrirBD"}, kSinConexion}, {}},
        {"empty file", [](const BDBusquedaPrueba& bd) { std::ofstream(bd.Ruta()) << ""; }, {},
         {{"No existe la tabla Toponimo", "Error lectura tabla"}}},
        {"map number in both tables",
         [](const BDBusquedaPrueba& bd) {
             bd.Ejecutar(BDBusquedaPrueba::kEsquema);
             bd.Ejecutar("ALTER TABLE Toponimo ADD COLUMN MAPA_ID INTEGER");
         },
         {}, {{"No se ha podido leer la tabla Toponimo (SQLITE_ERROR).", "Error lectura tabla"}}},
        {"no path", [](const BDBusquedaPrueba&) {},
         {{"No existe la ruta de la BD.", "Error CrearCadenaConexion"},
          {"La cadena de conexion no es valida.", "Error ConectarBD"}, kSinConexion},
         {}, wxString()},
        {"unknown type", [](const BDBusquedaPrueba& bd) { bd.Ejecutar(BDBusquedaPrueba::kEsquema); },
         {{"El tipo de conexion no es valida.", "Error CrearCadenaConexion"},
          {"La cadena de conexion no es valida.", "Error ConectarBD"}, kSinConexion},
         {}, wxS("*"), -1},
        {"damaged pages",
         [](const BDBusquedaPrueba& bd) {
             bd.Ejecutar(BDBusquedaPrueba::kEsquema);
             std::string filas = "INSERT INTO Toponimo VALUES ('N0', 'Sevilla', 10)";
             for (int i = 1; i < 3000; ++i)
                 filas += ", ('N" + std::to_string(i) + "', 'Sevilla " + std::to_string(i) + "', 10)";
             bd.Ejecutar(filas + "; INSERT INTO Capa_de_busqueda VALUES (10, 'NOMBRE', 'CODIGO', 1, 2);");
             std::fstream archivo(bd.Ruta(), std::ios::in | std::ios::out | std::ios::binary);
             archivo.seekp(4096 * 3);  // garbage over the pages after the schema: no partial list
             archivo << std::string(4096 * 4, '\x5A');
         },
         {}, {{"No se ha podido leer la tabla Toponimo (SQLITE_CORRUPT).", "Error lectura tabla"}}},
    };
    for (const Caso& caso : casos) {
        Mensajes mensajes;
        BDBusquedaPrueba bd;
        caso.preparar(bd);
        CGestorBD gestor;
        const bool conectado = gestor.InicializarGestorBD(caso.ruta == wxS("*") ? bd.RutaWx() : caso.ruta, caso.tipo);
        EXPECT_EQ(conectado, caso.alConectar.empty()) << caso.nombre;
        EXPECT_EQ(mensajes.Tomar(), caso.alConectar) << caso.nombre;
        gestor.GenerarListaToponimos("a", 2);
        EXPECT_EQ(Valores(gestor), kNadaEncontrado) << caso.nombre;
        EXPECT_EQ(mensajes.Tomar(), caso.alBuscar) << caso.nombre;
        EXPECT_TRUE(gestor.ObtenerInfoCapa("a", 1).GetNombreCapa().empty()) << caso.nombre;
        EXPECT_TRUE(gestor.CapaTieneContenido("a", "1", 1).empty()) << caso.nombre;
        mensajes.Tomar();
        // The gazetteer is never written: a missing file stays missing.
        EXPECT_EQ(std::filesystem::exists(bd.Ruta()), std::string(caso.nombre) != "missing file" &&
                                                          std::string(caso.nombre) != "no path") << caso.nombre;
    }
}

TEST(CConexionSQLite, CarriesTextsAsLatin1BothWaysAndNeverWritesAReadOnlyFile) {
    Mensajes mensajes;
    CConexionSQLite sinCadena;
    EXPECT_FALSE(sinCadena.AbrirBD());
    ASSERT_EQ(mensajes.Tomar().size(), 1u);
    BDBusquedaPrueba bd;
    bd.Ejecutar(BDBusquedaPrueba::kEsquema);
    CConexionSQLite conexion;
    conexion.SetCadenaConexion(bd.RutaWx());
    ASSERT_TRUE(conexion.AbrirBD());
    EXPECT_TRUE(conexion.EstaConectado());
    EXPECT_TRUE(conexion.ExisteTabla("municipios"));
    EXPECT_FALSE(conexion.ExisteTabla("Nada"));
    // A statement written in wide characters reaches the file as ISO-8859-1 ...
    EXPECT_EQ(conexion.ExecuteUpdate(wxString::FromUTF8("INSERT INTO Municipios VALUES ('1', 'Añora', 3)")), 1);
    EXPECT_EQ(conexion.ExecuteScalar("SELECT COUNT(*) FROM Municipios WHERE hex(NOMBRE) = '41F16F7261'"), 1);
    // ... and a bound text too; byte 0xF1 reads back as U+00F1.
    wxSQLite3ResultSet filas =
        conexion.ExecuteQuery("SELECT NOMBRE, COD_MUN FROM Municipios WHERE NOMBRE = ?1", {wxString::FromUTF8("Añora")});
    ASSERT_TRUE(filas.NextRow());
    EXPECT_EQ(CConexionSQLite::GetTexto(filas, "NOMBRE"), wxString(wxS("A")) + wxUniChar(0xF1) + wxS("ora"));
    filas.Finalize();
    conexion.CerrarBD();
    conexion.SetSoloLectura(true);
    ASSERT_TRUE(conexion.AbrirBD());
    EXPECT_THROW(conexion.ExecuteUpdate("DELETE FROM Municipios"), wxSQLite3Exception);
    EXPECT_EQ(conexion.ExecuteScalar("SELECT COUNT(*) FROM Municipios"), 1);
    EXPECT_TRUE(mensajes.Tomar().empty());
}
