// Circle bounds: every lattice point the exact test finds inside or on a
// circle lies within the bounds, and the bounds stay close to the circle.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "formats/netz_kreis.h"
#include "formats/netz_praedikate.h"

namespace gm {
namespace {

bool drinOderAuf(GitterPunkt a, GitterPunkt b, GitterPunkt c, GitterPunkt d, double q) {
    const std::int64_t o = orientierung(a, b, c);
    return (o > 0 ? inKreis(a, b, c, d, q) : inKreis(a, c, b, d, q)) >= 0;
}

// Checks every lattice point of the circle's box, widened by `rand`.
void pruefen(GitterPunkt a, GitterPunkt b, GitterPunkt c, double q) {
    SCOPED_TRACE(testing::Message() << "(" << a.x << "," << a.y << ") (" << b.x << "," << b.y
                                    << ") (" << c.x << "," << c.y << ") q " << q);
    const Kreis k = kreisNaeherung(a, b, c, q);
    const int rx = int(std::ceil(k.r)) + 2, ry = int(std::ceil(k.r / std::sqrt(q))) + 2;
    const int32_t bisX = kreisBisX(a, b, c, q);
    for (int x = int(k.mx) - rx; x <= int(k.mx) + rx; ++x) {
        const Spanne s = kreisSpalte(a, b, c, q, x);
        for (int y = int(k.my) - ry; y <= int(k.my) + ry; ++y) {
            if (!drinOderAuf(a, b, c, {x, y}, q)) continue;
            ASSERT_LE(x, bisX) << "x " << x;
            ASSERT_GE(y, s.von) << "x " << x << " y " << y;
            ASSERT_LE(y, s.bis) << "x " << x << " y " << y;
        }
    }
}

TEST(NetzKreis, BoundsHoldEveryLatticePointOfTheCircle) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> v(-12, 12);
    for (double q : {1.0, 0.3, 2.5}) {
        for (int i = 0; i < 300; ++i) {
            const GitterPunkt a{v(rng), v(rng)}, b{v(rng), v(rng)}, c{v(rng), v(rng)};
            if (orientierung(a, b, c) == 0) continue;
            pruefen(a, b, c, q);
        }
    }
    // Squares and right angles put lattice points exactly on the circle.
    pruefen({0, 0}, {4, 0}, {0, 4}, 1.0);
    pruefen({3, 7}, {3, 9}, {5, 7}, 1.0);
    // Nearly flat triangles have large circles.
    pruefen({0, 0}, {30, 1}, {60, 1}, 1.0);
    pruefen({0, 0}, {1, 40}, {0, 81}, 0.5);
    pruefen({1000000, -1000000}, {1000003, -1000000}, {1000001, -999998}, 1.0);
}

TEST(NetzKreis, BoundsRuleOutTheRestOfTheLattice) {
    // The circle of (0,0), (2,0), (0,2) has centre (1,1) and radius sqrt 2.
    const GitterPunkt a{0, 0}, b{2, 0}, c{0, 2};
    EXPECT_LE(kreisBisX(a, b, c, 1.0), 3);
    const Spanne s = kreisSpalte(a, b, c, 1.0, 1);
    EXPECT_GE(s.von, -3);
    EXPECT_LE(s.bis, 5);
    const Spanne leer = kreisSpalte(a, b, c, 1.0, 6);
    EXPECT_GT(leer.von, leer.bis);
}

// Every point the pencil bounds call inside is inside or on the circle; and
// the bounds decide most points of a column.
void buendelPruefen(GitterPunkt a, GitterPunkt b, double q, int x, int& entschieden, int& alle) {
    const Buendel k = kreisBuendel(a, b, q, x);
    for (int y0 = -40; y0 <= 40; ++y0) {
        const GitterPunkt c{x, y0};
        if (orientierung(a, b, c) == 0) continue;
        for (int y1 = y0 + 1; y1 <= 41; ++y1) {
            const bool drin = drinOderAuf(a, b, c, {x, y1}, q);
            const bool regel = y1 <= k.unter || (y0 >= k.ueber && y1 <= k.bis);
            ASSERT_TRUE(drin || !regel)
                << "(" << a.x << "," << a.y << ") (" << b.x << "," << b.y << ") q " << q
                << " column " << x << ": " << y0 << " -> " << y1;
            entschieden += regel;
            alle += drin;
        }
    }
}

TEST(NetzKreis, PencilBoundsOnlyEverCallInsidePointsInside) {
    std::mt19937 rng(9);
    std::uniform_int_distribution<int> v(-30, 30), links(-12, -1);
    int entschieden = 0, alle = 0;
    for (double q : {1.0, 0.4, 3.0}) {
        for (int i = 0; i < 150; ++i) {
            const int x = links(rng) + 13;
            buendelPruefen({x + links(rng), v(rng)}, {x + links(rng), v(rng)}, q, x, entschieden,
                           alle);
            // A vertical edge, as between two points of the column before.
            const int ax = x + links(rng);
            buendelPruefen({ax, v(rng)}, {ax, v(rng)}, q, x, entschieden, alle);
        }
    }
    EXPECT_GT(entschieden, alle / 2);
    // An end on the column decides nothing.
    const Buendel k = kreisBuendel({3, 0}, {1, 5}, 1.0, 3);
    EXPECT_EQ(k.unter, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(k.bis, std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace gm
