#include "filters/verschieben.h"

#include <memory>
#include <random>

#include "core/ablage.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "filter_hilfen.h"

namespace gm {
namespace {

using filtertest::gleich;
using filtertest::setze;
using Feld = std::vector<std::vector<double>>;  // [x][y]

void zufallsfeld(Dokument& dok, int px, int py, unsigned seed) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<double> u(-0.2, 1.2);  // clamped on the way in
    dok.MaxX = px - 1;
    dok.MaxY = py - 1;
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y) {
            dok.Hoehenfeld(x, y) = u(g);
            dok.Maske(x, y) = (x * 3 + y) % 5 == 0;
        }
    // Cells without a value leave their targets as they were.
    dok.Hoehenfeld(1, dok.MaxY) = KeinWert;
    dok.Hoehenfeld(dok.MaxX - 2, 1) = KeinWert;
}

TEST(Verschieben, MovesEveryCellWrappingOrDroppingInAllDirections) {
    for (int richtung = 1; richtung <= 4; ++richtung)
        for (bool nullen : {false, true})
            for (int weite : {0, 1, 3, 6, 7, 9, 20}) {
                auto dok = std::make_unique<Dokument>();
                zufallsfeld(*dok, 7, 5, unsigned(weite * 10 + richtung));
                // The move as described: a zeroed grid, each source cell
                // written to its target, then put in clamped.
                int s = weite;
                const int n = richtung % 2 == 1 ? 7 : 5;
                if (!nullen && s > n) s %= n;
                filtertest::Zeilen soll(5, std::vector<double>(7, 0.0));
                for (int x = 0; x <= 6; ++x)
                    for (int y = 0; y <= 4; ++y) {
                        int tx = x, ty = y;
                        if (richtung == 1) tx = x - s;
                        if (richtung == 2) ty = y - s;
                        if (richtung == 3) tx = x + s;
                        if (richtung == 4) ty = y + s;
                        if (!nullen) {
                            if (tx < 0) tx += 7;
                            if (tx > 6) tx -= 7;
                            if (ty < 0) ty += 5;
                            if (ty > 4) ty -= 5;
                        }
                        const double v = dok->Hoehenfeld(x, y);
                        if (tx >= 0 && tx <= 6 && ty >= 0 && ty <= 4)
                            soll[ty][tx] = v == KeinWert ? dok->Hoehenfeld(tx, ty) : clamp01(v);
                    }
                const auto alt = filtertest::lese(*dok, dok->Hoehenfeld);
                BildVerschieben(*dok, VerschiebenRec{weite, richtung, nullen});
                if (weite == 0) soll = alt;
                EXPECT_TRUE(gleich(*dok, dok->Hoehenfeld, soll))
                    << richtung << " " << nullen << " " << weite;
                Undo(*dok);
                EXPECT_TRUE(gleich(*dok, dok->Hoehenfeld, alt));
            }
    // Left by 10 with wrapping moves column 0 to MaxX - 9.
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = dok->MaxY = 20;
    dok->Hoehenfeld(0, 3) = 0.5;
    BildVerschieben(*dok, VerschiebenRec{10, 1, false});
    EXPECT_EQ(dok->Hoehenfeld(11, 3), 0.5);
}

TEST(Erweitern, PlacesTheFieldAtTheAnchorWithItsMask) {
    const std::pair<int, int> groessen[] = {{9, 6}, {5, 5}, {12, 5}, {7, 5}};
    for (auto [nx, ny] : groessen)
        for (int anker = 1; anker <= 9; ++anker) {
            auto dok = std::make_unique<Dokument>();
            zufallsfeld(*dok, 7, 5, unsigned(anker));
            dok->Ablagebild = std::make_unique<TFeld>();
            const auto alt = filtertest::lese(*dok, dok->Hoehenfeld);
            // Beyond the old field the grid holds what an earlier, larger
            // field left there; a target whose source has no value keeps it.
            Feld vorher(12, std::vector<double>(6, 0.75));
            for (int x = 0; x < 12; ++x)
                for (int y = 0; y < 6; ++y) {
                    if (x >= 7 || y >= 5) dok->Hoehenfeld(x, y) = 0.75;
                    vorher[x][y] = dok->Hoehenfeld(x, y);
                }
            std::vector<std::vector<int>> altMaske(7, std::vector<int>(5));
            for (int x = 0; x < 7; ++x)
                for (int y = 0; y < 5; ++y)
                    altMaske[x][y] = dok->Maske(x, y);
            // The pairs of each axis as described.
            auto paare = [](int alt, int neu, int teil) {
                std::vector<int> q(std::size_t(neu) + 1, -1);
                if (teil == 0) {
                    for (int i = 0; i <= std::min(alt, neu); ++i)
                        q[i] = i;
                } else if (teil == 1) {
                    const int o = std::abs(alt - neu) / 2;
                    if (alt <= neu) {
                        for (int i = 0; i <= alt; ++i)
                            q[o + i] = i;
                    } else {
                        for (int i = 0; i <= neu; ++i)
                            q[i] = o + i;
                    }
                } else {
                    for (int j = 0; alt - j >= 0 && neu - j >= 0; ++j)
                        q[neu - j] = alt - j;
                }
                return q;
            };
            const auto qx = paare(6, nx - 1, (anker - 1) % 3);
            const auto qy = paare(4, ny - 1, (anker - 1) / 3);
            ASSERT_TRUE(BildErweitern(*dok, ErweiternRec{nx - 1, ny - 1, anker}));
            ASSERT_EQ(dok->MaxX, nx - 1);
            ASSERT_EQ(dok->MaxY, ny - 1);
            for (int x = 0; x < nx; ++x)
                for (int y = 0; y < ny; ++y) {
                    const bool da = qx[x] >= 0 && qy[y] >= 0;
                    const double v = da ? alt[qy[y]][qx[x]] : 0.0;
                    EXPECT_EQ(dok->Hoehenfeld(x, y), v == KeinWert ? vorher[x][y] : clamp01(v))
                        << anker << " " << x << "," << y;
                    EXPECT_EQ(dok->Maske(x, y), da ? altMaske[qx[x]][qy[y]] : 0);
                }
            EXPECT_FALSE(dok->AblageBelegt());
            Undo(*dok);
            EXPECT_EQ(dok->MaxX, 6);
            EXPECT_EQ(dok->MaxY, 4);
            EXPECT_TRUE(gleich(*dok, dok->Hoehenfeld, alt));
        }
    // Fewer than 5 points are refused and change nothing.
    auto dok = std::make_unique<Dokument>();
    zufallsfeld(*dok, 7, 5, 1);
    const auto alt = filtertest::lese(*dok, dok->Hoehenfeld);
    EXPECT_FALSE(BildErweitern(*dok, ErweiternRec{3, 10, 5}));
    EXPECT_FALSE(BildErweitern(*dok, ErweiternRec{10, 2049, 5}));
    EXPECT_TRUE(gleich(*dok, dok->Hoehenfeld, alt));
    // 513 to 1025 points with the centre anchor: offset 256.
    dok->MaxX = dok->MaxY = 512;
    dok->Hoehenfeld(0, 0) = 0.25;
    ASSERT_TRUE(BildErweitern(*dok, ErweiternRec{1024, 1024, 5}));
    EXPECT_EQ(dok->Hoehenfeld(256, 256), 0.25);
}

}  // namespace
}  // namespace gm
