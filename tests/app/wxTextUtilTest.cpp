#include "wxTextUtil.h"

#include <gtest/gtest.h>
#include <memory>

TEST(wxTextUtil, Latin1BytesRoundTripThroughWideStrings) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    const wxString wide = wxTextUtil::std2wx(all);
    ASSERT_EQ(wide.length(), all.size());
    EXPECT_EQ(wide[0xF1 - 1].GetValue(), 0xF1u);  // ñ keeps its code point
    EXPECT_EQ(wxTextUtil::wx2std(wide), all);
}

TEST(wxTextUtil, SpanishTextBecomesLatin1Bytes) {
    const wxString text = wxString::FromUTF8("Málaga, Cádiz, España");
    EXPECT_EQ(wxTextUtil::wx2std(text), "M\xE1laga, C\xE1" "diz, Espa\xF1" "a");
    std::unique_ptr<char[]> bytes(wxTextUtil::wx2chr(text));
    EXPECT_STREQ(bytes.get(), "M\xE1laga, C\xE1" "diz, Espa\xF1" "a");
    EXPECT_EQ(wxTextUtil::chr2wx(bytes.get()), text);
}

TEST(wxTextUtil, CharactersOutsideLatin1BecomeQuestionMarks) {
    EXPECT_EQ(wxTextUtil::wx2std(wxString::FromUTF8("a€b")), "a?b");
    EXPECT_EQ(wxTextUtil::chr2wx(nullptr), wxString());
}

TEST(wxTextUtil, GetSizeTextPrintShrinksInWholeSteps) {
    EXPECT_EQ(wxTextUtil::GetSizeTextPrint(1024, 10, 512), 5);
    EXPECT_EQ(wxTextUtil::GetSizeTextPrint(1024, 10, 300), 3);
    EXPECT_EQ(wxTextUtil::GetSizeTextPrint(1024, 10, 1024), 10);
    EXPECT_EQ(wxTextUtil::GetSizeTextPrint(1024, 10, 0), 10);
    EXPECT_EQ(wxTextUtil::GetSizeTextPrint(1024, 10, 2048), 10);
}

// Table values are converted byte by byte whatever the locale: under "C" a
// locale conversion would turn every accented byte into '?'.
TEST(wxTextUtil, AsignarLatin1IgnoresTheLocale) {
    wxString target = "previous";
    const char bytes[] = "C\xF3rdoba   ";
    wxTextUtil::AsignarLatin1(target, bytes, 7);
    EXPECT_EQ(target, wxString::FromUTF8("Córdoba"));
}
