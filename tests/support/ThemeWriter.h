#pragma once
// Writes theme files (.vel) for tests: an XML element tree written out as
// bytes, so themes may have any attribute missing or wrong, in any encoding.
#include <string>
#include <utility>
#include <vector>

class XmlElemento {
public:
    explicit XmlElemento(std::string nombre) : nombre(std::move(nombre)) {}
    // Attribute values are written as given (bytes; '&', '<' and '"' escaped).
    XmlElemento& Set(const std::string& atributo, const std::string& valor);
    XmlElemento& Set(const std::string& atributo, const char* valor) { return Set(atributo, std::string(valor)); }
    XmlElemento& Set(const std::string& atributo, long long valor) { return Set(atributo, std::to_string(valor)); }
    XmlElemento& Set(const std::string& atributo, int valor) { return Set(atributo, (long long)valor); }
    XmlElemento& Set(const std::string& atributo, double valor);
    XmlElemento& Remove(const std::string& atributo);
    // Appends a child and returns it (valid until the next child is added).
    XmlElemento& Add(XmlElemento hijo) { return hijos.emplace_back(std::move(hijo)); }
    // Appends a child; returns this element (to chain siblings).
    XmlElemento& With(XmlElemento hijo) { return Add(std::move(hijo)), *this; }
    // The first child of that name; null when there is none.
    XmlElemento* Hijo(const std::string& nombre);
    std::string Xml(int sangria = 0) const;

private:
    std::string nombre;
    std::vector<std::pair<std::string, std::string>> atributos;
    std::vector<XmlElemento> hijos;
};

class ThemeWriter {
public:
    explicit ThemeWriter(const std::string& nombre = "Prueba");
    // The root element: "PROYECTO_VELMOR" version "1.0.0" unless changed.
    XmlElemento& Raiz() { return raiz; }
    // The first "CAPAS" element under the root, created when missing.
    XmlElemento& Capas() { return raiz.Hijo("CAPAS") ? *raiz.Hijo("CAPAS") : raiz.Add(XmlElemento("CAPAS")); }
    // The encoding named in the XML declaration; "" writes no declaration.
    void SetEncoding(const std::string& codificacion) { encoding = codificacion; }
    // A layer element with its four required attributes.
    static XmlElemento Capa(const std::string& nombre, const std::string& archivo,
                            const std::string& ruta = "/", const std::string& tipo = "SHP");
    static XmlElemento Visualizacion(int estado, double escalaMin, double escalaMax);
    // A "SIMBOLOGIA" element with the attributes every theme file carries.
    static XmlElemento Simbologia(int tipo, int estilo, long long colorBorde,
                                  long long colorRelleno, int tamanno, int gradoTrans = 0);
    static XmlElemento SimbologiaTexto(long long colorTexto, int tamanno,
                                       const std::string& fuente = "Sans");
    // "CLASIFICACION" of the given kind ("VALOR", "TEXTO" or any other).
    static XmlElemento Clasificacion(const std::string& tipo);
    // The field (and label description and rotation) of a classification.
    static XmlElemento Campo(const std::string& campo, const std::string& descripcion,
                             const std::string& campoRotacion = "");
    // One class of a value classification, with its symbol.
    static XmlElemento Clase(const std::string& valor, const std::string& descripcion,
                             XmlElemento simbolo);
    std::string Xml() const;
    bool Write(const std::string& ruta) const;  // creates missing directories

private:
    XmlElemento raiz;
    std::string encoding = "ISO-8859-1";
};
