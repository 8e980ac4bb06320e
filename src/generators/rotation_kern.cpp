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

#include "core/zahlen_avx2.h"
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

// v limited to 0..1 as clamp01 does (NaN stays).
AVX2 inline __m256d begrenzt(__m256d v) {
    const __m256d null = _mm256_setzero_pd(), eins = _mm256_set1_pd(1.0);
    return wenn(_mm256_cmp_pd(v, null, _CMP_LT_OQ), null,
                wenn(_mm256_cmp_pd(v, eins, _CMP_GT_OQ), eins, v));
}

AVX2 inline __m256d ganzteil(__m256d v) {
    return _mm256_round_pd(v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
}

// The ring parity's phase and the sum t + phase, as profil() and
// WellenProfilBei take them: Trunc(t) is even exactly when half of it has no
// fraction.
AVX2 inline void phaseUndSumme(const RotationParamRec& r, __m256d t, __m256d& phase,
                               __m256d& summe) {
    const __m256d k = ganzteil(t);
    const __m256d haelfte = _mm256_mul_pd(k, _mm256_set1_pd(0.5));
    const __m256d ungerade = _mm256_cmp_pd(ganzteil(haelfte), haelfte, _CMP_NEQ_UQ);
    phase = wenn(ungerade, _mm256_set1_pd(r.Verschiebung2), _mm256_set1_pd(r.Verschiebung1));
    summe = _mm256_add_pd(t, phase);
}

// WellenProfilBei's steps before the gamma and the basic curve.
AVX2 inline __m256d vorstufe(const RotationParamRec& r, const WellenForm& f, __m256d t) {
    __m256d phase, summe;
    phaseUndSumme(r, t, phase, summe);
    const __m256d eins = _mm256_set1_pd(1.0), null = _mm256_setzero_pd();
    const __m256d k = ganzteil(summe);
    __m256d s =
        wenn(_mm256_cmp_pd(summe, k, _CMP_EQ_OQ),
             wenn(_mm256_cmp_pd(summe, null, _CMP_NEQ_UQ), eins, null), _mm256_sub_pd(summe, k));
    if (f.welle) {
        const __m256d zwei = _mm256_set1_pd(2.0);
        s = wenn(_mm256_cmp_pd(s, _mm256_set1_pd(0.5), _CMP_LE_OQ), _mm256_mul_pd(zwei, s),
                 _mm256_mul_pd(zwei, _mm256_sub_pd(eins, s)));
        if (f.negativ) s = _mm256_sub_pd(eins, s);
    }
    const __m256d mitte = _mm256_set1_pd(f.mitte);
    return begrenzt(
        _mm256_add_pd(_mm256_div_pd(_mm256_sub_pd(s, mitte), _mm256_set1_pd(f.dehnung)), mitte));
}

// WellenProfilBei's steps after the basic curve's value k; 0 outside.
AVX2 inline __m256d nachstufe(const RotationParamRec& r, const WellenForm& f, __m256d t,
                              __m256d k) {
    if (f.anstieg > 0.0 || f.anstieg < 0.0) {
        __m256d phase, summe;
        phaseUndSumme(r, t, phase, summe);
        const __m256d rampe =
            _mm256_div_pd(summe, _mm256_add_pd(_mm256_set1_pd(f.perioden), phase));
        const __m256d a = _mm256_set1_pd(f.anstieg);
        const __m256d geneigt = _mm256_mul_pd(_mm256_mul_pd(k, rampe), a);
        k = f.anstieg > 0.0
                ? _mm256_add_pd(geneigt, _mm256_mul_pd(_mm256_set1_pd(1.0 - f.anstieg), k))
                : _mm256_add_pd(geneigt, k);
    }
    if (f.stufen >= 1.0) {
        const __m256d stufen = _mm256_set1_pd(f.stufen);
        k = _mm256_div_pd(roundHalfEven4(_mm256_mul_pd(k, stufen)), stufen);
    }
    const __m256d aussen = _mm256_cmp_pd(t, t, _CMP_UNORD_Q);
    return wenn(aussen, _mm256_setzero_pd(), begrenzt(k));
}

// Rows in blocks: the positions and the steps before the basic curve four
// lanes at a time, the gamma and the basic curve (library calls) sample by
// sample, the steps after it four lanes at a time again.
constexpr int Block = 64;

AVX2 void spalteAvx2(const RotationParamRec& r, const Geometrie& g, const WellenForm& f,
                     const Zeilen& z, int x, double* werte) {
    const bool drehen = r.Winkel != 0.0;
    const double spalteC = g.cosinus * (x - g.cx), spalteS = -g.sinus * (x - g.cx);
    const __m256d vc = _mm256_set1_pd(spalteC), vs = _mm256_set1_pd(spalteS);
    const __m256d mx = _mm256_set1_pd(g.cx), my = _mm256_set1_pd(g.cy);
    alignas(32) double t[Block], s[Block];
    int y0 = 0;
    for (; y0 + Block <= z.anzahl; y0 += Block) {
        for (int i = 0; i < Block; i += 4) {
            const int y = y0 + i;
            __m256d px = _mm256_set1_pd(x);
            __m256d py = _mm256_set_pd(y + 3, y + 2, y + 1, y);
            if (drehen) {
                px = _mm256_add_pd(_mm256_add_pd(vc, _mm256_loadu_pd(z.sinus + y)), mx);
                py = _mm256_add_pd(_mm256_add_pd(vs, _mm256_loadu_pd(z.cosinus + y)), my);
            }
            const __m256d ty = position4(r, g, px, py);
            _mm256_store_pd(t + i, ty);
            _mm256_store_pd(s + i, vorstufe(r, f, ty));
        }
        for (int i = 0; i < Block; ++i) {
            if (std::isnan(t[i])) continue;
            s[i] = GrundKurve(f.kurve, f.gamma != 1.0 ? std::pow(s[i], f.gamma) : s[i]);
        }
        for (int i = 0; i < Block; i += 4)
            _mm256_storeu_pd(werte + y0 + i,
                             nachstufe(r, f, _mm256_load_pd(t + i), _mm256_load_pd(s + i)));
    }
    for (int y = y0; y < z.anzahl; ++y) {
        double px = x, py = y;
        if (drehen) gedreht(g, z, spalteC, spalteS, y, px, py);
        const double ty = position(r, g, px, py);
        werte[y] = std::isnan(ty) ? 0.0 : profil(r, f, ty);
    }
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
