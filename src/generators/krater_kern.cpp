#include "generators/krater_kern.h"

#include <immintrin.h>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/mathe.h"
#include "core/zielsatz.h"

#define GM_INLINE inline __attribute__((always_inline))

namespace gm {

KraterKarte::KraterKarte(const Dokument& dok)
    : proSpalte_(std::size_t(dok.MaxY + 8) / 8),
      bytes_(proSpalte_ * std::size_t(dok.MaxX + 1), std::uint8_t(0xff)),
      frei_(std::int64_t(dok.MaxX + 1) * (dok.MaxY + 1)) {
    // Rows past MaxY in a column's last byte are no cells.
    const int rest = (dok.MaxY + 1) % 8;
    if (rest == 0) return;
    for (int x = 0; x <= dok.MaxX; ++x)
        spalte(x)[proSpalte_ - 1] = std::uint8_t((1u << rest) - 1);
}

KraterForm KraterFormVon(const KraterParamRec& p) {
    // The bowl angle of 35.25 degrees.
    constexpr double winkel = 0.6152285613280012;
    return {Sin(winkel), Cos(winkel), p.Dicke, p.Grenze};
}

double KraterProfil(const KraterForm& f, double d) {
    const double r = std::sqrt(std::fabs(d));
    const double t = r - f.s;
    if (r > f.s) return -f.c * Exp(-f.dicke * (t * t));
    return -std::sqrt(1.0 - d);
}

double KraterGewicht(const KraterForm& f, double d) {
    const double a = std::sqrt(d) - f.grenze;
    const double q = a * a;
    if (d <= f.grenze * f.grenze) return 0.01 * Exp(-30.0 * q);
    return 1.0 - 0.99 * Exp(-25.0 * q);
}

namespace {

// KraterSetzen: blends v into the cell with weight w for its old value.
void setzen(Dokument& dok, KraterKarte& karte, int x, int y, double w, double v) {
    if (x < 0 || x > dok.MaxX || y < 0 || y > dok.MaxY) return;
    double& z = dok.Zweitbild(x, y);
    const bool vorher = karte.unberuehrt(x, y);
    if (vorher) z = 0.0;
    z = z * w + v;
    const bool nachher = z == KeinWert;
    if (vorher | nachher)
        karte.wechseln(x, y >> 3, unsigned(vorher) << (y & 7), unsigned(nachher) << (y & 7));
}

// Each offset of the octant 0 <= j <= i computed once and written to its up
// to eight mirror images.
void scheibeSkalar(Dokument& dok, KraterKarte& karte, const KraterForm& f, const Krater& k) {
    const double rr = double(k.r) * double(k.r);
    const int cx = k.cx, cy = k.cy;
    for (int i = k.r; i >= 1; --i) {
        for (int j = i; j >= 0; --j) {
            const double d = (double(i) * i + double(j) * j) / rr;
            if (d >= 1.0) continue;
            const double v = KraterProfil(f, d) * k.tiefe;
            const double w = KraterGewicht(f, d);
            setzen(dok, karte, cx + i, cy + j, w, v);
            setzen(dok, karte, cx - j, cy + i, w, v);
            setzen(dok, karte, cx - i, cy - j, w, v);
            setzen(dok, karte, cx + j, cy - i, w, v);
            if (j > 0 && j < i) {
                setzen(dok, karte, cx + j, cy + i, w, v);
                setzen(dok, karte, cx - i, cy + j, w, v);
                setzen(dok, karte, cx - j, cy - i, w, v);
                setzen(dok, karte, cx + i, cy - j, w, v);
            }
        }
    }
    setzen(dok, karte, cx, cy, KraterGewicht(f, 0.0), KraterProfil(f, 0.0) * k.tiefe);
}

GM_ZIEL_BEGINN("avx2,popcnt")
namespace avx2 {
constexpr int L = 4;
using V = double __attribute__((vector_size(L * sizeof(double))));
using M = std::int64_t __attribute__((vector_size(L * sizeof(std::int64_t))));
constexpr M Reihe = {0, 1, 2, 3};
GM_INLINE unsigned bits(M m) {
    return unsigned(_mm256_movemask_pd(__m256d(m)));
}
GM_INLINE __m256i lanes(unsigned k) {
    return __m256i(-((M{} + k) >> Reihe & 1));
}
GM_INLINE V laden(unsigned k, const double* p) {
    return V(_mm256_maskload_pd(p, lanes(k)));
}
GM_INLINE void speichern(double* p, unsigned k, V v) {
    _mm256_maskstore_pd(p, lanes(k), __m256d(v));
}
GM_INLINE V wurzel(V v) {
    return V(_mm256_sqrt_pd(__m256d(v)));
}
GM_INLINE V exp(V v) {
    return V(Sleef_cinz_expd4_u10avx(__m256d(v)));
}
GM_INLINE V umkehren(V v) {
    return V(_mm256_permute4x64_pd(__m256d(v), 0x1b));
}
#include "generators/krater_kern.inc"
}  // namespace avx2
GM_ZIEL_ENDE

GM_ZIEL_BEGINN("avx512f,popcnt")
// The masked forms where the plain ones fill lanes from an undefined register,
// which the compiler's flow analysis reports as uninitialised.
namespace avx512 {
constexpr int L = 8;
using V = double __attribute__((vector_size(L * sizeof(double))));
using M = std::int64_t __attribute__((vector_size(L * sizeof(std::int64_t))));
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
GM_INLINE V wurzel(V v) {
    return V(_mm512_maskz_sqrt_pd(0xff, __m512d(v)));
}
GM_INLINE V exp(V v) {
    return V(Sleef_cinz_expd8_u10avx512fnofma(__m512d(v)));
}
GM_INLINE V umkehren(V v) {
    const __m512i rueckwaerts = _mm512_set_epi64(0, 1, 2, 3, 4, 5, 6, 7);
    return V(_mm512_maskz_permutexvar_pd(0xff, rueckwaerts, __m512d(v)));
}
#include "generators/krater_kern.inc"
}  // namespace avx512
GM_ZIEL_ENDE

}  // namespace

std::vector<KraterSatz> KraterSaetze() {
    std::vector<KraterSatz> saetze{KraterSatz::Skalar};
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) saetze.push_back(KraterSatz::Avx2);
    if (__builtin_cpu_supports("avx512f")) saetze.push_back(KraterSatz::Avx512);
    return saetze;
}

void KraterResteLeeren(Dokument& dok, const KraterKarte& karte, KraterSatz satz) {
    switch (satz) {
        case KraterSatz::Avx512:
            return avx512::resteLeeren(dok, karte);
        case KraterSatz::Avx2:
            return avx2::resteLeeren(dok, karte);
        case KraterSatz::Skalar:
            for (int x = 0; x <= dok.MaxX; ++x)
                for (int y = 0; y <= dok.MaxY; ++y)
                    if (karte.unberuehrt(x, y)) dok.Zweitbild(x, y) = KeinWert;
    }
}

void KraterScheibe(Dokument& dok, KraterKarte& karte, const KraterForm& f, const Krater& k,
                   KraterSatz satz, std::vector<double>& puffer) {
    switch (satz) {
        case KraterSatz::Avx512:
            return avx512::scheibe(dok, karte, f, k, puffer);
        case KraterSatz::Avx2:
            return avx2::scheibe(dok, karte, f, k, puffer);
        case KraterSatz::Skalar:
            return scheibeSkalar(dok, karte, f, k);
    }
}

}  // namespace gm
