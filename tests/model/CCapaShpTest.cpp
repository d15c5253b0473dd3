#include "CCapaShp.h"
#include "CShape.h"
#include "CapaShpPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

namespace {
ShapefileWriter DosCuadrados(int tipo = 5) {
    ShapefileWriter escritor(tipo);
    escritor.AddShape({ShapefileWriter::Rectangle(100, 200, 300, 400)});
    escritor.AddShape({ShapefileWriter::Rectangle(500, 600, 700, 900)});
    escritor.Table().AddField("NOMBRE", 'C', 10);
    escritor.Table().AddRecord({"uno"});
    escritor.Table().AddRecord({"dos"});
    return escritor;
}

bool Mapeado(const std::string& ruta) {
    std::ifstream mapas("/proc/self/maps");
    std::stringstream contenido;
    contenido << mapas.rdbuf();
    return contenido.str().find(ruta) != std::string::npos;
}
}  // namespace

TEST(CCapaShp, InitialisingOpensTheShapefileAndShowsTheLayer) {
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(DosCuadrados(), "parcelas");
    ASSERT_NE(capa.GetShape(), nullptr);
    EXPECT_TRUE(capa.GetErrorInicializacion().empty());
    EXPECT_NE(capa.GetDbf(), nullptr);
    EXPECT_EQ(capa.GetDbf(), capa.GetShape()->GetDBF());
    EXPECT_EQ(capa.GetEstadoCapa(), 1);
    EXPECT_EQ(capa.GetGeometria(), 5);
    EXPECT_EQ(capa.GetGeometriaShp(), 5);
    const CExtensionMapa ext = capa.GetExtensionCapa();
    EXPECT_DOUBLE_EQ(ext.GetCoordenadaInfIzqX(), 100.0);
    EXPECT_DOUBLE_EQ(ext.GetCoordenadaInfIzqY(), 200.0);
    EXPECT_DOUBLE_EQ(ext.GetCoordenadaSupDerX(), 700.0);
    EXPECT_DOUBLE_EQ(ext.GetCoordenadaSupDerY(), 900.0);
}

TEST(CCapaShp, ExtentIsTheNormalisedHeaderBox) {
    ShapefileWriter escritor = DosCuadrados();
    CRectangulo invertida;
    invertida.x1 = 800;
    invertida.y1 = 950;
    invertida.x2 = 50;
    invertida.y2 = 150;
    escritor.SetBoundingBox(invertida);
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "invertida");
    ASSERT_NE(capa.GetShape(), nullptr);
    capa.SetExtensionCapa(CExtensionMapa());
    EXPECT_TRUE(capa.ObtenerDatosExtension());
    const CExtensionMapa ext = capa.GetExtensionCapa();
    EXPECT_DOUBLE_EQ(ext.GetCoordenadaInfIzqX(), 50.0);
    EXPECT_DOUBLE_EQ(ext.GetCoordenadaInfIzqY(), 150.0);
    EXPECT_DOUBLE_EQ(ext.GetCoordenadaSupDerX(), 800.0);
    EXPECT_DOUBLE_EQ(ext.GetCoordenadaSupDerY(), 950.0);
}

TEST(CCapaShp, GeometryFollowsTheReaderType) {
    CapaShpPrueba prueba;
    ShapefileWriter puntos(1);
    puntos.AddPoint(1, 2);
    EXPECT_EQ(prueba.Abrir(puntos, "puntos").GetGeometria(), 1);
    ShapefileWriter lineas(3);
    lineas.AddShape({{{0, 0}, {5, 5}}});
    EXPECT_EQ(prueba.Abrir(lineas, "lineas").GetGeometria(), 3);
    ShapefileWriter multipuntos(8);
    multipuntos.AddMultiPoint({{0, 0}, {5, 5}});
    EXPECT_EQ(prueba.Abrir(multipuntos, "multipuntos").GetGeometria(), 8);
    ShapefileWriter poligonosZ(15);
    poligonosZ.AddShape({ShapefileWriter::Rectangle(0, 0, 1, 1)});
    EXPECT_EQ(prueba.Abrir(poligonosZ, "poligonosz").GetGeometria(), 5);
}

TEST(CCapaShp, UpperCaseShapefileOpens) {
    ShapefileWriter escritor = DosCuadrados();
    escritor.SetExtensions(".SHP", ".SHX", ".dbf");
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "MAYUS", ".SHP");
    EXPECT_NE(capa.GetShape(), nullptr);
    EXPECT_EQ(capa.GetEstadoCapa(), 1);
}

TEST(CCapaShp, MissingShapefileIsReportedNotThrown) {
    CapaShpPrueba prueba;
    CCapaShp* capa = nullptr;
    EXPECT_NO_THROW(capa = &prueba.AbrirRuta(prueba.Ruta("no_existe.shp")));
    EXPECT_EQ(capa->GetShape(), nullptr);
    EXPECT_EQ(capa->GetDbf(), nullptr);
    EXPECT_EQ(capa->GetErrorInicializacion(), wxString(wxT("ErrorAbriendoShx")));
    EXPECT_EQ(capa->GetEstadoCapa(), -1);  // not shown
    EXPECT_FALSE(capa->InicializarCapa());
    EXPECT_TRUE(capa->GetExtensionCapa() == CExtensionMapa());
}

TEST(CCapaShp, DamagedHeaderGivesTheReadersErrorName) {
    ShapefileWriter escritor = DosCuadrados();
    escritor.SetVersion(ShapefileWriter::Shp, 999);
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "version");
    EXPECT_EQ(capa.GetShape(), nullptr);
    EXPECT_EQ(capa.GetErrorInicializacion(), wxString(wxT("ErrorEnVersionShp/Shx")));
}

TEST(CCapaShp, PathWithoutShpEndingIsRefused) {
    CapaShpPrueba prueba;
    DosCuadrados().Write(prueba.Ruta("parcelas"));
    CCapaShp& capa = prueba.AbrirRuta(prueba.Ruta("parcelas.shp.bak"));
    EXPECT_EQ(capa.GetShape(), nullptr);
    EXPECT_FALSE(capa.GetErrorInicializacion().empty());
}

TEST(CCapaShp, ReleasingTheLayerReleasesTheMapping) {
    CapaShpPrueba prueba;
    DosCuadrados().Write(prueba.Ruta("liberada"));
    const std::string shp = prueba.Ruta("liberada.shp");
    auto capa = std::make_unique<CCapaShp>();
    capa->SetRutaArchivo(wxString::FromUTF8(shp.c_str()));
    ASSERT_TRUE(capa->InicializarCapa());
    EXPECT_TRUE(Mapeado(shp));
    capa.reset();
    EXPECT_FALSE(Mapeado(shp));
}

TEST(CCapaShp, ReinitialisingReplacesTheReader) {
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(DosCuadrados(), "dos_veces");
    const std::string shp = prueba.Ruta("dos_veces.shp");
    ASSERT_TRUE(capa.InicializarCapa());
    ASSERT_NE(capa.GetShape(), nullptr);
    EXPECT_EQ(capa.GetShape()->NumElementos(), 2u);
    EXPECT_TRUE(Mapeado(shp));
}

TEST(CCapaShp, DamagedRecordsAreOutOfEveryBoxTest) {
    ShapefileWriter escritor = DosCuadrados();
    escritor.SetNumPoints(0, 5000);  // more points than the record holds
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "danada");
    ASSERT_NE(capa.GetShape(), nullptr);
    CExtensionMapa todo;
    todo.SetCoordenadasInfIzq(0, 0);
    todo.SetCoordenadasSupDer(1000, 1000);
    EXPECT_FALSE(capa.IsInExtentElemento(capa.GetShape()->BuscaElemento(0), todo));
    EXPECT_TRUE(capa.IsInExtentElemento(capa.GetShape()->BuscaElemento(1), todo));
    EXPECT_FALSE(capa.IsInExtentElemento(nullptr, todo));
}

TEST(CCapaShp, RecordBoxTestNeedsOnePartInside) {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10),
                       ShapefileWriter::Rectangle(500, 500, 510, 510)});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "partes");
    const unsigned int* registro = capa.GetShape()->BuscaElemento(0);
    CExtensionMapa vista;
    vista.SetCoordenadasInfIzq(505, 505);
    vista.SetCoordenadasSupDer(600, 600);
    EXPECT_TRUE(capa.IsInExtentElemento(registro, vista));
    vista.SetCoordenadasInfIzq(20, 20);
    vista.SetCoordenadasSupDer(400, 400);
    EXPECT_FALSE(capa.IsInExtentElemento(registro, vista));
    vista.SetCoordenadasInfIzq(10, -5);  // touches the first ring's right edge
    EXPECT_TRUE(capa.IsInExtentElemento(registro, vista));
}

TEST(CCapaShp, FeaturesAreFoundByTheirCode) {
    ShapefileWriter escritor(1);
    for (int i = 0; i < 4; ++i) escritor.AddPoint(i, i);
    escritor.Table().AddField("COD", 'C', 8);
    escritor.Table().AddField("NUM", 'N', 4);
    escritor.Table().AddRecord({"A1", "1"});
    escritor.Table().AddRecord({"b2", "2"});
    escritor.Table().AddRecord({"B2", "3"});
    escritor.Table().AddRecord({"B2", "4"});
    CapaShpPrueba prueba;
    CCapaShp& capa = prueba.Abrir(escritor, "codigos");
    EXPECT_EQ(capa.BuscaElementoPorCodigo(wxT("COD"), wxT("A1")), 0);  // trailing blanks dropped
    EXPECT_EQ(capa.BuscaElementoPorCodigo(wxT("cod"), wxT("B2")), 2);  // the first, exact case
    EXPECT_EQ(capa.BuscaElementoPorCodigo(wxT("COD"), wxT("C3")), -1);
    EXPECT_EQ(capa.BuscaElementoPorCodigo(wxT("COD"), wxT("A1 ")), -1);
    EXPECT_EQ(capa.BuscaElementoPorCodigo(wxT("NUM"), wxT("1")), -1);  // not a text column
    EXPECT_EQ(capa.BuscaElementoPorCodigo(wxT(""), wxT("A1")), -1);
    EXPECT_EQ(CCapaShp().BuscaElementoPorCodigo(wxT("COD"), wxT("A1")), -1);
}
