#include "CClasificacionPorTexto.h"
#include "CRepresentacionTexto.h"
#include <gtest/gtest.h>
#include <wx/gdicmn.h>

namespace {

CRepresentacionTexto* InsertarClase(CClasificacionPorTexto& c, int valor) {
    auto* clase = new CRepresentacionTexto;
    clase->SetValor(valor);
    c.GetLista()->Insert(clase);
    return clase;
}

}  // namespace

TEST(CClasificacionPorTextoTest, NuevaClasificacion) {
    CClasificacionPorTexto c;
    EXPECT_EQ(c.GetCampoRotacion(), "ROTACION");
    EXPECT_TRUE(c.GetCampo().empty());
    EXPECT_TRUE(c.GetCampoDescripcion().empty());
    EXPECT_EQ(c.GetSimbologiaDefecto()->GetFuente(), " ");
    EXPECT_EQ(c.BuscaSimboloTexto(0), nullptr);
}

TEST(CClasificacionPorTextoTest, BuscaLaPrimeraClaseConElValor) {
    CClasificacionPorTexto c;
    InsertarClase(c, 3);
    CRepresentacionTexto* primera = InsertarClase(c, 3);
    CRepresentacionTexto* uno = InsertarClase(c, 1);
    c.GetLista()->Append(static_cast<wxObject*>(nullptr));
    EXPECT_EQ(c.BuscaSimboloTexto(3), primera->GetSimbologia());
    EXPECT_EQ(c.BuscaSimboloTexto(1), uno->GetSimbologia());
    // No class: no style (the default is not used in its place).
    EXPECT_EQ(c.BuscaSimboloTexto(2), nullptr);
}

TEST(CClasificacionPorTextoTest, AsignacionSinLista) {
    CClasificacionPorTexto c;
    c.SetTipo("TEXTO");
    c.SetCampo("CLASE");
    c.SetCampoDescripcion("NOMBRE");
    c.SetCampoRotacion("ANGULO");
    c.SetSimbologiaDefecto(*wxRED, *wxBLUE, true, true, "Serif", "s.ttf", 11);
    InsertarClase(c, 1);

    CClasificacionPorTexto otra;
    otra = c;
    EXPECT_EQ(otra.GetTipo(), " ");
    EXPECT_EQ(otra.GetCampo(), "CLASE");
    EXPECT_EQ(otra.GetCampoDescripcion(), "NOMBRE");
    EXPECT_EQ(otra.GetCampoRotacion(), "ANGULO");
    EXPECT_EQ(otra.GetSimbologiaDefecto()->GetColorTexto(), *wxRED);
    EXPECT_EQ(otra.GetSimbologiaDefecto()->GetFontSize(), 11);
    EXPECT_EQ(otra.BuscaSimboloTexto(1), nullptr);
}
