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

// ATLAS and VACIO stand for the bundled atlas and an empty directory; code 1
// is any failure but the timeout's; no messages: no refusal (silence when quiet).
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
        const std::string atlas = VAQ_SOURCE_DIR "/data/atlas", vacio = datos.Subdirectorio("vacio", false);
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

// Share of the pixels of an image that are none of the given colours.
double ParteDistinta(const wxImage& imagen, std::initializer_list<wxColour> colores) {
    if (!imagen.IsOk()) return 0.0;
    long distintos = 0;
    for (int y = 0; y < imagen.GetHeight(); ++y)
        for (int x = 0; x < imagen.GetWidth(); ++x) {
            const wxColour c = ColorEn(imagen, x, y);
            distintos += std::none_of(colores.begin(), colores.end(), [&c](const wxColour& o) { return c == o; });
        }
    return static_cast<double>(distintos) / (imagen.GetWidth() * imagen.GetHeight());
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

// The viewer on the bundled atlas, full screen or --ventana, shows both maps
// and its close button ends it with 0; each unreadable picture is one line on
// stderr (the button shows its name and still works), and no dialog stops it.
TEST(Arranque, TheViewerShowsBothMapsAndItsCloseButtonEndsIt) {
    DirectorioPrueba copia;
    const struct {
        std::string ejecutable;
        bool ventana;  // --ventana: the design's size instead of full screen
        std::vector<std::string> avisos;
    } casos[] = {
        {VAQ_EXECUTABLE, false, {}},
        {VAQ_EXECUTABLE, true, {}},
        {DirectorioAplicacionIncompleto(copia), false, {"/ico/b_cerrar.bmp; el bot", "/ico/b_ayuda.bmp; el bot"}},
    };
    const wxColour fondo(15, 61, 0);
    for (const auto& caso : casos) {
        HomePrueba home;
        const pid_t pid = Lanzar("exec '" + caso.ejecutable + "' --datos '" VAQ_SOURCE_DIR "/data/atlas'" +
                                 (caso.ventana ? " --ventana" : "") + " 2>'" + home.Ruta("stderr.txt") + "'");
        ASSERT_GT(pid, 0);
        auto errores = [&home] {
            std::ifstream f(home.Ruta("stderr.txt"));
            return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        };
        // The design lies centred on the screen; wait until both maps are drawn there.
        const wxPoint origen((wxGetDisplaySize().x - 1024) / 2, (wxGetDisplaySize().y - 768) / 2);
        wxImage mapa, referencia;
        for (int i = 0; i < 600; ++i, wxMilliSleep(50)) {
            mapa = CapturarZona(wxRect(origen + wxPoint(224, 66), wxSize(790, 584)));
            referencia = CapturarZona(wxRect(origen + wxPoint(27, 647), wxSize(176, 107)));
            if (ParteDistinta(mapa, {fondo, *wxBLACK, *wxWHITE}) > 0.3 &&
                ParteDistinta(referencia, {fondo, *wxBLACK, *wxWHITE}) > 0.3)
                break;
        }
        EXPECT_GT(ParteDistinta(mapa, {fondo, *wxBLACK, *wxWHITE}), 0.3) << caso.ejecutable << "\n" << errores();
        EXPECT_GT(ParteDistinta(referencia, {fondo, *wxBLACK, *wxWHITE}), 0.3) << caso.ejecutable;
        // Full screen, the window's background fills the screen around the design.
        EXPECT_EQ(ColorEn(CapturarZona(wxRect(2, 2, 1, 1)), 0, 0) == fondo, !caso.ventana) << caso.ejecutable;
        wxUIActionSimulator raton;
        raton.MouseMove(origen + wxPoint(980 + 20, 21));  // the close button
        raton.MouseClick();
        EXPECT_EQ(Esperar(pid, 20), 0) << caso.ejecutable << "\n" << errores();
        const std::string texto = errores();
        EXPECT_EQ(static_cast<size_t>(std::count(texto.begin(), texto.end(), '\n')), caso.avisos.size()) << texto;
        for (const std::string& aviso : caso.avisos) EXPECT_NE(texto.find(aviso), std::string::npos) << texto;
    }
}

}  // namespace
