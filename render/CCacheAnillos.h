#pragma once
// The pixels a small polygon ring covers when cairo draws it hard-edged,
// kept by the ring's shape. At small scales most rings of a layer are a few
// pixels across and many share a shape; drawing one met before is then a
// copy of its pixels instead of building, filling and stroking a path.
//
// Coverage is taken from cairo itself, on a scratch surface, with the very
// path, offset and tools the direct drawing uses. Hard-edged drawing samples
// pixel centres in fixed point, so a shape moved by whole pixels covers the
// same pixels moved alike.
#include <cairo.h>

#include <cstdint>
#include <vector>

#include <wx/gdicmn.h>

class CCacheAnillos {
public:
    // Rings whose box is wider or taller than this, with more points, or
    // outlined wider are left to cairo.
    static constexpr int kLadoMaximo = 8;
    static constexpr int kPuntosMaximos = 32;
    static constexpr int kAnchoMaximo = 8;
    // Coverage offsets count from this far up and left of the ring's box.
    static constexpr int kMargen = kAnchoMaximo / 2 + 2;

    // Pixels covered, as (dx, dy) byte pairs from the ring's box corner
    // moved kMargen up and left.
    struct Cobertura {
        const std::uint8_t* relleno = nullptr;
        int numRelleno = 0;
        const std::uint8_t* borde = nullptr;
        int numBorde = 0;
    };

    CCacheAnillos();
    ~CCacheAnillos();
    CCacheAnillos(const CCacheAnillos&) = delete;
    CCacheAnillos& operator=(const CCacheAnillos&) = delete;

    // The coverage of the ring (closed back to its first point) filled
    // even-odd, and outlined `ancho` pixels wide with round ends and joins
    // when ancho > 0, drawn half a pixel down and right when `desplaza`.
    // `minX`, `minY` are the ring's box corner. False when the ring is not
    // small enough or its coverage cannot be taken.
    bool Buscar(const wxPoint* pixeles, int n, int minX, int minY, int ancho, bool desplaza,
                Cobertura& cobertura);

    // Shapes kept; the cache starts over when it holds too many.
    int NumFormas() const { return numFormas; }

private:
    struct Entrada {
        std::uint64_t hash = 0;
        std::uint32_t clave = 0;  // start in `claves`
        std::uint32_t cobertura = 0;  // start in `coberturas`
        std::uint16_t longitudClave = 0;
        std::uint16_t numRelleno = 0;
        std::uint16_t numBorde = 0;
        bool usada = false;
    };

    bool Calcular(const wxPoint* pixeles, int n, int minX, int minY, int ancho, bool desplaza);
    bool Tomar(std::vector<std::uint8_t>& destino);
    void Vaciar();
    Cobertura CoberturaDe(const Entrada& entrada) const;

    std::vector<Entrada> tabla;
    std::vector<std::uint8_t> claves;
    std::vector<std::uint8_t> coberturas;
    std::vector<std::uint8_t> clave;  // the key being looked up
    std::vector<std::uint8_t> relleno, borde;  // coverage being taken
    int numFormas = 0;
    cairo_surface_t* borrador = nullptr;
    cairo_t* cr = nullptr;
};
