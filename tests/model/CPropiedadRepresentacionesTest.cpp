#include "CClasificacionPorTexto.h"
#include "CClasificacionPorValor.h"
#include "CRepresentacionTexto.h"
#include "CRepresentacionValor.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

int g_vivas = 0;

// Counts live classes, to see when they are freed.
class ClaseContada : public CRepresentacionValor {
public:
    ClaseContada() { ++g_vivas; }
    ~ClaseContada() override { --g_vivas; }
};

class EtiquetaContada : public CRepresentacionTexto {
public:
    EtiquetaContada() { ++g_vivas; }
    ~EtiquetaContada() override { --g_vivas; }
};

}  // namespace

TEST(CPropiedadRepresentacionesTest, LaClasificacionLiberaSusClases) {
    g_vivas = 0;
    {
        CClasificacionPorValor c;
        c.GetLista()->Insert(new ClaseContada);
        c.GetLista()->Insert(new ClaseContada);
        EXPECT_EQ(g_vivas, 2);
    }
    EXPECT_EQ(g_vivas, 0);
}

TEST(CPropiedadRepresentacionesTest, ClasesCompartidasVivenHastaLaUltimaClasificacion) {
    g_vivas = 0;
    auto cargada = std::make_unique<CClasificacionPorTexto>();
    auto* etiqueta = new EtiquetaContada;
    etiqueta->SetValor(5);
    cargada->GetLista()->Insert(etiqueta);

    CClasificacionPorTexto capa;
    // Shared twice, as a layer holder does when given the same classes twice.
    capa.GetLista()->Append(etiqueta);
    capa.GetLista()->Append(etiqueta);

    cargada.reset();
    EXPECT_EQ(g_vivas, 1);
    EXPECT_EQ(capa.BuscaSimboloTexto(5), etiqueta->GetSimbologia());

    auto otra = std::make_unique<CClasificacionPorTexto>();
    otra->GetLista()->Append(etiqueta);
    capa.GetLista()->Clear();  // the holder let go of it; `otra` still lists it
    otra.reset();
    EXPECT_EQ(g_vivas, 0);
}
