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
    // Signs stay themselves; the empty fragment is in every text.
    EXPECT_FALSE(CTextoEspanol::Contiene(L("3×4"), "3x4"));
    EXPECT_TRUE(CTextoEspanol::Contiene("", ""));
    EXPECT_FALSE(CTextoEspanol::Contiene("", "a"));
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
