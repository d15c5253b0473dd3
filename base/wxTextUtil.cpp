#include "wxTextUtil.h"

#include <cstring>

namespace {
char ToLatin1(wxUniChar ch) {
    const auto code = ch.GetValue();
    return code <= 0xFF ? static_cast<char>(code) : '?';
}
}  // namespace

wxString wxTextUtil::std2wx(const std::string& text) {
    wxString result;
    AsignarLatin1(result, text.data(), text.size());
    return result;
}

void wxTextUtil::AsignarLatin1(wxString& target, const char* bytes, size_t length) {
    target.clear();
    target.reserve(length);
    // The byte is the code point; wxUniChar(char) would go through the locale.
    for (size_t i = 0; i < length; ++i)
        target += wxUniChar(static_cast<unsigned>(static_cast<unsigned char>(bytes[i])));
}

wxString wxTextUtil::chr2wx(const char* text) {
    return text ? std2wx(std::string(text)) : wxString();
}

std::string wxTextUtil::wx2std(const wxString& text) {
    std::string result;
    result.reserve(text.length());
    for (const wxUniChar ch : text) result += ToLatin1(ch);
    return result;
}

char* wxTextUtil::wx2chr(const wxString& text) {
    const std::string bytes = wx2std(text);
    char* result = new char[(text.length() + 1) * 4];
    std::memcpy(result, bytes.c_str(), bytes.size() + 1);
    return result;
}

std::string wxTextUtil::RutaSistema(const wxString& path) {
    const wxCharBuffer bytes = path.fn_str();
    // Without a usable file-name converter (no toolkit started) the names
    // are UTF-8, as they are on the system.
    if (!path.empty() && (!bytes.data() || bytes.length() == 0)) return path.utf8_string();
    return std::string(bytes.data(), bytes.length());
}

int wxTextUtil::GetSizeTextPrint(int a, int b, int c) {
    if (c <= 0 || c > a) return b;
    const int quotient = a / c;
    return static_cast<int>(static_cast<double>(b) / quotient);
}
