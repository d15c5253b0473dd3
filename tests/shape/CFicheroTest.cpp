#include "CFichero.h"
#include "DirectorioPrueba.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>

// Reads at positions are covered by the damaged-file tests, mapping from
// inside a page by the record boxes read in pieces.
TEST(CFicheroLectura, MapsAtPathsLongerThan256CharactersAndRefusesEmptyFiles) {
    DirectorioPrueba dir;
    std::string ruta = dir.Ruta();
    for (int i = 0; i < 6; ++i) {
        ruta += "/" + std::string(60, static_cast<char>('a' + i));
        std::filesystem::create_directory(ruta);
    }
    std::ofstream(ruta + "/datos", std::ios::binary) << "0123456789";
    std::ofstream(ruta + "/vacio", std::ios::binary);
    CFichero f;
    ASSERT_TRUE(f.Abre((ruta + "/datos").c_str(), CFichero::SoloLectura));
    EXPECT_EQ(f.Escribe("x", 1, 0), 0u);  // read-only
    const char* mapa = static_cast<const char*>(f.Map());
    ASSERT_NE(static_cast<const void*>(mapa), CFichero::MapaFallido());
    ASSERT_NE(mapa, nullptr);
    EXPECT_EQ(std::string(mapa, 10), "0123456789");
    EXPECT_TRUE(f.Cierra());
    EXPECT_EQ(f.Map(), nullptr);

    CFichero vacio;
    ASSERT_TRUE(vacio.Abre((ruta + "/vacio").c_str(), CFichero::SoloLectura));
    EXPECT_EQ(vacio.Map(), CFichero::MapaFallido());
}
