#include "generators/krater.h"
#include "generators/krater_kern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "core/mathe.h"
#include "core/puffer.h"
#include "core/zufall.h"

namespace gm {
namespace {

// The crater pass read straight from the description on a plain grid with its
// own generator; the centre search gives up only when no cell is untouched.
struct Referenz {
    int maxX, maxY;
    std::uint32_t seed;
    KraterParamRec p;
    std::vector<double> z = std::vector<double>(std::size_t(maxX + 1) * (maxY + 1), -1.0);
    double& at(int x, int y) { return z[std::size_t(x) * (maxY + 1) + y]; }
    double zufall() {
        seed = seed * 134775813u + 1u;
        return seed / 4294967296.0;
    }
    double profil(double d) {
        double s = Sin(0.6152285613280012), c = Cos(0.6152285613280012);
        double r = std::sqrt(std::fabs(d));
        return r > s ? -c * Exp(-p.Dicke * std::pow(r - s, 2)) : -std::sqrt(1 - d);
    }
    double gewicht(double d) {
        double q = std::pow(std::sqrt(d) - p.Grenze, 2);
        return d <= p.Grenze * p.Grenze ? 0.01 * Exp(-30 * q) : 1 - 0.99 * Exp(-25 * q);
    }
    void setzen(int cx, int cy, int dx, int dy, double w, double v) {
        int x = cx + dx, y = cy + dy;
        if (x < 0 || x > maxX || y < 0 || y > maxY) return;
        if (at(x, y) == -1.0) at(x, y) = 0;
        at(x, y) = at(x, y) * w + v;
    }
    bool unberuehrtBleibt() {
        for (double v : z)
            if (v == -1.0) return true;
        return false;
    }
    void berechnen() {
        for (int n = 0; n < p.Anzahl && unberuehrtBleibt(); ++n) {
            int cx, cy;
            do {
                cx = int(std::nearbyint(zufall() * maxX));
                cy = int(std::nearbyint(zufall() * maxY));
            } while (at(cx, cy) != -1.0);
            double u = zufall() + 0.1;
            int R = int(std::nearbyint(0.15 * (0.0001 / Pow(u, 4)) * maxX)) + 3;
            double A = Pow(R / (0.15 * maxX + 3), 0.9) * p.Skalierung / 256 *
                       Pow(maxX / 256.0, 0.1) / 0.15 * 80;
            for (int i = R; i >= 1; --i)
                for (int j = i; j >= 0; --j) {
                    double d = double(i * i + j * j) / (R * R);
                    if (d >= 1) continue;
                    double v = profil(d) * A, w = gewicht(d);
                    int off[8][2] = {{i, j}, {-j, i}, {-i, -j}, {j, -i},
                                     {j, i}, {-i, j}, {-j, -i}, {i, -j}};
                    for (int k = 0; k < (0 < j && j < i ? 8 : 4); ++k)
                        setzen(cx, cy, off[k][0], off[k][1], w, v);
                }
            setzen(cx, cy, 0, 0, gewicht(0), profil(0) * A);
        }
    }
};

// Every instruction set of this processor against the reference. The pass
// empties Zweitbild itself: what the grid held before, the marker or a value,
// inside the field or beyond it, does not count.
void vergleichen(int maxX, int maxY, KraterParamRec p, std::uint32_t seed) {
    Referenz r{maxX, maxY, seed, p};
    r.berechnen();
    for (Befehlssatz satz : Befehlssaetze()) {
        SCOPED_TRACE(int(satz));
        auto dok = std::make_unique<Dokument>();
        dok->MaxX = maxX;
        dok->MaxY = maxY;
        setzeSeed(*dok, seed);
        // Lanes reach up to seven rows past the field.
        const int randX = maxX + 8, randY = maxY + 8;
        for (int x = -1; x <= randX; ++x)
            for (int y = -1; y <= randY; ++y)
                dok->Zweitbild(x, y) = (x + y) % 3 ? 0.25 * (x % 5) : KeinWert;
        KraterBerechnen(*dok, p, satz);
        EXPECT_EQ(dok->RandSeed, r.seed) << "the same number of draws";
        for (int x = -1; x <= randX; ++x)
            for (int y = -1; y <= randY; ++y) {
                const bool aktiv = x >= 0 && x <= maxX && y >= 0 && y <= maxY;
                const double alt = (x + y) % 3 ? 0.25 * (x % 5) : KeinWert;
                ASSERT_EQ(dok->Zweitbild(x, y), aktiv ? r.at(x, y) : alt) << x << "," << y;
            }
    }
}

TEST(Krater, CraterPassMatchesTheDescription) {
    KraterParamRec p = KraterStandard();
    vergleichen(128, 96, p, 11);
    p.Anzahl = 40;
    p.Grenze = 0.2;
    p.Dicke = 3.5;
    p.Skalierung = 7.0;
    vergleichen(300, 41, p, 12345);
    vergleichen(57, 31, p, 8);  // whole bytes of the map per column
    // Many craters on a small grid fill it; the pass ends instead of searching
    // forever for an untouched centre.
    p.Anzahl = 8000;
    vergleichen(8, 6, p, 3);
    vergleichen(4, 4, p, 99);
}

TEST(Krater, ShapeFunctionsMeetWhereTheDescriptionSays) {
    KraterParamRec p = KraterStandard();
    const double s = std::sin(0.6152285613280012), c = std::cos(0.6152285613280012);
    EXPECT_EQ(KraterProfil(p, 0.0), -1.0);
    EXPECT_NEAR(KraterProfil(p, s * s), -c, 1e-12);
    EXPECT_NEAR(KraterProfil(p, s * s * (1 + 1e-12)), -c, 1e-9);
    EXPECT_GT(KraterProfil(p, 1.0), -0.01);  // the outer zone rises toward 0
    EXPECT_NEAR(KraterGewicht(p, p.Grenze * p.Grenze), 0.01, 1e-15);
    EXPECT_NEAR(KraterGewicht(p, p.Grenze * p.Grenze * (1 + 1e-12)), 0.01, 1e-9);
    EXPECT_LT(KraterGewicht(p, 0.0), 0.01);
    EXPECT_GT(KraterGewicht(p, 1.0), 0.9);
}

TEST(Krater, ApplyingKeepsUndoMaskAndScalesTheTerrain) {
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = 64;
    dok->MaxY = 48;
    dok->Verknuepfungsmodus = 1;  // the mapped layer replaces the field
    for (int x = 0; x <= 64; ++x)
        for (int y = 0; y <= 48; ++y) {
            dok->Hoehenfeld(x, y) = 0.2 + 0.01 * ((x * 7 + y * 3) % 50);
            dok->Maske(x, y) = x < 10;
        }
    const TFeld& h = dok->Hoehenfeld;
    std::vector<double> alt(h.daten(), h.daten() + FeldZellen);
    setzeSeed(*dok, 5);
    KraterAnwenden(*dok, KraterStandard());
    bool geaendert = false;
    for (int x = 0; x <= 64; ++x)
        for (int y = 0; y <= 48; ++y) {
            const double vorher = alt[TFeld::index(x, y)];
            if (x < 10) {
                ASSERT_EQ(h(x, y), vorher) << "masked cell written at " << x << "," << y;
            } else {
                geaendert |= h(x, y) != vorher;
            }
        }
    EXPECT_TRUE(geaendert);
    // The undo copy was taken before the craters were written.
    UndoZurueck(*dok);
    for (int x = 0; x <= 64; ++x)
        for (int y = 0; y <= 48; ++y)
            ASSERT_EQ(h(x, y), alt[TFeld::index(x, y)]) << x << "," << y;
}

TEST(Krater, ProfilePictureStaysInsideItsColumnsAndRows) {
    KraterParamRec p = KraterStandard();
    for (double grenze : {0.01, 0.63, 0.99}) {
        p.Grenze = grenze;
        const std::vector<int> z = KraterProfilZeilen(p, 539, 107);
        ASSERT_EQ(z.size(), 539u);
        for (int r : z) {
            EXPECT_GE(r, 1);
            EXPECT_LE(r, 106);
        }
    }
    // A flat profile is drawn at the top row.
    p.Dicke = 0;
    p.Grenze = 0.99;
    EXPECT_EQ(KraterProfilZeilen(p, 3, 10).size(), 3u);
}

}  // namespace
}  // namespace gm
