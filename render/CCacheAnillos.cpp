#include "CCacheAnillos.h"

#include <cstring>

namespace {

constexpr int kLadoBorrador = 32;
// Where the ring's box corner goes on the scratch surface: far enough from
// every edge that no coverage of a small ring can reach one.
constexpr int kOrigen = 12;
constexpr int kLadoCobertura = CCacheAnillos::kLadoMaximo + 2 * CCacheAnillos::kMargen;
constexpr std::size_t kCapacidad = 4096;  // a power of two
constexpr int kFormasMaximas = kCapacidad * 3 / 4;
constexpr std::size_t kBytesMaximos = 4u << 20;

std::uint64_t Fnv1a(const std::vector<std::uint8_t>& bytes) {
    std::uint64_t hash = 1469598103934665603ull;
    for (std::uint8_t b : bytes) {
        hash ^= b;
        hash *= 1099511628211ull;
    }
    return hash;
}

}  // namespace

CCacheAnillos::CCacheAnillos() {
    clave.reserve(3 + 2 * kPuntosMaximos);
}

CCacheAnillos::~CCacheAnillos() {
    if (cr) cairo_destroy(cr);
    if (borrador) cairo_surface_destroy(borrador);
}

void CCacheAnillos::Vaciar() {
    tabla.assign(kCapacidad, Entrada());
    claves.clear();
    coberturas.clear();
    numFormas = 0;
}

CCacheAnillos::Cobertura CCacheAnillos::CoberturaDe(const Entrada& entrada) const {
    Cobertura c;
    c.relleno = coberturas.data() + entrada.cobertura;
    c.numRelleno = entrada.numRelleno;
    c.borde = c.relleno + 2 * entrada.numRelleno;
    c.numBorde = entrada.numBorde;
    return c;
}

bool CCacheAnillos::Buscar(const wxPoint* pixeles, int n, int minX, int minY, int ancho,
                           bool desplaza, Cobertura& cobertura) {
    if (!pixeles || n < 2 || n > kPuntosMaximos || ancho < 0 || ancho > kAnchoMaximo)
        return false;
    clave.clear();
    clave.push_back(static_cast<std::uint8_t>(ancho));
    clave.push_back(desplaza ? 1 : 0);
    clave.push_back(static_cast<std::uint8_t>(n));
    for (int i = 0; i < n; ++i) {
        const int dx = pixeles[i].x - minX, dy = pixeles[i].y - minY;
        if (dx < 0 || dy < 0 || dx > kLadoMaximo || dy > kLadoMaximo) return false;
        clave.push_back(static_cast<std::uint8_t>(dx));
        clave.push_back(static_cast<std::uint8_t>(dy));
    }
    if (tabla.empty()) Vaciar();
    const std::uint64_t hash = Fnv1a(clave);
    std::size_t posicion = hash & (kCapacidad - 1);
    for (;; posicion = (posicion + 1) & (kCapacidad - 1)) {
        const Entrada& entrada = tabla[posicion];
        if (!entrada.usada) break;
        if (entrada.hash == hash && entrada.longitudClave == clave.size() &&
            std::memcmp(claves.data() + entrada.clave, clave.data(), clave.size()) == 0) {
            cobertura = CoberturaDe(entrada);
            return true;
        }
    }

    if (!Calcular(pixeles, n, minX, minY, ancho, desplaza)) return false;
    if (numFormas >= kFormasMaximas || claves.size() + clave.size() > kBytesMaximos ||
        coberturas.size() + relleno.size() + borde.size() > kBytesMaximos) {
        Vaciar();
        posicion = hash & (kCapacidad - 1);
        while (tabla[posicion].usada) posicion = (posicion + 1) & (kCapacidad - 1);
    }
    Entrada& entrada = tabla[posicion];
    entrada.usada = true;
    entrada.hash = hash;
    entrada.clave = static_cast<std::uint32_t>(claves.size());
    entrada.longitudClave = static_cast<std::uint16_t>(clave.size());
    claves.insert(claves.end(), clave.begin(), clave.end());
    entrada.cobertura = static_cast<std::uint32_t>(coberturas.size());
    entrada.numRelleno = static_cast<std::uint16_t>(relleno.size() / 2);
    entrada.numBorde = static_cast<std::uint16_t>(borde.size() / 2);
    coberturas.insert(coberturas.end(), relleno.begin(), relleno.end());
    coberturas.insert(coberturas.end(), borde.begin(), borde.end());
    ++numFormas;
    cobertura = CoberturaDe(entrada);
    return true;
}

// The pixels drawn on the scratch surface since it was cleared, as offsets
// within the coverage box; false when one falls outside it.
bool CCacheAnillos::Tomar(std::vector<std::uint8_t>& destino) {
    destino.clear();
    cairo_surface_flush(borrador);
    const unsigned char* datos = cairo_image_surface_get_data(borrador);
    const int paso = cairo_image_surface_get_stride(borrador);
    constexpr int esquina = kOrigen - kMargen;
    bool dentro = true;
    for (int y = 0; y < kLadoBorrador; ++y) {
        const std::uint32_t* fila = reinterpret_cast<const std::uint32_t*>(datos + y * paso);
        for (int x = 0; x < kLadoBorrador; ++x) {
            if (fila[x] == 0) continue;
            const int dx = x - esquina, dy = y - esquina;
            if (dx < 0 || dy < 0 || dx >= kLadoCobertura || dy >= kLadoCobertura) dentro = false;
            destino.push_back(static_cast<std::uint8_t>(dx));
            destino.push_back(static_cast<std::uint8_t>(dy));
        }
    }
    // Cleared again for the next drawing.
    std::memset(cairo_image_surface_get_data(borrador), 0,
                static_cast<std::size_t>(paso) * kLadoBorrador);
    cairo_surface_mark_dirty(borrador);
    return dentro;
}

bool CCacheAnillos::Calcular(const wxPoint* pixeles, int n, int minX, int minY, int ancho,
                             bool desplaza) {
    if (!borrador) {
        borrador = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kLadoBorrador, kLadoBorrador);
        cr = cairo_create(borrador);
        if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) return false;
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
        cairo_surface_flush(borrador);
        std::memset(cairo_image_surface_get_data(borrador), 0,
                    static_cast<std::size_t>(cairo_image_surface_get_stride(borrador)) *
                        kLadoBorrador);
        cairo_surface_mark_dirty(borrador);
    }
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) return false;
    // The same path the direct drawing builds, moved by whole pixels.
    const double dx = kOrigen - minX + (desplaza ? 0.5 : 0.0);
    const double dy = kOrigen - minY + (desplaza ? 0.5 : 0.0);
    auto trazar = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, pixeles[0].x + dx, pixeles[0].y + dy);
        for (int i = 1; i < n; ++i) cairo_line_to(cr, pixeles[i].x + dx, pixeles[i].y + dy);
        if (pixeles[n - 1] != pixeles[0]) cairo_line_to(cr, pixeles[0].x + dx, pixeles[0].y + dy);
    };
    trazar();
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
    if (!Tomar(relleno)) return false;
    borde.clear();
    if (ancho > 0) {
        trazar();
        cairo_set_line_width(cr, ancho);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        if (!Tomar(borde)) return false;
    }
    return cairo_status(cr) == CAIRO_STATUS_SUCCESS;
}
