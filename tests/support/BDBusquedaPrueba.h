#pragma once
// Small gazetteer databases for tests, written with SQLite's own API in a
// fresh directory; UTF-8 statements stored as ISO-8859-1, as the bundled one.
#include "DirectorioPrueba.h"
#include "wxTextUtil.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <wx/string.h>

#include <string>

class BDBusquedaPrueba {
public:
    // The tables and columns the gazetteer's queries read.
    static constexpr const char* kEsquema =
        "CREATE TABLE Capa (CAPA_ID INTEGER PRIMARY KEY, ARCHIVO TEXT, NOMBRE TEXT, MAPA_ID INTEGER);"
        "CREATE TABLE Capa_de_busqueda (CAPABUSQUEDA_ID INTEGER PRIMARY KEY, CAMPO_BUSQUEDA TEXT,"
        " CAMPO_CODIGO TEXT, CAPA_CAPA_ID INTEGER, MAPA_ID INTEGER);"
        "CREATE TABLE Toponimo (CODIGO TEXT, VALOR TEXT, CAPA_BUSQUEDA_ID INTEGER);"
        "CREATE TABLE Municipios (COD_MUN TEXT, NOMBRE TEXT, CAPA_BUSQUEDA_ID INTEGER);"
        "CREATE TABLE Contenido (CAPA_BUSQUEDA_ID INTEGER, CODIGO_ELEMENTO INTEGER, TIPO_CAMPO TEXT,"
        " CONTENIDO TEXT, DESCRIPCION TEXT);";
    explicit BDBusquedaPrueba(const std::string& nombre = "BDbusqueda.db") : ruta(directorio / nombre) {}
    void Ejecutar(const std::string& sqlUtf8) const {
        sqlite3* bd = nullptr;
        ASSERT_EQ(sqlite3_open(ruta.c_str(), &bd), SQLITE_OK);
        const std::string latin1 = wxTextUtil::wx2std(wxString::FromUTF8(sqlUtf8.c_str()));
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(bd, latin1.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(bd);
    }
    const std::string& Ruta() const { return ruta; }
    wxString RutaWx() const { return wxString::FromUTF8(ruta.c_str()); }

private:
    DirectorioPrueba directorio;
    std::string ruta;
};
