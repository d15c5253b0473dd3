// Loading theme files into a view manager: layer order, carried defaults,
// colours, classifications, scale and extent, and damaged files.
#include <gtest/gtest.h>
#include <wx/list.h>
#include <dirent.h>
#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CCapa.h"
#include "CCapaShp.h"
#include "CCapasEnMapa.h"
#include "CClasificacionPorTexto.h"
#include "CClasificacionPorValor.h"
#include "CGestorVistaMapa.h"
#include "LienzoPrueba.h"
#include "CLectorProyectoVaq.h"
#include "CProyectoVaq.h"
#include "CRepresentacionTexto.h"
#include "CRepresentacionValor.h"
#include "CMensajes.h"
#include "ShapefileWriter.h"
#include "ThemeWriter.h"

namespace fs = std::filesystem;

namespace {

// A data directory of its own per test, with three polygon shapefiles under
// "/capas/": a.shp (0..100), b.shp (50..300) and c.shp (-20..10).
class ProyectoVaqTest : public testing::Test {
protected:
    void SetUp() override {
        SetModoSilencioso(true);  // no dialog may block a test
        char plantilla[] = "/tmp/vaq_proyecto_XXXXXX";
        ASSERT_NE(mkdtemp(plantilla), nullptr);
        datos = plantilla;
        EscribirShape("a", 0, 0, 100, 100);
        EscribirShape("b", 50, 50, 300, 200);
        EscribirShape("c", -20, -10, 10, 10);
        proyecto.NuevoProyecto("Nuevo proyecto");
        proyecto.SetRutaDatosAplicacion(wxString::FromUTF8(datos.c_str()));
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(datos, error);
    }

    void EscribirShape(const std::string& nombre, double x1, double y1, double x2, double y2) {
        fs::create_directories(datos + "/capas");
        ShapefileWriter escritor(5);
        escritor.AddShape({ShapefileWriter::Rectangle(x1, y1, x2, y2)});
        escritor.Table().AddField("TIPO", 'N', 4);
        escritor.Table().AddRecord({"1"});
        ASSERT_TRUE(escritor.Write(datos + "/capas/" + nombre));
    }

    // Writes the theme as MapasVel/<nombre>.vel and opens it.
    bool Abrir(const ThemeWriter& tema, const std::string& nombre = "Prueba") {
        const std::string relativa = "MapasVel/" + nombre + ".vel";
        EXPECT_TRUE(tema.Write(datos + "/" + relativa));
        return proyecto.AbrirProyecto(nullptr, wxString::FromUTF8(relativa.c_str()));
    }

    CGestorVistaMapa& Gestor() { return *proyecto.GetGestorVistaMapa(); }
    CCapasEnMapa& Entrada(int i) { return *Gestor().GetCapaEnMapa(i); }
    CCapa& Capa(int i) { return *Entrada(i).GetCapaEnCapa(); }
    std::vector<wxString> Nombres() {
        std::vector<wxString> nombres;
        for (int i = 0; i < Gestor().GetNumCapas(); ++i) nombres.push_back(Capa(i).GetNombreCapa());
        return nombres;
    }

    static XmlElemento CapaVisible(const std::string& nombre, const std::string& archivo) {
        XmlElemento capa = ThemeWriter::Capa(nombre, archivo, "/capas/");
        capa.Add(ThemeWriter::Visualizacion(1, 0, 99999999));
        return capa;
    }

    std::string datos;
    CProyectoVaq proyecto;
};

std::vector<wxString> Lista(std::initializer_list<const char*> textos) {
    std::vector<wxString> lista;
    for (const char* t : textos) lista.push_back(wxString::FromUTF8(t));
    return lista;
}

int ContarEntradas(const char* directorio) {
    int n = 0;
    if (DIR* d = opendir(directorio)) {
        while (readdir(d)) ++n;
        closedir(d);
    }
    return n;
}

int ContarLineas(const char* archivo) {
    std::ifstream entrada(archivo);
    std::string linea;
    int n = 0;
    while (std::getline(entrada, linea)) ++n;
    return n;
}

}  // namespace

TEST_F(ProyectoVaqTest, CapasQuedanEnElOrdenDelArchivoYLaPrimeraEncima) {
    ThemeWriter tema("Tres capas");
    tema.Capas().With(CapaVisible("A", "a.shp")).With(CapaVisible("B", "b.shp"))
        .With(CapaVisible("C", "c.shp"));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_EQ(Nombres(), Lista({"A", "B", "C"}));
    EXPECT_EQ(proyecto.GetNombreProyecto(), "Tres capas");
    EXPECT_TRUE(proyecto.ExisteProyectoAbierto());
    EXPECT_TRUE(proyecto.GetCapasNoCargadas().empty());
    // Path: data directory + ruta + archivo.
    EXPECT_EQ(Capa(1).GetRutaArchivo(), wxString::FromUTF8((datos + "/capas/b.shp").c_str()));
    // The global extent covers the three shapefiles.
    const CExtensionMapa global = Gestor().GetExtensionGlobal();
    EXPECT_EQ(global.GetCoordenadaInfIzqX(), -20.0);
    EXPECT_EQ(global.GetCoordenadaInfIzqY(), -10.0);
    EXPECT_EQ(global.GetCoordenadaSupDerX(), 300.0);
    EXPECT_EQ(global.GetCoordenadaSupDerY(), 200.0);
    // Relative path with forward slashes: no project path.
    EXPECT_EQ(proyecto.GetRutaProyecto(), "");
}

TEST_F(ProyectoVaqTest, ValoresNumericosArrancanEnSusDefectosYSeArrastranEntreElementos) {
    ThemeWriter tema;
    XmlElemento& capa = tema.Capas().Add(ThemeWriter::Capa("A", "a.shp", "/capas/"));
    // A symbol that sets everything, then one that sets only the style: the
    // later one keeps the values read before.
    capa.Add(ThemeWriter::Simbologia(3, 101, 255, 65280, 7, 1));
    capa.Add(XmlElemento("SIMBOLOGIA").Set("estilo", 102));
    capa.Add(XmlElemento("VISUALIZACION").Set("escala_max", 80000.0));
    ASSERT_TRUE(Abrir(tema));
    const CSimboloObj& s = *Capa(0).GetSimbolo();
    EXPECT_EQ(s.GetEstilo(), 102);
    EXPECT_EQ(s.GetTipo(), 3);
    EXPECT_EQ(s.GetSize(), 7);
    EXPECT_EQ(s.GetColorBorde(), wxColour(255, 0, 0));
    EXPECT_EQ(s.GetColorRelleno(), wxColour(0, 255, 0));
    EXPECT_TRUE(s.GetTransparente());
    // estado and escala_min were never given: they start at 0 for each layer.
    EXPECT_EQ(Capa(0).GetEstadoCapa(), 0);
    EXPECT_EQ(Capa(0).GetEscalaMinima(), 0.0);
    EXPECT_EQ(Capa(0).GetEscalaMaxima(), 80000.0);
}

TEST_F(ProyectoVaqTest, CapaSinSimbologiaRecibeLosValoresDeInicio) {
    ThemeWriter tema;
    tema.Capas().Add(ThemeWriter::Capa("A", "a.shp", "/capas/"));
    ASSERT_TRUE(Abrir(tema));
    const CSimboloObj& s = *Capa(0).GetSimbolo();
    EXPECT_EQ(s.GetTipo(), 0);
    EXPECT_EQ(s.GetEstilo(), 1);
    EXPECT_EQ(s.GetSize(), 1);
    EXPECT_EQ(s.GetColorBorde(), wxColour(0, 0, 0));
    EXPECT_FALSE(s.GetTransparente());
    EXPECT_EQ(Capa(0).GetEstadoCapa(), 0);  // hidden, although opening showed it
    EXPECT_EQ(Capa(0).GetEscalaMaxima(), 0.0);
}

TEST_F(ProyectoVaqTest, ColoresDeLaCapaConservanSuNombreYLosAltosBitsSeIgnoran) {
    ThemeWriter tema;
    tema.Capas().Add(CapaVisible("A", "a.shp")).With(ThemeWriter::Simbologia(0, 100, 16711680, 255, 1));
    tema.Capas().Add(CapaVisible("B", "b.shp"))
        .With(ThemeWriter::Simbologia(0, 100, 65280 + (5LL << 24), -1, 1));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_EQ(Capa(0).GetSimbolo()->GetColorBorde(), wxColour(0, 0, 255));
    EXPECT_EQ(Capa(0).GetSimbolo()->GetColorRelleno(), wxColour(255, 0, 0));
    EXPECT_EQ(Capa(1).GetSimbolo()->GetColorBorde(), wxColour(0, 255, 0));
    EXPECT_EQ(Capa(1).GetSimbolo()->GetColorRelleno(), wxColour(255, 255, 255));
}

TEST_F(ProyectoVaqTest, EstiloCuatroLeeLaFuenteYOtroEstiloNo) {
    ThemeWriter tema;
    tema.Capas().Add(CapaVisible("A", "a.shp"))
        .With(ThemeWriter::Simbologia(0, 4, 0, 0, 12)
                  .Set("indice_libreria", 65).Set("nombre_libreria", "Symbol")
                  .Set("fichero_libreria", "symbol.ttf"));
    tema.Capas().Add(CapaVisible("B", "b.shp"))
        .With(ThemeWriter::Simbologia(0, 100, 0, 0, 12)
                  .Set("indice_libreria", 66).Set("nombre_libreria", "Otra"));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_EQ(Capa(0).GetSimbolo()->GetCharIndex(), 65);
    EXPECT_EQ(Capa(0).GetSimbolo()->GetFuente(), "Symbol");
    EXPECT_EQ(Capa(0).GetSimbolo()->GetFileFuente(), "symbol.ttf");
    EXPECT_EQ(Capa(1).GetSimbolo()->GetCharIndex(), 0);
    EXPECT_EQ(Capa(1).GetSimbolo()->GetFuente(), "");
}

TEST_F(ProyectoVaqTest, ClasificacionPorValorCambiaLosColoresYInvierteLasClases) {
    ThemeWriter tema;
    XmlElemento& campo = tema.Capas().Add(CapaVisible("A", "a.shp"))
                             .Add(ThemeWriter::Clasificacion("VALOR"))
                             .Add(ThemeWriter::Campo("TIPO", "Tipos de suelo"));
    campo.Add(ThemeWriter::Simbologia(0, 100, 255, 65280, 2));
    XmlElemento& valores = campo.Add(XmlElemento("VALORES"));
    valores.Add(ThemeWriter::Clase("1", "Uno", ThemeWriter::Simbologia(0, 100, 16711680, 255, 3, 1)));
    // The second class's symbol lacks tamanno: it keeps the first class's.
    valores.Add(ThemeWriter::Clase("2", "Dos", XmlElemento("SIMBOLOGIA").Set("color_borde", 65280)));
    ASSERT_TRUE(Abrir(tema));

    CCapasEnMapa& entrada = Entrada(0);
    EXPECT_TRUE(entrada.GetTieneClasificacion());
    EXPECT_EQ(entrada.GetTipoClasificacion().GetTipo(), "VALOR");
    CClasificacionPorValor* clasificacion = entrada.GetClasificacion();
    ASSERT_NE(clasificacion, nullptr);
    EXPECT_EQ(clasificacion->GetCampo(), "TIPO");
    EXPECT_EQ(clasificacion->GetDescripcion(), "Tipos de suelo");
    // color_borde becomes the fill colour, color_relleno the outline.
    EXPECT_EQ(clasificacion->GetSimbologia()->GetColorRelleno(), wxColour(255, 0, 0));
    EXPECT_EQ(clasificacion->GetSimbologia()->GetColorBorde(), wxColour(0, 255, 0));
    EXPECT_EQ(clasificacion->GetSimbologia()->GetFuente(), " ");
    EXPECT_EQ(clasificacion->GetSimbologia()->GetCharIndex(), 1);

    ASSERT_EQ(clasificacion->GetLista()->GetCount(), 2u);
    auto* primera = static_cast<CRepresentacionValor*>(clasificacion->GetLista()->Item(0)->GetData());
    auto* segunda = static_cast<CRepresentacionValor*>(clasificacion->GetLista()->Item(1)->GetData());
    EXPECT_EQ(primera->GetValor(), "2");  // reverse file order
    EXPECT_EQ(segunda->GetValor(), "1");
    EXPECT_EQ(segunda->GetDescripcion(), "Uno");
    EXPECT_EQ(segunda->GetSimbologia()->GetColorRelleno(), wxColour(0, 0, 255));
    EXPECT_EQ(segunda->GetSimbologia()->GetColorBorde(), wxColour(255, 0, 0));
    EXPECT_TRUE(segunda->GetSimbologia()->GetTransparente());
    EXPECT_EQ(primera->GetSimbologia()->GetColorRelleno(), wxColour(0, 255, 0));
    EXPECT_EQ(primera->GetSimbologia()->GetSize(), 3);
    EXPECT_TRUE(primera->GetSimbologia()->GetTransparente());
}

TEST_F(ProyectoVaqTest, ClasificacionPorTextoLeeCamposEstiloYClasesInvertidas) {
    ThemeWriter tema;
    XmlElemento& campo = tema.Capas().Add(CapaVisible("A", "a.shp"))
                             .Add(ThemeWriter::Clasificacion("TEXTO"))
                             .Add(ThemeWriter::Campo("CLASE", "NOMBRE", "ANGULO"));
    campo.Add(ThemeWriter::SimbologiaTexto(255, 9).Set("negrita", 1));
    XmlElemento& valores = campo.Add(XmlElemento("VALORES"));
    valores.Add(XmlElemento("VALOR").Set("valor", 1)).Add(ThemeWriter::SimbologiaTexto(65280, 12));
    valores.Add(XmlElemento("VALOR").Set("valor", 2))
        .Add(XmlElemento("SIMBOLOGIA_TEXTO").Set("cursiva", 1));
    ASSERT_TRUE(Abrir(tema));

    EXPECT_EQ(Entrada(0).GetTipoClasificacion().GetTipo(), "TEXTO");
    CClasificacionPorTexto* clasificacion = Entrada(0).GetClasificacionTexto();
    ASSERT_NE(clasificacion, nullptr);
    EXPECT_EQ(clasificacion->GetCampo(), "CLASE");
    EXPECT_EQ(clasificacion->GetCampoDescripcion(), "NOMBRE");
    EXPECT_EQ(clasificacion->GetCampoRotacion(), "ANGULO");
    EXPECT_EQ(clasificacion->GetSimbologiaDefecto()->GetColorTexto(), wxColour(255, 0, 0));
    EXPECT_TRUE(clasificacion->GetSimbologiaDefecto()->GetNegrita());
    ASSERT_EQ(clasificacion->GetLista()->GetCount(), 2u);
    auto* primera = static_cast<CRepresentacionTexto*>(clasificacion->GetLista()->Item(0)->GetData());
    auto* segunda = static_cast<CRepresentacionTexto*>(clasificacion->GetLista()->Item(1)->GetData());
    EXPECT_EQ(primera->GetValor(), 2);
    EXPECT_EQ(segunda->GetValor(), 1);
    EXPECT_EQ(segunda->GetSimbologia()->GetFontSize(), 12);
    // Text symbols share one set of values: the second keeps the size and
    // colour of the first, whose negrita="0" also cleared the default's bold.
    EXPECT_EQ(primera->GetSimbologia()->GetFontSize(), 12);
    EXPECT_EQ(primera->GetSimbologia()->GetColorTexto(), wxColour(0, 255, 0));
    EXPECT_TRUE(primera->GetSimbologia()->GetCursiva());
    EXPECT_FALSE(primera->GetSimbologia()->GetNegrita());
    EXPECT_EQ(primera->GetSimbologia()->GetFuente(), "Sans");
}

TEST_F(ProyectoVaqTest, SegundaClasificacionSustituyeALaPrimera) {
    ThemeWriter tema;
    XmlElemento& capa = tema.Capas().Add(CapaVisible("A", "a.shp"));
    capa.Add(ThemeWriter::Clasificacion("VALOR")).Add(ThemeWriter::Campo("TIPO", ""));
    capa.Add(ThemeWriter::Clasificacion("TEXTO")).Add(ThemeWriter::Campo("CLASE", "NOMBRE"));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_EQ(Entrada(0).GetTipoClasificacion().GetTipo(), "TEXTO");
    EXPECT_EQ(Entrada(0).GetClasificacion(), nullptr);
    ASSERT_NE(Entrada(0).GetClasificacionTexto(), nullptr);
}

TEST_F(ProyectoVaqTest, EscalaSeGuardaYUnTemaSinEscalaConservaLaAnterior) {
    ThemeWriter conEscala;
    conEscala.Capas().Add(CapaVisible("A", "a.shp"));
    conEscala.Raiz().Add(XmlElemento("ESCALA").Set("valor", 250000.0));
    ASSERT_TRUE(Abrir(conEscala, "ConEscala"));
    EXPECT_EQ(proyecto.GetEscala(), 250000.0);

    ThemeWriter sinEscala;
    sinEscala.Capas().Add(CapaVisible("B", "b.shp"));
    proyecto.CerrarProyecto(nullptr);
    EXPECT_EQ(proyecto.GetNombreProyecto(), "VAQ");
    EXPECT_FALSE(proyecto.ExisteProyectoAbierto());
    ASSERT_TRUE(Abrir(sinEscala, "SinEscala"));
    EXPECT_EQ(proyecto.GetEscala(), 250000.0);
    EXPECT_EQ(Nombres(), Lista({"B"}));
}

TEST_F(ProyectoVaqTest, ExtensionDespuesDeLasCapasSeMantiene) {
    ThemeWriter tema;
    tema.Capas().With(CapaVisible("A", "a.shp")).With(CapaVisible("B", "b.shp"));
    tema.Raiz().Add(XmlElemento("EXTENSION")
                        .Set("coordsupderx", 40.0).Set("coordsupdery", 30.0)
                        .Set("coordinfizqx", 10.0).Set("coordinfizqy", 20.0));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_TRUE(Gestor().GetMantenerExtension());
    const CExtensionMapa actual = Gestor().GetExtensionActual();
    EXPECT_EQ(actual.GetCoordenadaInfIzqX(), 10.0);
    EXPECT_EQ(actual.GetCoordenadaInfIzqY(), 20.0);
    EXPECT_EQ(actual.GetCoordenadaSupDerX(), 40.0);
    EXPECT_EQ(actual.GetCoordenadaSupDerY(), 30.0);
    // Global extent still from the layers; the extent survives a recomputation.
    Gestor().ReCalcularExtGlobal();
    EXPECT_EQ(Gestor().GetExtensionActual(), actual);
    EXPECT_EQ(Gestor().GetExtensionGlobal().GetCoordenadaSupDerX(), 300.0);
}

TEST_F(ProyectoVaqTest, RaizOVersionErroneasNoCarganNada) {
    ThemeWriter otraRaiz;
    otraRaiz.Raiz() = XmlElemento("PROYECTO");
    otraRaiz.Raiz().Set("version", "1.0.0").Set("nombre", "X");
    otraRaiz.Capas().Add(CapaVisible("A", "a.shp"));
    EXPECT_FALSE(Abrir(otraRaiz, "Raiz"));
    EXPECT_EQ(Gestor().GetNumCapas(), 0);
    EXPECT_TRUE(proyecto.GetErrorCarga().Contains("PROYECTO_VELMOR"));

    ThemeWriter otraVersion;
    otraVersion.Raiz().Set("version", "1.0.1");
    otraVersion.Capas().Add(CapaVisible("A", "a.shp"));
    EXPECT_FALSE(Abrir(otraVersion, "Version"));
    EXPECT_EQ(Gestor().GetNumCapas(), 0);

    ThemeWriter sinVersion;
    sinVersion.Raiz().Remove("version");
    EXPECT_FALSE(Abrir(sinVersion, "SinVersion"));
}

TEST_F(ProyectoVaqTest, ArchivoAusenteMalFormadoOSinExtensionVelDaMensajeClaro) {
    EXPECT_FALSE(proyecto.AbrirProyecto(nullptr, "MapasVel/NoExiste.vel"));
    EXPECT_TRUE(proyecto.GetErrorCarga().StartsWith(
        wxString::FromUTF8("No se pudo cargar correctamente el proyecto.")));

    fs::create_directories(datos + "/MapasVel");
    std::ofstream(datos + "/MapasVel/Roto.vel") << "<PROYECTO_VELMOR version=\"1.0.0\"><CAPAS>";
    EXPECT_FALSE(proyecto.AbrirProyecto(nullptr, "MapasVel/Roto.vel"));
    EXPECT_TRUE(proyecto.GetErrorCarga().Contains(wxString::FromUTF8("XML válido")));

    std::ofstream(datos + "/MapasVel/Vacio.vel");
    EXPECT_FALSE(proyecto.AbrirProyecto(nullptr, "MapasVel/Vacio.vel"));

    EXPECT_FALSE(proyecto.AbrirProyecto(nullptr, "MapasVel/Prueba.xml"));
    EXPECT_EQ(proyecto.GetErrorCarga(),
              wxString::FromUTF8("El archivo seleccionado no es el esperado."));
}

TEST_F(ProyectoVaqTest, AnidamientoExcesivoSeRechazaSinAgotarLaPila) {
    fs::create_directories(datos + "/MapasVel");
    std::string texto = "<PROYECTO_VELMOR version=\"1.0.0\" nombre=\"x\">";
    for (int i = 0; i < 200000; ++i) texto += "<a>";
    std::ofstream(datos + "/MapasVel/Hondo.vel") << texto;
    EXPECT_FALSE(proyecto.AbrirProyecto(nullptr, "MapasVel/Hondo.vel"));
    EXPECT_TRUE(proyecto.GetErrorCarga().Contains("niveles"));
}

TEST_F(ProyectoVaqTest, CapasNoShpSeOmitenEnSilencio) {
    ThemeWriter tema;
    tema.Capas().With(CapaVisible("A", "a.shp"));
    XmlElemento raster = ThemeWriter::Capa("Ortofoto", "orto.ecw", "/capas/", "ECW");
    tema.Capas().With(raster).With(CapaVisible("B", "b.shp"));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_EQ(Nombres(), Lista({"A", "B"}));
    EXPECT_TRUE(proyecto.GetCapasNoCargadas().empty());
}

TEST_F(ProyectoVaqTest, ClasificacionDesconocidaDejaFueraSoloEsaCapaYReordenaLasDemas) {
    ThemeWriter tema;
    tema.Capas().With(CapaVisible("A", "a.shp"));
    tema.Capas().Add(CapaVisible("B", "b.shp")).Add(ThemeWriter::Clasificacion("RANGO"));
    tema.Capas().With(CapaVisible("C", "c.shp"));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_EQ(Nombres(), Lista({"A", "C"}));
    ASSERT_EQ(proyecto.GetCapasNoCargadas().size(), 1u);
    EXPECT_TRUE(proyecto.GetCapasNoCargadas()[0].StartsWith("B: "));
    EXPECT_TRUE(proyecto.GetCapasNoCargadas()[0].Contains("RANGO"));
}

TEST_F(ProyectoVaqTest, AtributosObligatoriosAusentesDejanFueraLaCapa) {
    ThemeWriter tema;
    for (const char* falta : {"nombre", "archivo", "ruta", "tipo"}) {
        XmlElemento capa = CapaVisible(std::string("Sin ") + falta, "a.shp");
        capa.Remove(falta);
        tema.Capas().With(capa);
    }
    tema.Capas().With(CapaVisible("B", "b.shp"));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_EQ(Nombres(), Lista({"B"}));
    const wxArrayString& fallos = proyecto.GetCapasNoCargadas();
    ASSERT_EQ(fallos.size(), 4u);
    EXPECT_EQ(fallos[0], "Capa 1: falta el atributo \"nombre\"");
    EXPECT_EQ(fallos[1], "Sin archivo: falta el atributo \"archivo\"");
    EXPECT_EQ(fallos[2], "Sin ruta: falta el atributo \"ruta\"");
    EXPECT_EQ(fallos[3], "Sin tipo: falta el atributo \"tipo\"");
}

TEST_F(ProyectoVaqTest, ShapefileQueNoAbreSeListaConSuErrorYElRestoCarga) {
    ThemeWriter tema;
    tema.Capas().With(CapaVisible("A", "a.shp")).With(CapaVisible("Perdida", "noexiste.shp"));
    tema.Capas().With(CapaVisible("B", "b.shp"));
    fs::create_directories(datos + "/capas");
    std::ofstream(datos + "/capas/roto.shx") << "no es un indice";
    std::ofstream(datos + "/capas/roto.shp") << "ni esto un shapefile";
    tema.Capas().With(CapaVisible("Rota", "roto.shp"));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_EQ(Nombres(), Lista({"A", "B"}));
    const wxArrayString& fallos = proyecto.GetCapasNoCargadas();
    ASSERT_EQ(fallos.size(), 2u);
    EXPECT_EQ(fallos[0], "Perdida: ErrorAbriendoShx");
    EXPECT_TRUE(fallos[1].StartsWith("Rota: Error")) << fallos[1];
}

TEST_F(ProyectoVaqTest, NumerosAbsurdosDejanFueraLaCapaOSeIgnoranConAviso) {
    ThemeWriter tema;
    tema.Capas().Add(CapaVisible("Enorme", "a.shp")).With(ThemeWriter::Simbologia(0, 100, 0, 0, 1000000));
    tema.Capas().Add(ThemeWriter::Capa("Nan", "b.shp", "/capas/"))
        .With(XmlElemento("VISUALIZACION").Set("escala_min", "nan"));
    tema.Capas().Add(ThemeWriter::Capa("Letras", "b.shp", "/capas/"))
        .With(XmlElemento("VISUALIZACION").Set("estado", "visible"));
    tema.Capas().Add(CapaVisible("Buena", "c.shp"));
    tema.Raiz().Add(XmlElemento("ESCALA").Set("valor", "-5"));
    tema.Raiz().Add(XmlElemento("EXTENSION").Set("coordsupderx", "1e400"));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_EQ(Nombres(), Lista({"Buena"}));
    EXPECT_EQ(proyecto.GetCapasNoCargadas().size(), 3u);
    EXPECT_TRUE(proyecto.GetCapasNoCargadas()[0].Contains("tamanno"));
    EXPECT_EQ(proyecto.GetEscala(), 0.0);
    EXPECT_FALSE(Gestor().GetMantenerExtension());
    EXPECT_EQ(proyecto.GetAvisosCarga().size(), 2u);
}

TEST_F(ProyectoVaqTest, TextosSeLeenComoUtf8SoloSiElArchivoLoDeclara) {
    ThemeWriter latin1;
    latin1.Capas().Add(CapaVisible("R\xEDo", "a.shp"));
    ASSERT_TRUE(Abrir(latin1, "Latin1"));
    EXPECT_EQ(Capa(0).GetNombreCapa(), wxString::FromUTF8("Río"));

    ThemeWriter utf8;
    utf8.SetEncoding("UTF-8");
    utf8.Capas().Add(CapaVisible("R\xC3\xADo \xE2\x82\xAC", "a.shp"));
    ASSERT_TRUE(Abrir(utf8, "Utf8"));
    EXPECT_EQ(Capa(0).GetNombreCapa(), wxString::FromUTF8("Río €"));

    ThemeWriter sinDeclaracion;
    sinDeclaracion.SetEncoding("");
    sinDeclaracion.Capas().Add(CapaVisible("Ca\xF1o", "a.shp"));
    ASSERT_TRUE(Abrir(sinDeclaracion, "Sin"));
    EXPECT_EQ(Capa(0).GetNombreCapa(), wxString::FromUTF8("Caño"));
}

TEST_F(ProyectoVaqTest, ReordenarPoneLaListaEnElOrdenDado) {
    ThemeWriter tema;
    tema.Capas().With(CapaVisible("A", "a.shp")).With(CapaVisible("B", "b.shp"))
        .With(CapaVisible("C", "c.shp"));
    ASSERT_TRUE(Abrir(tema));
    std::vector<CCapa*> orden = {&Capa(2), &Capa(0), &Capa(1)};
    proyecto.ReordenarCapas(orden);
    EXPECT_EQ(Nombres(), Lista({"C", "A", "B"}));
    proyecto.ReordenarCapas({&Capa(0)});  // lengths differ: nothing happens
    EXPECT_EQ(Nombres(), Lista({"C", "A", "B"}));
}

TEST(ProyectoVaqRutas, RutaDeProyectoHastaLaUltimaBarraInvertida) {
    EXPECT_EQ(CProyectoVaq::GetRutaProyectoToRutaAndNombre("MapasVel/MedioFisico.vel"), "");
    EXPECT_EQ(CProyectoVaq::GetRutaProyectoToRutaAndNombre("C:\\datos\\MapasVel\\X.vel"),
              "C:\\datos\\MapasVel\\");
}

namespace {

// Paints the loaded theme at its whole extent and close up on a corner, so
// that layers build what painting keeps (ring coverage, record boxes).
void PintarEnteroYDeCerca(CGestorVistaMapa& gestor) {
    LienzoPrueba lienzo(200, 150);
    gestor.SetDimensionAreaVisualizacion(lienzo.Rect());
    gestor.ReCalcularExtGlobal();
    gestor.ZoomExtensionTotal();
    gestor.Pintar(lienzo.Dc(), lienzo.Rect(), false);
    CExtensionMapa cerca;
    cerca.SetCoordenadasInfIzq(0, 0);
    cerca.SetCoordenadasSupDer(30, 20);
    gestor.Zoom(cerca);
    gestor.Pintar(lienzo.Dc(), lienzo.Rect(), false);
}

}  // namespace

TEST_F(ProyectoVaqTest, CargarPintarYLimpiarCienVecesNoDejaDescriptoresNiProyecciones) {
    ThemeWriter tema;
    tema.Capas().Add(CapaVisible("A", "a.shp"));
    XmlElemento& campo = tema.Capas().Add(CapaVisible("B", "b.shp"))
                             .Add(ThemeWriter::Clasificacion("VALOR"))
                             .Add(ThemeWriter::Campo("TIPO", ""));
    campo.Add(XmlElemento("VALORES")).Add(ThemeWriter::Clase("1", "", ThemeWriter::Simbologia(0, 100, 0, 0, 1)));
    tema.Capas().Add(CapaVisible("C", "c.shp")).Add(ThemeWriter::Clasificacion("TEXTO"))
        .Add(ThemeWriter::Campo("TIPO", "TIPO"))
        .Add(XmlElemento("VALORES")).Add(XmlElemento("VALOR").Set("valor", 1));
    ASSERT_TRUE(Abrir(tema));  // the first load and paint warm the libraries up
    PintarEnteroYDeCerca(Gestor());
    proyecto.LimpiarGestorVistaMapa();
    const int descriptores = ContarEntradas("/proc/self/fd");
    const int proyecciones = ContarLineas("/proc/self/maps");
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(proyecto.AbrirProyecto(nullptr, "MapasVel/Prueba.vel"));
        ASSERT_EQ(Gestor().GetNumCapas(), 3);
        PintarEnteroYDeCerca(Gestor());
        proyecto.LimpiarGestorVistaMapa();
    }
    EXPECT_EQ(ContarEntradas("/proc/self/fd"), descriptores);
    EXPECT_EQ(ContarLineas("/proc/self/maps"), proyecciones);
}

TEST(ProyectoVaqAtlas, CadaTemaDelAtlasCargaTodasSusCapas) {
    SetModoSilencioso(true);
    const fs::path atlas = fs::path(VAQ_SOURCE_DIR) / "data" / "atlas";
    int temas = 0;
    for (const auto& entrada : fs::directory_iterator(atlas / "MapasVel")) {
        if (entrada.path().extension() != ".vel") continue;
        ++temas;
        // Layer elements in the file, counted apart from the loader.
        std::ifstream archivo(entrada.path());
        std::string linea;
        int capas = 0;
        while (std::getline(archivo, linea))
            if (linea.find("<CAPA ") != std::string::npos) ++capas;

        CProyectoVaq proyecto;
        proyecto.NuevoProyecto("Atlas");
        proyecto.SetRutaDatosAplicacion(wxString::FromUTF8(atlas.string().c_str()));
        const std::string relativa = "MapasVel/" + entrada.path().filename().string();
        ASSERT_TRUE(proyecto.AbrirProyecto(nullptr, wxString::FromUTF8(relativa.c_str())))
            << relativa << ": " << proyecto.GetErrorCarga();
        EXPECT_TRUE(proyecto.GetCapasNoCargadas().empty())
            << relativa << ": " << proyecto.GetCapasNoCargadas()[0];
        EXPECT_TRUE(proyecto.GetAvisosCarga().empty()) << relativa;
        EXPECT_EQ(proyecto.GetGestorVistaMapa()->GetNumCapas(), capas) << relativa;
        EXPECT_GT(proyecto.GetEscala(), 0.0) << relativa;
    }
    EXPECT_EQ(temas, 4);
}

TEST(LectorProyectoVaq, ProfundidadCuentaSoloElementosAbiertos) {
    EXPECT_EQ(CLectorProyectoVaq::ProfundidadXml("<a><b/><c><d x=\"/>\"></d></c></a>"), 3);
    EXPECT_EQ(CLectorProyectoVaq::ProfundidadXml("<?xml version=\"1.0\"?><!-- <a><a><a> --><a/>"), 0);
    EXPECT_EQ(CLectorProyectoVaq::ProfundidadXml("<a><![CDATA[<b><c>]]></a>"), 1);
    EXPECT_EQ(CLectorProyectoVaq::ProfundidadXml("<a><a><a>"), 3);  // unclosed still counts
}

TEST(LectorProyectoVaq, Utf8SoloSiSeDeclaraOHayMarcaDeOrden) {
    EXPECT_TRUE(CLectorProyectoVaq::DeclaraUtf8("<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>"));
    EXPECT_TRUE(CLectorProyectoVaq::DeclaraUtf8("<?xml version='1.0' encoding='utf-8'?><a/>"));
    EXPECT_TRUE(CLectorProyectoVaq::DeclaraUtf8("\xEF\xBB\xBF<a/>"));
    EXPECT_FALSE(CLectorProyectoVaq::DeclaraUtf8("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"));
    EXPECT_FALSE(CLectorProyectoVaq::DeclaraUtf8("<?xml version=\"1.0\"?><a encoding=\"UTF-8\"/>"));
    EXPECT_FALSE(CLectorProyectoVaq::DeclaraUtf8("<a/>"));
}
