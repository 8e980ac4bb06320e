// The tools applied to small fields: shapes against straightforward
// references, the rules of each tool family, the mends and the replay of
// recorded strokes.

#include "editing/werkzeug.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zufall.h"

namespace gm {
namespace {

std::unique_ptr<Dokument> feld(int punkte, double hoehe = 0.0) {
    auto d = std::make_unique<Dokument>();
    NeueGroesse(*d, punkte - 1, punkte - 1, true);
    for (int x = 0; x < punkte; ++x)
        for (int y = 0; y < punkte; ++y)
            d->Hoehenfeld(x, y) = hoehe;
    d->Verknuepfungsmodus = 1;
    setzeSeed(*d, 12345);
    return d;
}

Strich strich(int werkzeug, double x1, double y1, double x2, double y2) {
    Strich s;
    s.Werkzeug = werkzeug;
    s.Box.x1 = x1;
    s.Box.y1 = y1;
    s.Box.x2 = x2;
    s.Box.y2 = y2;
    return s;
}

// Inside a convex polygon given counter-clockwise or clockwise, by the signs of the cross products.
bool imVieleck(const Umriss& u, double x, double y) {
    int positiv = 0, negativ = 0;
    for (int k = 1; k <= u.n; ++k) {
        const double c = (u.O[k].x - u.O[k - 1].x) * (y - u.O[k - 1].y) -
                         (u.O[k].y - u.O[k - 1].y) * (x - u.O[k - 1].x);
        positiv += c > 1e-9;
        negativ += c < -1e-9;
    }
    return positiv == 0 || negativ == 0;
}

TEST(Werkzeug, EllipseProfilesMatchTheFormulaStretchedInsideAndLeaveTheRestAlone) {
    for (int werkzeug : {31, 32, 33}) {
        auto d = feld(41, 0.25);
        FormAnwenden(*d, strich(werkzeug, 5, 8, 35, 28));  // centre (20, 18), radii 15 and 10
        // The reference profile, then the combination's stretch over the valued cells.
        std::vector<std::vector<double>> ref(41, std::vector<double>(41, -1.0));
        double lo = 2.0, hi = -1.0;
        for (int x = 0; x <= 40; ++x)
            for (int y = 0; y <= 40; ++y) {
                const double dd = (x - 20.0) * (x - 20.0) / 225.0 + (y - 18.0) * (y - 18.0) / 100.0;
                if (dd > 1.0) continue;
                ref[x][y] = werkzeug == 31 ? 1.0 : werkzeug == 32 ? 1.0 - std::sqrt(dd) : 1.0 - dd;
                lo = std::min(lo, ref[x][y]);
                hi = std::max(hi, ref[x][y]);
            }
        for (int x = 0; x <= 40; ++x)
            for (int y = 0; y <= 40; ++y) {
                const double v = ref[x][y];
                const double erwartet = v < 0.0 ? 0.25 : hi > lo ? (v - lo) / (hi - lo) : v;
                ASSERT_NEAR(d->Hoehenfeld(x, y), erwartet, 1e-12)
                    << werkzeug << " " << x << "," << y;
            }
    }
}

TEST(Werkzeug, DefaultPolygonRaisesAHeptagonAtTheUpperMarker) {
    auto d = feld(61);
    d->MarkeOben.Wert = 0.7;
    const Strich s = strich(41, 10, 10, 50, 50);
    FormAnwenden(*d, s);
    Zufallsfolge z(1);
    const Umriss u = VorschauUmriss(41, s.Box, s.Form, z);
    ASSERT_EQ(u.n, 7);
    int innen = 0;
    for (int x = 0; x <= 60; ++x) {
        for (int y = 0; y <= 60; ++y) {
            bool ecke = false;
            for (int k = 1; k <= 7; ++k)
                ecke = ecke || (u.O[k].x == x && u.O[k].y == y);
            const bool drin = imVieleck(u, x, y) && !ecke;
            innen += drin;
            EXPECT_EQ(d->Hoehenfeld(x, y), drin ? 0.7 : 0.0) << x << "," << y;
        }
    }
    EXPECT_GT(innen, 1000);
}

TEST(Werkzeug, ShapesTooSmallOrFlatDrawNothingButCombinationsStillTakeTheUndoCopy) {
    auto d = feld(21, 0.5);
    d->UndoBild(3, 3) = 0.9;
    FormAnwenden(*d, strich(31, 5, 5, 9, 9));  // radius 2
    EXPECT_EQ(d->UndoBild(3, 3), 0.5);
    FormAnwenden(*d, strich(33, 2, 10, 18, 10));  // zero height: no division by zero
    FormAnwenden(*d, strich(41, 5, 5, 5.5, 5.5));
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 20; ++y)
            ASSERT_EQ(d->Hoehenfeld(x, y), 0.5);
    // "Same" over an empty footprint does nothing at all.
    d->UndoBild(3, 3) = 0.9;
    FormAnwenden(*d, strich(7, 5, 5, 9, 9));
    EXPECT_EQ(d->UndoBild(3, 3), 0.9);
    // Boxes far off the grid are clamped before they become cell numbers.
    FormAnwenden(*d, strich(31, -1e9, -1e9, 1e9, 1e9));
    FormAnwenden(*d, strich(1, 1e9, 1e9, 2e9, 3e9));
    FormAnwenden(*d, strich(44, -1e9, 5, -5e8, 7));
}

TEST(Werkzeug, ClickSquareOfSize32RaisesACircleOfRadius32) {
    auto d = feld(101);
    WerkzeugEinstellungen e;
    e.Platzierung = 3;
    const Punkt klick{50, 48};
    ASSERT_TRUE(PunkteAnwenden(*d, e, 31, false, {&klick, 1}).ok());
    for (int x = 0; x <= 100; ++x)
        for (int y = 0; y <= 100; ++y) {
            const double r2 = (x - 50.0) * (x - 50.0) + (y - 48.0) * (y - 48.0);
            ASSERT_EQ(d->Hoehenfeld(x, y), r2 <= 32.0 * 32.0 ? 1.0 : 0.0) << x << "," << y;
        }
}

TEST(Werkzeug, RightButtonUsesTheRightHandModeAndTheMaskProtectsCells) {
    auto d = feld(31, 0.75);
    d->Verknuepfungsmodus = 1;
    d->VerknuepfungsmodusRechts = 5;  // 1 - x
    d->Maske(15, 15) = 1;
    Strich s = strich(31, 5, 5, 25, 25);
    s.Rechts = true;
    FormAnwenden(*d, s);
    EXPECT_EQ(d->Hoehenfeld(14, 15), 0.0);
    EXPECT_EQ(d->Hoehenfeld(15, 15), 0.75);
    EXPECT_EQ(d->Hoehenfeld(1, 1), 0.75);
    EXPECT_EQ(d->Verknuepfungsmodus, 1);
    EXPECT_EQ(d->VerknuepfungsmodusRechts, 5);
}

TEST(Werkzeug, SameSoftHardAndMaskRules) {
    // "Same" with the mean over 0.2 and 0.4 in equal parts gives 0.3, masked cells excepted.
    auto d = feld(21);
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 20; ++y)
            d->Hoehenfeld(x, y) = y % 2 ? 0.4 : 0.2;
    d->Maske(10, 10) = 1;
    auto s = strich(8, 5, 6, 15, 13);  // a square of 4 corners: rows 6..13
    s.Form.Ecken.Wert = 4;
    FormAnwenden(*d, s);
    EXPECT_NEAR(d->Hoehenfeld(7, 8), 0.3, 1e-12);
    EXPECT_NEAR(d->Hoehenfeld(7, 9), 0.3, 1e-12);
    EXPECT_EQ(d->Hoehenfeld(10, 10), 0.2);
    EXPECT_EQ(d->Hoehenfeld(2, 2), 0.2);

    // "Soft" on a constant region leaves it; "Hard" raises a single sample and lowers its
    // neighbours.
    d = feld(21, 0.3);
    FormAnwenden(*d, strich(10, 2, 2, 18, 18));
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 20; ++y)
            ASSERT_NEAR(d->Hoehenfeld(x, y), 0.3, 1e-15);
    d->Hoehenfeld(10, 10) = 0.5;
    FormAnwenden(*d, strich(12, 2, 2, 18, 18));
    EXPECT_EQ(d->Hoehenfeld(10, 10), 1.0);  // 5 * 0.5 - 4 * 0.3, clamped
    EXPECT_NEAR(d->Hoehenfeld(9, 10), 5 * 0.3 - 0.5 - 3 * 0.3, 1e-12);
    EXPECT_NEAR(d->Hoehenfeld(10, 11), 5 * 0.3 - 0.5 - 3 * 0.3, 1e-12);
    EXPECT_NEAR(d->Hoehenfeld(9, 9), 0.3, 1e-12);

    // Mask shapes follow Maskenmodus.
    d = feld(21);
    d->Maske(0, 0) = 1;
    d->Maskenmodus = 2;
    FormAnwenden(*d, strich(5, 4, 4, 16, 16));
    EXPECT_EQ(d->Maske(0, 0), 1);
    EXPECT_EQ(d->Maske(10, 10), 1);
    EXPECT_EQ(d->Maske(10, 3), 0);
    d->Maskenmodus = 3;
    FormAnwenden(*d, strich(5, 4, 4, 16, 16));
    EXPECT_EQ(d->Maske(10, 10), 0);
    EXPECT_EQ(d->Maske(0, 0), 1);
}

TEST(Werkzeug, PipetteTakesTheHeightIntoAMarker) {
    auto d = feld(11, 0.0);
    d->Hoehenfeld(3, 4) = 0.123456;
    EXPECT_TRUE(Pipette(*d, {3.2, 3.7}, false));
    EXPECT_EQ(d->MarkeOben.Wert, 0.123);
    EXPECT_TRUE(Pipette(*d, {3, 4}, true));
    EXPECT_EQ(d->MarkeUnten.Wert, 0.123);
    EXPECT_FALSE(Pipette(*d, {-3, 4}, true));
    EXPECT_FALSE(Pipette(*d, {1e300, 4}, false));
    EXPECT_EQ(d->MarkeOben.Wert, 0.123);
}

}  // namespace
}  // namespace gm
