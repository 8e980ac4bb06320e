#include "filters/regen_erosion.h"

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "core/dokument.h"
#include "core/puffer.h"
#include "filter_hilfen.h"

namespace gm {
namespace {

using filtertest::argumente;
using filtertest::gleich;
using filtertest::setze;

// The straightforward erosion, step by step in visiting order with the water
// updated in place, as the reference for the fast implementation.
void referenzRegen(Dokument& dok, const RegenRec& rec) {
    auto wasser = std::make_unique<TFeld>();
    auto wasserNeu = std::make_unique<TFeld>();
    auto hoeheNeu = std::make_unique<TFeld>();
    TFeld& W = *wasser;
    TFeld& WN = *wasserNeu;
    TFeld& HN = *hoeheNeu;
    ZweitbildKopieren(dok);
    TFeld& Z = dok.Zweitbild;
    const int dx[8] = {-1, -1, -1, 0, 0, 1, 1, 1};
    const int dy[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
    const int mx = dok.MaxX, my = dok.MaxY;
    for (int i = 1; i <= rec.Zyklen; ++i) {
        for (int x = 1; x <= mx - 1; ++x) {
            for (int y = 1; y <= my - 1; ++y) {
                int nx = x + dx[0], ny = y + dy[0];
                for (int k = 1; k < 8; ++k) {
                    if (Z(x + dx[k], y + dy[k]) < Z(nx, ny)) nx = x + dx[k], ny = y + dy[k];
                }
                W(x, y) += rec.Regenmenge;
                WN(nx, ny) = W(nx, ny) + W(x, y);
                HN(x, y) = Z(x, y);
                const double d = Z(x, y) - Z(nx, ny);
                if (d > 0) {
                    double e = rec.Abtrag * W(x, y);
                    if (e > rec.Glaettung) e = rec.Glaettung;
                    HN(x, y) -= e * d;
                } else {
                    HN(x, y) = Z(nx, ny);
                }
                double summe = 0.0;
                for (int k = 0; k < 8; ++k)
                    summe += Z(x + dx[k], y + dy[k]);
                HN(x, y) += rec.Glaettung * (summe / 8.0 - Z(x, y));
                if (HN(x, y) < 0.0) HN(x, y) = 0.0;
                if (HN(x, y) > 1.0) HN(x, y) = 1.0;
            }
        }
        for (int x = 0; x <= mx; ++x) {
            for (int y = 0; y <= my; ++y) {
                const int xs = x == 0 ? 1 : (x == mx ? mx - 1 : x);
                const int ys = y == 0 ? 1 : (y == my ? my - 1 : y);
                Z(x, y) = HN(xs, ys);
                W(x, y) = WN(xs, ys);
                WN(x, y) = 0.0;
            }
        }
    }
    for (int x = 0; x <= mx; ++x)
        for (int y = 0; y <= my; ++y)
            if (dok.Hoehenfeld(x, y) != 0.0 && dok.Maske(x, y) == 0) dok.Hoehenfeld(x, y) = Z(x, y);
}

// Seeded terrain: a smooth slope with noise, a share of values on a coarse
// lattice so that neighbours tie, some cells at 0 and a few masked cells.
void zufallsGelaende(Dokument& dok, int nx, int ny, std::uint32_t seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    dok.MaxX = nx - 1;
    dok.MaxY = ny - 1;
    for (int x = 0; x < nx; ++x) {
        for (int y = 0; y < ny; ++y) {
            double v = 0.4 * x / nx + 0.3 * y / ny + 0.3 * u(gen);
            const double wahl = u(gen);
            if (wahl < 0.3) v = double(int(v * 8)) / 8.0;
            if (wahl > 0.97) v = 0.0;
            dok.Hoehenfeld(x, y) = v;
            dok.Maske(x, y) = u(gen) < 0.05 ? 1 : 0;
        }
    }
}

TEST(RegenErosion, MatchesTheReferenceBitForBit) {
    struct Fall {
        int nx, ny, zyklen;
        RegenRec rec;
    };
    const Fall faelle[] = {
        {5, 5, 7, {0, 0.1, 0.1, 0.03}},      {6, 9, 5, {0, 0.3, 0.05, 0.1}},
        {33, 17, 6, {0, 0.1, 0.1, 0.03}},    {17, 33, 4, {0, 0.002, 0.9, 0.5}},
        {129, 65, 5, {0, 0.1, 0.1, 0.03}},   {257, 257, 3, {0, 0.2, 0.2, 0.001}},
        {100, 71, 4, {0, 0.05, 0.15, 0.02}}, {3, 7, 5, {0, 0.1, 0.1, 0.03}},
        {4, 4, 6, {0, 0.1, 0.1, 0.03}},
    };
    std::uint32_t seed = 11;
    for (const Fall& f : faelle) {
        RegenRec rec = f.rec;
        rec.Zyklen = f.zyklen;
        Dokument schnell, referenz;
        zufallsGelaende(schnell, f.nx, f.ny, seed);
        zufallsGelaende(referenz, f.nx, f.ny, seed);
        ++seed;
        RegenErosionAnwenden(schnell, rec);
        referenzRegen(referenz, rec);
        const auto s = filtertest::lese(schnell, schnell.Hoehenfeld);
        const auto r = filtertest::lese(referenz, referenz.Hoehenfeld);
        EXPECT_TRUE(s == r) << f.nx << " x " << f.ny;
        const auto sz = filtertest::lese(schnell, schnell.Zweitbild);
        const auto rz = filtertest::lese(referenz, referenz.Zweitbild);
        EXPECT_TRUE(sz == rz) << "Zweitbild " << f.nx << " x " << f.ny;
    }
}

TEST(RegenErosion, OneAndTwoThreadsGiveTheSameHeights) {
    for (int n : {5, 9, 40}) {
        Dokument dok;
        zufallsGelaende(dok, n, n + 3, 99u + unsigned(n));
        std::vector<double> eins(std::size_t(n) * (n + 3)), zwei;
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n + 3; ++y)
                eins[std::size_t(x) * (n + 3) + y] = dok.Hoehenfeld(x, y);
        zwei = eins;
        RegenRec rec{4, 0.1, 0.1, 0.03};
        RegenSimulieren(eins.data(), n, n + 3, rec, 1);
        RegenSimulieren(zwei.data(), n, n + 3, rec, 2);
        EXPECT_TRUE(eins == zwei) << n;
    }
}

TEST(RegenErosion, FlatFieldStaysFlat) {
    Dokument dok;
    setze(dok, std::vector<std::vector<double>>(6, std::vector<double>(7, 0.625)));
    RegenErosionAnwenden(dok, {10, 0.2, 0.2, 0.05});
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld,
                       std::vector<std::vector<double>>(6, std::vector<double>(7, 0.625))));
}

TEST(RegenErosion, SinglePitFillsInTheFirstCycleAndBorderRepeatsInterior) {
    const filtertest::Zeilen grube = {
        {0.6, 0.6, 0.6, 0.6, 0.6}, {0.6, 0.6, 0.6, 0.6, 0.6}, {0.6, 0.7, 0.2, 0.4, 0.6},
        {0.6, 0.6, 0.6, 0.6, 0.6}, {0.6, 0.6, 0.6, 0.6, 0.6},
    };
    const filtertest::Zeilen gefuellt = {
        {0.6, 0.6, 0.6, 0.6, 0.6}, {0.6, 0.6, 0.6, 0.6, 0.6}, {0.7, 0.7, 0.4, 0.4, 0.4},
        {0.6, 0.6, 0.6, 0.6, 0.6}, {0.6, 0.6, 0.6, 0.6, 0.6},
    };
    Dokument dok;
    setze(dok, grube);
    // Without smoothing there is neither erosion nor relaxation: only the fill.
    int aufrufe = 0;
    RegenErosionAnwenden(dok, {1, 0.001, 0.1, 0.0}, [&](int i, int n) {
        ++aufrufe;
        EXPECT_EQ(i, 1);
        EXPECT_EQ(RegenProzent(i, n), 100);
    });
    EXPECT_EQ(aufrufe, 1);
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, gefuellt));

    setze(dok, grube);  // tiny but not zero: almost the same
    RegenErosionAnwenden(dok, {1, 0.001, 0.01, 0.001});
    EXPECT_TRUE(gleich(dok, dok.Hoehenfeld, gefuellt, 0.002));
}

TEST(RegenErosion, ZeroAndMaskedCellsKeepTheirValues) {
    Dokument dok;
    setze(dok, {{0.6, 0.6, 0.6, 0.6, 0.6},
                {0.6, 0.9, 0.6, 0.6, 0.6},
                {0.6, 0.6, 0.0, 0.6, 0.6},
                {0.6, 0.6, 0.6, 0.3, 0.6},
                {0.6, 0.6, 0.6, 0.6, 0.6}});
    filtertest::maske(
        dok, {{0, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}});
    dok.ScriptAufnahme = true;
    RegenErosion(dok, {2, 0.008, 0.1, 0.03});
    EXPECT_EQ(dok.Hoehenfeld(2, 2), 0.0);
    EXPECT_GT(dok.Zweitbild(2, 2), 0.0);  // the simulation filled the pit
    EXPECT_EQ(dok.Hoehenfeld(1, 1), 0.9);
    EXPECT_NE(dok.Zweitbild(1, 1), 0.9);  // masked cells take part in the simulation
    EXPECT_NE(dok.Hoehenfeld(3, 3), 0.3);
    EXPECT_EQ(dok.UndoBild(3, 3), 0.3);
    ASSERT_EQ(dok.ScriptAnzahl, 1);
    EXPECT_EQ(dok.ScriptListe[1], "raining(2, 0.008, 0.100, 0.030)");
}

TEST(RegenErosion, ReplayTakesDefaultsForArgumentsOutOfRange) {
    Dokument replay, mitVorgaben, mitWerten;
    for (Dokument* d : {&replay, &mitVorgaben, &mitWerten})
        zufallsGelaende(*d, 12, 10, 5);
    replay.UndoBild(0, 0) = 0.42;
    auto a = argumente({"2", "0.008", "0.008", "0.008"});
    RegenErosionNachspielen(replay, a);
    RegenErosionAnwenden(mitVorgaben, {2, 0.1, 0.1, 0.03});
    RegenErosionAnwenden(mitWerten, {2, 0.008, 0.008, 0.008});
    const auto r = filtertest::lese(replay, replay.Hoehenfeld);
    EXPECT_TRUE(r == filtertest::lese(mitVorgaben, mitVorgaben.Hoehenfeld));
    EXPECT_FALSE(r == filtertest::lese(mitWerten, mitWerten.Hoehenfeld));
    EXPECT_EQ(replay.UndoBild(0, 0), 0.42);
    EXPECT_EQ(replay.ScriptAnzahl, 0);

    // Zyklen 0 is out of range and gives 150 cycles.
    Dokument null, hundertfuenfzig;
    zufallsGelaende(null, 9, 7, 8);
    zufallsGelaende(hundertfuenfzig, 9, 7, 8);
    auto b = argumente({"0", "0.1", "0.1", "0.03"});
    RegenErosionNachspielen(null, b);
    RegenErosionAnwenden(hundertfuenfzig, {150, 0.1, 0.1, 0.03});
    EXPECT_TRUE(filtertest::lese(null, null.Hoehenfeld) ==
                filtertest::lese(hundertfuenfzig, hundertfuenfzig.Hoehenfeld));
}

TEST(RegenErosion, ProgressRoundsHalvesToEven) {
    EXPECT_EQ(RegenProzent(1, 150), 1);
    EXPECT_EQ(RegenProzent(3, 200), 2);  // 1.5
    EXPECT_EQ(RegenProzent(5, 200), 2);  // 2.5
    EXPECT_EQ(RegenProzent(150, 150), 100);
    int letzte = 0, anzahl = 0;
    Dokument dok;
    setze(dok, std::vector<std::vector<double>>(5, std::vector<double>(5, 0.5)));
    RegenErosionAnwenden(dok, {7, 0.1, 0.1, 0.03}, [&](int i, int n) {
        EXPECT_EQ(i, letzte + 1);
        EXPECT_EQ(n, 7);
        letzte = i;
        ++anzahl;
    });
    EXPECT_EQ(anzahl, 7);
}

}  // namespace
}  // namespace gm
