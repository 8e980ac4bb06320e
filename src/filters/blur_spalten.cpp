#include "filters/blur_spalten.h"

#include <cstdint>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define GM_BLUR_VEKTOR 1
// The compiler's own headers fill unused lanes from an undefined register in
// the unmasked forms, which its flow analysis reports as uninitialised.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#endif

namespace gm {

namespace {

// The forward and backward sweeps of K neighbouring columns at once: the K
// recursions are independent, so interleaving them keeps the processor busy
// while each waits for its previous value. Every column gets exactly the
// operations of its own sweep.
template <int K>
[[gnu::always_inline]] inline void spaltenGlaetten(Dokument& dok, int x0, double a, double b,
                                                   std::vector<double>& v) {
    const int n = dok.MaxY;
    const std::size_t ny = std::size_t(n) + 1;
    double* h[K];
    const std::uint8_t* m[K];
    for (int k = 0; k < K; ++k) {
        h[k] = dok.Hoehenfeld.spalte(x0 + k);
        m[k] = dok.Maske.spalte(x0 + k);
    }
    // v holds K running columns, one after the other.
    for (int k = 0; k < K; ++k)
        v[k * ny] = h[k][0];
    for (int y = 1; y <= n; ++y)
        for (int k = 0; k < K; ++k)
            v[k * ny + y] = a * v[k * ny + y - 1] + b * h[k][y];
    for (int k = 0; k < K; ++k)
        for (int y = 0; y <= n; ++y)
            if (m[k][y] == 0) h[k][y] = v[k * ny + y];
    for (int y = n - 1; y >= 0; --y)
        for (int k = 0; k < K; ++k)
            v[k * ny + y] = a * v[k * ny + y + 1] + b * h[k][y];
    for (int k = 0; k < K; ++k)
        for (int y = 0; y <= n; ++y)
            if (m[k][y] == 0) h[k][y] = v[k * ny + y];
}

// The columns [anfang, ende), eight or four at a time; built for AVX2 as
// well, with the same operations and so the same bits.
#if defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
void spaltenEinzeln(Dokument& dok, int anfang, int ende, double a, double b) {
    std::vector<double> v(8 * (std::size_t(dok.MaxY) + 1));
    int x = anfang;
    for (; x + 8 <= ende; x += 8)
        spaltenGlaetten<8>(dok, x, a, b, v);
    for (; x + 4 <= ende; x += 4)
        spaltenGlaetten<4>(dok, x, a, b, v);
    for (; x < ende; ++x)
        spaltenGlaetten<1>(dok, x, a, b, v);
}

#ifdef GM_BLUR_VEKTOR

#define GM_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl")))

// r[k] := the k-th lane of every r[j], for eight vectors of eight lanes.
GM_AVX512 inline void transponieren(__m512d r[8]) {
    __m512d t[8], u[8];
    for (int i = 0; i < 4; ++i) {
        t[2 * i] = _mm512_unpacklo_pd(r[2 * i], r[2 * i + 1]);
        t[2 * i + 1] = _mm512_unpackhi_pd(r[2 * i], r[2 * i + 1]);
    }
    for (int i = 0; i < 2; ++i) {
        u[4 * i] = _mm512_shuffle_f64x2(t[4 * i], t[4 * i + 2], 0x88);
        u[4 * i + 1] = _mm512_shuffle_f64x2(t[4 * i + 1], t[4 * i + 3], 0x88);
        u[4 * i + 2] = _mm512_shuffle_f64x2(t[4 * i], t[4 * i + 2], 0xdd);
        u[4 * i + 3] = _mm512_shuffle_f64x2(t[4 * i + 1], t[4 * i + 3], 0xdd);
    }
    for (int i = 0; i < 4; ++i) {
        r[i] = _mm512_shuffle_f64x2(u[i], u[i + 4], 0x88);
        r[i + 4] = _mm512_shuffle_f64x2(u[i], u[i + 4], 0xdd);
    }
}

// Rows [y, y + 8) of the eight columns: each lane of v is one column's
// running value, taken through the rows upwards or downwards; the free cells
// take the new values.
template <bool Vorwaerts>
GM_AVX512 inline void block(double* const h[8], const std::uint8_t* const m[8], int y, __m512d a,
                            __m512d b, __m512d& v) {
    __m512d r[8];
    for (int k = 0; k < 8; ++k)
        r[k] = _mm512_loadu_pd(h[k] + y);
    transponieren(r);
    for (int i = 0; i < 8; ++i) {
        const int j = Vorwaerts ? i : 7 - i;
        v = _mm512_add_pd(_mm512_mul_pd(a, v), _mm512_mul_pd(b, r[j]));
        r[j] = v;
    }
    transponieren(r);
    for (int k = 0; k < 8; ++k) {
        const __m128i mb = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(m[k] + y));
        _mm512_mask_storeu_pd(h[k] + y, __mmask8(~_mm_test_epi8_mask(mb, mb)), r[k]);
    }
}

// Row y of the eight columns one lane at a time, for the rows that do not
// fill a block.
GM_AVX512 inline void zeile(double* const h[8], const std::uint8_t* const m[8], int y, double a,
                            double b, __m512d& v) {
    alignas(64) double w[8];
    _mm512_store_pd(w, v);
    for (int k = 0; k < 8; ++k) {
        w[k] = a * w[k] + b * h[k][y];
        if (m[k][y] == 0) h[k][y] = w[k];
    }
    v = _mm512_load_pd(w);
}

// Eight neighbouring columns, one in each lane, in blocks of eight rows
// turned so that a vector holds one row: every column gets exactly the
// operations of its own sweeps.
GM_AVX512 void achtSpalten(Dokument& dok, int x0, double a, double b) {
    const int n = dok.MaxY;
    double* h[8];
    const std::uint8_t* m[8];
    alignas(64) double w[8];
    for (int k = 0; k < 8; ++k) {
        h[k] = dok.Hoehenfeld.spalte(x0 + k);
        m[k] = dok.Maske.spalte(x0 + k);
        w[k] = h[k][0];
    }
    const __m512d va = _mm512_set1_pd(a), vb = _mm512_set1_pd(b);
    __m512d v = _mm512_load_pd(w);
    int y = 1;
    for (; y + 8 <= n + 1; y += 8)
        block<true>(h, m, y, va, vb, v);
    for (; y <= n; ++y)
        zeile(h, m, y, a, b, v);
    y = n - 1;
    for (; y - 7 >= 0; y -= 8)
        block<false>(h, m, y - 7, va, vb, v);
    for (; y >= 0; --y)
        zeile(h, m, y, a, b, v);
}

#undef GM_AVX512

bool vektorDa() {
    static const bool da = __builtin_cpu_supports("avx512f") &&
                           __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl");
    return da;
}

#endif

}  // namespace

void SpaltenGlaetten(Dokument& dok, int anfang, int ende, double a, double b) {
#ifdef GM_BLUR_VEKTOR
    if (vektorDa()) {
        for (; anfang + 8 <= ende; anfang += 8)
            achtSpalten(dok, anfang, a, b);
    }
#endif
    spaltenEinzeln(dok, anfang, ende, a, b);
}

}  // namespace gm
