#include "CCapaItemData.h"

#include "CRepresentacion.h"

CSimboloObj* CCapaItemData::GetRepresentacion(const wxString& valor) const {
    for (CRepresentacion* representacion : m_representaciones)
        if (representacion && representacion->GetValor() == valor) return representacion->GetSimbologia();
    return nullptr;
}
