#pragma once
// The bundled themes for the legend and properties tests.
#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CGestorVistaMapa.h"
#include "CProyectoVaq.h"

#include <gtest/gtest.h>
#include <wx/string.h>

#include <memory>

// A theme of the bundled atlas ("MedioFisico.vel"...) as the main frame opens it.
inline std::unique_ptr<CProyectoVaq> TemaAtlas(const char* archivo) {
    auto tema = std::make_unique<CProyectoVaq>();
    tema->NuevoProyecto(archivo);
    tema->SetRutaDatosAplicacion(wxString::FromUTF8(VAQ_SOURCE_DIR) + "/data/atlas");
    EXPECT_TRUE(tema->AbrirProyecto(nullptr, wxString("MapasVel/") + archivo));
    return tema;
}

// The holder of the layer of that name, or null.
inline CCapasEnMapa* CapaPorNombre(const CGestorVistaMapa& gestor, const wxString& nombre) {
    for (int i = 0; i < gestor.GetNumCapas(); ++i)
        if (gestor.GetCapaEnMapa(i)->GetCapaEnCapa()->GetNombreCapa() == nombre) return gestor.GetCapaEnMapa(i);
    return nullptr;
}

// Every field of two symbols.
inline bool MismoSimbolo(const CSimboloObj& a, const CSimboloObj& b) {
    return a.GetTipo() == b.GetTipo() && a.GetEstilo() == b.GetEstilo() &&
           a.GetColorRelleno() == b.GetColorRelleno() && a.GetColorBorde() == b.GetColorBorde() &&
           a.GetSize() == b.GetSize() && a.GetFuente() == b.GetFuente() &&
           a.GetFileFuente() == b.GetFileFuente() && a.GetFontSize() == b.GetFontSize() &&
           a.GetCharIndex() == b.GetCharIndex() && a.GetTransparente() == b.GetTransparente();
}
