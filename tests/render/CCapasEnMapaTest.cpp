// A layer's holder in the map and the classifications it owns or shares.
#include "CCapasEnMapa.h"
#include "CCapaShp.h"
#include "CRepresentacionTexto.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>

#include <unistd.h>

namespace {
int g_vivas = 0;

// Counts live label classes, to see when they are freed.
class EtiquetaContada : public CRepresentacionTexto {
public:
    explicit EtiquetaContada(int valor) { ++g_vivas; SetValor(valor); }
    ~EtiquetaContada() override { --g_vivas; }
};
}  // namespace

TEST(CCapasEnMapa, ValueClassificationIsCreatedOrAdoptedAndTheLayerLeftAlone) {
    CCapaShp capa;
    capa.SetNombreCapa(wxT("Rios"));
    {
        CCapasEnMapa holder;
        holder.SetCapaEnMapa(&capa);
        holder.SetClasificacionCapa(static_cast<CClasificacionPorValor*>(nullptr));
        ASSERT_NE(holder.GetClasificacion(), nullptr);
        auto* propia = new CClasificacionPorValor;
        propia->SetCampo(wxT("TIPO"));
        holder.SetClasificacionCapa(propia);  // the holder owns it from now on
        EXPECT_EQ(holder.GetClasificacion(), propia);
        holder.SetClasificacionCapa(propia);  // the same one again is kept, not freed
        EXPECT_EQ(holder.GetClasificacion()->GetCampo(), wxString(wxT("TIPO")));
    }
    EXPECT_EQ(capa.GetNombreCapa(), wxString(wxT("Rios")));
}

// The holder copies the fields (not the default style) and shares the
// classes, which live until the last classification listing them goes.
TEST(CCapasEnMapa, TextClassificationCopiesFieldsAndSharesClasses) {
    g_vivas = 0;
    auto origen = std::make_unique<CClasificacionPorTexto>();
    origen->SetCampo(wxT("CLASE"));
    origen->SetCampoDescripcion(wxT("NOMBRE"));
    origen->SetCampoRotacion(wxT("ANGULO"));
    origen->SetSimbologiaDefecto(*wxRED, *wxBLUE, true, true, wxT("Serif"), wxT("f.ttf"), 30);
    origen->GetLista()->Append(new EtiquetaContada(3));
    origen->GetLista()->Append(new EtiquetaContada(7));
    {
        CCapasEnMapa holder;
        holder.SetClasificacionCapa(origen.get());
        CClasificacionPorTexto* copia = holder.GetClasificacionTexto();
        ASSERT_NE(copia, nullptr);
        ASSERT_NE(copia, origen.get());
        EXPECT_EQ(copia->GetCampo() + copia->GetCampoDescripcion() + copia->GetCampoRotacion(), "CLASENOMBREANGULO");
        EXPECT_EQ(copia->GetSimbologiaDefecto()->GetFontSize(), 0);
        holder.SetClasificacionCapa(origen.get());  // given twice: appended twice
        ASSERT_EQ(copia->GetLista()->GetCount(), 4u);
        EXPECT_EQ(copia->GetLista()->Item(3)->GetData(), origen->GetLista()->Item(1)->GetData());
        origen.reset();
        EXPECT_EQ(g_vivas, 2);
        EXPECT_NE(copia->BuscaSimboloTexto(7), nullptr);
        // Its own classification changes nothing, and returns (within a second).
        EXPECT_EXIT(
            {
                alarm(1);
                holder.SetClasificacionCapa(copia);
                std::_Exit(copia->GetLista()->GetCount() == 4u ? 0 : 1);
            },
            testing::ExitedWithCode(0), "");
    }
    EXPECT_EQ(g_vivas, 0);
    CCapasEnMapa vacio;
    vacio.SetClasificacionCapa(static_cast<CClasificacionPorTexto*>(nullptr));
    ASSERT_NE(vacio.GetClasificacionTexto(), nullptr);
    EXPECT_EQ(vacio.GetClasificacionTexto()->GetCampoRotacion(), wxString(wxT("ROTACION")));
}
