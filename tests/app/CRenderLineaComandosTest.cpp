// The viewer's command-line render run end to end on a small data directory.
#include <gtest/gtest.h>
#include <wx/colour.h>
#include <wx/image.h>
#include <sys/wait.h>
#include <filesystem>
#include <fstream>

#include "CRenderLineaComandos.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"
#include "LienzoPrueba.h"
#include "ThemeWriter.h"

namespace fs = std::filesystem;

namespace {

const wxColour kFondo(15, 61, 0);
constexpr double kSinLimite = 99999999;

// A layer of a test theme: shown or hidden, its scale range, its colour (-1: no symbol).
struct Capa {
    const char *nombre, *archivo;
    int estado;
    double min, max;
    long long color;
};

// The strip is a 200 x 50 rectangle under three layers: red (shown), green
// (hidden) and blue (from 1:1 to 1:1000). It fills the middle half of 200 x
// 100 at 1:3771, without hidden green and out-of-scale blue; at the default
// 790 x 584 (1:955) blue shows. A layer that does not load is listed; maps in
// degrees or negative coordinates are drawn at the scale of the view's real
// corners. A view that cannot be drawn is refused, with no picture: a theme
// none of whose layers has data, a window too wide to have a scale.
TEST(RenderLineaComandos, PaintsTheThemeIntoAPngOrEndsWithACodeAndAMessage) {
    DirectorioPrueba directorio, cacheUsuario;
    const std::string datos = directorio.Ruta(), salida = datos + "/mapa.png";
    fs::create_directories(datos + "/capas");
    std::ofstream(datos + "/datos.mmm") << "";  // marks a data directory
    const std::pair<std::string, CRectangulo> rectangulos[] = {
        {"franja", {1000, 2000, 1200, 2050}}, {"grados", {-4.0, 37.0, -3.77, 37.3}}, {"negativa", {-1200, -2050, -1000, -2000}}};
    for (const auto& [nombre, caja] : rectangulos) {
        ShapefileWriter escritor(5);
        escritor.AddShape({ShapefileWriter::Rectangle(caja.x1, caja.y1, caja.x2, caja.y2)});
        ASSERT_TRUE(escritor.Write(datos + "/capas/" + nombre));
    }
    const auto tema = [&](const std::string& nombre, std::initializer_list<Capa> capas) {
        ThemeWriter escritor(nombre);
        for (const Capa& c : capas) {
            XmlElemento& capa = escritor.Capas().Add(ThemeWriter::Capa(c.nombre, c.archivo, "/capas/"));
            capa.With(ThemeWriter::Visualizacion(c.estado, c.min, c.max));
            if (c.color >= 0) capa.With(ThemeWriter::Simbologia(0, 100, c.color, c.color, 1));
        }
        ASSERT_TRUE(escritor.Write(datos + "/MapasVel/" + nombre + ".vel"));
    };
    const Capa roja{"Roja", "franja.shp", 1, 0, kSinLimite, 255}, perdida{"Perdida", "noexiste.shp", 1, 0, kSinLimite, -1};
    tema("Franja", {{"Azul", "franja.shp", 1, 1, 1000, 16711680}, {"Verde", "franja.shp", 0, 0, kSinLimite, 65280}, roja});
    tema("Grados", {{"Roja", "grados.shp", 1, 0, kSinLimite, 255}});
    tema("Negativa", {{"Roja", "negativa.shp", 1, 1000, kSinLimite, 255}});
    tema("Perdida", {perdida, roja});
    tema("Vacio", {perdida});
    const char* sinVista = "No se puede dibujar esa vista del mapa";
    const struct {
        const char* tema;
        std::string opciones;
        int codigo;
        wxSize tamano;
        std::vector<std::pair<wxPoint, wxColour>> pixeles;
        std::vector<std::string> mensajes;
    } casos[] = {
        {"Franja", " --tamano 200x100", 0, {200, 100},
         {{{100, 50}, *wxRED}, {{20, 40}, *wxRED}, {{100, 10}, kFondo}, {{100, 90}, kFondo}, {{0, 0}, *wxBLACK}}, {}},
        {"Franja", "", 0, {790, 584}, {{{395, 292}, *wxBLUE}}, {}},
        {"Franja", " --tamano 200x100 --extension=900,1975,1100,2075", 0, {200, 100},
         {{{50, 50}, kFondo}, {{150, 50}, *wxRED}}, {}},
        {"Franja", " --tamano=200x100 --escala=500", 0, {200, 100}, {{{100, 50}, *wxBLUE}}, {}},
        {"Franja", " --tamano 200x100 --escala 100000000", 0, {200, 100}, {{{20, 50}, kFondo}}, {}},
        {"Perdida", " --tamano 200x100", 0, {200, 100}, {{{100, 50}, *wxRED}},
         {"No se han podido cargar las capas:", "Perdida: No se encuentra el archivo índice .shx de noexiste.shp"}},
        {"Grados", " --tamano 200x100 --extension=-4.0,37.0,-3.54,37.23", 0, {200, 100},
         {{{20, 50}, *wxRED}, {{95, 50}, *wxRED}, {{150, 50}, kFondo}}, {}},
        {"Negativa", " --tamano 200x100", 0, {200, 100}, {{{100, 50}, *wxRED}, {{100, 10}, kFondo}}, {}},
        {"NoExiste", "", CRenderLineaComandos::kErrorProyecto, {}, {}, {"No se pudo cargar correctamente el proyecto."}},
        {"Vacio", "", CRenderLineaComandos::kErrorVista, {}, {}, {sinVista}},
        {"Franja", " --extension=-1e308,0,1e308,1", CRenderLineaComandos::kErrorVista, {}, {}, {sinVista}},
        {"Franja", " --salida '" + datos + "/no/existe/mapa.png'", CRenderLineaComandos::kErrorSalida, {}, {},
         {"No se ha podido escribir la imagen"}},
    };
    for (size_t i = 0; i < std::size(casos); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        fs::remove(salida);
        const std::string orden = "XDG_CACHE_HOME='" + cacheUsuario.Ruta() + "' timeout 60 '" VAQ_EXECUTABLE "'" +
                                  " --mapa MapasVel/" + casos[i].tema + ".vel --salida '" + salida + "' --datos '" + datos + "'" +
                                  casos[i].opciones + " 2> '" + datos + "/stderr.txt' < /dev/null";
        const int estado = std::system(orden.c_str());
        std::ifstream entrada(datos + "/stderr.txt");
        const std::string error((std::istreambuf_iterator<char>(entrada)), std::istreambuf_iterator<char>());
        ASSERT_EQ(WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, casos[i].codigo) << error;
        for (const std::string& mensaje : casos[i].mensajes) EXPECT_NE(error.find(mensaje), std::string::npos) << error;
        if (casos[i].mensajes.empty()) {
            EXPECT_EQ(error, "");
        }
        wxImage imagen;
        if (casos[i].codigo != 0) EXPECT_FALSE(fs::exists(salida));
        else ASSERT_TRUE(imagen.LoadFile(salida, wxBITMAP_TYPE_PNG));
        ASSERT_EQ(imagen.IsOk() ? imagen.GetSize() : wxSize(), casos[i].tamano);
        for (const auto& [p, color] : casos[i].pixeles) EXPECT_EQ(LienzoPrueba::Color(imagen, p.x, p.y), color);
    }
    // Zoomed views built the layers' spatial indices and kept them in the
    // user's cache folder, never in the data directory.
    const std::string indices = cacheUsuario.Ruta() + "/vaq/indices";
    EXPECT_TRUE(fs::is_directory(indices) && !fs::is_empty(indices));
    for (const auto& entrada : fs::recursive_directory_iterator(datos))
        EXPECT_NE(entrada.path().extension(), ".idx") << entrada.path();
}

}  // namespace
