#include "filters/blur.h"

#include <algorithm>
#include <cstdint>

#include "core/faeden.h"
#include "core/zahlen.h"
#include "filters/blur_spalten.h"
#include "filters/zellen.h"

namespace gm {

const Parameter BlurParameter[4] = {
    Param<&BlurRec::Filterstaerke>("Filterstaerke", 0.5, 0.0, 1.0, Skala::Linear, 0.01,
                                   "Filterstärke"),
    Param<&BlurRec::Weichabstand>("Weichabstand", 10.0, 1.0, 99.0, Skala::Logarithmisch, 1,
                                  "Filterstärke"),
    Param<&BlurRec::Filterstaerke2>("Filterstaerke2", 1.0, 1.0, 99.0, Skala::Logarithmisch, 1,
                                    "Filterstärke2"),
    Param<&BlurRec::BlurModus>("BlurModus", 1, 1, 2, Skala::Linear, 1, "Modus"),
};

const ScriptArgument BlurArgumente[4] = {
    Arg<&BlurRec::Filterstaerke>(0.5, 1.0, 0.0),
    Arg<&BlurRec::Weichabstand>(10.0, 99.0, 0.0),
    Arg<&BlurRec::Filterstaerke2>(1.0, 99.0, 0.0),
    Arg<&BlurRec::BlurModus>(1, 2, 1),
};

namespace {

constexpr int kBand = 32;

// One step of the sweeps along x over the rows [y0, y0 + n), n = B, or the
// rest when B is 0: the running values w take in column x, and the free
// cells of column x take them.
template <int B>
[[gnu::always_inline]] inline void zeilenSchritt(Dokument& dok, int x, int y0, int rest, double a,
                                                 double b, double* w) {
    double* h = dok.Hoehenfeld.spalte(x) + y0;
    const std::uint8_t* m = dok.Maske.spalte(x) + y0;
    const int n = B > 0 ? B : rest;
    for (int y = 0; y < n; ++y) {
        w[y] = a * w[y] + b * h[y];
        h[y] = m[y] == 0 ? w[y] : h[y];
    }
}

// Both sweeps along x for the same rows: each row gets exactly the
// operations of its own sweep. A band stays in the cache from the forward
// sweep to the backward one, and its running values stay in registers.
template <int B>
[[gnu::always_inline]] inline void zeilenBand(Dokument& dok, int y0, int rest, double a, double b) {
    double w[kBand];
    const int n = B > 0 ? B : rest;
    const double* h0 = dok.Hoehenfeld.spalte(0) + y0;
    for (int y = 0; y < n; ++y)
        w[y] = h0[y];
    for (int x = 1; x <= dok.MaxX; ++x)
        zeilenSchritt<B>(dok, x, y0, rest, a, b, w);
    for (int x = dok.MaxX - 1; x >= 0; --x)
        zeilenSchritt<B>(dok, x, y0, rest, a, b, w);
}

// The sweeps along x for the rows [y0, y1) in bands of kBand rows; built for
// AVX2 and AVX-512 as well, with the same operations and so the same bits.
#if defined(__x86_64__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
void zeilenGlaetten(Dokument& dok, int y0, int y1, double a, double b) {
    int y = y0;
    for (; y + kBand <= y1; y += kBand)
        zeilenBand<kBand>(dok, y, 0, a, b);
    if (y < y1) zeilenBand<0>(dok, y, y1 - y, a, b);
}

}  // namespace

void BlurStandard(Dokument& dok, double a) {
    const double b = 1.0 - a;
    // Columns are independent along y, rows along x: each phase splits in two.
    ZweiFaeden([&](int t) {
        const Spalten s = haelfte(t, dok.MaxX + 1);
        SpaltenGlaetten(dok, s.anfang, s.ende, a, b);
    });
    ZweiFaeden([&](int t) {
        const Spalten s = haelfte(t, dok.MaxY + 1);
        zeilenGlaetten(dok, s.anfang, s.ende, a, b);
    });
}

void BlurWeich(Dokument& dok, const BlurRec& rec) {
    const int d = roundToInt(std::clamp(rec.Weichabstand, 0.0, 99.0));
    const int durchgaenge = std::max(1, roundToInt(std::clamp(rec.Filterstaerke2, 0.0, 99.0)));
    TFeld& h = dok.Hoehenfeld;
    for (int n = 0; n < durchgaenge; ++n) {
        for (int y = 0; y <= dok.MaxY; ++y) {
            const int yL = y - d > 0 ? y - d : y;
            const int yR = y + d <= dok.MaxY ? y + d : y;
            for (int x = 0; x <= dok.MaxX; ++x) {
                if (dok.Maske(x, y) != 0) continue;
                const int xU = x - d > 0 ? x - d : x;
                const int xD = x + d <= dok.MaxX ? x + d : x;
                h(x, y) = (h(xU, yL) + h(xU, yR) + h(xD, yL) + h(xD, yR)) / 4.0;
            }
        }
    }
}

void BlurAnwenden(Dokument& dok, const BlurRec& rec) {
    if (rec.BlurModus == 1) BlurStandard(dok, rec.Filterstaerke);
    if (rec.BlurModus == 2) BlurWeich(dok, rec);
}

}  // namespace gm
