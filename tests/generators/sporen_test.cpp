#include "generators/sporen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "core/zufall.h"

namespace gm {
namespace {

// ---- Straightforward reference: its own generator for the tables, the
// noise blends in real arithmetic with floor (exact at these magnitudes, so
// independent of any integer width), the 27 feature points visited as
// written, the cell index wrapped with the point moved along. ----
struct Referenz {
    std::uint32_t seed;
    int P[515] = {};
    int G[514][3] = {};
    int F[64][64][4][3] = {};  // [i][j][l]

    double zufall() {
        seed = seed * 134775813u + 1u;
        return seed / 4294967296.0;
    }
    explicit Referenz(std::uint32_t s) : seed(s) {
        for (int n = 0; n < 256; ++n) {
            P[n] = n;
            double g[3];
            for (double& k : g)
                k = (std::floor(zufall() * 512) - 256) / 256;
            const double len = std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
            for (int k = 0; k < 3; ++k)
                G[n][k] = int(std::trunc((len > 1e-5 ? g[k] / len : g[k]) * 1024));
        }
        for (int n = 0; n < 256; ++n)
            std::swap(P[n], P[int(zufall() * 256)]);
        for (int n = 0; n <= 257; ++n) {
            P[256 + n] = P[n];
            for (int k = 0; k < 3; ++k)
                G[256 + n][k] = G[n][k];
        }
        for (int i = 0; i < 64; ++i)
            for (int j = 0; j < 64; ++j)
                for (int l = 0; l < 4; ++l) {
                    F[i][j][l][0] = int(std::nearbyint((zufall() + i) * 2048));
                    F[i][j][l][1] = int(std::nearbyint((zufall() + j) * 2048));
                    F[i][j][l][2] = int(std::nearbyint((zufall() + l) * 2048));
                }
    }
    double noise(int x, int y, int z) const {
        int b0[3], b1[3], f[3][2], s[3];
        const int c[3] = {x, y, z};
        for (int k = 0; k < 3; ++k) {
            const int t = c[k] + (1 << 30);
            b0[k] = (t >> 10) & 255;
            b1[k] = (b0[k] + 1) & 255;
            f[k][0] = t & 1023;
            f[k][1] = f[k][0] - 1024;
            s[k] = ((3072 - 2 * f[k][0]) * f[k][0] * f[k][0]) >> 20;
        }
        const int i = P[b0[0]], j = P[b1[0]];
        const int bb[2][2] = {{P[i + b0[1]], P[i + b1[1]]}, {P[j + b0[1]], P[j + b1[1]]}};
        auto ecke = [&](int ix, int iy, int iz) {
            const int* g = G[bb[ix][iy] + (iz ? b1[2] : b0[2])];
            return double(g[0]) * f[0][ix] + double(g[1]) * f[1][iy] + double(g[2]) * f[2][iz];
        };
        auto blend = [](double u, double v, int sw) { return u * 1024 + (v - u) * sw; };
        double ebene[2];
        for (int iz = 0; iz < 2; ++iz) {
            const double a = std::floor(blend(ecke(0, 0, iz), ecke(1, 0, iz), s[0]) / 1048576);
            const double b = std::floor(blend(ecke(0, 1, iz), ecke(1, 1, iz), s[0]) / 1048576);
            ebene[iz] = blend(a, b, s[1]);
        }
        return std::floor(blend(ebene[0], ebene[1], s[2]) / 1048576);
    }
    int turbulenz(int x, int y) const {
        int summe = 0;
        for (int k = 0; k < 3; ++k)
            summe += int(noise(x << k, y << k, 0)) / (1 << k);
        return std::abs(summe);
    }
    double wert(const SporenParamRec& p, int zx, int zy, int x, int y) const {
        const double w = p.SporenZoom;
        const int px = int(std::nearbyint((1 - w) * (double(x) / zx + 3) * 2048 +
                                          w * turbulenz(30 * x, 30 * y))) /
                       2;
        const int py = int(std::nearbyint((1 - w) * (double(y) / zy + 3) * 2048 +
                                          w * turbulenz(27 * x, 27 * y))) /
                       2;
        int f1 = 100000, f2 = 100000;
        for (int i = px / 2048 - 1; i <= px / 2048 + 1; ++i)
            for (int j = py / 2048 - 1; j <= py / 2048 + 1; ++j)
                for (int l = 0; l < 3; ++l) {
                    const int ti = (i % 64 + 64) % 64, tj = (j % 64 + 64) % 64;
                    const long dx = px - (F[ti][tj][l][0] + (i - ti) * 2048L);
                    const long dy = py - (F[ti][tj][l][1] + (j - tj) * 2048L);
                    const long dz = 2048 - F[ti][tj][l][2];
                    const int d = int((dx * dx + dy * dy + dz * dz) >> 10);
                    if (d < f1) {
                        f2 = f1;
                        f1 = d;
                    } else if (d < f2) {
                        f2 = d;
                    }
                }
        double v = std::min(1.0, std::sqrt((f2 - f1) / 2048.0));
        if (v < p.SporenUnten) v = p.SporenUnten;
        if (v > p.SporenOben) v = p.SporenOben;
        return v;
    }
};

SporenParamRec standard() {
    return recordVorgaben<SporenParamRec>(SporenParameter());
}

struct Aufbau {
    std::unique_ptr<Dokument> d = std::make_unique<Dokument>();
    std::unique_ptr<SporenTabellen> t = std::make_unique<SporenTabellen>();
    explicit Aufbau(std::uint32_t seed) {
        setzeSeed(*d, seed);
        SporenTabellenBilden(*d, *t);
    }
};

TEST(Sporen, TablesNoiseAndFieldMatchTheStepsOnEveryWeightAndCellSize) {
    Aufbau a(77);
    const auto ref = std::make_unique<Referenz>(77);
    EXPECT_EQ(a.d->RandSeed, ref->seed);
    for (int n = 0; n < 514; ++n) {
        ASSERT_EQ(a.t->Permutation[n], ref->P[n]) << n;
        for (int k = 0; k < 3; ++k)
            ASSERT_EQ(a.t->Gradienten[n][k], ref->G[n][k]) << n;
    }
    for (int i = 0; i < 64; ++i)
        for (int j = 0; j < 64; ++j)
            for (int l = 0; l < 4; ++l) {
                const SporenPunkt& f = a.t->Merkmalspunkte[(j * 64 + i) * 4 + l];
                ASSERT_EQ(f.x, ref->F[i][j][l][0]);
                ASSERT_EQ(f.y, ref->F[i][j][l][1]);
                ASSERT_EQ(f.z, ref->F[i][j][l][2]);
            }
    // The 3D noise at random lattice positions, z included; some blends here
    // pass 2^31 in 32-bit products.
    std::uint32_t s = 5;
    for (int k = 0; k < 20000; ++k) {
        s = s * 1664525u + 1013904223u;
        const int x = int(s % 400000), y = int((s >> 8) % 400000), z = int((s >> 16) % 9000);
        ASSERT_EQ(SporenNoise(*a.t, x, y, z), ref->noise(x, y, z)) << x << "," << y << "," << z;
    }
    struct Fall {
        int zx, zy;
        double zoom, unten, oben;
    } faelle[] = {{16, 16, 0.5, 0, 1},
                  {2, 3, 0.0, 0, 1},
                  {5, 40, 1.0, 0, 1},
                  {999, 2, 0.25, 0.3, 0.7},
                  {7, 7, 0.8, 0.1, 0.5}};
    a.d->MaxX = 46;
    a.d->MaxY = 33;
    for (const Fall& f : faelle) {
        SporenParamRec p = standard();
        p.SporenZellenX = f.zx;
        p.SporenZellenY = f.zy;
        p.SporenZoom = f.zoom;
        p.SporenUnten = f.unten;
        p.SporenOben = f.oben;
        SporenBerechnen(*a.d, p, *a.t);
        for (int x = 0; x <= 46; ++x)
            for (int y = 0; y <= 33; ++y) {
                ASSERT_EQ(a.d->Zweitbild(x, y), ref->wert(p, f.zx, f.zy, x, y))
                    << f.zx << " at " << x << "," << y;
                ASSERT_EQ(a.d->Zweitbild(x, y), SporenWert(*a.t, p, f.zx, f.zy, x, y));
                ASSERT_TRUE(a.d->Zweitbild(x, y) >= f.unten && a.d->Zweitbild(x, y) <= f.oben);
            }
    }
}

TEST(Sporen, BothKernelsMatchTheSampleFormOnLongColumnsAndRows) {
    // The largest field's columns and rows reach lattice rows up to 240 of
    // the tables the fill keeps per column; rows go in groups of 8, and 2050
    // is no multiple of it.
    Aufbau a(19);
    SporenParamRec p = standard();
    p.SporenZoom = 0.7;
    p.SporenZellenX = 3;
    p.SporenZellenY = 5;
    for (const SporenKern kern : {SporenKern::Skalar, SporenKern::Avx2}) {
        for (const auto& [maxX, maxY] : {std::pair{4, FeldMaxIndex}, std::pair{FeldMaxIndex, 4}}) {
            a.d->MaxX = maxX;
            a.d->MaxY = maxY;
            SporenBerechnen(*a.d, p, *a.t, kern);
            for (int x = 0; x <= maxX; ++x)
                for (int y = 0; y <= maxY; ++y)
                    ASSERT_EQ(a.d->Zweitbild(x, y), SporenWert(*a.t, p, 3, 5, x, y))
                        << int(kern) << " at " << x << "," << y;
        }
    }
}

TEST(Sporen, PastTheTableThePatternRepeatsWithoutSeamsAndValuesStayReal) {
    // Weight 0 and 2-step cells: x advances 512 units per step, so the 64
    // cells of the table (131072 units) repeat every 256 steps, and the
    // search at x = 0 starts in cell 0 - 1. Points that did not move with the
    // wrapped index would break the repetition at the seam.
    Aufbau a(3);
    a.d->MaxX = 600;
    a.d->MaxY = 12;
    SporenParamRec p = standard();
    p.SporenZellenX = 2;
    p.SporenZoom = 0.0;
    SporenBerechnen(*a.d, p, *a.t);
    std::set<double> werte;
    for (int x = 0; x + 256 <= 600; ++x)
        for (int y = 0; y <= 12; ++y) {
            ASSERT_EQ(a.d->Zweitbild(x + 256, y), a.d->Zweitbild(x, y)) << x << "," << y;
            werte.insert(a.d->Zweitbild(x, y));
        }
    // (F2 - F1) / 2048 stays real: far more than the two values 0 and 1.
    EXPECT_GT(werte.size(), 500u);
    EXPECT_LT(*werte.begin(), 0.05);  // ridges run where two points are equally far
}

TEST(Sporen, PreviewCellsAreAtLeastOneAndGammaStretches) {
    EXPECT_EQ(SporenVorschauZellen(2, 2048), 1);  // Round(0.249) would be 0
    EXPECT_EQ(SporenVorschauZellen(16, 512), 8);
    EXPECT_EQ(SporenVorschauZellen(999, 4), 63686);
    Aufbau a(11);
    SporenParamRec p = standard();
    auto v = std::make_unique<Vorschaufeld>();
    const VorschauSpanne eigen = SporenVorschau(p, *a.t, 2048, 2048, *v);
    EXPECT_GT(eigen.maximum, eigen.minimum);
    const double probe = v->werte[100][37];
    EXPECT_EQ(probe, SporenWert(*a.t, p, 2, 2, 100, 37));  // Round(16 * 255 / 2048)
    p.SporenGamma = 2.0;
    const VorschauSpanne g = SporenVorschau(p, *a.t, 2048, 2048, *v);
    EXPECT_EQ(g.minimum, 0.0);
    EXPECT_EQ(g.maximum, 1.0);
    const double gestreckt = (probe - eigen.minimum) / (eigen.maximum - eigen.minimum);
    EXPECT_DOUBLE_EQ(v->werte[100][37], gestreckt * gestreckt);
}

}  // namespace
}  // namespace gm
