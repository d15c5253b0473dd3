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
    const std::string conDatos = d.Subdirectorio("con", true), falso = d.Subdirectorio("falso", false);
    std::filesystem::create_directory(falso + "/datos.mmm");
    std::filesystem::create_directory_symlink(conDatos, d.Ruta("enlace"));
    EXPECT_TRUE(CConfigApp::ComprobarSiDatos(W(conDatos + "/")));  // double slash still resolves
    EXPECT_TRUE(CConfigApp::ComprobarSiDatos(W(d.Ruta("enlace"))));
    for (const std::string& ruta : {d.Subdirectorio("sin", false), falso, d.Ruta("no_existe"), std::string()})
        EXPECT_FALSE(CConfigApp::ComprobarSiDatos(W(ruta))) << ruta;
}

// The chooser answers from a script: each answer is a chosen path, an empty
// one a cancel; after the script it cancels.
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
    HomePrueba home;
    DirectorioPrueba datos;
    std::vector<wxString> mensajes;
    const wxString rechazo = W("En la ruta especificada no se encuentran los datos.");
};

TEST_F(ConfigApp, FirstStartChoosesUntilValidAndRemembers) {
    const std::string valido = datos.Subdirectorio("atlas", true);
    ConfigGuionada primera;
    primera.respuestas = {datos.Subdirectorio("vacio", false), datos.Subdirectorio("otro", false), valido};
    EXPECT_EQ(primera.GetRutaArchivo(), W(valido));
    EXPECT_EQ(primera.llamadas, 3u);
    EXPECT_EQ(mensajes, std::vector<wxString>({rechazo, rechazo}));
    EXPECT_NE(home.LeerConfiguracion().find("PathApp=" + valido), std::string::npos);
    EXPECT_EQ(CConfigApp::GetRutaFicheroConfiguracion(), W(home.Configuracion()));
    ConfigGuionada segunda;  // no dialog the second time
    EXPECT_EQ(segunda.GetRutaArchivo(), W(valido));
    EXPECT_EQ(segunda.llamadas, 0u);
}

TEST_F(ConfigApp, StaleOrEmptyEntriesLeadToTheChooserAndAreReplaced) {
    const std::string viejo = datos.Subdirectorio("viejo", false), nuevo = datos.Subdirectorio("nuevo", true);
    std::ofstream(home.Configuracion()) << "PathApp=" << viejo << "\nOtra=se queda\n";
    ConfigGuionada config;
    config.respuestas = {nuevo};
    EXPECT_EQ(config.GetRutaArchivo(), W(nuevo));
    EXPECT_EQ(config.llamadas, 1u);
    const std::string contenido = home.LeerConfiguracion();
    EXPECT_NE(contenido.find("PathApp=" + nuevo), std::string::npos);
    EXPECT_EQ(contenido.find(viejo), std::string::npos);
    EXPECT_NE(contenido.find("Otra=se queda"), std::string::npos);

    std::ofstream(home.Configuracion()) << "PathApp=\n";
    ConfigGuionada vacia;
    EXPECT_EQ(vacia.GetRutaArchivo(), wxString());
    EXPECT_EQ(vacia.llamadas, 1u);
}

TEST_F(ConfigApp, CancellingOrQuietModeGivesNothingAndWritesNothing) {
    ConfigGuionada config;
    config.respuestas = {datos.Subdirectorio("malo", false), ""};
    EXPECT_EQ(config.GetRutaArchivo(), wxString());
    EXPECT_EQ(config.llamadas, 2u);
    EXPECT_EQ(mensajes.size(), 1u);
    SetModoSilencioso(true);
    EXPECT_EQ(CConfigApp().GetRutaArchivo(), wxString());  // the real chooser: it must not open
    EXPECT_FALSE(home.HayConfiguracion());
}

TEST_F(ConfigApp, ASessionDirectoryIsUsedButNeverWritten) {
    const std::string recordado = datos.Subdirectorio("recordado", true), sesion = datos.Subdirectorio("sesion", true);
    std::ofstream(home.Configuracion()) << "PathApp=" << recordado << "\n";
    CConfigApp::SetRutaSesion(W(sesion));
    ConfigGuionada config;
    EXPECT_EQ(config.GetRutaArchivo(), W(sesion));
    EXPECT_EQ(config.llamadas, 0u);
    EXPECT_EQ(home.LeerConfiguracion(), "PathApp=" + recordado + "\n");
    CConfigApp::SetRutaSesion(wxString());
    EXPECT_EQ(ConfigGuionada().GetRutaArchivo(), W(recordado));
}

TEST_F(ConfigApp, AnUnwritableHomeIsReportedAndTheChoiceStillUsed) {
    const std::string valido = datos.Subdirectorio("atlas", true);
    ::setenv("HOME", datos.Ruta("no/existe").c_str(), 1);
    ConfigGuionada config;
    config.respuestas = {valido};
    EXPECT_EQ(config.GetRutaArchivo(), W(valido));
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].StartsWith(W("No se ha podido guardar la configuración")));
}

TEST(Mensajes, QuietModeAnswersSafelyWithoutADialogAndTheReceiverGetsBoth) {
    SetModoSilencioso(true);
    EXPECT_EQ(MostrarMensaje("aviso"), wxOK);
    EXPECT_EQ(MostrarMensaje("pregunta", "t", wxYES_NO), wxNO);
    EXPECT_EQ(MostrarMensaje("pregunta", "t", wxYES_NO | wxCANCEL), wxCANCEL);
    SetModoSilencioso(false);
    std::vector<wxString> recibidos;
    SetReceptorMensajes([&](const wxString& t, const wxString& c) { recibidos = {t, c}; });
    EXPECT_EQ(MostrarMensaje(W("Capa no está"), W("Información Error")), wxOK);
    SetReceptorMensajes(ReceptorMensajes());
    EXPECT_EQ(recibidos, std::vector<wxString>({W("Capa no está"), W("Información Error")}));
}

}  // namespace
