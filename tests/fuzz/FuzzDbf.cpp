// Fuzz target: the dBASE table reader alone.
#include "FuzzObjetivos.h"

#include "CDbf.h"
#include "DirectorioPrueba.h"
#include "RecorrerTabla.h"

#include <cstdio>
#include <fstream>
#include <string>

int FuzzDbf(const std::uint8_t* datos, std::size_t tamano) {
    static const DirectorioPrueba directorio;
    const std::string ruta = directorio / "tabla.dbf";
    std::remove(ruta.c_str());  // a new file: see FuzzShape.cpp
    std::ofstream(ruta, std::ios::binary)
        .write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(tamano));
    CDbf tabla(ruta.c_str(), "rb");
    RecorrerTabla(tabla);
    return 0;
}
