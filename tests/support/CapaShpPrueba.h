#pragma once
// Shapefile layers written into a fresh directory and opened as CCapaShp.
#include "CCapaShp.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <memory>
#include <string>
#include <vector>

// A new layer (for a view manager to own) initialised on the files written at `base`.
inline CCapaShp* NuevaCapaShp(const ShapefileWriter& escritor, const std::string& base) {
    escritor.Write(base);
    auto* capa = new CCapaShp();
    capa->SetRutaArchivo(wxString::FromUTF8(base + ".shp"));
    capa->InicializarCapa();
    return capa;
}

class CapaShpPrueba {
public:
    std::string Ruta(const std::string& nombre) const { return directorio.Ruta(nombre); }
    // A layer (owned here) initialised on the files written as `nombre`.
    CCapaShp& Abrir(const ShapefileWriter& escritor, const std::string& nombre,
                    const std::string& extension = ".shp") {
        escritor.Write(Ruta(nombre));
        return AbrirRuta(Ruta(nombre) + extension);
    }
    CCapaShp& AbrirRuta(const std::string& ruta) {
        capas.push_back(std::make_unique<CCapaShp>());
        CCapaShp& capa = *capas.back();
        capa.SetRutaArchivo(wxString::FromUTF8(ruta.c_str()));
        capa.InicializarCapa();
        return capa;
    }

private:
    DirectorioPrueba directorio;                   // removed after the layers,
    std::vector<std::unique_ptr<CCapaShp>> capas;  // which release their mappings first
};
