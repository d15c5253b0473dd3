// Loading theme files into a view manager, sound and damaged.
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CClasificacionPorTexto.h"
#include "CClasificacionPorValor.h"
#include "CGestorVistaMapa.h"
#include "CLectorProyectoVaq.h"
#include "CMensajes.h"
#include "CProfundidadXml.h"
#include "CProyectoVaq.h"
#include "CRepresentacionTexto.h"
#include "CRepresentacionValor.h"
#include "DirectorioPrueba.h"
#include "LienzoPrueba.h"
#include "ProfundidadArbol.h"
#include "ShapefileWriter.h"
#include "ThemeWriter.h"

namespace fs = std::filesystem;

namespace {

// A data directory with polygons "/capas/" a.shp (0..100), b.shp (50..300), c.shp (-20..10).
class ProyectoVaqTest : public testing::Test {
protected:
    void SetUp() override {
        SetModoSilencioso(true);  // no dialog may block a test
        fs::create_directories(datos + "/capas");
        const double cajas[3][4] = {{0, 0, 100, 100}, {50, 50, 300, 200}, {-20, -10, 10, 10}};
        for (int i = 0; i < 3; ++i) {
            ShapefileWriter escritor(5);
            escritor.AddShape({ShapefileWriter::Rectangle(cajas[i][0], cajas[i][1], cajas[i][2], cajas[i][3])});
            escritor.Table().AddField("TIPO", 'N', 4);
            escritor.Table().AddRecord({"1"});
            ASSERT_TRUE(escritor.Write(datos + "/capas/" + char('a' + i)));
        }
        proyecto.NuevoProyecto("Nuevo proyecto");
        proyecto.SetRutaDatosAplicacion(wxString::FromUTF8(datos.c_str()));
    }
    // Writes the theme as MapasVel/<nombre>.vel and opens it.
    bool Abrir(const ThemeWriter& tema, const std::string& nombre = "Prueba") {
        const std::string relativa = "MapasVel/" + nombre + ".vel";
        EXPECT_TRUE(tema.Write(datos + "/" + relativa));
        return proyecto.AbrirProyecto(nullptr, wxString::FromUTF8(relativa.c_str()));
    }
    bool AbrirTexto(const std::string& nombre, const std::string& texto) {
        fs::create_directories(datos + "/MapasVel");
        std::ofstream(datos + "/MapasVel/" + nombre) << texto;
        return proyecto.AbrirProyecto(nullptr, wxString::FromUTF8(("MapasVel/" + nombre).c_str()));
    }
    CGestorVistaMapa& Gestor() { return *proyecto.GetGestorVistaMapa(); }
    CCapasEnMapa& Entrada(int i) { return *Gestor().GetCapaEnMapa(i); }
    CCapa& Capa(int i) { return *Entrada(i).GetCapaEnCapa(); }
    wxString Nombres() {
        wxString nombres;
        for (int i = 0; i < Gestor().GetNumCapas(); ++i) nombres += Capa(i).GetNombreCapa() + " ";
        return nombres;
    }
    static XmlElemento CapaVisible(const std::string& nombre, const std::string& archivo) {
        XmlElemento capa = ThemeWriter::Capa(nombre, archivo, "/capas/");
        capa.Add(ThemeWriter::Visualizacion(1, 0, 99999999));
        return capa;
    }
    DirectorioPrueba directorio;
    const std::string datos = directorio.Ruta();
    CProyectoVaq proyecto;
};

std::string Hex(const wxColour& c) { return c.GetAsString(wxC2S_HTML_SYNTAX).Mid(1).ToStdString(); }

// "tipo/estilo/tamaño/borde/relleno/transparente/fuente/fichero/índice".
std::string Resumen(const CSimboloObj& s) {
    return std::to_string(s.GetTipo()) + "/" + std::to_string(s.GetEstilo()) + "/" + std::to_string(s.GetSize()) +
           "/" + Hex(s.GetColorBorde()) + "/" + Hex(s.GetColorRelleno()) + (s.GetTransparente() ? "/T/" : "/-/") +
           s.GetFuente().ToStdString() + "/" + s.GetFileFuente().ToStdString() + "/" + std::to_string(s.GetCharIndex());
}

// "texto/tamaño/negrita y cursiva/fuente".
std::string Resumen(const CSimboloTexto& s) {
    return Hex(s.GetColorTexto()) + "/" + std::to_string(s.GetFontSize()) + "/" + (s.GetNegrita() ? "N" : "-") +
           (s.GetCursiva() ? "C/" : "-/") + s.GetFuente().ToStdString();
}

// Open descriptors and mappings of the process.
std::pair<long, long> Recursos() {
    std::ifstream mapas("/proc/self/maps");
    return {std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()),
            std::count(std::istreambuf_iterator<char>(mapas), std::istreambuf_iterator<char>(), '\n')};
}

}  // namespace

// Layers keep the file's order; non-SHP ones are skipped silently, the ones
// that fail (or carry absurd numbers) are listed with their reason while the
// rest loads; absurd numbers of the theme itself are ignored with a warning.
TEST_F(ProyectoVaqTest, CapasEnElOrdenDelArchivoYLasQueNoCarganListadas) {
    ThemeWriter tema("Tres capas");
    tema.Capas().With(CapaVisible("A", "a.shp"))
        .With(ThemeWriter::Capa("Ortofoto", "orto.ecw", "/capas/", "ECW"));
    tema.Capas().Add(CapaVisible("X", "b.shp")).Add(ThemeWriter::Clasificacion("RANGO"));
    for (const char* falta : {"nombre", "tipo"})
        tema.Capas().With(CapaVisible(std::string("Sin ") + falta, "a.shp").Remove(falta));
    std::ofstream(datos + "/capas/roto.shx") << "no es un indice";
    std::ofstream(datos + "/capas/roto.shp") << "ni esto un shapefile";
    tema.Capas().With(CapaVisible("Rota", "roto.shp")).With(CapaVisible("B", "b.shp")).With(CapaVisible("C", "c.shp"));
    tema.Capas().Add(CapaVisible("Enorme", "a.shp")).With(ThemeWriter::Simbologia(0, 100, 0, 0, 1000000));
    tema.Capas().Add(ThemeWriter::Capa("Nan", "b.shp", "/capas/"))
        .With(XmlElemento("VISUALIZACION").Set("escala_min", "nan"));
    tema.Capas().Add(ThemeWriter::Capa("Letras", "b.shp", "/capas/"))
        .With(XmlElemento("VISUALIZACION").Set("estado", "visible"));
    tema.Raiz().Add(XmlElemento("ESCALA").Set("valor", "-5"));
    tema.Raiz().Add(XmlElemento("EXTENSION").Set("coordsupderx", "1e400"));
    ASSERT_TRUE(Abrir(tema));
    EXPECT_EQ(Nombres(), "A B C ");
    EXPECT_EQ(Capa(1).GetRutaArchivo(), wxString::FromUTF8((datos + "/capas/b.shp").c_str()));
    EXPECT_EQ(Gestor().GetExtensionGlobal(), CExtensionMapa(-20, -10, 300, 200));
    const wxArrayString& fallos = proyecto.GetCapasNoCargadas();
    ASSERT_EQ(fallos.size(), 7u);
    EXPECT_TRUE(fallos[0].StartsWith("X: ") && fallos[0].Contains("RANGO")) << fallos[0];
    EXPECT_EQ(fallos[1], "Capa 4: falta el atributo \"nombre\"");
    EXPECT_EQ(fallos[2], "Sin tipo: falta el atributo \"tipo\"");
    EXPECT_EQ(fallos[3], wxString::FromUTF8("Rota: roto.shp o su índice .shx está vacío o cortado"));
    EXPECT_TRUE(fallos[4].StartsWith("Enorme: ") && fallos[4].Contains("tamanno")) << fallos[4];
    EXPECT_EQ(proyecto.GetEscala(), 0.0);
    EXPECT_FALSE(Gestor().GetMantenerExtension());
    EXPECT_EQ(proyecto.GetAvisosCarga().size(), 2u);
    proyecto.ReordenarCapas({&Capa(2), &Capa(0), &Capa(1)});
    EXPECT_EQ(Nombres(), "C A B ");
}

// Numbers start at their defaults per layer and carry over between its
// symbols; colours are BGR without high bits; style 4 reads the symbol font.
// Classes are listed in reverse file order; their symbols carry values over.
// A theme without a scale keeps the one before; its extent is kept.
TEST_F(ProyectoVaqTest, SimbolosClasificacionesEscalaYExtension) {
    ThemeWriter conEscala;
    conEscala.Raiz().Add(XmlElemento("ESCALA").Set("valor", 250000.0));
    ASSERT_TRUE(Abrir(conEscala, "ConEscala"));
    EXPECT_EQ(proyecto.GetEscala(), 250000.0);
    proyecto.CerrarProyecto(nullptr);
    ThemeWriter tema;
    tema.Capas().Add(ThemeWriter::Capa("Sin simbologia", "a.shp", "/capas/"));
    XmlElemento& capa = tema.Capas().Add(ThemeWriter::Capa("A", "a.shp", "/capas/"));
    capa.Add(ThemeWriter::Simbologia(3, 101, 255, 65280, 7, 1));
    capa.Add(XmlElemento("SIMBOLOGIA").Set("estilo", 102));
    capa.Add(XmlElemento("VISUALIZACION").Set("escala_max", 80000.0));
    tema.Capas().Add(CapaVisible("Colores", "b.shp"))
        .With(ThemeWriter::Simbologia(0, 100, 16711680 + (5LL << 24), -1, 1));
    tema.Capas().Add(CapaVisible("Fuente", "a.shp"))
        .With(ThemeWriter::Simbologia(0, 4, 0, 0, 12).Set("indice_libreria", 65)
                  .Set("nombre_libreria", "Symbol").Set("fichero_libreria", "symbol.ttf"));
    XmlElemento& campo = tema.Capas().Add(CapaVisible("Valores", "a.shp"))
                             .Add(ThemeWriter::Clasificacion("VALOR"))
                             .Add(ThemeWriter::Campo("TIPO", "Tipos de suelo"));
    campo.Add(ThemeWriter::Simbologia(0, 100, 255, 65280, 2));
    XmlElemento& valores = campo.Add(XmlElemento("VALORES"));
    valores.Add(ThemeWriter::Clase("1", "Uno", ThemeWriter::Simbologia(0, 100, 16711680, 255, 3, 1)));
    valores.Add(ThemeWriter::Clase("2", "Dos", XmlElemento("SIMBOLOGIA").Set("color_borde", 65280)));
    XmlElemento& texto = tema.Capas().Add(CapaVisible("Textos", "b.shp"))
                             .Add(ThemeWriter::Clasificacion("TEXTO")).Add(ThemeWriter::Campo("CLASE", "", ""));
    texto.Add(ThemeWriter::SimbologiaTexto(255, 9).Set("negrita", 1));
    XmlElemento& etiquetas = texto.Add(XmlElemento("VALORES"));
    etiquetas.Add(XmlElemento("VALOR").Set("valor", 1)).Add(ThemeWriter::SimbologiaTexto(65280, 12));
    etiquetas.Add(XmlElemento("VALOR").Set("valor", 2)).Add(XmlElemento("SIMBOLOGIA_TEXTO").Set("cursiva", 1));
    tema.Raiz().Add(XmlElemento("EXTENSION").Set("coordsupderx", 40.0).Set("coordsupdery", 30.0)
                        .Set("coordinfizqx", 10.0).Set("coordinfizqy", 20.0));
    ASSERT_TRUE(Abrir(tema));
    ASSERT_EQ(Gestor().GetNumCapas(), 6);
    const char* esperados[] = {"0/1/1/000000/000000/-///0", "3/102/7/FF0000/00FF00/T///0",
                               "0/100/1/0000FF/FFFFFF/-///0", "0/4/12/000000/000000/-/Symbol/symbol.ttf/65"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Resumen(*Capa(i).GetSimbolo()), esperados[i]) << "case " << i;
    // estado and escala_min never given start at 0.
    EXPECT_EQ(Capa(0).GetEstadoCapa() + Capa(1).GetEstadoCapa() + Capa(1).GetEscalaMinima() + Capa(0).GetEscalaMaxima(), 0);
    EXPECT_EQ(Capa(1).GetEscalaMaxima(), 80000.0);
    CClasificacionPorValor* valor = Entrada(4).GetClasificacion();
    ASSERT_NE(valor, nullptr);
    EXPECT_EQ(valor->GetCampo() + "/" + valor->GetDescripcion(), "TIPO/Tipos de suelo");
    // color_borde becomes the fill colour, color_relleno the outline.
    EXPECT_EQ(Resumen(*valor->GetSimbologia()), "0/100/2/00FF00/FF0000/-/ / /1");
    ASSERT_EQ(valor->GetLista()->GetCount(), 2u);
    auto* v0 = static_cast<CRepresentacionValor*>(valor->GetLista()->Item(0)->GetData());
    auto* v1 = static_cast<CRepresentacionValor*>(valor->GetLista()->Item(1)->GetData());
    EXPECT_EQ(v0->GetValor() + v1->GetValor() + v1->GetDescripcion(), "21Uno");
    EXPECT_EQ(Resumen(*v1->GetSimbologia()), "0/100/3/FF0000/0000FF/T/ / /1");
    EXPECT_EQ(Resumen(*v0->GetSimbologia()), "0/100/3/FF0000/00FF00/T/ / /1");
    CClasificacionPorTexto* etiquetado = Entrada(5).GetClasificacionTexto();
    ASSERT_NE(etiquetado, nullptr);
    EXPECT_EQ(Resumen(*etiquetado->GetSimbologiaDefecto()), "FF0000/9/N-/Sans");
    ASSERT_EQ(etiquetado->GetLista()->GetCount(), 2u);
    auto* t0 = static_cast<CRepresentacionTexto*>(etiquetado->GetLista()->Item(0)->GetData());
    auto* t1 = static_cast<CRepresentacionTexto*>(etiquetado->GetLista()->Item(1)->GetData());
    EXPECT_EQ(t0->GetValor() * 10 + t1->GetValor(), 21);
    // The second keeps the first's size and colour; its negrita="0" cleared the bold.
    EXPECT_EQ(Resumen(*t1->GetSimbologia()), "00FF00/12/--/Sans");
    EXPECT_EQ(Resumen(*t0->GetSimbologia()), "00FF00/12/-C/Sans");
    EXPECT_EQ(proyecto.GetEscala(), 250000.0);
    EXPECT_TRUE(Gestor().GetMantenerExtension());
    const CExtensionMapa pedida = CExtensionMapa(10, 20, 40, 30);
    EXPECT_EQ(Gestor().GetExtensionActual(), pedida);
    Gestor().ReCalcularExtGlobal();  // the extent survives a recomputation
    EXPECT_EQ(Gestor().GetExtensionActual(), pedida);
    EXPECT_EQ(Gestor().GetExtensionGlobal().GetCoordenadaSupDerX(), 300.0);
}

TEST_F(ProyectoVaqTest, RaizVersionOArchivoErroneosNoCarganNada) {
    ThemeWriter otraRaiz, otraVersion;
    otraRaiz.Raiz() = XmlElemento("PROYECTO");
    otraRaiz.Raiz().Set("version", "1.0.0").Set("nombre", "X");
    otraVersion.Raiz().Set("version", "1.0.1");
    ThemeWriter* temas[] = {&otraRaiz, &otraVersion};
    for (int i = 0; i < 2; ++i) {
        temas[i]->Capas().Add(CapaVisible("A", "a.shp"));
        EXPECT_FALSE(Abrir(*temas[i], "T" + std::to_string(i))) << "case " << i;
        EXPECT_EQ(Gestor().GetNumCapas(), 0) << "case " << i;
        if (i == 0) {
            EXPECT_TRUE(proyecto.GetErrorCarga().Contains("PROYECTO_VELMOR"));
        }
    }
    EXPECT_FALSE(proyecto.AbrirProyecto(nullptr, "MapasVel/NoExiste.vel"));
    EXPECT_TRUE(proyecto.GetErrorCarga().StartsWith(wxString::FromUTF8("No se pudo cargar correctamente el proyecto.")));
    EXPECT_FALSE(AbrirTexto("Roto.vel", "<PROYECTO_VELMOR version=\"1.0.0\"><CAPAS>"));
    EXPECT_TRUE(proyecto.GetErrorCarga().Contains(wxString::FromUTF8("XML válido")));
    EXPECT_FALSE(AbrirTexto("Prueba.xml", "<PROYECTO_VELMOR version=\"1.0.0\"/>"));
    EXPECT_EQ(proyecto.GetErrorCarga(), wxString::FromUTF8("El archivo seleccionado no es el esperado."));
    // Nesting deep enough to exhaust a recursive parser's stack, after the root or a declaration.
    for (const char* inicio : {"<PROYECTO_VELMOR version=\"1.0.0\" nombre=\"x\">", "<?xml version=\"1.0\">"}) {
        std::string hondo = inicio;
        for (int i = 0; i < 1000000; ++i) hondo += "<a>";
        EXPECT_FALSE(AbrirTexto("Hondo.vel", hondo)) << inicio;
        EXPECT_TRUE(proyecto.GetErrorCarga().Contains("niveles")) << inicio;
    }
}

// Texts are read as UTF-8 only when the theme declares it. An accented data
// directory, and a Latin-1 theme naming files the system names in UTF-8 or in
// ISO-8859-1: every layer loads.
TEST_F(ProyectoVaqTest, CodificacionDeLosTextosYDirectorioConTilde) {
    const struct { const char* codificacion; const char* nombre; const char* esperado; } casos[] = {
        {"ISO-8859-1", "R\xEDo", "Río"}, {"UTF-8", "R\xC3\xADo \xE2\x82\xAC", "Río €"}, {"", "Ca\xF1o", "Caño"}};
    for (int i = 0; i < 3; ++i) {
        ThemeWriter tema;
        tema.SetEncoding(casos[i].codificacion);
        tema.Capas().Add(CapaVisible(casos[i].nombre, "a.shp"));
        ASSERT_TRUE(Abrir(tema, "T" + std::to_string(i))) << "case " << i;
        EXPECT_EQ(Capa(0).GetNombreCapa(), wxString::FromUTF8(casos[i].esperado)) << "case " << i;
    }
    const std::string andalucia = datos + "/Andaluc\xC3\xAD" "a";
    const char* archivos[][2] = {{"a", "a"}, {"r\xC3\xADo", "r\xEDo"}, {"ca\xF1o", "ca\xF1o"}};
    fs::create_directories(andalucia + "/capas");
    ThemeWriter tema;
    for (const auto& archivo : archivos) {
        ShapefileWriter escritor(5);
        escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10)});
        ASSERT_TRUE(escritor.Write(andalucia + "/capas/" + archivo[0]));
        tema.Capas().Add(CapaVisible(archivo[1], std::string(archivo[1]) + ".shp"));
    }
    ASSERT_TRUE(tema.Write(andalucia + "/MapasVel/Tema.vel"));
    proyecto.SetRutaDatosAplicacion(wxString::FromUTF8(andalucia.c_str()));
    ASSERT_TRUE(proyecto.AbrirProyecto(nullptr, "MapasVel/Tema.vel"));
    EXPECT_EQ(Nombres(), wxString::FromUTF8("a río caño "));
    EXPECT_TRUE(proyecto.GetCapasNoCargadas().empty()) << proyecto.GetCapasNoCargadas()[0];
}

// Loading, painting (whole and close up) and clearing a hundred times leaves
// no descriptors nor mappings. Layers beyond the most a theme may list are left
// out with one line, each keeps a descriptor at most, and one short message
// lists the failures; damaged layers are listed as loaded with their damage.
TEST_F(ProyectoVaqTest, CienCargasSinFugasDemasiadasCapasYDanadasEnUnMensajeCorto) {
    ShapefileWriter mala(5);
    mala.SetVersion(ShapefileWriter::Shp, 10);
    ASSERT_TRUE(mala.Write(datos + "/capas/mala"));
    ThemeWriter tema;
    tema.Capas().Add(CapaVisible("Mala", "mala.shp"));
    tema.Capas().Add(CapaVisible("A", "a.shp"));
    tema.Capas().Add(CapaVisible("B", "b.shp")).Add(ThemeWriter::Clasificacion("VALOR"))
        .Add(ThemeWriter::Campo("TIPO", "")).Add(XmlElemento("VALORES"))
        .Add(ThemeWriter::Clase("1", "", ThemeWriter::Simbologia(0, 100, 0, 0, 1)));
    tema.Capas().Add(CapaVisible("C", "c.shp")).Add(ThemeWriter::Clasificacion("TEXTO"))
        .Add(ThemeWriter::Campo("TIPO", "TIPO")).Add(XmlElemento("VALORES")).Add(XmlElemento("VALOR").Set("valor", 1));
    const auto ciclo = [this] {
        LienzoPrueba lienzo(200, 150);
        Gestor().SetDimensionAreaVisualizacion(lienzo.Rect());
        Gestor().ReCalcularExtGlobal();
        Gestor().ZoomExtensionTotal();
        Gestor().Pintar(lienzo.Dc(), lienzo.Rect(), false);
        Gestor().Zoom(CExtensionMapa(0, 0, 30, 20));
        Gestor().Pintar(lienzo.Dc(), lienzo.Rect(), false);
        proyecto.LimpiarGestorVistaMapa();
    };
    wxString mensaje;
    SetReceptorMensajes([&](const wxString& texto, const wxString&) { mensaje += texto; });
    ASSERT_TRUE(Abrir(tema));  // the first load and paint warm the libraries up
    ciclo();
    const auto antes = Recursos();
    for (int i = 0; i < 100; ++i) {
        mensaje.clear();  // a text growing a hundred times would take mappings of its own
        ASSERT_TRUE(proyecto.AbrirProyecto(nullptr, "MapasVel/Prueba.vel"));
        ASSERT_EQ(Gestor().GetNumCapas(), 3);
        ciclo();
    }
    EXPECT_EQ(Recursos(), antes);
    const int maximas = CLectorProyectoVaq::kCapasMaximas;
    ShapefileWriter danada(5);
    danada.AddShape({ShapefileWriter::Rectangle(0, 0, 1, 1)});
    danada.Table().AddField("N", 'N', 4);
    danada.Table().AddRecord({"1"});
    danada.Table().SetRecordLength(0);
    ASSERT_TRUE(danada.Write(datos + "/capas/d"));
    ThemeWriter muchas;
    muchas.Capas().Add(CapaVisible("D", "d.shp"));
    for (int i = 0; i < 15; ++i) muchas.Capas().Add(CapaVisible("Falta" + std::to_string(i), "falta.shp"));
    for (int i = 0; i < maximas + 4; ++i) muchas.Capas().Add(CapaVisible("A" + std::to_string(i), "a.shp"));
    mensaje.clear();
    const long descriptores = Recursos().first;
    ASSERT_TRUE(Abrir(muchas, "Muchas"));
    EXPECT_EQ(Gestor().GetNumCapas(), maximas - 15);
    EXPECT_LE(Recursos().first - descriptores, maximas - 15);
    ASSERT_EQ(proyecto.GetCapasDanadas().size(), 1u);
    EXPECT_EQ(proyecto.GetCapasDanadas()[0],
              wxString::FromUTF8("D: La tabla .dbf de d.shp está dañada: faltan datos de algunos elementos"));
    const wxArrayString& fallos = proyecto.GetCapasNoCargadas();
    ASSERT_EQ(fallos.size(), 16u);
    EXPECT_EQ(fallos.back(), wxString::Format("Capas %d a %d: un proyecto puede tener como mucho %d capas",
                                              maximas + 1, maximas + 20, maximas));
    EXPECT_TRUE(mensaje.StartsWith(wxString::FromUTF8("No se han podido cargar las capas:\nFalta0: No se encuentra")));
    EXPECT_EQ(mensaje.Freq('\n'), 11u);
    EXPECT_TRUE(mensaje.EndsWith(wxString::FromUTF8("\n… y 7 más."))) << mensaje;
    ThemeWriter soloDanada;
    soloDanada.Capas().Add(CapaVisible("D", "d.shp"));
    mensaje.clear();
    ASSERT_TRUE(Abrir(soloDanada, "SoloDanada"));
    SetReceptorMensajes(nullptr);
    EXPECT_EQ(mensaje, wxString::FromUTF8("Estas capas se han cargado con datos dañados:\n") +
                           proyecto.GetCapasDanadas()[0]);
}

// The nesting is measured where the parser's constructs really end, and
// never below the tree the parser builds.
TEST(LectorProyectoVaq, ProfundidadComoLaLeeElAnalizadorYDeclaracionUtf8) {
    const struct { const char* texto; int profundidad; } casos[] = {
        {"<a><b/><c><d x=\"/>\"></d></c></a>", 3},
        {"<?xml version=\"1.0\"?><!-- <a><a> --><a><![CDATA[<b>]]></a>", 1},
        {"<?XML version='>' ?><a><b/></a>", 2},           // a quoted '>' does not end the declaration
        {"<?xml encoding=\"x\"?><!--><a><a>--><a>", 1},  // "<!-->" opens a comment only
        {"<!DOCTYPE x [<!ENTITY e \"v\">]><a><a>", 2},
        {"<1 \"><a><a><a>", 3},                           // no name: no quotes either
        {"<a>\xE0</a><a>\xE0</a><a>", 1},               // bytes, not UTF-8 characters
        {"<a><a>&#1 </a></a> &#2;<a>", 3},              // a reference runs to a later ';'
        {"<a b='&#1 '/></a></a>' &#2;'><a>", 2},        // also inside a quoted value
        {"<a><a b=\"sin cierre><a><a><a>", 2},            // the parser stops at the error
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(CProfundidadXml::Medir(caso.texto), caso.profundidad) << caso.texto;
        EXPECT_LE(ProfundidadArbol(caso.texto), CProfundidadXml::Medir(caso.texto)) << caso.texto;
    }
    EXPECT_TRUE(CLectorProyectoVaq::DeclaraUtf8("<?xml version='1.0' encoding='utf-8'?><a/>"));
    EXPECT_TRUE(CLectorProyectoVaq::DeclaraUtf8("\xEF\xBB\xBF<a/>"));
    EXPECT_FALSE(CLectorProyectoVaq::DeclaraUtf8("<?xml version=\"1.0\"?><a encoding=\"UTF-8\"/>"));
}
