#include "CFichero.h"
#include "CShape.h"
#include "DirectorioPrueba.h"

#include <gtest/gtest.h>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

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

// A FIFO or a directory named like a data file is refused at once with the
// reason (the FIFO's other end is held, so a blocking reader would not hang).
TEST(CFicheroLectura, OnlyRegularFilesOpenAndTheReasonIsKept) {
    DirectorioPrueba dir;
    ASSERT_EQ(::mkfifo((dir / "tuberia.shx").c_str(), 0600), 0);
    const int otroExtremo = ::open((dir / "tuberia.shx").c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(otroExtremo, 0);
    std::filesystem::create_directory(dir / "carpeta.shx");
    const struct { std::string ruta; int error; } casos[] = {
        {dir / "tuberia.shx", CFichero::kNoEsArchivoRegular},
        {dir / "carpeta.shx", CFichero::kNoEsArchivoRegular},
        {dir / "nada.shx", ENOENT}};
    for (const auto& caso : casos) {
        CFichero f;
        EXPECT_FALSE(f.Abre(caso.ruta.c_str(), CFichero::SoloLectura)) << caso.ruta;
        EXPECT_EQ(f.ErrorApertura(), caso.error) << caso.ruta;
    }
    std::ofstream(dir / "tuberia.shp") << "";
    try {
        CShape shape((dir / "tuberia").c_str());
        ADD_FAILURE() << "a FIFO opened as an index";
    } catch (const char* error) {
        EXPECT_STREQ(error, "ErrorAbriendoShx");
    }
    ::close(otroExtremo);
}
