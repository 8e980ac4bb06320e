#include "filters/pass_filter.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "core/faeden.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "filters/zellen.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define GM_PASS_VEKTOR 1
// The compiler's own headers fill unused lanes from an undefined register in
// the unmasked forms, which GCC's flow analysis reports as uninitialised.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>
#endif

namespace gm {

const Parameter PassParameter[3] = {
    Param<&PassRec::PassParameter1>("PassParameter1", 0.5, 0.01, 0.99, Skala::Linear, 0.01,
                                    "Parameter1"),
    Param<&PassRec::PassParameter2>("PassParameter2", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01,
                                    "Parameter2"),
    Param<&PassRec::PassTyp>("PassTyp", 1, -2, 2, Skala::Linear, 1, "Typ"),
};

const ScriptArgument PassArgumente[3] = {
    Arg<&PassRec::PassParameter1>(0.5, 0.99, 0.01),
    Arg<&PassRec::PassParameter2>(1.0, 100.0, 0.01),
    Arg<&PassRec::PassTyp>(1, 2, -2),
};

double PassGewicht(const PassRec& rec, double rho) {
    const double p1 = rec.PassParameter1;
    const double p2 = rec.PassParameter2;
    double w;
    if (rec.PassTyp == 1 || rec.PassTyp == -1) {
        const double pq = p1 * p2;
        const double q = 1.0 / (pq * pq);
        const double e = 1.0 - rho / p1;
        w = q / (e * e + q);
    } else {
        // pow(r, 1) is r itself; the default order skips the call.
        const double r = rho / p1;
        w = 1.0 / ((p2 == 1.0 ? r : std::pow(r, p2)) + 1.0);
    }
    return rec.PassTyp < 0 ? 1.0 - w : w;
}

namespace {

bool typGueltig(int typ) {
    return typ == 1 || typ == -1 || typ == 2 || typ == -2;
}

// The smallest whole j >= 0 with j * j >= v.
int wurzelAufwaerts(std::int64_t v) {
    if (v <= 0) return 0;
    std::int64_t j = std::int64_t(std::sqrt(double(v)));
    while (j * j < v)
        ++j;
    while (j > 0 && (j - 1) * (j - 1) >= v)
        --j;
    return int(j);
}

// Row i of the weights, w(i, 0..k), straight from the rule.
void zeileRechnen(const PassRec& rec, double diag, int i, int k, double* w) {
    for (int j = 0; j <= k; ++j)
        w[j] = PassGewicht(rec, std::sqrt(double(i * i + j * j)) / diag);
}

#ifdef GM_PASS_VEKTOR

#define GM_AVX512 __attribute__((target("avx512f")))

// zeileRechnen on eight lanes for the types without pow (band, or low and
// high pass of order 1), with the operations of PassGewicht in its order.
GM_AVX512 void zeileRechnen512(const PassRec& rec, double diag, int i, int k, double* w) {
    const __m512d p1 = _mm512_set1_pd(rec.PassParameter1), d = _mm512_set1_pd(diag);
    const __m512d eins = _mm512_set1_pd(1.0);
    const double pq = rec.PassParameter1 * rec.PassParameter2;
    const __m512d q = _mm512_set1_pd(1.0 / (pq * pq));
    const bool band = rec.PassTyp == 1 || rec.PassTyp == -1;
    const __m512i schritt = _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 0, 0, 0, 0, 0, 0, 0, 0);
    for (int j = 0; j <= k; j += 8) {
        const __mmask8 lanes = __mmask8(k + 1 - j >= 8 ? 0xFF : (1u << (k + 1 - j)) - 1);
        const __m256i jv = _mm512_castsi512_si256(_mm512_add_epi32(_mm512_set1_epi32(j), schritt));
        const __m256i n = _mm256_add_epi32(_mm256_set1_epi32(i * i), _mm256_mullo_epi32(jv, jv));
        const __m512d rho = _mm512_div_pd(_mm512_sqrt_pd(_mm512_cvtepi32_pd(n)), d);
        __m512d v;
        if (band) {
            const __m512d e = _mm512_sub_pd(eins, _mm512_div_pd(rho, p1));
            v = _mm512_div_pd(q, _mm512_add_pd(_mm512_mul_pd(e, e), q));
        } else {
            v = _mm512_div_pd(eins, _mm512_add_pd(_mm512_div_pd(rho, p1), eins));
        }
        if (rec.PassTyp < 0) v = _mm512_sub_pd(eins, v);
        _mm512_mask_storeu_pd(w + j, lanes, v);
    }
}

#undef GM_AVX512

#endif

using Zeilenkern = void (*)(const PassRec& rec, double diag, int i, int k, double* w);

Zeilenkern zeilenkernWaehlen() {
#ifdef GM_PASS_VEKTOR
    if (__builtin_cpu_supports("avx512f")) return &zeileRechnen512;
#endif
    return &zeileRechnen;
}

// Sums of squares per section: the weights of one section (512 KB) stay in
// the cache while the rows take theirs.
constexpr std::uint32_t kAbschnitt = 1u << 16;
// Rows and columns of the blocks in which the table is mirrored.
constexpr int kBlock = 32;

// The grid's geometry and the weights w(i, j), i = 0..h, j = 0..k. Orders
// other than 1 take pow, which is worth a table of all rows; the other
// weights are computed row by row in vector lanes.
struct Gewichte {
    int mx, my, h, k;
    double diag;
    PassRec rec;
    Zeilenkern kern;
    std::size_t spalte;
    std::unique_ptr<double[]> tabelle;  // every cell is written, so it is not cleared

    // Row i, from the table or computed into `puffer` (k + 1 values).
    const double* zeile(int i, double* puffer) const {
        if (tabelle) return tabelle.get() + std::size_t(i) * spalte;
        kern(rec, diag, i, k, puffer);
        return puffer;
    }

    // Calls f(i, j0, j1) for the rows i whose cells j0 <= j < j1 are exactly
    // the computed cells of the row with a sum of squares in [n0, n0 +
    // kAbschnitt). Of the square part i, j <= min(h, k) only j >= i is
    // computed; (i, j) takes the weight of (j, i) afterwards.
    template <class F>
    void abschnittZeilen(std::uint32_t n0, F&& f) const {
        const std::int64_t a = n0, b = a + kAbschnitt;
        for (int i = 0; i <= h && std::int64_t(i) * i < b; ++i) {
            const std::int64_t q = std::int64_t(i) * i;
            const int j0 = std::max(wurzelAufwaerts(a - q), i <= k ? i : 0);
            const int j1 = std::min(wurzelAufwaerts(b - q), k + 1);
            if (j0 < j1) f(i, j0, j1);
        }
    }

    // The cells (i, j), j < i <= min(h, k), of the block rows [b0, b1), from
    // (j, i), in square blocks that stay in the cache.
    void spiegeln(int b0, int b1) const {
        const int m = std::min(h, k) + 1;
        for (int bi = b0; bi < b1; ++bi)
            for (int j0 = 0; j0 <= bi * kBlock; j0 += kBlock)
                for (int i = bi * kBlock; i < std::min((bi + 1) * kBlock, m); ++i) {
                    double* zeile = tabelle.get() + std::size_t(i) * spalte;
                    for (int j = j0; j < std::min(j0 + kBlock, i); ++j)
                        zeile[j] = tabelle[std::size_t(j) * spalte + std::size_t(i)];
                }
    }
};

// The table's cells with a sum of squares in [n0, n0 + kAbschnitt): w
// depends on i^2 + j^2 alone, so each sum that occurs is weighted once (into
// `dicht`, indexed by the sum) and copied to every cell that has it.
void abschnittFuellen(Gewichte& g, std::uint32_t n0, std::vector<double>& dicht,
                      std::vector<std::uint64_t>& belegt) {
    belegt.assign(kAbschnitt / 64, 0);
    g.abschnittZeilen(n0, [&](int i, int j0, int j1) {
        for (int j = j0; j < j1; ++j) {
            const std::uint32_t n = std::uint32_t(i * i + j * j) - n0;
            belegt[n >> 6] |= std::uint64_t(1) << (n & 63);
        }
    });
    for (std::size_t w = 0; w < belegt.size(); ++w)
        for (std::uint64_t bits = belegt[w]; bits != 0; bits &= bits - 1) {
            const std::size_t n = w * 64 + std::size_t(__builtin_ctzll(bits));
            dicht[n] = PassGewicht(g.rec, std::sqrt(double(n0 + n)) / g.diag);
        }
    g.abschnittZeilen(n0, [&](int i, int j0, int j1) {
        double* zeile = g.tabelle.get() + std::size_t(i) * g.spalte;
        for (int j = j0; j < j1; ++j)
            zeile[j] = dicht[std::uint32_t(i * i + j * j) - n0];
    });
}

Gewichte gewichteBerechnen(const Dokument& dok, const PassRec& rec) {
    Gewichte g;
    g.mx = dok.MaxX;
    g.my = dok.MaxY;
    g.diag = std::sqrt(double(g.mx) * g.mx / 4.0 + double(g.my) * g.my / 4.0);
    g.h = roundToInt(g.mx / 2.0);
    g.k = roundToInt(g.my / 2.0);
    g.rec = rec;
    g.kern = zeilenkernWaehlen();
    g.spalte = std::size_t(g.k) + 1;
    const bool potenz = (rec.PassTyp == 2 || rec.PassTyp == -2) && rec.PassParameter2 != 1.0;
    if (!potenz) return g;
    g.tabelle.reset(new double[(std::size_t(g.h) + 1) * g.spalte]);
    // The sections go to whichever thread is free: their numbers of distinct
    // sums differ.
    const std::uint32_t abschnitte = std::uint32_t(g.h * g.h + g.k * g.k) / kAbschnitt + 1;
    std::atomic<std::uint32_t> naechster{0};
    Faeden faeden(2);
    faeden.ausfuehren([&](int) {
        std::vector<double> dicht(kAbschnitt);
        std::vector<std::uint64_t> belegt;
        for (std::uint32_t a; (a = naechster.fetch_add(1)) < abschnitte;)
            abschnittFuellen(g, a * kAbschnitt, dicht, belegt);
    });
    // Block row b costs about b + 1 blocks: the first thread takes the rows
    // up to 1 / sqrt(2) of the count.
    const int bloecke = std::min(g.h, g.k) / kBlock + 1;
    const int teilung = int(bloecke * 0.7071);
    faeden.ausfuehren([&](int t) { g.spiegeln(t == 0 ? 0 : teilung, t == 0 ? teilung : bloecke); });
    return g;
}

// Copies the columns of the sweep steps i0..i1-1 into Zweitbild and runs on
// them the first sweep, the zeroing and the second sweep. The steps must be
// the only ones that reach their columns (i and MaxX - i), so every cell gets
// its factors in the order of the two sweeps over the whole grid. The
// columns' ranges go to `bereiche` while the columns are in the cache.
void abschnittWichten(Dokument& dok, const Gewichte& g, int i0, int i1, double* puffer,
                      std::vector<Spaltenbereich>& bereiche) {
    const int mx = g.mx, my = g.my, h = g.h, k = g.k;
    const auto eigen = [&](int x) { return (x >= i0 && x < i1) || (mx - x >= i0 && mx - x < i1); };
    const std::size_t n = std::size_t(my) + 1;
    TFeld& z = dok.Zweitbild;
    const auto eigene = [&](auto&& f) {
        for (int x = i0; x < i1; ++x)
            f(x);
        for (int x = mx - i1 + 1; x <= mx - i0; ++x)
            if (x < i0 || x >= i1) f(x);
    };
    eigene([&](int x) { std::memcpy(z.spalte(x), dok.Hoehenfeld.spalte(x), n * sizeof(double)); });
    const double* w = nullptr;
    for (int i = i0; i < i1; ++i) {
        double* a = z.spalte(i);
        double* b = z.spalte(mx - i);
        w = g.zeile(i, puffer);
        for (int j = 0; j <= k; ++j) {
            const double f = w[j];
            a[j] *= f;
            b[my - j] *= f;
        }
    }
    if (eigen(h)) z(h, 0) = 0.0;
    if (eigen(0)) z(0, k) = 0.0;
    if (eigen(h)) z(h, k) = 0.0;
    for (int i = i0; i < std::min(i1, h); ++i) {
        double* a = z.spalte(i);
        double* b = z.spalte(mx - i);
        if (i1 - i0 > 1) w = g.zeile(i, puffer);  // a single step still holds its row
        for (int j = 0; j < k; ++j) {
            const double f = w[j];
            a[my - j] *= f;
            b[j] *= f;
        }
    }
    eigene([&](int x) { bereiche[std::size_t(x)] = SpaltenbereichVon(z.spalte(x), int(n)); });
}

}  // namespace

void PassFilterAnwenden(Dokument& dok, const PassRec& rec) {
    if (!typGueltig(rec.PassTyp)) return;
    const Gewichte g = gewichteBerechnen(dok, rec);
    // Step i reaches columns i and MaxX - i. Below MaxX - h no other step
    // reaches them, so those steps run one by one, each on two columns that
    // stay in the cache; the steps from MaxX - h to h share their columns and
    // run as one block. Two threads take disjoint steps, the block the second.
    const int mitte = g.mx - g.h;
    const int einzelnEnde = std::min(mitte, g.h + 1);
    const int teilung = std::min((einzelnEnde + 1) / 2, einzelnEnde);
    std::vector<Spaltenbereich> bereiche(std::size_t(g.mx) + 1);
    ZweiFaeden([&](int t) {
        std::vector<double> puffer(g.spalte);
        const int anfang = t == 0 ? 0 : teilung, ende = t == 0 ? teilung : einzelnEnde;
        for (int i = anfang; i < ende; ++i)
            abschnittWichten(dok, g, i, i + 1, puffer.data(), bereiche);
        if (t == 1 && mitte <= g.h)
            abschnittWichten(dok, g, mitte, g.h + 1, puffer.data(), bereiche);
    });
    ZweitbildUebernehmen(dok, bereiche.data());
}

}  // namespace gm
