#pragma once
// A temporary directory for one test, removed with everything in it; and the
// same as the user's home directory for the length of the test.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class DirectorioPrueba {
public:
    DirectorioPrueba() {
        std::string plantilla = (std::filesystem::temp_directory_path() / "vaqappXXXXXX").string();
        if (::mkdtemp(plantilla.data())) m_ruta = plantilla;
    }
    ~DirectorioPrueba() {
        std::error_code ignorado;
        if (!m_ruta.empty()) std::filesystem::remove_all(m_ruta, ignorado);
    }
    DirectorioPrueba(const DirectorioPrueba&) = delete;
    DirectorioPrueba& operator=(const DirectorioPrueba&) = delete;
    const std::string& Ruta() const { return m_ruta; }
    std::string Ruta(const std::string& nombre) const { return m_ruta + "/" + nombre; }
    // A subdirectory, with the marker file when conMarcador.
    std::string Subdirectorio(const std::string& nombre, bool conMarcador) const {
        std::filesystem::create_directories(Ruta(nombre));
        if (conMarcador) std::ofstream(Ruta(nombre) + "/datos.mmm") << "";
        return Ruta(nombre);
    }

private:
    std::string m_ruta;
};

class HomePrueba : public DirectorioPrueba {
public:
    HomePrueba() : m_anterior(std::getenv("HOME") ? std::getenv("HOME") : "") { ::setenv("HOME", Ruta().c_str(), 1); }
    ~HomePrueba() { ::setenv("HOME", m_anterior.c_str(), 1); }
    std::string Configuracion() const { return Ruta("VAQConfiguracion.conf"); }
    bool HayConfiguracion() const { return std::filesystem::exists(Configuracion()); }
    std::string LeerConfiguracion() const {
        std::ifstream f(Configuracion());
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }

private:
    std::string m_anterior;
};
