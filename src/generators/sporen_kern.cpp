#include "generators/sporen_kern.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/zahlen.h"

// The vector kernels exist only on x86-64; every other machine runs the
// scalar ones, which give the same numbers.
#if defined(__x86_64__)
#include <immintrin.h>

#include "core/zahlen_avx2.h"
#endif

namespace gm::sporen_intern {

static_assert((SporenZellen & (SporenZellen - 1)) == 0, "the cell wrap masks");

namespace {

// ---- Sample positions ----

inline int rauschen(const Spalte& sp, const Zeilen& z, int r, int y) {
    const int e = z.b0[r][y];
    const std::int64_t u = (std::int64_t(sp.a[r][e]) + std::int64_t(z.f0[r][y]) * sp.b[r][e]) >> 20;
    const std::int64_t v =
        (std::int64_t(sp.a[r][e + 1]) + std::int64_t(z.f1[r][y]) * sp.b[r][e + 1]) >> 20;
    return int((u * 1024 + (v - u) * z.s[r][y]) >> 10);
}

inline int turbulenz(const Spalte& sp, const Zeilen& z, int erster, int y) {
    return std::abs(rauschen(sp, z, erster, y) + rauschen(sp, z, erster + 1, y) / 2 +
                    rauschen(sp, z, erster + 2, y) / 4);
}

void lagenSkalar(const Spalte& sp, const Zeilen& z, double basisX, double w, std::int32_t* px,
                 std::int32_t* py) {
    for (int y = 0; y < z.anzahl; ++y) {
        px[y] = roundToInt(basisX + w * double(turbulenz(sp, z, 0, y))) / 2;
        py[y] = roundToInt(z.basis[y] + w * double(turbulenz(sp, z, 3, y))) / 2;
    }
}

// ---- Search ----

// The cell's 27 feature points relative to the cell's corner, moved by the
// wrap, padded with points too far to count; see wertBei in sporen.cpp for
// the visiting order it replaces. Layers 0 and 1 come first, then layer 2.
void nachbarnSammeln(const SporenTabellen& t, int cx, int cy, Nachbarn& n) {
    n.cx = cx;
    n.cy = cy;
    int k = 0;
    for (const int l : {0, 1, 2}) {
        for (int i = cx - 1; i <= cx + 1; ++i) {
            const int ti = i & (SporenZellen - 1);  // i modulo 64, also below 0
            for (int j = cy - 1; j <= cy + 1; ++j, ++k) {
                const int tj = j & (SporenZellen - 1);
                const SporenPunkt& f =
                    t.Merkmalspunkte[std::size_t((tj * SporenZellen + ti) * SporenLagen + l)];
                n.x[k] = f.x - ti * 2048 + (i - cx) * 2048;
                n.y[k] = f.y - tj * 2048 + (j - cy) * 2048;
                n.z[k] = (2048 - f.z) * (2048 - f.z);
            }
        }
    }
    n.grenzeSchicht2 = *std::min_element(n.z + 18, n.z + 27) >> 10;
    for (; k < NachbarPlaetze; ++k) {
        n.x[k] = n.y[k] = 0;
        n.z[k] = 1 << 30;  // its distance is at least 2^20, above the start values
    }
    for (k = 0; k < NachbarPlaetze; ++k)
        n.xy[k] = int(std::uint32_t(n.y[k]) << 16 | (std::uint32_t(n.x[k]) & 0xFFFF));
}

// The update keeps the two smallest values seen, so the order of the points
// does not matter and it needs no branch. qx, qy: the position relative to
// the cell's corner.
int sucheSkalar(const Nachbarn& n, int qx, int qy) {
    int f1 = 100000, f2 = 100000;
    for (int k = 0; k < NachbarPlaetze; ++k) {
        const int dx = qx - n.x[k], dy = qy - n.y[k];
        const int d = (dx * dx + dy * dy + n.z[k]) >> 10;
        f2 = std::min(f2, std::max(f1, d));
        f1 = std::min(f1, d);
    }
    return f2 - f1;
}

// The search cell's points for the sample; its position relative to them.
inline void zelleFuer(const SporenTabellen& t, int px, int py, Nachbarn& n, int& qx, int& qy) {
    const int cx = px / 2048, cy = py / 2048;
    if (cx != n.cx || cy != n.cy) nachbarnSammeln(t, cx, cy, n);
    qx = px - cx * 2048;
    qy = py - cy * 2048;
}

void werteSkalar(const SporenTabellen& t, const std::int32_t* px, const std::int32_t* py,
                 int anzahl, const double* tafel, Nachbarn& n, double* z) {
    for (int y = 0; y < anzahl; ++y) {
        int qx, qy;
        zelleFuer(t, px[y], py[y], n, qx, qy);
        z[y] = tafel[std::min(sucheSkalar(n, qx, qy), 2048)];
    }
}

#if defined(__x86_64__)

#define AVX2 __attribute__((target("avx2")))

AVX2 inline __m256i laden(const std::int32_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

// One noise call for the 8 rows from y. Their lattice rows lie within a
// window of 8 rows from the first one's, so the column's terms come by
// register permutes.
AVX2 inline __m256i rauschen8(const Spalte& sp, const Zeilen& z, int r, int y) {
    const int e0 = z.b0[r][y];
    const __m256i i0 = _mm256_and_si256(_mm256_sub_epi32(laden(z.b0[r] + y), _mm256_set1_epi32(e0)),
                                        _mm256_set1_epi32(255));
    const __m256i i1 = _mm256_add_epi32(i0, _mm256_set1_epi32(1));
    const __m256i a = laden(sp.a[r] + e0), b = laden(sp.b[r] + e0);
    const __m256i u = _mm256_srai_epi32(
        _mm256_add_epi32(
            _mm256_permutevar8x32_epi32(a, i0),
            _mm256_mullo_epi32(laden(z.f0[r] + y), _mm256_permutevar8x32_epi32(b, i0))),
        20);
    const __m256i v = _mm256_srai_epi32(
        _mm256_add_epi32(
            _mm256_permutevar8x32_epi32(a, i1),
            _mm256_mullo_epi32(laden(z.f1[r] + y), _mm256_permutevar8x32_epi32(b, i1))),
        20);
    const __m256i m = _mm256_add_epi32(
        _mm256_slli_epi32(u, 10), _mm256_mullo_epi32(_mm256_sub_epi32(v, u), laden(z.s[r] + y)));
    return _mm256_srai_epi32(m, 10);
}

// n / 2^k rounded towards zero, as the integer division does.
AVX2 inline __m256i geteilt(__m256i n, int k) {
    const __m256i korrektur = _mm256_srli_epi32(_mm256_srai_epi32(n, 31), 32 - k);
    return _mm256_srai_epi32(_mm256_add_epi32(n, korrektur), k);
}

AVX2 inline __m256i turbulenz8(const Spalte& sp, const Zeilen& z, int erster, int y) {
    const __m256i summe = _mm256_add_epi32(
        _mm256_add_epi32(rauschen8(sp, z, erster, y), geteilt(rauschen8(sp, z, erster + 1, y), 1)),
        geteilt(rauschen8(sp, z, erster + 2, y), 2));
    return _mm256_abs_epi32(summe);
}

// roundToInt(basis + w * t) / 2 for 8 lanes.
AVX2 inline __m256i lage8(__m256d basisLo, __m256d basisHi, __m256d w, __m256i t) {
    const __m256d lo = _mm256_cvtepi32_pd(_mm256_castsi256_si128(t));
    const __m256d hi = _mm256_cvtepi32_pd(_mm256_extracti128_si256(t, 1));
    const __m256i g = _mm256_set_m128i(
        _mm256_cvttpd_epi32(roundHalfEven4(_mm256_add_pd(basisHi, _mm256_mul_pd(w, hi)))),
        _mm256_cvttpd_epi32(roundHalfEven4(_mm256_add_pd(basisLo, _mm256_mul_pd(w, lo)))));
    return geteilt(g, 1);
}

AVX2 void lagenAvx2(const Spalte& sp, const Zeilen& z, double basisX, double w, std::int32_t* px,
                    std::int32_t* py) {
    const __m256d vw = _mm256_set1_pd(w), bx = _mm256_set1_pd(basisX);
    int y = 0;
    for (; y + 8 <= z.anzahl; y += 8) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(px + y),
                            lage8(bx, bx, vw, turbulenz8(sp, z, 0, y)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(py + y),
                            lage8(_mm256_loadu_pd(z.basis + y), _mm256_loadu_pd(z.basis + y + 4),
                                  vw, turbulenz8(sp, z, 3, y)));
    }
    for (; y < z.anzahl; ++y) {
        px[y] = roundToInt(basisX + w * double(turbulenz(sp, z, 0, y))) / 2;
        py[y] = roundToInt(z.basis[y] + w * double(turbulenz(sp, z, 3, y))) / 2;
    }
}

// Two smallest of the pairs (a1 <= a2) and (b1 <= b2) lane by lane.
AVX2 inline void paare(__m256i& a1, __m256i& a2, __m256i b1, __m256i b2) {
    const __m256i kleinstes = _mm256_min_epi32(a1, b1);
    a2 = _mm256_min_epi32(_mm256_max_epi32(a1, b1), _mm256_min_epi32(a2, b2));
    a1 = kleinstes;
}

// The distance of positions q (x in the low, y in the high 16 bits; the
// differences fit) from points p with depth terms z.
AVX2 inline __m256i abstand(__m256i q, __m256i p, __m256i z) {
    const __m256i d = _mm256_sub_epi16(q, p);
    return _mm256_srai_epi32(_mm256_add_epi32(_mm256_madd_epi16(d, d), z), 10);
}

// One sample against the 32 lanes of points.
AVX2 inline int sucheAvx2(const Nachbarn& n, int qx, int qy) {
    const __m256i q =
        _mm256_set1_epi32(int(std::uint32_t(qy) << 16 | (std::uint32_t(qx) & 0xFFFF)));
    __m256i f1 = _mm256_set1_epi32(100000), f2 = f1;
    for (int k = 0; k < NachbarPlaetze; k += 8) {
        const __m256i d = abstand(q, laden(n.xy + k), laden(n.z + k));
        f2 = _mm256_min_epi32(f2, _mm256_max_epi32(f1, d));
        f1 = _mm256_min_epi32(f1, d);
    }
    // Fold the eight lanes' pairs into one: halves, then pairs of lanes, then lanes.
    paare(f1, f2, _mm256_permute2x128_si256(f1, f1, 1), _mm256_permute2x128_si256(f2, f2, 1));
    paare(f1, f2, _mm256_shuffle_epi32(f1, 0x4E), _mm256_shuffle_epi32(f2, 0x4E));
    paare(f1, f2, _mm256_shuffle_epi32(f1, 0xB1), _mm256_shuffle_epi32(f2, 0xB1));
    return _mm256_cvtsi256_si32(f2) - _mm256_cvtsi256_si32(f1);
}

// Points von..bis - 1 against the samples q, one point at a time.
AVX2 inline void punkte(const Nachbarn& n, __m256i q, int von, int bis, __m256i& f1, __m256i& f2) {
    for (int k = von; k < bis; ++k) {
        const __m256i d = abstand(q, _mm256_set1_epi32(n.xy[k]), _mm256_set1_epi32(n.z[k]));
        f2 = _mm256_min_epi32(f2, _mm256_max_epi32(f1, d));
        f1 = _mm256_min_epi32(f1, d);
    }
}

// Eight samples in the search cell n against its 27 points, one point at a
// time; F2 - F1 of each lane into `abstaende`.
AVX2 inline void suche8(const Nachbarn& n, __m256i px, __m256i py, std::int32_t* abstaende) {
    const __m256i qx = _mm256_sub_epi32(px, _mm256_set1_epi32(n.cx * 2048));
    const __m256i qy = _mm256_sub_epi32(py, _mm256_set1_epi32(n.cy * 2048));
    const __m256i q =
        _mm256_or_si256(_mm256_slli_epi32(qy, 16), _mm256_and_si256(qx, _mm256_set1_epi32(0xFFFF)));
    __m256i f1 = _mm256_set1_epi32(100000), f2 = f1;
    punkte(n, q, 0, 18, f1, f2);
    // Layer 2 lies at least its depth term away; once every F2 is within
    // that, none of its points can change F1 or F2.
    const __m256i grenze = _mm256_set1_epi32(n.grenzeSchicht2);
    if (!_mm256_testz_si256(_mm256_cmpgt_epi32(f2, grenze), _mm256_cmpgt_epi32(f2, grenze)))
        punkte(n, q, 18, 27, f1, f2);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(abstaende), _mm256_sub_epi32(f2, f1));
}

// Groups of 8 rows in one search cell go through suche8, the others sample
// by sample.
AVX2 void werteAvx2(const SporenTabellen& t, const std::int32_t* px, const std::int32_t* py,
                    int anzahl, const double* tafel, Nachbarn& n, double* z) {
    int y = 0;
    for (; y + 8 <= anzahl; y += 8) {
        const __m256i vx = laden(px + y), vy = laden(py + y);
        const int cx = px[y] / 2048, cy = py[y] / 2048;
        if (cx != n.cx || cy != n.cy) nachbarnSammeln(t, cx, cy, n);
        // px / 2048 rounded towards zero, as the integer division does.
        const __m256i zx = _mm256_srai_epi32(
            _mm256_add_epi32(vx, _mm256_srli_epi32(_mm256_srai_epi32(vx, 31), 21)), 11);
        const __m256i zy = _mm256_srai_epi32(
            _mm256_add_epi32(vy, _mm256_srli_epi32(_mm256_srai_epi32(vy, 31), 21)), 11);
        const __m256i gleich = _mm256_and_si256(_mm256_cmpeq_epi32(zx, _mm256_set1_epi32(cx)),
                                                _mm256_cmpeq_epi32(zy, _mm256_set1_epi32(cy)));
        if (_mm256_movemask_epi8(gleich) == -1) {
            alignas(32) std::int32_t abstaende[8];
            suche8(n, vx, vy, abstaende);
            for (int i = 0; i < 8; ++i)
                z[y + i] = tafel[std::min(abstaende[i], 2048)];
            continue;
        }
        for (int i = y; i < y + 8; ++i) {
            int qx, qy;
            zelleFuer(t, px[i], py[i], n, qx, qy);
            z[i] = tafel[std::min(sucheAvx2(n, qx, qy), 2048)];
        }
    }
    for (; y < anzahl; ++y) {
        int qx, qy;
        zelleFuer(t, px[y], py[y], n, qx, qy);
        z[y] = tafel[std::min(sucheAvx2(n, qx, qy), 2048)];
    }
}

#undef AVX2

#endif  // __x86_64__

}  // namespace

Kerne KerneFuer(SporenKern kern) {
#if defined(__x86_64__)
    if (kern != SporenKern::Skalar && __builtin_cpu_supports("avx2")) return {lagenAvx2, werteAvx2};
#else
    (void)kern;
#endif
    return {lagenSkalar, werteSkalar};
}

}  // namespace gm::sporen_intern
