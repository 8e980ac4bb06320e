#include "core/mathe.h"

#include <gtest/gtest.h>

#include <immintrin.h>
#include <cmath>
#include <vector>

namespace {

// Arguments across the ranges the kernels use, with the edges and values
// whose results are exact.
std::vector<double> argumente() {
    std::vector<double> a = {0.0, -0.0, 1.0, 0.5, 1e-300, 3.141592653589793, 1.5707963267948966};
    for (int i = 0; i <= 4000; ++i)
        a.push_back(-20.0 + i * 0.01000001);
    return a;
}

[[gnu::target("avx")]] void avxGleich(double (*f)(double), __m256d (*v)(__m256d)) {
    for (const double x : argumente()) {
        double lanes[4];
        _mm256_storeu_pd(lanes, v(_mm256_set_pd(x, 1.0, x, 0.25)));
        EXPECT_EQ(lanes[3], f(x)) << x;
        EXPECT_EQ(lanes[1], f(x)) << x;
    }
}

[[gnu::target("avx512f")]] void avx512Gleich(double (*f)(double), __m512d (*v)(__m512d)) {
    for (const double x : argumente()) {
        double lanes[8];
        _mm512_storeu_pd(lanes, v(_mm512_set1_pd(x)));
        for (const double l : lanes)
            EXPECT_EQ(l, f(x)) << x;
    }
}

double pow17(double x) {
    return gm::Pow(std::abs(x), 1.7);
}
[[gnu::target("avx")]] __m256d pow17Avx(__m256d x) {
    return Sleef_cinz_powd4_u10avx(_mm256_andnot_pd(_mm256_set1_pd(-0.0), x), _mm256_set1_pd(1.7));
}
[[gnu::target("avx512f")]] __m512d pow17Avx512(__m512d x) {
    return Sleef_cinz_powd8_u10avx512fnofma(_mm512_abs_pd(x), _mm512_set1_pd(1.7));
}

// The vector kernels rely on every width giving the scalar form's bits, and
// on the scalar form staying within one unit in the last place of the C
// library's result.
TEST(Mathe, VektorbreitenGebenDieBitsDerSkalarenForm) {
    for (const double x : argumente()) {
        EXPECT_NEAR(gm::Cos(x), std::cos(x), 2.3e-16) << x;
        EXPECT_NEAR(gm::Sin(x), std::sin(x), 2.3e-16) << x;
        EXPECT_NEAR(gm::Exp(x), std::exp(x), std::exp(x) * 2.3e-16) << x;
        EXPECT_NEAR(pow17(x), std::pow(std::abs(x), 1.7), std::pow(std::abs(x), 1.7) * 2.3e-16);
    }
    EXPECT_EQ(gm::Cos(0.0), 1.0);
    EXPECT_EQ(gm::Exp(0.0), 1.0);
    EXPECT_EQ(gm::Pow(0.0, 1.7), 0.0);
    if (__builtin_cpu_supports("avx")) {
        avxGleich(gm::Cos, Sleef_cinz_cosd4_u10avx);
        avxGleich(gm::Sin, Sleef_cinz_sind4_u10avx);
        avxGleich(gm::Exp, Sleef_cinz_expd4_u10avx);
        avxGleich(pow17, pow17Avx);
    }
    if (__builtin_cpu_supports("avx512f")) {
        avx512Gleich(gm::Cos, Sleef_cinz_cosd8_u10avx512fnofma);
        avx512Gleich(gm::Sin, Sleef_cinz_sind8_u10avx512fnofma);
        avx512Gleich(gm::Exp, Sleef_cinz_expd8_u10avx512fnofma);
        avx512Gleich(pow17, pow17Avx512);
    }
}

}  // namespace
