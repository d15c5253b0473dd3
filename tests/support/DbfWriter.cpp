#include "DbfWriter.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace {
// `n` bytes of `v`, least significant first.
void PonLE(std::vector<unsigned char>& b, std::size_t pos, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[pos + i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
}

bool EsNumerico(char tipo) { return tipo == 'N' || tipo == 'F' || tipo == 'D'; }
}  // namespace

void DbfWriter::AddField(const std::string& nombre, char tipo, int ancho, int decimales) {
    campos.push_back(Campo{nombre.substr(0, 11), tipo, ancho, decimales, std::nullopt});
}

std::size_t DbfWriter::RecordLength() const {
    std::size_t longitud = 1;
    for (const Campo& c : campos) longitud += static_cast<std::size_t>(c.ancho);
    return longitud;
}

std::size_t DbfWriter::AddRecord(const std::vector<std::string>& valores, bool borrado) {
    std::string registro(1, borrado ? '*' : ' ');
    for (std::size_t i = 0; i < campos.size(); ++i) {
        const Campo& c = campos[i];
        const std::size_t ancho = static_cast<std::size_t>(c.ancho);
        std::string valor = i < valores.size() ? valores[i] : std::string();
        if (valor.size() > ancho) valor.resize(ancho);
        const std::string relleno(ancho - valor.size(), ' ');
        registro += EsNumerico(c.tipo) ? relleno + valor : valor + relleno;
    }
    registros.push_back(registro);
    return registros.size() - 1;
}

std::vector<unsigned char> DbfWriter::Bytes() const {
    const std::size_t cabecera = HeaderLength();
    const std::size_t longitud = RecordLength();
    std::vector<unsigned char> b(cabecera, 0);
    b[0] = 3, b[1] = 126, b[2] = 1, b[3] = 1;  // dBASE III without memo, last updated 2026-01-01
    PonLE(b, 4, numeroForzado.value_or(static_cast<std::uint32_t>(registros.size())), 4);
    PonLE(b, 8, cabeceraForzada.value_or(static_cast<std::uint16_t>(cabecera)), 2);
    PonLE(b, 10, longitudForzada.value_or(static_cast<std::uint16_t>(longitud)), 2);
    for (std::size_t i = 0; i < campos.size(); ++i) {
        const Campo& c = campos[i];
        const std::size_t d = 32 + 32 * i;
        std::memset(&b[d], static_cast<unsigned char>(relleno), 11);
        std::memcpy(&b[d], c.nombre.data(), c.nombre.size());
        b[d + 11] = static_cast<unsigned char>(c.tipo);
        if (c.anchoForzado) {
            b[d + 16] = c.anchoForzado->first;
            b[d + 17] = c.anchoForzado->second;
        } else if (EsNumerico(c.tipo)) {
            b[d + 16] = static_cast<unsigned char>(c.ancho);
            b[d + 17] = static_cast<unsigned char>(c.decimales);
        } else {
            PonLE(b, d + 16, static_cast<std::uint16_t>(c.ancho), 2);
        }
    }
    b[cabecera - 1] = 0x0D;
    for (const std::string& r : registros) {
        std::string registro = r;
        registro.resize(longitud, ' ');
        b.insert(b.end(), registro.begin(), registro.end());
    }
    b.push_back(0x1A);
    if (corte) b.resize(std::min(b.size(), *corte));
    return b;
}

bool DbfWriter::Write(const std::string& ruta) const {
    const std::vector<unsigned char> b = Bytes();
    std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
    salida.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return static_cast<bool>(salida);
}
