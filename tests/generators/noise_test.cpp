#include "generators/noise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "core/kombination.h"
#include "core/puffer.h"
#include "core/zufall.h"
#include "generators/noise_raster.h"

namespace gm {
namespace {

// ---- Straightforward reference of Noise2D and NoisePunkt ----

double refNoise2D(const NoiseTabellen& t, double x, double y) {
    const double tx = x + 4096, ty = y + 4096;
    const long long ix = (long long)tx, iy = (long long)ty;
    const int bx0 = int(ix & 255), bx1 = (bx0 + 1) & 255;
    const int by0 = int(iy & 255), by1 = (by0 + 1) & 255;
    const double rx0 = tx - double(ix), rx1 = rx0 - 1, ry0 = ty - double(iy), ry1 = ry0 - 1;
    const double sx = rx0 * rx0 * (3 - 2 * rx0), sy = ry0 * ry0 * (3 - 2 * ry0);
    const auto& P = t.Permutation;
    const auto& G = t.Gradient;
    const unsigned i = P[bx0], j = P[bx1];
    const unsigned b00 = P[i + by0], b10 = P[j + by0], b01 = P[i + by1], b11 = P[j + by1];
    double u = rx0 * G[b00].gx + ry0 * G[b00].gy;
    double v = rx1 * G[b10].gx + ry0 * G[b10].gy;
    const double a = u + sx * (v - u);
    u = rx0 * G[b01].gx + ry1 * G[b01].gy;
    v = rx1 * G[b11].gx + ry1 * G[b11].gy;
    const double b = u + sx * (v - u);
    return a + sy * (b - a);
}

double refMethode(const NoiseParamRec& p, const NoiseTabellen& t, const NoiseGewichtTabellen& w,
                  double x, double y) {
    const int m = p.Methode % 2 == 1 ? 2 : 1;
    const double *F = w.Frequenz, *A = w.Amplitude, L = p.Anstieg1, O = p.Offset;
    auto N = [&](double a, double b) { return refNoise2D(t, a, b); };
    auto term = [&](double z) { return m == 1 ? z : std::fabs(z); };
    double px = x, py = y;
    if (p.Methode == 0 || p.Methode == 1) {
        double S = 0;
        for (int k = 1; k <= 11; ++k)
            if (p.Level[k - 1]) S = S + term(N(x * F[k], y * F[k]) * A[k]);
        return S;
    }
    if (p.Methode == 2 || p.Methode == 3) {
        double S = 0;
        for (int k = 1; k <= 11; ++k) {
            if (!p.Level[k - 1]) continue;
            double n = N(px, py) * F[k];
            px *= L, py *= L;
            S = S + term(n * A[k]);
        }
        return S;
    }
    if (p.Methode == 4 || p.Methode == 5) {
        double V = 1;
        for (int k = 1; k <= 11; ++k) {
            if (!p.Level[k - 1]) continue;
            double s = N(px, py) + O;
            px *= L, py *= L;
            V = m == 1 ? V * s * A[k] : V * std::fabs(s * A[k]);
        }
        return V;
    }
    if (p.Methode == 6 || p.Methode == 7) {
        double V = N(x, y) + O;
        px = x * L, py = y * L;
        for (int k = 1; k <= 11; ++k) {
            if (!p.Level[k - 1]) continue;
            double s = (N(px, py) + O) * F[k];
            px *= L, py *= L;
            V = m == 1 ? V + V * s * A[k] : V + V * std::fabs(s * A[k]);
        }
        return V;
    }
    if (p.Methode == 8 || p.Methode == 9) {
        double R = (N(x, y) + O) * F[0], W = R;
        px = x * L, py = y * L;
        for (int k = 1; k <= 11; ++k) {
            if (!p.Level[k - 1]) continue;
            double s = (N(px, py) + O) * F[k];
            px *= L, py *= L;
            if (W > 1) W = 1;
            R = m == 1 ? R + W * s * A[k] : R + W * std::fabs(s * A[k]);
            W = W * s;
        }
        return R;
    }
    if (p.Methode == 10) {
        double s = (O - std::fabs(N(x, y))) * (O - std::fabs(N(x, y))), R = s;
        for (int k = 1; k <= 11; ++k) {
            if (!p.Level[k - 1]) continue;
            px *= L, py *= L;
            double W = s * p.Anstieg2;
            if (W > 1) W = 1;
            if (W < 0) W = 0;
            double d = O - std::fabs(N(px, py));
            s = d * d * W;
            R = R + s * F[k];
        }
        return R;
    }
    return 0;
}

double refAchse(int typ, double versch, double a, double n, double iter) {
    if (typ == 2) return n;
    if (typ == 3) return std::sin((versch + a + n) * iter);
    if (typ == 4) return n * iter - std::trunc(n * iter);
    return 1;
}

double refPunkt(const NoiseParamRec& p, const NoiseTabellen& t, double x, double y) {
    const NoiseGewichtTabellen w = NoiseGewichte(p);
    x += 0.005, y += 0.005;
    const double n = refMethode(p, t, w, x, y);
    const double fx = refAchse(p.TypX, p.VerschiebungX, x, n, p.IterationenX);
    const double fy = refAchse(p.TypY, p.VerschiebungY, y, n, p.IterationenY);
    switch (p.Verknuepfung) {
        case 0:
            return fx * fy;
        case 1:
            return fx + fy;
        case 2:
            return fx - fy;
        case 3:
            return fy - fx;
    }
    return 0;
}

std::unique_ptr<NoiseTabellen> tabellen(double seed) {
    auto t = std::make_unique<NoiseTabellen>();
    NoiseTabellenAufbau(*t, seed);
    return t;
}

// Raster at the sample positions of NoiseBerechnen for nx x ny points.
std::vector<double> raster(const NoiseParamRec& p, const NoiseTabellen& t, int nx, int ny,
                           NoiseKern kern, int threads) {
    std::vector<double> xs(nx), ys(ny), aus(std::size_t(nx) * ny);
    for (int i = 0; i < nx; ++i)
        xs[i] = double(i) / (nx - 1) + 0.0001;
    for (int j = 0; j < ny; ++j)
        ys[j] = double(j) / (ny - 1) + 0.0001;
    NoiseRaster(p, t, xs, ys, aus.data(), ny, kern, threads);
    return aus;
}

bool bitGleich(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// ---- Hash, tables, weights ----

TEST(NoiseHash, MatchesHandComputedValues) {
    // n = 0: u = 1376312589 whatever the seed, r = u (below 2^31).
    EXPECT_DOUBLE_EQ(NoiseHash(0, 0, 15731), 1.0 - 1376312589.0 / 2147483648.0);
    EXPECT_EQ(NoiseHash(0, 0, 15731), NoiseHash(0, 0, 3));
    // n = 1 ^ (1 << 13) = 8193; t = 8193 * 15731 + 789221; u = 8193 * t + 1376312589.
    EXPECT_EQ(NoiseHash(1, 0, 15731), 1.0 - 785286501.0 / 2147483648.0);
    EXPECT_EQ(NoiseHash(17, 61, 15360), 1.0 - 1365229195.0 / 2147483648.0);
    EXPECT_EQ(NoiseHash(0, 1, 3), 1.0 - 2010894365.0 / 2147483648.0);
    // The seed is rounded to a whole number, halves to even.
    EXPECT_EQ(NoiseHash(0, 1, 2.5), NoiseHash(0, 1, 2));
    EXPECT_EQ(NoiseHash(0, 1, 3.4), NoiseHash(0, 1, 3));
    // Huge or non-finite seeds stay defined and in (0, 1].
    for (double s : {1e300, -1e300, 1e19, double(NAN), double(INFINITY)}) {
        const double h = NoiseHash(5, 7, s);
        EXPECT_GT(h, 0.0);
        EXPECT_LE(h, 1.0);
    }
}

TEST(NoiseTabellen, FirstEntriesOfSeed15360AndUpwardExtension) {
    auto t = tabellen(15360);
    const unsigned erwartet[] = {1949, 1914, 1325, 1479, 1404, 447};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(t->Permutation[i], erwartet[i]) << i;
    EXPECT_EQ(t->Gradient[0].gx, -0.7071067811865475);
    EXPECT_EQ(t->Gradient[0].gy, -0.7071067811865475);
    EXPECT_EQ(t->Gradient[1].gx, -0.8951426891786152);
    EXPECT_EQ(t->Gradient[1].gy, -0.4457797281282284);
    EXPECT_EQ(t->Gradient[2].gx, 0.15589581980357714);
    EXPECT_EQ(t->Gradient[2].gy, 0.9877735030702993);
    // Entry 2049 is overwritten by entry 0; every upper entry repeats k - 2049.
    for (int k = 2049; k <= 4100; ++k) {
        ASSERT_EQ(t->Permutation[k], t->Permutation[k - 2049]) << k;
        ASSERT_EQ(t->Gradient[k].gx, t->Gradient[k - 2049].gx) << k;
    }
    std::vector<int> gesehen(2050, 0);
    for (int k = 0; k <= 2049; ++k) {
        ASSERT_LE(t->Permutation[k], 2049u);
        gesehen[t->Permutation[k]]++;
        const auto g = t->Gradient[k];
        EXPECT_NEAR(g.gx * g.gx + g.gy * g.gy, 1.0, 1e-12);
    }
    // 0..2048 stay a permutation; the extension replaced entry 2049 by entry 0.
    for (int v = 0; v <= 2049; ++v)
        EXPECT_LE(gesehen[v], 2) << v;
    EXPECT_EQ(t->Startwert, 15360);
}

TEST(NoiseTabellen, SameSeedSameTablesOtherSeedOtherTables) {
    auto a = tabellen(777), b = tabellen(777), c = tabellen(778);
    EXPECT_EQ(std::memcmp(a->Permutation.data(), b->Permutation.data(), sizeof a->Permutation), 0);
    EXPECT_EQ(std::memcmp(a->Gradient.data(), b->Gradient.data(), sizeof a->Gradient), 0);
    EXPECT_NE(std::memcmp(a->Permutation.data(), c->Permutation.data(), sizeof a->Permutation), 0);
}

TEST(NoiseGewichte, PowersOfLacunarityAndGain) {
    NoiseParamRec p = NoiseStandard();
    p.Anstieg1 = 2.0;
    p.Anstieg2 = 4.0;
    p.FraktalDimension = 1.0;
    auto w = NoiseGewichte(p);
    for (int k = 0; k <= 11; ++k) {
        EXPECT_EQ(w.Frequenz[k], std::ldexp(1.0, k));
        EXPECT_EQ(w.Amplitude[k], std::ldexp(1.0, -2 * k));
    }
    p.FraktalDimension = 0.0;
    w = NoiseGewichte(p);
    for (int k = 0; k <= 11; ++k) {
        EXPECT_EQ(w.Frequenz[k], 1.0);
        EXPECT_EQ(w.Amplitude[k], 1.0);
    }
}

TEST(Noise2D, ZeroAtLatticePointsAndPeriod256) {
    auto t = tabellen(15360);
    for (double x : {0.0, 3.0, 255.0, -17.0})
        for (double y : {0.0, 1.0, 100.0})
            EXPECT_EQ(Noise2D(*t, x, y), 0.0);
    for (double x : {0.375, 1.5, 77.25})
        for (double y : {0.125, 9.75}) {
            EXPECT_EQ(Noise2D(*t, x + 256, y), Noise2D(*t, x, y));
            EXPECT_EQ(Noise2D(*t, x, y + 512), Noise2D(*t, x, y));
            EXPECT_NE(Noise2D(*t, x, y), 0.0);
        }
    // Beyond the 64-bit range the cell is reduced modulo 256: defined, offset 0.
    EXPECT_EQ(Noise2D(*t, 1e22, 0.5), Noise2D(*t, std::fmod(1e22 + 4096, 256.0), 0.5));
    EXPECT_TRUE(std::isfinite(Noise2D(*t, -1e30, 1e25)));
}

// ---- The fast raster against the reference ----

NoiseParamRec variante(int methode, int i) {
    NoiseParamRec p = NoiseStandard();
    p.Methode = methode;
    p.Offset = 0.3 + 0.1 * (i % 3);
    p.FraktalDimension = 0.25 * (1 + i % 4);
    p.Anstieg1 = 1.7 + 0.45 * (i % 3);
    p.Anstieg2 = 1.5 + (i % 5);
    p.TypX = 1 + (i + methode) % 4;
    p.TypY = 1 + (i * 3 + methode) % 4;
    p.Verknuepfung = i % 5;  // 4 is outside and gives 0
    p.IterationenX = 3.3;
    p.IterationenY = 170.0;
    p.VerschiebungX = 0.4;
    p.VerschiebungY = 1.1;
    for (int k = 0; k < 11; ++k)
        p.Level[k] = ((k + i) % 4) != 3;
    return p;
}

TEST(NoiseRaster, BitIdenticalToReferenceForEveryMethodKernelAndThreadCount) {
    auto t = tabellen(4242);
    const int nx = 23, ny = 37;  // odd sizes leave kernel tails
    for (int methode = -1; methode <= 11; ++methode) {
        for (int i = 0; i < 3; ++i) {
            const NoiseParamRec p = variante(methode, i);
            for (NoiseKern kern :
                 {NoiseKern::Skalar, NoiseKern::Avx2, NoiseKern::Avx512, NoiseKern::Auto}) {
                if (!NoiseKernVerfuegbar(kern)) continue;
                const auto ist = raster(p, *t, nx, ny, kern, 1 + (i % 3));
                for (int x = 0; x < nx; ++x)
                    for (int y = 0; y < ny; ++y) {
                        const double soll = refPunkt(p, *t, double(x) / (nx - 1) + 0.0001,
                                                     double(y) / (ny - 1) + 0.0001);
                        ASSERT_TRUE(bitGleich(ist[std::size_t(x) * ny + y], soll))
                            << "method " << methode << " variant " << i << " kernel " << int(kern)
                            << " at " << x << "," << y << ": " << ist[std::size_t(x) * ny + y]
                            << " vs " << soll;
                    }
            }
        }
    }
}

TEST(NoiseRaster, FullWidthHighFrequenciesMatchReference) {
    // 2049 columns reach the fine lattice steps of the top levels.
    auto t = tabellen(15360);
    for (int methode : {0, 10}) {
        NoiseParamRec p = NoiseStandard();
        p.Methode = methode;
        const auto ist = raster(p, *t, 2049, 9, NoiseKern::Auto, 2);
        for (int x = 0; x < 2049; x += 7)
            for (int y = 0; y < 9; ++y)
                ASSERT_TRUE(bitGleich(ist[std::size_t(x) * 9 + y],
                                      refPunkt(p, *t, x / 2048.0 + 0.0001, y / 8.0 + 0.0001)))
                    << x << "," << y;
    }
}

TEST(NoiseRaster, AllLevelsOffForEachFamily) {
    auto t = tabellen(15360);
    NoiseParamRec p = NoiseStandard();
    for (bool& l : p.Level)
        l = false;
    for (int methode = 0; methode <= 10; ++methode) {
        p.Methode = methode;
        const auto ist = raster(p, *t, 6, 5, NoiseKern::Auto, 1);
        for (int x = 0; x < 6; ++x)
            for (int y = 0; y < 5; ++y) {
                const double xs = x / 5.0 + 0.0001 + 0.005, ys = y / 4.0 + 0.0001 + 0.005;
                const double n0 = refNoise2D(*t, xs, ys);
                double soll = 0.0;  // fBm1, fBm2
                if (methode == 4 || methode == 5) soll = 1.0;
                if (methode >= 6 && methode <= 9) soll = n0 + p.Offset;
                if (methode == 10) soll = (p.Offset - std::fabs(n0)) * (p.Offset - std::fabs(n0));
                EXPECT_EQ(ist[x * 5 + y], soll) << methode;
            }
    }
    // Stretched, a uniform field becomes 0.
    Dokument dok;
    dok.MaxX = dok.MaxY = 6;
    p.Methode = 0;
    NoiseBerechnen(dok, p, *t);
    for (int x = 0; x <= 6; ++x)
        for (int y = 0; y <= 6; ++y)
            EXPECT_EQ(dok.Zweitbild(x, y), 0.0);
}

TEST(NoiseRaster, FraktalDimensionZeroSumsTheSameSampleElevenTimes) {
    auto t = tabellen(15360);
    NoiseParamRec p = NoiseStandard();
    p.FraktalDimension = 0.0;
    const auto ist = raster(p, *t, 4, 4, NoiseKern::Auto, 1);
    const double n = refNoise2D(*t, 1.0 / 3 + 0.0001 + 0.005, 2.0 / 3 + 0.0001 + 0.005);
    double S = 0;
    for (int k = 0; k < 11; ++k)
        S += n;
    EXPECT_EQ(ist[1 * 4 + 2], S);
}

// ---- Full field, preview, profile ----

TEST(NoiseBerechnen, StretchesInvertsAndZeroesTheRest) {
    auto t = tabellen(999);
    Dokument dok;
    dok.Zweitbild.fuellen(7.0);
    dok.MaxX = 8;
    dok.MaxY = 5;
    NoiseParamRec p = NoiseStandard();
    std::vector<double> roh;
    for (int x = 0; x <= 8; ++x)
        for (int y = 0; y <= 5; ++y)
            roh.push_back(refPunkt(p, *t, x / 8.0 + 0.0001, y / 5.0 + 0.0001));
    double mn = roh[0], mx = roh[0];
    for (double v : roh)
        mn = std::min(mn, v), mx = std::max(mx, v);
    for (bool inv : {false, true}) {
        p.Invertieren = inv;
        NoiseBerechnen(dok, p, *t);
        for (int x = 0; x <= 8; ++x)
            for (int y = 0; y <= 5; ++y) {
                double v = std::clamp((roh[x * 6 + y] - mn) * (1.0 / (mx - mn)), 0.0, 1.0);
                if (inv) v = std::clamp(1.0 - v, 0.0, 1.0);
                EXPECT_EQ(dok.Zweitbild(x, y), v);
            }
        EXPECT_EQ(dok.Zweitbild(9, 0), 0.0);
        EXPECT_EQ(dok.Zweitbild(-1, -1), 0.0);
        EXPECT_EQ(dok.Zweitbild(2049, 2049), 0.0);
    }
}

TEST(NoiseVorschau, SamplesWithoutTheSmallShiftAndTracksRange) {
    auto t = tabellen(15360);
    NoiseParamRec p = NoiseStandard();
    p.Methode = 8;
    auto v = std::make_unique<Vorschaufeld>();
    const VorschauSpanne s = NoiseVorschau(p, *t, *v);
    double mn = 1000, mx = -1000;
    for (int i = 0; i < 256; ++i)
        for (int j = 0; j < 256; ++j) {
            const double soll = refPunkt(p, *t, i / 255.0, j / 255.0);
            ASSERT_TRUE(bitGleich(v->werte[i][j], soll)) << i << "," << j;
            mn = std::min(mn, soll), mx = std::max(mx, soll);
        }
    EXPECT_EQ(s.minimum, mn);
    EXPECT_EQ(s.maximum, mx);
    const auto profil = NoiseProfil(p, *t);
    for (int i = 0; i < 512; i += 5)
        EXPECT_TRUE(bitGleich(profil[i], refPunkt(p, *t, i / 511.0, i / 511.0)));
}

// ---- Script line ----

TEST(NoiseScript, WritesTheSixteenArguments) {
    NoiseParamRec p = NoiseStandard();
    EXPECT_EQ(NoiseScriptZeile(p),
              "build_noise(2.000, 2.000, 0.500, 1.000, 15360.000, 0, 0, 0, 4095, 0, 2, 100.000, "
              "0.000, 1, 100.000, 0.000)");
    p.Anstieg1 = 3.25;
    p.Offset = 0.0;
    p.Methode = 10;
    p.Invertieren = true;
    p.Level[1] = false;  // levels as bits: all but L 02
    p.VerschiebungY = 1.5;
    p.Startwert = 77;
    EXPECT_EQ(NoiseScriptZeile(p),
              "build_noise(3.250, 2.000, 0.000, 1.000, 77.000, 0, 0, 10, 2045, 1, 2, 100.000, "
              "0.000, 1, 100.000, 1.500)");
    Dokument dok;
    NoiseScriptSchreiben(dok, p);
    EXPECT_EQ(dok.ScriptAnzahl, 0);  // not recording
    dok.ScriptAufnahme = true;
    NoiseScriptSchreiben(dok, p);
    EXPECT_EQ(dok.ScriptListe[1], NoiseScriptZeile(p));
}

ScriptArgumente argumente(std::vector<std::string> texte) {
    ScriptArgumente a;
    for (std::size_t i = 0; i < texte.size(); ++i)
        a.slot[i + 1] = texte[i];
    return a;
}

TEST(NoiseScript, ReadsWithRangesAndFallbacks) {
    auto a = argumente({"3.5", "0.05", "2.0", "0", "777", "0", "3", "9", "4095", "1", "4", "0.1",
                        "2", "1", "1000", "0.25"});
    const auto dok = std::make_unique<Dokument>();
    NoiseParamRec p = NoiseScriptLesen(a, *dok);
    EXPECT_EQ(p.Anstieg1, 3.5);
    EXPECT_EQ(p.Anstieg2, 2.0);  // below 0.1
    EXPECT_EQ(p.Offset, 2.0);
    EXPECT_EQ(p.FraktalDimension, 0.0);
    EXPECT_EQ(p.Startwert, 777.0);
    EXPECT_EQ(p.Reserviert, 1);  // sixth argument 0
    EXPECT_EQ(p.Verknuepfung, 3);
    EXPECT_EQ(p.Methode, 9);
    for (bool l : p.Level)
        EXPECT_TRUE(l);
    EXPECT_TRUE(p.Invertieren);
    EXPECT_EQ(p.TypX, 4);
    EXPECT_EQ(p.IterationenX, 0.1);
    EXPECT_EQ(p.VerschiebungX, 2.0);
    EXPECT_EQ(p.TypY, 1);
    EXPECT_EQ(p.IterationenY, 1000.0);
    EXPECT_EQ(p.VerschiebungY, 0.25);

    a = argumente({"x", "10.5", "-1", "2.5", "40000", "2.5", "4", "1.5", "2045", "2", "5", "0.05",
                   "2.01", "0", "1001", "-0.1"});
    p = NoiseScriptLesen(a, *dok);
    EXPECT_EQ(p.Anstieg1, 2.0);  // unreadable reads 0, outside
    EXPECT_EQ(p.Anstieg2, 2.0);
    EXPECT_EQ(p.Offset, 0.5);
    EXPECT_EQ(p.FraktalDimension, 1.0);
    EXPECT_EQ(p.Startwert, 15360.0);
    EXPECT_EQ(p.Reserviert, 1);  // not whole
    EXPECT_EQ(p.Verknuepfung, 0);
    EXPECT_EQ(p.Methode, 0);  // not whole
    for (int k = 0; k < 11; ++k)
        EXPECT_EQ(p.Level[k], k != 1) << k;
    EXPECT_FALSE(p.Invertieren);  // only 1 inverts
    EXPECT_EQ(p.TypX, 1);
    EXPECT_EQ(p.IterationenX, 100.0);
    EXPECT_EQ(p.VerschiebungX, 0.0);
    EXPECT_EQ(p.TypY, 2);
    EXPECT_EQ(p.IterationenY, 100.0);
    EXPECT_EQ(p.VerschiebungY, 0.0);
}

TEST(NoiseScript, ReplayedInvertedLineGivesTheInvertedField) {
    Dokument dok;
    dok.MaxX = 20;
    dok.MaxY = 12;
    dok.Verknuepfungsmodus = 1;
    auto normal = argumente({"2.000", "2.000", "0.500", "1.000", "321.000", "1", "0", "0", "4095",
                             "0", "2", "100.000", "0.000", "1", "100.000", "0.000"});
    auto invers = normal;
    invers.slot[10] = "1";
    build_noiseNachspielen(dok, normal);
    std::vector<double> a;
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 12; ++y)
            a.push_back(dok.Hoehenfeld(x, y));
    build_noiseNachspielen(dok, invers);
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 12; ++y)
            EXPECT_NEAR(dok.Hoehenfeld(x, y), 1.0 - a[x * 13 + y], 1e-12);
    EXPECT_EQ(dok.UndoBild(3, 3), a[3 * 13 + 3]);  // the combination took the undo copy
}

// ---- Dialog rules ----

TEST(NoiseDialogRegeln, SeedFieldFallbacksAndNewSeeds) {
    EXPECT_EQ(NoiseStartwertAusText("123"), 123.0);
    EXPECT_EQ(NoiseStartwertAusText(" 32000 "), 32000.0);
    EXPECT_EQ(NoiseStartwertAusText("1"), 1.0);
    for (const char* falsch : {"abc", "0", "40000", "32001", "12.5", "", "-5", "1e3", "12a"})
        EXPECT_EQ(NoiseStartwertAusText(falsch), 15731.0) << falsch;
    Dokument dok;
    setzeSeed(dok, 1);
    for (int i = 0; i < 2000; ++i) {
        const double s = NoiseNeuerStartwert(dok);
        ASSERT_GE(s, 1.0);
        ASSERT_LE(s, 32000.0);
        ASSERT_EQ(s, std::trunc(s));
    }
}

TEST(NoiseDialogRegeln, LevelCountFromGridSize) {
    EXPECT_EQ(NoiseLevelAnzahl(127, 127), 8);
    EXPECT_EQ(NoiseLevelAnzahl(256, 256), 8);
    EXPECT_EQ(NoiseLevelAnzahl(257, 257), 8);
    EXPECT_EQ(NoiseLevelAnzahl(258, 100), 9);
    EXPECT_EQ(NoiseLevelAnzahl(512, 512), 9);
    EXPECT_EQ(NoiseLevelAnzahl(1024, 1024), 10);
    EXPECT_EQ(NoiseLevelAnzahl(1025, 1025), 10);
    EXPECT_EQ(NoiseLevelAnzahl(2048, 2048), 11);
    EXPECT_EQ(NoiseLevelAnzahl(1026, 4), 11);
    EXPECT_EQ(NoiseLevelAnzahl(100, 1030), 11);
    EXPECT_EQ(NoiseLevelAnzahl(600, 900), 10);
    EXPECT_FALSE(NoiseLevelWaehlbar(9, 8));
    EXPECT_TRUE(NoiseLevelWaehlbar(9, 9));
    EXPECT_FALSE(NoiseLevelWaehlbar(11, 10));
    EXPECT_TRUE(NoiseLevelWaehlbar(8, 8));
}

TEST(NoiseDialogRegeln, ApplyingATypedSeedRecordsWhatReplaysTheAppliedField) {
    Dokument dok;
    dok.MaxX = dok.MaxY = 16;
    dok.ScriptAufnahme = true;
    auto z = std::make_unique<NoiseZustand>();
    NoiseVorgaben(*z);
    for (double getippt : {777.0, 40000.0}) {
        NoiseParamRec arbeit = z->gespeichert;
        arbeit.Startwert = getippt;  // typed, field not left
        NoiseUebernehmen(dok, *z, arbeit);
        const double soll = getippt == 777.0 ? 777.0 : 15731.0;
        EXPECT_EQ(z->gespeichert.Startwert, soll);
        EXPECT_EQ(z->tabellen.Startwert, soll);
        std::vector<double> angewandt;
        for (int x = 0; x <= 16; ++x)
            for (int y = 0; y <= 16; ++y)
                angewandt.push_back(dok.Zweitbild(x, y));
        // Replay the recorded line's arguments.
        const std::string& zeile = dok.ScriptListe[dok.ScriptAnzahl];
        ScriptArgumente a;
        std::string rest = zeile.substr(zeile.find('(') + 1);
        for (int s = 1; s <= 16; ++s) {
            const auto ende = rest.find_first_of(",)");
            a.slot[s] = rest.substr(0, ende);
            rest = rest.substr(ende + 1);
        }
        NoiseErzeugen(dok, NoiseScriptLesen(a, dok));
        for (int x = 0; x <= 16; ++x)
            for (int y = 0; y <= 16; ++y)
                ASSERT_EQ(dok.Zweitbild(x, y), angewandt[x * 17 + y]);
    }
}

TEST(NoiseSetups, PresetsAndDefaults) {
    ASSERT_EQ(NoiseSetups.size(), 11u);
    EXPECT_EQ(NoiseSetups[7].Name, "hm V2");
    NoiseParamRec p = NoiseStandard();
    NoiseSetupAnwenden(NoiseSetups[9], p);  // "rm V1"
    EXPECT_EQ(p.Methode, 10);
    EXPECT_EQ(p.Anstieg1, 2.0);
    EXPECT_EQ(p.Anstieg2, 10.0);
    EXPECT_EQ(p.FraktalDimension, 1.2);
    EXPECT_EQ(p.Offset, 0.2);
    const NoiseParamRec d = NoiseStandard();
    EXPECT_EQ(d.TypX, 2);
    EXPECT_EQ(d.TypY, 1);
    EXPECT_EQ(d.Startwert, 15360.0);
    EXPECT_EQ(d.IterationenX, 100.0);
    for (bool l : d.Level)
        EXPECT_TRUE(l);
    EXPECT_EQ(NoiseMethodenNamen[9], "|HybridMultifractal|");
}

}  // namespace
}  // namespace gm
