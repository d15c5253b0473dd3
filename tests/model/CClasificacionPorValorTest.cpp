// Looking classes up by value, and copying classifications and symbols.
#include "CClasificacionPorTexto.h"
#include "CClasificacionPorValor.h"
#include "CRepresentacionTexto.h"
#include "CRepresentacionValor.h"
#include <gtest/gtest.h>
#include <wx/gdicmn.h>
#include <map>
#include <type_traits>
#include <variant>

namespace {
// Inserts a class at the front of the list, as the theme loader does.
template <class Clasificacion, class Valor>
auto* InsertarClase(Clasificacion& c, Valor valor) {
    using Clase = std::conditional_t<std::is_same_v<Clasificacion, CClasificacionPorValor>,
                                     CRepresentacionValor, CRepresentacionTexto>;
    auto* clase = new Clase;
    clase->SetValor(valor);
    c.GetLista()->Insert(clase);
    return clase;
}
}  // namespace

// Classes, listed front first after a null entry (skipped): "abc" (0 as an
// integer, never 0.0), "", "-4", "12abc" (12 as an integer only), "Pueblo",
// " 2" (2 as an integer, not as text), "2.5" (C notation), "2,5", "7" twice.
TEST(CClasificacionPorValorTest, BuscaLaPrimeraClaseQueCoincide) {
    CClasificacionPorValor c;
    EXPECT_EQ(c.BuscaSimboloValor(1.0), c.GetSimbologia());  // no classes: the default
    InsertarClase(c, wxString("7"));
    const wxString valores[] = {"7", "2,5", "2.5", " 2", "Pueblo", "12abc", "-4", "", "abc"};
    std::map<wxString, const CSimboloObj*> simbolo;
    for (const wxString& v : valores) simbolo[v] = InsertarClase(c, v)->GetSimbologia();
    c.GetLista()->Insert(static_cast<wxObject*>(nullptr));
    const CSimboloObj* defecto = c.GetSimbologia();
    using Clave = std::variant<int, double, wxString>;
    const std::pair<Clave, const CSimboloObj*> casos[] = {
        {7, simbolo["7"]}, {2.5, simbolo["2.5"]}, {0.0, defecto}, {wxString("2"), defecto},
        {wxString(" 2"), simbolo[" 2"]}, {2, simbolo[" 2"]}, {0, simbolo["abc"]}, {wxString("pueblo"), defecto},
        {12, simbolo["12abc"]}, {12.0, defecto}, {-4.0, simbolo["-4"]}};
    int i = 0;
    for (const auto& caso : casos) {
        const CSimboloObj* esperado = caso.second;
        std::visit([&](const auto& v) { EXPECT_EQ(c.BuscaSimboloValor(v), esperado) << "case " << i; }, caso.first);
        ++i;
    }
    // A value changed after inserting is looked up by its new value.
    auto* cambiada = static_cast<CRepresentacionValor*>(c.GetLista()->Item(1)->GetData());
    cambiada->SetValor("8");
    EXPECT_EQ(c.BuscaSimboloValor(8.0), cambiada->GetSimbologia());
}

// Text classes: the first that matches, never the default style. Assignment
// copies fields and default symbols but neither the type nor the classes.
TEST(CClasificacionPorTextoTest, BuscaLaPrimeraClaseYLaAsignacionNoCopiaTipoNiLista) {
    CClasificacionPorTexto t, otraT;
    t.SetTipo("TEXTO");
    t.SetCampo("CLASE");
    t.SetCampoRotacion("ANGULO");
    t.SetSimbologiaDefecto(*wxRED, *wxBLUE, true, false, "Serif", "s.ttf", 11);
    InsertarClase(t, 3);
    CRepresentacionTexto* primera = InsertarClase(t, 3);
    CRepresentacionTexto* uno = InsertarClase(t, 1);
    t.GetLista()->Append(static_cast<wxObject*>(nullptr));
    EXPECT_EQ(t.BuscaSimboloTexto(3), primera->GetSimbologia());
    EXPECT_EQ(t.BuscaSimboloTexto(1), uno->GetSimbologia());
    EXPECT_EQ(t.BuscaSimboloTexto(2), nullptr);
    otraT = t;
    EXPECT_EQ(otraT.GetTipo() + otraT.GetCampo() + otraT.GetCampoRotacion(), " CLASEANGULO");
    const CSimboloTexto& e = *otraT.GetSimbologiaDefecto();
    EXPECT_TRUE(e.GetColorTexto() == *wxRED && e.GetColorFondo() == *wxBLUE && e.GetNegrita() && !e.GetCursiva());
    EXPECT_EQ(e.GetFuente() + e.GetFileFont() + std::to_string(e.GetFontSize()), "Serifs.ttf11");
    EXPECT_EQ(otraT.BuscaSimboloTexto(1), nullptr);
}
