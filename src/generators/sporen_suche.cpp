#include "generators/sporen_suche.h"

#include <algorithm>

// The vector kernel exists only on x86-64; every other machine runs the
// scalar one, which gives the same numbers.
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace gm::sporen_intern {

namespace {

// The update keeps the two smallest values seen, so the order of the points
// does not matter and it needs no branch.
int sucheSkalar(const Nachbarn& n, int px, int py) {
    int f1 = 100000, f2 = 100000;
    for (int k = 0; k < NachbarPlaetze; ++k) {
        const int dx = px - n.x[k], dy = py - n.y[k];
        const int d = (dx * dx + dy * dy + n.z[k]) >> 10;
        f2 = std::min(f2, std::max(f1, d));
        f1 = std::min(f1, d);
    }
    return f2 - f1;
}

#if defined(__x86_64__)

// Two smallest of the pairs (a1 <= a2) and (b1 <= b2) lane by lane.
__attribute__((target("avx2"))) inline void paare(__m256i& a1, __m256i& a2, __m256i b1,
                                                  __m256i b2) {
    const __m256i kleinstes = _mm256_min_epi32(a1, b1);
    a2 = _mm256_min_epi32(_mm256_max_epi32(a1, b1), _mm256_min_epi32(a2, b2));
    a1 = kleinstes;
}

__attribute__((target("avx2"))) int sucheAvx2(const Nachbarn& n, int px, int py) {
    const __m256i vx = _mm256_set1_epi32(px), vy = _mm256_set1_epi32(py);
    __m256i f1 = _mm256_set1_epi32(100000), f2 = f1;
    for (int k = 0; k < NachbarPlaetze; k += 8) {
        const __m256i dx = _mm256_sub_epi32(vx, _mm256_load_si256((const __m256i*)(n.x + k)));
        const __m256i dy = _mm256_sub_epi32(vy, _mm256_load_si256((const __m256i*)(n.y + k)));
        const __m256i summe = _mm256_add_epi32(
            _mm256_add_epi32(_mm256_mullo_epi32(dx, dx), _mm256_mullo_epi32(dy, dy)),
            _mm256_load_si256((const __m256i*)(n.z + k)));
        const __m256i d = _mm256_srai_epi32(summe, 10);
        f2 = _mm256_min_epi32(f2, _mm256_max_epi32(f1, d));
        f1 = _mm256_min_epi32(f1, d);
    }
    // Fold the eight lanes' pairs into one: halves, then pairs of lanes, then lanes.
    paare(f1, f2, _mm256_permute2x128_si256(f1, f1, 1), _mm256_permute2x128_si256(f2, f2, 1));
    paare(f1, f2, _mm256_shuffle_epi32(f1, 0x4E), _mm256_shuffle_epi32(f2, 0x4E));
    paare(f1, f2, _mm256_shuffle_epi32(f1, 0xB1), _mm256_shuffle_epi32(f2, 0xB1));
    return _mm256_cvtsi256_si32(f2) - _mm256_cvtsi256_si32(f1);
}

#endif  // __x86_64__

}  // namespace

SucheFn SucheFuer(SucheKern kern) {
#if defined(__x86_64__)
    if (kern != SucheKern::Skalar && __builtin_cpu_supports("avx2")) return sucheAvx2;
#else
    (void)kern;
#endif
    return sucheSkalar;
}

}  // namespace gm::sporen_intern
