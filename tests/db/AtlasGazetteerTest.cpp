// Consistency of the bundled atlas (data/atlas) with its gazetteer
// (data/app/BD/BDbusqueda.db), read through the viewer's own loaders: the
// tables and columns the queries need, texts stored as ISO-8859-1, every hit
// found by code in a layer of its map, every content picture readable, and
// every theme naming fields its layers really have.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <wx/filename.h>
#include <wx/image.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CCapaShp.h"
#include "CCapasEnMapa.h"
#include "CDbf.h"
#include "CGestorVistaMapa.h"
#include "CMensajes.h"
#include "CProyectoVaq.h"
#include "wxTextUtil.h"

namespace {

const std::string kAtlas = std::string(VAQ_SOURCE_DIR) + "/data/atlas/";
using Row = std::vector<std::string>;

// The gazetteer, read-only; Query gives every column as its raw bytes and
// fails the test when SQLite refuses the statement.
class Gazetteer : public testing::Test {
protected:
    void SetUp() override {
        const std::string ruta = std::string(VAQ_SOURCE_DIR) + "/data/app/BD/BDbusqueda.db";
        ASSERT_EQ(sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK) << ruta;
    }
    void TearDown() override { sqlite3_close(db); }
    std::vector<Row> Query(const std::string& sql) {
        std::vector<Row> rows;
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(db) << "\n" << sql;
            return rows;
        }
        while (sqlite3_step(s) == SQLITE_ROW) {
            rows.emplace_back();
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                const auto* text = sqlite3_column_text(s, c);
                rows.back().emplace_back(text ? reinterpret_cast<const char*>(text) : "");
            }
        }
        sqlite3_finalize(s);
        return rows;
    }
    sqlite3* db = nullptr;
};

std::string Latin1(const char* utf8) { return wxTextUtil::wx2std(wxString::FromUTF8(utf8)); }

// An atlas theme as the viewer loads it.
std::unique_ptr<CProyectoVaq> Tema(const std::string& archivo) {
    SetModoSilencioso(true);
    auto proyecto = std::make_unique<CProyectoVaq>();
    proyecto->NuevoProyecto("Atlas");
    proyecto->SetRutaDatosAplicacion(wxString::FromUTF8(std::string(VAQ_SOURCE_DIR "/data/atlas").c_str()));
    EXPECT_TRUE(proyecto->AbrirProyecto(nullptr, wxString::FromUTF8(("MapasVel/" + archivo).c_str()))) << archivo;
    return proyecto;
}

CCapaShp* Capa(CProyectoVaq& tema, int i) {
    return wxDynamicCast(tema.GetGestorVistaMapa()->GetCapaEnMapa(i)->GetCapaEnCapa(), CCapaShp);
}

}  // namespace

TEST_F(Gazetteer, HasTheColumnsTheQueriesNameAndStoresLatin1Texts) {
    // Every column the viewer names is in the statements of these tests (a
    // statement SQLite refuses fails the test), but for the searched field.
    EXPECT_FALSE(Query("SELECT CAMPO_BUSQUEDA FROM Capa_de_busqueda").empty());
    // The viewer's own statements run and find something on every map (the
    // place-name query names MAPA_ID without a table, so only one may have it).
    for (int map = 1; map <= 3; ++map)
        EXPECT_GT(Query("SELECT CODIGO, VALOR, CAPA_BUSQUEDA_ID, CAPABUSQUEDA_ID FROM Toponimo, "
                        "Capa_de_busqueda  WHERE VALOR LIKE '%a%' AND CAPABUSQUEDA_ID = "
                        "CAPA_BUSQUEDA_ID AND MAPA_ID = " + std::to_string(map) + " ORDER BY VALOR").size(), 10u);
    EXPECT_EQ(785u, Query("SELECT COD_MUN, NOMBRE, CAPA_BUSQUEDA_ID FROM Municipios WHERE NOMBRE "
                          "LIKE '%' ORDER BY NOMBRE").size());  // every municipality of Andalucía

    // Texts are TEXT values, never blobs, and hold no UTF-8 sequences.
    for (const char* column : {"Toponimo.VALOR", "Municipios.NOMBRE", "Capa.NOMBRE", "Contenido.DESCRIPCION"}) {
        const std::string c(column);
        for (const Row& r : Query("SELECT typeof(" + c + "), " + c + " FROM " + c.substr(0, c.find('.')))) {
            ASSERT_EQ("text", r[0]) << c;
            for (std::size_t i = 0; i + 1 < r[1].size(); ++i)
                ASSERT_FALSE(r[1][i] == '\xC3' && (static_cast<unsigned char>(r[1][i + 1]) & 0xC0) == 0x80)
                    << c << " parece UTF-8: " << r[1];
        }
    }
    EXPECT_EQ(Query("SELECT VALOR FROM Toponimo WHERE VALOR LIKE 'Mulhac%'"), std::vector<Row>({{"Mulhac\xE9n"}}));
    EXPECT_EQ(Query("SELECT NOMBRE FROM Municipios WHERE COD_MUN = '14006'"), std::vector<Row>({{"A\xF1ora"}}));
    // SQLite's LIKE reads each such byte as one unknown character, so a typed
    // "ñ" still finds the enes, and an accented search finds its place.
    int enes = 0;
    for (const Row& r : Query("SELECT NOMBRE FROM Municipios WHERE NOMBRE LIKE '%" + Latin1("ñ") + "%'"))
        enes += r[0].find('\xF1') != std::string::npos;
    EXPECT_GE(enes, 20);
    EXPECT_FALSE(Query("SELECT CODIGO FROM Toponimo, Capa_de_busqueda  WHERE VALOR LIKE '%" + Latin1("Córdoba") +
                       "%' AND CAPABUSQUEDA_ID = CAPA_BUSQUEDA_ID AND MAPA_ID = 2").empty());
}

// Each search layer is a layer of its map's theme, and every place name and
// municipality is found there by code the way the search dialog finds it.
TEST_F(Gazetteer, EveryHitIsFoundByCodeInALayerOfItsMap) {
    const char* temas[] = {"", "MedioFisico.vel", "MedioHumano.vel", "MiLocalidad.vel"};
    std::unique_ptr<CProyectoVaq> cargados[4];
    struct Busqueda { CCapaShp* capa; wxString campo; int map; };
    std::map<std::string, Busqueda> busqueda;
    for (const Row& r : Query("SELECT CAPABUSQUEDA_ID, ARCHIVO, NOMBRE, CAMPO_CODIGO, Capa.MAPA_ID "
                              "FROM Capa_de_busqueda, Capa WHERE CAPA_CAPA_ID = CAPA_ID")) {
        const int map = std::stoi(r[4]);
        ASSERT_TRUE(map >= 1 && map <= 3) << r[2];
        if (!cargados[map]) cargados[map] = Tema(temas[map]);
        CCapaShp* capa = nullptr;
        for (int i = 0; i < cargados[map]->GetGestorVistaMapa()->GetNumCapas(); ++i) {
            CCapaShp* c = Capa(*cargados[map], i);
            if (c->GetNombreCapa() == wxTextUtil::std2wx(r[2]) &&
                c->GetRutaArchivo() == wxString::FromUTF8((kAtlas + r[1]).c_str()))
                capa = c;
        }
        ASSERT_NE(capa, nullptr) << r[2] << " (" << r[1] << ") no está en el tema del mapa " << map;
        busqueda[r[0]] = {capa, wxString::FromUTF8(r[3].c_str()), map};
    }
    int checked = 0;
    for (const char* sql : {"SELECT CAPA_BUSQUEDA_ID, CODIGO, VALOR FROM Toponimo",
                            "SELECT CAPA_BUSQUEDA_ID, COD_MUN, NOMBRE FROM Municipios"}) {
        for (const Row& r : Query(sql)) {
            ASSERT_TRUE(busqueda.count(r[0])) << "capa de búsqueda inexistente " << r[0];
            const auto& [capa, campo, map] = busqueda[r[0]];
            EXPECT_GE(capa->BuscaElementoPorCodigo(campo, wxTextUtil::std2wx(r[1])), 0)
                << r[2] << ": código " << r[1] << " ausente de " << capa->GetRutaArchivo();
            ++checked;
        }
    }
    EXPECT_GT(checked, 1500);
    // Municipality hits lie on the my-locality map, where that search runs.
    for (const Row& r : Query("SELECT DISTINCT CAPA_BUSQUEDA_ID FROM Municipios"))
        EXPECT_EQ(busqueda[r[0]].map, 3) << r[0];
}

TEST_F(Gazetteer, ContentsOfAMunicipalityArePicturesThatLoad) {
    const auto pictures = Query("SELECT DISTINCT CONTENIDO FROM Contenido");
    ASSERT_GE(pictures.size(), 16u + 785u);
    for (const Row& r : pictures) {
        wxImage image;
        ASSERT_TRUE(image.LoadFile(kAtlas + r[0], wxBITMAP_TYPE_ANY)) << r[0];
        EXPECT_TRUE(image.GetWidth() > 100 && image.GetHeight() > 100) << r[0];
    }
    EXPECT_TRUE(Query("SELECT COD_MUN FROM Municipios WHERE CAST(COD_MUN AS INTEGER) NOT IN "
                      "(SELECT CODIGO_ELEMENTO FROM Contenido)").empty()) << "municipios sin contenidos";
    // The information panel's lookup: relative layer path and map number, then
    // the code as it takes it from the attribute row (with its leading blank);
    // the count of descriptions holding `texto`.
    const auto contents = [&](const std::string& layerFile, int map, const std::string& code, const std::string& texto) {
        const auto search = Query("SELECT CAPABUSQUEDA_ID FROM Capa_de_busqueda \tWHERE CAPA_CAPA_ID = (SELECT "
                                  "CAPA_ID FROM Capa WHERE ARCHIVO = '" + layerFile + "' AND MAPA_ID = " +
                                  std::to_string(map) + ")");
        EXPECT_EQ(1u, search.size()) << layerFile << " mapa " << map;
        if (search.empty()) return std::make_pair(0, 0);
        const auto type = Query("SELECT TIPO_CAMPO FROM Contenido WHERE CAPA_BUSQUEDA_ID = " + search[0][0]);
        EXPECT_TRUE(!type.empty() && type.back()[0].find('N') != std::string::npos) << layerFile;
        int n = 0, total = 0;
        for (const Row& r : Query("SELECT CONTENIDO, DESCRIPCION FROM Contenido WHERE CAPA_BUSQUEDA_ID = " +
                                  search[0][0] + " AND CODIGO_ELEMENTO = " + code))
            ++total, n += r[1].find(texto) != std::string::npos;
        return std::make_pair(total, n);
    };
    const std::string almeria = Latin1("provincia de Almería");
    // Abla (04001): a code with a leading zero, matched as a number; on its
    // locality map: its own map, its province's map and card.
    EXPECT_EQ(contents("Medio_humano/Municipios.shp", 2, " 04001", "Abla"), std::make_pair(1, 1));
    EXPECT_EQ(contents("Medio_humano/Municipios.shp", 3, " 04001", "Abla"), std::make_pair(3, 1));
    EXPECT_EQ(contents("Medio_humano/Municipios.shp", 3, " 04001", almeria), std::make_pair(3, 2));
    // A province answers with the code of its capital's municipality, which
    // the panel takes from the first field whose name holds COD_MUN.
    EXPECT_EQ(contents("Medio_humano/Provincias.shp", 2, " 04013", almeria), std::make_pair(2, 2));
    EXPECT_EQ(contents("Medio_humano/Provincias.shp", 2, " 04001", almeria), std::make_pair(0, 0));
    CDbf provincias((kAtlas + "Medio_humano/Provincias.dbf").c_str(), "rb");
    char nombre[12];
    int ancho = 0, decimales = 0;
    provincias.GetFieldInfo(provincias.NumCampo("COD_MUNCAP") - 1, nombre, ancho, decimales);
    EXPECT_STREQ(nombre, "COD_MUNCAP");
}

// Each theme loads whole. Value classifications name a field of their layer; labels name an integer
// class and rotation (width up to 4) and a text column, and get a check box
// in the legend by their layer's name.
TEST(AtlasThemes, NameFieldsTheirLayersHave) {
    int textLayers = 0, valueLayers = 0;
    bool rios = false;
    for (const char* theme : {"MedioFisico.vel", "MedioHumano.vel", "MiLocalidad.vel", "Referencia.vel"}) {
        // Every layer of the file loads, without a word, at the theme's scale.
        std::ifstream archivo(kAtlas + "MapasVel/" + theme);
        std::string texto((std::istreambuf_iterator<char>(archivo)), std::istreambuf_iterator<char>());
        int capas = 0;
        for (size_t p = texto.find("<CAPA "); p != std::string::npos; p = texto.find("<CAPA ", p + 1)) ++capas;
        const auto tema = Tema(theme);
        EXPECT_GE(capas, 4) << theme;
        ASSERT_EQ(tema->GetGestorVistaMapa()->GetNumCapas(), capas) << theme;
        EXPECT_TRUE(tema->GetCapasNoCargadas().empty() && tema->GetAvisosCarga().empty()) << theme;
        EXPECT_GT(tema->GetEscala(), 0.0) << theme;
        for (int i = 0; i < tema->GetGestorVistaMapa()->GetNumCapas(); ++i) {
            CCapasEnMapa& entrada = *tema->GetGestorVistaMapa()->GetCapaEnMapa(i);
            CCapaShp& capa = *Capa(*tema, i);
            rios = rios || capa.GetNombreCapa() == wxString::FromUTF8("Ríos");
            ASSERT_NE(capa.GetDbf(), nullptr) << capa.GetRutaArchivo();
            ASSERT_GT(capa.GetDbf()->GetRecordCount(), 0) << capa.GetRutaArchivo();
            const auto tipo = [&](const wxString& campo, int& ancho) {
                char nombre[12];
                int decimales = 0;
                return capa.GetDbf()->GetFieldInfo(capa.GetDbf()->NumCampo(campo.utf8_str()) - 1, nombre, ancho, decimales);
            };
            int ancho = 0;
            if (entrada.GetClasificacion()) {
                ++valueLayers;
                EXPECT_NE(tipo(entrada.GetClasificacion()->GetCampo(), ancho), CampoInvalido) << capa.GetRutaArchivo();
            } else if (CClasificacionPorTexto* t = entrada.GetClasificacionTexto()) {
                ++textLayers;
                EXPECT_EQ(tipo(t->GetCampo(), ancho), CampoEntero) << capa.GetRutaArchivo();
                EXPECT_LE(ancho, 4) << capa.GetRutaArchivo();
                EXPECT_EQ(tipo(t->GetCampoRotacion(), ancho), CampoEntero) << capa.GetRutaArchivo();
                EXPECT_LE(ancho, 4) << capa.GetRutaArchivo();
                EXPECT_EQ(tipo(t->GetCampoDescripcion(), ancho), CampoTexto) << capa.GetRutaArchivo();
                EXPECT_TRUE(capa.GetNombreCapa().StartsWith("Toponimia") || capa.GetNombreCapa() == "Coordenadas")
                    << capa.GetNombreCapa();
            }
        }
    }
    EXPECT_GE(textLayers, 6);
    EXPECT_GE(valueLayers, 6);
    EXPECT_TRUE(rios);  // a Latin-1 layer name read back
    EXPECT_TRUE(wxFileName::FileExists(kAtlas + "datos.mmm"));
}
