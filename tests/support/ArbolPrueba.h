#pragma once
// Legend and information trees read back for GUI tests.
#include <wx/treectrl.h>

#include <string>
#include <vector>

inline std::vector<wxTreeItemId> HijosArbol(const wxTreeCtrl& arbol, const wxTreeItemId& padre) {
    std::vector<wxTreeItemId> hijos;
    wxTreeItemIdValue c;
    for (wxTreeItemId h = arbol.GetFirstChild(padre, c); h.IsOk(); h = arbol.GetNextChild(padre, c)) hijos.push_back(h);
    return hijos;
}

// The child with that text, or an invalid id.
inline wxTreeItemId HijoArbol(const wxTreeCtrl& arbol, const wxTreeItemId& padre, const wxString& texto) {
    for (const wxTreeItemId& h : HijosArbol(arbol, padre))
        if (arbol.GetItemText(h) == texto) return h;
    return wxTreeItemId();
}

// Each top entry as "entry [image]: line, line," (lines trimmed), in UTF-8.
inline std::vector<std::string> LineasArbol(const wxTreeCtrl& arbol, bool conImagen = false) {
    std::vector<std::string> texto;
    if (!arbol.GetRootItem().IsOk()) return texto;
    for (const wxTreeItemId& e : HijosArbol(arbol, arbol.GetRootItem())) {
        wxString linea = arbol.GetItemText(e);
        if (conImagen) linea += wxString::Format(" [%d]", arbol.GetItemImage(e));
        linea += ":";
        for (const wxTreeItemId& h : HijosArbol(arbol, e)) linea += " " + arbol.GetItemText(h).Strip(wxString::both) + ",";
        texto.push_back(linea.utf8_string());
    }
    return texto;
}
