#include "CFichero.h"
#include "DirectorioPrueba.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace {
void Escribe(const std::string& ruta, const std::string& contenido) {
    std::ofstream(ruta, std::ios::binary) << contenido;
}
}  // namespace

TEST(CFicheroLectura, ReadsAtPositionsAndMaps) {
    DirectorioPrueba dir;
    Escribe(dir / "datos", "0123456789");
    CFichero f;
    ASSERT_TRUE(f.Abre((dir / "datos").c_str(), CFichero::SoloLectura));
    EXPECT_EQ(f.Tamano(), 10u);
    char buffer[8] = {};
    EXPECT_EQ(f.Lee(buffer, 3, 4), 3u);
    EXPECT_EQ(std::string(buffer, 3), "456");
    EXPECT_EQ(f.Lee(buffer, 3, -1), 3u);  // continues where the last read ended
    EXPECT_EQ(std::string(buffer, 3), "789");
    EXPECT_EQ(f.Lee(buffer, 5, 8), 2u);   // short at the end
    EXPECT_EQ(f.Escribe("x", 1, 0), 0u);  // read-only
    EXPECT_FALSE(f.Precarga());           // nothing mapped yet
    const char* mapa = static_cast<const char*>(f.Map());
    ASSERT_NE(static_cast<const void*>(mapa), CFichero::MapaFallido());
    ASSERT_NE(mapa, nullptr);
    EXPECT_EQ(std::string(mapa, 10), "0123456789");
    EXPECT_EQ(f.Map(3, 0), nullptr);  // a position needs a length
    EXPECT_TRUE(f.Cierra());
    EXPECT_FALSE(f.Mapeado());
    EXPECT_EQ(f.Lee(buffer, 1, 0), 0u);
    EXPECT_EQ(f.Map(), nullptr);

    std::string contenido(10000, 'a');  // mapping from inside a page
    contenido[5000] = 'Z';
    Escribe(dir / "grande", contenido);
    ASSERT_TRUE(f.Abre((dir / "grande").c_str(), CFichero::SoloLectura));
    const char* vista = static_cast<const char*>(f.Map(5000, 10));
    ASSERT_NE(static_cast<const void*>(vista), CFichero::MapaFallido());
    EXPECT_EQ(*vista, 'Z');

    Escribe(dir / "vacio", "");
    CFichero vacio;
    ASSERT_TRUE(vacio.Abre((dir / "vacio").c_str(), CFichero::SoloLectura));
    EXPECT_EQ(vacio.Map(), CFichero::MapaFallido());
    EXPECT_FALSE(vacio.Mapeado());
}

TEST(CFicheroLectura, KeepsPathsLongerThan256Characters) {
    DirectorioPrueba dir;
    std::string ruta = dir.Ruta();
    for (int i = 0; i < 6; ++i) {
        ruta += "/" + std::string(60, static_cast<char>('a' + i));
        std::filesystem::create_directory(ruta);
    }
    ruta += "/fichero";
    Escribe(ruta, "hola");
    CFichero f;
    ASSERT_TRUE(f.Abre(ruta.c_str(), CFichero::SoloLectura));
    EXPECT_EQ(f.Nombre(), ruta);
    EXPECT_EQ(f.Tamano(), 4u);
}

