#include "wxTextUtil.h"

#include <gtest/gtest.h>
#include <memory>

// Table bytes are ISO-8859-1 whatever the locale (under "C" a locale
// conversion would turn every accented byte into '?').
TEST(wxTextUtil, Latin1BytesConvertByteByByteBothWays) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    const wxString wide = wxTextUtil::std2wx(all);
    ASSERT_EQ(wide.length(), all.size());
    EXPECT_EQ(wide[0xF1 - 1].GetValue(), 0xF1u);  // ñ keeps its code point
    EXPECT_EQ(wxTextUtil::wx2std(wide), all);
    const wxString text = wxString::FromUTF8("Cádiz, España €");
    std::unique_ptr<char[]> bytes(wxTextUtil::wx2chr(text));
    EXPECT_STREQ(bytes.get(), "C\xE1" "diz, Espa\xF1" "a ?");  // outside Latin-1: '?'
    EXPECT_EQ(wxTextUtil::chr2wx(nullptr), wxString());
    wxString target = "previous";
    wxTextUtil::AsignarLatin1(target, "C\xF3rdoba   ", 7);
    EXPECT_EQ(target, wxString::FromUTF8("Córdoba"));
}

TEST(wxTextUtil, GetSizeTextPrintShrinksInWholeSteps) {
    const int anchos[] = {512, 300, 1024, 0, 2048}, tamanos[] = {5, 3, 10, 10, 10};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(wxTextUtil::GetSizeTextPrint(1024, 10, anchos[i]), tamanos[i]) << "case " << i;
}
