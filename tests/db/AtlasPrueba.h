#pragma once
// The bundled atlas and gazetteer for the search tests.
#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CGestorVistaMapa.h"
#include "CProyectoVaq.h"

#include <gtest/gtest.h>
#include <wx/string.h>

#include <memory>

inline wxString RutaFuentes(const char* relativa) { return wxString::FromUTF8(VAQ_SOURCE_DIR) + relativa; }

// The application directory of the sources: ico/ and BD/ with the gazetteer.
inline wxString RutaAplicacionFuentes() { return RutaFuentes("/data/app"); }
inline wxString RutaGazetteer() { return RutaFuentes("/data/app/BD/BDbusqueda.db"); }

// The my-locality theme as the main frame opens it.
inline std::unique_ptr<CProyectoVaq> TemaMiLocalidad() {
    auto tema = std::make_unique<CProyectoVaq>();
    tema->NuevoProyecto("Mi localidad");
    tema->SetRutaDatosAplicacion(RutaFuentes("/data/atlas"));
    EXPECT_TRUE(tema->AbrirProyecto(nullptr, "MapasVel/MiLocalidad.vel"));
    return tema;
}

// The holder of the layer of that name, or null.
inline CCapasEnMapa* CapaPorNombre(CGestorVistaMapa& gestor, const wxString& nombre) {
    for (int i = 0; i < gestor.GetNumCapas(); ++i)
        if (gestor.GetCapaEnMapa(i)->GetCapaEnCapa()->GetNombreCapa() == nombre) return gestor.GetCapaEnMapa(i);
    return nullptr;
}
