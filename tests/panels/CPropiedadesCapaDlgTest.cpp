// The layer properties dialog on the bundled themes: the width under real
// typing, and scale ranges refused or taken by "Aplicar".
#include "CPropiedadesCapaDlg.h"

#include "CEditorSimbolo.h"
#include "CEscalaMinMaxPanel.h"
#include "CMensajes.h"
#include "CPaginaSimbolo.h"
#include "PantallaPruebas.h"
#include "PropiedadesPrueba.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <string>
#include <vector>

namespace {

class CPropiedadesCapaDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString&) { mensajes.push_back(texto.utf8_string()); });
        tema = TemaAtlas("MedioFisico.vel");
    }
    void TearDown() override { SetReceptorMensajes(nullptr); }
    CCapasEnMapa& Capa(const char* nombre) { return *CapaPorNombre(*tema->GetGestorVistaMapa(), wxString::FromUTF8(nombre)); }
    std::unique_ptr<CProyectoVaq> tema;
    std::vector<std::string> mensajes;
};

// Typed widths outside 0-20 (or no number) are undone on Tab; 7 is taken.
TEST_F(CPropiedadesCapaDlgTest, TypedLineWidthIsTakenOnlyFromZeroToTwenty) {
    CCapasEnMapa& rios = Capa("Ríos");
    const int original = rios.GetCapaEnCapa()->GetSimbolo()->GetSize();
    auto dialogo = CPropiedadesCapaDlg::ParaCapa(nullptr, rios);
    auto* pagina = static_cast<CPaginaSimbolo*>(dialogo->GetPanel(0));
    wxSpinCtrl* grosor = Hijo<wxSpinCtrl>(pagina->GetEditor());
    dialogo->Show();
    ProcesarEventos();
    wxUIActionSimulator teclado;
    std::vector<int> tamanos;  // while typing, and once left
    std::vector<wxString> textos;
    for (const char* texto : {"25", "abc", "7", "-3"}) {
        grosor->SetFocus();
        ProcesarEventos();
        teclado.Char(WXK_END);
        for (int i = 0; i < 4; ++i) teclado.Char(WXK_BACK);
        teclado.Text(texto);
        ProcesarEventos();
        tamanos.push_back(pagina->GetSimbolo()->GetSize());
        teclado.Char(WXK_TAB);
        ProcesarEventos();
        tamanos.push_back(pagina->GetSimbolo()->GetSize());
        textos.push_back(grosor->GetTextValue());
    }
    EXPECT_EQ(tamanos, (std::vector<int>{original, original, original, original, 7, 7, 7, 7}));
    const wxString antes = wxString::Format("%d", original);
    EXPECT_EQ(textos, (std::vector<wxString>{antes, antes, "7", "7"}));
    EXPECT_EQ(rios.GetCapaEnCapa()->GetSimbolo()->GetSize(), original);  // never applied
}

// A range that is no number, negative or inverted is refused naming the field,
// applying nothing and showing the scale page; a valid one is applied.
TEST_F(CPropiedadesCapaDlgTest, ScaleRangesThatMakeNoSenseAreRefused) {
    struct Caso {
        const char* minima;
        const char* maxima;
        const char* mensaje;  // null: applied
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
    CCapa& capa = *Capa("Embalses y lagos").GetCapaEnCapa();
    auto dialogo = CPropiedadesCapaDlg::ParaCapa(nullptr, Capa("Embalses y lagos"));
    auto* pagina = static_cast<CPaginaSimbolo*>(dialogo->GetPanel(0));
    auto* escala = static_cast<CEscalaMinMaxPanel*>(dialogo->GetPanel(1));
    EXPECT_EQ(escala->GetEscalaMinima(), capa.GetEscalaMinima());
    EXPECT_EQ(escala->GetEscalaMaxima(), capa.GetEscalaMaxima());
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.minima) + " - " + caso.maxima);
        mensajes.clear();
        const double minimaAntes = capa.GetEscalaMinima(), maximaAntes = capa.GetEscalaMaxima();
        const CSimboloObj simboloAntes = *capa.GetSimbolo();
        pagina->GetSimbolo()->SetSize(simboloAntes.GetSize() + 1);
        dialogo->GetNoteBook()->SetSelection(0);
        static_cast<wxTextCtrl*>(escala->FindWindow(CEscalaMinMaxPanel::ID_ESCALA_MINIMA))->SetValue(caso.minima);
        static_cast<wxTextCtrl*>(escala->FindWindow(CEscalaMinMaxPanel::ID_ESCALA_MAXIMA))->SetValue(caso.maxima);
        const bool aplicado = dialogo->AplicarPaginas();
        if (caso.mensaje) {
            EXPECT_FALSE(aplicado);
            ASSERT_EQ(mensajes.size(), 1u);
            EXPECT_NE(mensajes[0].find(caso.mensaje), std::string::npos) << mensajes[0];
            EXPECT_EQ(dialogo->GetNoteBook()->GetSelection(), 1);
            EXPECT_EQ(capa.GetEscalaMinima(), minimaAntes);
            EXPECT_EQ(capa.GetEscalaMaxima(), maximaAntes);
            EXPECT_TRUE(MismoSimbolo(*capa.GetSimbolo(), simboloAntes));
        } else {
            EXPECT_TRUE(aplicado);
            EXPECT_TRUE(mensajes.empty());
            EXPECT_EQ(capa.GetEscalaMinima(), caso.aplicadaMinima);
            EXPECT_EQ(capa.GetEscalaMaxima(), caso.aplicadaMaxima);
            EXPECT_EQ(capa.GetSimbolo()->GetSize(), simboloAntes.GetSize() + 1);
        }
    }
    for (const double valor : {0.0, 5000.0, 99999999.0, 143188.23, 1500000.5, 1e20}) {
        escala->SetEscalaMinMax(valor, valor);
        EXPECT_EQ(escala->GetEscalaMinima(), valor);
        EXPECT_EQ(escala->GetEscalaMaxima(), valor);
    }
}

}  // namespace
