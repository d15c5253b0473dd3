#pragma once
// Deepest element nesting of an XML text, measured before the text is given
// to the theme parser (TinyXML), whose recursion per nesting level would
// otherwise overflow the stack on a hostile file.
//
// The scan reads the text exactly as that parser does in its ISO-8859-1
// (legacy) mode: where each markup construct ends decides which '<' open
// elements, so a construct that this scan ended later than the parser would
// hide elements from it. The scan stops where the parser stops with an
// error; after that nothing more is parsed.
#include <string>

class CProfundidadXml {
public:
    // Deepest nesting of elements the parser would build from `texto`
    // (which it reads up to the first NUL byte).
    static int Medir(const std::string& texto);

private:
    explicit CProfundidadXml(const std::string& texto);

    static constexpr std::size_t kFallo = std::string::npos;

    int Recorrer();
    // Each takes the position of a '<' and returns the position after the
    // construct, or kFallo where the parser fails.
    std::size_t Declaracion(std::size_t i) const;
    std::size_t Atributo(std::size_t i) const;
    std::size_t EtiquetaDeApertura(std::size_t i, bool& vacia) const;
    std::size_t Entidad(std::size_t i) const;
    std::size_t HastaTras(std::size_t desde, const char* fin) const;

    bool Empieza(std::size_t i, const char* prefijo, bool sinMayusculas = false) const;
    std::size_t SaltarBlancos(std::size_t i) const;
    bool EsBlanco(std::size_t i) const;
    bool EmpiezaNombre(std::size_t i) const;
    bool SigueNombre(std::size_t i) const;

    const std::string& texto;
    const std::size_t longitud;  // up to the first NUL
};
