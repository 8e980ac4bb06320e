#include "filters/noise_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <tuple>
#include <vector>

#include "core/zufall.h"
#include "filter_hilfen.h"

namespace gm {
namespace {

using namespace filtertest;

// Reflects at 0 and max until inside, one reflection at a time.
int spiegelnSchrittweise(int i, int max) {
    while (i < 0 || i > max)
        i = i < 0 ? -i : 2 * max - i;
    return i;
}

// The scatter filter as written: two draws per cell, x outer and y inner,
// each axis reflected against its own size; the result stretched to 0..1.
Zeilen gestreut(const Zeilen& feld, const std::vector<std::vector<int>>& m, double w,
                std::uint32_t& seed) {
    const int mx = int(feld[0].size()) - 1, my = int(feld.size()) - 1;
    const auto r = [&seed] {
        seed = seed * 134775813u + 1u;
        return seed * (1.0 / 4294967296.0);
    };
    Zeilen z = feld;
    for (int x = 0; x <= mx; ++x)
        for (int y = 0; y <= my; ++y) {
            const double r1 = r(), r2 = r();
            const int sx = spiegelnSchrittweise(x + int(std::nearbyint((r1 - 0.5) * w)), mx);
            const int sy = spiegelnSchrittweise(y + int(std::nearbyint((r2 - 0.5) * w)), my);
            z[y][x] = feld[sy][sx];
        }
    double lo = z[0][0], hi = z[0][0];
    for (const auto& zeile : z)
        for (double v : zeile) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    Zeilen aus = feld;
    for (int y = 0; y <= my; ++y)
        for (int x = 0; x <= mx; ++x)
            if (!m[y][x]) aus[y][x] = std::clamp((z[y][x] - lo) * (1.0 / (hi - lo)), 0.0, 1.0);
    return aus;
}

// Scatters an nx x ny field through a mask from `seed` and compares the
// field and the seed afterwards with the rule.
::testing::AssertionResult wieDieRegel(int nx, int ny, double w, std::uint32_t seed) {
    const auto [feld, m] = feldUndMaske(
        nx, ny, [](int x, int y) { return ((x * 13 + y * 7) % 17) / 16.0; },
        [](int x, int y) { return (x + y) % 7 == 2; });
    auto d = std::make_unique<Dokument>();
    setze(*d, feld);
    maske(*d, m);
    setzeSeed(*d, seed);
    NoiseFilterAnwenden(*d, NoiseFilterRec{w});
    const Zeilen soll = gestreut(feld, m, w, seed);
    if (d->RandSeed != seed) return ::testing::AssertionFailure() << "seed " << d->RandSeed;
    return gleich(*d, d->Hoehenfeld, soll);
}

TEST(NoiseFilter, ScattersWithinARectangularFieldReflectingAsOftenAsNeeded) {
    // 21 x 5: a width of 20 moves up to 10 rows in a field of 5, which takes
    // several reflections, and must not use the field's width for y.
    for (double w : {3.0, 20.0, 7.5})
        EXPECT_TRUE(wieDieRegel(21, 5, w, 987654321u)) << w;
    for (int i = -40; i <= 40; ++i)
        EXPECT_EQ(Spiegeln(i, 4), spiegelnSchrittweise(i, 4)) << i;
}

TEST(NoiseFilter, LongColumnsScatterInGroupsOfRowsAsCellByCell) {
    // Columns of 150 rows run in blocks and groups of rows, with rows left
    // over at the end; 9 rows with a width of 60 need several reflections
    // inside whole groups; 70 columns split into blocks with a remainder.
    for (auto [nx, ny, w] : {std::tuple{13, 150, 9.0}, {70, 9, 60.0}, {45, 37, 2.5}})
        EXPECT_TRUE(wieDieRegel(nx, ny, w, 4242u)) << nx << "x" << ny;
}

TEST(NoiseFilter, WidthOneMovesNothingAndAFlatFieldStaysFlat) {
    auto d = std::make_unique<Dokument>();
    setze(*d, {{0.2, 0.4, 0.5, 0.6, 0.8}, {0.8, 0.6, 0.5, 0.4, 0.3}});
    NoiseFilterAnwenden(*d, NoiseFilterRec{1.0});
    EXPECT_TRUE(gleich(*d, d->Hoehenfeld,
                       {{0.0, 1.0 / 3, 0.5, 2.0 / 3, 1.0}, {1.0, 2.0 / 3, 0.5, 1.0 / 3, 1.0 / 6}},
                       1e-15));
    auto k = std::make_unique<Dokument>();
    setze(*k, Zeilen(6, std::vector<double>(7, 0.3)));
    NoiseFilterAnwenden(*k, NoiseFilterRec{6.0});
    EXPECT_TRUE(gleich(*k, k->Hoehenfeld, Zeilen(6, std::vector<double>(7, 0.3))));
}

}  // namespace
}  // namespace gm
