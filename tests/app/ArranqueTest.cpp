// The real viewer started as a user would start it, with a home directory of
// its own. A safety timeout stops a run that would wait for a dialog.
#include "DirectorioPrueba.h"

#include <gtest/gtest.h>
#include <fstream>
#include <sys/wait.h>

namespace {

const char kRechazo[] = "En la ruta especificada no se encuentran los datos.";
const char kSinConfiguracion[] = "ERROR. No ha sido posible obtener la configuración.";

// Each case: whether a valid directory is remembered, the arguments (ATLAS
// and VACIO stand for a valid and an empty data directory), the exit code
// (1: any failure but the timeout's) and the messages expected on stderr in
// order (none: no refusal, and nothing at all when quiet).
TEST(Arranque, DataDirectoryFromTheCommandLineOrRememberedAndNeverWritten) {
    const struct {
        bool recordado;
        std::string argumentos;
        int codigo;
        std::vector<std::string> mensajes;
    } casos[] = {
        {false, "--datos=ATLAS --cerrar-tras-mostrar", 0, {}},
        {true, "--silencioso --cerrar-tras-mostrar", 0, {}},
        {false, "--datos VACIO --silencioso", 1, {kRechazo, kSinConfiguracion}},
        {true, "--datos VACIO --silencioso --cerrar-tras-mostrar", 0, {kRechazo}},
        {false, "--escala 5000", 2, {"Uso: vaq", "--salida"}},
    };
    for (size_t i = 0; i < std::size(casos); ++i) {
        HomePrueba home;
        DirectorioPrueba datos;
        const std::string atlas = datos.Subdirectorio("atlas", true), vacio = datos.Subdirectorio("vacio", false);
        if (casos[i].recordado) std::ofstream(home.Configuracion()) << "PathApp=" << atlas << "\n";
        std::string argumentos = casos[i].argumentos;
        for (const auto& [nombre, ruta] : {std::pair{"ATLAS", atlas}, std::pair{"VACIO", vacio}})
            if (argumentos.find(nombre) != std::string::npos) argumentos.replace(argumentos.find(nombre), 5, "'" + ruta + "'");
        const std::string orden = "HOME='" + home.Ruta() + "' timeout 60 '" VAQ_EXECUTABLE "' " + argumentos +
                                  " >/dev/null 2>'" + home.Ruta("stderr.txt") + "'";
        const int estado = std::system(orden.c_str());
        std::ifstream f(home.Ruta("stderr.txt"));
        const std::string errores((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        const int codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
        if (casos[i].codigo == 1) EXPECT_TRUE(codigo != 0 && codigo != 124) << "case " << i << ": " << codigo;
        else EXPECT_EQ(codigo, casos[i].codigo) << "case " << i << ": " << errores;
        size_t desde = 0;
        for (const std::string& mensaje : casos[i].mensajes) {
            desde = errores.find(mensaje, desde);
            EXPECT_NE(desde, std::string::npos) << "case " << i << ": " << mensaje << "\n" << errores;
        }
        if (casos[i].mensajes.empty()) EXPECT_EQ(errores.find(kRechazo), std::string::npos) << "case " << i;
        if (casos[i].mensajes.empty() && argumentos.find("--silencioso") != std::string::npos)
            EXPECT_EQ(errores, "") << "case " << i;
        // The command line is never remembered, nor the remembered directory replaced.
        if (casos[i].recordado) EXPECT_EQ(home.LeerConfiguracion(), "PathApp=" + atlas + "\n") << "case " << i;
        else EXPECT_FALSE(home.HayConfiguracion()) << "case " << i;
    }
}

}  // namespace
