// Fuzz target: the shapefile reader with its table.
//
// Input: one byte of flags, the lengths of the .shx and of the .dbf (two
// bytes each, little-endian; cut to what follows), the .shx, the .dbf, and
// the rest is the .shp. Flag 1 sets the lengths stored in both headers to
// the files' real sizes and flag 2 their file codes and versions to sound
// values, so that mutated files get past the header checks to the records.
#include "FuzzObjetivos.h"

#include "CDbf.h"
#include "CShape.h"
#include "DirectorioPrueba.h"
#include "RecorrerTabla.h"

#include <vector>

namespace {
using Bytes = std::vector<unsigned char>;

void PonBE32(Bytes& b, std::size_t pos, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[pos + i] = static_cast<unsigned char>(v >> (24 - 8 * i));
}

void Arreglar(Bytes& fichero, unsigned char banderas) {
    if (fichero.size() < 100) return;
    if (banderas & 1) PonBE32(fichero, 24, static_cast<std::uint32_t>(fichero.size() / 2));
    if (banderas & 2) {
        PonBE32(fichero, 0, 9994);
        fichero[28] = 0xE8, fichero[29] = 0x03, fichero[30] = 0, fichero[31] = 0;  // 1000
    }
}

Bytes Tomar(const std::uint8_t*& p, std::size_t& quedan, std::size_t cuantos) {
    cuantos = cuantos < quedan ? cuantos : quedan;
    Bytes b(p, p + cuantos);
    p += cuantos;
    quedan -= cuantos;
    return b;
}

// What painting, labels, hit tests and the search read of every record.
void RecorrerRegistros(CShape& shape) {
    volatile double suma = shape.GetDanos();
    const unsigned int n = shape.NumElementos();
    for (unsigned int i = 0; i <= n; ++i) {
        const unsigned int* registro = shape.BuscaElemento(i);
        try {
            shape.Elemento(i);
        } catch (const char*) {
        }
        suma = suma + shape.NumElemento(registro);
        const unsigned int partes = shape.NumPartes(registro);
        for (unsigned int parte = 0; parte <= partes; ++parte) {
            unsigned int puntos = 0;
            const CPunto* p = shape.BuscaPuntos(registro, parte, &puntos);
            for (unsigned int k = 0; p && k < puntos; ++k) suma = suma + p[k].x + p[k].y;
            try {
                shape.Puntos(registro, parte, &puntos);
                suma = suma + shape.EsUnHueco(registro, parte);
            } catch (const char*) {
            }
        }
        CRectangulo caja;
        suma = suma + shape.CajaPuntos(registro, caja);
        try {
            const CRectangulo b = shape.Bnd(registro);
            const CPunto centro((b.x1 + b.x2) / 2, (b.y1 + b.y2) / 2);
            suma = suma + shape.EsPuntoEnPoligono(registro, centro) +
                   shape.EsPuntoEnPoligono(registro, centro, 3.0);
        } catch (const char*) {
        }
    }
    shape.Precarga();
    const CRectangulo todo = shape.Bnd();
    std::vector<unsigned int> registros;
    shape.RegistrosEn(todo, registros);
    for (const unsigned int i : registros) suma = suma + i;
    try {
        suma = suma + shape.PoligonoAlQuePertenece(CPunto(todo.x1, todo.y1), 0, 1.0);
    } catch (const char*) {
    }
}
}  // namespace

int FuzzShape(const std::uint8_t* datos, std::size_t tamano) {
    if (tamano < 5) return 0;
    const unsigned char banderas = datos[0];
    const std::size_t largoShx = datos[1] | (datos[2] << 8);
    const std::size_t largoDbf = datos[3] | (datos[4] << 8);
    const std::uint8_t* p = datos + 5;
    std::size_t quedan = tamano - 5;
    Bytes shx = Tomar(p, quedan, largoShx);
    const Bytes dbf = Tomar(p, quedan, largoDbf);
    Bytes shp = Tomar(p, quedan, quedan);
    Arreglar(shx, banderas);
    Arreglar(shp, banderas);

    static const DirectorioPrueba directorio;
    const std::string base = directorio / "capa";
    EscribirNuevo(base + ".shx", shx.data(), shx.size());
    EscribirNuevo(base + ".dbf", dbf.data(), dbf.size());
    EscribirNuevo(base + ".shp", shp.data(), shp.size());
    try {
        CShape shape(base.c_str());
        RecorrerRegistros(shape);
        if (CDbf* tabla = shape.GetDBF()) RecorrerTabla(*tabla);
        char nombre[12];
        int ancho = 0, decimales = 0;
        for (int campo = 0; campo < shape.NumCampos(); ++campo)
            if (shape.InfoCampo(campo, nombre, ancho, decimales) != CampoInvalido)
                shape.MaxValorCampo(nombre);
    } catch (const char*) {
    }
    return 0;
}
