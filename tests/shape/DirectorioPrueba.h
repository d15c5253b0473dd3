#pragma once
// A fresh directory under the system's temporary directory for one test,
// removed with everything in it when the object goes away.
#include <cstdlib>
#include <filesystem>
#include <string>

class DirectorioPrueba {
public:
    DirectorioPrueba() {
        std::string plantilla = (std::filesystem::temp_directory_path() / "vaqshapeXXXXXX").string();
        ruta = ::mkdtemp(plantilla.data()) ? plantilla : std::string();
    }
    ~DirectorioPrueba() { std::error_code ignorado; if (!ruta.empty()) std::filesystem::remove_all(ruta, ignorado); }
    DirectorioPrueba(const DirectorioPrueba&) = delete;
    std::string operator/(const std::string& nombre) const { return ruta + "/" + nombre; }  // a file inside
    const std::string& Ruta() const { return ruta; }

private:
    std::string ruta;
};
