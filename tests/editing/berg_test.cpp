// The fractal mountains: triangle counts, a closed surface across the fan,
// the flat-faced cone without randomness, clipping and the right-edge mend.

#include "editing/berg.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <tuple>

#include "core/puffer.h"
#include "editing/werkzeug.h"

namespace gm {
namespace {

Umriss umriss(int ecken, double x1, double y1, double x2, double y2) {
    FormRec f;
    f.x1 = x1;
    f.y1 = y1;
    f.x2 = x2;
    f.y2 = y2;
    f.Ecken = ecken;
    Zufallsfolge z(1);
    return FormEckpunkte(f, z);
}

TEST(Berg, Level2GivesThreeOrFourTrianglesPerEdgeAndLevel7TheLargestList) {
    const Umriss u = umriss(7, 0, 0, 100, 100);
    Zufallsfolge z(5);
    BergRec b;
    b.Level = 2;
    Dreiecksliste l;
    BergSchwerpunkt(b, u, 1.0, z, l);
    EXPECT_EQ(l.size(), 7u * 3);
    l.clear();
    BergKanten(b, u, 1.0, z, l);
    EXPECT_EQ(l.size(), 7u * 4);
    l.clear();
    b.Level = 7;
    BergKanten(b, umriss(24, 0, 0, 100, 100), 1.0, z, l);
    EXPECT_EQ(l.size(), 98304u);
}

// Every edge of Mountain 1's triangles is shared by two triangles, except the
// edges along the outline (height 0 at both ends): the surface has no crack,
// also where the last fan triangle meets the first.
TEST(Berg, KantenSurfaceIsClosedAcrossTheWholeFan) {
    for (int ecken : {3, 4, 9}) {
        BergRec b;
        b.Level = 4;
        b.ZufallX = b.ZufallY = b.ZufallZ = 0.9;
        Zufallsfolge z(77);
        Dreiecksliste l;
        BergKanten(b, umriss(ecken, 10, 20, 90, 70), 1.0, z, l);
        using P = std::tuple<double, double, double>;
        std::map<std::pair<P, P>, int> kanten;
        for (const Bergdreieck& d : l) {
            for (int i = 0; i < 3; ++i) {
                const Bergpunkt& a = d.p[i];
                const Bergpunkt& c = d.p[(i + 1) % 3];
                P pa{a.x, a.y, a.z}, pc{c.x, c.y, c.z};
                if (pc < pa) std::swap(pa, pc);
                ++kanten[{pa, pc}];
            }
        }
        for (const auto& [k, n] : kanten) {
            const bool aussen = std::get<2>(k.first) == 0.0 && std::get<2>(k.second) == 0.0;
            EXPECT_EQ(n, aussen ? 1 : 2) << ecken;
        }
    }
}

TEST(Berg, WithoutRandomnessBothToolsGiveTheFlatFacedCone) {
    auto d = std::make_unique<Dokument>();
    NeueGroesse(*d, 64, 64, true);
    const Umriss u = umriss(4, 8, 8, 56, 56);  // square, peak at (32, 32)
    for (bool kanten : {true, false}) {
        BergRec b;
        b.ZufallX = b.ZufallY = b.ZufallZ = 0.0;
        Zufallsfolge z(3);
        Dreiecksliste l;
        ZweitbildLeeren(*d);
        if (kanten) {
            BergKanten(b, u, 1.0, z, l);
        } else {
            BergSchwerpunkt(b, u, 1.0, z, l);
        }
        DreieckeZeichnen(*d, l);
        EXPECT_EQ(d->Zweitbild(32, 32), 1.0);
        EXPECT_EQ(d->Zweitbild(5, 5), KeinWert);
        for (int x = 9; x <= 55; ++x)
            for (int y = 9; y <= 55; ++y) {
                // A pyramid over the square: 1 at the peak, 0 on the outline.
                const double erwartet =
                    1.0 - std::max(std::abs(x - 32.0), std::abs(y - 32.0)) / 24.0;
                ASSERT_NEAR(d->Zweitbild(x, y), erwartet, 0.05) << kanten << " " << x << "," << y;
            }
    }
}

TEST(Berg, TrianglesAreClippedAndOneWhollyLeftOfTheGridWritesNothing) {
    auto d = std::make_unique<Dokument>();
    NeueGroesse(*d, 20, 20, true);
    ZweitbildLeeren(*d);
    DreieckZeichnen(*d, {{{-10, 5, 1}, {-4, 15, 1}, {-7, 18, 1}}});
    DreieckZeichnen(*d, {{{30, 5, 1}, {40, 15, 1}, {35, 18, 1}}});
    DreieckZeichnen(*d, {{{5, -9, 1}, {9, -3, 1}, {7, -5, 1}}});
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 20; ++y)
            ASSERT_EQ(d->Zweitbild(x, y), KeinWert) << x << "," << y;
    // Partly outside: only the cells inside the grid take the surface.
    DreieckZeichnen(*d, {{{-10, 2, 0.5}, {30, 2, 0.5}, {10, 30, 0.5}}});
    EXPECT_EQ(d->Zweitbild(0, 2), 0.5);
    EXPECT_EQ(d->Zweitbild(20, 3), 0.5);
    EXPECT_EQ(d->Zweitbild(10, 20), 0.5);
    EXPECT_EQ(d->Zweitbild(0, 1), KeinWert);
}

TEST(Berg, AMountainStrokeTakesOneUndoCopyAndOneCombination) {
    auto d = std::make_unique<Dokument>();
    NeueGroesse(*d, 64, 64, true);
    d->Verknuepfungsmodus = 7;  // difference: a second combination would cancel the first
    Strich s{2, false, {}, {}, {}};
    s.Box.x1 = 10, s.Box.y1 = 10, s.Box.x2 = 54, s.Box.y2 = 54;
    FormAnwenden(*d, s);
    double hoechste = 0.0;
    for (int x = 0; x <= 64; ++x)
        for (int y = 0; y <= 64; ++y)
            hoechste = std::max(hoechste, d->Hoehenfeld(x, y));
    EXPECT_EQ(hoechste, 1.0);
    EXPECT_EQ(d->UndoBild(32, 32), 0.0);
}

}  // namespace
}  // namespace gm
