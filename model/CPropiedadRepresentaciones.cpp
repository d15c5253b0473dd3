#include "CPropiedadRepresentaciones.h"
#include <wx/list.h>
#include <algorithm>
#include <unordered_set>
#include <vector>

namespace {

// Never destroyed, so that a classification released during program exit
// still finds it.
std::vector<const wxList*>& ListasVivas() {
    static auto* listas = new std::vector<const wxList*>;
    return *listas;
}

bool EstaEnOtraLista(const wxObject* elemento) {
    for (const wxList* lista : ListasVivas()) {
        for (auto nodo = lista->GetFirst(); nodo; nodo = nodo->GetNext()) {
            if (nodo->GetData() == elemento) return true;
        }
    }
    return false;
}

}  // namespace

void CPropiedadRepresentaciones::Registrar(const wxList* lista) {
    if (lista) ListasVivas().push_back(lista);
}

void CPropiedadRepresentaciones::Liberar(wxList* lista) {
    if (!lista) return;
    auto& vivas = ListasVivas();
    vivas.erase(std::remove(vivas.begin(), vivas.end(), lista), vivas.end());

    std::unordered_set<wxObject*> propios;
    for (auto nodo = lista->GetFirst(); nodo; nodo = nodo->GetNext()) {
        if (nodo->GetData()) propios.insert(nodo->GetData());
    }
    lista->Clear();
    for (wxObject* elemento : propios) {
        if (!EstaEnOtraLista(elemento)) delete elemento;
    }
}
