#include "filters/noise_filter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/faeden.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "filters/zellen.h"
#include "filters/ziehungen.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define GM_STREU_VEKTOR 1
// The compiler's own headers fill unused lanes from an undefined register in
// the unmasked forms, which GCC's flow analysis reports as uninitialised.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>
#endif

namespace gm {

namespace {
double maxX(const Dokument& dok) {
    return dok.MaxX;
}
}  // namespace

const Parameter NoiseFilterParameter[1] = {
    Param<&NoiseFilterRec::Noiseweite>("Noiseweite", 3.0, 1.0, double(FeldMaxIndex - 1),
                                       Skala::Logarithmisch, 1, "Noiseweite"),
};

const ScriptArgument NoiseFilterArgumente[1] = {
    ArgBisMitVorgabe<&NoiseFilterRec::Noiseweite>(3.0, &maxX, 1.0, ArgForm::Dezimal),
};

int Spiegeln(int i, int max) {
    // Repeated reflection at 0 and max has period 2 max.
    const int periode = 2 * max;
    int r = i % periode;
    if (r < 0) r += periode;
    return r > max ? periode - r : r;
}

namespace {

// The displacement of one draw: the whole number nearest to (r - 0.5) w.
// r - 0.5 is exactly (seed - 2^31) 2^-32, which converts from a signed value
// (one instruction in vector code, where an unsigned one takes several).
inline int versatz(std::uint32_t seed, double w) {
    return roundToInt(double(std::int32_t(seed ^ 0x80000000u)) * 0x1p-32 * w);
}

// What every column shares: the grid, the width, and the maps of 1..16 draws
// on the seed, so that vector lanes start sixteen draws side by side.
struct Streuung {
    const TFeld* h;
    int mx, my;
    double w;
    std::uint32_t a[16], c[16];  // the map of l + 1 draws
};

Streuung streuungVon(const Dokument& dok, double w) {
    Streuung s{&dok.Hoehenfeld, dok.MaxX, dok.MaxY, w, {}, {}};
    for (int l = 0; l < 16; ++l) {
        const Sprung sprung = SprungUeber(std::uint64_t(l) + 1);
        s.a[l] = sprung.a;
        s.c[l] = sprung.c;
    }
    return s;
}

// The cell (x, y) with the draws d1, d2: the source reflected into the grid.
inline double zelle(const Streuung& s, int x, int y, std::uint32_t d1, std::uint32_t d2) {
    int sx = x + versatz(d1, s.w);
    int sy = y + versatz(d2, s.w);
    if (unsigned(sx) > unsigned(s.mx)) sx = Spiegeln(sx, s.mx);
    if (unsigned(sy) > unsigned(s.my)) sy = Spiegeln(sy, s.my);
    return (*s.h)(sx, sy);
}

// Rows [y0, y1) of column x, drawing on from `seed`; returns the seed after
// the last draw.
std::uint32_t zeilenStreuen(const Streuung& s, int x, int y0, int y1, std::uint32_t seed,
                            double* z) {
    Zufallsfolge zufall(seed);
    for (int y = y0; y < y1; ++y) {
        zufall();
        const std::uint32_t d1 = zufall.seed();
        zufall();
        z[y] = zelle(s, x, y, d1, zufall.seed());
    }
    return zufall.seed();
}

#ifdef GM_STREU_VEKTOR

#define GM_AVX512 __attribute__((target("avx512f,avx512vl,avx512dq")))

// versatz on eight draws.
GM_AVX512 inline __m256i versatz8(__m256i seeds, __m512d w) {
    const __m256i vorzeichen = _mm256_set1_epi32(std::int32_t(0x80000000u));
    const __m512d r = _mm512_mul_pd(_mm512_cvtepi32_pd(_mm256_xor_si256(seeds, vorzeichen)),
                                    _mm512_set1_pd(0x1p-32));
    return _mm512_cvt_roundpd_epi32(_mm512_mul_pd(r, w),
                                    _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
}

// One reflection on eight lanes: Spiegeln for i in -2 max..2 max, and a
// negative number beyond.
GM_AVX512 inline __m256i einmalSpiegeln8(__m256i i, __m256i max2) {
    const __m256i betrag = _mm256_abs_epi32(i);
    return _mm256_min_epi32(betrag, _mm256_sub_epi32(max2, betrag));
}

// zeilenStreuen in groups of eight rows: their sixteen draws advance side by
// side, each sixteen draws at a time, and the sources are found in vector
// lanes with one reflection. A group with a source that needs more, and the
// rows after the last group, take the scalar rule. The sources lie within a
// few cells of each other and come from the nearest cache, where single
// loads beat a gather.
GM_AVX512 std::uint32_t zeilenStreuen512(const Streuung& s, int x, int y0, int y1,
                                         std::uint32_t seed, double* z) {
    const __m512i a = _mm512_loadu_si512(s.a), c = _mm512_loadu_si512(s.c);
    const __m512i a16 = _mm512_set1_epi32(std::int32_t(s.a[15]));
    const __m512i c16 = _mm512_set1_epi32(std::int32_t(s.c[15]));
    const __m512i paarweise =
        _mm512_setr_epi32(0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15);
    const __m512d w8 = _mm512_set1_pd(s.w);
    const __m256i mx2 = _mm256_set1_epi32(2 * s.mx), my2 = _mm256_set1_epi32(2 * s.my);
    const __m256i xv = _mm256_set1_epi32(x), kante = _mm256_set1_epi32(FeldKante);
    const __m256i schritt = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    const double* basis = s.h->spalte(0);
    // The draws of the next eight rows, in order.
    __m512i ziehungen =
        _mm512_add_epi32(_mm512_mullo_epi32(a, _mm512_set1_epi32(std::int32_t(seed))), c);
    alignas(64) std::uint32_t einzeln[16];
    int y = y0;
    for (; y + 8 <= y1; y += 8) {
        const __m512i paare = _mm512_permutexvar_epi32(paarweise, ziehungen);
        const __m256i dx = versatz8(_mm512_castsi512_si256(paare), w8);
        const __m256i dy = versatz8(_mm512_extracti64x4_epi64(paare, 1), w8);
        const __m256i yv = _mm256_add_epi32(_mm256_set1_epi32(y), schritt);
        const __m256i sx = einmalSpiegeln8(_mm256_add_epi32(xv, dx), mx2);
        const __m256i sy = einmalSpiegeln8(_mm256_add_epi32(yv, dy), my2);
        if (_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_or_si256(sx, sy))) != 0) {
            _mm512_store_si512(einzeln, ziehungen);
            for (int l = 0; l < 8; ++l)
                z[y + l] = zelle(s, x, y + l, einzeln[2 * l], einzeln[2 * l + 1]);
        } else {
            alignas(32) std::int32_t quelle[8];
            _mm256_store_si256(reinterpret_cast<__m256i*>(quelle),
                               _mm256_add_epi32(_mm256_mullo_epi32(sx, kante), sy));
            for (int l = 0; l < 8; ++l)
                z[y + l] = basis[quelle[l]];
        }
        seed = std::uint32_t(_mm_extract_epi32(_mm512_extracti32x4_epi32(ziehungen, 3), 3));
        ziehungen = _mm512_add_epi32(_mm512_mullo_epi32(ziehungen, a16), c16);
    }
    return zeilenStreuen(s, x, y, y1, seed, z);
}

#undef GM_AVX512

#endif

using Zeilenkern = std::uint32_t (*)(const Streuung& s, int x, int y0, int y1, std::uint32_t seed,
                                     double* z);

Zeilenkern zeilenkernWaehlen() {
#ifdef GM_STREU_VEKTOR
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
        __builtin_cpu_supports("avx512dq"))
        return &zeilenStreuen512;
#endif
    return &zeilenStreuen;
}

// Columns [anfang, ende), drawing from `seed` as the cell at (anfang, 0)
// would in a run over the whole field. A few neighbouring columns advance
// together in blocks of rows, so the cells their sources share are read from
// the nearest cache while it still holds them. Each column's range goes to
// `bereiche` while the column is in the cache.
void spaltenStreuen(Dokument& dok, const Streuung& s, std::uint32_t seed, int anfang, int ende,
                    std::vector<Spaltenbereich>& bereiche) {
    constexpr int kSpalten = 4, kZeilen = 64;
    const int n = s.my + 1;
    const Sprung spalte = SprungUeber(2 * std::uint64_t(n));
    const Zeilenkern kern = zeilenkernWaehlen();
    for (int x0 = anfang; x0 < ende; x0 += kSpalten) {
        const int spalten = std::min(kSpalten, ende - x0);
        std::uint32_t seeds[kSpalten];
        for (int i = 0; i < spalten; ++i, seed = spalte(seed))
            seeds[i] = seed;
        for (int y = 0; y < n; y += kZeilen)
            for (int i = 0; i < spalten; ++i)
                seeds[i] = kern(s, x0 + i, y, std::min(y + kZeilen, n), seeds[i],
                                dok.Zweitbild.spalte(x0 + i));
        for (int i = 0; i < spalten; ++i)
            bereiche[std::size_t(x0 + i)] = SpaltenbereichVon(dok.Zweitbild.spalte(x0 + i), n);
    }
}

}  // namespace

void NoiseFilterAnwenden(Dokument& dok, const NoiseFilterRec& rec) {
    // Every active cell is written, so Zweitbild needs no clearing. Two draws
    // per cell in x-outer order: the second half of the columns starts from
    // the seed its first cell would see.
    const int n = dok.MaxX + 1;
    const std::uint64_t proSpalte = 2 * std::uint64_t(dok.MaxY + 1);
    const std::uint32_t start = dok.RandSeed;
    std::vector<Spaltenbereich> bereiche(static_cast<std::size_t>(n));
    const Streuung s = streuungVon(dok, rec.Noiseweite);
    ZweiFaeden([&](int t) {
        const Spalten teil = haelfte(t, n);
        spaltenStreuen(dok, s, ZufallVoraus(start, proSpalte * std::uint64_t(teil.anfang)),
                       teil.anfang, teil.ende, bereiche);
    });
    dok.RandSeed = ZufallVoraus(start, proSpalte * std::uint64_t(n));
    ZweitbildUebernehmen(dok, bereiche.data());
}

}  // namespace gm
