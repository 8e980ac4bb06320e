#include "filters/blur.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "filter_hilfen.h"

namespace gm {
namespace {

using namespace filtertest;

// Standard smoothing as written: each line forward, then backward from the
// last forward value reading the field as just updated; masked cells keep
// their values. Columns along y first, then rows along x.
void glaettenWieBeschrieben(Zeilen& h, const std::vector<std::vector<int>>& m, double a) {
    const double b = 1.0 - a;
    const int nx = int(h[0].size()), ny = int(h.size());
    const auto linie = [&](int n, auto zelle, auto frei) {
        std::vector<double> v(static_cast<std::size_t>(n));
        v[0] = zelle(0);
        for (int i = 1; i < n; ++i)
            v[i] = a * v[i - 1] + b * zelle(i);
        for (int i = 0; i < n; ++i)
            if (frei(i)) zelle(i) = v[i];
        for (int i = n - 2; i >= 0; --i)
            v[i] = a * v[i + 1] + b * zelle(i);
        for (int i = 0; i < n; ++i)
            if (frei(i)) zelle(i) = v[i];
    };
    for (int x = 0; x < nx; ++x)
        linie(
            ny, [&](int y) -> double& { return h[y][x]; }, [&](int y) { return m[y][x] == 0; });
    for (int y = 0; y < ny; ++y)
        linie(
            nx, [&](int x) -> double& { return h[y][x]; }, [&](int x) { return m[y][x] == 0; });
}

TEST(Blur, StandardModeSweepsEachLineBothWaysAndKeepsMaskedCells) {
    // 45 columns and 23 rows: each half runs groups of eight and four
    // columns and single ones, and the row sweeps run vector lanes and tails.
    constexpr int nx = 45, ny = 23;
    Zeilen feld(ny, std::vector<double>(nx));
    std::vector<std::vector<int>> m(ny, std::vector<int>(nx, 0));
    unsigned s = 7;
    for (int y = 0; y < ny; ++y)
        for (int x = 0; x < nx; ++x) {
            s = s * 1103515245u + 12345u;
            feld[y][x] = (s >> 8) % 1000 / 999.0;
            m[y][x] = (x * 3 + y) % 7 == 0;
        }
    for (double a : {0.3, 0.5, 0.85}) {
        auto d = std::make_unique<Dokument>();
        setze(*d, feld);
        maske(*d, m);
        Zeilen soll = feld;
        glaettenWieBeschrieben(soll, m, a);
        BlurStandard(*d, a);
        EXPECT_TRUE(gleich(*d, d->Hoehenfeld, soll)) << a;
    }
    auto d = std::make_unique<Dokument>();
    setze(*d, feld);
    BlurStandard(*d, 0.0);
    EXPECT_TRUE(gleich(*d, d->Hoehenfeld, feld));
    BlurStandard(*d, 1.0);  // every line constant: the first cell's value
    EXPECT_TRUE(gleich(*d, d->Hoehenfeld, Zeilen(ny, std::vector<double>(nx, feld[0][0]))));
}

// The row sweeps run bands of rows that stay in the cache between the forward
// and the backward sweep: 75 rows give each half one full band and a rest.
TEST(Blur, StandardModeMatchesInRowBandsAndTheirRest) {
    constexpr int nx = 13, ny = 75;
    Zeilen feld(ny, std::vector<double>(nx));
    std::vector<std::vector<int>> m(ny, std::vector<int>(nx, 0));
    unsigned s = 11;
    for (int y = 0; y < ny; ++y)
        for (int x = 0; x < nx; ++x) {
            s = s * 1103515245u + 12345u;
            feld[y][x] = (s >> 8) % 1000 / 999.0;
            m[y][x] = (x + 2 * y) % 5 == 0;
        }
    auto d = std::make_unique<Dokument>();
    setze(*d, feld);
    maske(*d, m);
    glaettenWieBeschrieben(feld, m, 0.7);
    BlurStandard(*d, 0.7);
    EXPECT_TRUE(gleich(*d, d->Hoehenfeld, feld));
}

// Soft smoothing as written, with the four corner samples: y outer, x inner,
// in place; a sample position past an edge falls back to the cell's own line.
void weichWieBeschrieben(Zeilen& h, const std::vector<std::vector<int>>& m, int d, int n) {
    const int mx = int(h[0].size()) - 1, my = int(h.size()) - 1;
    for (int p = 0; p < n; ++p)
        for (int y = 0; y <= my; ++y)
            for (int x = 0; x <= mx; ++x) {
                if (m[y][x]) continue;
                const int yL = y - d > 0 ? y - d : y, yR = y + d <= my ? y + d : y;
                const int xU = x - d > 0 ? x - d : x, xD = x + d <= mx ? x + d : x;
                h[y][x] = (h[yL][xU] + h[yR][xU] + h[yL][xD] + h[yR][xD]) / 4.0;
            }
}

TEST(Blur, SoftModeVisitsEveryColumnAndNeverReadsTheFarSide) {
    Zeilen feld(5, std::vector<double>(8));
    std::vector<std::vector<int>> m(5, std::vector<int>(8, 0));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x) {
            feld[y][x] = ((x * 5 + y * 3) % 11) / 10.0;
            m[y][x] = (x + 2 * y) % 6 == 1;
        }
    BlurRec r;
    r.BlurModus = 2;
    for (auto [abstand, durchgaenge] : {std::pair{1, 1}, {2, 3}, {3, 2}}) {
        auto d = std::make_unique<Dokument>();
        setze(*d, feld);
        maske(*d, m);
        r.Weichabstand = abstand;
        r.Filterstaerke2 = durchgaenge;
        BlurAnwenden(*d, r);
        Zeilen soll = feld;
        weichWieBeschrieben(soll, m, abstand, durchgaenge);
        EXPECT_TRUE(gleich(*d, d->Hoehenfeld, soll)) << abstand;
    }

    // Only the first column is 1: nothing near the right edge may see it.
    // Only the last column is 1: the last column itself is smoothed too.
    for (int spalte : {0, 5}) {
        auto d = std::make_unique<Dokument>();
        Zeilen rand(5, std::vector<double>(6, 0.0));
        for (auto& zeile : rand)
            zeile[std::size_t(spalte)] = 1.0;
        setze(*d, rand);
        r.Weichabstand = 1.0;
        r.Filterstaerke2 = 1.0;
        BlurAnwenden(*d, r);
        for (int y = 0; y <= 4; ++y) {
            if (spalte == 0) {
                EXPECT_EQ(d->Hoehenfeld(5, y), 0.0) << y;
            } else {
                EXPECT_LT(d->Hoehenfeld(5, y), 1.0) << y;
            }
        }
    }

    // A constant field stays constant, over several passes and through a mask;
    // zero passes requested still make one.
    auto k = std::make_unique<Dokument>();
    setze(*k, Zeilen(6, std::vector<double>(5, 0.375)));
    k->Maske(2, 3) = 1;
    r.Weichabstand = 2.0;
    r.Filterstaerke2 = 0.0;
    Zeilen kon(6, std::vector<double>(5, 0.375));
    BlurAnwenden(*k, r);
    EXPECT_TRUE(gleich(*k, k->Hoehenfeld, kon));
}

}  // namespace
}  // namespace gm
