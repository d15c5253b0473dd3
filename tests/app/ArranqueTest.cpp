// The real viewer started as a user would start it, with a home directory of
// its own. A safety timeout stops a run that would wait for a dialog.
#include "DirectorioPrueba.h"
#include "PantallaPruebas.h"

#include <gtest/gtest.h>
#include <wx/colour.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <spawn.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

extern char** environ;

namespace {

const char kRechazo[] = "En la ruta especificada no se encuentran los datos.";
const char kSinConfiguracion[] = "ERROR. No ha sido posible obtener la configuración.";
const wxColour kFondo(15, 61, 0);

// The pid of a shell command line that execs the viewer, or -1.
pid_t Lanzar(const std::string& orden) {
    pid_t pid = -1;
    const char* args[] = {"/bin/sh", "-c", orden.c_str(), nullptr};
    return posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(args), environ) == 0 ? pid : -1;
}

// Exit status of the process ending within the time; else killed, and -1.
int Esperar(pid_t pid, int segundos) {
    int estado = 0;
    for (int i = 0; i < segundos * 20; ++i, wxMilliSleep(50))
        if (waitpid(pid, &estado, WNOHANG) == pid) return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    kill(pid, SIGKILL);
    waitpid(pid, &estado, 0);
    return -1;
}

// Share of a zone of the screen in colours other than the background's, black and white.
double ParteDibujada(const wxRect& zona) {
    const wxImage imagen = CapturarZona(zona);
    long dibujados = 0;
    for (int y = 0; y < imagen.GetHeight(); ++y)
        for (int x = 0; x < imagen.GetWidth(); ++x) {
            const wxColour c = ColorEn(imagen, x, y);
            dibujados += c != kFondo && c != *wxBLACK && c != *wxWHITE;
        }
    return imagen.IsOk() ? static_cast<double>(dibujados) / (imagen.GetWidth() * imagen.GetHeight()) : 0.0;
}

// A copy of the viewer whose pictures lack the close button's and have the help button's damaged.
std::string DirectorioAplicacionIncompleto(const DirectorioPrueba& dir) {
    namespace fs = std::filesystem;
    const fs::path app = VAQ_SOURCE_DIR "/data/app";
    fs::create_directories(dir / "ico");
    for (const auto& entrada : fs::directory_iterator(app / "ico"))
        if (entrada.path().filename() != "b_cerrar.bmp")
            fs::create_symlink(entrada.path(), fs::path(dir / "ico") / entrada.path().filename());
    fs::remove(dir / "ico/b_ayuda.bmp");
    std::ofstream(dir / "ico/b_ayuda.bmp") << "BM no es una imagen";
    for (const char* carpeta : {"cursor", "BD", "Ayuda"}) fs::create_symlink(app / carpeta, dir / carpeta);
    fs::copy_file(VAQ_EXECUTABLE, dir / "vaq");
    return dir / "vaq";
}

// ATLAS and VACIO stand for the bundled atlas and an empty directory. A run
// left open, full screen or --ventana, shows both maps and its close button
// ends it with 0; each unreadable picture is one line on stderr (the button
// shows its name and still works), and no dialog stops it. Messages come in
// their order; none: nothing on stderr. The command line is never remembered,
// nor the remembered directory replaced.
TEST(Arranque, TheViewerFindsItsDataShowsBothMapsAndEndsAsAsked) {
    const struct {
        bool recordado, incompleto;
        std::string argumentos;
        int codigo;  // 1: any failure but a crash or the timeout's
        std::vector<std::string> mensajes;
    } casos[] = {
        {false, false, "--datos ATLAS --ventana", 0, {}},
        {false, true, "--datos=ATLAS", 0, {"/ico/b_ayuda.bmp; el bot", "/ico/b_cerrar.bmp; el bot"}},
        {true, false, "--silencioso --cerrar-tras-mostrar", 0, {}},
        {false, false, "--datos VACIO --silencioso", 1, {kRechazo, kSinConfiguracion}},
        {true, false, "--datos VACIO --silencioso --cerrar-tras-mostrar", 0, {kRechazo}},
        {false, false, "--escala 5000", 2, {"Uso: vaq", "--salida"}},
    };
    DirectorioPrueba copia;
    const std::string incompleto = DirectorioAplicacionIncompleto(copia);
    for (size_t i = 0; i < std::size(casos); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const auto& caso = casos[i];
        HomePrueba home;
        DirectorioPrueba datos;
        const std::string atlas = VAQ_SOURCE_DIR "/data/atlas", vacio = datos.Subdirectorio("vacio", false);
        if (caso.recordado) std::ofstream(home.Configuracion()) << "PathApp=" << atlas << "\n";
        std::string argumentos = caso.argumentos;
        for (const auto& [nombre, ruta] : {std::pair{"ATLAS", atlas}, std::pair{"VACIO", vacio}})
            if (argumentos.find(nombre) != std::string::npos) argumentos.replace(argumentos.find(nombre), 5, "'" + ruta + "'");
        const pid_t pid = Lanzar("exec '" + (caso.incompleto ? incompleto : VAQ_EXECUTABLE) + "' " + argumentos +
                                 " >/dev/null 2>'" + home.Ruta("stderr.txt") + "'");
        ASSERT_GT(pid, 0);
        const auto errores = [&home] {
            std::ifstream f(home.Ruta("stderr.txt"));
            return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        };
        if (caso.codigo == 0 && argumentos.find("--cerrar-tras-mostrar") == std::string::npos) {
            // The design lies centred on the screen; wait until both maps are drawn there.
            const wxPoint origen((wxGetDisplaySize().x - 1024) / 2, (wxGetDisplaySize().y - 768) / 2);
            const wxRect mapa(origen + wxPoint(224, 66), wxSize(790, 584));
            const wxRect referencia(origen + wxPoint(27, 647), wxSize(176, 107));
            for (int n = 0; n < 600 && (ParteDibujada(mapa) <= 0.3 || ParteDibujada(referencia) <= 0.3); ++n) wxMilliSleep(50);
            EXPECT_GT(ParteDibujada(mapa), 0.3) << errores();
            EXPECT_GT(ParteDibujada(referencia), 0.3);
            // Full screen, the window's background fills the screen around the design.
            const bool pantallaCompleta = argumentos.find("--ventana") == std::string::npos;
            EXPECT_EQ(ColorEn(CapturarZona(wxRect(2, 2, 1, 1)), 0, 0) == kFondo, pantallaCompleta);
            wxUIActionSimulator raton;
            raton.MouseMove(origen + wxPoint(980 + 20, 21));  // the close button
            raton.MouseClick();
        }
        const int codigo = Esperar(pid, 60);
        const std::string texto = errores();
        if (caso.codigo == 1) EXPECT_GT(codigo, 0);
        else EXPECT_EQ(codigo, caso.codigo) << texto;
        size_t desde = 0;
        for (const std::string& mensaje : caso.mensajes) {
            desde = texto.find(mensaje, desde);
            EXPECT_NE(desde, std::string::npos) << mensaje << "\n" << texto;
        }
        if (caso.mensajes.empty()) {
            EXPECT_EQ(texto, "");
        }
        if (caso.incompleto) {
            EXPECT_EQ(static_cast<size_t>(std::count(texto.begin(), texto.end(), '\n')), 2u) << texto;
        }
        if (caso.recordado) EXPECT_EQ(home.LeerConfiguracion(), "PathApp=" + atlas + "\n");
        else EXPECT_FALSE(home.HayConfiguracion());
    }
}

}  // namespace
