#include "CConfigApp.h"
#include "CMensajes.h"
#include "DirectorioPrueba.h"

#include <gtest/gtest.h>
#include <wx/defs.h>
#include <filesystem>
#include <vector>

namespace {

wxString W(const std::string& s) { return wxString::FromUTF8(s); }

TEST(ComprobarSiDatos, OnlyARegularMarkerFileCounts) {
    DirectorioPrueba d;
    const std::string conDatos = d.Subdirectorio("con", true);
    const std::string sinDatos = d.Subdirectorio("sin", false);
    const std::string marcadorDirectorio = d.Subdirectorio("falso", false);
    std::filesystem::create_directory(marcadorDirectorio + "/datos.mmm");

    EXPECT_TRUE(CConfigApp::ComprobarSiDatos(W(conDatos)));
    EXPECT_TRUE(CConfigApp::ComprobarSiDatos(W(conDatos + "/")));  // double slash still resolves
    EXPECT_FALSE(CConfigApp::ComprobarSiDatos(W(sinDatos)));
    EXPECT_FALSE(CConfigApp::ComprobarSiDatos(W(marcadorDirectorio)));
    EXPECT_FALSE(CConfigApp::ComprobarSiDatos(W(d.Ruta("no_existe"))));
    EXPECT_FALSE(CConfigApp::ComprobarSiDatos(wxString()));

    const std::string enlace = d.Ruta("enlace");
    std::filesystem::create_directory_symlink(conDatos, enlace);
    EXPECT_TRUE(CConfigApp::ComprobarSiDatos(W(enlace)));
}

// The chooser answers from a script: each answer is a chosen path, an empty
// one a cancel; after the script it cancels.
class ConfigGuionada : public CConfigApp {
public:
    std::vector<std::string> respuestas;
    size_t llamadas = 0;

protected:
    int ElegirDirectorio(wxString& ruta) override {
        if (llamadas >= respuestas.size()) {
            ++llamadas;
            return wxID_CANCEL;
        }
        const std::string& respuesta = respuestas[llamadas++];
        if (respuesta.empty()) return wxID_CANCEL;
        ruta = W(respuesta);
        return wxID_OK;
    }
};

class ConfigApp : public testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString&) { mensajes.push_back(texto); });
    }
    void TearDown() override {
        SetReceptorMensajes(ReceptorMensajes());
        CConfigApp::SetRutaSesion(wxString());
        SetModoSilencioso(false);
    }
    static wxString Rechazo() {
        return wxString::FromUTF8("En la ruta especificada no se encuentran los datos.");
    }

    HomePrueba home;
    DirectorioPrueba datos;
    std::vector<wxString> mensajes;
};

TEST_F(ConfigApp, FirstStartChoosesUntilValidAndRemembers) {
    const std::string valido = datos.Subdirectorio("atlas", true);
    ConfigGuionada primera;
    primera.respuestas = {datos.Subdirectorio("vacio", false), datos.Subdirectorio("otro", false), valido};
    EXPECT_EQ(primera.GetRutaArchivo(), W(valido));
    EXPECT_EQ(primera.llamadas, 3u);
    EXPECT_EQ(mensajes, std::vector<wxString>({Rechazo(), Rechazo()}));
    ASSERT_TRUE(home.HayConfiguracion());
    EXPECT_NE(home.LeerConfiguracion().find("PathApp=" + valido), std::string::npos);
    EXPECT_EQ(CConfigApp::GetRutaFicheroConfiguracion(), W(home.Configuracion()));

    ConfigGuionada segunda;  // no dialog the second time
    EXPECT_EQ(segunda.GetRutaArchivo(), W(valido));
    EXPECT_EQ(segunda.llamadas, 0u);
    EXPECT_EQ(mensajes.size(), 2u);
}

TEST_F(ConfigApp, AStaleEntryLeadsToTheChooserAndIsReplaced) {
    const std::string viejo = datos.Subdirectorio("viejo", false);  // marker gone
    const std::string nuevo = datos.Subdirectorio("nuevo", true);
    std::ofstream(home.Configuracion()) << "PathApp=" << viejo << "\nOtra=se queda\n";
    ConfigGuionada config;
    config.respuestas = {nuevo};
    EXPECT_EQ(config.GetRutaArchivo(), W(nuevo));
    EXPECT_EQ(config.llamadas, 1u);
    const std::string contenido = home.LeerConfiguracion();
    EXPECT_NE(contenido.find("PathApp=" + nuevo), std::string::npos);
    EXPECT_EQ(contenido.find(viejo), std::string::npos);
    EXPECT_NE(contenido.find("Otra=se queda"), std::string::npos);
}

TEST_F(ConfigApp, AnEmptyEntryCountsAsMissing) {
    std::ofstream(home.Configuracion()) << "PathApp=\n";
    ConfigGuionada config;
    EXPECT_EQ(config.GetRutaArchivo(), wxString());
    EXPECT_EQ(config.llamadas, 1u);
}

TEST_F(ConfigApp, CancellingGivesNothingAndWritesNothing) {
    ConfigGuionada config;
    config.respuestas = {datos.Subdirectorio("malo", false), ""};
    EXPECT_EQ(config.GetRutaArchivo(), wxString());
    EXPECT_EQ(config.llamadas, 2u);
    EXPECT_EQ(mensajes.size(), 1u);
    EXPECT_FALSE(home.HayConfiguracion());
}

TEST_F(ConfigApp, ASessionDirectoryIsUsedButNeverWritten) {
    const std::string recordado = datos.Subdirectorio("recordado", true);
    const std::string sesion = datos.Subdirectorio("sesion", true);
    std::ofstream(home.Configuracion()) << "PathApp=" << recordado << "\n";
    CConfigApp::SetRutaSesion(W(sesion));
    ConfigGuionada config;
    EXPECT_EQ(config.GetRutaArchivo(), W(sesion));
    EXPECT_EQ(config.llamadas, 0u);
    EXPECT_EQ(home.LeerConfiguracion(), "PathApp=" + recordado + "\n");

    CConfigApp::SetRutaSesion(wxString());
    EXPECT_EQ(ConfigGuionada().GetRutaArchivo(), W(recordado));
}

TEST_F(ConfigApp, QuietModeShowsNoChooser) {
    SetModoSilencioso(true);
    CConfigApp config;  // the real chooser: it must not open
    EXPECT_EQ(config.GetRutaArchivo(), wxString());
    EXPECT_FALSE(home.HayConfiguracion());
}

TEST_F(ConfigApp, AnUnwritableHomeIsReportedAndTheChoiceStillUsed) {
    const std::string valido = datos.Subdirectorio("atlas", true);
    ::setenv("HOME", datos.Ruta("no/existe").c_str(), 1);
    ConfigGuionada config;
    config.respuestas = {valido};
    EXPECT_EQ(config.GetRutaArchivo(), W(valido));
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].StartsWith(wxString::FromUTF8("No se ha podido guardar la configuración")));
}

TEST(Mensajes, QuietModeAnswersSafelyWithoutADialog) {
    SetModoSilencioso(true);
    EXPECT_EQ(MostrarMensaje("aviso"), wxOK);
    EXPECT_EQ(MostrarMensaje("pregunta", "t", wxYES_NO), wxNO);
    EXPECT_EQ(MostrarMensaje("pregunta", "t", wxYES_NO | wxCANCEL), wxCANCEL);
    SetModoSilencioso(false);
    EXPECT_FALSE(EsModoSilencioso());

    std::vector<std::pair<wxString, wxString>> recibidos;
    SetReceptorMensajes([&](const wxString& t, const wxString& c) { recibidos.emplace_back(t, c); });
    EXPECT_EQ(MostrarMensaje(wxString::FromUTF8("Capa no está"), wxString::FromUTF8("Información Error")), wxOK);
    SetReceptorMensajes(ReceptorMensajes());
    ASSERT_EQ(recibidos.size(), 1u);
    EXPECT_EQ(recibidos[0].first, wxString::FromUTF8("Capa no está"));
    EXPECT_EQ(recibidos[0].second, wxString::FromUTF8("Información Error"));
}

}  // namespace
