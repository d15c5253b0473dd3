// Fuzz target: the dBASE table reader alone.
#include "FuzzObjetivos.h"

#include "CDbf.h"
#include "DirectorioPrueba.h"
#include "RecorrerTabla.h"

int FuzzDbf(const std::uint8_t* datos, std::size_t tamano) {
    static const DirectorioPrueba directorio;
    const std::string ruta = directorio / "tabla.dbf";
    EscribirNuevo(ruta, datos, tamano);
    CDbf tabla(ruta.c_str(), "rb");
    RecorrerTabla(tabla);
    return 0;
}
