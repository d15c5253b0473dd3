#include "CProyeccionPoligono.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

CProyeccionPoligono::CProyeccionPoligono(const CTransformacionMapa& vista)
    : vista(vista),
      infIzqX(vista.GetExtension().GetCoordenadaInfIzqX()),
      supDerY(vista.GetExtension().GetCoordenadaSupDerY()),
      resolucion(vista.GetResolucion()) {}

#if defined(__SSE2__)

static_assert(sizeof(CPunto) == 2 * sizeof(double), "a point is two doubles");

namespace {

// Points lie in the mapping with 4-byte alignment: an unaligned load.
__m128d Cargar(const CPunto* punto) {
    __m128d v;
    std::memcpy(&v, punto, sizeof v);
    return v;
}

}  // namespace

// Both coordinates in one register: x - x0 and, with its sign flipped
// (exact), y - y0 as y0 - y; the division, the half pixel and the rounding
// to single precision are those of PixelPoligono, lane by lane.
int CProyeccionPoligono::Anillo(const CPunto* puntos, unsigned int n, wxPoint* pixeles,
                                CRectangulo& caja) const {
    const __m128d origen = _mm_set_pd(supDerY, infIzqX);
    const __m128d signoY = _mm_set_pd(-0.0, 0.0);
    const __m128d divisor = _mm_set1_pd(resolucion);
    const __m128d medio = _mm_set1_pd(0.5);
    const __m128 limite = _mm_set1_ps(static_cast<float>(CTransformacionMapa::kLimitePixel));
    const __m128 menosLimite = _mm_set1_ps(-static_cast<float>(CTransformacionMapa::kLimitePixel));
    __m128d minimo = Cargar(puntos), maximo = minimo;
    std::int64_t anterior = 0;
    int numPixeles = 0;
    for (unsigned int i = 0; i < n; ++i) {
        const __m128d p = Cargar(puntos + i);
        // minpd(a, b) is a < b ? a : b, as std::min(b, a).
        minimo = _mm_min_pd(p, minimo);
        maximo = _mm_max_pd(p, maximo);
        __m128d d = _mm_xor_pd(_mm_sub_pd(p, origen), signoY);
        d = _mm_sub_pd(_mm_div_pd(d, divisor), medio);
        const __m128 f = _mm_cvtpd_ps(d);
        const __m128 ordenado = _mm_cmpord_ps(f, f);  // false for NaN
        const __m128 acotado = _mm_max_ps(_mm_min_ps(f, limite), menosLimite);
        const __m128i pixel =
            _mm_and_si128(_mm_cvttps_epi32(acotado), _mm_castps_si128(ordenado));
        const std::int64_t valor = _mm_cvtsi128_si64(pixel);
        if (numPixeles == 0 || valor != anterior) {
            // Lane 0 (x) in the low half.
            pixeles[numPixeles++] = wxPoint(static_cast<std::int32_t>(valor),
                                            static_cast<std::int32_t>(valor >> 32));
            anterior = valor;
        }
    }
    double minimos[2], maximos[2];
    _mm_storeu_pd(minimos, minimo);
    _mm_storeu_pd(maximos, maximo);
    caja = CRectangulo(minimos[0], minimos[1], maximos[0], maximos[1]);
    return numPixeles;
}

#else

int CProyeccionPoligono::Anillo(const CPunto* puntos, unsigned int n, wxPoint* pixeles,
                                CRectangulo& caja) const {
    double minX = puntos[0].x, maxX = minX, minY = puntos[0].y, maxY = minY;
    int numPixeles = 0;
    for (unsigned int i = 0; i < n; ++i) {
        const CPunto& punto = puntos[i];
        minX = std::min(minX, punto.x);
        maxX = std::max(maxX, punto.x);
        minY = std::min(minY, punto.y);
        maxY = std::max(maxY, punto.y);
        const wxPoint pixel = vista.PixelPoligono(punto);
        if (numPixeles == 0 || pixel != pixeles[numPixeles - 1]) pixeles[numPixeles++] = pixel;
    }
    caja = CRectangulo(minX, minY, maxX, maxY);
    return numPixeles;
}

#endif
