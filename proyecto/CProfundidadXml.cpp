#include "CProfundidadXml.h"

#include <algorithm>
#include <cstring>

CProfundidadXml::CProfundidadXml(const std::string& t)
    : texto(t), longitud(std::min(t.size(), std::strlen(t.c_str()))) {}

int CProfundidadXml::Medir(const std::string& texto) {
    return CProfundidadXml(texto).Recorrer();
}

int CProfundidadXml::Recorrer() {
    int profundidad = 0;
    int maxima = 0;
    std::size_t i = 0;
    while (i != kFallo && i < longitud) {
        if (texto[i] == '&') {
            i = Entidad(i);  // text, read up to the next '<' outside entities
        } else if (texto[i] != '<') {
            ++i;
        } else if (Empieza(i, "<?xml", true)) {
            i = Declaracion(i);
        } else if (Empieza(i, "<!--")) {
            i = HastaTras(i + 4, "-->");
            if (i == kFallo) i = longitud;  // an open comment runs to the end
        } else if (Empieza(i, "<![CDATA[")) {
            i = HastaTras(i + 9, "]]>");
        } else if (Empieza(i, "</")) {
            // Ends the open element (or, outside any, is skipped as unknown).
            if (profundidad > 0) --profundidad;
            i = HastaTras(i + 2, ">");
        } else if (EmpiezaNombre(i + 1)) {
            // The element is one level down, also when it is empty or the
            // parser fails inside its tag.
            maxima = std::max(maxima, profundidad + 1);
            bool vacia = false;
            i = EtiquetaDeApertura(i, vacia);
            if (i != kFallo && !vacia) ++profundidad;
        } else {
            // "<!...", "<?..." other than the declaration, "<1": unknown
            // markup, which the parser ends at the first '>'.
            i = HastaTras(i + 1, ">");
            if (i == kFallo) i = longitud;
        }
    }
    return maxima;
}

// The parser reads the attributes version, encoding and standalone (quoted
// values may hold '>') and skips any other word up to a blank or '>'.
std::size_t CProfundidadXml::Declaracion(std::size_t i) const {
    i += 5;
    while (i < longitud) {
        if (texto[i] == '>') return i + 1;
        i = SaltarBlancos(i);
        if (i >= longitud) return kFallo;
        if (Empieza(i, "version", true) || Empieza(i, "encoding", true) ||
            Empieza(i, "standalone", true)) {
            i = Atributo(i);
            if (i == kFallo) return kFallo;
        } else {
            while (i < longitud && texto[i] != '>' && !EsBlanco(i)) ++i;
        }
    }
    return kFallo;
}

// name = value, the value quoted or up to a blank, '/' or '>'.
std::size_t CProfundidadXml::Atributo(std::size_t i) const {
    if (!EmpiezaNombre(i)) return kFallo;
    while (i < longitud && SigueNombre(i)) ++i;
    i = SaltarBlancos(i);
    if (i >= longitud || texto[i] != '=') return kFallo;
    i = SaltarBlancos(i + 1);
    if (i >= longitud) return kFallo;
    const char comilla = texto[i];
    if (comilla == '"' || comilla == '\'') {
        ++i;
        while (i < longitud && texto[i] != comilla) i = texto[i] == '&' ? Entidad(i) : i + 1;
        // The parser fails when the closing quote is the text's last byte.
        return i == kFallo || i + 1 >= longitud ? kFallo : i + 1;
    }
    while (i < longitud && !EsBlanco(i) && texto[i] != '/' && texto[i] != '>') {
        if (texto[i] == '"' || texto[i] == '\'') return kFallo;
        ++i;
    }
    return i;
}

// "<name attributes>" or "<name attributes/>" (then `vacia`).
std::size_t CProfundidadXml::EtiquetaDeApertura(std::size_t i, bool& vacia) const {
    ++i;
    while (i < longitud && SigueNombre(i)) ++i;
    while (true) {
        i = SaltarBlancos(i);
        if (i >= longitud) return kFallo;
        if (texto[i] == '/') {
            vacia = true;
            return i + 1 < longitud && texto[i + 1] == '>' ? i + 2 : kFallo;
        }
        if (texto[i] == '>') return i + 1;
        i = Atributo(i);
        if (i == kFallo || i >= longitud) return kFallo;
    }
}

// A character reference as the parser reads it: from "&#" (or "&#x") to the
// first ';', the bytes before that ';' back to the nearest '#' (or 'x')
// being digits. That '#' need not be the reference's own, so one reference
// may run over any markup up to a later one ("&#1 <a> &#2;"). Other
// entities are one or a few plain bytes.
std::size_t CProfundidadXml::Entidad(std::size_t i) const {
    if (i + 2 >= longitud || texto[i + 1] != '#') return i + 1;
    const bool hexadecimal = texto[i + 2] == 'x';
    const std::size_t desde = hexadecimal ? i + 3 : i + 2;
    if (desde >= longitud) return kFallo;
    const std::size_t fin = texto.find(';', desde);
    if (fin == std::string::npos || fin >= longitud) return kFallo;
    const char marca = hexadecimal ? 'x' : '#';
    for (std::size_t q = fin - 1; texto[q] != marca; --q) {
        const char c = texto[q];
        const bool cifra = (c >= '0' && c <= '9') ||
                           (hexadecimal && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (!cifra) return kFallo;
    }
    return fin + 1;
}

std::size_t CProfundidadXml::HastaTras(std::size_t desde, const char* fin) const {
    const std::size_t p = texto.find(fin, desde);
    return p == std::string::npos || p >= longitud ? kFallo : p + std::strlen(fin);
}

bool CProfundidadXml::Empieza(std::size_t i, const char* prefijo, bool sinMayusculas) const {
    for (; *prefijo; ++prefijo, ++i) {
        if (i >= longitud) return false;
        char c = texto[i];
        if (sinMayusculas && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != *prefijo) return false;
    }
    return true;
}

std::size_t CProfundidadXml::SaltarBlancos(std::size_t i) const {
    while (i < longitud && EsBlanco(i)) ++i;
    return i;
}

// The parser's blanks: the C library's isspace in the "C" locale.
bool CProfundidadXml::EsBlanco(std::size_t i) const {
    const char c = texto[i];
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The parser takes any byte from 127 up as a letter.
bool CProfundidadXml::EmpiezaNombre(std::size_t i) const {
    if (i >= longitud) return false;
    const unsigned char c = static_cast<unsigned char>(texto[i]);
    return c >= 127 || c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool CProfundidadXml::SigueNombre(std::size_t i) const {
    const char c = texto[i];
    return EmpiezaNombre(i) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':';
}
