// The rotation figure's positions t column by column. The turn is split into
// a column term and a row term, each computed once, and summed per sample in
// the order Drehen sums them; the vector kernel takes the steps of position()
// on four rows at once, both branches of each choice and then the one that
// applies, with the same operations on the same inputs.

#include <cmath>

#include "generators/rotation_intern.h"

// The vector kernel exists only on x86-64; every other machine runs the
// scalar one, which gives the same numbers.
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace gm::rotation_intern {

namespace {

// The turned point of row y in a column with terms spalteC = c (x - cx) and
// spalteS = -s (x - cx).
inline void gedreht(const Geometrie& g, const Zeilen& z, double spalteC, double spalteS, int y,
                    double& px, double& py) {
    px = spalteC + z.sinus[y] + g.cx;
    py = spalteS + z.cosinus[y] + g.cy;
}

// The positions t of the column are replaced by their values.
[[gnu::always_inline]] inline void profilUeber(const RotationParamRec& r, const WellenForm& f,
                                               int anzahl, double* t) {
    for (int y = 0; y < anzahl; ++y)
        t[y] = std::isnan(t[y]) ? 0.0 : profil(r, f, t[y]);
}

void spalteSkalar(const RotationParamRec& r, const Geometrie& g, const WellenForm& f,
                  const Zeilen& z, int x, double* t) {
    const double spalteC = g.cosinus * (x - g.cx), spalteS = -g.sinus * (x - g.cx);
    for (int y = 0; y < z.anzahl; ++y) {
        double px = x, py = y;
        if (r.Winkel != 0.0) gedreht(g, z, spalteC, spalteS, y, px, py);
        t[y] = position(r, g, px, py);
    }
    profilUeber(r, f, z.anzahl, t);
}

#if defined(__x86_64__)

#define AVX2 __attribute__((target("avx2")))

AVX2 inline __m256d wenn(__m256d bedingung, __m256d ja, __m256d nein) {
    return _mm256_blendv_pd(nein, ja, bedingung);
}

// radial() on four lanes.
AVX2 inline __m256d radial4(const Geometrie& g, __m256d px, __m256d py, __m256d e) {
    const __m256d eins = _mm256_set1_pd(1.0);
    if (g.imZentrum) return _mm256_sub_pd(eins, _mm256_sqrt_pd(e));
    const __m256d rx2 = _mm256_set1_pd(g.rx2), ry2 = _mm256_set1_pd(g.ry2);
    const __m256d dx = _mm256_sub_pd(px, _mm256_set1_pd(g.fx));
    const __m256d dy = _mm256_sub_pd(py, _mm256_set1_pd(g.fy));
    const __m256d null = _mm256_setzero_pd();
    const __m256d amFokus =
        _mm256_and_pd(_mm256_cmp_pd(dx, null, _CMP_EQ_OQ), _mm256_cmp_pd(dy, null, _CMP_EQ_OQ));
    const __m256d a = _mm256_add_pd(_mm256_div_pd(_mm256_mul_pd(dx, dx), rx2),
                                    _mm256_div_pd(_mm256_mul_pd(dy, dy), ry2));
    const __m256d b =
        _mm256_mul_pd(_mm256_set1_pd(2.0),
                      _mm256_add_pd(_mm256_div_pd(_mm256_mul_pd(_mm256_set1_pd(g.ux), dx), rx2),
                                    _mm256_div_pd(_mm256_mul_pd(_mm256_set1_pd(g.uy), dy), ry2)));
    const __m256d wurzel = _mm256_sqrt_pd(
        _mm256_sub_pd(_mm256_mul_pd(b, b),
                      _mm256_mul_pd(_mm256_mul_pd(_mm256_set1_pd(4.0), a), _mm256_set1_pd(g.c))));
    const __m256d vorn = _mm256_div_pd(_mm256_add_pd(b, wurzel), _mm256_set1_pd(-2.0 * g.c));
    const __m256d hinten =
        _mm256_div_pd(_mm256_mul_pd(_mm256_set1_pd(2.0), a), _mm256_sub_pd(wurzel, b));
    const __m256d kehrwert = wenn(_mm256_cmp_pd(b, null, _CMP_GE_OQ), vorn, hinten);
    const __m256d w = _mm256_sub_pd(eins, kehrwert);
    return wenn(amFokus, eins, wenn(_mm256_cmp_pd(w, eins, _CMP_GT_OQ), eins, w));
}

// position() on four lanes.
AVX2 inline __m256d position4(const RotationParamRec& r, const Geometrie& g, __m256d px,
                              __m256d py) {
    const __m256d dx = _mm256_sub_pd(px, _mm256_set1_pd(g.cx));
    const __m256d dy = _mm256_sub_pd(py, _mm256_set1_pd(g.cy));
    const __m256d e = _mm256_add_pd(_mm256_div_pd(_mm256_mul_pd(dx, dx), _mm256_set1_pd(g.rx2)),
                                    _mm256_div_pd(_mm256_mul_pd(dy, dy), _mm256_set1_pd(g.ry2)));
    __m256d w = radial4(g, px, py, e);
    if (r.Negativ) w = _mm256_sub_pd(_mm256_set1_pd(1.0), w);
    const __m256d t = _mm256_mul_pd(w, _mm256_set1_pd(r.Perioden));
    return wenn(_mm256_cmp_pd(e, _mm256_set1_pd(1.0), _CMP_GT_OQ), _mm256_set1_pd(std::nan("")), t);
}

// The profile runs scalar here too, but compiled for the processor the
// kernel runs on.
AVX2 void spalteAvx2(const RotationParamRec& r, const Geometrie& g, const WellenForm& f,
                     const Zeilen& z, int x, double* t) {
    const bool drehen = r.Winkel != 0.0;
    const double spalteC = g.cosinus * (x - g.cx), spalteS = -g.sinus * (x - g.cx);
    const __m256d vc = _mm256_set1_pd(spalteC), vs = _mm256_set1_pd(spalteS);
    const __m256d mx = _mm256_set1_pd(g.cx), my = _mm256_set1_pd(g.cy);
    int y = 0;
    for (; y + 4 <= z.anzahl; y += 4) {
        __m256d px = _mm256_set1_pd(x);
        __m256d py = _mm256_set_pd(y + 3, y + 2, y + 1, y);
        if (drehen) {
            px = _mm256_add_pd(_mm256_add_pd(vc, _mm256_loadu_pd(z.sinus + y)), mx);
            py = _mm256_add_pd(_mm256_add_pd(vs, _mm256_loadu_pd(z.cosinus + y)), my);
        }
        _mm256_storeu_pd(t + y, position4(r, g, px, py));
    }
    for (; y < z.anzahl; ++y) {
        double px = x, py = y;
        if (drehen) gedreht(g, z, spalteC, spalteS, y, px, py);
        t[y] = position(r, g, px, py);
    }
    profilUeber(r, f, z.anzahl, t);
}

#undef AVX2

#endif  // __x86_64__

}  // namespace

SpaltenFn SpaltenKern(bool skalar) {
#if defined(__x86_64__)
    if (!skalar && __builtin_cpu_supports("avx2")) return spalteAvx2;
#else
    (void)skalar;
#endif
    return spalteSkalar;
}

}  // namespace gm::rotation_intern
