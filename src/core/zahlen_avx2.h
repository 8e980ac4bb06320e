#pragma once
// roundHalfEven of core/zahlen.h on four lanes, for the vector kernels chosen
// at run time; x86-64 only.

#if defined(__x86_64__)
#include <immintrin.h>

namespace gm {

// The same steps as roundHalfEven, so every lane gives its bits.
__attribute__((target("avx2"))) inline __m256d roundHalfEven4(__m256d v) {
    const __m256d r = _mm256_floor_pd(v);
    const __m256d rest = _mm256_sub_pd(v, r);
    const __m256d haelfte = _mm256_mul_pd(r, _mm256_set1_pd(0.5));
    const __m256d ungerade = _mm256_cmp_pd(_mm256_floor_pd(haelfte), haelfte, _CMP_NEQ_UQ);
    const __m256d halb = _mm256_set1_pd(0.5);
    const __m256d auf =
        _mm256_or_pd(_mm256_cmp_pd(rest, halb, _CMP_GT_OQ),
                     _mm256_and_pd(_mm256_cmp_pd(rest, halb, _CMP_EQ_OQ), ungerade));
    return _mm256_add_pd(r, _mm256_and_pd(auf, _mm256_set1_pd(1.0)));
}

}  // namespace gm

#endif
