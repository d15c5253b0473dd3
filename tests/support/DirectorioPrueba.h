#pragma once
// A fresh directory under the system's temporary directory for one test,
// removed with everything in it when the object goes away; and the same as
// the user's home directory for the length of a test.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class DirectorioPrueba {
public:
    DirectorioPrueba() {
        std::string plantilla = (std::filesystem::temp_directory_path() / "vaqpruebaXXXXXX").string();
        ruta = ::mkdtemp(plantilla.data()) ? plantilla : std::string();
    }
    ~DirectorioPrueba() {
        std::error_code ignorado;
        if (!ruta.empty()) std::filesystem::remove_all(ruta, ignorado);
    }
    DirectorioPrueba(const DirectorioPrueba&) = delete;
    DirectorioPrueba& operator=(const DirectorioPrueba&) = delete;
    const std::string& Ruta() const { return ruta; }
    std::string Ruta(const std::string& nombre) const { return ruta + "/" + nombre; }
    std::string operator/(const std::string& nombre) const { return Ruta(nombre); }
    // A subdirectory, with the data marker file when conMarcador.
    std::string Subdirectorio(const std::string& nombre, bool conMarcador) const {
        std::filesystem::create_directories(Ruta(nombre));
        if (conMarcador) std::ofstream(Ruta(nombre) + "/datos.mmm") << "";
        return Ruta(nombre);
    }

private:
    std::string ruta;
};

class HomePrueba : public DirectorioPrueba {
public:
    HomePrueba() : anterior(std::getenv("HOME") ? std::getenv("HOME") : "") { ::setenv("HOME", Ruta().c_str(), 1); }
    ~HomePrueba() { ::setenv("HOME", anterior.c_str(), 1); }
    std::string Configuracion() const { return Ruta("VAQConfiguracion.conf"); }
    bool HayConfiguracion() const { return std::filesystem::exists(Configuracion()); }
    std::string LeerConfiguracion() const {
        std::ifstream f(Configuracion());
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }

private:
    std::string anterior;
};
