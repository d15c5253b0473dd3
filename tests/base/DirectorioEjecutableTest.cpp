#include "DirectorioEjecutable.h"
#include "DirectorioPrueba.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

constexpr char kEsperado[] = "VAQ_DIRECTORIO_ESPERADO";

// The program may be installed under any prefix, accented ones included: a
// copy of this test program, run from such a directory, must find it (the
// copy checks, told by the environment what to expect).
TEST(DirectorioAplicacion, IsTheDirectoryOfTheRunningProgramUnderAnyName) {
    if (const char* esperado = std::getenv(kEsperado)) {
        EXPECT_EQ(DirectorioAplicacion(), wxString::FromUTF8(esperado));
        return;
    }
    DirectorioPrueba d;
    const std::string directorio = d.Ruta("Programación ñ");
    std::filesystem::create_directories(directorio);
    const std::string copia = directorio + "/prueba";
    std::filesystem::copy_file("/proc/self/exe", copia);
    std::filesystem::permissions(copia, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    const std::string orden = std::string(kEsperado) + "='" + directorio + "' '" + copia +
                              "' --gtest_filter=DirectorioAplicacion.* >/dev/null 2>&1";
    const int estado = std::system(orden.c_str());
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << orden;
}
