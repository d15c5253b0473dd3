#pragma once
// Shapefile layers for tests: written with ShapefileWriter into a fresh
// temporary directory (removed with the object) and opened as a CCapaShp.
//
//   CapaShpPrueba prueba;
//   ShapefileWriter escritor(5);
//   escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10)});
//   CCapaShp& capa = prueba.Abrir(escritor, "parcelas");
#include "CCapaShp.h"
#include "ShapefileWriter.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CapaShpPrueba {
public:
    CapaShpPrueba() {
        std::string plantilla =
            (std::filesystem::temp_directory_path() / "vaqcapaXXXXXX").string();
        directorio = ::mkdtemp(plantilla.data()) ? plantilla : std::string();
    }
    ~CapaShpPrueba() {
        capas.clear();  // release the mappings before the files go
        std::error_code ignorado;
        if (!directorio.empty()) std::filesystem::remove_all(directorio, ignorado);
    }
    CapaShpPrueba(const CapaShpPrueba&) = delete;
    CapaShpPrueba& operator=(const CapaShpPrueba&) = delete;

    std::string Ruta(const std::string& nombre) const { return directorio + "/" + nombre; }

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
    std::string directorio;
    std::vector<std::unique_ptr<CCapaShp>> capas;
};
