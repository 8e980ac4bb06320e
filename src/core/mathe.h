#pragma once
// Elementary functions whose results do not depend on the processor.
//
// The C library picks another implementation of cos, exp or pow on
// processors with fused multiply-add, so its last bit can differ between
// machines, and no vector form of it gives the scalar form's bits. SLEEF's
// "cinz" functions avoid fused multiply-add and return the same bits in
// scalar code and in every vector width, accurate to one unit in the last
// place. Code with a vector form of a computation uses these in both forms.
// The vector forms are declared here rather than through <sleef.h>, which
// hides them unless the whole file is compiled for that instruction set;
// call them only from functions compiled for it. The declarations carry
// their instruction set, which clang needs to pass vectors to them from such
// functions.

#include <immintrin.h>

extern "C" {
double Sleef_cinz_cosd1_u10purec(double);
double Sleef_cinz_sind1_u10purec(double);
double Sleef_cinz_expd1_u10purec(double);
double Sleef_cinz_powd1_u10purec(double, double);
#define GM_MATHE_AVX __attribute__((target("avx")))
#define GM_MATHE_AVX512 __attribute__((target("avx512f")))
GM_MATHE_AVX __m256d Sleef_cinz_cosd4_u10avx(__m256d);
GM_MATHE_AVX __m256d Sleef_cinz_sind4_u10avx(__m256d);
GM_MATHE_AVX __m256d Sleef_cinz_expd4_u10avx(__m256d);
GM_MATHE_AVX __m256d Sleef_cinz_powd4_u10avx(__m256d, __m256d);
GM_MATHE_AVX512 __m512d Sleef_cinz_cosd8_u10avx512fnofma(__m512d);
GM_MATHE_AVX512 __m512d Sleef_cinz_sind8_u10avx512fnofma(__m512d);
GM_MATHE_AVX512 __m512d Sleef_cinz_expd8_u10avx512fnofma(__m512d);
GM_MATHE_AVX512 __m512d Sleef_cinz_powd8_u10avx512fnofma(__m512d, __m512d);
#undef GM_MATHE_AVX
#undef GM_MATHE_AVX512
}

namespace gm {

inline double Cos(double x) {
    return Sleef_cinz_cosd1_u10purec(x);
}
inline double Sin(double x) {
    return Sleef_cinz_sind1_u10purec(x);
}
inline double Exp(double x) {
    return Sleef_cinz_expd1_u10purec(x);
}
inline double Pow(double x, double y) {
    return Sleef_cinz_powd1_u10purec(x, y);
}

}  // namespace gm
