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

// A layer opens whatever the letter case of its files' endings, with the header
// box normalised, as the type its reader gives. One that cannot open gives the
// reader's error and a sentence naming file and cause, is not shown, has no
// extent and never throws.
TEST(CCapaShp, OpeningShowsTheLayerAndFailuresAreReportedNotThrown) {
    ShapefileWriter escritor = DosCuadrados();
    escritor.SetExtensions(".SHP", ".SHX", ".dbf");
    escritor.SetBoundingBox(CRectangulo(800, 950, 50, 150));
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "MAYUS", ".SHP");
    ASSERT_NE(capa.GetShape(), nullptr);
    EXPECT_NE(capa.GetDbf(), nullptr);
    EXPECT_EQ(capa.GetEstadoCapa(), 1);
    EXPECT_EQ(capa.GetExtensionCapa(), CExtensionMapa(50, 150, 800, 950));
    ShapefileWriter poligonosZ(15);
    poligonosZ.AddShape({ShapefileWriter::Rectangle(0, 0, 1, 1)});
    EXPECT_EQ(prueba.Abrir(poligonosZ, "polígonos ñ").GetGeometria(), 5);  // file names in UTF-8
    ShapefileWriter version = DosCuadrados();
    version.SetVersion(ShapefileWriter::Shp, 999);
    version.Write(prueba.Ruta("version"));
    for (const char* nombre : {"parcelas", "sinshp", "tuberia", "demasiados"}) DosCuadrados().Write(prueba.Ruta(nombre));
    std::remove(prueba.Ruta("sinshp.shp").c_str());
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
        rlimit limite;
        ::getrlimit(RLIMIT_NOFILE, &limite);
        const rlimit ninguno = {0, limite.rlim_max};
        if (std::string(caso.archivo) == "demasiados.shp") ::setrlimit(RLIMIT_NOFILE, &ninguno);  // no descriptor left
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
    const CExtensionMapa vista = CExtensionMapa(0, 0, 100, 100);
    // Points on the edge are in (painting checks it), and so are parts about the view.
    const CPunto rodea[2] = {{-10.0, -10.0}, {200.0, 200.0}};
    EXPECT_TRUE(CCapaShp::IsInExtent(rodea, 2, vista));
    EXPECT_FALSE(CCapaShp::IsInExtent(nullptr, 3, vista));
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
    capa->SetEstadoCapa(1);
    capa->SetEstadoCapa(5);  // unknown states become -1
    EXPECT_EQ(capa->GetEstadoCapa(), -1);
    EXPECT_EQ(generador.GenerarCapa(wxT("/datos/RIOS.SHP")), nullptr);  // case-sensitive
    EXPECT_EQ(generador.GenerarCapa(wxT("/datos/rios.dbf")), nullptr);
}
