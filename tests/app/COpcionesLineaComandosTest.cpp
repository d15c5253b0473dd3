#include "COpcionesLineaComandos.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Whether the command line is taken; `error` explains a refusal.
bool Analizar(const std::vector<const char*>& argumentos, wxString& error) {
    wxArrayString args;
    args.Add("vaq");
    for (const char* a : argumentos) args.Add(wxString::FromUTF8(a));
    return COpcionesLineaComandos().Analizar(args, error);
}

// Sound options are checked by the runs of the viewer (ArranqueTest,
// CRenderLineaComandosTest); here, what is refused.
TEST(OpcionesLineaComandos, WrongCommandLinesAreExplained) {
    // Vectors, not initializer lists: a list's array would not outlive the table.
    const std::pair<std::vector<const char*>, const char*> casos[] = {
        {{"--datos"}, "--datos"}, {{"--datos="}, ""}, {{"--dato", "x"}, "--dato"}, {{"atlas"}, ""},
        {{"--mapa", "fisico", "--escala", "100000"}, "--salida"}};
    for (const auto& [argumentos, mencion] : casos) {
        wxString error;
        EXPECT_FALSE(Analizar(argumentos, error)) << argumentos.front();
        EXPECT_TRUE(error.Contains(mencion)) << error;
    }
    const std::pair<const char*, std::vector<const char*>> valores[] = {
        {"--tamano", {"800", "0x600", "800x-1", "axb", "800x600x2", "30000x10"}},
        {"--escala", {"0", "-5", "uno", "nan", "inf"}},
        {"--extension", {"1,2,3", "1,2,3,4,5", "3,2,1,4", "1,4,3,2", "1,2,x,4", "1,1,1,1"}}};
    wxString error;
    for (const auto& [opcion, malos] : valores)
        for (const char* valor : malos)
            EXPECT_FALSE(Analizar({"--salida", "m.png", opcion, valor}, error)) << opcion << " " << valor;
}

}  // namespace
