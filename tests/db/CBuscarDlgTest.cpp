// The search dialog: typed text, Enter, and a double-clicked hit centred and outlined on a map.
#include "CBuscarDlg.h"

#include "AtlasPrueba.h"
#include "DirectorioPrueba.h"
#include "CMensajes.h"
#include "PanelMapa.h"
#include "PantallaPruebas.h"
#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <string>
#include <vector>

namespace {

int Diferencia(const wxColour& a, const wxColour& b) {
    return std::abs(a.Red() - b.Red()) + std::abs(a.Green() - b.Green()) + std::abs(a.Blue() - b.Blue());
}

// The main map on the my-locality theme, with the locate event handed to it.
class CBuscarDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString&) { mensajes.push_back(texto.utf8_string()); });
        marco = new wxFrame(nullptr, wxID_ANY, "Marco", wxPoint(0, 0));
        marco->SetClientSize(790, 584);
        mapa = new PanelMapa(marco, wxID_ANY, wxPoint(0, 0), wxSize(790, 584));
        mapa->SetRutaAplicacion(RutaAplicacionFuentes());
        mapa->SetGestorVista(tema->GetGestorVistaMapa());
        mapa->SetMapaActivo(3);
        mapa->SetTipoBusqueda(CBuscarDlg::kModoLocalidad);
        marco->Bind(wxEVT_LOCALIZAR_ELEMENT_BUSQUEDA, [this](wxMapEvent& evento) {
            ++localizaciones;
            if (auto* registro = dynamic_cast<CInfoCapa*>(evento.GetEventObject())) mapa->LocalizarSiCapaCargada(*registro);
        });
        marco->Bind(wxEVT_MAP_CAMBIO_EXTENSION, [this](wxMapEvent&) { ++cambiosExtension; });
        marco->Show();
        ProcesarEventos();
        mapa->ReadaptarExtension();
        mapa->ExtensionTotal();
        ProcesarEventos();
    }
    void TearDown() override {
        SetReceptorMensajes(nullptr);
        mapa->SetGestorVista(nullptr);
        marco->Destroy();
        ProcesarEventos();
    }
    CExtensionMapa Extension() const { return mapa->GetGestorVista()->GetExtensionActual(); }
    static wxListBox* Lista(CBuscarDlg& d) { return static_cast<wxListBox*>(d.FindWindow(CBuscarDlg::ID_LISTA)); }
    static wxTextCtrl* Texto(CBuscarDlg& d) { return static_cast<wxTextCtrl*>(d.FindWindow(CBuscarDlg::ID_TEXTO)); }
    static std::vector<std::string> Lineas(CBuscarDlg& d) {
        std::vector<std::string> lineas;
        for (const wxString& linea : Lista(d)->GetStrings()) lineas.push_back(linea.utf8_string());
        return lineas;
    }
    // Clicks into the text box, types the text over what was there, and Enter.
    void Teclear(CBuscarDlg& dialogo, const char* texto) {
        wxTextCtrl* caja = Texto(dialogo);
        simulador.MouseMove(caja->ClientToScreen(wxPoint(20, caja->GetClientSize().y / 2)));
        simulador.MouseClick();
        ProcesarEventos();
        caja->SelectAll();
        simulador.Text(texto);
        simulador.Char(WXK_RETURN);
        ProcesarEventos();
    }
    // A double click as the list reports it, with that line selected.
    static void DobleClic(CBuscarDlg& dialogo, int fila) {
        Lista(dialogo)->SetSelection(fila);
        wxCommandEvent dobleClic(wxEVT_LISTBOX_DCLICK, CBuscarDlg::ID_LISTA);
        Lista(dialogo)->GetEventHandler()->ProcessEvent(dobleClic);
    }
    std::vector<std::string> mensajes;
    std::unique_ptr<CProyectoVaq> tema = TemaAtlas("MiLocalidad.vel");
    wxFrame* marco = nullptr;
    PanelMapa* mapa = nullptr;
    int localizaciones = 0;
    int cambiosExtension = 0;
    wxUIActionSimulator simulador;
};

}  // namespace

// Each mode, sized as the main frame opens it, shows its own picture. In my
// locality typed names and Enter list the hits (a blank text none); a double
// click on no line does nothing, on "Sevilla" it closes the dialog and centres
// the map on the municipality at 1:200000.
TEST_F(CBuscarDlgTest, EachModeShowsItsPictureAndADoubleClickedMunicipalityIsCentred) {
    std::vector<std::string> primera, segunda;
    bool seguiaAbierto = false;
    wxImage fondos[2];
    for (int modo = 0; modo < 2; ++modo)
        ASSERT_TRUE(fondos[modo].LoadFile(RutaAplicacionFuentes() +
                                          (modo ? "/ico/FondoBusLocalidad.bmp" : "/ico/FondoBusToponimo.bmp")));
    for (int modo = 0; modo < 2; ++modo) {
        CBuscarDlg dialogo(marco, wxID_ANY, wxEmptyString, wxDefaultPosition, modo ? wxSize(405, 255) : wxDefaultSize);
        dialogo.SetRutaAplicacion(RutaAplicacionFuentes());
        dialogo.SetTipoBusqueda(modo ? CBuscarDlg::kModoLocalidad : CBuscarDlg::kModoToponimo);
        dialogo.Inicializar();
        dialogo.CallAfter([&, modo] {
            ProcesarEventos();
            EXPECT_EQ(dialogo.GetClientSize(), fondos[modo].GetSize());
            const wxImage pantalla = CapturarPantalla(&dialogo);
            // Where the two pictures differ (above the controls), the screen shows the mode's own.
            int distintos = 0, propios = 0;
            for (int y = 0; y < 60; y += 2)
                for (int x = 0; x < fondos[0].GetWidth(); x += 2) {
                    const wxColour propio = ColorEn(fondos[modo], x, y);
                    if (Diferencia(propio, ColorEn(fondos[1 - modo], x, y)) < 90) continue;
                    ++distintos;
                    propios += Diferencia(propio, ColorEn(pantalla, x, y)) < 30;
                }
            EXPECT_GT(distintos, 50);
            EXPECT_GT(propios, distintos * 9 / 10) << "modo " << modo;
            if (modo == 0) return dialogo.EndModal(wxID_CANCEL);
            Teclear(dialogo, "   ");
            EXPECT_TRUE(Lineas(dialogo).empty());
            Teclear(dialogo, "cordoba");
            primera = Lineas(dialogo);
            Teclear(dialogo, "sevilla");
            segunda = Lineas(dialogo);
            DobleClic(dialogo, wxNOT_FOUND);
            seguiaAbierto = dialogo.IsModal() && localizaciones == 0;
            // A real double click on the line "Sevilla".
            const auto sevilla = std::find(segunda.begin(), segunda.end(), "Sevilla");
            if (sevilla != segunda.end()) {
                wxListBox* lista = Lista(dialogo);
                const int fila = static_cast<int>(sevilla - segunda.begin());
                lista->EnsureVisible(fila);
                ProcesarEventos();
                wxPoint punto(lista->GetClientSize().x / 2, 0);
                while (punto.y < lista->GetClientSize().y && lista->HitTest(punto) != fila) ++punto.y;
                simulador.MouseMove(lista->ClientToScreen(punto + wxPoint(0, 4)));
                ProcesarEventos();
                wxMilliSleep(600);  // past the double-click time of the last click
                simulador.MouseDblClick();
                EsperarHasta([&] { return !dialogo.IsModal(); });
            }
            if (dialogo.IsModal()) dialogo.EndModal(wxID_CANCEL);
        });
        EXPECT_EQ(dialogo.ShowModal(), modo ? wxID_OK : wxID_CANCEL);
        if (modo) {
            EXPECT_EQ(dialogo.GetTitle(), wxString::FromUTF8("Búsqueda de mi localidad"));
        }
    }
    EXPECT_NE(std::find(primera.begin(), primera.end(), "Córdoba"), primera.end());
    EXPECT_NE(std::find(segunda.begin(), segunda.end(), "Sevilla"), segunda.end());
    EXPECT_EQ(std::find(segunda.begin(), segunda.end(), "Córdoba"), segunda.end());
    EXPECT_TRUE(seguiaAbierto);
    EXPECT_EQ(localizaciones, 1);
    EXPECT_TRUE(mensajes.empty());
    // The map is centred on Sevilla at 1:200000 (its outline is checked on the map panel).
    const CExtensionMapa ahora = Extension();
    EXPECT_NEAR(mapa->GetEscalaActual(), 200000.0, 2000.0);
    EXPECT_NEAR((ahora.GetCoordenadaInfIzqX() + ahora.GetCoordenadaSupDerX()) / 2, 236000.0, 8000.0);  // Sevilla, UTM 30
    EXPECT_NEAR((ahora.GetCoordenadaInfIzqY() + ahora.GetCoordenadaSupDerY()) / 2, 4142000.0, 8000.0);
}

// Without a gazetteer every search says so and lists nothing found; that line
// is no hit, and the dialog goes on. A hit whose layer is not on the map is
// told, and the map stays.
TEST_F(CBuscarDlgTest, AMissingGazetteerOrLayerIsToldAndChangesNothing) {
    DirectorioPrueba vacio;
    CBuscarDlg dialogo(marco);
    dialogo.SetRutaAplicacion(wxString::FromUTF8(vacio.Ruta().c_str()));
    dialogo.Show();
    for (int vez = 0; vez < 2; ++vez) {
        dialogo.Buscar("sevilla");
        EXPECT_EQ(Lineas(dialogo), std::vector<std::string>{"No se han encontrado registros"});
        EXPECT_EQ(mensajes, (std::vector<std::string>{"SQLITE_CANTOPEN",
                                                      "No se  ha podido establecer la conexion con la BD."}));
        mensajes.clear();
        DobleClic(dialogo, 0);
        EXPECT_TRUE(dialogo.IsShown());
        EXPECT_EQ(localizaciones, 0);
    }
    EXPECT_FALSE(wxDirExists(wxString::FromUTF8((vacio / "BD").c_str())));
    CInfoCapa pico;
    pico.SetNombreCapa("Picos");
    pico.SetValorClasificacion(wxString::FromUTF8("Mulhacén"));
    const CExtensionMapa antes = Extension();
    const int cambios = cambiosExtension;
    mapa->LocalizarSiCapaCargada(pico);
    EXPECT_EQ(mensajes, std::vector<std::string>{"La capa Picos no está cargada.\n No se puede mostrar Mulhacén"});
    EXPECT_EQ(Extension(), antes);
    EXPECT_EQ(cambiosExtension, cambios);
}
