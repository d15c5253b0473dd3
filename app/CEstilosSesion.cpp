#include "CEstilosSesion.h"

#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CGestorVistaMapa.h"

void CEstilosSesion::Recordar(const wxString& tema, int posicion, const CCapa& capa) {
    Estilo& estilo = m_estilos[tema][posicion];
    estilo.nombreCapa = capa.GetNombreCapa();
    estilo.simbolo = *capa.GetSimbolo();
    estilo.escalaMinima = capa.GetEscalaMinima();
    estilo.escalaMaxima = capa.GetEscalaMaxima();
}

void CEstilosSesion::Aplicar(const wxString& tema, CGestorVistaMapa& gestor) const {
    const auto delTema = m_estilos.find(tema);
    if (delTema == m_estilos.end()) return;
    for (const auto& [posicion, estilo] : delTema->second) {
        if (posicion < 0 || posicion >= gestor.GetNumCapas()) continue;
        CCapasEnMapa* capaEnMapa = gestor.GetCapaEnMapa(posicion);
        CCapa* capa = capaEnMapa ? capaEnMapa->GetCapaEnCapa() : nullptr;
        // The file may have changed since: a layer in another place is left alone.
        if (!capa || capa->GetNombreCapa() != estilo.nombreCapa) continue;
        capa->SetSimbolo(estilo.simbolo);
        capa->SetEscalaMinima(estilo.escalaMinima);
        capa->SetEscalaMaxima(estilo.escalaMaxima);
    }
}
