#include "filters/terrasse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "filter_hilfen.h"

namespace gm {
namespace {

using namespace filtertest;

// T(x) step by step as described, with branches, for comparison with the
// vectorised field pass and TerrasseWert.
double terrasseSoll(const TerrasseRec& r, double x) {
    const int n = std::max(r.Stufen, 1);
    const double q = 1.0 / n;
    const double nx = n * x;
    const int k = !(nx >= 0.0) ? 0 : (nx >= n ? n - 1 : int(nx));
    double t = (x - k * q) * n;
    if (t <= r.AnschnittUnten) t = 0.0;
    if (t >= r.AnschnittOben) t = 1.0;
    double u = t * r.Anstieg + r.Verschiebung;
    const double m = r.Mittelpunkt;
    if (r.GammaUnten != 1.0 && r.GammaUnten > 0.0 && u < m && m > 0.0 && u > 0.0) {
        u = m * std::pow(u / m, r.GammaUnten);
    } else if (r.GammaOben != 1.0 && r.GammaOben > 0.0 && u > m && m > 0.0 && u > 0.0 && m != 1.0) {
        u = m + (1.0 - m) * std::pow((u - m) / (1.0 - m), r.GammaOben);
    }
    if (r.BegrenzenUnten && u < 0.0) u = 0.0;
    if (r.BegrenzenOben && u > 1.0) u = 1.0;
    return std::clamp(u / n + k * q, 0.0, 1.0);
}

TEST(Terrasse, DefaultsMakeShelvesAndRisersAndSpecialProfilesAreExact) {
    auto d = std::make_unique<Dokument>();
    // Defaults: n = 4, slope 2, offset -1: a flat shelf over the lower half of
    // each quarter, a riser over its upper half; 1 falls into the top terrace.
    setze(*d, {{0.0, 0.1, 0.2, 0.5, 1.0}, {0.7, 0.875, 0.3, 0.25, 0.6}});
    maske(*d, {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 1}});
    TerrasseAnwenden(*d, TerrasseRec{});
    EXPECT_TRUE(gleich(*d, d->Hoehenfeld,
                       {{0.0, 0.0, 0.15, 0.5, 1.0}, {0.65, 0.75, 0.25, 0.25, 0.6}}, 1e-12));

    // One terrace, slope 1, offset 0, no cut-offs: the identity.
    TerrasseRec id;
    id.Stufen = 1;
    id.Anstieg = 1.0;
    id.Verschiebung = 0.0;
    for (double x : {0.0, 0.125, 0.3, 0.5, 0.99, 1.0})
        EXPECT_DOUBLE_EQ(TerrasseWert(id, x), x) << x;

    // Gammas below and above the split point.
    TerrasseRec g = id;
    g.GammaUnten = 2.0;
    g.GammaOben = 2.0;
    EXPECT_DOUBLE_EQ(TerrasseWert(g, 0.25), 0.125);
    EXPECT_DOUBLE_EQ(TerrasseWert(g, 0.75), 0.625);
    g.Mittelpunkt = 0.0;  // neither gamma applies
    EXPECT_DOUBLE_EQ(TerrasseWert(g, 0.25), 0.25);
    EXPECT_DOUBLE_EQ(TerrasseWert(g, 0.75), 0.75);

    // Cut-offs: at or below the lower one t is 0, at or above the upper one 1.
    TerrasseRec c = id;
    c.AnschnittUnten = 0.25;
    c.AnschnittOben = 0.5;
    EXPECT_EQ(TerrasseWert(c, 0.25), 0.0);
    EXPECT_DOUBLE_EQ(TerrasseWert(c, 0.3), 0.3);
    EXPECT_EQ(TerrasseWert(c, 0.5), 1.0);
}

TEST(Terrasse, UpperGammaAtMidpointOneAndHugeValuesStayFinite) {
    // With Mittelpunkt 1 a profile value above 1 would divide by zero in the
    // upper gamma; it is skipped instead, and the value is clamped.
    TerrasseRec r;
    r.Stufen = 1;
    r.Anstieg = 3.0;
    r.Verschiebung = 0.0;
    r.Mittelpunkt = 1.0;
    r.GammaOben = 2.0;
    r.BegrenzenOben = false;
    EXPECT_EQ(TerrasseWert(r, 0.5), 1.0);
    r.GammaUnten = 2.0;  // the lower gamma still works below the split point
    EXPECT_DOUBLE_EQ(TerrasseWert(r, 0.1), 0.09);

    // A value far beyond the range is bounded before it becomes an index: it
    // belongs to the top (or bottom) terrace, not to a wrapped-around one.
    const TerrasseRec vorgabe;
    EXPECT_EQ(TerrasseWert(vorgabe, 1e300), 1.0);
    EXPECT_EQ(TerrasseWert(vorgabe, 3e9), 1.0);
    EXPECT_EQ(TerrasseWert(vorgabe, -1e300), 0.0);
    EXPECT_EQ(TerrasseWert(vorgabe, -2.5), 0.0);
}

TEST(Terrasse, TheFieldTakesTheTransferAtEveryFreeCellWithOrWithoutGammas) {
    auto d = std::make_unique<Dokument>();
    TerrasseRec ohne;
    ohne.Stufen = 5;
    ohne.Anstieg = 2.7;
    ohne.Verschiebung = -0.6;
    ohne.AnschnittUnten = 0.1;
    ohne.AnschnittOben = 0.8;
    ohne.BegrenzenUnten = false;
    TerrasseRec mit = ohne;
    mit.GammaUnten = 0.3;
    mit.GammaOben = 3.0;
    TerrasseRec sieben = mit;  // a step count that is no power of two
    sieben.Stufen = 7;
    sieben.Mittelpunkt = 0.3;
    // Columns of 43 cells run through the vector loops and their tails.
    constexpr int ny = 43;
    for (const TerrasseRec& r : {ohne, mit, sieben, TerrasseRec{}}) {
        Zeilen feld(ny, std::vector<double>(7));
        std::vector<std::vector<int>> m(ny, std::vector<int>(7));
        for (int y = 0; y < ny; ++y)
            for (int x = 0; x < 7; ++x) {
                feld[y][x] = -0.2 + ((x * 11 + y * 5) % 23) / 16.0 + y * 1e-3;
                m[y][x] = (x + y) % 4 == 0;
            }
        Zeilen soll = feld;
        for (int y = 0; y < ny; ++y)
            for (int x = 0; x < 7; ++x) {
                if (!m[y][x]) soll[y][x] = terrasseSoll(r, feld[y][x]);
                EXPECT_EQ(TerrasseWert(r, feld[y][x]), terrasseSoll(r, feld[y][x]));
            }
        setze(*d, feld);
        maske(*d, m);
        TerrasseAnwenden(*d, r);
        EXPECT_TRUE(gleich(*d, d->Hoehenfeld, soll)) << r.GammaUnten;
    }
}

TEST(Terrasse, FlagsReadAsTrueOnlyWhenExactlyOne) {
    auto d = std::make_unique<Dokument>();
    for (const char* flag : {"1", "0", "0.5", "2", "1.000"}) {
        ScriptArgumente a = argumente({"0.000", "4", "-1.000", "2.000", "0.500", "1.000", "1.000",
                                       "0.000", "1.000", flag, flag});
        const TerrasseRec r = ausArgumenten<TerrasseRec>(a, TerrasseArgumente, *d);
        const bool eins = std::string(flag) == "1" || std::string(flag) == "1.000";
        EXPECT_EQ(r.BegrenzenUnten, eins) << flag;
        EXPECT_EQ(r.BegrenzenOben, eins) << flag;
    }
    TerrasseRec r;
    r.BegrenzenOben = false;
    EXPECT_EQ(ScriptZeileAus("terrace", TerrasseArgumente, r),
              "terrace(0.000, 4, -1.000, 2.000, 0.500, 1.000, 1.000, 0.000, 1.000, 1, 0)");
}

}  // namespace
}  // namespace gm
