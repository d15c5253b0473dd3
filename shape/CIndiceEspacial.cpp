#include "CIndiceEspacial.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr float kInfinito = std::numeric_limits<float>::infinity();
constexpr double kMayor = std::numeric_limits<float>::max();

// Beyond the float range the conversion is undefined: those ends are held
// at the range's edge or at infinity, on the outward side.
float HaciaAbajo(double v) {
    if (v > kMayor) return std::numeric_limits<float>::max();
    if (v < -kMayor) return -kInfinito;
    float f = static_cast<float>(v);
    if (static_cast<double>(f) > v) f = std::nextafter(f, -kInfinito);
    return f;
}

float HaciaArriba(double v) {
    if (v > kMayor) return kInfinito;
    if (v < -kMayor) return -std::numeric_limits<float>::max();
    float f = static_cast<float>(v);
    if (static_cast<double>(f) < v) f = std::nextafter(f, kInfinito);
    return f;
}

bool Cortan(const CIndiceEspacial::Nodo& n, const CRectangulo& r) {
    // A NaN in the rectangle fails every comparison: it meets everything.
    return !(n.x2 < r.x1 || r.x2 < n.x1 || n.y2 < r.y1 || r.y2 < n.y1);
}

// Position of (x, y), each of 16 bits, along the Hilbert curve that fills
// the 65536 x 65536 square: boxes near on the curve are near on the map.
std::uint32_t Hilbert(std::uint32_t x, std::uint32_t y) {
    std::uint32_t d = 0;
    for (std::uint32_t s = 1u << 15; s > 0; s >>= 1) {
        const std::uint32_t rx = (x & s) ? 1 : 0;
        const std::uint32_t ry = (y & s) ? 1 : 0;
        d += s * s * ((3 * rx) ^ ry);
        if (ry == 0) {
            if (rx == 1) {
                x = 0xFFFFu - x;
                y = 0xFFFFu - y;
            }
            std::swap(x, y);
        }
    }
    return d;
}

// Where v lies between minimo and minimo + ancho, in 16 bits.
std::uint32_t Celda(double v, double minimo, double ancho) {
    if (!(ancho > 0.0) || !std::isfinite(v)) return 0;
    const double t = (v - minimo) / ancho * 65535.0;
    return static_cast<std::uint32_t>(std::clamp(t, 0.0, 65535.0));
}

// Sorts (key << 32 | position) by key: three stable passes of 11 bits,
// whose counters stay in the first-level cache.
void OrdenaPorClave(std::vector<std::uint64_t>& claves) {
    std::vector<std::uint64_t> otro(claves.size());
    for (int desplazamiento : {32, 43, 54}) {
        std::size_t cuenta[1u << 11] = {};
        for (const std::uint64_t c : claves) ++cuenta[(c >> desplazamiento) & 0x7FF];
        std::size_t total = 0;
        for (std::size_t& n : cuenta) total += std::exchange(n, total);
        for (const std::uint64_t c : claves) otro[cuenta[(c >> desplazamiento) & 0x7FF]++] = c;
        claves.swap(otro);
    }
}

}  // namespace

bool CIndiceEspacial::Hoja(unsigned int registro, const CRectangulo& caja, Nodo& hoja) {
    if (!(caja.x1 <= caja.x2) || !(caja.y1 <= caja.y2)) return false;  // NaN too
    hoja = Nodo{HaciaAbajo(caja.x1), HaciaAbajo(caja.y1), HaciaArriba(caja.x2),
                HaciaArriba(caja.y2), registro};
    return true;
}

std::size_t CIndiceEspacial::NodosPara(std::size_t numHojas) {
    std::size_t total = numHojas;
    for (std::size_t n = numHojas; n > 1;) {
        n = (n + kHijos - 1) / kHijos;
        total += n;
    }
    return total;
}

CIndiceEspacial::CIndiceEspacial(std::vector<Nodo> hojas)
    : numHojas(hojas.size()), nodos(std::move(hojas)) {
    if (numHojas == 0) return;
    OrdenaHojas();
    Empaqueta();
}

void CIndiceEspacial::OrdenaHojas() {
    // The curve spans the box of the centres of the finite boxes.
    double x1 = std::numeric_limits<double>::infinity(), y1 = x1, x2 = -x1, y2 = -x1;
    for (std::size_t i = 0; i < numHojas; ++i) {
        const double cx = (0.5 * nodos[i].x1 + 0.5 * nodos[i].x2);
        const double cy = (0.5 * nodos[i].y1 + 0.5 * nodos[i].y2);
        if (!std::isfinite(cx) || !std::isfinite(cy)) continue;
        x1 = std::min(x1, cx), x2 = std::max(x2, cx);
        y1 = std::min(y1, cy), y2 = std::max(y2, cy);
    }
    std::vector<std::uint64_t> claves(numHojas);
    for (std::size_t i = 0; i < numHojas; ++i) {
        const double cx = (0.5 * nodos[i].x1 + 0.5 * nodos[i].x2);
        const double cy = (0.5 * nodos[i].y1 + 0.5 * nodos[i].y2);
        const std::uint64_t clave = Hilbert(Celda(cx, x1, x2 - x1), Celda(cy, y1, y2 - y1));
        claves[i] = clave << 32 | i;
    }
    OrdenaPorClave(claves);
    // The leaf at i moves to where its key was sorted to, cycle by cycle,
    // in place; a place done keeps its own position.
    for (std::size_t i = 0; i < numHojas; ++i) {
        if ((claves[i] & 0xFFFFFFFFu) == i) continue;
        const Nodo primera = nodos[i];
        std::size_t j = i;
        for (;;) {
            const std::size_t desde = claves[j] & 0xFFFFFFFFu;
            claves[j] = j;
            if (desde == i) {
                nodos[j] = primera;
                break;
            }
            nodos[j] = nodos[desde];
            j = desde;
        }
    }
}

void CIndiceEspacial::Empaqueta() {
    nodos.resize(NodosPara(numHojas));
    CalculaNiveles();
    for (std::size_t nivel = 1; nivel + 1 < inicioNivel.size(); ++nivel) {
        const std::size_t inicio = inicioNivel[nivel - 1];
        const std::size_t cuantos = inicioNivel[nivel] - inicio;
        const std::size_t padres = inicioNivel[nivel + 1] - inicioNivel[nivel];
        for (std::size_t p = 0; p < padres; ++p) {
            Nodo& padre = nodos[inicioNivel[nivel] + p];
            padre = nodos[inicio + p * kHijos];
            const std::size_t fin = std::min(cuantos, (p + 1) * kHijos);
            for (std::size_t h = p * kHijos + 1; h < fin; ++h) {
                const Nodo& hijo = nodos[inicio + h];
                padre.x1 = std::min(padre.x1, hijo.x1);
                padre.y1 = std::min(padre.y1, hijo.y1);
                padre.x2 = std::max(padre.x2, hijo.x2);
                padre.y2 = std::max(padre.y2, hijo.y2);
            }
        }
    }
}

void CIndiceEspacial::CalculaNiveles() {
    inicioNivel = {0};
    std::size_t inicio = 0, cuantos = numHojas;
    while (cuantos > 1) {
        inicio += cuantos;
        cuantos = (cuantos + kHijos - 1) / kHijos;
        inicioNivel.push_back(inicio);
    }
    inicioNivel.push_back(inicio + cuantos);
}

std::unique_ptr<CIndiceEspacial> CIndiceEspacial::DeNodos(std::size_t numHojas, std::vector<Nodo> nodos,
                                                          unsigned int numRegistros) {
    if (numHojas > numRegistros || nodos.size() != NodosPara(numHojas)) return nullptr;
    for (std::size_t i = 0; i < numHojas; ++i)
        if (nodos[i].registro >= numRegistros) return nullptr;
    std::unique_ptr<CIndiceEspacial> indice(new CIndiceEspacial());
    indice->numHojas = numHojas;
    indice->nodos = std::move(nodos);
    if (numHojas == 0) return indice;
    indice->CalculaNiveles();
    if (!indice->CajasAnidadas()) return nullptr;
    return indice;
}

bool CIndiceEspacial::CajasAnidadas() const {
    const auto contiene = [](const Nodo& padre, const Nodo& hijo) {
        // Written so that a NaN anywhere fails.
        return padre.x1 <= hijo.x1 && padre.y1 <= hijo.y1 && hijo.x2 <= padre.x2 && hijo.y2 <= padre.y2;
    };
    for (std::size_t i = 0; i < numHojas; ++i)
        if (!(nodos[i].x1 <= nodos[i].x2 && nodos[i].y1 <= nodos[i].y2)) return false;
    for (std::size_t nivel = 1; nivel + 1 < inicioNivel.size(); ++nivel) {
        const std::size_t inicio = inicioNivel[nivel - 1];
        const std::size_t cuantos = inicioNivel[nivel] - inicio;
        for (std::size_t h = 0; h < cuantos; ++h)
            if (!contiene(nodos[inicioNivel[nivel] + h / kHijos], nodos[inicio + h])) return false;
    }
    return true;
}

void CIndiceEspacial::Consulta(const CRectangulo& rectangulo,
                               std::vector<unsigned int>& registros) const {
    registros.clear();
    if (numHojas == 0) return;
    const std::size_t raiz = inicioNivel.size() - 2;
    Visita(raiz, 0, rectangulo, registros);
    std::sort(registros.begin(), registros.end());
}

void CIndiceEspacial::Visita(std::size_t nivel, std::size_t nodo, const CRectangulo& rectangulo,
                             std::vector<unsigned int>& registros) const {
    const Nodo& n = nodos[inicioNivel[nivel] + nodo];
    if (!Cortan(n, rectangulo)) return;
    if (nivel == 0) {
        registros.push_back(n.registro);
        return;
    }
    const std::size_t abajo = inicioNivel[nivel] - inicioNivel[nivel - 1];
    const std::size_t fin = std::min(abajo, (nodo + 1) * kHijos);
    for (std::size_t hijo = nodo * kHijos; hijo < fin; ++hijo)
        Visita(nivel - 1, hijo, rectangulo, registros);
}
