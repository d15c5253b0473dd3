#include "CClasificacionPorValor.h"
#include "CRepresentacionValor.h"
#include <gtest/gtest.h>
#include <wx/gdicmn.h>

namespace {

// Inserts a class at the front of the list, as the theme loader does, and
// returns it.
CRepresentacionValor* InsertarClase(CClasificacionPorValor& c, const wxString& valor) {
    auto* clase = new CRepresentacionValor;
    clase->SetValor(valor);
    c.GetLista()->Insert(clase);
    return clase;
}

}  // namespace

TEST(CClasificacionPorValorTest, NuevaClasificacion) {
    CClasificacionPorValor c;
    EXPECT_EQ(c.GetTipo(), " ");
    EXPECT_EQ(c.GetSimbologia()->GetEstilo(), 0);
    EXPECT_EQ(c.GetSimbologia()->GetSize(), 0);
    EXPECT_TRUE(c.GetSimbologia()->GetFuente().empty());
    ASSERT_NE(c.GetLista(), nullptr);
    EXPECT_TRUE(c.GetLista()->IsEmpty());
    // No classes: every lookup gives the default symbol, never null.
    EXPECT_EQ(c.BuscaSimboloValor(1.0), c.GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(wxString("x")), c.GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(0), c.GetSimbologia());
}

TEST(CClasificacionPorValorTest, BusquedaPorDouble) {
    CClasificacionPorValor c;
    InsertarClase(c, "3");
    CRepresentacionValor* dos = InsertarClase(c, "2");
    InsertarClase(c, "1");
    InsertarClase(c, "abc");
    InsertarClase(c, "");
    EXPECT_EQ(c.BuscaSimboloValor(2.0), dos->GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(2.5), c.GetSimbologia());
    // "abc" and "" do not convert, so they never stand for 0.0.
    EXPECT_EQ(c.BuscaSimboloValor(0.0), c.GetSimbologia());
}

TEST(CClasificacionPorValorTest, BusquedaPorDoubleEnNotacionC) {
    CClasificacionPorValor c;
    CRepresentacionValor* medio = InsertarClase(c, "2.5");
    InsertarClase(c, "2,5");
    EXPECT_EQ(c.BuscaSimboloValor(2.5), medio->GetSimbologia());
}

TEST(CClasificacionPorValorTest, TextoExactoFrenteAEntero) {
    CClasificacionPorValor c;
    CRepresentacionValor* blancoDos = InsertarClase(c, " 2");
    EXPECT_EQ(c.BuscaSimboloValor(wxString("2")), c.GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(wxString(" 2")), blancoDos->GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(2), blancoDos->GetSimbologia());
}

TEST(CClasificacionPorValorTest, TextoSinCifrasValeCeroComoEntero) {
    CClasificacionPorValor c;
    CRepresentacionValor* letras = InsertarClase(c, "Pueblo");
    EXPECT_EQ(c.BuscaSimboloValor(0), letras->GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(0.0), c.GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(wxString("pueblo")), c.GetSimbologia());  // case matters
}

TEST(CClasificacionPorValorTest, EnteroSeDetieneEnLaPrimeraNoCifra) {
    CClasificacionPorValor c;
    CRepresentacionValor* mixto = InsertarClase(c, "12abc");
    CRepresentacionValor* negativo = InsertarClase(c, "-4");
    EXPECT_EQ(c.BuscaSimboloValor(12), mixto->GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(-4), negativo->GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(12.0), c.GetSimbologia());
}

TEST(CClasificacionPorValorTest, GanaLaPrimeraDeLaLista) {
    CClasificacionPorValor c;
    InsertarClase(c, "7");
    CRepresentacionValor* delante = InsertarClase(c, "7");
    c.GetLista()->Insert(static_cast<wxObject*>(nullptr));  // null entries are skipped
    EXPECT_EQ(c.BuscaSimboloValor(7), delante->GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(7.0), delante->GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(wxString("7")), delante->GetSimbologia());
}

TEST(CClasificacionPorValorTest, ValorCambiadoTrasInsertar) {
    CClasificacionPorValor c;
    CRepresentacionValor* clase = InsertarClase(c, "1");
    clase->SetValor("8");
    EXPECT_EQ(c.BuscaSimboloValor(8), clase->GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(8.0), clase->GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloValor(1), c.GetSimbologia());
}

TEST(CClasificacionPorValorTest, SimboloPorDefectoYAsignacion) {
    CClasificacionPorValor c;
    c.SetTipo("VALOR");
    c.SetCampo("USO");
    c.SetDescripcion("Usos del suelo");
    c.GetSimbologia()->SetTransparente(true);
    c.SetSimbologiaDefecto(2, 3, *wxRED, *wxGREEN, 4, "F", "f.ttf", 5, 6);
    EXPECT_TRUE(c.GetSimbologia()->GetTransparente());  // not touched
    EXPECT_EQ(c.GetSimbologia()->GetColorRelleno(), *wxRED);
    EXPECT_EQ(c.GetSimbologia()->GetColorBorde(), *wxGREEN);
    EXPECT_EQ(c.GetSimbologia()->GetCharIndex(), 6);
    InsertarClase(c, "1");

    CClasificacionPorValor otra;
    otra = c;
    EXPECT_EQ(otra.GetTipo(), " ");  // the type is not copied
    EXPECT_EQ(otra.GetCampo(), "USO");
    EXPECT_EQ(otra.GetDescripcion(), "Usos del suelo");
    EXPECT_EQ(otra.GetSimbologia()->GetEstilo(), 3);
    EXPECT_EQ(otra.GetSimbologia()->GetFuente(), "F");
    EXPECT_TRUE(otra.GetLista()->IsEmpty());
    EXPECT_NE(otra.GetLista(), c.GetLista());
}
