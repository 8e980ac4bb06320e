#include "generators/fraktal_spuren.h"

#include <immintrin.h>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

#include "core/zielsatz.h"

// The blocks are eight neighbouring points of one column (four or two with
// the narrower instruction sets) in the lanes of one vector. Several blocks
// are in flight at once, so that the processor works on one while the others
// wait for their results; a block that finishes hands its place to the next
// block of the thread's columns at once, so no block waits for a slow
// neighbour. A finished lane idles until its block is done. The kernel is
// compiled once per instruction set; fused multiply-add stays off in all of
// them, so every set gives the same heights.

#define GM_INLINE inline __attribute__((always_inline))
#define GM_INLINE_LAMBDA __attribute__((always_inline))

namespace gm {
namespace {

namespace sse2 {
constexpr int Spuren = 2;
constexpr int Plaetze = 2;
constexpr int PlaetzeJulia = 2;
using M = std::int64_t __attribute__((vector_size(Spuren * sizeof(std::int64_t))));
using V = double __attribute__((vector_size(Spuren * sizeof(double))));
constexpr M Reihe = {0, 1};
GM_INLINE bool irgendeine(const M& m) {
    return _mm_movemask_pd(__m128d(m)) != 0;
}
#include "generators/fraktal_kern.inc"
}  // namespace sse2

GM_ZIEL_BEGINN("avx2")
namespace avx2 {
constexpr int Spuren = 4;
constexpr int Plaetze = 2;
constexpr int PlaetzeJulia = 4;
using M = std::int64_t __attribute__((vector_size(Spuren * sizeof(std::int64_t))));
using V = double __attribute__((vector_size(Spuren * sizeof(double))));
constexpr M Reihe = {0, 1, 2, 3};
GM_INLINE bool irgendeine(const M& m) {
    return _mm256_movemask_pd(__m256d(m)) != 0;
}
#include "generators/fraktal_kern.inc"
}  // namespace avx2
GM_ZIEL_ENDE

GM_ZIEL_BEGINN("avx512f,avx512dq")
namespace avx512 {
constexpr int Spuren = 8;
constexpr int Plaetze = 3;
constexpr int PlaetzeJulia = 4;
using M = std::int64_t __attribute__((vector_size(Spuren * sizeof(std::int64_t))));
constexpr M Reihe = {0, 1, 2, 3, 4, 5, 6, 7};
using V = double __attribute__((vector_size(Spuren * sizeof(double))));
// Lane masks in mask registers: the escape test and the count of a step
// are one instruction each.
using Maske = __mmask8;
#define GM_FRAKTAL_MASKEN
GM_INLINE bool irgendeine(Maske m) {
    return m != 0;
}
GM_INLINE Maske ausser(const M& innen) {
    return Maske(~_mm512_movepi64_mask(__m512i(innen)));
}
GM_INLINE Maske weiter(Maske aktiv, const V& betrag) {
    return _mm512_mask_cmp_pd_mask(aktiv, __m512d(betrag), _mm512_set1_pd(4.0), _CMP_LE_OQ);
}
GM_INLINE void zaehlen(M& zaehler, Maske aktiv) {
    zaehler =
        M(_mm512_mask_sub_epi64(__m512i(zaehler), aktiv, __m512i(zaehler), _mm512_set1_epi64(-1)));
}
GM_INLINE Maske gleich(Maske aktiv, const V& a, const V& b, const V& c, const V& d) {
    const Maske erste = _mm512_mask_cmp_pd_mask(aktiv, __m512d(a), __m512d(b), _CMP_EQ_OQ);
    return _mm512_mask_cmp_pd_mask(erste, __m512d(c), __m512d(d), _CMP_EQ_OQ);
}
GM_INLINE void setzen(M& zaehler, Maske m, std::int64_t wert) {
    zaehler = M(_mm512_mask_mov_epi64(__m512i(zaehler), m, _mm512_set1_epi64(wert)));
}
GM_INLINE Maske ohne(Maske a, Maske b) {
    return Maske(a & ~b);
}
#include "generators/fraktal_kern.inc"
#undef GM_FRAKTAL_MASKEN
}  // namespace avx512
GM_ZIEL_ENDE

}  // namespace

std::vector<Befehlssatz> FraktalBefehlssaetze() {
    std::vector<Befehlssatz> saetze{Befehlssatz::Sse2};
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) saetze.push_back(Befehlssatz::Avx2);
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq"))
        saetze.push_back(Befehlssatz::Avx512);
    return saetze;
}

void FraktalSpaltenRechnen(const FraktalParamRec& p, const FraktalRaster& r, int teil, int teile,
                           Befehlssatz satz) {
    switch (satz) {
        case Befehlssatz::Avx512:
            return avx512::rechnen(p, r, teil, teile);
        case Befehlssatz::Avx2:
            return avx2::rechnen(p, r, teil, teile);
        case Befehlssatz::Sse2:
            return sse2::rechnen(p, r, teil, teile);
    }
}

void FraktalSpaltenRechnen(const FraktalParamRec& p, const FraktalRaster& r, int teil, int teile) {
    static const Befehlssatz bester = FraktalBefehlssaetze().back();
    FraktalSpaltenRechnen(p, r, teil, teile, bester);
}

}  // namespace gm
