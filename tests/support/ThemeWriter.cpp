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

}  // namespace

XmlElemento& XmlElemento::Set(const std::string& atributo, const std::string& valor) {
    for (auto& par : atributos)
        if (par.first == atributo) return par.second = valor, *this;
    atributos.emplace_back(atributo, valor);
    return *this;
}

XmlElemento& XmlElemento::Set(const std::string& atributo, double valor) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.17g", valor);
    return Set(atributo, std::string(texto));
}

XmlElemento& XmlElemento::Remove(const std::string& atributo) {
    for (auto it = atributos.begin(); it != atributos.end(); ++it)
        if (it->first == atributo) return atributos.erase(it), *this;
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

XmlElemento ThemeWriter::Capa(const std::string& nombre, const std::string& archivo,
                              const std::string& ruta, const std::string& tipo) {
    return XmlElemento("CAPA").Set("nombre", nombre).Set("archivo", archivo).Set("ruta", ruta).Set("tipo", tipo)
        .Set("geometria", 5);
}

XmlElemento ThemeWriter::Visualizacion(int estado, double escalaMin, double escalaMax) {
    return XmlElemento("VISUALIZACION").Set("estado", estado).Set("escala_min", escalaMin).Set("escala_max", escalaMax);
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

XmlElemento ThemeWriter::Clasificacion(const std::string& tipo) { return XmlElemento("CLASIFICACION").Set("tipo", tipo); }

XmlElemento ThemeWriter::Campo(const std::string& campo, const std::string& descripcion,
                               const std::string& campoRotacion) {
    XmlElemento e("CAMPO");
    e.Set("campo", campo).Set("descripcion", descripcion);
    if (!campoRotacion.empty()) e.Set("campo_rotacion", campoRotacion);
    return e;
}

XmlElemento ThemeWriter::Clase(const std::string& valor, const std::string& descripcion,
                               XmlElemento simbolo) {
    return XmlElemento("VALOR").Set("valor", valor).Set("descripcion", descripcion).With(std::move(simbolo));
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
