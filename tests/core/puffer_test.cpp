#include "core/puffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/kombination.h"
#include "support/feld_hilfen.h"

namespace gm {
namespace {

using test::feldGleich;
using test::setzeFeld;
using test::Zeilen;

TEST(Normalisieren, StretchesToFullRangeAndFlatFieldBecomesZero) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.7, 0.7, 0.7}, {0.7, 0.7, 0.7}});
    EXPECT_EQ(Normalisieren(dok), 0.0);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0, 0, 0}, {0, 0, 0}}));

    setzeFeld(dok, dok.Hoehenfeld, {{0.2, 0.4}, {0.6, 0.3}});
    EXPECT_DOUBLE_EQ(Normalisieren(dok), (0.0 + 0.5 + 1.0 + 0.25) / 4);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.5}, {1.0, 0.25}}, 1e-15));
}

TEST(ZweitbildNormalisieren, KeinWertTakesPartAndFlatUsesTarget) {
    Dokument dok;
    setzeFeld(dok, dok.Zweitbild, {{KeinWert, 1.0}, {3.0, 0.0}});
    ZweitbildNormalisieren(dok, 0.5);
    EXPECT_TRUE(feldGleich(dok, dok.Zweitbild, {{0.0, 0.25}, {0.5, 0.125}}));

    setzeFeld(dok, dok.Zweitbild, {{0.4, 0.4}, {0.4, 0.4}});
    ZweitbildNormalisieren(dok, 2.0);  // minimum taken as 0, factor 2, clamped
    EXPECT_TRUE(feldGleich(dok, dok.Zweitbild, {{0.8, 0.8}, {0.8, 0.8}}));
}

TEST(ZweitbildUmkehren, MirrorsAndClampsTheActiveArea) {
    Dokument dok;
    setzeFeld(dok, dok.Zweitbild, {{0.0, 0.25}, {1.5, -0.5}});
    dok.Zweitbild(2, 0) = 0.3;  // outside the active area
    ZweitbildUmkehren(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Zweitbild, {{1.0, 0.75}, {0.0, 1.0}}));
    EXPECT_EQ(dok.Zweitbild(2, 0), 0.3);
}

TEST(ZweitbildUebernehmen, NormalisesAndSkipsMaskedCells) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.9, 0.9}, {0.9, 0.9}});
    setzeFeld(dok, dok.Zweitbild, {{2.0, 4.0}, {6.0, 10.0}});
    test::setzeMaske(dok, {{0, 1}, {0, 0}});
    ZweitbildUebernehmen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.9}, {0.5, 1.0}}));
}

// The range measured in lanes and columns must be the one a single pass in
// column order finds, down to the sign of a zero extreme, with NaN skipped.
TEST(ZweitbildUebernehmen, RangeIsTheSinglePassOneForSignedZerosAndNaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto pruefen = [](const Zeilen& z) {
        Dokument dok;
        setzeFeld(dok, dok.Zweitbild, z);
        double lo = dok.Zweitbild(0, 0), hi = lo;
        for (int x = 0; x <= dok.MaxX; ++x)
            for (int y = 0; y <= dok.MaxY; ++y) {
                lo = std::min(lo, dok.Zweitbild(x, y));
                hi = std::max(hi, dok.Zweitbild(x, y));
            }
        const double faktor = hi == lo ? 1.0 : 1.0 / (hi - lo);
        const double basis = hi == lo ? 0.0 : lo;
        Zeilen soll = z;
        for (auto& zeile : soll)
            for (double& v : zeile) {
                v = (v - basis) * faktor;
                v = v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
            }
        ZweitbildUebernehmen(dok);
        for (int y = 0; y <= dok.MaxY; ++y)
            for (int x = 0; x <= dok.MaxX; ++x) {
                const double ist = dok.Hoehenfeld(x, y), s = soll[y][x];
                EXPECT_TRUE(std::isnan(s) ? std::isnan(ist)
                                          : ist == s && std::signbit(ist) == std::signbit(s))
                    << x << ", " << y << ": " << ist << " != " << s;
            }
    };
    // Nine rows: two rounds of four lanes and a tail. Column 0 holds a zero at
    // row 2 (third lane) and one of the other sign at row 5 (second lane), so a
    // lane-by-lane combination would meet them in the wrong order; column 1
    // repeats the pair later, where it must not count.
    Zeilen z(9, std::vector<double>(3, 0.5));
    z[2][0] = -0.0;
    z[5][0] = 0.0;
    z[1][1] = 0.0;
    z[8][1] = -0.0;
    z[4][2] = nan;
    z[3][2] = 2.0;
    pruefen(z);
    z[2][0] = 0.0;
    z[5][0] = -0.0;
    pruefen(z);
    // Everything at or below zero: a zero maximum, after a NaN.
    for (auto& zeile : z)
        for (double& v : zeile)
            v = std::isnan(v) ? v : -std::abs(v) - 0.25;
    z[0][1] = nan;
    z[2][1] = -0.0;
    z[5][1] = 0.0;
    pruefen(z);
}

TEST(ZweitbildSpanne, OnlyValuedCellsCount) {
    Dokument dok;
    setzeFeld(dok, dok.Zweitbild, {{KeinWert, 0.25}, {0.75, KeinWert}});
    Spanne s = ZweitbildSpanne(dok);
    EXPECT_EQ(s.minimum, 0.25);
    EXPECT_EQ(s.skala, 2.0);

    setzeFeld(dok, dok.Zweitbild, {{KeinWert, 0.7}, {KeinWert, KeinWert}});
    s = ZweitbildSpanne(dok);  // one value: not stretched
    EXPECT_EQ(s.minimum, 0.0);
    EXPECT_EQ(s.skala, 1.0);
}

TEST(ZweitbildSpanne, ValuesBeyondAThousandSpanTheirTrueRange) {
    Dokument dok;
    setzeFeld(dok, dok.Zweitbild, {{KeinWert, 1500.0, 2000.0}, {1250.0, KeinWert, 3000.0}});
    Spanne s = ZweitbildSpanne(dok);
    EXPECT_EQ(s.minimum, 1250.0);
    EXPECT_EQ(s.skala, 1.0 / 1750.0);

    setzeFeld(dok, dok.Zweitbild, {{-3000.0, KeinWert}, {-1500.0, -2000.0}});
    s = ZweitbildSpanne(dok);
    EXPECT_EQ(s.minimum, -3000.0);
    EXPECT_EQ(s.skala, 1.0 / 1500.0);

    // One value above a thousand, or none at all: not stretched.
    for (double v : {1500.0, KeinWert}) {
        setzeFeld(dok, dok.Zweitbild, {{KeinWert, v}, {KeinWert, KeinWert}});
        s = ZweitbildSpanne(dok);
        EXPECT_EQ(s.minimum, 0.0) << v;
        EXPECT_EQ(s.skala, 1.0) << v;
    }

    // The combination maps such a result onto the full range.
    setzeFeld(dok, dok.Hoehenfeld, {{0.3, 0.3, 0.3}});
    setzeFeld(dok, dok.Zweitbild, {{1500.0, 2000.0, 2500.0}});
    ZweitbildVerknuepfen(dok, 1);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.0, 0.5, 1.0}}));
}

TEST(ZweitbildEinsetzen, ClampsAndIgnoresMaskAndKeinWert) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.5, 0.5, 0.5}});
    setzeFeld(dok, dok.Zweitbild, {{KeinWert, 1.5, -0.5}});
    test::setzeMaske(dok, {{1, 1, 1}});
    ZweitbildEinsetzen(dok);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.5, 1.0, 0.0}}));
}

TEST(BereichSkalieren, MapsRangeOutsideMaskAndMirrorsWhenReversed) {
    Dokument dok;
    setzeFeld(dok, dok.Hoehenfeld, {{0.0, 0.5}, {1.0, 0.25}});
    test::setzeMaske(dok, {{0, 0}, {0, 1}});
    BereichSkalieren(dok, 0.2, 0.8);
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.2, 0.5}, {0.8, 0.25}}));

    setzeFeld(dok, dok.Hoehenfeld, {{0.0, 1.0}});
    MaskeLoeschen(dok);
    BereichSkalieren(dok, 1.5, -3.0);  // clamped to 1..0: mirrors
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{1.0, 0.0}}));

    setzeFeld(dok, dok.Hoehenfeld, {{0.3, 0.3}});
    BereichSkalieren(dok, 0.0, 1.0);  // flat: nothing happens
    EXPECT_TRUE(feldGleich(dok, dok.Hoehenfeld, {{0.3, 0.3}}));
}

TEST(Umrechnen, SameSizeReproducesEverySampleExactly) {
    Dokument dok;
    NeueGroesse(dok, 256, 128, false);
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y)
            dok.Hoehenfeld(x, y) = ((x * 37 + y * 11) % 101) / 100.0;
    TFeld vorher;
    std::copy_n(dok.Hoehenfeld.daten(), FeldZellen, vorher.daten());
    Umrechnen(dok, 256, 128);
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y)
            ASSERT_EQ(dok.Hoehenfeld(x, y), vorher(x, y));
}

TEST(Umrechnen, UpscalingBlendsAndExtrapolatesTheLastRowAndColumn) {
    Dokument dok;
    // 5 x 5 ramp in x: h = 0.2 * x, so the blend is exact and extrapolation
    // continues the ramp past the last old sample.
    NeueGroesse(dok, 4, 4, false);
    for (int x = 0; x <= 4; ++x)
        for (int y = 0; y <= 4; ++y)
            dok.Hoehenfeld(x, y) = 0.2 * x + (y == 4 ? 0.1 : 0.0);
    NeueGroesse(dok, 9, 9, false);  // 5 -> 10 points: rx = 0.5
    Umrechnen(dok, 4, 4);
    EXPECT_DOUBLE_EQ(dok.Hoehenfeld(1, 0), 0.1);   // fx = 0.5
    EXPECT_DOUBLE_EQ(dok.Hoehenfeld(8, 0), 0.8);   // fx = 4: integral, exact
    EXPECT_DOUBLE_EQ(dok.Hoehenfeld(9, 0), 0.9);   // fx = 4.5, extrapolated
    EXPECT_DOUBLE_EQ(dok.Hoehenfeld(0, 9), 0.15);  // fy = 4.5: 0 + 0.1 * 1.5
    EXPECT_DOUBLE_EQ(dok.Hoehenfeld(9, 9), 1.0);   // 0.9 + 0.15 clamped
}

TEST(Umrechnen, From513To1025ClampsTheExtrapolatedEdge) {
    Dokument dok;
    for (int x = 0; x <= 512; ++x)
        for (int y = 0; y <= 512; ++y)
            dok.Hoehenfeld(x, y) = (x == 512) ? 1.0 : (x == 511 ? 0.5 : 0.2);
    NeueGroesse(dok, 1024, 1024, false);
    Umrechnen(dok, 512, 512);
    // fx = 1024 * 513 / 1025 = 512.5: 0.5 * -0.5 + 1.0 * 1.5 = 1.25, clamped.
    EXPECT_EQ(dok.Hoehenfeld(1024, 300), 1.0);
    EXPECT_EQ(dok.Hoehenfeld(0, 0), 0.2);
}

TEST(Groesse, PointsAreClampedToTheSizeRules) {
    EXPECT_EQ(punkteBegrenzen(4), 5);
    EXPECT_EQ(punkteBegrenzen(3000), 2049);
    EXPECT_EQ(punkteBegrenzen(257.9), 257);
    EXPECT_TRUE(punkteGueltig(5, 2049));
    EXPECT_FALSE(punkteGueltig(4, 100));
    EXPECT_FALSE(punkteGueltig(100, 2050));

    Dokument dok;
    dok.Hoehenfeld(3, 3) = 0.5;
    dok.Maske(3, 3) = 1;
    NeueGroesse(dok, 256, 128, false);
    EXPECT_EQ(dok.Hoehenfeld(3, 3), 0.5);
    NeueGroesse(dok, 256, 128, true);
    EXPECT_EQ(dok.Hoehenfeld(3, 3), 0.0);
    EXPECT_EQ(dok.Maske(3, 3), 0);
    EXPECT_EQ(dok.punkteX(), 257);
    EXPECT_EQ(dok.punkteY(), 129);
}

TEST(Vorschau, PointSamplesAndClamps) {
    Dokument dok;
    NeueGroesse(dok, 510, 255, false);
    dok.Hoehenfeld(510, 255) = 1.5;
    dok.Hoehenfeld(2, 1) = 0.25;  // i = 1: trunc(1/255 * 510) = 2; j = 1 -> 1
    Vorschaufeld v;
    VorschauAusHoehenfeld(dok, v);
    EXPECT_EQ(v.werte[255][255], 1.0);
    EXPECT_EQ(v.werte[1][1], 0.25);
}

}  // namespace
}  // namespace gm
