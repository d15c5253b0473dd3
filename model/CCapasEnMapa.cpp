#include "CCapasEnMapa.h"

#include "CRepresentacionTexto.h"

CCapasEnMapa::CCapasEnMapa() = default;

// The layer belongs to the view manager; only the classifications are ours.
CCapasEnMapa::~CCapasEnMapa() = default;

void CCapasEnMapa::SetTipoClasificacion(const wxString& tipo) {
    tipoClasificacion.SetTipo(tipo);
}

CCapasEnMapa::Pintura CCapasEnMapa::GetPintura() const {
    if (!tieneClasificacion) return Pintura::Simbolo;
    return tipoClasificacion.EsPorValor() ? Pintura::PorValor : Pintura::PorTexto;
}

void CCapasEnMapa::SetClasificacionCapa(CClasificacionPorValor* nueva) {
    if (nueva) {
        if (nueva != clasificacion.get()) clasificacion.reset(nueva);
        return;
    }
    if (!clasificacion) clasificacion = std::make_unique<CClasificacionPorValor>();
}

void CCapasEnMapa::SetClasificacionCapa(CClasificacionPorTexto* nueva) {
    if (!clasificacionTexto) clasificacionTexto = std::make_unique<CClasificacionPorTexto>();
    if (!nueva) return;
    clasificacionTexto->SetCampo(nueva->GetCampo());
    clasificacionTexto->SetCampoDescripcion(nueva->GetCampoDescripcion());
    clasificacionTexto->SetCampoRotacion(nueva->GetCampoRotacion());
    // The classes are shared with the argument, not copied; the
    // classifications free them once no list holds them any more.
    wxList* destino = clasificacionTexto->GetLista();
    for (auto nodo = nueva->GetLista()->GetFirst(); nodo; nodo = nodo->GetNext())
        if (nodo->GetData()) destino->Append(nodo->GetData());
}
