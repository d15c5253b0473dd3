#pragma once
// Writes small dBASE III tables (.dbf) for tests, sound or damaged; values
// are ISO-8859-1 bytes. The Set... overrides only change what the header
// stores; records are laid out with the true sizes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class DbfWriter {
public:
    // Field of type letter C, N, F, D, L, ... Numeric widths must be 1..255.
    void AddField(const std::string& nombre, char tipo, int ancho, int decimales = 0);
    // One record; missing values blank, texts left- and numbers right-justified.
    std::size_t AddRecord(const std::vector<std::string>& valores, bool borrado = false);
    // Names padded with spaces instead of NUL bytes.
    void SetNamePaddingWithSpaces(bool espacios) { relleno = espacios ? ' ' : '\0'; }
    void SetRecordCount(std::uint32_t numero) { numeroForzado = numero; }
    void SetHeaderLength(std::uint16_t longitud) { cabeceraForzada = longitud; }
    void SetRecordLength(std::uint16_t longitud) { longitudForzada = longitud; }
    void SetFieldWidthBytes(std::size_t campo, unsigned char byte16, unsigned char byte17) {
        if (campo < campos.size()) campos[campo].anchoForzado = {byte16, byte17};
    }
    void Truncate(std::size_t bytes) { corte = bytes; }
    std::size_t RecordLength() const;  // true length, deletion flag included
    std::size_t HeaderLength() const { return 32 + 32 * campos.size() + 1; }  // true length
    std::vector<unsigned char> Bytes() const;
    bool Write(const std::string& ruta) const;

private:
    struct Campo {
        std::string nombre;
        char tipo;
        int ancho;
        int decimales;
        std::optional<std::pair<unsigned char, unsigned char>> anchoForzado;  // bytes 16 and 17
    };
    std::vector<Campo> campos;
    std::vector<std::string> registros;  // full records, deletion flag first
    char relleno = '\0';
    std::optional<std::uint32_t> numeroForzado;
    std::optional<std::uint16_t> cabeceraForzada, longitudForzada;
    std::optional<std::size_t> corte;
};
