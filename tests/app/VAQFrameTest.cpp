// The main window on the bundled atlas, driven with the real pointer and keyboard.
#include "VAQFrame.h"

#include "ArbolPrueba.h"
#include "AtlasPrueba.h"
#include "CBuscarDlg.h"
#include "CCapaItemData.h"
#include "CEditorSimbolo.h"
#include "CEscalaMinMaxPanel.h"
#include "CPaginaSimbolo.h"
#include "CPropiedadesCapaDlg.h"
#include "CPropiedadesPoligonosPanel.h"
#include "CSelectorColor.h"
#include "CGestionCapasPanel.h"
#include "CImagenDlg.h"
#include "CImagenMenu.h"
#include "CInfoCapasPanel.h"
#include "CTreeCtrlCapas.h"
#include "CCoordenadasPanel.h"
#include "CMedicionesPanel.h"
#include "CMensajes.h"
#include "DirectorioPrueba.h"
#include "LienzoPrueba.h"
#include "PanelMapaPrincipal.h"
#include "PanelReferenciaMapa.h"
#include "PantallaPruebas.h"
#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/timer.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <map>

namespace {
namespace fs = std::filesystem;
const std::string kAtlas = VAQ_SOURCE_DIR "/data/atlas";
const wxString kGrado = wxString::FromUTF8("°");

// The bundled atlas with some themes replaced by the texts given ("": none).
std::string AtlasCon(const DirectorioPrueba& dir, const std::map<std::string, std::string>& temas) {
    for (const auto& e : fs::directory_iterator(kAtlas))
        if (e.path().filename() != "MapasVel") fs::create_symlink(e.path(), dir / e.path().filename().string());
    fs::create_directory(dir / "MapasVel");
    for (const auto& e : fs::directory_iterator(kAtlas + "/MapasVel")) {
        const std::string nombre = "MapasVel/" + e.path().filename().string();
        const auto propio = temas.find(e.path().filename().string());
        if (propio == temas.end()) fs::create_symlink(e.path(), dir / nombre);
        else if (!propio->second.empty()) std::ofstream(dir / nombre) << propio->second;
    }
    return dir.Ruta();
}

class VAQFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString& titulo) { mensajes.push_back(titulo + ": " + texto); });
        wxTheApp->Bind(wxEVT_IDLE, &VAQFrameTest::AtenderDialogo, this);
    }
    void TearDown() override {
        wxTheApp->Unbind(wxEVT_IDLE, &VAQFrameTest::AtenderDialogo, this);
        if (marco) marco->Destroy();
        ProcesarEventos();
        SetReceptorMensajes({});
        CConfigApp::SetRutaSesion(wxEmptyString);
    }
    // The window at the design's size, once both maps are painted.
    void Abrir(const std::string& datos = kAtlas) {
        CConfigApp::SetRutaSesion(wxString::FromUTF8(datos));
        marco = new VAQFrame(wxEmptyString, wxPoint(0, 0), wxDefaultSize);
        bool pintado = false;
        marco->SetAlPrimerPintado([&pintado] { pintado = true; });
        marco->SetLanzadorAyuda([this](const wxString& url) {
            urls.push_back(url);
            return navegador;
        });
        marco->SetClientSize(VAQFrame::kAnchoDiseno, VAQFrame::kAltoDiseno);
        marco->Show();
        ASSERT_TRUE(EsperarHasta([&pintado] { return pintado; }));
    }
    PanelMapa* Mapa() const { return marco->GetPanelMapa(); }
    CGestorVistaMapa* Gestor() const { return Mapa()->GetGestorVista(); }
    CExtensionMapa Extension() const { return Gestor()->GetExtensionActual(); }
    double Escala() const { return Mapa()->GetEscalaActual(); }
    CCoordenadaMapa Centro() const {
        const CExtensionMapa e = Extension();
        return CCoordenadaMapa((e.GetCoordenadaInfIzqX() + e.GetCoordenadaSupDerX()) / 2,
                               (e.GetCoordenadaInfIzqY() + e.GetCoordenadaSupDerY()) / 2);
    }
    void PonerEscala(double escala) {
        Mapa()->SetEscalaActual(escala);
        Mapa()->Refresh(true);
        ProcesarEventos();
    }
    void Clic(wxWindow* ventana, const wxPoint& punto, bool doble = false) {
        // Apart from the last click: never a double click (nor, after one, a triple click).
        wxMilliSleep(doble ? 1000 : 350);
        raton.MouseMove(ventana->ClientToScreen(punto));
        ProcesarEventos();
        doble ? raton.MouseDblClick() : raton.MouseClick();
        ProcesarEventos();
    }
    // A click (or double click) on the text of a tree entry, `dx` pixels in.
    void ClicEnEntrada(wxTreeCtrl* arbol, const wxTreeItemId& entrada, int dx, bool doble = false) {
        wxRect rect;
        ASSERT_TRUE(arbol->GetBoundingRect(entrada, rect, true));
        Clic(arbol, rect.GetPosition() + wxPoint(dx, rect.height / 2), doble);
    }
    void Pulsar(int id) { Clic(marco->GetBoton(id), wxPoint(20, 20)); }
    void Tecla(int tecla, int modificadores = wxMOD_NONE) {
        raton.Char(tecla, modificadores);
        ProcesarEventos();
    }
    bool TieneFoco(int id) const { return wxWindow::FindFocus() == marco->GetBoton(id); }
    // Bounding box of the green rectangle on the overview.
    wxRect Recuadro() {
        const wxImage imagen = CapturarPantalla(marco->GetPanelReferencia());
        wxRect caja;
        for (int y = 0; y < imagen.GetHeight(); ++y)
            for (int x = 0; x < imagen.GetWidth(); ++x)
                if (ColorEn(imagen, x, y) == wxColour(0, 255, 0)) caja = caja.IsEmpty() ? wxRect(x, y, 1, 1) : caja.Union(wxRect(x, y, 1, 1));
        return caja;
    }
    // A modal dialog is noted by its title, handed to `enDialogo` once, then closed.
    void AtenderDialogo(wxIdleEvent& event) {
        event.Skip();
        for (wxWindow* ventana : wxTopLevelWindows) {
            auto* dialogo = dynamic_cast<wxDialog*>(ventana);
            if (!dialogo || !dialogo->IsModal()) continue;
            dialogos.push_back(dialogo->GetTitle());
            if (auto accion = std::move(enDialogo)) accion(*dialogo);
            enDialogo = nullptr;
            if (dialogo->IsModal()) dialogo->EndModal(wxID_CANCEL);
        }
    }
    wxWeakRef<VAQFrame> marco;
    std::vector<wxString> mensajes;
    std::vector<wxString> dialogos;
    std::function<void(wxDialog&)> enDialogo;
    std::vector<wxString> urls;
    bool navegador = true;  // whether a browser starts
    wxUIActionSimulator raton;
};

bool Igual(const CExtensionMapa& a, const CExtensionMapa& b) {
    return std::abs(a.GetCoordenadaInfIzqX() - b.GetCoordenadaInfIzqX()) < 1 &&
           std::abs(a.GetCoordenadaInfIzqY() - b.GetCoordenadaInfIzqY()) < 1 &&
           std::abs(a.GetCoordenadaSupDerX() - b.GetCoordenadaSupDerX()) < 1 &&
           std::abs(a.GetCoordenadaSupDerY() - b.GetCoordenadaSupDerY()) < 1;
}

// Whether the button shows the picture (sampled).
bool MuestraImagen(wxButton* boton, const std::string& nombre) {
    const wxImage esperada(wxString::FromUTF8(VAQ_SOURCE_DIR "/data/app/ico/" + nombre + ".bmp"), wxBITMAP_TYPE_BMP);
    const wxImage mostrada = boton->GetBitmapLabel().ConvertToImage();
    bool igual = esperada.IsOk() && mostrada.GetSize() == esperada.GetSize();
    for (int y = 0; igual && y < esperada.GetHeight(); y += 3)
        for (int x = 0; igual && x < esperada.GetWidth(); x += 3) igual = ColorEn(esperada, x, y) == ColorEn(mostrada, x, y);
    return igual;
}

// The physical theme opens first (its button pressed and focused); the design
// stays centred in any client area. Physical and human keep the view, my
// locality shows the whole previous map; the legend follows the themes. Layer
// properties applied from the legend last for the run, per theme, and never
// reach the theme file.
TEST_F(VAQFrameTest, ThemeSwitchesKeepOrWidenTheViewTheLegendFollowsAndRestyledLayersLastForTheRun) {
    const fs::file_time_type escrito = fs::last_write_time(kAtlas + "/MapasVel/MedioFisico.vel");
    const auto embalses = [this] { return CapaPorNombre(*Gestor(), "Embalses y lagos"); };
    Abrir();
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_MEDIO_FISICO);
    EXPECT_TRUE(MuestraImagen(marco->GetBoton(VAQFrame::ID_MEDIO_FISICO), "b_medioFisicoPul"));
    EXPECT_TRUE(MuestraImagen(marco->GetBoton(VAQFrame::ID_MEDIO_HUMANO), "b_medioHumano"));
    EXPECT_TRUE(TieneFoco(VAQFrame::ID_MEDIO_FISICO));
    EXPECT_TRUE(marco->GetCajaEscala()->GetValue().StartsWith("1:")) << marco->GetCajaEscala()->GetValue();
    // The legend has no backdrop, grid or coordinates.
    wxTreeCtrl* arbol = marco->GetPanelGestionCapas()->GetArbol();
    EXPECT_EQ(LineasArbol(*arbol, true),
              std::vector<std::string>({"Toponimia relieve [0]:", "Toponimia sierras [0]:", "Toponimia picos [0]:",
                                        "Toponimia ríos [0]:", "Toponimia embalses [0]:", "Picos [-1]: ,",
                                        "Embalses y lagos [-1]: ,", "Ríos [-1]: Otros ríos, Río secundario, Río principal,"}));
    // The lakes restyled through the legend's dialog: magenta, from 1:1000 to 1:1500000.
    ASSERT_NE(embalses(), nullptr);
    const wxColour relleno = embalses()->GetCapaEnCapa()->GetSimbolo()->GetColorRelleno();
    const wxColour magenta(255, 0, 255);
    CSelectorColor::SetSelector([&](wxWindow*, wxColourData& datos) {
        datos.SetColour(magenta);
        return true;
    });
    enDialogo = [](wxDialog& dialogo) {
        auto& propiedades = static_cast<CPropiedadesCapaDlg&>(dialogo);
        wxWindow* boton = static_cast<CPaginaSimbolo*>(propiedades.GetPanel(0))
                              ->GetEditor()->FindWindow(CPropiedadesPoligonosPanel::ID_COLOR_RELLENO);
        wxCommandEvent pulsado(wxEVT_BUTTON, boton->GetId());
        boton->GetEventHandler()->ProcessEvent(pulsado);
        static_cast<CEscalaMinMaxPanel*>(propiedades.GetPanel(1))->SetEscalaMinMax(1000, 1500000);
        if (propiedades.AplicarPaginas()) propiedades.EndModal(wxID_OK);
    };
    ASSERT_TRUE(marco->GetPanelGestionCapas()->ShowModificarPropiedadesDlg(*embalses()));
    CSelectorColor::SetSelector(nullptr);
    marco->SetClientSize(1224, 868);
    ProcesarEventos();
    const wxPoint origen(100, 50);
    EXPECT_EQ(Mapa()->GetRect(), wxRect(origen + wxPoint(224, 66), wxSize(790, 584)));
    EXPECT_EQ(marco->GetPanelReferencia()->GetRect(), wxRect(origen + wxPoint(27, 647), wxSize(176, 107)));
    EXPECT_EQ(marco->GetPanelCoordenadas()->GetRect(), wxRect(origen + wxPoint(224, 650), wxSize(790, 17)));
    EXPECT_EQ(marco->GetBoton(VAQFrame::ID_BUSCAR)->GetRect(), wxRect(origen + wxPoint(934, 675), wxSize(87, 92)));
    Pulsar(VAQFrame::ID_ACERCAR);
    Pulsar(VAQFrame::ID_ACERCAR);
    const CExtensionMapa vista = Extension();
    const double escala = Escala();
    Pulsar(VAQFrame::ID_MEDIO_HUMANO);
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_MEDIO_HUMANO);
    EXPECT_TRUE(Igual(Extension(), vista));
    EXPECT_NEAR(Escala(), escala, 1);
    EXPECT_TRUE(MuestraImagen(marco->GetBoton(VAQFrame::ID_MEDIO_HUMANO), "b_medioHumanoPul"));
    EXPECT_TRUE(MuestraImagen(marco->GetBoton(VAQFrame::ID_MEDIO_FISICO), "b_medioFisico"));
    const CExtensionMapa global = Gestor()->GetExtensionGlobal();
    Pulsar(VAQFrame::ID_MI_LOCALIDAD);
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_MI_LOCALIDAD);
    // The whole previous map, fitted to the window: its x range, its centre.
    EXPECT_NEAR(Extension().GetCoordenadaInfIzqX(), global.GetCoordenadaInfIzqX(), 1);
    EXPECT_NEAR(Extension().GetCoordenadaSupDerX(), global.GetCoordenadaSupDerX(), 1);
    EXPECT_NEAR(Centro().GetCoordenadaMapaY(), (global.GetCoordenadaInfIzqY() + global.GetCoordenadaSupDerY()) / 2, 1000);
    EXPECT_TRUE(MuestraImagen(marco->GetBoton(VAQFrame::ID_MI_LOCALIDAD), "b_miLocalidadPul"));
    EXPECT_EQ(dialogos, std::vector<wxString>({wxString::FromUTF8("Propiedades de la capa «Embalses y lagos»"),
                                               wxString::FromUTF8("Búsqueda de mi localidad")}));
    const std::vector<std::string> localidad = LineasArbol(*arbol, true);
    ASSERT_EQ(localidad.size(), 12u);
    EXPECT_EQ(localidad.back(), "Municipios [-1]: 8, 7, 6, 5, 4, 3, 2, 1,");
    EXPECT_EQ(embalses()->GetCapaEnCapa()->GetSimbolo()->GetColorRelleno(), relleno);
    Pulsar(VAQFrame::ID_ACERCAR);
    const CExtensionMapa local = Extension();
    Pulsar(VAQFrame::ID_MEDIO_FISICO);
    EXPECT_TRUE(Igual(Extension(), local));
    CCapa* capa = embalses()->GetCapaEnCapa();
    EXPECT_EQ(capa->GetSimbolo()->GetColorRelleno(), magenta);
    EXPECT_EQ(capa->GetEscalaMinima(), 1000);
    EXPECT_EQ(capa->GetEscalaMaxima(), 1500000);
    EXPECT_EQ(fs::last_write_time(kAtlas + "/MapasVel/MedioFisico.vel"), escrito);
    // On the whole human map, a swatch per class in its colour; a click on a
    // place-name box hides the names.
    Pulsar(VAQFrame::ID_EXTENSION);
    Pulsar(VAQFrame::ID_MEDIO_HUMANO);
    ASSERT_EQ(LineasArbol(*arbol, true),
              std::vector<std::string>(
                  {"Toponimia capitales [0]:", "Toponimia núcleos principales [0]:", "Toponimia núcleos [0]:",
                   "Capitales de provincia [-1]: ,", "Núcleos principales [-1]: De 20.000 a 50.000 hab., Más de 50.000 hab.,",
                   "Núcleos de población [-1]: Menos de 5.000 hab., De 5.000 a 10.000 hab., De 10.000 a 20.000 hab.,",
                   "Municipios [-1]: ,",
                   "Provincias [-1]: Sevilla, Málaga, Jaén, Huelva, Granada, Córdoba, Cádiz, Almería,"}));
    const wxTreeItemId provincias = HijoArbol(*arbol, arbol->GetRootItem(), "Provincias");
    const auto* datos = dynamic_cast<CCapaItemData*>(arbol->GetItemData(provincias));
    ASSERT_NE(datos, nullptr);
    const wxImage leyenda = CapturarPantalla(arbol);
    for (const wxTreeItemId& l : HijosArbol(*arbol, provincias)) {
        wxRect linea;
        if (!arbol->GetBoundingRect(l, linea) || linea.y + 14 > leyenda.GetHeight()) continue;  // scrolled out
        const wxColour color = datos->GetRepresentacion(arbol->GetItemText(l).Mid(7))->GetColorRelleno();
        EXPECT_EQ(LienzoPrueba::Contar(leyenda, wxRect(CTreeCtrlCapas::kXMuestra + 3, linea.y + 3, 29, 8), color), 29 * 8)
            << arbol->GetItemText(l);
    }
    const wxImage antes = CapturarPantalla(Mapa());
    const wxTreeItemId capitales = HijoArbol(*arbol, arbol->GetRootItem(), "Toponimia capitales");
    ClicEnEntrada(arbol, capitales, 4);
    EXPECT_EQ(arbol->GetItemImage(capitales), CTreeCtrlCapas::IMAGEN_OCULTA);
    const wxImage despues = CapturarPantalla(Mapa());
    int cambiados = 0;
    for (int y = 0; y < antes.GetHeight(); ++y)
        for (int x = 0; x < antes.GetWidth(); ++x) cambiados += ColorEn(antes, x, y) != ColorEn(despues, x, y);
    EXPECT_GT(cambiados, 200);  // the eight capitals' names are gone
    EXPECT_TRUE(mensajes.empty()) << mensajes.front();
}

// A theme that cannot be read leaves its map empty with a message: no overview
// rectangle (no division by zero), no active theme, a search with no layers;
// the next theme button works, and so do the others.
TEST_F(VAQFrameTest, AThemeThatFailsLeavesItsMapEmptyAndEveryButtonStillWorks) {
    DirectorioPrueba datos;
    Abrir(AtlasCon(datos, {{"MedioHumano.vel", "<PROYECTO_VELMOR version=\"1.0.0\"><CAPAS>"}, {"Referencia.vel", ""}}));
    ASSERT_EQ(mensajes.size(), 1u);
    Pulsar(VAQFrame::ID_ACERCAR);
    Clic(marco->GetPanelReferencia(), wxPoint(70, 60));
    EXPECT_EQ(marco->GetPanelReferencia()->GetAccion(), PanelMapa::ACCION_NINGUNA);
    EXPECT_TRUE(Recuadro().IsEmpty());
    Pulsar(VAQFrame::ID_MEDIO_HUMANO);
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_TRUE(mensajes[1].StartsWith("Error Carga Proyecto: No se pudo cargar correctamente el proyecto.")) << mensajes[1];
    EXPECT_EQ(Gestor()->GetNumCapas(), 0);
    EXPECT_FALSE(marco->GetPanelGestionCapas()->GetArbol()->GetRootItem().IsOk());  // an empty legend
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_NINGUNO);
    Pulsar(VAQFrame::ID_BUSCAR);
    ASSERT_EQ(mensajes.size(), 3u);
    EXPECT_EQ(mensajes[2], "Informacion Error: No existen capas cargadas.");
    EXPECT_TRUE(dialogos.empty());
    Pulsar(VAQFrame::ID_MEDIO_FISICO);
    EXPECT_EQ(marco->GetTemaActivo(), VAQFrame::TEMA_MEDIO_FISICO);
    EXPECT_GT(Gestor()->GetNumCapas(), 0);
    const CExtensionMapa total = Extension();
    // Each tool button toggles its tool (focus back on the theme's button); a
    // measuring tool shows its bar until any other command.
    const struct { int boton, accion; const char* medicion; } herramientas[] = {
        {VAQFrame::ID_ZOOM_VENTANA, PanelMapa::ACCION_ZOOM_VENTANA, nullptr},
        {VAQFrame::ID_DESPLAZAR, PanelMapa::ACCION_DESPLAZAR, nullptr},
        {VAQFrame::ID_INFO, PanelMapa::ACCION_INFORMACION, nullptr},
        {VAQFrame::ID_MEDIR_LONGITUD, PanelMapa::ACCION_MEDIR_DISTANCIA, "0.00 m"},
        {VAQFrame::ID_MEDIR_SUPERFICIE, PanelMapa::ACCION_MEDIR_SUPERFICIE, "0.00 m2"},
    };
    for (const auto& h : herramientas) {
        Pulsar(h.boton);
        EXPECT_EQ(Mapa()->GetAccion(), h.accion) << h.boton;
        ASSERT_EQ(marco->GetPanelMediciones() != nullptr, h.medicion != nullptr) << h.boton;
        if (h.medicion) {
            EXPECT_EQ(marco->GetPanelMediciones()->GetTextoMedicion(), h.medicion);
        }
        Pulsar(h.boton);
        EXPECT_EQ(Mapa()->GetAccion(), PanelMapa::ACCION_NINGUNA) << h.boton;
        EXPECT_EQ(marco->GetPanelMediciones(), nullptr) << h.boton;
        EXPECT_TRUE(TieneFoco(VAQFrame::ID_MEDIO_FISICO)) << h.boton;
    }
    Pulsar(VAQFrame::ID_MEDIR_LONGITUD);
    Pulsar(VAQFrame::ID_MEDIR_SUPERFICIE);
    ASSERT_NE(marco->GetPanelMediciones(), nullptr);
    EXPECT_EQ(marco->GetPanelMediciones()->GetTipoMedicion(), 1);
    const double antes = Escala();
    Pulsar(VAQFrame::ID_ACERCAR);
    EXPECT_EQ(marco->GetPanelMediciones(), nullptr);
    EXPECT_EQ(Mapa()->GetAccion(), PanelMapa::ACCION_NINGUNA);
    EXPECT_NEAR(Escala(), antes / 1.5, antes * 1e-3);
    // Zoom within 1:69000 to 1:2000000; in my locality within its band, where
    // full extent brings a closer map back to 1:200000.
    const struct { bool localidad; double escala; int boton; double esperada; } casos[] = {  // esperada 0: unchanged
        {false, 69100, VAQFrame::ID_ACERCAR, 69100 / 1.5},  {false, 68900, VAQFrame::ID_ACERCAR, 0},
        {false, 1990000, VAQFrame::ID_ALEJAR, 2985000},     {false, 2010000, VAQFrame::ID_ALEJAR, 0},
        {true, 70000, VAQFrame::ID_ALEJAR, 105000},         {true, 200000, VAQFrame::ID_ALEJAR, 0},
        {true, 199000, VAQFrame::ID_EXTENSION, 200000},     {true, 250000, VAQFrame::ID_EXTENSION, 0},
    };
    for (const auto& c : casos) {
        if (c.localidad != (marco->GetTemaActivo() == VAQFrame::TEMA_MI_LOCALIDAD))
            Pulsar(c.localidad ? VAQFrame::ID_MI_LOCALIDAD : VAQFrame::ID_MEDIO_FISICO);
        PonerEscala(c.escala);
        const double antes = Escala();
        ASSERT_NEAR(antes, c.escala, 10);
        Pulsar(c.boton);
        EXPECT_NEAR(Escala(), c.esperada ? c.esperada : antes, c.escala * 1e-3) << c.escala << " " << c.boton;
    }
    Pulsar(VAQFrame::ID_MEDIO_FISICO);
    PonerEscala(500000);
    Pulsar(VAQFrame::ID_EXTENSION);
    EXPECT_TRUE(Igual(Extension(), total));
    // Help opens in the browser or says where the page should be; close ends the window.
    Pulsar(VAQFrame::ID_AYUDA);
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_TRUE(urls[0].StartsWith("file://") && urls[0].EndsWith("/Ayuda/index.html")) << urls[0];
    EXPECT_EQ(mensajes.size(), 3u);
    navegador = false;
    Pulsar(VAQFrame::ID_AYUDA);
    ASSERT_EQ(mensajes.size(), 4u);
    EXPECT_EQ(mensajes[3], wxString::FromUTF8("Ayuda: ERROR: No se pudo mostrar el archivo de ayuda.\nAsegúrese de que se "
                                              "encuentra en la carpeta Ayuda dentro de la ruta de la aplicación."));
    Pulsar(VAQFrame::ID_CERRAR);
    EXPECT_TRUE(EsperarHasta([this] { return !marco; }));
}

// With a theme button focused the arrows pan a quarter, "+" and "-" zoom, Home
// shows the whole map; in the scale box they edit the text. The overview's
// green rectangle follows zoom, pan, its own click and a search hit.
TEST_F(VAQFrameTest, KeysTheScaleBoxAndTheOverviewMoveTheMapAndTheRectangleFollows) {
    Abrir();
    PanelReferenciaMapa* referencia = marco->GetPanelReferencia();
    const CExtensionMapa total = Extension();
    marco->GetBoton(VAQFrame::ID_MEDIO_HUMANO)->SetFocus();
    Tecla('+', wxMOD_SHIFT);
    Tecla(WXK_NUMPAD_ADD);
    EXPECT_NEAR(Extension().GetAncho(), total.GetAncho() / 2.25, 1);
    const CExtensionMapa vistaRef = referencia->GetGestorVista()->ReadaptarExtensionActual();
    const double metrosPorPixel = vistaRef.GetAncho() / referencia->GetClientSize().x;
    const wxRect recuadro = Recuadro();
    // As wide as the map's extent (plus the line's width, 3), about its centre.
    EXPECT_NEAR(recuadro.width - 3, Extension().GetAncho() / metrosPorPixel, 2);
    EXPECT_NEAR(recuadro.x + recuadro.width / 2.0, (Centro().GetCoordenadaMapaX() - vistaRef.GetCoordenadaInfIzqX()) / metrosPorPixel, 2);
    const CCoordenadaMapa centro = Centro();
    const double ancho = Extension().GetAncho(), alto = Extension().GetAlto();
    Tecla(WXK_LEFT);
    EXPECT_NEAR(recuadro.x - Recuadro().x, ancho / 4 / metrosPorPixel, 2);
    EXPECT_EQ(Recuadro().y, recuadro.y);
    Tecla(WXK_UP);
    EXPECT_NEAR(Centro().GetCoordenadaMapaX(), centro.GetCoordenadaMapaX() - ancho / 4, ancho / 500);
    EXPECT_NEAR(Centro().GetCoordenadaMapaY(), centro.GetCoordenadaMapaY() + alto / 4, alto / 500);
    Tecla('-');
    EXPECT_NEAR(Extension().GetAncho(), ancho * 1.5, 1);
    EXPECT_TRUE(TieneFoco(VAQFrame::ID_MEDIO_FISICO));
    Tecla(WXK_HOME);
    EXPECT_TRUE(Igual(Extension(), total));
    wxTextCtrl* caja = marco->GetCajaEscala();
    caja->SetFocus();
    caja->Clear();
    for (int tecla : {int('7'), int(WXK_LEFT), int('+')}) Tecla(tecla);
    EXPECT_EQ(caja->GetValue(), "7");
    EXPECT_TRUE(Igual(Extension(), total));
    // The scale box takes "1:N" and Spanish numbers within the limits, and refuses the rest.
    const std::pair<const char*, double> casos[] = {  // 0: refused
        {"70000", 70000},     {"1:70.000", 70000}, {"70 000", 70000},      {"1: 1.500.000", 1500000},
        {"1:143188.23", 143188.23}, {"80.000,5", 80000.5}, {"69000", 0}, {"2000000.01", 0},
        {"70000x", 0},        {"7.0000", 0},       {"1:", 0},              {"abc", 0},
    };
    for (const auto& [texto, escala] : casos) {
        PonerEscala(300000);
        caja->SetFocus();
        caja->ChangeValue(wxString::FromUTF8(texto));
        caja->SetInsertionPointEnd();
        Tecla(WXK_RETURN);
        EXPECT_NEAR(Escala(), escala ? escala : 300000, 10) << texto;
        EXPECT_EQ(caja->GetValue() == wxString::FromUTF8("Escala no válida"), escala == 0) << texto;
    }
    // Typed by hand; then Enter on the text the map writes back.
    caja->Clear();
    raton.Text("1:90.000");
    Tecla(WXK_RETURN);
    EXPECT_NEAR(Escala(), 90000, 10);
    Tecla(WXK_RETURN);
    EXPECT_NEAR(Escala(), 90000, 20) << caja->GetValue();
    // A click on the overview centres the map there.
    const wxPoint clic(70, 60);
    CCoordenadaMapa esperado;
    ASSERT_TRUE(referencia->PixelAMapa(clic, esperado));
    Clic(referencia, clic);
    EXPECT_NEAR(Centro().GetCoordenadaMapaX(), esperado.GetCoordenadaMapaX(), metrosPorPixel);
    EXPECT_NEAR(Centro().GetCoordenadaMapaY(), esperado.GetCoordenadaMapaY(), metrosPorPixel);
    const wxPoint medio = Recuadro().GetPosition() + Recuadro().GetSize() / 2;
    EXPECT_NEAR(medio.x, clic.x, 2);
    EXPECT_NEAR(medio.y, clic.y, 2);
    // A hit double-clicked in the place-name search centres the map on it.
    const wxRect antes = Recuadro();
    enDialogo = [](wxDialog& dialogo) {
        auto* busqueda = dynamic_cast<CBuscarDlg*>(&dialogo);
        if (!busqueda) return;
        busqueda->Buscar("mulhacen");
        auto* lista = dynamic_cast<wxListBox*>(busqueda->FindWindow(CBuscarDlg::ID_LISTA));
        if (!lista || lista->IsEmpty()) return;
        lista->SetSelection(0);
        wxCommandEvent dobleClic(wxEVT_LISTBOX_DCLICK, CBuscarDlg::ID_LISTA);
        lista->GetEventHandler()->ProcessEvent(dobleClic);
    };
    Pulsar(VAQFrame::ID_BUSCAR);
    ASSERT_EQ(dialogos, std::vector<wxString>{wxString::FromUTF8("Búsqueda por topónimos")});
    EXPECT_TRUE(TieneFoco(VAQFrame::ID_MEDIO_FISICO));
    EXPECT_NEAR(Centro().GetCoordenadaMapaX(), 472500.0, 5000.0);  // Mulhacén, UTM 30
    EXPECT_NEAR(Centro().GetCoordenadaMapaY(), 4100800.0, 5000.0);
    ProcesarEventos();
    EXPECT_NE(Recuadro(), antes);
    // The readout shows the pointer's latitude and longitude over the main map only.
    CCoordenadasPanel* coordenadas = marco->GetPanelCoordenadas();
    wxMapEvent evento(wxEVT_MAP_XY_POS, Mapa()->GetId());
    evento.SetCoordenadas(830000, 4250000);  // east of Greenwich
    Mapa()->GetEventHandler()->ProcessEvent(evento);
    EXPECT_TRUE(coordenadas->GetValorLatitud().StartsWith("38" + kGrado + " 20' 12.33")) << coordenadas->GetValorLatitud();
    raton.MouseMove(Mapa()->ClientToScreen(wxPoint(400, 300)));
    ASSERT_TRUE(EsperarHasta([&] { return coordenadas->GetValorLongitud().EndsWith(" O"); }));
    const wxString latitud = coordenadas->GetValorLatitud();
    raton.MouseMove(referencia->ClientToScreen(wxPoint(20, 20)));
    ProcesarEventos();
    EXPECT_EQ(coordenadas->GetValorLatitud(), latitud);
    EXPECT_TRUE(mensajes.empty()) << mensajes.front();
}

// The right-click menu's first entry puts the map image on the clipboard. An
// information click on a municipality lists its fields and the gazetteer's
// pictures of it and of its province; a double click opens the picture, a
// second brings the same window forward.
TEST_F(VAQFrameTest, MapImageGoesToTheClipboardAndInformationListsAMunicipalityWithItsPicture) {
    Abrir();
    if (wxTheClipboard->Open()) {
        wxTheClipboard->Clear();
        wxTheClipboard->Close();
    }
    // The menu runs its own loop: the pointer reaches "Copiar" from a timer.
    const wxPoint clic = Mapa()->ClientToScreen(wxPoint(300, 200));
    wxTimer eleccion;
    int pasos = 0;
    eleccion.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        ++pasos;
        if (pasos == 1) raton.MouseMove(clic + wxPoint(30, 12));
        if (pasos == 3) raton.MouseMove(clic - wxPoint(200, 150));  // still open: away, and
        if (pasos >= 2) raton.MouseClick();                         // a click there closes it
        if (pasos >= 4) eleccion.Stop();
    });
    wxMilliSleep(500);
    raton.MouseMove(clic);
    ProcesarEventos();
    eleccion.Start(300);
    raton.MouseClick(wxMOUSE_BTN_RIGHT);
    ProcesarEventos();
    EXPECT_EQ(pasos, 2);
    eleccion.Stop();
    EXPECT_EQ(marco->GetPanelMapa()->CrearMenuImagen()->GetNombre(), "Mapa_actual");
    ASSERT_TRUE(wxTheClipboard->Open());
    wxBitmapDataObject leido;
    const bool hay = wxTheClipboard->GetData(leido);
    wxTheClipboard->Close();
    ASSERT_TRUE(hay);
    const wxImage mapa = Mapa()->GetBitmapMapa()->ConvertToImage();
    const wxImage copia = leido.GetBitmap().ConvertToImage();
    ASSERT_EQ(copia.GetSize(), mapa.GetSize());
    EXPECT_TRUE(std::equal(mapa.GetData(), mapa.GetData() + mapa.GetWidth() * mapa.GetHeight() * 3, copia.GetData()));
    Pulsar(VAQFrame::ID_MEDIO_HUMANO);
    Pulsar(VAQFrame::ID_INFO);
    Clic(Mapa(), wxPoint(400, 300));  // Antequera
    CInfoCapasPanel* panel = marco->GetPanelMapa()->GetInfoCapasPanel();
    ASSERT_NE(panel, nullptr);
    wxTreeCtrl* arbol = panel->GetArbol();
    const std::vector<std::string> antequera(
        {"Capitales de provincia:", "Núcleos principales:", "Núcleos de población:",
         "Municipios: NOMBRE = Antequera, PROVINCIA = Málaga, SUPERF_KM2 = 751, COLOR = 1, "
         "Situación del municipio de Antequera,",
         "Provincias: COD_PROV = 29, NOMBRE = Málaga, CAPITAL = Málaga, SUPERF_KM2 = 7311, "
         "Datos de la provincia de Málaga, Situación de la provincia de Málaga,",
         "Otras regiones o países:", "Lámina de agua:"});
    EXPECT_EQ(LineasArbol(*arbol, false), antequera);
    const wxTreeItemId contenido = HijoArbol(*arbol, HijoArbol(*arbol, arbol->GetRootItem(), "Municipios"),
                                        wxString::FromUTF8("Situación del municipio de Antequera"));
    ASSERT_TRUE(contenido.IsOk());
    ClicEnEntrada(arbol, contenido, 10, true);
    ASSERT_EQ(panel->GetContenedorVentanas().size(), 1u);
    wxWeakRef<CImagenDlg> imagen(panel->GetContenedorVentanas()[0]);
    EXPECT_TRUE(imagen->IsShown());
    EXPECT_EQ(imagen->GetTitle(), wxString::FromUTF8("Situación del municipio de Antequera"));
    EXPECT_EQ(imagen->GetClientSize(), wxSize(420, 320));
    imagen->Hide();  // put away, and off the tree it would cover
    ProcesarEventos();
    ClicEnEntrada(arbol, contenido, 10, true);
    ASSERT_EQ(panel->GetContenedorVentanas().size(), 1u);
    EXPECT_EQ(panel->GetContenedorVentanas()[0], imagen.get());
    EXPECT_TRUE(imagen->IsShown());
    imagen->Close();
    ProcesarEventos();
    EXPECT_FALSE(imagen);
    EXPECT_TRUE(panel->GetContenedorVentanas().empty());
    EXPECT_TRUE(mensajes.empty()) << mensajes.front();
}

}  // namespace
