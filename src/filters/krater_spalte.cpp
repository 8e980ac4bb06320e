#include "filters/krater_spalte.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define GM_KRATER_VEKTOR 1
// The compiler's own headers fill unused lanes from an undefined register in
// the unmasked forms, which GCC's flow analysis reports as uninitialised.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>

#include <cstring>
#endif

namespace gm {

namespace {

void offeneSammelnSkalar(const KraterBand& band, const double* h, const std::uint8_t* m, int n,
                         SpaltenStand& stand, double* offenX, std::uint32_t* offenFest) {
    const KraterBand b = band;
    std::uint32_t k = stand.offen, f = stand.ziehungen;
    for (int y = stand.y; y < n; ++y) {
        const std::uint8_t z = b.ziehungen(h[y], m[y]);
        const int offen = z == kOffen;
        offenX[k] = h[y];
        offenFest[k] = f;
        k += std::uint32_t(offen);
        f += std::uint32_t(z & (offen - 1));  // fixed draws only
    }
    stand = {n, k, f};
}

void spalteSetzenSkalar(const KraterBand& band, double* h, const std::uint8_t* m, int n,
                        SpaltenStand& stand, const std::uint32_t* folge,
                        const std::uint8_t* zweite) {
    const KraterBand b = band;
    std::uint32_t k = stand.ziehungen, o = stand.offen;
    for (int y = stand.y; y < n; ++y) {
        const std::uint8_t z = b.ziehungen(h[y], m[y]);
        const int offen = z == kOffen;
        const double v = b.wert(h[y], folge[k], folge[k + 1]);
        if (z != 0) h[y] = v;
        // An open cell draws once, and a second time where decided so.
        k += std::uint32_t(z - 2 * offen + (offen & zweite[o]));
        o += std::uint32_t(offen);
    }
    stand = {n, o, k};
}

#ifdef GM_KRATER_VEKTOR

// Every processor with these vector instructions also has PREFETCHW.
#define GM_AVX512 \
    __attribute__((target("avx512f,avx512vl,avx512bw,avx512dq,avx512vbmi,bmi2,popcnt,prfchw")))

// The eight cells' classes: masks of the free cells with one draw, with two,
// and of the open ones, and the fixed cells' draws (0 elsewhere).
struct Klassen8 {
    __mmask8 eine, zwei, offen;
    __m256i fest;
};

GM_AVX512 inline Klassen8 klassen8(const KraterBand& b, __m512d x, const std::uint8_t* m) {
    const __m128i mb = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(m));
    const __mmask8 frei = __mmask8(~_mm_test_epi8_mask(mb, mb));
    const __mmask8 eine = _mm512_cmp_pd_mask(x, _mm512_set1_pd(b.lo0), _CMP_LT_OQ) |
                          _mm512_cmp_pd_mask(x, _mm512_set1_pd(b.hiMax), _CMP_NLT_UQ);
    const __mmask8 zwei = _mm512_cmp_pd_mask(x, _mm512_set1_pd(b.loMax), _CMP_GE_OQ) &
                          _mm512_cmp_pd_mask(x, _mm512_set1_pd(b.hi0), _CMP_LT_OQ);
    Klassen8 k{__mmask8(frei & eine), __mmask8(frei & ~eine & zwei), __mmask8(frei & ~eine & ~zwei),
               _mm256_setzero_si256()};
    k.fest = _mm256_or_si256(_mm256_maskz_mov_epi32(k.eine, _mm256_set1_epi32(1)),
                             _mm256_maskz_mov_epi32(k.zwei, _mm256_set1_epi32(2)));
    return k;
}

// Sums of the lanes before each lane, and the sum of all.
GM_AVX512 inline __m256i summenDavor(__m256i c, std::uint32_t& gesamt) {
    const __m256i null = _mm256_setzero_si256();
    __m256i p = _mm256_add_epi32(c, _mm256_alignr_epi32(c, null, 7));
    p = _mm256_add_epi32(p, _mm256_alignr_epi32(p, null, 6));
    p = _mm256_add_epi32(p, _mm256_alignr_epi32(p, null, 4));
    gesamt = std::uint32_t(_mm256_extract_epi32(p, 7));
    return _mm256_sub_epi32(p, c);
}

GM_AVX512 void offeneSammeln512(const KraterBand& band, const double* h, const std::uint8_t* m,
                                int n, SpaltenStand& stand, double* offenX,
                                std::uint32_t* offenFest) {
    const KraterBand b = band;
    std::uint32_t k = stand.offen, f = stand.ziehungen;
    int y = stand.y;
    for (; y + 8 <= n; y += 8) {
        const __m512d x = _mm512_loadu_pd(h + y);
        const Klassen8 kl = klassen8(b, x, m + y);
        std::uint32_t summe;
        const __m256i davor =
            _mm256_add_epi32(summenDavor(kl.fest, summe), _mm256_set1_epi32(int(f)));
        // Packed in the register and stored whole, which is much faster than
        // the packing store on some processors; the lanes past the open
        // cells land in the room to spare and are overwritten later.
        _mm512_storeu_pd(offenX + k, _mm512_maskz_compress_pd(kl.offen, x));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(offenFest + k),
                            _mm256_maskz_compress_epi32(kl.offen, davor));
        k += std::uint32_t(__builtin_popcount(kl.offen));
        f += summe;
    }
    stand = {y, k, f};
}

// clamp01 for eight values: min and max return their second operand when
// either is NaN, and their first only when it is strictly smaller (larger),
// so NaN and -0 come through as clamp01 passes them.
GM_AVX512 inline __m512d clamp01(__m512d v) {
    return _mm512_max_pd(_mm512_setzero_pd(), _mm512_min_pd(_mm512_set1_pd(1.0), v));
}

// r - 0.5 of the draws whose seeds are s, exactly: (s - 2^31) 2^-32.
GM_AVX512 inline __m512d zentriert(__m256i s) {
    const __m256i u = _mm256_xor_si256(s, _mm256_set1_epi32(int(0x80000000u)));
    return _mm512_mul_pd(_mm512_maskz_cvtepi32_pd(0xFF, u), _mm512_set1_pd(0x1p-32));
}

// KraterBand::wert for eight cells.
GM_AVX512 inline __m512d werte8(const KraterBand& b, __m512d x, __m256i s1, __m256i s2) {
    const __m512d z = _mm512_set1_pd(b.z), halb = _mm512_set1_pd(b.halb);
    const __m512d p = _mm512_add_pd(
        _mm512_set1_pd(b.h), _mm512_mul_pd(_mm512_mul_pd(zentriert(s1), z), _mm512_set1_pd(0.1)));
    const __m512d lo = _mm512_sub_pd(p, halb), hi = _mm512_add_pd(p, halb);
    // (s2 - 2^31) 2^-32 + 0.5 is s2 2^-32 exactly.
    const __m512d r2 = _mm512_mul_pd(_mm512_cvtepu32_pd(s2), _mm512_set1_pd(0x1p-32));
    const __m512d abstand = _mm512_abs_pd(_mm512_sub_pd(x, p));
    const __m512d im =
        _mm512_add_pd(lo, _mm512_mul_pd(_mm512_mul_pd(r2, _mm512_sub_pd(halb, abstand)), z));
    const __m512d oben =
        _mm512_sub_pd(lo, _mm512_mul_pd(_mm512_sub_pd(x, hi), _mm512_set1_pd(b.tiefe)));
    __m512d v = _mm512_mask_mov_pd(oben, _mm512_cmp_pd_mask(x, hi, _CMP_LT_OQ), im);
    v = _mm512_mask_mov_pd(v, _mm512_cmp_pd_mask(x, lo, _CMP_LT_OQ), x);
    return clamp01(v);
}

// For each pattern of draws of four cells, the draws of the cells before
// each, one byte per cell. Bits 2i and 2i + 1 of the pattern are cell i's
// first and second draw.
struct DavorVier {
    std::uint32_t davor[256];
    constexpr DavorVier() : davor() {
        for (unsigned muster = 0; muster < 256; ++muster)
            for (unsigned zelle = 0, summe = 0; zelle < 4; ++zelle) {
                davor[muster] |= summe << (8 * zelle);
                summe += ((muster >> (2 * zelle)) & 1u) + ((muster >> (2 * zelle + 1)) & 1u);
            }
    }
};
constexpr DavorVier kDavorVier;

// The draws each of eight cells uses: its first draw where `frei`, its second
// where `zweimal`, as the pattern of bits DavorVier reads.
GM_AVX512 inline unsigned ziehungsMuster(unsigned frei, unsigned zweimal) {
    return _pdep_u32(frei, 0x5555u) | _pdep_u32(zweimal, 0xAAAAu);
}

GM_AVX512 void spalteSetzen512(const KraterBand& band, double* h, const std::uint8_t* m, int n,
                               SpaltenStand& stand, const std::uint32_t* folge,
                               const std::uint8_t* zweite, NaechsteSpalte naechste) {
    const KraterBand b = band;
    const __m256i eins = _mm256_set1_epi32(1);
    std::uint32_t k = stand.ziehungen, o = stand.offen;
    int y = stand.y;
    for (; y + 8 <= n; y += 8) {
        _mm_prefetch(reinterpret_cast<const char*>(naechste.h + y), _MM_HINT_T0);
        if (y % 64 == 0) _mm_prefetch(reinterpret_cast<const char*>(naechste.m + y), _MM_HINT_T0);
        _mm_prefetch(reinterpret_cast<const char*>(naechste.schreiben + y), _MM_HINT_ET0);
        const __m512d x = _mm512_loadu_pd(h + y);
        const Klassen8 kl = klassen8(b, x, m + y);
        // Which of the next eight open cells draw twice, in the lanes of the
        // open cells among these eight.
        std::uint64_t zweiteBytes;
        std::memcpy(&zweiteBytes, zweite + o, sizeof zweiteBytes);
        const unsigned offenZweimal =
            _pdep_u32(unsigned(_pext_u64(zweiteBytes, 0x0101010101010101u)), kl.offen);
        const unsigned frei = kl.eine | kl.zwei | kl.offen;
        const unsigned muster = ziehungsMuster(frei, kl.zwei | offenZweimal);
        const std::uint64_t davor =
            kDavorVier.davor[muster & 0xFFu] |
            std::uint64_t(kDavorVier.davor[muster >> 8] +
                          0x01010101u * unsigned(__builtin_popcount(muster & 0xFFu)))
                << 32;
        const __m256i index = _mm256_cvtepu8_epi32(_mm_cvtsi64_si128(std::int64_t(davor)));
        // The eight cells use at most 16 consecutive draws.
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(folge + k));
        const __m256i bb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(folge + k + 8));
        const __m256i s1 = _mm256_permutex2var_epi32(a, index, bb);
        const __m256i s2 = _mm256_permutex2var_epi32(a, _mm256_add_epi32(index, eins), bb);
        _mm512_storeu_pd(h + y, _mm512_mask_mov_pd(x, __mmask8(frei), werte8(b, x, s1, s2)));
        k += std::uint32_t(__builtin_popcount(muster));
        o += std::uint32_t(__builtin_popcount(kl.offen));
    }
    stand = {y, o, k};
}

// The centres for the first seeds 2^31 + u.
GM_AVX512 inline __m512d mitte8(const KraterBand& b, __m256i u) {
    const __m512d r = _mm512_mul_pd(_mm512_maskz_cvtepi32_pd(0xFF, u), _mm512_set1_pd(0x1p-32));
    return _mm512_add_pd(_mm512_set1_pd(b.h),
                         _mm512_mul_pd(_mm512_mul_pd(r, _mm512_set1_pd(b.z)), _mm512_set1_pd(0.1)));
}

// floor(v), bounded to the u at which the search may start.
GM_AVX512 inline __m256i schaetzung8(__m512d v) {
    v = _mm512_roundscale_pd(v, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
    v = _mm512_max_pd(v, _mm512_set1_pd(-2147483648.0));  // a NaN becomes the lower bound
    v = _mm512_min_pd(v, _mm512_set1_pd(2147483646.0));
    return _mm512_cvttpd_epi32(v);
}

// The estimates of KraterIntervallVon checked for eight cells at once; a cell
// whose estimate is off gets the search.
GM_AVX512 void intervalle512(const KraterBand& band, const double* offenX, std::uint32_t n,
                             KraterIntervall* aus) {
    const KraterBand b = band;
    const __m512d kehr = _mm512_set1_pd(0x1p32 / (b.z * 0.1));
    const __m512d h = _mm512_set1_pd(b.h), halb = _mm512_set1_pd(b.halb);
    const __m256i eins = _mm256_set1_epi32(1);
    std::uint32_t i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m512d x = _mm512_loadu_pd(offenX + i);
        const __m512d d = _mm512_sub_pd(x, h);
        // Last u at or above the lower limit: e1, where the limit at e1 + 1
        // lies above x.
        const __m256i e1 = schaetzung8(_mm512_mul_pd(_mm512_add_pd(d, halb), kehr));
        const __m512d lo1 = _mm512_sub_pd(mitte8(b, e1), halb);
        const __m512d lo2 = _mm512_sub_pd(mitte8(b, _mm256_add_epi32(e1, eins)), halb);
        const __mmask8 alleUnter = _mm512_cmp_pd_mask(x, _mm512_set1_pd(b.loMax), _CMP_GE_OQ);
        const __mmask8 ok1 = alleUnter | (_mm512_cmp_pd_mask(x, lo1, _CMP_NLT_UQ) &
                                          _mm512_cmp_pd_mask(x, lo2, _CMP_LT_OQ));
        const __m256i u1 =
            _mm256_mask_mov_epi32(e1, alleUnter, _mm256_set1_epi32(std::int32_t(0x7FFFFFFF)));
        // First u below the upper limit: e2 + 1, where the limit at e2 is at
        // or below x.
        const __m256i e2 = schaetzung8(_mm512_mul_pd(_mm512_sub_pd(d, halb), kehr));
        const __m256i e2p = _mm256_add_epi32(e2, eins);
        const __m512d hi1 = _mm512_add_pd(mitte8(b, e2), halb);
        const __m512d hi2 = _mm512_add_pd(mitte8(b, e2p), halb);
        const __mmask8 alleUeber = _mm512_cmp_pd_mask(x, _mm512_set1_pd(b.hi0), _CMP_LT_OQ);
        const __mmask8 ok2 = alleUeber | (_mm512_cmp_pd_mask(x, hi1, _CMP_NLT_UQ) &
                                          _mm512_cmp_pd_mask(x, hi2, _CMP_LT_OQ));
        const __m256i u2 =
            _mm256_mask_mov_epi32(e2p, alleUeber, _mm256_set1_epi32(std::int32_t(0x80000000u)));
        // As unsigned seeds; an empty interval where u2 > u1.
        const __mmask8 leer = _mm256_cmpgt_epi32_mask(u2, u1);
        const __m256i anfang = _mm256_maskz_xor_epi32(__mmask8(~leer), u2,
                                                      _mm256_set1_epi32(std::int32_t(0x80000000u)));
        const __m256i breite =
            _mm256_maskz_add_epi32(__mmask8(~leer), _mm256_sub_epi32(u1, u2), eins);
        const __m512i paar = _mm512_or_si512(_mm512_cvtepu32_epi64(anfang),
                                             _mm512_slli_epi64(_mm512_cvtepu32_epi64(breite), 32));
        _mm512_storeu_si512(aus + i, paar);
        for (unsigned falsch = __mmask8(~(ok1 & ok2)) & 0xFFu; falsch != 0; falsch &= falsch - 1)
            aus[i + unsigned(__builtin_ctz(falsch))] =
                KraterIntervallVon(b, offenX[i + unsigned(__builtin_ctz(falsch))]);
    }
    for (; i < n; ++i)
        aus[i] = KraterIntervallVon(b, offenX[i]);
}

#undef GM_AVX512

#endif

}  // namespace

bool KraterVektorVerfuegbar() {
#ifdef GM_KRATER_VEKTOR
    static const bool da =
        __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
        __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq") &&
        __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("bmi2");
    return da;
#else
    return false;
#endif
}

void OffeneSammeln(const KraterBand& b, const double* h, const std::uint8_t* m, int n,
                   SpaltenStand& stand, double* offenX, std::uint32_t* offenFest, bool vektor) {
#ifdef GM_KRATER_VEKTOR
    if (vektor) offeneSammeln512(b, h, m, n, stand, offenX, offenFest);
#else
    (void)vektor;
#endif
    offeneSammelnSkalar(b, h, m, n, stand, offenX, offenFest);
}

void Intervalle(const KraterBand& b, const double* offenX, std::uint32_t n, KraterIntervall* aus,
                bool vektor) {
#ifdef GM_KRATER_VEKTOR
    if (vektor) return intervalle512(b, offenX, n, aus);
#else
    (void)vektor;
#endif
    for (std::uint32_t i = 0; i < n; ++i)
        aus[i] = KraterIntervallVon(b, offenX[i]);
}

void SpalteSetzen(const KraterBand& b, double* h, const std::uint8_t* m, int n, SpaltenStand& stand,
                  const std::uint32_t* folge, const std::uint8_t* zweite, NaechsteSpalte naechste,
                  bool vektor) {
#ifdef GM_KRATER_VEKTOR
    if (vektor) spalteSetzen512(b, h, m, n, stand, folge, zweite, naechste);
#else
    (void)naechste;
    (void)vektor;
#endif
    spalteSetzenSkalar(b, h, m, n, stand, folge, zweite);
}

}  // namespace gm
