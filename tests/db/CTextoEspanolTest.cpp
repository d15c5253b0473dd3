#include "CTextoEspanol.h"

#include "wxTextUtil.h"

#include <gtest/gtest.h>
#include <wx/string.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {
std::string L(const char* utf8) { return wxTextUtil::wx2std(wxString::FromUTF8(utf8)); }
}  // namespace

TEST(CTextoEspanol, MatchesEveryLatin1LetterWhateverItsCaseOrAccent) {
    const struct {
        const char* letras;
        char base;
    } grupos[] = {{"AaÀÁÂÃÄÅàáâãäå", 'a'}, {"CcÇç", 'c'},       {"EeÈÉÊËèéêë", 'e'},
                  {"IiÌÍÎÏìíîï", 'i'},     {"NnÑñ", 'n'},       {"OoÒÓÔÕÖØòóôõöø", 'o'},
                  {"UuÙÚÛÜùúûü", 'u'},     {"YyÝýÿ", 'y'},      {"Zz", 'z'}};
    for (const auto& grupo : grupos) {
        for (const char letra : L(grupo.letras)) {
            const std::string conLetra = std::string("x") + letra + "z";
            const std::string conBase = std::string("x") + grupo.base + "z";
            EXPECT_TRUE(CTextoEspanol::Contiene("<" + conLetra + ">", conBase)) << grupo.letras;
            EXPECT_TRUE(CTextoEspanol::Contiene("<" + conBase + ">", conLetra)) << grupo.letras;
            EXPECT_FALSE(CTextoEspanol::Contiene("<" + conLetra + ">", "xbz")) << grupo.letras;
        }
    }
    const struct {
        const char* texto;
        const char* fragmento;
        bool contiene;
    } casos[] = {{"Córdoba", "cordoba", true},   {"CÓRDOBA", "Córdoba", true},  {"Málaga", "MALAGA", true},
                 {"Logroño", "logrono", true},   {"Sevilla", "sevila", false},  {"Alcalá", "alcalá del", false},
                 {"100% Natural", "%", true},    {"Natural", "%", false},       {"Sierra_Norte", "a_n", true},
                 {"Sierra Norte", "a_n", false}, {"L'Hospitalet", "l'h", true}, {"Écija", "", true},
                 {"", "a", false},               {"3×4", "3x4", false}};
    for (const auto& c : casos)
        EXPECT_EQ(CTextoEspanol::Contiene(L(c.texto), L(c.fragmento)), c.contiene) << c.texto << " / " << c.fragmento;
}

TEST(CTextoEspanol, OrdersAsTheSpanishAlphabet) {
    // Letters by the alphabet, ñ after n; accents, then case, only break ties.
    std::vector<std::string> esperado;
    for (const char* nombre : {"100 Pinos", "Anzur", "Añora", "Ávila", "Badajoz", "ecija", "Ecija", "écija", "Écija",
                               "La Rambla", "Lacalahorra", "Pena", "Penalva", "Peña", "Sierra Norte",
                               "Sierra_Norte", "Zújar"})
        esperado.push_back(L(nombre));
    std::vector<std::string> nombres = esperado;
    std::shuffle(nombres.begin(), nombres.end(), std::mt19937(7));
    std::sort(nombres.begin(), nombres.end(),
              [](const std::string& a, const std::string& b) { return CTextoEspanol::Comparar(a, b) < 0; });
    EXPECT_EQ(nombres, esperado);
    for (const std::string& nombre : esperado) EXPECT_EQ(CTextoEspanol::Comparar(nombre, nombre), 0);
}
