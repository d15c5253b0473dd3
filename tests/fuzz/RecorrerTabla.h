#pragma once
// Reads every field of every record of a table, as painting, labels and the
// information panel do (the shapefile and the table fuzz targets).
#include "CDbf.h"

#include <string>

inline void RecorrerTabla(CDbf& tabla) {
    const int campos = tabla.GetFieldCount();
    const int registros = tabla.GetRecordCount();
    volatile double suma = 0.0;
    for (int campo = -1; campo <= campos; ++campo) {
        char nombre[12];
        int ancho = 0, decimales = 0;
        if (tabla.GetFieldInfo(campo, nombre, ancho, decimales) == CampoInvalido) continue;
        suma = suma + tabla.NumCampo(nombre) + tabla.MaxValorCampo(campo + 1);
        int tamano = 0;
        tabla.ReadAttribute(0, campo, nullptr, tamano);
        std::string texto(static_cast<std::size_t>(ancho) + 1, '\0');
        for (int registro = -1; registro <= registros; ++registro) {
            tabla.ReadStringAttribute(registro, campo, &texto[0], static_cast<int>(texto.size()));
            suma = suma + tabla.ReadIntegerAttribute(registro, campo) +
                   tabla.ReadDoubleAttribute(registro, campo) + tabla.ReadRecord(registro);
        }
    }
}
