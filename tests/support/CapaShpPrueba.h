#pragma once
// Shapefile layers for tests: written with ShapefileWriter into a fresh
// temporary directory (removed with the object) and opened as a CCapaShp.
//
//   CapaShpPrueba prueba;
//   ShapefileWriter escritor(5);
//   escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10)});
//   CCapaShp& capa = prueba.Abrir(escritor, "parcelas");
#include "CCapaShp.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <memory>
#include <string>
#include <vector>

class CapaShpPrueba {
public:
    std::string Ruta(const std::string& nombre) const { return directorio.Ruta(nombre); }

    // Writes the files as `nombre` and returns a layer initialised on them
    // (owned by this object). A layer that failed to open is returned too:
    // check GetShape().
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
