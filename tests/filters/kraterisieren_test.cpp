#include "filters/kraterisieren.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iostream>
#include <memory>

#include "core/zufall.h"
#include "filter_hilfen.h"
#include "filters/krater_band.h"
#include "filters/krater_spalte.h"

namespace gm {
namespace {

using namespace filtertest;

// The generator of the editing state, written out: seed := seed * 134775813 + 1
// modulo 2^32, then seed / 2^32.
struct Folge {
    std::uint32_t seed;
    double r() {
        seed = seed * 134775813u + 1u;
        return seed * (1.0 / 4294967296.0);
    }
};

// Craterize as written: x outer, y inner, masked cells skipped without a draw,
// the second draw only inside the band.
Zeilen kraterisiert(const Zeilen& feld, const std::vector<std::vector<int>>& m,
                    const KraterisierenRec& r, std::uint32_t& seed) {
    Folge z{seed};
    Zeilen aus = feld;
    for (std::size_t x = 0; x < feld[0].size(); ++x) {
        for (std::size_t y = 0; y < feld.size(); ++y) {
            if (m[y][x] == 1) continue;
            const double v = feld[y][x];
            const double p = r.Schnittlevel + (z.r() - 0.5) * r.Zufall * 0.1;
            const double lo = p - r.Randbreite / 2, hi = p + r.Randbreite / 2;
            double e;
            if (v < lo) {
                e = v;
            } else if (v < hi) {
                e = lo + z.r() * (r.Randbreite / 2 - std::fabs(v - p)) * r.Zufall;
            } else {
                e = lo - (v - hi) * r.Tiefe;
            }
            aus[y][x] = e < 0 ? 0 : (e > 1 ? 1 : e);
        }
    }
    seed = z.seed;
    return aus;
}

TEST(Kraterisieren, FollowsTheDrawsOfTheDocumentsGeneratorThroughAMask) {
    const Zeilen feld = {{0.1, 0.45, 0.5, 0.55, 0.9},
                         {0.48, 0.52, 0.6, 0.3, 0.47},
                         {1.0, 0.0, 0.49, 0.51, 0.5},
                         {0.44, 0.56, 0.53, 0.46, 0.2}};
    const std::vector<std::vector<int>> m = {
        {0, 0, 1, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 0, 0, 1}, {1, 0, 0, 0, 0}};
    KraterisierenRec r;
    r.Schnittlevel = 0.5;
    r.Randbreite = 0.1;
    r.Tiefe = 2.5;
    r.Zufall = 0.8;
    auto d = std::make_unique<Dokument>();
    setze(*d, feld);
    maske(*d, m);
    setzeSeed(*d, 12345);
    KraterisierenAnwenden(*d, r);
    std::uint32_t seed = 12345;
    EXPECT_TRUE(gleich(*d, d->Hoehenfeld, kraterisiert(feld, m, r, seed)));
    EXPECT_EQ(d->RandSeed, seed);  // exactly the draws made, no more

    // Larger random fields, where the band falls in both halves of the
    // columns and the cells near it take one draw or two.
    for (std::uint32_t s0 : {1u, 77u, 4242u}) {
        Folge f{s0};
        Zeilen gross(23, std::vector<double>(31));
        std::vector<std::vector<int>> mg(23, std::vector<int>(31));
        for (std::size_t y = 0; y < 23; ++y)
            for (std::size_t x = 0; x < 31; ++x) {
                gross[y][x] = 0.35 + 0.3 * f.r();
                mg[y][x] = f.r() < 0.2;
            }
        // As the window and the command line run it: the undo copy taken on
        // the way holds the field as it was.
        setze(*d, gross);
        maske(*d, mg);
        setzeSeed(*d, s0);
        d->UndoMaxX = d->UndoMaxY = 0;
        KraterisierenMitUndo(*d, r);
        std::uint32_t sg = s0;
        EXPECT_TRUE(gleich(*d, d->Hoehenfeld, kraterisiert(gross, mg, r, sg))) << s0;
        EXPECT_EQ(d->RandSeed, sg) << s0;
        EXPECT_TRUE(gleich(*d, d->UndoBild, gross)) << s0;
        EXPECT_TRUE(d->UndoMaxX == 30 && d->UndoMaxY == 22) << s0;
    }
}

TEST(Kraterisieren, SettlesTheDrawsFirstWithTheSameResultForAnySetting) {
    // Cells near the edges of the band take one draw or two depending on
    // their first draw; they are placed within the band's movement of every
    // edge, also for a movement far below one step of the draws' grid. 37
    // rows: full groups of eight cells and a remainder.
    struct Fall {
        double h, w, d, z;
    };
    const Fall faelle[] = {{0.5, 0.2, 1.0, 0.5},   {0.3, 0.0, -2.0, 1.0},  {0.6, 0.3, 0.5, 1e-7},
                           {0.5, 0.1, 3.0, 0.0},   {0.45, 1.0, 1.0, 0.05}, {0.5, -0.2, 1.0, 0.7},
                           {0.02, 0.01, 10.0, 1.0}};
    auto d = std::make_unique<Dokument>();
    for (const Fall& f : faelle) {
        KraterisierenRec r;
        r.Schnittlevel = f.h;
        r.Randbreite = f.w;
        r.Tiefe = f.d;
        r.Zufall = f.z;
        Folge zufall{99u};
        Zeilen feld(37, std::vector<double>(29));
        std::vector<std::vector<int>> m(37, std::vector<int>(29));
        const double kanten[] = {f.h - f.w / 2, f.h + f.w / 2};
        for (std::size_t y = 0; y < 37; ++y)
            for (std::size_t x = 0; x < 29; ++x) {
                const double kante = kanten[(x + y) % 2];
                const double a = zufall.r();
                feld[y][x] = a < 0.6    ? kante + (zufall.r() - 0.5) * f.z * 0.11
                             : a < 0.95 ? zufall.r()
                                        : 3.0 * zufall.r() - 1.0;
                m[y][x] = zufall.r() < 0.15;
            }
        // Each open cell's interval of first seeds ends exactly where the band
        // as the transfer function computes it stops containing the cell.
        const KraterBand band(r);
        const auto imBand = [&](double v, std::uint32_t s) {
            const double p = r.Schnittlevel + (s * 0x1p-32 - 0.5) * r.Zufall * 0.1;
            return !(v < p - r.Randbreite / 2) && v < p + r.Randbreite / 2;
        };
        std::vector<double> offen;
        for (const auto& zeile : feld)
            for (double v : zeile) {
                if (band.ziehungen(v, 0) != kOffen) continue;
                offen.push_back(v);
                const KraterIntervall iv = KraterIntervallVon(band, v);
                if (iv.breite == 0) {
                    EXPECT_FALSE(imBand(v, 0u) || imBand(v, ~0u) || imBand(v, 1u << 31)) << v;
                    continue;
                }
                EXPECT_TRUE(imBand(v, iv.anfang) && imBand(v, iv.anfang + iv.breite - 1)) << v;
                EXPECT_FALSE(imBand(v, iv.anfang - 1) || imBand(v, iv.anfang + iv.breite)) << v;
            }
        // Eight at a time, the same intervals.
        std::vector<KraterIntervall> iv(offen.size());
        Intervalle(band, offen.data(), std::uint32_t(offen.size()), iv.data(), true);
        for (std::size_t i = 0; i < offen.size(); ++i) {
            const KraterIntervall soll = KraterIntervallVon(band, offen[i]);
            EXPECT_TRUE(iv[i].anfang == soll.anfang && iv[i].breite == soll.breite) << offen[i];
        }
        for (bool vektor : {false, true}) {
            setze(*d, feld);
            maske(*d, m);
            setzeSeed(*d, 4711u);
            KraterisierenVerteilt(*d, r, vektor, false);
            std::uint32_t seed = 4711u;
            EXPECT_TRUE(gleich(*d, d->Hoehenfeld, kraterisiert(feld, m, r, seed)))
                << f.h << " " << f.w << " " << f.z << " " << vektor;
            EXPECT_EQ(d->RandSeed, seed) << f.h << " " << f.w << " " << f.z << " " << vektor;
        }
    }
    // A negative randomness (not reachable from the dialog or a script line)
    // takes the cell-by-cell path, with the same result as written.
    KraterisierenRec neg;
    neg.Schnittlevel = 0.5;
    neg.Randbreite = 0.2;
    neg.Zufall = -0.6;
    Folge zufall{5u};
    Zeilen feld(9, std::vector<double>(6));
    for (auto& zeile : feld)
        for (double& v : zeile)
            v = 0.35 + 0.3 * zufall.r();
    const std::vector<std::vector<int>> ohne(9, std::vector<int>(6));
    setze(*d, feld);
    maske(*d, ohne);
    setzeSeed(*d, 31u);
    KraterisierenMitUndo(*d, neg);
    std::uint32_t seed = 31u;
    EXPECT_TRUE(gleich(*d, d->Hoehenfeld, kraterisiert(feld, ohne, neg, seed)));
    EXPECT_EQ(d->RandSeed, seed);
    EXPECT_TRUE(gleich(*d, d->UndoBild, feld));
    std::cout << "eight cells at a time: " << (KraterVektorVerfuegbar() ? "yes" : "no") << "\n";
}

// Open cells far apart: more than a thousand fixed draws between them, in
// both halves of the columns and across the border of the halves, with a few
// close ones in between.
TEST(Kraterisieren, JumpsOverLongRunsOfFixedDrawsBetweenOpenCells) {
    KraterisierenRec r;
    r.Schnittlevel = 0.5;
    r.Randbreite = 0.2;
    r.Zufall = 0.5;
    Zeilen feld(40, std::vector<double>(64, 0.1));
    const std::vector<std::vector<int>> ohne(40, std::vector<int>(64));
    for (auto [x, y] : {std::pair{0, 0}, {0, 3}, {30, 20}, {33, 1}, {63, 39}})
        feld[std::size_t(y)][std::size_t(x)] = 0.4;
    feld[5][10] = 0.5;  // inside every band: two fixed draws
    auto d = std::make_unique<Dokument>();
    for (std::uint32_t start : {1u, 99u, 0xDEADBEEFu}) {
        setze(*d, feld);
        maske(*d, ohne);
        setzeSeed(*d, start);
        KraterisierenVerteilt(*d, r, true, false);
        std::uint32_t seed = start;
        EXPECT_TRUE(gleich(*d, d->Hoehenfeld, kraterisiert(feld, ohne, r, seed))) << start;
        EXPECT_EQ(d->RandSeed, seed) << start;
    }
}

TEST(Kraterisieren, WithoutRimOrRandomnessFoldsAboveTheCut) {
    auto d = std::make_unique<Dokument>();
    setze(*d, {{0.1, 0.5, 0.6, 0.7, 0.9}});
    KraterisierenRec r;
    r.Schnittlevel = 0.6;
    r.Tiefe = 1.0;
    KraterisierenAnwenden(*d, r);
    EXPECT_TRUE(gleich(*d, d->Hoehenfeld, {{0.1, 0.5, 0.6, 0.5, 0.3}}, 1e-12));
    r.Tiefe = 0.0;  // everything above flattens to the cut
    setze(*d, {{0.1, 0.5, 0.6, 0.7, 0.9}});
    KraterisierenAnwenden(*d, r);
    EXPECT_TRUE(gleich(*d, d->Hoehenfeld, {{0.1, 0.5, 0.6, 0.6, 0.6}}));
}

TEST(Kraterisieren, ReplayReadsARimWidthBelowOneHundredth) {
    auto d = std::make_unique<Dokument>();
    ScriptArgumente a = argumente({"0.500", "0.005", "1.000", "0.000"});
    const auto r = ausArgumenten<KraterisierenRec>(a, KraterisierenArgumente, *d);
    EXPECT_EQ(r.Randbreite, 0.005);
    ScriptArgumente b = argumente({"0.500", "1.5", "1.000", "0.000"});
    EXPECT_EQ(ausArgumenten<KraterisierenRec>(b, KraterisierenArgumente, *d).Randbreite, 0.0);
}

}  // namespace
}  // namespace gm
