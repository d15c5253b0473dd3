#include "COpcionesLineaComandos.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Resultado {
    bool correcto;
    wxString error;
    COpcionesLineaComandos opciones;
};

Resultado Analizar(const std::vector<const char*>& argumentos) {
    wxArrayString args;
    args.Add("vaq");
    for (const char* a : argumentos) args.Add(wxString::FromUTF8(a));
    Resultado r;
    r.correcto = r.opciones.Analizar(args, r.error);
    return r;
}

// Sound options are checked by the runs of the viewer (ArranqueTest,
// CRenderLineaComandosTest); here, what is refused.
TEST(OpcionesLineaComandos, WrongCommandLinesAreExplained) {
    // Vectors, not initializer lists: a list's array would not outlive the table.
    const std::pair<std::vector<const char*>, const char*> casos[] = {
        {{"--datos"}, "--datos"}, {{"--datos="}, ""}, {{"--dato", "x"}, "--dato"}, {{"atlas"}, ""},
        {{"--mapa", "fisico", "--escala", "100000"}, "--salida"}};
    for (const auto& [argumentos, mencion] : casos) {
        const Resultado r = Analizar(argumentos);
        EXPECT_FALSE(r.correcto) << argumentos.front();
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
