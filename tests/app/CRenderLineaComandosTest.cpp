// The command-line render: the viewer executable run end to end on a small
// data directory, as a script would run it.
#include <gtest/gtest.h>
#include <wx/colour.h>
#include <wx/image.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "CRenderLineaComandos.h"
#include "ShapefileWriter.h"
#include "ThemeWriter.h"

namespace fs = std::filesystem;

// Colours print as rgb(r, g, b) in failure messages.
inline void PrintTo(const wxColour& color, std::ostream* os) {
    *os << color.GetAsString(wxC2S_CSS_SYNTAX).utf8_str();
}

namespace {

struct Ejecucion {
    int codigo = -1;
    std::string error;  // what the program wrote to its standard error
};

// A data directory with a 200 x 50 map-unit rectangle "/capas/franja.shp"
// and a theme of three layers over it: red (shown), green (hidden) and blue
// (shown only from 1:1 to 1:1000).
class RenderTest : public testing::Test {
protected:
    void SetUp() override {
        char plantilla[] = "/tmp/vaq_render_XXXXXX";
        ASSERT_NE(mkdtemp(plantilla), nullptr);
        datos = plantilla;
        fs::create_directories(datos + "/capas");
        std::ofstream(datos + "/datos.mmm") << "";  // marks a data directory
        ShapefileWriter escritor(5);
        escritor.AddShape({ShapefileWriter::Rectangle(1000, 2000, 1200, 2050)});
        escritor.Table().AddField("TIPO", 'N', 4);
        escritor.Table().AddRecord({"7"});
        ASSERT_TRUE(escritor.Write(datos + "/capas/franja"));

        ThemeWriter tema("Franja");
        tema.Capas().Add(ThemeWriter::Capa("Azul", "franja.shp", "/capas/"))
            .With(ThemeWriter::Visualizacion(1, 1, 1000))
            .With(ThemeWriter::Simbologia(0, 100, 16711680, 16711680, 1));
        tema.Capas().Add(ThemeWriter::Capa("Verde", "franja.shp", "/capas/"))
            .With(ThemeWriter::Visualizacion(0, 0, 99999999))
            .With(ThemeWriter::Simbologia(0, 100, 65280, 65280, 1));
        tema.Capas().Add(ThemeWriter::Capa("Roja", "franja.shp", "/capas/"))
            .With(ThemeWriter::Visualizacion(1, 0, 99999999))
            .With(ThemeWriter::Simbologia(0, 100, 255, 255, 1));
        ASSERT_TRUE(tema.Write(datos + "/MapasVel/Franja.vel"));
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(datos, error);
    }

    // A run that has not ended after a minute (waiting on a dialog nobody
    // can close, say) is stopped and fails.
    Ejecucion Ejecutar(const std::string& opciones) {
        const std::string errores = datos + "/stderr.txt";
        const std::string orden = std::string("timeout 60 '") + VAQ_EXECUTABLE + "' " + opciones +
                                  " 2> '" + errores + "' < /dev/null";
        Ejecucion resultado;
        const int estado = std::system(orden.c_str());
        resultado.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
        std::ifstream entrada(errores);
        std::stringstream texto;
        texto << entrada.rdbuf();
        resultado.error = texto.str();
        return resultado;
    }

    std::string Salida() const { return datos + "/mapa.png"; }
    std::string Basicas() const {
        return "--datos '" + datos + "' --mapa MapasVel/Franja.vel --salida '" + Salida() + "'";
    }

    static wxColour Pixel(const wxImage& imagen, int x, int y) {
        return wxColour(imagen.GetRed(x, y), imagen.GetGreen(x, y), imagen.GetBlue(x, y));
    }

    std::string datos;
};

const wxColour kFondo(15, 61, 0);

}  // namespace

TEST_F(RenderTest, PintaElTemaEnUnPngDelTamanoPedido) {
    const Ejecucion r = Ejecutar(Basicas() + " --tamano 200x100");
    ASSERT_EQ(r.codigo, 0) << r.error;
    wxImage imagen;
    ASSERT_TRUE(imagen.LoadFile(Salida(), wxBITMAP_TYPE_PNG));
    ASSERT_EQ(imagen.GetSize(), wxSize(200, 100));
    // The 200 x 50 strip fills the width and the middle half of the height;
    // hidden green and out-of-scale blue are not drawn over the red.
    EXPECT_EQ(Pixel(imagen, 100, 50), *wxRED);
    EXPECT_EQ(Pixel(imagen, 20, 40), *wxRED);
    EXPECT_EQ(Pixel(imagen, 100, 10), kFondo);
    EXPECT_EQ(Pixel(imagen, 100, 90), kFondo);
    EXPECT_EQ(Pixel(imagen, 0, 0), *wxBLACK);  // the panel's frame
}

TEST_F(RenderTest, TamanoPorDefectoEsElDelMapaPrincipal) {
    const Ejecucion r = Ejecutar(Basicas());
    ASSERT_EQ(r.codigo, 0) << r.error;
    wxImage imagen;
    ASSERT_TRUE(imagen.LoadFile(Salida(), wxBITMAP_TYPE_PNG));
    EXPECT_EQ(imagen.GetSize(), wxSize(790, 584));
    // 200 map units over 790 pixels at 96 ppi is 1:955, inside the blue
    // layer's range; over 200 pixels (above) it was 1:3771, outside it.
    EXPECT_EQ(Pixel(imagen, 395, 292), *wxBLUE);
}

TEST_F(RenderTest, ExtensionYEscalaEligenLaVista) {
    // Zoomed on the strip's left half: the right of the picture is outside it.
    Ejecucion r = Ejecutar(Basicas() + " --tamano 200x100 --extension 900,1975,1100,2075");
    ASSERT_EQ(r.codigo, 0) << r.error;
    wxImage imagen;
    ASSERT_TRUE(imagen.LoadFile(Salida(), wxBITMAP_TYPE_PNG));
    EXPECT_EQ(Pixel(imagen, 50, 50), kFondo);
    EXPECT_EQ(Pixel(imagen, 150, 50), *wxRED);

    // At 1:500 the blue layer (1:1 to 1:1000) is drawn on top.
    r = Ejecutar(Basicas() + " --tamano 200x100 --escala 500");
    ASSERT_EQ(r.codigo, 0) << r.error;
    ASSERT_TRUE(imagen.LoadFile(Salida(), wxBITMAP_TYPE_PNG));
    EXPECT_EQ(Pixel(imagen, 100, 50), *wxBLUE);
}

// So far out that the strip falls on one pixel (too small a dot for a
// one-pixel outline to cover a pixel): the run still ends by itself,
// without a word.
TEST_F(RenderTest, MuyLejosLaFranjaCabeEnUnPixelYTerminaSinMensajes) {
    const Ejecucion r = Ejecutar(Basicas() + " --tamano 200x100 --escala 100000000");
    ASSERT_EQ(r.codigo, 0) << r.error;
    EXPECT_EQ(r.error, "");
    wxImage imagen;
    ASSERT_TRUE(imagen.LoadFile(Salida(), wxBITMAP_TYPE_PNG));
    EXPECT_EQ(Pixel(imagen, 20, 50), kFondo);
}

TEST_F(RenderTest, CapaQueNoCargaSeListaYElRestoSePinta) {
    ThemeWriter tema("Con una capa perdida");
    tema.Capas().Add(ThemeWriter::Capa("Perdida", "noexiste.shp", "/capas/"))
        .With(ThemeWriter::Visualizacion(1, 0, 99999999));
    tema.Capas().Add(ThemeWriter::Capa("Roja", "franja.shp", "/capas/"))
        .With(ThemeWriter::Visualizacion(1, 0, 99999999))
        .With(ThemeWriter::Simbologia(0, 100, 255, 255, 1));
    ASSERT_TRUE(tema.Write(datos + "/MapasVel/Perdida.vel"));
    const Ejecucion r = Ejecutar("--datos '" + datos + "' --mapa MapasVel/Perdida.vel --salida '" +
                                 Salida() + "' --tamano 200x100");
    ASSERT_EQ(r.codigo, 0) << r.error;
    EXPECT_NE(r.error.find("No se han podido cargar las capas:"), std::string::npos) << r.error;
    EXPECT_NE(r.error.find("Perdida: ErrorAbriendoShx"), std::string::npos) << r.error;
    wxImage imagen;
    ASSERT_TRUE(imagen.LoadFile(Salida(), wxBITMAP_TYPE_PNG));
    EXPECT_EQ(Pixel(imagen, 100, 50), *wxRED);
}

TEST_F(RenderTest, FallosTerminanConCodigoDistintoDeCeroYMensaje) {
    Ejecucion r = Ejecutar("--datos '" + datos + "' --mapa MapasVel/NoExiste.vel --salida '" +
                           Salida() + "'");
    EXPECT_EQ(r.codigo, CRenderLineaComandos::kErrorProyecto);
    EXPECT_NE(r.error.find("No se pudo cargar correctamente el proyecto."), std::string::npos)
        << r.error;
    EXPECT_FALSE(fs::exists(Salida()));

    std::ofstream(datos + "/MapasVel/Roto.vel") << "<PROYECTO_VELMOR";
    r = Ejecutar("--datos '" + datos + "' --mapa MapasVel/Roto.vel --salida '" + Salida() + "'");
    EXPECT_EQ(r.codigo, CRenderLineaComandos::kErrorProyecto);

    r = Ejecutar("--datos '" + datos + "' --mapa MapasVel/Franja.vel --salida '" + datos +
                 "/no/existe/mapa.png'");
    EXPECT_EQ(r.codigo, CRenderLineaComandos::kErrorSalida);
    EXPECT_NE(r.error.find("No se ha podido escribir la imagen"), std::string::npos) << r.error;

    r = Ejecutar(Basicas() + " --tamano grande");
    EXPECT_EQ(r.codigo, 2);
    EXPECT_FALSE(r.error.empty());
}

TEST_F(RenderTest, PintaCadaTemaDelAtlasSinMensajes) {
    const std::string atlas = std::string(VAQ_SOURCE_DIR) + "/data/atlas";
    for (const char* tema : {"MedioFisico", "MedioHumano", "MiLocalidad", "Referencia"}) {
        const Ejecucion r = Ejecutar("--datos '" + atlas + "' --mapa MapasVel/" + tema +
                                     ".vel --salida '" + Salida() + "'");
        EXPECT_EQ(r.codigo, 0) << tema << ": " << r.error;
        EXPECT_EQ(r.error, "") << tema;
        wxImage imagen;
        ASSERT_TRUE(imagen.LoadFile(Salida(), wxBITMAP_TYPE_PNG)) << tema;
        // Something of the map is drawn over the panel's background.
        int dibujados = 0;
        for (int y = 1; y < imagen.GetHeight() - 1; y += 7)
            for (int x = 1; x < imagen.GetWidth() - 1; x += 7)
                if (Pixel(imagen, x, y) != kFondo) ++dibujados;
        EXPECT_GT(dibujados, 100) << tema;
    }
}
