#pragma once
// The bundled atlas and application directory for tests of the folders that
// read themes (proyecto and above): a theme opened as the main frame opens it,
// and a layer of it found by its name.
#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CGestorVistaMapa.h"
#include "CProyectoVaq.h"

#include <gtest/gtest.h>
#include <wx/string.h>

#include <memory>

// The application directory of the sources: pictures, cursors, help and the gazetteer.
inline wxString RutaAplicacionFuentes() { return wxString::FromUTF8(VAQ_SOURCE_DIR "/data/app"); }

// A theme of the bundled atlas ("MedioFisico.vel"...).
inline std::unique_ptr<CProyectoVaq> TemaAtlas(const char* archivo) {
    auto tema = std::make_unique<CProyectoVaq>();
    tema->NuevoProyecto(archivo);
    tema->SetRutaDatosAplicacion(wxString::FromUTF8(VAQ_SOURCE_DIR "/data/atlas"));
    EXPECT_TRUE(tema->AbrirProyecto(nullptr, wxString("MapasVel/") + archivo));
    return tema;
}

// The holder of the layer of that name, or null.
inline CCapasEnMapa* CapaPorNombre(const CGestorVistaMapa& gestor, const wxString& nombre) {
    for (int i = 0; i < gestor.GetNumCapas(); ++i)
        if (gestor.GetCapaEnMapa(i)->GetCapaEnCapa()->GetNombreCapa() == nombre) return gestor.GetCapaEnMapa(i);
    return nullptr;
}
