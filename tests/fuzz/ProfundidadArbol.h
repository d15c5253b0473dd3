#pragma once
// Depth of the element tree the XML parser builds from a text (also up to
// where it failed): what the nesting measured before parsing must cover.
#include <tinyxml.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

inline int ProfundidadArbol(const std::string& texto) {
    TiXmlDocument documento;
    documento.Parse(texto.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    int maxima = 0;
    std::vector<std::pair<const TiXmlNode*, int>> pendientes = {{&documento, 0}};
    while (!pendientes.empty()) {
        const auto [nodo, profundidad] = pendientes.back();
        pendientes.pop_back();
        maxima = std::max(maxima, profundidad);
        for (const TiXmlElement* hijo = nodo->FirstChildElement(); hijo; hijo = hijo->NextSiblingElement())
            pendientes.push_back({hijo, profundidad + 1});
    }
    return maxima;
}
