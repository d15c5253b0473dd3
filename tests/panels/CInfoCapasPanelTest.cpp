// The information window: the tree of a click, its pictures, its life beside
// the map, and the hosting window's scrolling.
#include "CInfoCapasPanel.h"

#include "ArbolPrueba.h"
#include "CapaShpPrueba.h"
#include "CFuenteContenidos.h"
#include "CGestionPanelDlg.h"
#include "CImagenDlg.h"
#include "CMensajes.h"
#include "LienzoPrueba.h"
#include "PanelMapaPrincipal.h"
#include "PantallaPruebas.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/weakref.h>

#include <map>

namespace {
// Answers with the contents it holds per code, and notes every question.
class FuentePrueba : public CFuenteContenidos {
public:
    std::vector<Contenido> Contenidos(const wxString& datos, const wxString& archivo, const wxString& codigo,
                                      int mapa) override {
        preguntas.push_back((datos + "|" + archivo + "|" + codigo + wxString::Format("|%d", mapa)).utf8_string());
        return contenidos[codigo];
    }
    std::map<wxString, std::vector<Contenido>> contenidos;
    std::vector<std::string> preguntas;
};

// Polygons (0, 0)-(100, 100) and (100, 0)-(200, 100) with a municipality's fields.
ShapefileWriter Municipios() {
    ShapefileWriter escritor(5);
    escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 100, 100)});
    escritor.AddShape({ShapefileWriter::Rectangle(100, 0, 200, 100)});
    for (const auto& [nombre, tipo, ancho, decimales] :
         {std::tuple("COD_MUN", 'C', 5, 0), {"NOMBRE", 'C', 20, 0}, {"HAB", 'N', 4, 0}, {"SUPERF", 'N', 6, 0},
          {"DENSIDAD", 'N', 8, 2}, {"INDICE", 'F', 8, 0}, {"CODIGO", 'C', 6, 0}, {"REGI_N", 'C', 6, 0},
          {"TIPO", 'C', 6, 0}})
        escritor.Table().AddField(nombre, tipo, ancho, decimales);
    escritor.Table().AddRecord({"41091", "Sevilla", "7032", "141", "3.14159", "3.14159", "X1", "R", "mun"});
    escritor.Table().AddRecord({"41-02", "M\xE1laga", "", "", "", "", "", "", ""});
    return escritor;
}

class CInfoCapasPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString&) { mensajes.push_back(texto); });
        datos = dir.Subdirectorio("datos", false) + "/";
        marco = new wxFrame(nullptr, wxID_ANY, "Mapa");
        marco->SetClientSize(400, 300);
        mapa = new PanelMapaPrincipal(marco, wxID_ANY, wxPoint(0, 0), wxSize(400, 300));
        mapa->SetGestorVista(&gestor);
        mapa->SetFuenteContenidos(&fuente);
        mapa->SetMapaActivo(2);
        mapa->SetAccion(PanelMapa::ACCION_INFORMACION);
        marco->Show();
        mapa->ReadaptarExtension();
    }
    void TearDown() override {
        if (marco) marco->Destroy();
        ProcesarEventos();
        SetReceptorMensajes({});
    }
    // A layer (on top of those before) from files under the data directory's "Capas/".
    void Anadir(const ShapefileWriter& escritor, const std::string& archivo, const char* nombre) {
        CCapaShp* capa = NuevaCapaShp(escritor, dir.Subdirectorio("datos/Capas", false) + "/" + archivo);
        capa->SetNombreCapa(wxString::FromUTF8(nombre));
        gestor.AddCapa(capa);
    }
    // The tree of a click at that map position (shown 1:1) as "layer: line, line".
    std::vector<std::string> Clic(double x, double y) {
        gestor.SetMantenerExtension(true);
        gestor.Zoom(CExtensionMapa(0, 0, 400, 300));
        wxMouseEvent pulsacion(wxEVT_LEFT_DOWN);
        pulsacion.SetPosition(wxPoint(int(x), int(300 - y)));
        mapa->GetEventHandler()->ProcessEvent(pulsacion);
        ProcesarEventos();
        return LineasArbol(*Arbol());
    }
    wxTreeCtrl* Arbol() const { return mapa->GetInfoCapasPanel()->GetArbol(); }
    std::vector<wxTreeItemId> Hijos(const wxTreeItemId& padre) const { return HijosArbol(*Arbol(), padre); }
    DirectorioPrueba dir;
    std::string datos;
    CGestorVistaMapa gestor;
    FuentePrueba fuente;
    wxWeakRef<wxFrame> marco;
    PanelMapaPrincipal* mapa = nullptr;
    std::vector<wxString> mensajes;
};
}  // namespace

// Each layer's feature with its fields formatted for reading; codes, region
// fields, "sv8" types and the region's name hidden; place-name and grid
// layers not listed; points within the tolerance. The municipality code asks
// for the contents (not with a "-"); a short or missing table shows no fields.
// The window comes with a click, is only hidden by its close box; a missing or
// broken picture opens nothing and says so; window and pictures go with the map.
TEST_F(CInfoCapasPanelTest, ClickListsTheFeaturesInAWindowThatGoesWithTheMap) {
    ShapefileWriter corta = Municipios();
    corta.Table().SetRecordCount(1);
    corta.Table().Truncate(corta.Table().HeaderLength() + corta.Table().RecordLength());
    Anadir(corta, "corta", "Corta");
    ShapefileWriter sinTabla(5);
    sinTabla.AddShape({ShapefileWriter::Rectangle(0, 0, 200, 100)});
    Anadir(sinTabla, "sintabla", "Sin tabla");
    ShapefileWriter usos(5);
    usos.AddShape({ShapefileWriter::Rectangle(0, 0, 200, 100)});
    usos.Table().AddField("TIPO", 'C', 10);
    usos.Table().AddField("NOMBRE", 'C', 10);
    usos.Table().AddRecord({"bosque", "Monte"});
    Anadir(usos, "sv8_usos", "Usos");
    Anadir(usos, "Andalucia", "Región");
    ShapefileWriter puntos(1);
    puntos.AddPoint(52, 52);
    puntos.Table().AddField("NOMBRE", 'C', 10);
    puntos.Table().AddRecord({"Pico"});
    for (const char* oculta : {"Toponimia picos", "Coordenadas", "Cuadricula", "Doble calzada"})
        Anadir(puntos, "oculta", oculta);
    Anadir(puntos, "picos", "Picos");
    Anadir(Municipios(), "municipios", "Municipios");
    LienzoPrueba(120, 80).Imagen().SaveFile(wxString::FromUTF8(datos + "sevilla.png"), wxBITMAP_TYPE_PNG);
    std::ofstream(datos + "rota.png") << "no es una imagen";
    fuente.contenidos[" 41091"] = {{"Sevilla", wxString::FromUTF8(datos + "sevilla.png")},
                                   {"Rota", wxString::FromUTF8(datos + "rota.png")},
                                   {"Perdida", wxString::FromUTF8(datos + "perdida.png")}};
    mapa->SetUmbral(8);  // 4 pixels, that is 4 map units, each way
    EXPECT_EQ(mapa->GetVentanaInformacion(), nullptr);
    const std::string campos = "NOMBRE = Sevilla, HAB = 7032, SUPERF = 141, DENSIDAD = 3.14, INDICE = 3, TIPO = mun, ";
    const std::vector<std::string> sevilla = {
        "Municipios: " + campos + "Sevilla, Rota, Perdida,", "Picos: NOMBRE = Pico,", "Región: TIPO = bosque,",
        "Usos: NOMBRE = Monte,", "Sin tabla:", "Corta: " + campos + "Sevilla, Rota, Perdida,"};
    EXPECT_EQ(Clic(50, 50), sevilla);
    ASSERT_EQ(fuente.preguntas.size(), 2u);  // the municipalities and the short table
    EXPECT_EQ(fuente.preguntas[0], datos + "|Capas/municipios.shp| 41091|2");
    EXPECT_EQ(fuente.preguntas[1], datos + "|Capas/corta.shp| 41091|2");
    wxWeakRef<CGestionPanelDlg> ventana(mapa->GetVentanaInformacion());
    ASSERT_TRUE(ventana && ventana->IsShown());
    EXPECT_EQ(ventana->GetTitle(), wxString::FromUTF8("Información"));
    CInfoCapasPanel* panel = mapa->GetInfoCapasPanel();
    const std::vector<wxTreeItemId> lineas = Hijos(Hijos(Arbol()->GetRootItem())[0]);
    wxWeakRef<CImagenDlg> imagen(panel->AbrirContenido(lineas[lineas.size() - 3]));
    ASSERT_TRUE(imagen);
    EXPECT_EQ(panel->AbrirContenido(lineas[lineas.size() - 2]), nullptr);
    EXPECT_EQ(panel->AbrirContenido(lineas.back()), nullptr);
    EXPECT_EQ(panel->AbrirContenido(lineas[0]), nullptr);  // a field: nothing, silently
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_TRUE(mensajes[0].Contains("Rota") && mensajes[1].Contains("Perdida"));
    ventana->Close();
    ProcesarEventos();
    ASSERT_TRUE(ventana);
    EXPECT_FALSE(ventana->IsShown());
    fuente.preguntas.clear();
    const std::vector<std::string> malaga = {
        "Municipios: NOMBRE = Málaga, HAB = 0, SUPERF = 0, DENSIDAD = 0.00, INDICE = 0, TIPO =,", "Picos:",
        "Región: TIPO = bosque,", "Usos: NOMBRE = Monte,", "Sin tabla:", "Corta:"};
    EXPECT_EQ(Clic(150, 50), malaga);
    EXPECT_TRUE(fuente.preguntas.empty());
    EXPECT_EQ(mapa->GetVentanaInformacion(), ventana.get());
    EXPECT_TRUE(ventana->IsShown());
    marco->Destroy();
    ProcesarEventos();
    EXPECT_FALSE(ventana);
    EXPECT_FALSE(imagen);
}

// The data directory of a layer file: its path up to the second-to-last "/".
TEST(CInfoCapasPanelRutas, DataDirectoryOfALayerPath) {
    const std::pair<const char*, const char*> casos[] = {
        {"/datos/Medio_humano/Municipios.shp", "/datos/"}, {"/a//M/M.shp", "/a//"}, {"Medio/M.shp", ""},
        {"/M.shp", ""}, {"M.shp", ""}, {"", ""}};
    for (const auto& [ruta, datos] : casos) EXPECT_EQ(CInfoCapasPanel::GetRutaDatosAplicacionDeRuta(ruta), datos) << ruta;
}

// A hosted panel is stretched to the window, and a taller one scrolls by 5 and 10 pixels within its ends.
TEST(CGestionPanelDlg, HostedPanelFitsOrScrollsWithinItsEnds) {
    wxWeakRef<CGestionPanelDlg> ventana(new CGestionPanelDlg(nullptr, wxID_ANY, "Panel", wxDefaultPosition,
                                                             wxSize(300, 200), wxCAPTION | wxCLOSE_BOX));
    auto* panel = new wxPanel(ventana.get(), wxID_ANY, wxPoint(0, 0), wxSize(250, 600));
    ventana->SetPanel(panel);
    ventana->Show();
    ProcesarEventos();
    const wxSize area = ventana->GetArea()->GetClientSize();
    EXPECT_EQ(panel->GetParent(), ventana->GetArea());
    EXPECT_EQ(panel->GetSize(), wxSize(area.x, 600));  // narrower: as wide as the window
    EXPECT_EQ(ventana->GetArea()->GetScrollRange(wxVERTICAL), 600);
    const int limite = area.y - 600;
    const struct {
        wxEventType tipo;
        int posicion;
        int esperado;
    } pasos[] = {
        {wxEVT_SCROLLWIN_LINEUP, 0, 0},
        {wxEVT_SCROLLWIN_LINEDOWN, 0, -5},
        {wxEVT_SCROLLWIN_PAGEDOWN, 0, -15},
        {wxEVT_SCROLLWIN_PAGEUP, 0, -5},
        {wxEVT_SCROLLWIN_PAGEUP, 0, 0},
        {wxEVT_SCROLLWIN_THUMBTRACK, 200, -200},
        {wxEVT_SCROLLWIN_THUMBTRACK, 2000, limite},
        {wxEVT_SCROLLWIN_LINEDOWN, 0, limite},
        {wxEVT_SCROLLWIN_LINEUP, 0, limite + 5},
    };
    for (const auto& paso : pasos) {
        wxScrollWinEvent evento(paso.tipo, paso.posicion, wxVERTICAL);
        ventana->GetArea()->GetEventHandler()->ProcessEvent(evento);
        EXPECT_EQ(ventana->GetDesplazamiento().y, paso.esperado) << paso.tipo << " " << paso.posicion;
        EXPECT_EQ(panel->GetPosition().y, paso.esperado);
        EXPECT_EQ(ventana->GetArea()->GetScrollPos(wxVERTICAL), -paso.esperado);
    }
    ventana->Destroy();
    ProcesarEventos();
}
