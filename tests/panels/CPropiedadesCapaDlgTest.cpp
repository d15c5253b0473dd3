// The layer properties dialog on layers of the bundled themes, shown modally
// in a real X server and driven from inside its own loop: the pages each
// layer gets, the width rule with real typing, and the refused scale ranges.
// (Edits reaching the layer only through "Aplicar" are checked from the
// legend, which opens the dialog.)
#include "CPropiedadesCapaDlg.h"

#include "CEditorSimbolo.h"
#include "CEscalaMinMaxPanel.h"
#include "CMensajes.h"
#include "CPaginaSimbolo.h"
#include "CPropiedadesLineasPanel.h"
#include "CPropiedadesPoligonosPanel.h"
#include "CSelectorColor.h"
#include "PantallaPruebas.h"
#include "PropiedadesCapaPanelLineas.h"
#include "PropiedadesCapaPanelPoligonos.h"
#include "PropiedadesCapaPanelPuntos.h"
#include "PropiedadesPuntos.h"
#include "PropiedadesPrueba.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <functional>
#include <string>
#include <vector>

namespace {

template <class T>
bool Es(wxWindow* ventana) {
    return dynamic_cast<T*>(ventana) != nullptr;
}

class CPropiedadesCapaDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString&) { mensajes.push_back(texto.utf8_string()); });
        marco = new wxFrame(nullptr, wxID_ANY, "Marco", wxPoint(0, 0), wxSize(400, 300));
        marco->Show();
        ProcesarEventos();
    }
    void TearDown() override {
        SetReceptorMensajes(nullptr);
        CSelectorColor::SetSelector(nullptr);
        marco->Destroy();
        ProcesarEventos();
    }

    CCapasEnMapa& Capa(const char* tema, const char* nombre) {
        temas.push_back(TemaAtlas(tema));
        CCapasEnMapa* capa = CapaPorNombre(*temas.back()->GetGestorVistaMapa(), wxString::FromUTF8(nombre));
        EXPECT_NE(capa, nullptr) << nombre;
        return *capa;
    }

    // Shows the dialog modally and runs `accion` inside its loop; a dialog
    // that is still open afterwards is ended with wxID_ABORT.
    static int Mostrar(CPropiedadesCapaDlg& dialogo, const std::function<void()>& accion) {
        dialogo.CallAfter([&] {
            ProcesarEventos();
            accion();
            if (dialogo.IsModal()) dialogo.EndModal(wxID_ABORT);
        });
        return dialogo.Modal(true);
    }

    std::vector<std::unique_ptr<CProyectoVaq>> temas;
    std::vector<std::string> mensajes;
    wxFrame* marco = nullptr;
};

TEST_F(CPropiedadesCapaDlgTest, EachLayerGetsTheSymbolPageOfItsGeometryAndTheScalePage) {
    struct Caso {
        const char* tema;
        const char* capa;
        bool (*esPagina)(wxWindow*);  // the symbol page's class; null: none
        bool nota;                    // says that the classes keep their symbols
    };
    const Caso casos[] = {
        {"MedioFisico.vel", "Embalses y lagos", Es<PropiedadesCapaPanelPoligonos>, false},
        {"MedioFisico.vel", "Ríos", Es<PropiedadesCapaPanelLineas>, true},
        {"MedioHumano.vel", "Capitales de provincia", Es<PropiedadesCapaPanelPuntos>, false},
        {"MedioHumano.vel", "Núcleos principales", Es<PropiedadesCapaPanelPuntos>, true},
        {"MedioFisico.vel", "Toponimia sierras", nullptr, false},  // labels: their symbol is never drawn
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.capa);
        CCapasEnMapa& capa = Capa(caso.tema, caso.capa);
        auto dialogo = CPropiedadesCapaDlg::ParaCapa(marco, capa);
        ASSERT_TRUE(dialogo);
        wxNotebook* libro = dialogo->GetNoteBook();
        ASSERT_EQ(libro->GetPageCount(), caso.esPagina ? 2u : 1u);
        if (caso.esPagina) {
            auto* pagina = dynamic_cast<CPaginaSimbolo*>(libro->GetPage(0));
            ASSERT_NE(pagina, nullptr);
            EXPECT_TRUE(caso.esPagina(pagina));
            EXPECT_EQ(libro->GetPageText(0), wxString::FromUTF8("Símbolo"));
            EXPECT_EQ(!pagina->GetNota().empty(), caso.nota);
            EXPECT_TRUE(MismoSimbolo(*pagina->GetSimbolo(), *capa.GetCapaEnCapa()->GetSimbolo()));
        }
        auto* escala = dynamic_cast<CEscalaMinMaxPanel*>(libro->GetPage(libro->GetPageCount() - 1));
        ASSERT_NE(escala, nullptr);
        EXPECT_EQ(escala->GetEscalaMinima(), capa.GetCapaEnCapa()->GetEscalaMinima());
        EXPECT_EQ(escala->GetEscalaMaxima(), capa.GetCapaEnCapa()->GetEscalaMaxima());
    }
}

// Real typing in the line width: a text outside 0-20 leaves the width as it
// was (and the control shows it again when typing ends), 7 sets it.
TEST_F(CPropiedadesCapaDlgTest, TypedLineWidthIsTakenOnlyFromZeroToTwenty) {
    CCapasEnMapa& rios = Capa("MedioFisico.vel", "Ríos");
    const int original = rios.GetCapaEnCapa()->GetSimbolo()->GetSize();
    auto dialogo = CPropiedadesCapaDlg::ParaCapa(marco, rios);
    auto* pagina = static_cast<CPaginaSimbolo*>(dialogo->GetNoteBook()->GetPage(0));
    wxSpinCtrl* grosor = Hijo<wxSpinCtrl>(pagina->GetEditor());
    wxUIActionSimulator teclado;
    // Types over the field's text and leaves it with Tab.
    const auto teclear = [&](const char* texto) {
        grosor->SetFocus();
        ProcesarEventos();
        teclado.Char(WXK_END);
        for (int i = 0; i < 4; ++i) teclado.Char(WXK_BACK);
        teclado.Text(texto);
        ProcesarEventos();
        const int tamano = pagina->GetSimbolo()->GetSize();
        teclado.Char(WXK_TAB);
        ProcesarEventos();
        return tamano;
    };
    std::vector<int> tamanos;
    std::vector<wxString> textos;
    Mostrar(*dialogo, [&] {
        for (const char* texto : {"25", "abc", "7", "-3"}) {
            tamanos.push_back(teclear(texto));
            tamanos.push_back(pagina->GetSimbolo()->GetSize());
            textos.push_back(grosor->GetTextValue());
        }
    });
    EXPECT_EQ(tamanos, (std::vector<int>{original, original, original, original, 7, 7, 7, 7}));
    const wxString antes = wxString::Format("%d", original);
    EXPECT_EQ(textos, (std::vector<wxString>{antes, antes, "7", "7"}));
    EXPECT_EQ(rios.GetCapaEnCapa()->GetSimbolo()->GetSize(), original);  // never applied
}

// A field that is no number, a negative one or a minimum above the maximum is
// refused with a message naming the field: the dialog stays open on the
// scale page and the layer keeps its range (and its symbol).
TEST_F(CPropiedadesCapaDlgTest, ScaleRangesThatMakeNoSenseAreRefused) {
    struct Caso {
        const char* minima;
        const char* maxima;
        const char* mensaje;  // null: accepted
        double aplicadaMinima, aplicadaMaxima;
    };
    const Caso casos[] = {
        {"abc", "100000", "\"Escala Minima\" debe ser un número", 0, 0},
        {"1e5", "100000", "\"Escala Minima\" debe ser un número", 0, 0},
        {"5000", "", "\"Escala Maxima\" debe ser un número", 0, 0},
        {"5000", "12.000.000", "\"Escala Maxima\" debe ser un número", 0, 0},
        {"-5", "100000", "\"Escala Minima\" no puede ser negativa", 0, 0},
        {"5000", "-1", "\"Escala Maxima\" no puede ser negativa", 0, 0},
        {"200000", "100000", "\"Escala Minima\" no puede ser mayor que \"Escala Maxima\"", 0, 0},
        {" 70000 ", "70000", nullptr, 70000, 70000},
        {"0", "1500000,5", nullptr, 0, 1500000.5},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.minima) + " - " + caso.maxima);
        mensajes.clear();
        CCapasEnMapa& capaEnMapa = Capa("MedioFisico.vel", "Embalses y lagos");
        CCapa& capa = *capaEnMapa.GetCapaEnCapa();
        const double minimaAntes = capa.GetEscalaMinima(), maximaAntes = capa.GetEscalaMaxima();
        const CSimboloObj simboloAntes = *capa.GetSimbolo();
        CSelectorColor::SetSelector([](wxWindow*, wxColourData& datos) {
            datos.SetColour(*wxRED);
            return true;
        });
        auto dialogo = CPropiedadesCapaDlg::ParaCapa(marco, capaEnMapa);
        auto* pagina = static_cast<CPaginaSimbolo*>(dialogo->GetNoteBook()->GetPage(0));
        auto* escala = static_cast<CEscalaMinMaxPanel*>(dialogo->GetNoteBook()->GetPage(1));
        bool abierto = false;
        int paginaMostrada = -1;
        const int resultado = Mostrar(*dialogo, [&] {
            Pulsar(pagina->GetEditor()->FindWindow(CPropiedadesPoligonosPanel::ID_COLOR_RELLENO));
            static_cast<wxTextCtrl*>(escala->FindWindow(CEscalaMinMaxPanel::ID_ESCALA_MINIMA))->SetValue(caso.minima);
            static_cast<wxTextCtrl*>(escala->FindWindow(CEscalaMinMaxPanel::ID_ESCALA_MAXIMA))->SetValue(caso.maxima);
            Pulsar(dialogo->FindWindow(CPropiedadesCapaDlg::ID_APLICAR));
            abierto = dialogo->IsModal();
            paginaMostrada = dialogo->GetNoteBook()->GetSelection();
        });
        if (caso.mensaje) {
            ASSERT_EQ(mensajes.size(), 1u);
            EXPECT_NE(mensajes[0].find(caso.mensaje), std::string::npos) << mensajes[0];
            EXPECT_TRUE(abierto);
            EXPECT_EQ(paginaMostrada, 1);
            EXPECT_EQ(resultado, wxID_ABORT);
            EXPECT_EQ(capa.GetEscalaMinima(), minimaAntes);
            EXPECT_EQ(capa.GetEscalaMaxima(), maximaAntes);
            EXPECT_TRUE(MismoSimbolo(*capa.GetSimbolo(), simboloAntes));
        } else {
            EXPECT_TRUE(mensajes.empty());
            EXPECT_EQ(resultado, wxID_OK);
            EXPECT_EQ(capa.GetEscalaMinima(), caso.aplicadaMinima);
            EXPECT_EQ(capa.GetEscalaMaxima(), caso.aplicadaMaxima);
            EXPECT_EQ(capa.GetSimbolo()->GetColorRelleno(), *wxRED);
        }
    }
}

// The scale fields read back every range they show (the theme's, or one
// applied before), fractions and very large denominators included.
TEST_F(CPropiedadesCapaDlgTest, ScaleFieldsReadBackWhatTheyShow) {
    CEscalaMinMaxPanel pagina(marco, wxID_ANY);
    for (const double escala : {0.0, 5000.0, 99999999.0, 143188.23, 1500000.5, 1e20}) {
        pagina.SetEscalaMinMax(escala, escala);
        EXPECT_EQ(pagina.GetEscalaMinima(), escala) << escala;
        EXPECT_EQ(pagina.GetEscalaMaxima(), escala) << escala;
    }
}

}  // namespace
