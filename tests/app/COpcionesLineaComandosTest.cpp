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

TEST(OpcionesLineaComandos, StartAndRenderOptions) {
    Resultado r = Analizar({});
    ASSERT_TRUE(r.correcto);
    EXPECT_TRUE(r.opciones.datos.empty() && !r.opciones.silencioso && !r.opciones.cerrarTrasMostrar);
    EXPECT_FALSE(r.opciones.EsRender());
    r = Analizar({"--datos=/srv/otro atlas", "--silencioso", "--cerrar-tras-mostrar"});
    ASSERT_TRUE(r.correcto);
    EXPECT_EQ(r.opciones.datos, "/srv/otro atlas");
    EXPECT_TRUE(r.opciones.silencioso && r.opciones.cerrarTrasMostrar);

    r = Analizar({"--datos", "/srv/atlas", "--mapa", "fisico", "--salida", "mapa.png", "--tamano", "800x600",
                  "--escala=250000", "--extension", "100.5,4000000,300000,4200000.25"});
    ASSERT_TRUE(r.correcto) << r.error;
    const COpcionesLineaComandos& o = r.opciones;
    EXPECT_TRUE(o.EsRender());
    EXPECT_EQ(o.datos + o.mapa + o.salida, "/srv/atlasfisicomapa.png");
    EXPECT_EQ(o.ancho, 800);
    EXPECT_EQ(o.alto, 600);
    EXPECT_EQ(o.escala, 250000);
    ASSERT_TRUE(o.HayExtension());
    EXPECT_EQ(std::vector<double>({o.xmin, o.ymin, o.xmax, o.ymax}), std::vector<double>({100.5, 4000000, 300000, 4200000.25}));
    r = Analizar({"--salida", "m.png"});
    ASSERT_TRUE(r.correcto);
    EXPECT_TRUE(r.opciones.ancho == 0 && r.opciones.escala == 0.0 && !r.opciones.HayExtension());
}

TEST(OpcionesLineaComandos, WrongCommandLinesAreExplained) {
    const std::pair<std::initializer_list<const char*>, const char*> casos[] = {
        {{"--datos"}, "--datos"}, {{"--datos="}, ""}, {{"--dato", "x"}, "--dato"}, {{"atlas"}, ""},
        {{"--mapa", "fisico", "--escala", "100000"}, "--salida"}};
    for (const auto& [argumentos, mencion] : casos) {
        const Resultado r = Analizar(argumentos);
        EXPECT_FALSE(r.correcto) << *argumentos.begin();
        EXPECT_TRUE(r.error.Contains(mencion)) << r.error;
    }
    for (const char* tamano : {"800", "0x600", "800x-1", "axb", "800x600x2", "30000x10"})
        EXPECT_FALSE(Analizar({"--salida", "m.png", "--tamano", tamano}).correcto) << tamano;
    for (const char* escala : {"0", "-5", "uno", "nan", "inf"})
        EXPECT_FALSE(Analizar({"--salida", "m.png", "--escala", escala}).correcto) << escala;
    for (const char* extension : {"1,2,3", "1,2,3,4,5", "3,2,1,4", "1,4,3,2", "1,2,x,4", "1,1,1,1"})
        EXPECT_FALSE(Analizar({"--salida", "m.png", "--extension", extension}).correcto) << extension;
}

}  // namespace
