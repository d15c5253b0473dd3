// The real viewer started as a user would start it, with a home directory of
// its own. A safety timeout stops a run that would wait for a dialog.
#include "DirectorioPrueba.h"

#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

struct Ejecucion {
    int codigo;
    std::string errores;
};

Ejecucion Ejecutar(const HomePrueba& home, const std::string& argumentos) {
    const std::string errores = home.Ruta("stderr.txt");
    const std::string orden = "HOME='" + home.Ruta() + "' timeout 60 '" VAQ_EXECUTABLE "' " + argumentos +
                              " >/dev/null 2>'" + errores + "'";
    const int estado = std::system(orden.c_str());
    std::ifstream f(errores);
    std::stringstream texto;
    texto << f.rdbuf();
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, texto.str()};
}

const char kRechazo[] = "En la ruta especificada no se encuentran los datos.";
const char kSinConfiguracion[] = "ERROR. No ha sido posible obtener la configuración.";

TEST(Arranque, StartsWithADataDirectoryFromTheCommandLine) {
    HomePrueba home;
    DirectorioPrueba datos;
    const std::string atlas = datos.Subdirectorio("atlas", true);
    const Ejecucion r = Ejecutar(home, "--datos '" + atlas + "' --cerrar-tras-mostrar");
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.errores.find(kRechazo), std::string::npos);
    EXPECT_FALSE(home.HayConfiguracion()) << "the command line is never remembered";
}

TEST(Arranque, StartsWithTheRememberedDirectory) {
    HomePrueba home;
    DirectorioPrueba datos;
    const std::string atlas = datos.Subdirectorio("atlas", true);
    std::ofstream(home.Configuracion()) << "PathApp=" << atlas << "\n";
    const Ejecucion r = Ejecutar(home, "--silencioso --cerrar-tras-mostrar");
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_TRUE(r.errores.empty()) << r.errores;
}

TEST(Arranque, QuietWithoutDataEndsWithTheMessagesOnStderr) {
    HomePrueba home;
    DirectorioPrueba datos;
    const std::string vacio = datos.Subdirectorio("vacio", false);
    const Ejecucion r = Ejecutar(home, "--datos '" + vacio + "' --silencioso");
    EXPECT_NE(r.codigo, 0);
    EXPECT_NE(r.codigo, 124) << "stopped by the safety timeout: a dialog was waiting";
    const size_t rechazo = r.errores.find(kRechazo);
    const size_t final_ = r.errores.find(kSinConfiguracion);
    EXPECT_NE(rechazo, std::string::npos) << r.errores;
    EXPECT_NE(final_, std::string::npos) << r.errores;
    EXPECT_LT(rechazo, final_);
    EXPECT_FALSE(home.HayConfiguracion());
}

TEST(Arranque, AnInvalidDirectoryFallsBackToTheRememberedOne) {
    HomePrueba home;
    DirectorioPrueba datos;
    const std::string atlas = datos.Subdirectorio("atlas", true);
    const std::string vacio = datos.Subdirectorio("vacio", false);
    std::ofstream(home.Configuracion()) << "PathApp=" << atlas << "\n";
    const Ejecucion r = Ejecutar(home, "--datos '" + vacio + "' --silencioso --cerrar-tras-mostrar");
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_NE(r.errores.find(kRechazo), std::string::npos);
    EXPECT_EQ(home.LeerConfiguracion(), "PathApp=" + atlas + "\n");
}

TEST(Arranque, AWrongCommandLineShowsTheUsage) {
    HomePrueba home;
    const Ejecucion r = Ejecutar(home, "--escala 5000");
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.errores.find("--salida"), std::string::npos);
    EXPECT_NE(r.errores.find("Uso: vaq"), std::string::npos);
}

}  // namespace
