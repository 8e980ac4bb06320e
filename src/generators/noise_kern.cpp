#include "generators/noise_kern.h"

// The vector kernels and their run-time choice exist only on x86-64; every
// other machine runs the scalar kernel, which gives the same bits.
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace gm::noise_intern {

namespace {

inline double zelle(const SpaltenTabelle& s, const ZeilenDaten& z, int y) {
    const int b0 = z.by[y];
    const int b1 = b0 + 1;
    double u = s.ux[b0] + z.ry0[y] * s.gyi[b0];
    double v = s.vx[b0] + z.ry0[y] * s.gyj[b0];
    const double a = u + s.sx * (v - u);
    u = s.ux[b1] + z.ry1[y] * s.gyi[b1];
    v = s.vx[b1] + z.ry1[y] * s.gyj[b1];
    const double b = u + s.sx * (v - u);
    return a + z.sy[y] * (b - a);
}

void kernSkalar(const SpaltenTabelle& s, const ZeilenDaten& z, double* n, int anzahl) {
    for (int y = 0; y < anzahl; ++y)
        n[y] = zelle(s, z, y);
}

#if defined(__x86_64__)

__attribute__((target("avx2"))) inline __m256d sammeln4(__m128i index, const double* basis) {
    const __m256d alle = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
    return _mm256_mask_i32gather_pd(_mm256_setzero_pd(), basis, index, alle, 8);
}

__attribute__((target("avx2"))) void kernAvx2(const SpaltenTabelle& s, const ZeilenDaten& z,
                                              double* n, int anzahl) {
    const __m256d sx = _mm256_set1_pd(s.sx);
    const __m128i eins = _mm_set1_epi32(1);
    int y = 0;
    for (; y + 4 <= anzahl; y += 4) {
        const __m128i b0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(z.by + y));
        const __m128i b1 = _mm_add_epi32(b0, eins);
        const __m256d ry0 = _mm256_loadu_pd(z.ry0 + y);
        const __m256d ry1 = _mm256_loadu_pd(z.ry1 + y);
        const __m256d sy = _mm256_loadu_pd(z.sy + y);
        __m256d u = _mm256_add_pd(sammeln4(b0, s.ux), _mm256_mul_pd(ry0, sammeln4(b0, s.gyi)));
        __m256d v = _mm256_add_pd(sammeln4(b0, s.vx), _mm256_mul_pd(ry0, sammeln4(b0, s.gyj)));
        const __m256d a = _mm256_add_pd(u, _mm256_mul_pd(sx, _mm256_sub_pd(v, u)));
        u = _mm256_add_pd(sammeln4(b1, s.ux), _mm256_mul_pd(ry1, sammeln4(b1, s.gyi)));
        v = _mm256_add_pd(sammeln4(b1, s.vx), _mm256_mul_pd(ry1, sammeln4(b1, s.gyj)));
        const __m256d b = _mm256_add_pd(u, _mm256_mul_pd(sx, _mm256_sub_pd(v, u)));
        _mm256_storeu_pd(n + y, _mm256_add_pd(a, _mm256_mul_pd(sy, _mm256_sub_pd(b, a))));
    }
    for (; y < anzahl; ++y)
        n[y] = zelle(s, z, y);
}

// The masked form with a zero source avoids reading an undefined register.
__attribute__((target("avx512f"))) inline __m512d sammeln(__m256i index, const double* basis) {
    return _mm512_mask_i32gather_pd(_mm512_setzero_pd(), 0xFF, index, basis, 8);
}

__attribute__((target("avx512f"))) inline __m512d fenster(const double* tabelle, int e0,
                                                          __m512i index) {
    return _mm512_permutex2var_pd(_mm512_loadu_pd(tabelle + e0), index,
                                  _mm512_loadu_pd(tabelle + e0 + 8));
}

__attribute__((target("avx512f"))) void kernAvx512(const SpaltenTabelle& s, const ZeilenDaten& z,
                                                   double* n, int anzahl) {
    const __m512d sx = _mm512_set1_pd(s.sx);
    const __m256i eins = _mm256_set1_epi32(1);
    const __m512i eins64 = _mm512_set1_epi64(1);
    int y = 0;
    for (int block = 0; y + Block <= anzahl; y += Block, ++block) {
        const __m512d ry0 = _mm512_loadu_pd(z.ry0 + y);
        const __m512d ry1 = _mm512_loadu_pd(z.ry1 + y);
        const __m512d sy = _mm512_loadu_pd(z.sy + y);
        __m512d ux0, gyi0, vx0, gyj0, ux1, gyi1, vx1, gyj1;
        if (z.fenster[block]) {
            const int e0 = z.by[y];
            const __m512i d0 = _mm512_loadu_si512(z.abstand + y);
            const __m512i d1 = _mm512_add_epi64(d0, eins64);
            ux0 = fenster(s.ux, e0, d0);
            gyi0 = fenster(s.gyi, e0, d0);
            vx0 = fenster(s.vx, e0, d0);
            gyj0 = fenster(s.gyj, e0, d0);
            ux1 = fenster(s.ux, e0, d1);
            gyi1 = fenster(s.gyi, e0, d1);
            vx1 = fenster(s.vx, e0, d1);
            gyj1 = fenster(s.gyj, e0, d1);
        } else {
            const __m256i b0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(z.by + y));
            const __m256i b1 = _mm256_add_epi32(b0, eins);
            ux0 = sammeln(b0, s.ux);
            gyi0 = sammeln(b0, s.gyi);
            vx0 = sammeln(b0, s.vx);
            gyj0 = sammeln(b0, s.gyj);
            ux1 = sammeln(b1, s.ux);
            gyi1 = sammeln(b1, s.gyi);
            vx1 = sammeln(b1, s.vx);
            gyj1 = sammeln(b1, s.gyj);
        }
        __m512d u = _mm512_add_pd(ux0, _mm512_mul_pd(ry0, gyi0));
        __m512d v = _mm512_add_pd(vx0, _mm512_mul_pd(ry0, gyj0));
        const __m512d a = _mm512_add_pd(u, _mm512_mul_pd(sx, _mm512_sub_pd(v, u)));
        u = _mm512_add_pd(ux1, _mm512_mul_pd(ry1, gyi1));
        v = _mm512_add_pd(vx1, _mm512_mul_pd(ry1, gyj1));
        const __m512d b = _mm512_add_pd(u, _mm512_mul_pd(sx, _mm512_sub_pd(v, u)));
        _mm512_storeu_pd(n + y, _mm512_add_pd(a, _mm512_mul_pd(sy, _mm512_sub_pd(b, a))));
    }
    for (; y < anzahl; ++y)
        n[y] = zelle(s, z, y);
}

#endif  // __x86_64__

}  // namespace

KernFn kernFuer(NoiseKern kern) {
#if defined(__x86_64__)
    switch (kern) {
        case NoiseKern::Skalar:
            return kernSkalar;
        case NoiseKern::Avx2:
            return kernAvx2;
        case NoiseKern::Avx512:
            return kernAvx512;
        case NoiseKern::Auto:
            break;
    }
    if (NoiseKernVerfuegbar(NoiseKern::Avx512)) return kernAvx512;
    if (NoiseKernVerfuegbar(NoiseKern::Avx2)) return kernAvx2;
#else
    (void)kern;
#endif
    return kernSkalar;
}

}  // namespace gm::noise_intern

namespace gm {

bool NoiseKernVerfuegbar(NoiseKern kern) {
    switch (kern) {
#if defined(__x86_64__)
        case NoiseKern::Avx2:
            return __builtin_cpu_supports("avx2");
        case NoiseKern::Avx512:
            return __builtin_cpu_supports("avx512f");
#else
        case NoiseKern::Avx2:
        case NoiseKern::Avx512:
            return false;
#endif
        default:
            return true;
    }
}

}  // namespace gm
