// Triangulation: properties checked with arithmetic of the test's own, and
// identity with the straightforward insertion loop.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "formats/netz_delaunay.h"
#include "formats/netz_praedikate.h"

namespace gm {
namespace {

using i128 = __int128;

// q as a fraction num/den, so the test's determinant is exact in integers.
struct Bruch {
    int num, den;
    double wert() const { return double(num) / den; }
};

i128 kreisDet(GitterPunkt a, GitterPunkt b, GitterPunkt c, GitterPunkt d, Bruch q) {
    const i128 ax = a.x - d.x, ay = a.y - d.y, bx = b.x - d.x, by = b.y - d.y, cx = c.x - d.x,
               cy = c.y - d.y;
    auto lift = [&](i128 x, i128 y) { return q.den * x * x + q.num * y * y; };
    return lift(ax, ay) * (bx * cy - by * cx) + lift(bx, by) * (cx * ay - cy * ax) +
           lift(cx, cy) * (ax * by - ay * bx);
}

i128 kreuz(GitterPunkt a, GitterPunkt b, GitterPunkt c) {
    return i128(b.x - a.x) * (c.y - a.y) - i128(b.y - a.y) * (c.x - a.x);
}

// Twice the area of the convex hull (monotone chain).
i128 huelleFlaeche2(std::vector<GitterPunkt> p) {
    std::sort(p.begin(), p.end(),
              [](auto a, auto b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    std::vector<GitterPunkt> h(2 * p.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        while (k >= 2 && kreuz(h[k - 2], h[k - 1], p[i]) <= 0)
            --k;
        h[k++] = p[i];
    }
    for (std::size_t i = p.size() - 1, t = k + 1; i-- > 0;) {
        while (k >= t && kreuz(h[k - 2], h[k - 1], p[i]) <= 0)
            --k;
        h[k++] = p[i];
    }
    i128 f = 0;
    for (std::size_t i = 0; i + 1 < k; ++i)
        f += i128(h[i].x) * h[i + 1].y - i128(h[i + 1].x) * h[i].y;
    return f;
}

std::string text(const std::vector<GitterPunkt>& p, Bruch q) {
    return std::to_string(p.size()) + " points, q " + std::to_string(q.wert());
}

void eigenschaftenPruefen(const std::vector<GitterPunkt>& p, Bruch q) {
    SCOPED_TRACE(text(p, q));
    const auto d = Triangulieren(p, q.wert());
    std::set<int> benutzt;
    std::set<std::pair<int, int>> kanten;
    i128 flaeche = 0;
    for (const auto& t : d) {
        const GitterPunkt a = p[t.p1 - 1], b = p[t.p2 - 1], c = p[t.p3 - 1];
        const i128 o = kreuz(a, b, c);
        ASSERT_LT(o, 0) << "triangle not clockwise or flat";
        flaeche -= o;
        for (auto [u, v] : {std::pair{t.p1, t.p2}, {t.p2, t.p3}, {t.p3, t.p1}}) {
            ASSERT_TRUE(kanten.insert({u, v}).second) << "edge used twice in one direction";
        }
        benutzt.insert({t.p1, t.p2, t.p3});
        for (const auto& x : p) {
            // A clockwise triangle has x strictly inside its circle when negative;
            // zero is a cocircular tie.
            ASSERT_GE(kreisDet(a, b, c, x, q), 0) << "point inside a circumcircle";
        }
    }
    EXPECT_EQ(benutzt.size(), p.size()) << "not every point used";
    EXPECT_TRUE(flaeche == -huelleFlaeche2(p) || flaeche == huelleFlaeche2(p))
        << "triangles do not cover the hull exactly";
}

std::vector<GitterPunkt> zufallsPunkte(int n, int spanne, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> v(-spanne, spanne);
    std::set<std::pair<int, int>> gesehen;
    std::vector<GitterPunkt> p;
    while (int(p.size()) < n) {
        GitterPunkt g{v(rng), v(rng)};
        if (gesehen.insert({g.x, g.y}).second) p.push_back(g);
    }
    return p;
}

// Samples of a w x h lattice kept with chance `dichte`, corners always, in
// selection order (x outer, y inner).
std::vector<GitterPunkt> gitterPunkte(int w, int h, double dichte, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(0, 1);
    std::vector<GitterPunkt> p;
    for (int i = 0; i < w; ++i)
        for (int j = 0; j < h; ++j) {
            const bool ecke = (i == 0 || i == w - 1) && (j == 0 || j == h - 1);
            if (ecke || u(rng) < dichte) p.push_back({i, j});
        }
    return p;
}

TEST(NetzDelaunay, RandomPointsFormADelaunayTriangulationOfTheHull) {
    for (int n : {4, 5, 40, 300, 1200}) {
        for (Bruch q : {Bruch{1, 1}, Bruch{4, 1}, Bruch{1, 4}}) {
            eigenschaftenPruefen(zufallsPunkte(n, 1000, n * 7 + q.num), q);
        }
    }
    // Clustered within a few units: many collinear and cocircular points.
    eigenschaftenPruefen(zufallsPunkte(60, 4, 3), {1, 1});
}

TEST(NetzDelaunay, LatticeSubsetsAtSeveralSizesAndDensities) {
    for (auto [w, h] : {std::pair{10, 10}, {33, 17}, {7, 60}, {40, 40}}) {
        for (double dichte : {0.0, 0.05, 0.3, 0.7, 1.0}) {
            for (Bruch q : {Bruch{1, 1}, Bruch{9, 4}, Bruch{1, 16}}) {
                eigenschaftenPruefen(gitterPunkte(w, h, dichte, w * 31 + h), q);
            }
        }
    }
}

TEST(NetzDelaunay, FourCornersGiveTwoTriangles) {
    const std::vector<GitterPunkt> p = {{0, 0}, {0, 9}, {9, 0}, {9, 9}};
    const auto d = Triangulieren(p, 1.0);
    ASSERT_EQ(d.size(), 2u);
    eigenschaftenPruefen(p, {1, 1});
}

TEST(NetzDelaunay, FewPointsAndCoincidentPoints) {
    const std::vector<GitterPunkt> drei = {{0, 0}, {5, 0}, {0, 5}};
    EXPECT_TRUE(Triangulieren(drei, 1.0).empty());
    std::vector<std::string> meldungen;
    const std::vector<GitterPunkt> doppelt = {{0, 0}, {0, 4}, {4, 0}, {0, 4}, {4, 4}};
    const auto d =
        Triangulieren(doppelt, 1.0, [&](std::string_view m) { meldungen.emplace_back(m); });
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], "INCIRCUM - F - Points are coincident !!");
    ASSERT_EQ(d.size(), 2u);
    for (const auto& t : d)
        EXPECT_NE(t.p1 == 4 || t.p2 == 4 || t.p3 == 4, true);
}

TEST(NetzDelaunay, UnsortedInputIsNumberedAsGiven) {
    const std::vector<GitterPunkt> p = {{9, 9}, {0, 0}, {9, 0}, {0, 9}, {4, 5}};
    const auto d = Triangulieren(p, 1.0);
    EXPECT_EQ(d.size(), 4u);
    eigenschaftenPruefen(p, {1, 1});
}

// The insertion loop as written: one array, every triangle visited, a removed
// triangle replaced by the last, pairwise removal of reversed edges.
std::vector<Dreieck> literal(std::vector<GitterPunkt> p, double q) {
    std::sort(p.begin(), p.end(),
              [](auto a, auto b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    const int n = int(p.size());
    int xmin = p[0].x, xmax = p[0].x, ymin = p[0].y, ymax = p[0].y;
    for (auto g : p) {
        xmin = std::min(xmin, g.x), xmax = std::max(xmax, g.x);
        ymin = std::min(ymin, g.y), ymax = std::max(ymax, g.y);
    }
    const std::int64_t xm = (std::int64_t(xmin) + xmax) / 2, ym = (std::int64_t(ymin) + ymax) / 2;
    auto fp = [&](int v) -> FernPunkt {
        if (v < n) return {p[v].x, p[v].y, 0, 0};
        const FernPunkt f[3] = {{xm, ym, -2, -1}, {xm, ym, 0, 2}, {xm, ym, 2, -1}};
        return f[v - n];
    };
    std::vector<Dreieck> t = {{n, n + 1, n + 2}};
    for (int k = 0; k < n; ++k) {
        std::vector<std::pair<int, int>> e;
        for (std::size_t j = 0; j < t.size(); ++j) {
            const FernPunkt f[3] = {fp(t[j].p1), fp(t[j].p2), fp(t[j].p3)};
            if (inKreisFern(f, p[k], q) <= 0) {
                e.push_back({t[j].p1, t[j].p2});
                e.push_back({t[j].p2, t[j].p3});
                e.push_back({t[j].p3, t[j].p1});
                t[j] = t.back();
                t.pop_back();
                --j;
            }
        }
        std::vector<bool> weg(e.size());
        for (std::size_t i = 0; i < e.size(); ++i)
            for (std::size_t j = i + 1; j < e.size(); ++j)
                if (e[i].first == e[j].second && e[i].second == e[j].first) weg[i] = weg[j] = true;
        for (std::size_t i = 0; i < e.size(); ++i)
            if (!weg[i]) t.push_back({e[i].first, e[i].second, k});
    }
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i].p1 >= n || t[i].p2 >= n || t[i].p3 >= n) {
            t[i] = t.back();
            t.pop_back();
            --i;
        }
    }
    for (auto& d : t)
        d = {d.p1 + 1, d.p2 + 1, d.p3 + 1};
    return t;
}

void gleich(const std::vector<GitterPunkt>& p, double q) {
    SCOPED_TRACE(std::to_string(p.size()) + " points, q " + std::to_string(q));
    const auto schnell = Triangulieren(p, q);
    const auto ref = literal(p, q);
    ASSERT_EQ(schnell.size(), ref.size());
    for (std::size_t i = 0; i < ref.size(); ++i) {
        ASSERT_EQ(schnell[i].p1, ref[i].p1) << "triangle " << i;
        ASSERT_EQ(schnell[i].p2, ref[i].p2) << "triangle " << i;
        ASSERT_EQ(schnell[i].p3, ref[i].p3) << "triangle " << i;
    }
}

TEST(NetzDelaunay, SameTrianglesInTheSameOrderAsTheInsertionLoop) {
    for (double dichte : {0.0, 0.2, 0.6, 1.0}) {
        gleich(gitterPunkte(20, 20, dichte, 5), 1.0);
        gleich(gitterPunkte(31, 9, dichte, 6), 0.3);
    }
    gleich(gitterPunkte(12, 80, 1.0, 1), 2.0);  // long columns: large cavities
    auto z = zufallsPunkte(400, 500, 11);
    std::sort(z.begin(), z.end(),
              [](auto a, auto b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    gleich(z, 1.0);
    auto z2 = zufallsPunkte(300, 3000, 12);
    std::sort(z2.begin(), z2.end(),
              [](auto a, auto b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    gleich(z2, 1.7);
}

TEST(NetzDelaunay, SameOrderOnWideSpansFullColumnsAndLines) {
    // Spans beyond 4096 take the general exact test instead of 64-bit terms.
    auto weit = zufallsPunkte(250, 300000, 21);
    std::sort(weit.begin(), weit.end(),
              [](auto a, auto b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    gleich(weit, 1.0);
    gleich(weit, 0.37);
    // Full columns of different heights: every new column re-fans the last.
    std::vector<GitterPunkt> spalten;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 5 + 3 * (x % 4); ++y)
            spalten.push_back({x * 3, y});
    gleich(spalten, 1.0);
    gleich(spalten, 5.0);
    // Lattice subsets with a spacing ratio far from 1.
    gleich(gitterPunkte(25, 14, 0.5, 8), 0.01);
    gleich(gitterPunkte(9, 40, 0.5, 9), 30.0);
    // Points on one line (and one beside it) leave no or few triangles.
    std::vector<GitterPunkt> linie;
    for (int i = 0; i < 12; ++i)
        linie.push_back({i, 2 * i});
    gleich(linie, 1.0);
    EXPECT_TRUE(Triangulieren(linie, 1.0).empty());
    linie.insert(linie.begin() + 3, {3, 0});
    gleich(linie, 1.0);
    eigenschaftenPruefen(linie, {1, 1});
}

// Columns whose density changes from column to column: the fans of one column
// then reach into the triangles between the two before.
std::vector<GitterPunkt> spaltenPunkte(int w, int h, int dx, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(0, 1);
    std::vector<GitterPunkt> p;
    for (int i = 0; i < w; ++i) {
        const double dichte = u(rng) < 0.3 ? 0.05 : u(rng);
        for (int j = 0; j < h; ++j) {
            const bool rand = j == 0 || j == h - 1;
            if ((rand && (i == 0 || i == w - 1)) || u(rng) < dichte) p.push_back({i * dx, j});
        }
    }
    return p;
}

TEST(NetzDelaunay, SameOrderWhenColumnDensitiesVary) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        gleich(spaltenPunkte(14, 60, 1 + int(seed % 3), seed), 1.0);
        gleich(spaltenPunkte(10, 45, 2, seed + 100), seed % 2 ? 0.5 : 3.0);
    }
}

TEST(NetzDelaunay, TwoFarCornersLeaveALinearLeadingTerm) {
    // The fast test of a triangle with two far corners relies on this: no M^4
    // term, and an M^3 term linear in the point and zero at the near corner.
    const FernPunkt fern[3] = {{13, -7, -2, -1}, {13, -7, 0, 2}, {13, -7, 2, -1}};
    std::mt19937 rng(4);
    std::uniform_int_distribution<int> v(-5000, 5000);
    for (int fall = 0; fall < 60; ++fall) {
        const GitterPunkt a{v(rng), v(rng)};
        FernPunkt t[3] = {fern[fall % 3], fern[(fall + 1) % 3], {a.x, a.y, 0, 0}};
        std::rotate(t, t + fall % 3, t + 3);
        auto koeff = [&](GitterPunkt d, int k) {
            i128 A[5], B[5];
            inKreisFernPolynome(t, d, A, B);
            EXPECT_EQ(A[4], 0);
            EXPECT_EQ(B[4], 0);
            return std::pair{A[k], B[k]};
        };
        EXPECT_EQ(koeff(a, 3), (std::pair<i128, i128>{0, 0}));
        const auto gx = koeff({a.x + 1, a.y}, 3), gy = koeff({a.x, a.y + 1}, 3);
        const GitterPunkt d{v(rng), v(rng)};
        const i128 dx = d.x - a.x, dy = d.y - a.y;
        EXPECT_EQ(koeff(d, 3), (std::pair<i128, i128>{gx.first * dx + gy.first * dy,
                                                      gx.second * dx + gy.second * dy}));
    }
}

TEST(NetzDelaunay, FarOrientationTakesTheLeadingTerm) {
    const FernPunkt nah{0, 0, 0, 0}, rechts{0, 0, 1, 0}, oben{0, 0, 0, 1};
    // From the origin towards (M, 0): points above lie left.
    EXPECT_EQ(orientierungFern(nah, rechts, {5, 1}), 1);
    EXPECT_EQ(orientierungFern(nah, rechts, {-5, -1}), -1);
    EXPECT_EQ(orientierungFern(nah, rechts, {7, 0}), 0);
    // Two far corners: (M, 0) -> (0, M) has the origin on its left.
    EXPECT_EQ(orientierungFern(rechts, oben, {1000, 1000}), 1);
    // A far corner with an offset base: (3 + M, 2) seen from (0, 0).
    EXPECT_EQ(orientierungFern(nah, {3, 2, 1, 0}, {0, 1}), 1);
    EXPECT_EQ(orientierungFern(nah, {3, 2, 1, 0}, {0, -1}), -1);
    // On the line through a along the far direction: the constant term decides.
    EXPECT_EQ(orientierungFern({0, 5, 0, 0}, {0, 0, 1, 0}, {9, 5}), 1);
    EXPECT_EQ(orientierungFern({0, 5, 0, 0}, {0, 0, 1, 0}, {9, 4}), -1);
}

TEST(NetzDelaunay, PredicatesDecideTiesExactly) {
    // Four corners of a unit square are cocircular in any metric.
    EXPECT_EQ(inKreis({0, 0}, {1, 0}, {1, 1}, {0, 1}, 1.0), 0);
    EXPECT_EQ(inKreis({0, 0}, {1, 0}, {1, 1}, {0, 1}, 0.3), 0);
    // Counterclockwise triangle, point just inside / outside.
    EXPECT_GT(inKreis({0, 0}, {1000000, 0}, {0, 1000000}, {999999, 1}, 1.0), 0);
    EXPECT_LT(inKreis({0, 0}, {1000000, 0}, {0, 1000000}, {1000000, -1}, 1.0), 0);
    // (3,4) lies on the circle through (5,0),(0,5),(-5,0) only for q = 1.
    EXPECT_EQ(inKreis({5, 0}, {0, 5}, {-5, 0}, {3, 4}, 1.0), 0);
    EXPECT_NE(inKreis({5, 0}, {0, 5}, {-5, 0}, {3, 4}, 1.0 + 1e-15), 0);
    EXPECT_EQ(vorzeichenSumme(i128(1) << 90, -(i128(1) << 89), 2.0), 0);
    EXPECT_EQ(vorzeichenSumme((i128(1) << 90) + 1, -(i128(1) << 89), 2.0), 1);
    EXPECT_EQ(vorzeichenSumme(-1, 3, 1.0 / 3.0), -1);  // the double nearest 1/3 lies below it
}

}  // namespace
}  // namespace gm
