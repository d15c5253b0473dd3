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

// A data directory with a 200 x 50 rectangle "/capas/franja.shp" under three
// layers: red (shown), green (hidden) and blue (from 1:1 to 1:1000).
class RenderTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(datos + "/capas");
        std::ofstream(datos + "/datos.mmm") << "";  // marks a data directory
        ShapefileWriter escritor(5);
        escritor.AddShape({ShapefileWriter::Rectangle(1000, 2000, 1200, 2050)});
        escritor.Table().AddField("TIPO", 'N', 4);
        escritor.Table().AddRecord({"7"});
        ASSERT_TRUE(escritor.Write(datos + "/capas/franja"));
        ThemeWriter tema("Franja");
        const struct { const char* nombre; int estado; double min, max; long long color; } capas[] = {
            {"Azul", 1, 1, 1000, 16711680}, {"Verde", 0, 0, 99999999, 65280}, {"Roja", 1, 0, 99999999, 255}};
        for (const auto& c : capas)
            tema.Capas().Add(ThemeWriter::Capa(c.nombre, "franja.shp", "/capas/"))
                .With(ThemeWriter::Visualizacion(c.estado, c.min, c.max))
                .With(ThemeWriter::Simbologia(0, 100, c.color, c.color, 1));
        ASSERT_TRUE(tema.Write(datos + "/MapasVel/Franja.vel"));
    }
    // A theme `nombre` of one red layer, a rectangle, shown from 1:escalaMinima.
    void TemaDeUnRectangulo(const std::string& nombre, const CRectangulo& caja, double escalaMinima) {
        ShapefileWriter escritor(5);
        escritor.AddShape({ShapefileWriter::Rectangle(caja.x1, caja.y1, caja.x2, caja.y2)});
        ASSERT_TRUE(escritor.Write(datos + "/capas/" + nombre));
        ThemeWriter tema(nombre);
        tema.Capas().Add(ThemeWriter::Capa("Roja", nombre + ".shp", "/capas/"))
            .With(ThemeWriter::Visualizacion(1, escalaMinima, 99999999)).With(ThemeWriter::Simbologia(0, 100, 255, 255, 1));
        ASSERT_TRUE(tema.Write(datos + "/MapasVel/" + nombre + ".vel"));
    }
    // The exit code of a run (stopped after a minute), its stderr in `error`.
    int Ejecutar(const std::string& opciones, std::string& error) {
        const std::string orden = "XDG_CACHE_HOME='" + cacheUsuario.Ruta() + "' timeout 60 '" + VAQ_EXECUTABLE + "' " + opciones + " 2> '" +
                                  datos + "/stderr.txt' < /dev/null";
        const int estado = std::system(orden.c_str());
        std::ifstream entrada(datos + "/stderr.txt");
        error.assign(std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>());
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    }
    std::string Salida() const { return datos + "/mapa.png"; }
    std::string Opciones(const std::string& tema = "Franja") const {
        return "--mapa MapasVel/" + tema + ".vel --salida '" + Salida() + "' --datos '" + datos + "'";
    }
    DirectorioPrueba directorio;
    const std::string datos = directorio.Ruta();
    DirectorioPrueba cacheUsuario;
};

}  // namespace

// The strip fills the middle half of 200 x 100 at 1:3771, without hidden green
// and out-of-scale blue; at the default 790 x 584 (1:955) blue shows. A layer
// that does not load is listed; maps in degrees or negative coordinates are
// drawn at the scale of the view's real corners.
TEST_F(RenderTest, PintaElTemaEnUnPng) {
    TemaDeUnRectangulo("Grados", {-4.0, 37.0, -3.77, 37.3}, 0);
    TemaDeUnRectangulo("Negativa", {-1200, -2050, -1000, -2000}, 1000);
    ThemeWriter perdida("Con una capa perdida");
    perdida.Capas().Add(ThemeWriter::Capa("Perdida", "noexiste.shp", "/capas/")).With(ThemeWriter::Visualizacion(1, 0, 99999999));
    perdida.Capas().Add(ThemeWriter::Capa("Roja", "franja.shp", "/capas/"))
        .With(ThemeWriter::Visualizacion(1, 0, 99999999)).With(ThemeWriter::Simbologia(0, 100, 255, 255, 1));
    ASSERT_TRUE(perdida.Write(datos + "/MapasVel/Perdida.vel"));
    const struct {
        const char *tema, *opciones;
        wxSize tamano;
        std::vector<std::pair<wxPoint, wxColour>> pixeles;
        std::vector<std::string> mensajes;
    } casos[] = {
        {"Franja", " --tamano 200x100", {200, 100},
         {{{100, 50}, *wxRED}, {{20, 40}, *wxRED}, {{100, 10}, kFondo}, {{100, 90}, kFondo}, {{0, 0}, *wxBLACK}}, {}},
        {"Franja", "", {790, 584}, {{{395, 292}, *wxBLUE}}, {}},
        {"Franja", " --tamano 200x100 --extension=900,1975,1100,2075", {200, 100}, {{{50, 50}, kFondo}, {{150, 50}, *wxRED}}, {}},
        {"Franja", " --tamano=200x100 --escala=500", {200, 100}, {{{100, 50}, *wxBLUE}}, {}},
        {"Franja", " --tamano 200x100 --escala 100000000", {200, 100}, {{{20, 50}, kFondo}}, {}},
        {"Perdida", " --tamano 200x100", {200, 100}, {{{100, 50}, *wxRED}},
         {"No se han podido cargar las capas:", "Perdida: No se encuentra el archivo índice .shx de noexiste.shp"}},
        {"Grados", " --tamano 200x100 --extension=-4.0,37.0,-3.54,37.23", {200, 100},
         {{{20, 50}, *wxRED}, {{95, 50}, *wxRED}, {{150, 50}, kFondo}}, {}},
        {"Negativa", " --tamano 200x100", {200, 100}, {{{100, 50}, *wxRED}, {{100, 10}, kFondo}}, {}},
    };
    for (size_t i = 0; i < std::size(casos); ++i) {
        std::string error;
        ASSERT_EQ(Ejecutar(Opciones(casos[i].tema) + casos[i].opciones, error), 0) << "case " << i << ": " << error;
        for (const std::string& mensaje : casos[i].mensajes) EXPECT_NE(error.find(mensaje), std::string::npos) << error;
        if (casos[i].mensajes.empty()) EXPECT_EQ(error, "") << "case " << i;
        wxImage imagen;
        ASSERT_TRUE(imagen.LoadFile(Salida(), wxBITMAP_TYPE_PNG)) << "case " << i;
        ASSERT_EQ(imagen.GetSize(), casos[i].tamano) << "case " << i;
        for (const auto& [p, color] : casos[i].pixeles) EXPECT_EQ(LienzoPrueba::Color(imagen, p.x, p.y), color) << "case " << i;
    }
    // Zoomed views built the layers' spatial indices and kept them in the
    // user's cache folder, never in the data directory.
    const std::string indices = cacheUsuario.Ruta() + "/vaq/indices";
    EXPECT_TRUE(fs::is_directory(indices) && !fs::is_empty(indices));
    for (const auto& entrada : fs::recursive_directory_iterator(datos))
        EXPECT_NE(entrada.path().extension(), ".idx") << entrada.path();
}

// A view that cannot be drawn is refused: a theme none of whose layers has
// data, a window too wide to have a scale.
TEST_F(RenderTest, FallosTerminanConCodigoDistintoDeCeroYMensaje) {
    ThemeWriter vacio("Vacio");
    vacio.Capas().Add(ThemeWriter::Capa("Perdida", "noexiste.shp", "/capas/")).With(ThemeWriter::Visualizacion(1, 0, 99999999));
    ASSERT_TRUE(vacio.Write(datos + "/MapasVel/Vacio.vel"));
    const char* sinVista = "No se puede dibujar esa vista del mapa";
    const struct { std::string opciones; int codigo; const char* mensaje; } casos[] = {
        {Opciones("NoExiste"), CRenderLineaComandos::kErrorProyecto, "No se pudo cargar correctamente el proyecto."},
        {Opciones("Vacio"), CRenderLineaComandos::kErrorVista, sinVista},
        {Opciones() + " --extension=-1e308,0,1e308,1", CRenderLineaComandos::kErrorVista, sinVista},
        {Opciones() + " --salida '" + datos + "/no/existe/mapa.png'",
         CRenderLineaComandos::kErrorSalida, "No se ha podido escribir la imagen"},
        {Opciones() + " --tamano grande", 2, "--tamano"},
    };
    for (size_t i = 0; i < std::size(casos); ++i) {
        std::string error;
        EXPECT_EQ(Ejecutar(casos[i].opciones, error), casos[i].codigo) << "case " << i;
        EXPECT_NE(error.find(casos[i].mensaje), std::string::npos) << "case " << i << ": " << error;
        EXPECT_FALSE(fs::exists(Salida())) << "case " << i;
    }
}
