// Shapefile layers: opening, extent, failures, mappings and box tests.
#include "CCapaShp.h"
#include "CGeneradorCapa.h"
#include "CShape.h"
#include "CapaShpPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <memory>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {
ShapefileWriter DosCuadrados() {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(100, 200, 300, 400)});
    escritor.AddShape({ShapefileWriter::Rectangle(500, 600, 700, 900)});
    escritor.Table().AddField("NOMBRE", 'C', 10);
    escritor.Table().AddRecord({"uno"});
    escritor.Table().AddRecord({"dos"});
    return escritor;
}

}  // namespace

TEST(CCapaShp, OpeningShowsTheLayerWithTheNormalisedHeaderBoxAndTheReadersType) {
    ShapefileWriter escritor = DosCuadrados();
    escritor.SetExtensions(".SHP", ".SHX", ".dbf");
    CRectangulo invertida;
    invertida.x1 = 800, invertida.y1 = 950, invertida.x2 = 50, invertida.y2 = 150;
    escritor.SetBoundingBox(invertida);
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "MAYUS", ".SHP");
    ASSERT_NE(capa.GetShape(), nullptr);
    EXPECT_NE(capa.GetDbf(), nullptr);
    EXPECT_EQ(capa.GetEstadoCapa(), 1);
    EXPECT_EQ(capa.GetExtensionCapa(), CExtensionMapa(50, 150, 800, 950));
    ShapefileWriter poligonosZ(15);
    poligonosZ.AddShape({ShapefileWriter::Rectangle(0, 0, 1, 1)});
    EXPECT_EQ(prueba.Abrir(poligonosZ, "polígonos ñ").GetGeometria(), 5);  // file names in UTF-8
}

// A layer that cannot open gives the reader's error and a sentence naming file
// and cause, is not shown, has no extent and never throws.
TEST(CCapaShp, FailuresAreReportedNotThrown) {
    CapaShpPrueba prueba;
    ShapefileWriter version = DosCuadrados();
    version.SetVersion(ShapefileWriter::Shp, 999);
    version.Write(prueba.Ruta("version"));
    DosCuadrados().Write(prueba.Ruta("parcelas"));
    DosCuadrados().Write(prueba.Ruta("sinshp"));
    std::remove(prueba.Ruta("sinshp.shp").c_str());
    DosCuadrados().Write(prueba.Ruta("tuberia"));
    std::remove(prueba.Ruta("tuberia.shx").c_str());
    ASSERT_EQ(::mkfifo(prueba.Ruta("tuberia.shx").c_str(), 0600), 0);
    const struct { const char* archivo; const char* error; const char* frase; } casos[] = {
        {"no_existe.shp", "ErrorAbriendoShx", "No se encuentra el archivo índice .shx de no_existe.shp"},
        {"sinshp.shp", "ErrorAbriendoShp", "No se encuentra el archivo sinshp.shp"},
        {"tuberia.shp", "ErrorAbriendoShx", "El archivo índice .shx de tuberia.shp no es un archivo normal"},
        {"version.shp", "ErrorEnVersionShp/Shx",
         "version.shp o su índice .shx tiene una versión del formato que el visor no conoce"},
        {"parcelas.shp.bak", "ErrorAbriendoShp", "El archivo parcelas.shp.bak no es un shapefile (.shp)"},
        {"demasiados.shp", "ErrorAbriendoShx",
         "Hay demasiados archivos abiertos para abrir el archivo índice .shx de demasiados.shp"}};
    for (const auto& caso : casos) {
        const bool sinDescriptores = std::string(caso.archivo) == "demasiados.shp";
        rlimit limite;
        ::getrlimit(RLIMIT_NOFILE, &limite);
        if (sinDescriptores) DosCuadrados().Write(prueba.Ruta("demasiados"));
        const rlimit ninguno = {0, limite.rlim_max};
        if (sinDescriptores) ::setrlimit(RLIMIT_NOFILE, &ninguno);  // no descriptor left
        CCapaShp* capa = nullptr;
        EXPECT_NO_THROW(capa = &prueba.AbrirRuta(prueba.Ruta(caso.archivo)));
        ::setrlimit(RLIMIT_NOFILE, &limite);
        EXPECT_EQ(capa->GetShape(), nullptr) << caso.archivo;
        EXPECT_EQ(capa->GetErrorInicializacion(), wxString(caso.error)) << caso.archivo;
        EXPECT_EQ(capa->GetMensajeErrorInicializacion(), wxString::FromUTF8(caso.frase)) << caso.archivo;
        EXPECT_EQ(capa->GetEstadoCapa(), -1) << caso.archivo;
        EXPECT_EQ(capa->GetExtensionCapa(), CExtensionMapa()) << caso.archivo;
    }
    EXPECT_FALSE(prueba.AbrirRuta(prueba.Ruta("no_existe.shp")).InicializarCapa());
}

TEST(CCapaShp, BoxTestsUseClosedRectanglesAndSkipDamagedRecords) {
    const CCapaShp sinDatos;
    const CExtensionMapa vista = CExtensionMapa(0, 0, 100, 100);
    const CPunto toca[2] = {{100.0, 50.0}, {150.0, 60.0}};  // touches the right edge
    const CPunto fuera[2] = {{100.5, 50.0}, {150.0, 60.0}};
    const CPunto rodea[2] = {{-10.0, -10.0}, {200.0, 200.0}};
    EXPECT_TRUE(sinDatos.IsInExtent(toca, 2, vista));
    EXPECT_FALSE(sinDatos.IsInExtent(fuera, 2, vista));
    EXPECT_TRUE(sinDatos.IsInExtent(rodea, 2, vista));
    EXPECT_FALSE(sinDatos.IsInExtent(nullptr, 3, vista));
    ShapefileWriter escritor = DosCuadrados();
    escritor.SetNumPoints(0, 5000);  // more points than the record holds
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10), ShapefileWriter::Rectangle(500, 500, 510, 510)});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "danada");
    ASSERT_NE(capa.GetShape(), nullptr);
    const auto registro = [&](int i) { return capa.GetShape()->BuscaElemento(i); };
    EXPECT_FALSE(capa.IsInExtentElemento(registro(0), CExtensionMapa(0, 0, 1000, 1000)));
    EXPECT_TRUE(capa.IsInExtentElemento(registro(1), CExtensionMapa(0, 0, 1000, 1000)));
    // One part inside is enough, the box of all parts is not.
    EXPECT_TRUE(capa.IsInExtentElemento(registro(2), CExtensionMapa(505, 505, 600, 600)));
    EXPECT_FALSE(capa.IsInExtentElemento(registro(2), CExtensionMapa(20, 20, 400, 400)));
    EXPECT_TRUE(capa.IsInExtentElemento(registro(2), CExtensionMapa(10, -5, 400, 400)));
}

TEST(CGeneradorCapa, MakesShapefileLayersForShpPathsOnly) {
    const CGeneradorCapa generador;
    std::unique_ptr<CCapa> capa = generador.GenerarCapa(wxT("/datos/rios.shp"));
    ASSERT_NE(dynamic_cast<CCapaShp*>(capa.get()), nullptr);
    EXPECT_EQ(capa->GetEstadoCapa(), -1);  // not initialised
    capa->SetEstadoCapa(5);  // unknown states become -1 too
    EXPECT_EQ(capa->GetEstadoCapa(), -1);
    EXPECT_EQ(generador.GenerarCapa(wxT("/datos/RIOS.SHP")), nullptr);  // case-sensitive
    EXPECT_EQ(generador.GenerarCapa(wxT("/datos/rios.dbf")), nullptr);
}
