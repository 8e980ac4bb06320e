#include "generators/landschaft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/zufall.h"

namespace gm {
namespace {

// ---- Straightforward references on a plain grid with their own generator:
// every cut visits every cell, every quadtree node recurses, the smoothing
// goes row by row and column by column through a line buffer. ----
struct Referenz {
    int maxX, maxY;
    std::uint32_t seed;
    std::vector<double> z;
    Referenz(int mx, int my, std::uint32_t s)
        : maxX(mx), maxY(my), seed(s), z(std::size_t(mx + 2) * (my + 2), 0.0) {}
    double& at(int x, int y) { return z[std::size_t(x) * (maxY + 2) + y]; }
    double zufall() {
        seed = seed * 134775813u + 1u;
        return seed / 4294967296.0;
    }
    void schollen(int anzahl, double faktor) {
        double h = 1.0;
        for (int k = 0; k < anzahl; ++k) {
            h *= faktor;
            const double x1 = zufall() * maxX, y1 = zufall() * maxY;
            double x2, y2;
            do {
                x2 = zufall() * maxX;
                y2 = zufall() * maxY;
            } while (x2 == x1 || y2 == y1);
            const double m = (y2 - y1) / (x2 - x1);
            double c = y1 - x1 * m;
            for (int x = 0; x <= maxX; ++x) {
                c = c + m;
                for (int y = 0; y <= maxY; ++y)
                    if ((x2 > x1 && y < c) || (x2 < x1 && y > c)) at(x, y) += h;
            }
        }
    }
    // The mended leaf test: y <= maxY (the recursion writes one row outside otherwise).
    void teilen(int l, int x0, int y0, double f, double v) {
        l = l - 1;
        f = f * f;
        for (int i = 0; i < 2; ++i) {
            const int x = i == 0 ? x0 : x0 + int(std::lround(std::pow(2.0, l)));
            for (int j = 0; j < 2; ++j) {
                v = v + zufall() * f;
                const int y = j == 0 ? y0 : y0 + int(std::lround(std::pow(2.0, l)));
                if (l > 0)
                    teilen(l, x, y, f, v);
                else if (x <= maxX && y <= maxY)
                    at(x, y) += v;
            }
        }
    }
    void glaetten(double a) {
        std::vector<double> b(std::max(maxX, maxY) + 1);
        for (int x = 0; x <= maxX; ++x) {
            b[0] = at(x, 0);
            for (int y = 1; y <= maxY; ++y)
                b[y] = a * b[y - 1] + (1 - a) * at(x, y);
            for (int y = 0; y <= maxY; ++y)
                at(x, y) = b[y];
            b[maxY] = at(x, maxY);
            for (int y = maxY - 1; y >= 0; --y)
                b[y] = a * b[y + 1] + (1 - a) * at(x, y);
            for (int y = 0; y <= maxY; ++y)
                at(x, y) = b[y];
        }
        for (int y = 0; y <= maxY; ++y) {
            b[0] = at(0, y);
            for (int x = 1; x <= maxX; ++x)
                b[x] = a * b[x - 1] + (1 - a) * at(x, y);
            for (int x = 0; x <= maxX; ++x)
                at(x, y) = b[x];
            b[maxX] = at(maxX, y);
            for (int x = maxX - 1; x >= 0; --x)
                b[x] = a * b[x + 1] + (1 - a) * at(x, y);
            for (int x = 0; x <= maxX; ++x)
                at(x, y) = b[x];
        }
    }
};

std::unique_ptr<Dokument> feld(int maxX, int maxY, std::uint32_t seed) {
    auto d = std::make_unique<Dokument>();
    d->MaxX = maxX;
    d->MaxY = maxY;
    setzeSeed(*d, seed);
    return d;
}

TEST(Landschaft, FaultCutsMatchTheStepsAndKeepTheDraws) {
    struct Fall {
        int maxX, maxY, anzahl;
        double faktor, weichheit, toleranz;
    } faelle[] = {
        {22, 16, 128, 1.0, 0.0, 0.0},  // whole numbers: exact in any order
        {16, 30, 300, 1.0, 0.0, 0.0},
        {30, 12, 200, 0.97, 0.0, 1e-12},  // sums of powers: order within rounding
        {12, 12, 60, 1.25, 0.6, 1e-12},
        {40, 9, 1000, 1.5, 0.9, 1e-12},
    };
    for (const Fall& f : faelle) {
        auto d = feld(f.maxX, f.maxY, 4242);
        LandschaftParamRec r = LandschaftStandard();
        r.Anzahl = f.anzahl;
        r.Faktor = f.faktor;
        r.Weichheit = f.weichheit;
        LandschaftBerechnen(*d, r, LandschaftSchollen);
        Referenz ref(f.maxX, f.maxY, 4242);
        ref.schollen(f.anzahl, f.faktor);
        ref.glaetten(f.weichheit);
        EXPECT_EQ(d->RandSeed, ref.seed);
        double groesste = 0;
        for (int x = 0; x <= f.maxX; ++x)
            for (int y = 0; y <= f.maxY; ++y)
                groesste = std::max(groesste, std::abs(ref.at(x, y)));
        for (int x = 0; x <= f.maxX; ++x)
            for (int y = 0; y <= f.maxY; ++y)
                ASSERT_NEAR(d->Zweitbild(x, y), ref.at(x, y), f.toleranz * groesste)
                    << f.anzahl << " cuts at " << x << "," << y;
        if (f.faktor == 1.0) {
            // Each cell counts the half-planes covering it.
            for (int x = 0; x <= f.maxX; ++x)
                for (int y = 0; y <= f.maxY; ++y)
                    ASSERT_EQ(d->Zweitbild(x, y), std::round(d->Zweitbild(x, y)));
        }
    }
}

TEST(Landschaft, QuadtreeMatchesTheRecursionStaysInsideAndKeepsTheDrawOrder) {
    struct Fall {
        int maxX, maxY, ebenen;
        double faktor;
    } faelle[] = {
        {31, 31, 5, 1.0},  // exactly the tree
        {19, 26, 5, 0.7},  // smaller: subtrees outside are skipped
        {40, 21, 5, 1.3},  // wider than the tree on x: beyond stays 0
        {4, 4, 10, 1.1},
    };
    for (const Fall& f : faelle) {
        auto d = feld(f.maxX, f.maxY, 99);
        d->Zweitbild(3, f.maxY + 1) = 0.0;
        LandschaftParamRec r = LandschaftStandard();
        r.Ebenen = f.ebenen;
        r.Faktor = f.faktor;
        LandschaftBerechnen(*d, r, LandschaftQuadtree);
        Referenz ref(f.maxX, f.maxY, 99);
        ref.teilen(f.ebenen, 0, 0, f.faktor, 1.0);
        EXPECT_EQ(d->RandSeed, ref.seed) << f.maxX;
        const int seite = 1 << f.ebenen;
        for (int x = 0; x <= f.maxX; ++x)
            for (int y = 0; y <= f.maxY; ++y) {
                ASSERT_EQ(d->Zweitbild(x, y), ref.at(x, y)) << x << "," << y;
                ASSERT_EQ(d->Zweitbild(x, y) == 0.0, x >= seite || y >= seite) << x << "," << y;
            }
        // Nothing is written below the last row (the unmended test would).
        for (int x = -1; x <= f.maxX + 1; ++x)
            ASSERT_EQ(d->Zweitbild(x, f.maxY + 1), 0.0) << x;
    }
    // Factor 0.5: increments 0.25, 0.0625, ... so the coarse quadrants dominate.
    auto d = feld(15, 15, 5);
    LandschaftParamRec r = LandschaftStandard();
    r.Ebenen = 4;
    r.Faktor = 0.5;
    LandschaftBerechnen(*d, r, LandschaftQuadtree);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            ASSERT_LT(d->Zweitbild(x, y), d->Zweitbild(15, 15) + 0.0);  // (1,1) after (0,0)
}

}  // namespace
}  // namespace gm
