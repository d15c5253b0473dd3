#include "CCapasEnMapa.h"
#include "CCapaShp.h"
#include "CRepresentacionTexto.h"

#include <gtest/gtest.h>

namespace {
CRepresentacionTexto* NuevaClaseTexto(int valor) {
    auto* clase = new CRepresentacionTexto;
    clase->SetValor(valor);
    return clase;
}
}  // namespace

TEST(CCapasEnMapa, StartsEmptyWithoutClassification) {
    const CCapasEnMapa holder;
    EXPECT_EQ(holder.GetCapaEnCapa(), nullptr);
    EXPECT_FALSE(holder.GetTieneClasificacion());
    EXPECT_EQ(holder.GetTipoClasificacion().GetTipo(), wxString(wxT(" ")));
    EXPECT_EQ(holder.GetClasificacion(), nullptr);
    EXPECT_EQ(holder.GetClasificacionTexto(), nullptr);
}

TEST(CCapasEnMapa, KeepsLayerAndKindOfClassification) {
    CCapaShp capa;
    CCapasEnMapa holder;
    holder.SetCapaEnMapa(&capa);
    holder.SetTieneClasificacion(true);
    holder.SetTipoClasificacion(wxT("VALOR"));
    EXPECT_EQ(holder.GetCapaEnCapa(), &capa);
    EXPECT_TRUE(holder.GetTieneClasificacion());
    EXPECT_EQ(holder.GetTipoClasificacion().GetTipo(), wxString(wxT("VALOR")));
}

TEST(CCapasEnMapa, LeavesTheLayerAloneWhenReleased) {
    CCapaShp capa;
    capa.SetNombreCapa(wxT("Rios"));
    {
        CCapasEnMapa holder;
        holder.SetCapaEnMapa(&capa);
    }
    EXPECT_EQ(capa.GetNombreCapa(), wxString(wxT("Rios")));
}

TEST(CCapasEnMapa, ValueClassificationIsCreatedOrAdopted) {
    CCapasEnMapa holder;
    holder.SetClasificacionCapa(static_cast<CClasificacionPorValor*>(nullptr));
    CClasificacionPorValor* vacia = holder.GetClasificacion();
    ASSERT_NE(vacia, nullptr);
    EXPECT_TRUE(vacia->GetCampo().empty());

    // A second null keeps the existing one.
    holder.SetClasificacionCapa(static_cast<CClasificacionPorValor*>(nullptr));
    EXPECT_EQ(holder.GetClasificacion(), vacia);

    auto* propia = new CClasificacionPorValor;
    propia->SetCampo(wxT("TIPO"));
    holder.SetClasificacionCapa(propia);  // the holder owns it from now on
    EXPECT_EQ(holder.GetClasificacion(), propia);
    EXPECT_EQ(holder.GetClasificacion()->GetCampo(), wxString(wxT("TIPO")));
    holder.SetClasificacionCapa(propia);  // the same one again is kept, not freed
    EXPECT_EQ(holder.GetClasificacion()->GetCampo(), wxString(wxT("TIPO")));
}

TEST(CCapasEnMapa, TextClassificationCopiesFieldsAndSharesClasses) {
    CClasificacionPorTexto origen;
    origen.SetCampo(wxT("CLASE"));
    origen.SetCampoDescripcion(wxT("NOMBRE"));
    origen.SetCampoRotacion(wxT("ANGULO"));
    origen.SetSimbologiaDefecto(*wxRED, *wxBLUE, true, true, wxT("Serif"), wxT("f.ttf"), 30);
    origen.GetLista()->Append(NuevaClaseTexto(3));
    origen.GetLista()->Append(NuevaClaseTexto(7));

    CCapasEnMapa holder;
    holder.SetClasificacionCapa(&origen);
    CClasificacionPorTexto* copia = holder.GetClasificacionTexto();
    ASSERT_NE(copia, nullptr);
    ASSERT_NE(copia, &origen);
    EXPECT_EQ(copia->GetCampo(), wxString(wxT("CLASE")));
    EXPECT_EQ(copia->GetCampoDescripcion(), wxString(wxT("NOMBRE")));
    EXPECT_EQ(copia->GetCampoRotacion(), wxString(wxT("ANGULO")));
    // The default label style is not copied.
    EXPECT_EQ(copia->GetSimbologiaDefecto()->GetFontSize(), 0);
    EXPECT_FALSE(copia->GetSimbologiaDefecto()->GetNegrita());
    ASSERT_EQ(copia->GetLista()->GetCount(), 2u);
    EXPECT_EQ(copia->GetLista()->Item(0)->GetData(), origen.GetLista()->Item(0)->GetData());

    // Given twice, the classes are appended twice, in order.
    holder.SetClasificacionCapa(&origen);
    ASSERT_EQ(copia->GetLista()->GetCount(), 4u);
    EXPECT_EQ(static_cast<CRepresentacionTexto*>(copia->GetLista()->Item(3)->GetData())->GetValor(),
              7);
    EXPECT_NE(copia->BuscaSimboloTexto(7), nullptr);
}

TEST(CCapasEnMapa, NullTextClassificationOnlyEnsuresOne) {
    CCapasEnMapa holder;
    holder.SetClasificacionCapa(static_cast<CClasificacionPorTexto*>(nullptr));
    ASSERT_NE(holder.GetClasificacionTexto(), nullptr);
    EXPECT_EQ(holder.GetClasificacionTexto()->GetCampoRotacion(), wxString(wxT("ROTACION")));
    EXPECT_EQ(holder.GetClasificacionTexto()->GetLista()->GetCount(), 0u);
}
