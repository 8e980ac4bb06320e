#include "filters/transformieren.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <random>

#include "core/ablage.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "filter_hilfen.h"

namespace gm {
namespace {

using filtertest::argumente;
using filtertest::Zeilen;

// A seeded field spanning exactly 0..1, with a few masked cells.
void zufallsfeld(Dokument& dok, int punkteX, int punkteY, unsigned seed) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    dok.MaxX = punkteX - 1;
    dok.MaxY = punkteY - 1;
    dok.Maske.fuellen(0);
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y)
            dok.Hoehenfeld(x, y) = u(g);
    dok.Hoehenfeld(1, 0) = 0.0;
    dok.Hoehenfeld(0, 1) = 1.0;
    dok.Maske(dok.MaxX, 1) = 1;
    dok.Maske(2, dok.MaxY) = 1;
}

using Feld = std::vector<std::vector<double>>;  // [x][y]

Feld lesen(const Dokument& dok) {
    Feld f(std::size_t(dok.MaxX) + 1, std::vector<double>(std::size_t(dok.MaxY) + 1));
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y)
            f[x][y] = dok.Hoehenfeld(x, y);
    return f;
}

::testing::AssertionResult gleichFeld(const Dokument& dok, const Feld& soll) {
    if (int(soll.size()) != dok.MaxX + 1 || int(soll[0].size()) != dok.MaxY + 1)
        return ::testing::AssertionFailure()
               << "extents " << dok.MaxX << " x " << dok.MaxY << ", expected " << soll.size() - 1
               << " x " << soll[0].size() - 1;
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y)
            if (dok.Hoehenfeld(x, y) != soll[x][y])
                return ::testing::AssertionFailure()
                       << "at " << x << "," << y << ": " << dok.Hoehenfeld(x, y) << " expected "
                       << soll[x][y];
    return ::testing::AssertionSuccess();
}

// The delivery of ZweitbildUebernehmen written out: z stretched over all its
// cells to 0..1, taken where the mask is free.
Feld uebernommen(const Dokument& dok, const Feld& alt, const Feld& z) {
    double mn = z[0][0], mx = z[0][0];
    for (const auto& s : z)
        for (double v : s)
            mn = std::min(mn, v), mx = std::max(mx, v);
    const double f = mx == mn ? 1.0 : 1.0 / (mx - mn);
    if (mx == mn) mn = 0.0;
    Feld r = alt;
    for (std::size_t x = 0; x < z.size(); ++x)
        for (std::size_t y = 0; y < z[x].size(); ++y)
            if (dok.Maske(int(x), int(y)) == 0) r[x][y] = clamp01((z[x][y] - mn) * f);
    return r;
}

// The combination in the start mode "Wenn höher" with the markers at their
// defaults written out: valued cells stretched over their own range, each free
// cell keeps the higher of its height and the stretched value.
Feld wennHoeher(const Dokument& dok, const Feld& alt, const Feld& z) {
    double mn = 1000.0, mx = -1000.0;
    for (const auto& s : z)
        for (double v : s)
            if (v != KeinWert) mn = std::min(mn, v), mx = std::max(mx, v);
    const double f = mx != mn ? 1.0 / (mx - mn) : 1.0;
    if (mx == mn) mn = 0.0;
    Feld r = alt;
    for (std::size_t x = 0; x < z.size(); ++x)
        for (std::size_t y = 0; y < z[x].size(); ++y)
            if (z[x][y] != KeinWert && dok.Maske(int(x), int(y)) == 0)
                r[x][y] = std::max(alt[x][y], clamp01((z[x][y] - mn) * f));
    return r;
}

TEST(Abbilden, MirrorsAndRotationsCombineTheMovedFieldWithTheStartMode) {
    struct Fall {
        Abbild a;
        bool tauscht;
        // source of (x, y) with the result's extents mx, my
        std::function<std::pair<int, int>(int, int, int, int)> quelle;
    };
    const Fall faelle[] = {
        {Abbild::Horizontal, false, [](int x, int y, int, int my) { return std::pair(x, my - y); }},
        {Abbild::Vertikal, false, [](int x, int y, int mx, int) { return std::pair(mx - x, y); }},
        {Abbild::Diagonal1, true,
         [](int x, int y, int mx, int my) { return std::pair(my - y, mx - x); }},
        {Abbild::Diagonal2, true, [](int x, int y, int, int) { return std::pair(y, x); }},
        {Abbild::Dreh90, true, [](int x, int y, int mx, int) { return std::pair(y, mx - x); }},
        {Abbild::Dreh180, false,
         [](int x, int y, int mx, int my) { return std::pair(mx - x, my - y); }},
        {Abbild::Dreh270, true, [](int x, int y, int, int my) { return std::pair(my - y, x); }},
    };
    const std::pair<int, int> groessen[] = {{5, 5}, {6, 4}, {3, 40}, {70, 37}};
    for (const Fall& f : faelle) {
        for (auto [px, py] : groessen) {
            auto dok = std::make_unique<Dokument>();
            zufallsfeld(*dok, px, py, unsigned(px * 100 + py));
            ASSERT_EQ(dok->Verknuepfungsmodus, 2);
            dok->Ablagebild = std::make_unique<TFeld>();
            const Feld alt = lesen(*dok);
            const int mx = f.tauscht ? py - 1 : px - 1, my = f.tauscht ? px - 1 : py - 1;
            Feld z(std::size_t(mx) + 1, std::vector<double>(std::size_t(my) + 1));
            Feld altNeu = z;  // the old field at the result's extents, 0 where it had no cell
            for (int x = 0; x <= mx; ++x)
                for (int y = 0; y <= my; ++y) {
                    auto [sx, sy] = f.quelle(x, y, mx, my);
                    z[x][y] = alt.at(sx).at(sy);
                    altNeu[x][y] = x < px && y < py ? alt[x][y] : 0.0;
                }
            Abbilden(*dok, f.a);
            SCOPED_TRACE(::testing::Message() << int(f.a) << " on " << px << " x " << py);
            EXPECT_TRUE(gleichFeld(*dok, wennHoeher(*dok, altNeu, z)));
            EXPECT_EQ(dok->AblageBelegt(), !(f.tauscht && px != py));
            Undo(*dok);
            EXPECT_TRUE(gleichFeld(*dok, alt));
        }
    }
}

TEST(Abbilden, NinetyTwiceIsOneEightyAndNinetyThenTwoSeventyRestores) {
    for (auto [px, py] : {std::pair(7, 7), std::pair(9, 5)}) {
        auto a = std::make_unique<Dokument>();
        auto b = std::make_unique<Dokument>();
        zufallsfeld(*a, px, py, 7);
        zufallsfeld(*b, px, py, 7);
        a->Maske.fuellen(0);
        b->Maske.fuellen(0);
        a->Verknuepfungsmodus = b->Verknuepfungsmodus = 1;
        const Feld alt = lesen(*a);
        Drehen90(*a);
        Drehen90(*a);
        Drehen180(*b);
        EXPECT_TRUE(gleichFeld(*a, lesen(*b)));
        Drehen90(*b);
        Drehen270(*b);
        Drehen180(*b);
        EXPECT_TRUE(gleichFeld(*b, alt));
    }
}

TEST(Abbilden, PolarSqueezesEachLineTowardsTheMiddle) {
    for (auto [px, py] : {std::pair(9, 9), std::pair(12, 7), std::pair(6, 2)}) {
        auto dok = std::make_unique<Dokument>();
        zufallsfeld(*dok, px, py, 3);
        const Feld alt = lesen(*dok);
        const int mx = px - 1, my = py - 1;
        Feld z(alt.size(), std::vector<double>(alt[0].size(), KeinWert));
        for (int y = 0; y <= my; ++y)
            for (int x = 0; x <= mx; ++x) {
                const double phi =
                    my == 1 ? 0.0 : (y - (my - 1) / 2.0) * std::numbers::pi / (my - 1);
                const double sx = roundHalfEven(mx / 2.0 + (x - mx / 2.0) * std::cos(phi));
                if (sx >= 0 && sx <= mx) z[x][y] = alt[std::size_t(sx)][y];
            }
        KartesischPolar(*dok);
        EXPECT_TRUE(gleichFeld(*dok, wennHoeher(*dok, alt, z))) << px << " x " << py;
        if (py == 2) {  // two lines: phi is 0, nothing moves, no division by zero
            for (int x = 0; x <= mx; ++x)
                EXPECT_EQ(z[x][0], alt[x][0]);
        }
    }
}

TEST(Abbilden, PolarSendsExactHalvesToTheEvenNeighbour) {
    // MaxX 5: the middle is 2.5, and at y = 0 cos phi is so small that every
    // x lands on 2.5 exactly, which goes to 2, not 3. The line with phi = 0
    // (y = 4 of MaxY 9) keeps 0 and 1, so the result is not stretched.
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = 5;
    dok->MaxY = 9;
    dok->Verknuepfungsmodus = 1;
    for (int x = 0; x <= 5; ++x)
        for (int y = 0; y <= 9; ++y)
            dok->Hoehenfeld(x, y) = 0.5;
    dok->Hoehenfeld(2, 0) = 0.25;
    dok->Hoehenfeld(3, 0) = 0.75;
    dok->Hoehenfeld(0, 4) = 0.0;
    dok->Hoehenfeld(5, 4) = 1.0;
    KartesischPolar(*dok);
    for (int x = 0; x <= 5; ++x)
        EXPECT_EQ(dok->Hoehenfeld(x, 0), 0.25) << x;
}

TEST(Abbilden, TilingsTakeEverySecondSample) {
    for (bool spiegel : {false, true}) {
        for (auto [px, py] : {std::pair(9, 9), std::pair(8, 11)}) {
            auto dok = std::make_unique<Dokument>();
            zufallsfeld(*dok, px, py, 11);
            const Feld alt = lesen(*dok);
            const int mx = px - 1, my = py - 1;
            auto q = [&](int i, int m) {
                return spiegel && i > m / 2 ? 2 * (m - i) % (m + 1) : 2 * i % (m + 1);
            };
            Feld z = alt;
            for (int x = 0; x <= mx; ++x)
                for (int y = 0; y <= my; ++y)
                    z[x][y] = alt[q(x, mx)][q(y, my)];
            if (spiegel)
                KachelnSpiegel(*dok);
            else
                KachelnNormal(*dok);
            EXPECT_TRUE(gleichFeld(*dok, uebernommen(*dok, alt, z))) << spiegel << px;
        }
    }
    // 256 points mirrored: x = 127 and x = 128 both take 254, the highest source.
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = dok->MaxY = 255;
    for (int x = 0; x <= 255; ++x)
        for (int y = 0; y <= 255; ++y)
            dok->Hoehenfeld(x, y) = x / 255.0;
    KachelnSpiegel(*dok);
    EXPECT_EQ(dok->Hoehenfeld(127, 0), dok->Hoehenfeld(128, 0));
    EXPECT_EQ(dok->Hoehenfeld(127, 0), 1.0);
    EXPECT_EQ(dok->Hoehenfeld(126, 0), 252.0 / 255.0 * (255.0 / 254.0));
}

TEST(Abbilden, TwirlTurnsTheDiscAndClampsItsSources) {
    struct Fall {
        int punkteX, punkteY;
        TwirlRec rec;
    };
    // Small fields, and larger ones that span several tiles of both threads,
    // with the centre at an edge and discs that cut the field's border.
    const Fall faelle[] = {{9, 7, {3, 2, 90.0, 3.0}},        {9, 7, {0, 6, -400.0, 9.0}},
                           {9, 7, {5, 5, 0.0, 4.0}},         {9, 7, {4, 3, 1800.0, 0.5}},
                           {150, 97, {75, 48, 90.0, 200.0}}, {150, 97, {3, 90, -733.0, 61.0}},
                           {97, 150, {96, 0, 1800.0, 70.5}}};
    for (const auto& [px, py, rec] : faelle) {
        auto dok = std::make_unique<Dokument>();
        zufallsfeld(*dok, px, py, 5);
        const Feld alt = lesen(*dok);
        Feld z = alt;
        const double k = 2.0 * std::numbers::pi * rec.TwirlWinkel / (180.0 * rec.TwirlRadius);
        for (int x = 0; x < px; ++x)
            for (int y = 0; y < py; ++y) {
                const double dx = x - rec.TwirlX, dy = y - rec.TwirlY;
                const double d = std::sqrt(dx * dx + dy * dy);
                if (d > rec.TwirlRadius) continue;
                const double phi =
                    k * ((rec.TwirlRadius - d) * (rec.TwirlRadius - d)) / rec.TwirlRadius;
                int sx = int(roundHalfEven(rec.TwirlX + std::cos(phi) * dx - std::sin(phi) * dy));
                int sy = int(roundHalfEven(rec.TwirlY + std::sin(phi) * dx + std::cos(phi) * dy));
                z[x][y] = alt[std::clamp(sx, 0, px - 1)][std::clamp(sy, 0, py - 1)];
            }
        TwirlAnwenden(*dok, rec);
        EXPECT_TRUE(gleichFeld(*dok, uebernommen(*dok, alt, z))) << px << " " << rec.TwirlWinkel;
    }
    // The centre defaults to the middle of the current field; one outside is refused.
    auto dok = std::make_unique<Dokument>();
    zufallsfeld(*dok, 9, 7, 5);
    EXPECT_EQ(TwirlMitte(*dok, TwirlRec{}).TwirlX, 4);
    EXPECT_EQ(TwirlMitte(*dok, TwirlRec{}).TwirlY, 3);
    const Feld alt = lesen(*dok);
    EXPECT_FALSE(Twirl(*dok, TwirlRec{9, 3, 90.0, 3.0}));
    EXPECT_TRUE(gleichFeld(*dok, alt));
    // A replayed line out of range takes the line's defaults: the middle.
    auto a = argumente({"300", "2", "90", "3"});
    auto b = std::make_unique<Dokument>();
    zufallsfeld(*b, 9, 7, 5);
    TwirlNachspielen(*dok, a);
    TwirlAnwenden(*b, TwirlRec{4, 2, 90.0, 3.0});
    EXPECT_TRUE(gleichFeld(*dok, lesen(*b)));
}

TEST(Abbilden, WavesDisplaceAndFoldBack) {
    const WellenRec faelle[] = {{3, 3, 32, 32}, {1.5, 0.25, 2, 5}, {31, 7, 2049, 1}, {0, 0, 0, 0}};
    for (const WellenRec& rec : faelle) {
        for (auto [px, py] : {std::pair(9, 9), std::pair(13, 6)}) {
            auto dok = std::make_unique<Dokument>();
            zufallsfeld(*dok, px, py, 9);
            const Feld alt = lesen(*dok);
            const int mx = px - 1, my = py - 1;
            auto falten = [](int v, int m) {
                for (int i = 0; i < 2; ++i) {
                    if (v < 0) v = -v;
                    if (v > m) v = 2 * m - v;
                }
                return std::max(v, 0);
            };
            const double fx = 2.0 * std::numbers::pi * rec.WellenX / mx;
            const double fy = 2.0 * std::numbers::pi * rec.WellenY / my;
            Feld z = alt;
            for (int y = 0; y <= my; ++y)
                for (int x = 0; x <= mx; ++x) {
                    const int sx = x + int(roundHalfEven(rec.AmplitudeX * std::sin(y * fx)));
                    const int sy = y + int(roundHalfEven(rec.AmplitudeY * std::sin(x * fy)));
                    z[x][y] = alt[falten(sx, mx)][falten(sy, my)];
                }
            WellenAnwenden(*dok, rec);
            EXPECT_TRUE(gleichFeld(*dok, uebernommen(*dok, alt, z))) << rec.AmplitudeX;
        }
    }
}

}  // namespace
}  // namespace gm
