#pragma once
// One entry of a map's layer collection: the layer (not owned; the view
// manager releases layers when it clears the map) and its optional
// classification by value or by text (owned).
#include <memory>

#include <wx/object.h>
#include <wx/string.h>

#include "CClasificacion.h"
#include "CClasificacionPorTexto.h"
#include "CClasificacionPorValor.h"

class CCapa;

class CCapasEnMapa : public wxObject {
public:
    CCapasEnMapa();
    ~CCapasEnMapa() override;
    CCapasEnMapa(const CCapasEnMapa&) = delete;
    CCapasEnMapa& operator=(const CCapasEnMapa&) = delete;

    void SetCapaEnMapa(CCapa* nuevaCapa) { capa = nuevaCapa; }
    CCapa* GetCapaEnCapa() const { return capa; }

    void SetTieneClasificacion(bool valor) { tieneClasificacion = valor; }
    bool GetTieneClasificacion() const { return tieneClasificacion; }

    // CClasificacion::VALOR or CClasificacion::TEXTO.
    void SetTipoClasificacion(const wxString& tipo);
    CClasificacion GetTipoClasificacion() const { return tipoClasificacion; }

    // How the layer is painted on the map: with its own symbol (no
    // classification), through the classification by value (kind VALOR) or
    // as labels through the classification by text (any other kind).
    enum class Pintura { Simbolo, PorValor, PorTexto };
    Pintura GetPintura() const;

    // Ensures a classification by value exists; a non-null argument replaces
    // it and the holder takes ownership of it.
    void SetClasificacionCapa(CClasificacionPorValor* nueva);
    // Ensures a classification by text exists; a non-null argument's field
    // names are copied and its classes appended (shared, not copied). The
    // caller keeps the argument.
    void SetClasificacionCapa(CClasificacionPorTexto* nueva);

    CClasificacionPorValor* GetClasificacion() const { return clasificacion.get(); }
    CClasificacionPorTexto* GetClasificacionTexto() const { return clasificacionTexto.get(); }

private:
    CCapa* capa = nullptr;
    bool tieneClasificacion = false;
    CClasificacion tipoClasificacion;
    std::unique_ptr<CClasificacionPorValor> clasificacion;
    std::unique_ptr<CClasificacionPorTexto> clasificacionTexto;
};
