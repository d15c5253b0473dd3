// The information window: the tree of a click (layers, attributes as
// formatted for reading, hidden fields and layers, contents from the
// gazetteer's answer), damaged tables, the picture windows it opens, and its
// life beside the main map panel.
#include "CInfoCapasPanel.h"

#include "CCapaShp.h"
#include "CCapasEnMapa.h"
#include "CFuenteContenidos.h"
#include "CGestionPanelDlg.h"
#include "CImagenDlg.h"
#include "CImagenMenu.h"
#include "CInfoItemData.h"
#include "CMensajes.h"
#include "DirectorioPrueba.h"
#include "LienzoPrueba.h"
#include "PanelMapaPrincipal.h"
#include "PantallaPruebas.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/treectrl.h>
#include <wx/weakref.h>

#include <map>
#include <vector>

namespace {
// Answers with a content per code it knows, and notes every question.
class FuentePrueba : public CFuenteContenidos {
public:
    std::vector<Contenido> Contenidos(const wxString& rutaDatos, const wxString& archivo, const wxString& codigo,
                                      int mapa) override {
        preguntas.push_back(rutaDatos + "|" + archivo + "|" + codigo + wxString::Format("|%d", mapa));
        const auto encontrado = contenidos.find(codigo);
        return encontrado == contenidos.end() ? std::vector<Contenido>() : encontrado->second;
    }
    std::map<wxString, std::vector<Contenido>> contenidos;
    std::vector<wxString> preguntas;
};

class CInfoCapasPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString&) { mensajes.push_back(texto); });
        datos = dir.Subdirectorio("datos", false) + "/";
        marco = new wxFrame(nullptr, wxID_ANY, "Mapa", wxPoint(0, 0), wxDefaultSize);
        marco->SetClientSize(400, 300);
        mapa = new PanelMapaPrincipal(marco, wxID_ANY, wxPoint(0, 0), wxSize(400, 300));
        mapa->SetGestorVista(&gestor);
        mapa->SetFuenteContenidos(&fuente);
        mapa->SetMapaActivo(2);
        marco->Show();
    }
    void TearDown() override {
        if (marco) marco->Destroy();
        ProcesarEventos();
        SetReceptorMensajes({});
    }
    // A layer of the map (on top of those added before) from its files under
    // the data directory's "Capas/".
    CCapaShp* Anadir(const ShapefileWriter& escritor, const std::string& archivo, const char* nombre) {
        std::filesystem::create_directories(datos + "Capas");
        escritor.Write(datos + "Capas/" + archivo);
        auto* capa = new CCapaShp();
        capa->SetRutaArchivo(wxString::FromUTF8(datos + "Capas/" + archivo + ".shp"));
        capa->InicializarCapa();
        capa->SetNombreCapa(wxString::FromUTF8(nombre));
        gestor.AddCapa(capa);
        return capa;
    }
    // The tree after a click at that map position, as "layer: line, line".
    std::vector<wxString> Clic(double x, double y, double tolerancia = 1.0) {
        CInfoCapasPanel& panel = Panel();
        panel.SetPoint(CCoordenadaMapa(x, y));
        panel.SetUmbralBusqueda(tolerancia);
        panel.SetMapaActivo(2);
        panel.SetFuenteContenidos(&fuente);
        EXPECT_TRUE(panel.SetListaCapas(gestor.GetListaCapas()));
        panel.CargarInfoTreeCtrl();
        return Texto();
    }
    CInfoCapasPanel& Panel() {
        mapa->CrearInfoCapasPanel();
        return *mapa->GetInfoCapasPanel();
    }
    wxTreeCtrl* Arbol() { return Panel().GetArbol(); }
    std::vector<wxTreeItemId> Hijos(const wxTreeItemId& padre) {
        std::vector<wxTreeItemId> hijos;
        wxTreeItemIdValue cookie;
        for (wxTreeItemId h = Arbol()->GetFirstChild(padre, cookie); h.IsOk(); h = Arbol()->GetNextChild(padre, cookie))
            hijos.push_back(h);
        return hijos;
    }
    std::vector<wxString> Texto() {
        std::vector<wxString> texto;
        if (!Arbol()->GetRootItem().IsOk()) return texto;
        for (const wxTreeItemId& capa : Hijos(Arbol()->GetRootItem())) {
            wxString linea = Arbol()->GetItemText(capa) + ":";
            for (const wxTreeItemId& hijo : Hijos(capa)) linea += " " + Arbol()->GetItemText(hijo);
            texto.push_back(linea);
        }
        return texto;
    }
    // A PNG picture of that size in the data directory.
    wxString Imagen(const std::string& nombre, int ancho, int alto) {
        LienzoPrueba lienzo(ancho, alto);
        const wxString ruta = wxString::FromUTF8(datos + nombre);
        lienzo.Imagen().SaveFile(ruta, wxBITMAP_TYPE_PNG);
        return ruta;
    }

    DirectorioPrueba dir;
    std::string datos;
    CGestorVistaMapa gestor;
    FuentePrueba fuente;
    wxWeakRef<wxFrame> marco;
    PanelMapaPrincipal* mapa = nullptr;
    std::vector<wxString> mensajes;
};

// Two municipalities side by side, with the fields of a typical table.
ShapefileWriter Municipios() {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 100, 100)});
    escritor.AddShape({ShapefileWriter::Rectangle(100, 0, 200, 100)});
    DbfWriter& tabla = escritor.Table();
    tabla.AddField("COD_MUN", 'C', 5);
    tabla.AddField("NOMBRE", 'C', 20);
    tabla.AddField("HAB", 'N', 4);
    tabla.AddField("SUPERF", 'N', 6);
    tabla.AddField("DENSIDAD", 'N', 8, 2);
    tabla.AddField("INDICE", 'F', 8);
    tabla.AddField("CODIGO", 'C', 6);
    tabla.AddField("REGI_N", 'C', 6);
    tabla.AddField("TIPO", 'C', 6);
    tabla.AddRecord({"41091", "Sevilla", "7032", "141", "3.14159", "3.14159", "X1", "R", "mun"});
    tabla.AddRecord({"41-02", "M\xE1laga", "", "", "", "", "", "", ""});
    return escritor;
}
}  // namespace

// Each layer's feature under the click with its fields formatted for
// reading: texts trimmed, narrow integers as they are, wide ones and
// decimals as numbers (two decimals when the field has them), codes and
// region fields left out; the municipality code leaves the tree and asks
// for the feature's contents (data directory, layer file, code with its
// blank, map), which follow as lines of their own.
TEST_F(CInfoCapasPanelTest, ClickListsTheFeaturesFieldsAndContents) {
    Anadir(Municipios(), "municipios", "Municipios");
    fuente.contenidos[" 41091"] = {{wxString::FromUTF8("Situación de Sevilla"), "/ruta/41091.png"}};
    const std::vector<wxString> esperado = {
        "Municipios: NOMBRE = Sevilla HAB = 7032 SUPERF = 141 DENSIDAD = 3.14 INDICE = 3 TIPO = mun " +
        wxString::FromUTF8("Situación de Sevilla")};
    EXPECT_EQ(Clic(50, 50), esperado);
    EXPECT_EQ(fuente.preguntas, std::vector<wxString>{wxString::FromUTF8(datos) + "|Capas/municipios.shp| 41091|2"});
    const wxTreeItemId contenido = Hijos(Hijos(Arbol()->GetRootItem())[0]).back();
    const auto* item = dynamic_cast<CInfoItemData*>(Arbol()->GetItemData(contenido));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetContenido(), "/ruta/41091.png");
    EXPECT_EQ(Arbol()->GetItemImage(contenido), CInfoCapasPanel::IMAGEN_CONTENIDO);

    // A code with "-" names no feature of the gazetteer; blank numbers show blank.
    fuente.preguntas.clear();
    EXPECT_EQ(Clic(150, 50), std::vector<wxString>{wxString::FromUTF8("Municipios: NOMBRE = Málaga HAB = 0 SUPERF = 0 DENSIDAD = 0.00 INDICE = 0 TIPO =")});
    EXPECT_TRUE(fuente.preguntas.empty());
    // Outside every feature: the layer, nothing under it.
    EXPECT_EQ(Clic(500, 50), std::vector<wxString>{"Municipios:"});
    EXPECT_TRUE(mensajes.empty());
}

// Place names, grids and the region's outline are not listed; the types of
// some layers and the region's name are hidden; a point or line is found
// within the click's tolerance.
TEST_F(CInfoCapasPanelTest, HiddenLayersAndFieldsAndToleranceOfPointsAndLines) {
    ShapefileWriter sv8(5);
    sv8.AddShape({ShapefileWriter::Rectangle(0, 0, 100, 100)});
    sv8.Table().AddField("TIPO", 'C', 10);
    sv8.Table().AddField("USO", 'C', 10);
    sv8.Table().AddRecord({"bosque", "forestal"});
    Anadir(sv8, "sv8_usos", "Usos");
    ShapefileWriter region(5);
    region.AddShape({ShapefileWriter::Rectangle(0, 0, 100, 100)});
    region.Table().AddField("NOMBRE", 'C', 20);
    region.Table().AddField("AREA", 'N', 6);
    region.Table().AddRecord({"Andaluc\xED" "a", "87000"});
    Anadir(region, "Andalucia", "Región");
    ShapefileWriter puntos(1);
    puntos.AddPoint(60, 60);
    puntos.Table().AddField("NOMBRE", 'C', 10);
    puntos.Table().AddRecord({"Pico"});
    Anadir(puntos, "picos", "Picos");
    for (const char* oculta : {"Toponimia picos", "Coordenadas", "Cuadricula", "Doble calzada"})
        Anadir(puntos, "oculta", oculta);
    const std::vector<wxString> cerca = {"Picos: NOMBRE = Pico", wxString::FromUTF8("Región: AREA = 87000"),
                                         "Usos: USO = forestal"};
    EXPECT_EQ(Clic(60.5, 60.5, 1.0), cerca);
    const std::vector<wxString> lejos = {"Picos:", wxString::FromUTF8("Región: AREA = 87000"), "Usos: USO = forestal"};
    EXPECT_EQ(Clic(62, 62, 1.0), lejos);
}

// A table shorter than its shapefile, or one that is missing, shows the
// feature's layer without fields, and asks for no contents.
TEST_F(CInfoCapasPanelTest, DamagedOrMissingTablesShowNoFields) {
    ShapefileWriter corta = Municipios();
    corta.Table().SetRecordCount(1);
    corta.Table().Truncate(corta.Table().HeaderLength() + corta.Table().RecordLength());
    Anadir(corta, "corta", "Corta");
    EXPECT_EQ(Clic(150, 50), std::vector<wxString>{"Corta:"});
    std::filesystem::remove(datos + "Capas/corta.dbf");
    ShapefileWriter sinTabla(5);
    sinTabla.AddShape({ShapefileWriter::Rectangle(0, 0, 100, 100)});
    Anadir(sinTabla, "sintabla", "Sin tabla");
    EXPECT_EQ(Clic(50, 50), (std::vector<wxString>{"Sin tabla:", "Corta: NOMBRE = Sevilla HAB = 7032 SUPERF = 141 DENSIDAD = 3.14 INDICE = 3 TIPO = mun"}));
    EXPECT_TRUE(fuente.preguntas.size() == 1 && fuente.preguntas[0].Contains("| 41091|"));
}

// The data directory of a layer file is its path up to the second-to-last
// "/"; paths too short to have one give none, and the whole path is then
// the layer file.
TEST(CInfoCapasPanelRutas, DataDirectoryOfALayerPath) {
    const struct {
        const char* ruta;
        const char* datos;
    } casos[] = {{"/datos/Medio_humano/Municipios.shp", "/datos/"},
                 {"/a//Medio/M.shp", "/a//"},
                 {"Medio/M.shp", ""},
                 {"/M.shp", ""},
                 {"M.shp", ""},
                 {"", ""}};
    for (const auto& c : casos) EXPECT_EQ(CInfoCapasPanel::GetRutaDatosAplicacionDeRuta(c.ruta), c.datos) << c.ruta;
    EXPECT_EQ(CInfoCapasPanel::GetNombreCapaDeRuta("/a/b/M.shp"), "M.shp");
    EXPECT_EQ(CInfoCapasPanel::GetFileExtension("/a/b/M.shp"), "shp");
}

// A double click on a content opens its picture at the picture's size,
// titled with its description; a second brings that same window forward;
// its close box closes it; a picture that is missing or not a picture opens
// nothing and says so; lines without content do nothing.
TEST_F(CInfoCapasPanelTest, ContentsOpenTheirPictureOnceAndCloseWithTheirBox) {
    Anadir(Municipios(), "municipios", "Municipios");
    std::ofstream(datos + "roto.png") << "no es una imagen";
    fuente.contenidos[" 41091"] = {{"Sevilla", Imagen("sevilla.png", 120, 80)},
                                   {"Rota", wxString::FromUTF8(datos + "roto.png")},
                                   {"Perdida", wxString::FromUTF8(datos + "no_existe.png")}};
    Clic(50, 50);
    const std::vector<wxTreeItemId> lineas = Hijos(Hijos(Arbol()->GetRootItem())[0]);
    const wxTreeItemId sevilla = lineas[lineas.size() - 3];
    CImagenDlg* ventana = Panel().AbrirContenido(sevilla);
    ASSERT_NE(ventana, nullptr);
    ProcesarEventos();
    EXPECT_TRUE(ventana->IsShown());
    EXPECT_EQ(ventana->GetClientSize(), wxSize(120, 80));
    EXPECT_EQ(ventana->GetTitle(), "Sevilla");
    EXPECT_EQ(ventana->CrearMenu()->GetNombre(), "Sevilla");
    EXPECT_EQ(Panel().AbrirContenido(sevilla), ventana);
    EXPECT_EQ(Panel().GetContenedorVentanas().size(), 1u);

    for (const wxTreeItemId& mala : {lineas[lineas.size() - 2], lineas.back()}) {
        mensajes.clear();
        EXPECT_EQ(Panel().AbrirContenido(mala), nullptr);
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_TRUE(mensajes[0].Contains(Arbol()->GetItemText(mala))) << mensajes[0];
    }
    mensajes.clear();
    EXPECT_EQ(Panel().AbrirContenido(lineas[0]), nullptr);  // an attribute line
    EXPECT_TRUE(mensajes.empty());

    wxWeakRef<CImagenDlg> abierta(ventana);
    ventana->Close();
    ProcesarEventos();
    EXPECT_FALSE(abierta);
    EXPECT_TRUE(Panel().GetContenedorVentanas().empty());
}

// The information window is made on the first click with the tool, shown
// again by every click, and goes with the map panel together with its open
// pictures.
TEST_F(CInfoCapasPanelTest, WindowComesWithTheFirstClickAndGoesWithTheMap) {
    Anadir(Municipios(), "municipios", "Municipios");
    fuente.contenidos[" 41091"] = {{"Sevilla", Imagen("sevilla.png", 50, 40)}};
    mapa->ReadaptarExtension();
    CExtensionMapa vista;
    vista.SetCoordenadasInfIzq(0, 0);
    vista.SetCoordenadasSupDer(400, 300);
    gestor.SetMantenerExtension(true);
    gestor.Zoom(vista);
    mapa->SetAccion(PanelMapa::ACCION_INFORMACION);
    EXPECT_EQ(mapa->GetVentanaInformacion(), nullptr);
    const auto clic = [this](const wxPoint& pixel) {
        wxMouseEvent pulsacion(wxEVT_LEFT_DOWN);
        pulsacion.SetPosition(pixel);
        mapa->GetEventHandler()->ProcessEvent(pulsacion);
        ProcesarEventos();
    };
    clic(wxPoint(50, 250));  // map (50, 50): Sevilla
    wxWeakRef<CGestionPanelDlg> ventana(mapa->GetVentanaInformacion());
    ASSERT_TRUE(ventana);
    EXPECT_TRUE(ventana->IsShown());
    EXPECT_EQ(ventana->GetTitle(), wxString::FromUTF8("Información"));
    EXPECT_EQ(Texto().size(), 1u);
    EXPECT_TRUE(Texto()[0].StartsWith("Municipios: NOMBRE = Sevilla")) << Texto()[0];
    ventana->Close();
    ProcesarEventos();
    ASSERT_TRUE(ventana);  // closing only hides it
    EXPECT_FALSE(ventana->IsShown());
    clic(wxPoint(150, 250));  // map (150, 50): Málaga
    EXPECT_EQ(mapa->GetVentanaInformacion(), ventana.get());
    EXPECT_TRUE(ventana->IsShown());
    EXPECT_TRUE(Texto()[0].StartsWith(wxString::FromUTF8("Municipios: NOMBRE = Málaga"))) << Texto()[0];

    clic(wxPoint(50, 250));
    wxWeakRef<CImagenDlg> imagen(Panel().AbrirContenido(Hijos(Hijos(Arbol()->GetRootItem())[0]).back()));
    ASSERT_TRUE(imagen);
    marco->Destroy();
    ProcesarEventos();
    EXPECT_FALSE(ventana);
    EXPECT_FALSE(imagen);
}
