#pragma once
// Vectors of doubles as lanes for the kernels chosen at run time: for each
// instruction set a namespace with the vector type V, its lane mask M (-1 in
// a lane that is set, as a comparison gives it), the lane count Spuren and
// the operations the arithmetic operators do not cover. Every operation
// gives each lane the bits of its scalar form: IEEE arithmetic, square root
// and truncation are exact, cosinus, sinus and exp are the functions of
// core/mathe.h. A kernel includes its lane code once inside each namespace.
// x86-64 only.

#include <immintrin.h>

#include <cstdint>

#include "core/befehlssatz.h"
#include "core/mathe.h"

namespace gm::spuren {

GM_ZIEL_BEGINN("avx2")
namespace avx2 {
constexpr int Spuren = 4;
using V = double __attribute__((vector_size(Spuren * sizeof(double))));
using M = std::int64_t __attribute__((vector_size(Spuren * sizeof(std::int64_t))));
GM_INLINE V alle(double x) {
    return V(_mm256_set1_pd(x));
}
GM_INLINE V wurzel(V v) {
    return V(_mm256_sqrt_pd(__m256d(v)));
}
GM_INLINE V ganzteil(V v) {
    return V(_mm256_round_pd(__m256d(v), _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC));
}
GM_INLINE V abgerundet(V v) {
    return V(_mm256_round_pd(__m256d(v), _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC));
}
GM_INLINE V cosinus(V v) {
    return V(Sleef_cinz_cosd4_u10avx(__m256d(v)));
}
GM_INLINE V sinus(V v) {
    return V(Sleef_cinz_sind4_u10avx(__m256d(v)));
}
GM_INLINE V exp(V v) {
    return V(Sleef_cinz_expd4_u10avx(__m256d(v)));
}
GM_INLINE V laden(const double* p) {
    return V(_mm256_loadu_pd(p));
}
GM_INLINE void speichern(double* p, V v) {
    _mm256_storeu_pd(p, __m256d(v));
}
// The lanes whose bit is set in k: a set lane of a mask, loaded and stored.
constexpr M Reihe = {0, 1, 2, 3};
GM_INLINE unsigned bits(M m) {
    return unsigned(_mm256_movemask_pd(__m256d(m)));
}
GM_INLINE __m256i lanesVon(unsigned k) {
    return __m256i(-((M{} + k) >> Reihe & 1));
}
GM_INLINE V laden(unsigned k, const double* p) {
    return V(_mm256_maskload_pd(p, lanesVon(k)));
}
GM_INLINE void speichern(double* p, unsigned k, V v) {
    _mm256_maskstore_pd(p, lanesVon(k), __m256d(v));
}
// The lanes in reverse order.
GM_INLINE V umkehren(V v) {
    return V(_mm256_permute4x64_pd(__m256d(v), 0x1b));
}
}  // namespace avx2
GM_ZIEL_ENDE

GM_ZIEL_BEGINN("avx512f,avx512dq")
// The masked forms with every lane set: the plain ones start from an
// undefined vector, which GCC 12 warns about.
namespace avx512 {
constexpr int Spuren = 8;
using V = double __attribute__((vector_size(Spuren * sizeof(double))));
using M = std::int64_t __attribute__((vector_size(Spuren * sizeof(std::int64_t))));
GM_INLINE V alle(double x) {
    return V(_mm512_set1_pd(x));
}
GM_INLINE V wurzel(V v) {
    return V(_mm512_mask_sqrt_pd(__m512d(v), 0xFF, __m512d(v)));
}
GM_INLINE V ganzteil(V v) {
    return V(_mm512_mask_roundscale_pd(__m512d(v), 0xFF, __m512d(v),
                                       _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC));
}
GM_INLINE V abgerundet(V v) {
    return V(_mm512_mask_roundscale_pd(__m512d(v), 0xFF, __m512d(v),
                                       _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC));
}
GM_INLINE V cosinus(V v) {
    return V(Sleef_cinz_cosd8_u10avx512fnofma(__m512d(v)));
}
GM_INLINE V sinus(V v) {
    return V(Sleef_cinz_sind8_u10avx512fnofma(__m512d(v)));
}
GM_INLINE V exp(V v) {
    return V(Sleef_cinz_expd8_u10avx512fnofma(__m512d(v)));
}
GM_INLINE V laden(const double* p) {
    return V(_mm512_loadu_pd(p));
}
GM_INLINE void speichern(double* p, V v) {
    _mm512_storeu_pd(p, __m512d(v));
}
constexpr M Reihe = {0, 1, 2, 3, 4, 5, 6, 7};
GM_INLINE unsigned bits(M m) {
    return _mm512_test_epi64_mask(__m512i(m), __m512i(m));
}
GM_INLINE V laden(unsigned k, const double* p) {
    return V(_mm512_maskz_loadu_pd(__mmask8(k), p));
}
GM_INLINE void speichern(double* p, unsigned k, V v) {
    _mm512_mask_storeu_pd(p, __mmask8(k), __m512d(v));
}
GM_INLINE V umkehren(V v) {
    const __m512i rueckwaerts = _mm512_set_epi64(0, 1, 2, 3, 4, 5, 6, 7);
    return V(_mm512_maskz_permutexvar_pd(0xff, rueckwaerts, __m512d(v)));
}
}  // namespace avx512
GM_ZIEL_ENDE

}  // namespace gm::spuren
