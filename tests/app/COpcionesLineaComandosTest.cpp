#include "COpcionesLineaComandos.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace {

struct Resultado {
    bool correcto;
    wxString error;
    COpcionesLineaComandos opciones;
};

Resultado Analizar(std::initializer_list<const char*> argumentos) {
    wxArrayString args;
    args.Add("vaq");
    for (const char* a : argumentos) args.Add(wxString::FromUTF8(a));
    Resultado r;
    r.correcto = r.opciones.Analizar(args, r.error);
    return r;
}

TEST(OpcionesLineaComandos, NoArgumentsIsTheNormalStart) {
    const Resultado r = Analizar({});
    ASSERT_TRUE(r.correcto);
    EXPECT_TRUE(r.opciones.datos.empty());
    EXPECT_FALSE(r.opciones.silencioso);
    EXPECT_FALSE(r.opciones.cerrarTrasMostrar);
    EXPECT_FALSE(r.opciones.EsRender());
}

TEST(OpcionesLineaComandos, DataDirectoryInBothForms) {
    Resultado r = Analizar({"--datos", "/srv/atlas"});
    ASSERT_TRUE(r.correcto);
    EXPECT_EQ(r.opciones.datos, "/srv/atlas");
    r = Analizar({"--datos=/srv/otro atlas", "--silencioso", "--cerrar-tras-mostrar"});
    ASSERT_TRUE(r.correcto);
    EXPECT_EQ(r.opciones.datos, "/srv/otro atlas");
    EXPECT_TRUE(r.opciones.silencioso);
    EXPECT_TRUE(r.opciones.cerrarTrasMostrar);
}

TEST(OpcionesLineaComandos, WrongCommandLinesAreExplained) {
    Resultado r = Analizar({"--datos"});
    EXPECT_FALSE(r.correcto);
    EXPECT_TRUE(r.error.Contains("--datos"));
    r = Analizar({"--datos="});
    EXPECT_FALSE(r.correcto);
    r = Analizar({"--dato", "x"});
    EXPECT_FALSE(r.correcto);
    EXPECT_TRUE(r.error.Contains("--dato"));
    r = Analizar({"atlas"});
    EXPECT_FALSE(r.correcto);
}

TEST(OpcionesLineaComandos, RenderOptions) {
    const Resultado r = Analizar({"--mapa", "fisico", "--salida", "mapa.png", "--tamano", "800x600",
                                  "--escala=250000", "--extension", "100.5,4000000,300000,4200000.25"});
    ASSERT_TRUE(r.correcto) << r.error;
    const COpcionesLineaComandos& o = r.opciones;
    EXPECT_TRUE(o.EsRender());
    EXPECT_EQ(o.mapa, "fisico");
    EXPECT_EQ(o.salida, "mapa.png");
    EXPECT_EQ(o.ancho, 800);
    EXPECT_EQ(o.alto, 600);
    EXPECT_DOUBLE_EQ(o.escala, 250000);
    ASSERT_TRUE(o.HayExtension());
    EXPECT_DOUBLE_EQ(o.xmin, 100.5);
    EXPECT_DOUBLE_EQ(o.ymin, 4000000);
    EXPECT_DOUBLE_EQ(o.xmax, 300000);
    EXPECT_DOUBLE_EQ(o.ymax, 4200000.25);

    const Resultado minima = Analizar({"--salida", "m.png"});
    ASSERT_TRUE(minima.correcto);
    EXPECT_EQ(minima.opciones.ancho, 0);
    EXPECT_EQ(minima.opciones.escala, 0.0);
    EXPECT_FALSE(minima.opciones.HayExtension());
}

TEST(OpcionesLineaComandos, BadRenderValuesAreRefused) {
    for (const char* tamano : {"800", "0x600", "800x-1", "axb", "800x600x2", "30000x10"})
        EXPECT_FALSE(Analizar({"--salida", "m.png", "--tamano", tamano}).correcto) << tamano;
    for (const char* escala : {"0", "-5", "uno", "nan", "inf"})
        EXPECT_FALSE(Analizar({"--salida", "m.png", "--escala", escala}).correcto) << escala;
    for (const char* extension : {"1,2,3", "1,2,3,4,5", "3,2,1,4", "1,4,3,2", "1,2,x,4", "1,1,1,1"})
        EXPECT_FALSE(Analizar({"--salida", "m.png", "--extension", extension}).correcto) << extension;
}

TEST(OpcionesLineaComandos, RenderOptionsNeedAnOutputFile) {
    const Resultado r = Analizar({"--mapa", "fisico", "--escala", "100000"});
    EXPECT_FALSE(r.correcto);
    EXPECT_TRUE(r.error.Contains("--salida"));
}

}  // namespace
