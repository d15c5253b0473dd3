// Consistency of the bundled atlas (data/atlas) with its gazetteer
// (data/app/BD/BDbusqueda.db): the tables and columns the queries need, texts
// stored as ISO-8859-1, every hit locatable in a layer of its map, every
// content picture present and readable, and every theme naming fields its
// layers really have.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <tinyxml.h>
#include <wx/filename.h>
#include <wx/image.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "wxTextUtil.h"

namespace {

const std::string kSourceDir = VAQ_SOURCE_DIR;
const std::string kDataDir = kSourceDir + "/data/atlas/";
const std::string kDatabase = kSourceDir + "/data/app/BD/BDbusqueda.db";

// ---------------------------------------------------------------- database
struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;

struct StmtFinalizer {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using StmtHandle = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

using Row = std::vector<std::string>;

DbHandle OpenGazetteer() {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(kDatabase.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    DbHandle handle(db);
    EXPECT_EQ(SQLITE_OK, rc) << kDatabase;
    return handle;
}

// Runs a statement; every column comes back as its raw bytes.  Fails the test
// (and returns nothing) when SQLite refuses the statement.
std::vector<Row> Query(sqlite3* db, const std::string& sql) {
    std::vector<Row> rows;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(db) << "\n" << sql;
        return rows;
    }
    StmtHandle stmt(raw);
    while (sqlite3_step(raw) == SQLITE_ROW) {
        Row row;
        for (int c = 0; c < sqlite3_column_count(raw); ++c) {
            const auto* text = sqlite3_column_text(raw, c);
            row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::set<std::string> Columns(sqlite3* db, const std::string& table) {
    std::set<std::string> names;
    for (const Row& r : Query(db, "PRAGMA table_info(" + table + ")")) names.insert(r[1]);
    return names;
}

std::string Latin1(const char* utf8) { return wxTextUtil::wx2std(wxString::FromUTF8(utf8)); }

// ---------------------------------------------------------------- dBASE
struct DbfField {
    std::string name;
    char type = 'C';
    int width = 0;
    int decimals = 0;
    int offset = 0;
};

// Just enough of dBASE III to check codes and field types.
class SmallDbf {
public:
    explicit SmallDbf(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), {});
        if (bytes_.size() < 32) return;
        records_ = U32(4);
        headerLength_ = U16(8);
        recordLength_ = U16(10);
        int offset = 1;  // deletion flag
        for (std::size_t p = 32; p + 32 <= headerLength_ && bytes_[p] != 0x0D; p += 32) {
            DbfField f;
            f.name.assign(&bytes_[p], strnlen(&bytes_[p], 11));
            f.type = bytes_[p + 11];
            f.width = static_cast<unsigned char>(bytes_[p + 16]);
            f.decimals = static_cast<unsigned char>(bytes_[p + 17]);
            f.offset = offset;
            offset += f.width;
            fields_.push_back(f);
        }
        ok_ = headerLength_ + std::size_t(records_) * recordLength_ <= bytes_.size();
    }

    bool Ok() const { return ok_; }
    std::uint32_t Records() const { return records_; }

    const DbfField* Field(const std::string& name) const {
        for (const DbfField& f : fields_)
            if (wxString(f.name).IsSameAs(wxString(name), false)) return &f;
        return nullptr;
    }

    // The value with trailing blanks removed, as the viewer compares codes.
    std::string Value(std::uint32_t record, const DbfField& f) const {
        const std::size_t start = headerLength_ + std::size_t(record) * recordLength_ + f.offset;
        std::string v(&bytes_[start], f.width);
        v.erase(v.find_last_not_of(' ') + 1);
        return v;
    }

    bool HasValue(const DbfField& f, const std::string& value) const {
        for (std::uint32_t r = 0; r < records_; ++r)
            if (Value(r, f) == value) return true;
        return false;
    }

private:
    std::uint32_t U32(std::size_t p) const {
        const auto* b = reinterpret_cast<const unsigned char*>(&bytes_[p]);
        return b[0] | (b[1] << 8) | (b[2] << 16) | (std::uint32_t(b[3]) << 24);
    }
    std::uint16_t U16(std::size_t p) const {
        const auto* b = reinterpret_cast<const unsigned char*>(&bytes_[p]);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }

    std::vector<char> bytes_;
    std::vector<DbfField> fields_;
    std::uint32_t records_ = 0;
    std::size_t headerLength_ = 0;
    std::size_t recordLength_ = 0;
    bool ok_ = false;
};

// ---------------------------------------------------------------- themes
struct ThemeLayer {
    std::string name;  // ISO-8859-1, as in the file
    std::string file;  // relative to the data directory
    std::string classification;  // "", "VALOR" or "TEXTO"
    std::string field, textField, rotationField;
};

std::string Attr(const TiXmlElement* e, const char* name) {
    const char* v = e->Attribute(name);
    return v ? v : "";
}

std::vector<ThemeLayer> LoadTheme(const std::string& fileName) {
    std::vector<ThemeLayer> layers;
    TiXmlDocument doc;
    const std::string path = kDataDir + "MapasVel/" + fileName;
    if (!doc.LoadFile(path.c_str())) {
        ADD_FAILURE() << "No se puede leer " << path << ": " << doc.ErrorDesc();
        return layers;
    }
    const TiXmlElement* root = doc.RootElement();
    EXPECT_STREQ("PROYECTO_VELMOR", root->Value());
    EXPECT_EQ("1.0.0", Attr(root, "version"));
    const TiXmlElement* capas = root->FirstChildElement("CAPAS");
    if (!capas) return layers;
    for (const TiXmlElement* c = capas->FirstChildElement(); c; c = c->NextSiblingElement()) {
        ThemeLayer l;
        l.name = Attr(c, "nombre");
        const std::string ruta = Attr(c, "ruta");
        EXPECT_EQ('/', ruta.front()) << l.name;
        EXPECT_EQ('/', ruta.back()) << l.name;
        l.file = ruta.substr(1) + Attr(c, "archivo");
        EXPECT_EQ("SHP", Attr(c, "tipo")) << l.name;
        if (const TiXmlElement* cls = c->FirstChildElement("CLASIFICACION")) {
            l.classification = Attr(cls, "tipo");
            const TiXmlElement* body = cls->FirstChildElement();
            if (body) {
                l.field = Attr(body, "campo");
                l.textField = Attr(body, "descripcion");
                l.rotationField = Attr(body, "campo_rotacion");
            }
        }
        layers.push_back(l);
    }
    return layers;
}

const std::map<int, std::string> kThemeOfMap = {
    {1, "MedioFisico.vel"}, {2, "MedioHumano.vel"}, {3, "MiLocalidad.vel"}};

bool ThemeHasLayer(int map, const std::string& name, const std::string& file) {
    for (const ThemeLayer& l : LoadTheme(kThemeOfMap.at(map)))
        if (l.name == name && l.file == file) return true;
    return false;
}

// ---------------------------------------------------------------- tests

TEST(AtlasGazetteer, HasTheTablesAndColumnsTheQueriesName) {
    DbHandle db = OpenGazetteer();
    ASSERT_TRUE(db);
    const std::map<std::string, std::set<std::string>> required = {
        {"Toponimo", {"CODIGO", "VALOR", "CAPA_BUSQUEDA_ID"}},
        {"Capa_de_busqueda", {"CAPABUSQUEDA_ID", "CAMPO_BUSQUEDA", "CAMPO_CODIGO", "CAPA_CAPA_ID"}},
        {"Capa", {"CAPA_ID", "ARCHIVO", "NOMBRE", "MAPA_ID"}},
        {"Contenido", {"CAPA_BUSQUEDA_ID", "CODIGO_ELEMENTO", "TIPO_CAMPO", "CONTENIDO",
                       "DESCRIPCION"}},
        {"Municipios", {"COD_MUN", "NOMBRE", "CAPA_BUSQUEDA_ID"}}};
    for (const auto& [table, columns] : required) {
        const std::set<std::string> present = Columns(db.get(), table);
        for (const std::string& c : columns) EXPECT_TRUE(present.count(c)) << table << "." << c;
    }
    // The place-name query names MAPA_ID without a table.
    EXPECT_NE(Columns(db.get(), "Toponimo").count("MAPA_ID"),
              Columns(db.get(), "Capa_de_busqueda").count("MAPA_ID"));

    // The viewer's own statements run and find something on every map.
    for (int map = 1; map <= 3; ++map) {
        const auto rows = Query(db.get(),
            "SELECT CODIGO, VALOR, CAPA_BUSQUEDA_ID, CAPABUSQUEDA_ID FROM Toponimo, "
            "Capa_de_busqueda  WHERE VALOR LIKE '%a%' AND CAPABUSQUEDA_ID = "
            "CAPA_BUSQUEDA_ID AND MAPA_ID = " + std::to_string(map) + " ORDER BY VALOR");
        EXPECT_GT(rows.size(), 10u) << "mapa " << map;
    }
    const auto munis = Query(db.get(), "SELECT COD_MUN, NOMBRE, CAPA_BUSQUEDA_ID FROM "
                                       "Municipios WHERE NOMBRE LIKE '%' ORDER BY NOMBRE");
    EXPECT_EQ(785u, munis.size());  // every municipality of Andalucía
}

TEST(AtlasGazetteer, StoresItsTextsAsLatin1) {
    DbHandle db = OpenGazetteer();
    ASSERT_TRUE(db);
    // Texts are TEXT values, never blobs, and hold no UTF-8 sequences.
    for (const char* column : {"Toponimo.VALOR", "Municipios.NOMBRE", "Capa.NOMBRE",
                               "Contenido.DESCRIPCION"}) {
        const std::string c(column);
        const std::string table = c.substr(0, c.find('.'));
        const std::string sql = "SELECT typeof(" + c + "), " + c + " FROM " + table;
        for (const Row& r : Query(db.get(), sql)) {
            ASSERT_EQ("text", r[0]) << c;
            for (std::size_t i = 0; i + 1 < r[1].size(); ++i) {
                const auto lead = static_cast<unsigned char>(r[1][i]);
                const auto next = static_cast<unsigned char>(r[1][i + 1]);
                ASSERT_FALSE(lead == 0xC3 && next >= 0x80 && next <= 0xBF)
                    << c << " parece UTF-8: " << r[1];
            }
        }
    }
    // Names with accents and enes are single Latin-1 bytes.
    const auto peak = Query(db.get(), "SELECT VALOR FROM Toponimo WHERE VALOR LIKE 'Mulhac%'");
    ASSERT_EQ(1u, peak.size());
    EXPECT_EQ(std::string("Mulhac\xE9n"), peak[0][0]);
    EXPECT_EQ(wxString::FromUTF8("Mulhacén"), wxTextUtil::std2wx(peak[0][0]));
    const auto muni = Query(db.get(), "SELECT NOMBRE FROM Municipios WHERE COD_MUN = '14006'");
    ASSERT_EQ(1u, muni.size());
    EXPECT_EQ(std::string("A\xF1ora"), muni[0][0]);
    // SQLite's LIKE reads every such byte as one unknown character, so a
    // typed "ñ" still finds the enes (among other accented letters).
    const auto withN = Query(db.get(),
        "SELECT NOMBRE FROM Municipios WHERE NOMBRE LIKE '%" + Latin1("ñ") + "%'");
    std::size_t enes = 0;
    for (const Row& r : withN) enes += r[0].find('\xF1') != std::string::npos;
    EXPECT_GE(enes, 20u);
    // A search typed with an accent finds the place the way the dialog asks.
    const auto cordoba = Query(db.get(),
        "SELECT CODIGO FROM Toponimo, Capa_de_busqueda  WHERE VALOR LIKE '%" +
        Latin1("Córdoba") + "%' AND CAPABUSQUEDA_ID = CAPA_BUSQUEDA_ID AND MAPA_ID = 2");
    EXPECT_FALSE(cordoba.empty());
}

// Checks that the layer named by a search layer is in the theme of its map,
// that its code column is a text column, and returns its table.
struct SearchLayer {
    std::string file, name, codeField;
    int map = 0;
};

std::map<std::string, SearchLayer> SearchLayers(sqlite3* db) {
    std::map<std::string, SearchLayer> out;
    for (const Row& r : Query(db, "SELECT CAPABUSQUEDA_ID, ARCHIVO, NOMBRE, CAMPO_CODIGO, "
                                  "Capa.MAPA_ID FROM Capa_de_busqueda, Capa "
                                  "WHERE CAPA_CAPA_ID = CAPA_ID"))
        out[r[0]] = SearchLayer{r[1], r[2], r[3], std::stoi(r[4])};
    return out;
}

TEST(AtlasGazetteer, EveryHitIsFoundInALayerOfItsMap) {
    DbHandle db = OpenGazetteer();
    ASSERT_TRUE(db);
    const auto layers = SearchLayers(db.get());
    ASSERT_FALSE(layers.empty());
    std::map<std::string, std::unique_ptr<SmallDbf>> tables;
    for (const auto& [id, layer] : layers) {
        EXPECT_TRUE(ThemeHasLayer(layer.map, layer.name, layer.file))
            << layer.name << " (" << layer.file << ") no está en el tema del mapa " << layer.map;
        const std::string base = kDataDir + layer.file.substr(0, layer.file.size() - 4);
        for (const char* ext : {".shp", ".shx", ".dbf"})
            EXPECT_TRUE(wxFileName::FileExists(base + ext)) << base << ext;
        auto table = std::make_unique<SmallDbf>(base + ".dbf");
        ASSERT_TRUE(table->Ok()) << layer.file;
        const DbfField* code = table->Field(layer.codeField);
        ASSERT_NE(nullptr, code) << layer.file << " sin " << layer.codeField;
        EXPECT_EQ('C', code->type) << "el código debe ser texto: " << layer.file;
        tables[id] = std::move(table);
    }
    int checked = 0;
    for (const char* sql : {"SELECT CAPA_BUSQUEDA_ID, CODIGO, VALOR FROM Toponimo",
                            "SELECT CAPA_BUSQUEDA_ID, COD_MUN, NOMBRE FROM Municipios"}) {
        for (const Row& r : Query(db.get(), sql)) {
            ASSERT_TRUE(tables.count(r[0])) << "capa de búsqueda inexistente " << r[0];
            const SearchLayer& layer = layers.at(r[0]);
            const DbfField* code = tables[r[0]]->Field(layer.codeField);
            EXPECT_TRUE(tables[r[0]]->HasValue(*code, r[1]))
                << r[2] << ": código " << r[1] << " ausente de " << layer.file;
            ++checked;
        }
    }
    EXPECT_GT(checked, 1500);
    // Municipality hits must lie on the my-locality map, where the search runs.
    for (const Row& r : Query(db.get(), "SELECT DISTINCT CAPA_BUSQUEDA_ID FROM Municipios"))
        EXPECT_EQ(3, layers.at(r[0]).map);
}

TEST(AtlasGazetteer, ContentsOfAMunicipalityArePicturesThatLoad) {
    DbHandle db = OpenGazetteer();
    ASSERT_TRUE(db);
    const auto pictures = Query(db.get(), "SELECT DISTINCT CONTENIDO FROM Contenido");
    ASSERT_GE(pictures.size(), 16u + 785u);
    for (const Row& r : pictures) {
        const std::string path = kDataDir + r[0];
        ASSERT_TRUE(wxFileName::FileExists(path)) << path;
        wxImage image;
        ASSERT_TRUE(image.LoadFile(path, wxBITMAP_TYPE_ANY)) << path;
        EXPECT_GT(image.GetWidth(), 100);
        EXPECT_GT(image.GetHeight(), 100);
    }
    // The information panel's lookup: relative layer path and map number, then
    // the code as it takes it from the attribute row (with its leading blank).
    const auto contents = [&](const std::string& layerFile, int map, const std::string& code) {
        const auto search = Query(db.get(),
            "SELECT CAPABUSQUEDA_ID FROM Capa_de_busqueda \tWHERE CAPA_CAPA_ID = (SELECT "
            "CAPA_ID FROM Capa WHERE ARCHIVO = '" + layerFile + "' AND MAPA_ID = " +
            std::to_string(map) + ")");
        EXPECT_EQ(1u, search.size()) << layerFile << " mapa " << map;
        if (search.empty()) return std::vector<Row>();
        const auto type = Query(db.get(), "SELECT TIPO_CAMPO FROM Contenido WHERE "
                                          "CAPA_BUSQUEDA_ID = " + search[0][0]);
        EXPECT_FALSE(type.empty());
        if (!type.empty()) EXPECT_NE(std::string::npos, type.back()[0].find('N'));
        return Query(db.get(), "SELECT CONTENIDO, DESCRIPCION FROM Contenido WHERE "
                               "CAPA_BUSQUEDA_ID = " + search[0][0] + " AND " +
                               "CODIGO_ELEMENTO = " + code);
    };
    const auto count = [](const std::vector<Row>& rows, const std::string& text) {
        int n = 0;
        for (const Row& r : rows) n += r[1].find(text) != std::string::npos;
        return n;
    };
    const std::string almeria = Latin1("provincia de Almería");
    // Abla (04001): a code with a leading zero, matched as a number.
    const auto human = contents("Medio_humano/Municipios.shp", 2, " 04001");
    ASSERT_EQ(1u, human.size());
    EXPECT_EQ(1, count(human, "Abla"));
    const auto locality = contents("Medio_humano/Municipios.shp", 3, " 04001");
    ASSERT_EQ(3u, locality.size());  // its own map, its province's map and card
    EXPECT_EQ(1, count(locality, "Abla"));
    EXPECT_EQ(2, count(locality, almeria));
    // A province answers with the code of its capital's municipality.
    const auto province = contents("Medio_humano/Provincias.shp", 2, " 04013");
    ASSERT_EQ(2u, province.size());
    EXPECT_EQ(2, count(province, almeria));
    EXPECT_TRUE(contents("Medio_humano/Provincias.shp", 2, " 04001").empty());
    // The panel takes those codes from the first field whose name holds COD_MUN.
    SmallDbf provinces(kDataDir + "Medio_humano/Provincias.dbf");
    const DbfField* capital = provinces.Field("COD_MUNCAP");
    ASSERT_NE(nullptr, capital);
    EXPECT_TRUE(provinces.HasValue(*capital, "04013"));
    SmallDbf municipalities(kDataDir + "Medio_humano/Municipios.dbf");
    ASSERT_NE(nullptr, municipalities.Field("COD_MUN"));
    EXPECT_TRUE(municipalities.HasValue(*municipalities.Field("COD_MUN"), "04001"));
    // Every municipality of the table has its pictures.
    const auto missing = Query(db.get(),
        "SELECT COD_MUN FROM Municipios WHERE CAST(COD_MUN AS INTEGER) NOT IN "
        "(SELECT CODIGO_ELEMENTO FROM Contenido)");
    EXPECT_TRUE(missing.empty()) << missing.size() << " municipios sin contenidos";
}

TEST(AtlasThemes, NameFieldsTheirLayersHave) {
    int textLayers = 0, valueLayers = 0;
    for (const char* theme : {"MedioFisico.vel", "MedioHumano.vel", "MiLocalidad.vel",
                              "Referencia.vel"}) {
        const auto layers = LoadTheme(theme);
        EXPECT_GE(layers.size(), 4u) << theme;
        for (const ThemeLayer& l : layers) {
            const std::string base = kDataDir + l.file.substr(0, l.file.size() - 4);
            SmallDbf table(base + ".dbf");
            ASSERT_TRUE(table.Ok()) << l.file;
            ASSERT_GT(table.Records(), 0u) << l.file;
            if (l.classification == "VALOR") {
                ++valueLayers;
                EXPECT_NE(nullptr, table.Field(l.field)) << l.file << " " << l.field;
            } else if (l.classification == "TEXTO") {
                ++textLayers;
                // Class and rotation: integers read as such (width up to 4);
                // the label itself: a text column.
                const DbfField* cls = table.Field(l.field);
                const DbfField* text = table.Field(l.textField);
                const DbfField* rot = table.Field(l.rotationField);
                ASSERT_TRUE(cls && text && rot) << l.file;
                EXPECT_TRUE(cls->type == 'N' && cls->decimals == 0 && cls->width <= 4) << l.file;
                EXPECT_EQ('C', text->type) << l.file;
                EXPECT_TRUE(rot->type == 'N' && rot->decimals == 0 && rot->width <= 4) << l.file;
                // Label layers get a check box in the legend by their name.
                EXPECT_TRUE(l.name.find("Toponimia") == 0 || l.name == "Coordenadas") << l.name;
            } else {
                EXPECT_EQ("", l.classification) << l.file;
            }
        }
    }
    EXPECT_GE(textLayers, 6);
    EXPECT_GE(valueLayers, 6);
}

TEST(AtlasThemes, AreDeclaredAsLatin1AndTheMarkerExists) {
    EXPECT_TRUE(wxFileName::FileExists(kDataDir + "datos.mmm"));
    for (const char* theme : {"MedioFisico.vel", "MedioHumano.vel", "MiLocalidad.vel",
                              "Referencia.vel"}) {
        std::ifstream in(kDataDir + "MapasVel/" + theme, std::ios::binary);
        std::string head(80, '\0');
        in.read(&head[0], 80);
        EXPECT_NE(std::string::npos, head.find("encoding=\"ISO-8859-1\"")) << theme;
    }
    // A Latin-1 layer name reads back through the byte conversion.
    bool found = false;
    for (const ThemeLayer& l : LoadTheme("MedioFisico.vel"))
        found = found || wxTextUtil::std2wx(l.name) == wxString::FromUTF8("Ríos");
    EXPECT_TRUE(found);
}

}  // namespace
