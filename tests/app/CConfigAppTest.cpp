#include "CConfigApp.h"
#include "CMensajes.h"
#include "DirectorioPrueba.h"

#include <gtest/gtest.h>
#include <wx/defs.h>
#include <wx/app.h>
#include <wx/timer.h>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <vector>

namespace {

wxString W(const std::string& s) { return wxString::FromUTF8(s); }

TEST(ComprobarSiDatos, OnlyARegularMarkerFileCounts) {
    DirectorioPrueba d;
    const std::string conDatos = d.Subdirectorio("con", true), falso = d.Subdirectorio("falso", false);
    std::filesystem::create_directory(falso + "/datos.mmm");
    std::filesystem::create_directory_symlink(conDatos, d.Ruta("enlace"));
    EXPECT_TRUE(CConfigApp::ComprobarSiDatos(W(conDatos + "/")));  // double slash still resolves
    EXPECT_TRUE(CConfigApp::ComprobarSiDatos(W(d.Ruta("enlace"))));
    for (const std::string& ruta : {d.Subdirectorio("sin", false), falso, d.Ruta("no_existe"), std::string()})
        EXPECT_FALSE(CConfigApp::ComprobarSiDatos(W(ruta))) << ruta;
}

// The chooser answers from a script; an empty answer, or none left, cancels.
class ConfigGuionada : public CConfigApp {
public:
    std::vector<std::string> respuestas;
    size_t llamadas = 0;

protected:
    int ElegirDirectorio(wxString& ruta) override {
        const std::string respuesta = llamadas < respuestas.size() ? respuestas[llamadas] : "";
        ++llamadas;
        ruta = W(respuesta);
        return respuesta.empty() ? wxID_CANCEL : wxID_OK;
    }
};

// VALIDO, VIEJO (no marker) and SESION stand for data directories; a null
// configuration file is absent.
TEST(ConfigApp, ChoosesUntilValidRemembersAndNeverWritesTheSession) {
    const struct {
        const char *antes, *sesion;
        std::vector<std::string> respuestas;
        const char* ruta;
        size_t llamadas, mensajes;
        const char* despues;
    } casos[] = {
        {nullptr, "", {"VIEJO", "VIEJO", "VALIDO"}, "VALIDO", 3, 2, "PathApp=VALIDO\n"},
        {"PathApp=VALIDO\n", "", {}, "VALIDO", 0, 0, "PathApp=VALIDO\n"},
        {"PathApp=VIEJO\nOtra=se queda\n", "", {"VALIDO"}, "VALIDO", 1, 0, "PathApp=VALIDO\nOtra=se queda\n"},
        {"PathApp=\n", "", {}, "", 1, 0, "PathApp=\n"},
        {nullptr, "", {"VIEJO", ""}, "", 2, 1, nullptr},
        {"PathApp=VALIDO\n", "SESION", {}, "SESION", 0, 0, "PathApp=VALIDO\n"},
    };
    for (size_t i = 0; i < std::size(casos); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        HomePrueba home;
        DirectorioPrueba datos;
        const std::string valido = datos.Subdirectorio("valido", true), viejo = datos.Subdirectorio("viejo", false);
        const std::string sesion = datos.Subdirectorio("sesion", true);
        const auto rutas = [&](std::string texto) {
            for (const auto& [nombre, ruta] : {std::pair{"VALIDO", valido}, std::pair{"VIEJO", viejo}, std::pair{"SESION", sesion}})
                for (size_t p; (p = texto.find(nombre)) != std::string::npos;) texto.replace(p, std::strlen(nombre), ruta);
            return texto;
        };
        if (casos[i].antes) std::ofstream(home.Configuracion()) << rutas(casos[i].antes);
        std::vector<wxString> mensajes;
        SetReceptorMensajes([&](const wxString& texto, const wxString&) { mensajes.push_back(texto); });
        CConfigApp::SetRutaSesion(W(rutas(casos[i].sesion)));
        ConfigGuionada config;
        for (const std::string& r : casos[i].respuestas) config.respuestas.push_back(rutas(r));
        EXPECT_EQ(config.GetRutaArchivo(), W(rutas(casos[i].ruta)));
        CConfigApp::SetRutaSesion(wxString());
        SetReceptorMensajes(ReceptorMensajes());
        EXPECT_EQ(config.llamadas, casos[i].llamadas);
        EXPECT_EQ(mensajes, std::vector<wxString>(casos[i].mensajes, W("En la ruta especificada no se encuentran los datos.")));
        if (casos[i].despues) EXPECT_EQ(home.LeerConfiguracion(), rutas(casos[i].despues));
        else EXPECT_FALSE(home.HayConfiguracion());
    }
}

// Quiet mode never opens the real chooser, and answers questions safely; an
// unwritable home is reported and the choice still used.
TEST(ConfigApp, QuietModeAndAnUnwritableHome) {
    HomePrueba home;
    DirectorioPrueba datos;
    SetModoSilencioso(true);
    EXPECT_EQ(CConfigApp().GetRutaArchivo(), wxString());
    EXPECT_EQ(MostrarMensaje("pregunta", "t", wxYES_NO), wxNO);
    EXPECT_EQ(MostrarMensaje("pregunta", "t", wxYES_NO | wxCANCEL), wxCANCEL);
    SetModoSilencioso(false);
    EXPECT_FALSE(home.HayConfiguracion());
    std::vector<wxString> mensajes;
    SetReceptorMensajes([&](const wxString& texto, const wxString&) { mensajes.push_back(texto); });
    ::setenv("HOME", datos.Ruta("no/existe").c_str(), 1);
    ConfigGuionada config;
    config.respuestas = {datos.Subdirectorio("atlas", true)};
    EXPECT_EQ(config.GetRutaArchivo(), W(config.respuestas[0]));
    SetReceptorMensajes(ReceptorMensajes());
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].StartsWith(W("No se ha podido guardar la configuración")));
}

// A program installed under an accented prefix, with the atlas at its place beside it.
struct InstalacionPrueba {
    DirectorioPrueba raiz;
    std::filesystem::path aplicacion = std::filesystem::u8path(raiz.Ruta("Programación ñ/1/2/3/4/5"));
    std::filesystem::path atlas = (aplicacion / VAQ_ATLAS_DESDE_APLICACION).lexically_normal();
    wxString Aplicacion() const { return W(aplicacion.u8string()); }
    wxString Atlas() const { return W(atlas.u8string()); }
};

// Answers the open modal GTK dialog (the native chooser is no toolkit window); false if none.
bool ResponderDialogoGtk(int respuesta) {
    struct Lista { void* dato; Lista* siguiente; Lista* anterior; };  // GList
    const auto simbolo = [](const char* nombre) { return dlsym(RTLD_DEFAULT, nombre); };
    const auto ventanas = reinterpret_cast<Lista* (*)()>(simbolo("gtk_window_list_toplevels"));
    const auto esModal = reinterpret_cast<int (*)(void*)>(simbolo("gtk_window_get_modal"));
    const auto esVisible = reinterpret_cast<int (*)(void*)>(simbolo("gtk_widget_get_visible"));
    const auto responder = reinterpret_cast<void (*)(void*, int)>(simbolo("gtk_dialog_response"));
    const auto liberar = reinterpret_cast<void (*)(Lista*)>(simbolo("g_list_free"));
    if (!ventanas || !esModal || !esVisible || !responder || !liberar) return false;
    Lista* lista = ventanas();
    void* dialogo = nullptr;
    for (Lista* l = lista; l && !dialogo; l = l->siguiente)
        if (esModal(l->dato) && esVisible(l->dato)) dialogo = l->dato;
    liberar(lista);
    if (dialogo) responder(dialogo, respuesta);
    return dialogo != nullptr;
}

// The chooser starts on the atlas installed beside the program when it holds
// the data; the real chooser, accepted at once, takes and remembers it.
TEST(ConfigApp, TheChooserStartsOnTheAtlasInstalledBesideTheProgramWhenItHoldsTheData) {
    enum class Atlas { Ausente, SinMarcador, ConMarcador };
    for (const Atlas caso : {Atlas::Ausente, Atlas::SinMarcador, Atlas::ConMarcador}) {
        InstalacionPrueba instalacion;
        std::filesystem::create_directories(instalacion.aplicacion);
        if (caso != Atlas::Ausente) std::filesystem::create_directories(instalacion.atlas);
        if (caso == Atlas::ConMarcador) std::ofstream(instalacion.atlas / "datos.mmm") << "";
        const wxString esperada = caso == Atlas::ConMarcador ? instalacion.Atlas() : wxString();
        EXPECT_EQ(CConfigApp::GetRutaInicialSelector(instalacion.Aplicacion()), esperada) << static_cast<int>(caso);
        EXPECT_EQ(CConfigApp::GetRutaInicialSelector(instalacion.Aplicacion() + "/"), esperada);
        if (caso != Atlas::ConMarcador) continue;
        HomePrueba home;
        const int kAceptar = -3, kCancelar = -6;  // GTK_RESPONSE_ACCEPT, GTK_RESPONSE_CANCEL
        wxTheApp->CallAfter([&] { EXPECT_TRUE(ResponderDialogoGtk(kAceptar)) << "no chooser open"; });
        // Should the chooser refuse, the test fails instead of waiting for a click.
        wxTimer plazo;
        plazo.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            if (ResponderDialogoGtk(kCancelar)) ADD_FAILURE() << "the chooser did not accept its starting directory";
        });
        plazo.Start(10000);
        CConfigApp config(instalacion.Aplicacion());
        EXPECT_EQ(config.GetRutaArchivo(), instalacion.Atlas());
        plazo.Stop();
        EXPECT_EQ(home.LeerConfiguracion(), "PathApp=" + instalacion.atlas.u8string() + "\n");
    }
    EXPECT_EQ(CConfigApp::GetRutaInicialSelector(wxString()), wxString());
}

}  // namespace
