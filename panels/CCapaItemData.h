#pragma once
// What a layer entry of the legend carries: its layer and the classes of its
// classification by value that the legend lines under it stand for. Nothing
// is owned: the layers and classes belong to the view manager's holders, and
// the legend is rebuilt whenever they change.
#include <wx/treebase.h>

#include <vector>

class CCapa;
class CRepresentacion;
class CSimboloObj;

class CCapaItemData : public wxTreeItemData {
public:
    CCapaItemData() = default;

    void SetCapaItemData(CCapa* capa) { m_capa = capa; }
    CCapa* GetCapaItemData() const { return m_capa; }

    void SetRepresentacion(CRepresentacion* representacion) { m_representacion = representacion; }
    CRepresentacion* GetRepresentacion() const { return m_representacion; }

    void AddRepresentacion(CRepresentacion* representacion) { m_representaciones.push_back(representacion); }
    const std::vector<CRepresentacion*>& GetRepresentaciones() const { return m_representaciones; }
    // The symbol of the first class whose value is exactly `valor`; null
    // when none is.
    CSimboloObj* GetRepresentacion(const wxString& valor) const;

private:
    std::vector<CRepresentacion*> m_representaciones;
    CCapa* m_capa = nullptr;
    CRepresentacion* m_representacion = nullptr;
};
