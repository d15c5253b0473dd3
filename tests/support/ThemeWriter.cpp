#include "ThemeWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string Escapar(const std::string& texto) {
    std::string salida;
    for (char c : texto) {
        switch (c) {
            case '&': salida += "&amp;"; break;
            case '<': salida += "&lt;"; break;
            case '"': salida += "&quot;"; break;
            default: salida += c;
        }
    }
    return salida;
}

std::string Real(double valor) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.17g", valor);
    return texto;
}

}  // namespace

XmlElemento& XmlElemento::Set(const std::string& atributo, const std::string& valor) {
    for (auto& par : atributos)
        if (par.first == atributo) {
            par.second = valor;
            return *this;
        }
    atributos.emplace_back(atributo, valor);
    return *this;
}

XmlElemento& XmlElemento::Set(const std::string& atributo, const char* valor) {
    return Set(atributo, std::string(valor));
}

XmlElemento& XmlElemento::Set(const std::string& atributo, long long valor) {
    return Set(atributo, std::to_string(valor));
}

XmlElemento& XmlElemento::Set(const std::string& atributo, double valor) {
    return Set(atributo, Real(valor));
}

XmlElemento& XmlElemento::Remove(const std::string& atributo) {
    for (auto it = atributos.begin(); it != atributos.end(); ++it)
        if (it->first == atributo) {
            atributos.erase(it);
            break;
        }
    return *this;
}

XmlElemento& XmlElemento::Add(XmlElemento hijo) {
    hijos.push_back(std::move(hijo));
    return hijos.back();
}

XmlElemento& XmlElemento::With(XmlElemento hijo) {
    hijos.push_back(std::move(hijo));
    return *this;
}

XmlElemento* XmlElemento::Hijo(const std::string& nombreHijo) {
    for (auto& hijo : hijos)
        if (hijo.nombre == nombreHijo) return &hijo;
    return nullptr;
}

std::string XmlElemento::Xml(int sangria) const {
    const std::string margen(static_cast<size_t>(sangria) * 2, ' ');
    std::string texto = margen + "<" + nombre;
    for (const auto& par : atributos) texto += " " + par.first + "=\"" + Escapar(par.second) + "\"";
    if (hijos.empty()) return texto + " />\n";
    texto += ">\n";
    for (const auto& hijo : hijos) texto += hijo.Xml(sangria + 1);
    return texto + margen + "</" + nombre + ">\n";
}

ThemeWriter::ThemeWriter(const std::string& nombre) : raiz("PROYECTO_VELMOR") {
    raiz.Set("version", "1.0.0").Set("nombre", nombre);
}

XmlElemento& ThemeWriter::Capas() {
    if (XmlElemento* capas = raiz.Hijo("CAPAS")) return *capas;
    return raiz.Add(XmlElemento("CAPAS"));
}

XmlElemento ThemeWriter::Capa(const std::string& nombre, const std::string& archivo,
                              const std::string& ruta, const std::string& tipo) {
    XmlElemento capa("CAPA");
    capa.Set("nombre", nombre).Set("archivo", archivo).Set("ruta", ruta).Set("tipo", tipo);
    capa.Set("geometria", 5);
    return capa;
}

XmlElemento ThemeWriter::Visualizacion(int estado, double escalaMin, double escalaMax) {
    XmlElemento e("VISUALIZACION");
    e.Set("estado", estado).Set("escala_min", escalaMin).Set("escala_max", escalaMax);
    return e;
}

XmlElemento ThemeWriter::Simbologia(int tipo, int estilo, long long colorBorde,
                                    long long colorRelleno, int tamanno, int gradoTrans) {
    XmlElemento e("SIMBOLOGIA");
    e.Set("tipo", tipo).Set("estilo", estilo).Set("grado_trans", gradoTrans);
    e.Set("color_borde", colorBorde).Set("color_relleno", colorRelleno);
    e.Set("relleno", 1).Set("tamanno", tamanno);
    return e;
}

XmlElemento ThemeWriter::SimbologiaTexto(long long colorTexto, int tamanno,
                                         const std::string& fuente) {
    XmlElemento e("SIMBOLOGIA_TEXTO");
    e.Set("color_texto", colorTexto).Set("color_fondo", 16777215LL).Set("negrita", 0);
    e.Set("cursiva", 0).Set("fuente", fuente).Set("fichero_libreria", "").Set("tamanno", tamanno);
    return e;
}

XmlElemento ThemeWriter::Clasificacion(const std::string& tipo) {
    XmlElemento e("CLASIFICACION");
    e.Set("tipo", tipo);
    return e;
}

XmlElemento ThemeWriter::Campo(const std::string& campo, const std::string& descripcion,
                               const std::string& campoRotacion) {
    XmlElemento e("CAMPO");
    e.Set("campo", campo).Set("descripcion", descripcion);
    if (!campoRotacion.empty()) e.Set("campo_rotacion", campoRotacion);
    return e;
}

XmlElemento ThemeWriter::Clase(const std::string& valor, const std::string& descripcion,
                               XmlElemento simbolo) {
    XmlElemento e("VALOR");
    e.Set("valor", valor).Set("descripcion", descripcion);
    e.Add(std::move(simbolo));
    return e;
}

std::string ThemeWriter::Xml() const {
    std::string texto;
    if (!encoding.empty()) texto = "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n";
    return texto + raiz.Xml();
}

bool ThemeWriter::Write(const std::string& ruta) const {
    const std::filesystem::path camino(ruta);
    std::error_code error;
    if (camino.has_parent_path()) std::filesystem::create_directories(camino.parent_path(), error);
    std::ofstream archivo(ruta, std::ios::binary | std::ios::trunc);
    archivo << Xml();
    return static_cast<bool>(archivo);
}
