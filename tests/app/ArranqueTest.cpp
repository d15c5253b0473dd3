// The real viewer started as a user would start it, with a home directory of
// its own. A safety timeout stops a run that would wait for a dialog.
#include "DirectorioPrueba.h"
#include "PantallaPruebas.h"

#include <gtest/gtest.h>
#include <wx/colour.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <fcntl.h>
#include <spawn.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

extern char** environ;

namespace {

const char kRechazo[] = "En la ruta especificada no se encuentran los datos.";
const char kSinConfiguracion[] = "ERROR. No ha sido posible obtener la configuración.";

// Each case: whether a valid directory is remembered, the arguments (ATLAS
// and VACIO stand for the bundled atlas and an empty data directory), the exit code
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

// The viewer as a separate process with a home directory of its own; its
// standard error goes to a file.
class ProcesoVaq {
public:
    ProcesoVaq(const std::string& ejecutable, const std::vector<std::string>& argumentos) {
        std::vector<std::string> entorno{"HOME=" + home.Ruta()};
        for (char** e = environ; *e; ++e)
            if (std::strncmp(*e, "HOME=", 5) != 0) entorno.emplace_back(*e);
        std::vector<std::string> args{ejecutable};
        args.insert(args.end(), argumentos.begin(), argumentos.end());
        posix_spawn_file_actions_t acciones;
        posix_spawn_file_actions_init(&acciones);
        posix_spawn_file_actions_addopen(&acciones, 2, home.Ruta("stderr.txt").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&pid, ejecutable.c_str(), &acciones, nullptr, Punteros(args).data(),
                        Punteros(entorno).data()) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&acciones);
    }
    ~ProcesoVaq() {
        if (pid > 0 && Esperar(0) == kSigueVivo) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    // Exit status once it ends within the time; kSigueVivo otherwise.
    int Esperar(int segundos) {
        for (int i = 0; i <= segundos * 20; ++i) {
            int estado = 0;
            if (waitpid(pid, &estado, WNOHANG) == pid) {
                const int codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
                pid = -1;
                return codigo;
            }
            if (i < segundos * 20) wxMilliSleep(50);
        }
        return kSigueVivo;
    }
    std::string Errores() const {
        std::ifstream f(home.Ruta("stderr.txt"));
        return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    }
    long Pid() const { return pid; }
    static constexpr int kSigueVivo = -1000;

private:
    // Keeps the strings alive in the caller's full expression.
    struct Punteros {
        explicit Punteros(std::vector<std::string>& textos) {
            for (std::string& t : textos) punteros.push_back(t.data());
            punteros.push_back(nullptr);
        }
        char** data() { return punteros.data(); }
        std::vector<char*> punteros;
    };

    HomePrueba home;
    pid_t pid = -1;
};

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

// An application directory beside a copy of the viewer: every picture of the
// bundled one, except the close button's (missing) and the help button's
// (damaged).
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

// The built viewer on the bundled atlas, as a user starts it: its window shows
// the map and the overview, and its
// close button ends it with status 0. Without the close button's picture the
// button shows its name and still closes the viewer; each unreadable picture
// is one line on stderr, and no dialog stops the run.
TEST(Arranque, TheViewerShowsBothMapsAndItsCloseButtonEndsIt) {
    DirectorioPrueba copia;
    const struct {
        std::string ejecutable;
        std::vector<std::string> avisos;
    } casos[] = {
        {VAQ_EXECUTABLE, {}},
        {DirectorioAplicacionIncompleto(copia), {"/ico/b_cerrar.bmp; el bot", "/ico/b_ayuda.bmp; el bot"}},
    };
    const wxColour fondo(15, 61, 0);
    for (const auto& caso : casos) {
        ProcesoVaq vaq(caso.ejecutable, {"--datos", VAQ_SOURCE_DIR "/data/atlas"});
        ASSERT_GT(vaq.Pid(), 0);
        wxRect ventana;
        wxPoint origen;
        wxImage mapa, referencia;
        // Until the window is up and both maps are drawn (the overview with its rectangle).
        for (int i = 0; i < 600; ++i) {
            wxMilliSleep(50);
            ventana = RectanguloVentanaDeProceso(vaq.Pid());
            if (ventana.IsEmpty()) continue;
            origen = ventana.GetPosition() + wxPoint((ventana.width - 1024) / 2, (ventana.height - 768) / 2);
            mapa = CapturarZona(wxRect(origen + wxPoint(224, 66), wxSize(790, 584)));
            referencia = CapturarZona(wxRect(origen + wxPoint(27, 647), wxSize(176, 107)));
            if (ParteDistinta(mapa, {fondo, *wxBLACK, *wxWHITE}) > 0.3 &&
                ParteDistinta(referencia, {fondo, *wxBLACK, *wxWHITE}) > 0.3)
                break;
        }
        ASSERT_FALSE(ventana.IsEmpty()) << caso.ejecutable << "\n" << vaq.Errores();
        // Full screen: the window covers the screen.
        EXPECT_TRUE(ventana.Contains(wxRect(wxPoint(0, 0), wxGetDisplaySize()))) << ventana.width << "x" << ventana.height;
        EXPECT_GT(ParteDistinta(mapa, {fondo, *wxBLACK, *wxWHITE}), 0.3) << "mapa";
        EXPECT_GT(ParteDistinta(referencia, {fondo, *wxBLACK, *wxWHITE}), 0.3) << "referencia";

        wxUIActionSimulator raton;
        raton.MouseMove(origen + wxPoint(980 + 20, 21));
        raton.MouseClick();
        EXPECT_EQ(vaq.Esperar(20), 0) << caso.ejecutable << "\n" << vaq.Errores();
        const std::string errores = vaq.Errores();
        size_t lineas = std::count(errores.begin(), errores.end(), '\n');
        EXPECT_EQ(lineas, caso.avisos.size()) << errores;
        for (const std::string& aviso : caso.avisos) EXPECT_NE(errores.find(aviso), std::string::npos) << errores;
    }
}

}  // namespace
