#include "generators/midpoint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "core/zufall.h"
#include "generators/profil.h"

namespace gm {
namespace {

// ---- Straightforward reference on a plain grid, with its own generator ----

struct Referenz {
    std::vector<double> z = std::vector<double>(2050 * 2050, 0.0);
    std::uint32_t seed;
    double anstieg, H;
    double& at(int x, int y) { return z[std::size_t(x) * 2050 + y]; }
    double zufall() {
        seed = seed * 134775813u + 1u;
        return seed / 4294967296.0;
    }
    double versetzt(double m, double amp) {
        double spread = H >= 0 ? (1 - H) + m * H : std::fabs(1 - H) + std::fabs(H) * (1 - m);
        return m + (zufall() - 0.5) * amp * spread;
    }
    MittelpunktPunkt kante(MittelpunktPunkt P, MittelpunktPunkt Q, double amp) {
        MittelpunktPunkt E{P.x + (Q.x - P.x) / 2, P.y + (Q.y - P.y) / 2, 0};
        E.h = versetzt((P.h + Q.h) * 0.5, amp);
        if (E.x >= 0 && E.x <= 2049 && E.y >= 0 && E.y <= 2049) {
            if (at(E.x, E.y) != 0)
                E.h = at(E.x, E.y);
            else
                at(E.x, E.y) = E.h;
        }
        return E;
    }
    void teilen(MittelpunktPunkt A, MittelpunktPunkt B, MittelpunktPunkt C, MittelpunktPunkt D,
                double amp, int rest) {
        amp *= anstieg;
        auto AB = kante(A, B, amp), BC = kante(B, C, amp), DC = kante(D, C, amp),
             AD = kante(A, D, amp);
        MittelpunktPunkt M{A.x + (C.x - A.x) / 2, A.y + (C.y - A.y) / 2, 0};
        M.h = versetzt((A.h + B.h + C.h + D.h) * 0.25, amp);
        at(M.x, M.y) = M.h;
        if (rest - 1 > 0) {
            teilen(A, AB, M, AD, amp, rest - 1);
            teilen(AB, B, BC, M, amp, rest - 1);
            teilen(M, BC, C, DC, amp, rest - 1);
            teilen(AD, M, DC, D, amp, rest - 1);
        }
    }
    void berechnen(int levels, int ebenen) {
        const int N = 1 << levels;
        MittelpunktPunkt c[4] = {{0, 0, 0}, {0, N, 0}, {N, N, 0}, {N, 0, 0}};
        for (auto& e : c)
            at(e.x, e.y) = e.h = zufall();
        teilen(c[0], c[1], c[2], c[3], 1.0, ebenen);
        if (ebenen >= levels) return;
        const int M = 1 << ebenen, S = N / M;
        for (int i = 1; i <= M; ++i)
            for (int j = 1; j <= M; ++j) {
                int x0 = (i - 1) * S, y0 = (j - 1) * S;
                double a00 = at(x0, y0), a10 = at(x0 + S, y0), a01 = at(x0, y0 + S),
                       a11 = at(x0 + S, y0 + S);
                for (int u = 0; u <= (i == M ? S : S - 1); ++u) {
                    double e0 = KosinusInterpolation(a00, a10, double(u) / S);
                    double e1 = KosinusInterpolation(a01, a11, double(u) / S);
                    for (int v = 0; v <= (j == M ? S : S - 1); ++v)
                        if (x0 + u <= 2049 && y0 + v <= 2049)
                            at(x0 + u, y0 + v) = KosinusInterpolation(e0, e1, double(v) / S);
                }
            }
    }
};

TEST(Mittelpunkt, SpreadRuleAndCosine) {
    EXPECT_EQ(MittelpunktStreuung(0.3, 0.0), 1.0);
    EXPECT_EQ(MittelpunktStreuung(0.3, 1.0), 0.3);
    EXPECT_DOUBLE_EQ(MittelpunktStreuung(0.3, 0.5), 0.65);
    EXPECT_DOUBLE_EQ(MittelpunktStreuung(0.3, -1.0), 2.0 + 0.7);
    EXPECT_DOUBLE_EQ(MittelpunktStreuung(0.8, -0.5), 1.5 + 0.5 * 0.2);
    EXPECT_EQ(KosinusInterpolation(2.0, 6.0, 0.0), 2.0);
    EXPECT_EQ(KosinusInterpolation(2.0, 6.0, 1.0), 6.0);
    EXPECT_DOUBLE_EQ(KosinusInterpolation(2.0, 6.0, 0.5), 4.0);
    EXPECT_NEAR(KosinusInterpolation(0.0, 1.0, 0.25), (1 - std::sqrt(0.5)) / 2, 1e-15);
}

TEST(Mittelpunkt, EdgeKeepsTheFirstValueAndTreatsZeroAsUnset) {
    Dokument dok;
    const MittelpunktParamRec p = MittelpunktStandard();
    setzeSeed(dok, 5);
    // Stored value kept: the point takes it, the draw still happens.
    dok.Zweitbild(4, 3) = 0.25;
    auto E = MittelpunktKante(dok, p, {0, 3, 0.5}, {9, 3, 0.7}, 1.0);
    EXPECT_EQ(E.x, 4);  // 9 / 2 rounds toward zero
    EXPECT_EQ(E.y, 3);
    EXPECT_EQ(E.h, 0.25);
    EXPECT_EQ(dok.RandSeed, 5u * 134775813u + 1u);
    // A stored 0 is overwritten by the new value.
    dok.Zweitbild(4, 3) = 0.0;
    setzeSeed(dok, 5);
    E = MittelpunktKante(dok, p, {0, 3, 0.5}, {9, 3, 0.7}, 1.0);
    const double r = double(5u * 134775813u + 1u) / 4294967296.0;
    EXPECT_EQ(E.h, 0.6 + (r - 0.5) * 1.0 * 1.0);
    EXPECT_EQ(dok.Zweitbild(4, 3), E.h);
    // Negative midpoints (outside the array) are returned but never stored.
    E = MittelpunktKante(dok, p, {-6, -1, 0.5}, {-2, -1, 0.5}, 1.0);
    EXPECT_EQ(E.x, -4);
    EXPECT_EQ(dok.Zweitbild(-1, -1), 0.0);
}

void vergleichen(int maxX, int maxY, MittelpunktParamRec p, int levels) {
    Dokument dok;
    dok.MaxX = maxX;
    dok.MaxY = maxY;
    dok.Zweitbild.fuellen(0.5);
    setzeSeed(dok, 12345);
    MittelpunktBerechnen(dok, p);
    Referenz ref{.seed = 12345, .anstieg = p.Anstieg, .H = p.Hoehenabhaengigkeit};
    ref.berechnen(levels, std::min(p.Ebenen, levels));
    EXPECT_EQ(dok.RandSeed, ref.seed);
    for (int x = 0; x <= 2049; ++x)
        for (int y = 0; y <= 2049; ++y)
            ASSERT_EQ(dok.Zweitbild(x, y), ref.at(x, y))
                << "Ebenen " << p.Ebenen << " at " << x << "," << y;
    EXPECT_EQ(dok.Zweitbild(-1, 5), 0.0);
}

TEST(Mittelpunkt, MatchesReferenceAtEveryDepth) {
    MittelpunktParamRec p = MittelpunktStandard();
    for (int e : {2, 3, 5, 7, 8, 11}) {  // 11 is lowered to the 8 levels of 129 samples
        p.Ebenen = e;
        p.Hoehenabhaengigkeit = (e % 3 - 1) * 0.7;
        p.Anstieg = e % 2 ? 1.3 : 0.6;
        vergleichen(128, 100, p, 8);
    }
    p.Ebenen = 4;
    vergleichen(600, 520, p, 10);
}

TEST(Mittelpunkt, FullDepthSetsEverySampleWithoutFill) {
    Dokument dok;
    dok.MaxX = dok.MaxY = 255;
    setzeSeed(dok, 99);
    MittelpunktParamRec p = MittelpunktStandard();
    p.Ebenen = 8;
    MittelpunktBerechnen(dok, p);
    for (int x = 0; x <= 256; ++x)
        for (int y = 0; y <= 256; ++y)
            ASSERT_NE(dok.Zweitbild(x, y), 0.0) << x << "," << y;
    EXPECT_EQ(dok.Zweitbild(257, 0), 0.0);
}

TEST(Mittelpunkt, TwoLevelsGiveAFourByFourLatticeJoinedByCosines) {
    Dokument dok;
    dok.MaxX = dok.MaxY = 127;  // N = 256, S = 64
    setzeSeed(dok, 7);
    MittelpunktParamRec p = MittelpunktStandard();
    p.Ebenen = 2;
    MittelpunktBerechnen(dok, p);
    // Lattice point values, then a sample between two along x.
    const double a = dok.Zweitbild(64, 128), b = dok.Zweitbild(128, 128);
    EXPECT_NEAR(dok.Zweitbild(96, 128), (a + b) / 2, 1e-12);
    EXPECT_NEAR(dok.Zweitbild(80, 128), KosinusInterpolation(a, b, 0.25), 1e-12);
    // Along the last row the far edge is included.
    EXPECT_NE(dok.Zweitbild(256, 256), 0.0);
}

TEST(Mittelpunkt, SeededRunRepeatsAndTheSequenceContinues) {
    Dokument a, b;
    a.MaxX = b.MaxX = 64;
    a.MaxY = b.MaxY = 40;
    setzeSeed(a, 2024);
    setzeSeed(b, 2024);
    const MittelpunktParamRec p = MittelpunktStandard();
    MittelpunktErzeugen(a, p);
    MittelpunktErzeugen(b, p);
    bool anders = false;
    for (int x = 0; x <= 64; ++x)
        for (int y = 0; y <= 40; ++y)
            ASSERT_EQ(a.Zweitbild(x, y), b.Zweitbild(x, y));
    const double alt = a.Zweitbild(10, 10);
    MittelpunktErzeugen(a, p);
    anders = a.Zweitbild(10, 10) != alt;
    EXPECT_TRUE(anders);
}

TEST(Mittelpunkt, FinishStretchesAndInverts) {
    Dokument dok;
    dok.MaxX = 2;
    dok.MaxY = 1;
    const double werte[3][2] = {{0.2, 0.4}, {0.6, 1.0}, {0.3, 0.2}};
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            dok.Zweitbild(x, y) = werte[x][y];
    MittelpunktParamRec p = MittelpunktStandard();
    p.Invertieren = true;
    MittelpunktAbschluss(dok, p);
    const double soll[3][2] = {{1.0, 0.75}, {0.5, 0.0}, {0.875, 1.0}};
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            EXPECT_NEAR(dok.Zweitbild(x, y), soll[x][y], 1e-15);
}

TEST(Mittelpunkt, PreviewOf128SamplesSeesAQuarterOfTheSquare) {
    auto dok = std::make_unique<Dokument>();
    dok->MaxX = dok->MaxY = 127;
    for (int x = 0; x <= 256; ++x)
        for (int y = 0; y <= 256; ++y)
            dok->Zweitbild(x, y) = x * 1000 + y;
    auto v = std::make_unique<Vorschaufeld>();
    const VorschauSpanne s = MittelpunktVorschau(*dok, *v);
    EXPECT_EQ(v->werte[0][0], 0.0);
    EXPECT_EQ(v->werte[2][4], 1 * 1000 + 2);          // 2 * 128 / 256 = 1, 4 -> 2
    EXPECT_EQ(v->werte[3][5], 2 * 1000 + 2);          // 1.5 -> 2, 2.5 -> 2
    EXPECT_EQ(v->werte[255][255], 128 * 1000 + 128);  // 127.5 rounds to even 128
    EXPECT_EQ(s.minimum, 0.0);
    EXPECT_EQ(s.maximum, 128 * 1000 + 128);
    const auto profil = MittelpunktProfil(*dok);
    EXPECT_EQ(profil[0], 0.0);
    EXPECT_EQ(profil[3], 1 * 1000 + 1);        // 384 / 512 = 0.75 -> 1
    EXPECT_EQ(profil[511], 128 * 1000 + 128);  // 127.75 -> 128
}

TEST(Profil, RowsFlipOnRequestAndFlatProfilesStay) {
    std::array<double, 512> v{};
    for (int i = 0; i < 512; ++i)
        v[i] = i % 3;  // 0, 1, 2
    auto z = ProfilZeilen(v, 107, false);
    EXPECT_EQ(z[0], 1);
    EXPECT_EQ(z[1], 52 + 1);  // 105 * 0.5 = 52.5 -> 52 (even) + 1
    EXPECT_EQ(z[2], 106);
    z = ProfilZeilen(v, 107, true);
    EXPECT_EQ(z[0], 106);
    EXPECT_EQ(z[2], 1);
    v.fill(0.4);  // flat: minimum 0, scale 1
    z = ProfilZeilen(v, 107, false);
    EXPECT_EQ(z[100], 43);  // 105 * 0.4 = 42 + 1
    v.fill(7.0);            // flat above 1 is limited to the top
    EXPECT_EQ(ProfilZeilen(v, 107, false)[5], 106);
}

}  // namespace
}  // namespace gm
