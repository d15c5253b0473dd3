#pragma once
// Conversions between the toolkit's wide strings and the ISO-8859-1 byte
// strings that every data file and the gazetteer use.
#include <wx/string.h>
#include <string>

class wxTextUtil {
public:
    // Bytes read as ISO-8859-1: one wide character per byte.
    static wxString std2wx(const std::string& text);
    static wxString chr2wx(const char* text);  // null gives ""
    // The first `length` bytes into `target`, reusing its storage (for loops
    // that convert one table value after another).
    static void AsignarLatin1(wxString& target, const char* bytes, size_t length);
    // Each wide character to its ISO-8859-1 byte; characters outside
    // ISO-8859-1 become '?'.
    static std::string wx2std(const wxString& text);
    // Same, in a new NUL-terminated array of (length + 1) * 4 bytes that the
    // caller releases with delete[].
    static char* wx2chr(const wxString& text);
    // A file path as the system names files (its file-name encoding: UTF-8
    // on Debian), to open it. File names are not data texts.
    static std::string RutaSistema(const wxString& path);
    // b divided by the integer quotient a / c, truncated toward zero; the size
    // is returned unchanged when c is 0 or above a (the quotient would be 0).
    static int GetSizeTextPrint(int a, int b, int c);
};
