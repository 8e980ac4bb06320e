#include "generators/duenen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "core/zufall.h"

namespace gm {
namespace {

// The dunes read straight from the description, with their own generator and
// tables, on a plain grid.
struct Referenz {
    DuenenParamRec p;
    std::uint32_t seed;
    int P[2][102][2050];
    double G[2][102][2050], W[2][11], C[2][102][2050];
    double zufall() {
        seed = seed * 134775813u + 1u;
        return seed / 4294967296.0;
    }
    void tabellen(int s) {
        for (int t = 0; t <= 101; ++t) {
            for (int i = 0; i <= 2049; ++i) {
                P[s][t][i] = i;
                G[s][t][i] = (zufall() * 4098 - 2049) / 2049;
            }
            for (int i = 2049; i >= 0; --i)
                std::swap(P[s][t][i], P[s][t][int(std::nearbyint(zufall() * 2049))]);
        }
    }
    double noise(int s, int t, double x) {
        double tx = x + 4096;
        int b0 = int(std::trunc(tx)) & 255, b1 = (b0 + 1) & 255;
        double r0 = tx - std::trunc(tx), r1 = r0 - 1, sx = r0 * r0 * (3 - 2 * r0);
        double u = r0 * G[s][t][P[s][t][b0]], v = r1 * G[s][t][P[s][t][b1]];
        return u + sx * (v - u);
    }
    double fbm(int s, int t, double x) {
        double S = 0;
        for (int k = 1; k <= 10; ++k) {
            double term = noise(s, t, x * W[s][k]) * W[s][k];
            if (s == 0 ? p.AbsolutH : p.AbsolutV) term = std::fabs(term);
            S = (s == 0 ? p.NegativH : p.NegativV) ? S - term : S + term;
        }
        return S;
    }
    void kurven() {
        for (int s = 0; s < 2; ++s) {
            double f = 1;
            for (int k = 0; k <= 10; ++k, f *= (s == 0 ? p.WellenH : p.WellenV))
                W[s][k] = std::pow(f, 0.25);
            for (int t = 0; t <= p.Iterationen + 1; ++t) {
                std::vector<double> v(2050);
                double mn = 1000, mx = -1000;
                for (int i = 0; i <= 2049; ++i) {
                    v[i] = fbm(s, t, i / 2049.0);
                    mn = std::min(mn, v[i]);
                    mx = std::max(mx, v[i]);
                }
                double sc = 1;
                if (mx == mn)
                    mn = 0;
                else
                    sc = 1 / (mx - mn);
                for (int i = 0; i <= 2049; ++i) {
                    double c = (v[i] - mn) * sc;
                    if (s == 0) c = std::max(0.0, c * p.BreiteH);
                    if (s == 1) c = std::max(-1.0, c + p.BreiteV - 1);
                    C[s][t][i] = std::min(1.0, c);
                }
            }
        }
    }
    std::vector<double> zeile(int col, int n) {
        std::vector<double> b(2050, 0.0);
        int m = p.Iterationen;
        for (int t = 0; t <= m; ++t) {
            double left = (t - 0.5 + (C[0][t][col] - 0.5)) / m;
            double right = (t + 0.5 + (C[0][t + 1][col] - 0.5)) / m;
            double crest = left + (right - left) * p.Mittelpunkt;
            int L = int(std::nearbyint(n * left)), R = int(std::nearbyint(n * right)),
                K = int(std::nearbyint(n * crest));
            if (0 <= L && L <= n) b[L] = 0;
            for (int y = L + 1; y <= K; ++y) {
                if (y < 0 || y > n) continue;
                double f = std::clamp((double(y) / n - left) / (crest - left), 0.0, 1.0);
                b[y] = std::max(0.0, std::pow(f, p.GammaL1) * C[1][t][col]);
            }
            for (int y = K + 1; y <= R - 1; ++y) {
                if (y < 0 || y > n) continue;
                double f = std::clamp((right - double(y) / n) / (right - crest), 0.0, 1.0);
                b[y] = std::max(0.0, std::pow(f, p.GammaL2) * C[1][t][col]);
            }
            if (0 <= R && R <= n) b[R] = 0;
        }
        return b;
    }
};

struct Aufbau {
    std::unique_ptr<Dokument> dok = std::make_unique<Dokument>();
    DuenenZustand z;
    std::unique_ptr<Referenz> r = std::make_unique<Referenz>();
    Aufbau(int maxX, int maxY, const DuenenParamRec& p, std::uint32_t seed) {
        dok->MaxX = maxX;
        dok->MaxY = maxY;
        setzeSeed(*dok, seed);
        DuenenErzeugen(*dok, z, p);
        r->p = p;
        r->seed = seed;
        r->tabellen(0);
        r->tabellen(1);
        if (p.NeueLandschaftH) r->tabellen(0);
        if (p.NeueLandschaftV) r->tabellen(1);
        r->kurven();
    }
};

void vergleichen(int maxX, int maxY, const DuenenParamRec& p, std::uint32_t seed) {
    Aufbau a(maxX, maxY, p, seed);
    EXPECT_EQ(a.dok->RandSeed, a.r->seed);
    for (int x = 0; x <= maxX; ++x) {
        const auto b = a.r->zeile(int(std::nearbyint(x * 2049.0 / maxX)), maxY);
        for (int y = 0; y <= maxY; ++y) {
            const double w = p.Invertieren ? -b[y] : b[y];
            ASSERT_EQ(a.dok->Zweitbild(x, y), w == -1.0 ? std::nextafter(-1.0, 0.0) : w)
                << x << "," << y;
        }
    }
}

TEST(Duenen, FieldMatchesTheDescription) {
    DuenenParamRec p = DuenenStandard();
    vergleichen(40, 33, p, 1);
    p.Iterationen = 7;
    p.WellenH = 2.5;
    p.WellenV = 0.4;
    p.BreiteH = 0.6;
    p.BreiteV = 0.7;
    p.GammaL1 = 0.3;
    p.GammaL2 = 4.0;
    p.Mittelpunkt = 0.2;
    p.AbsolutH = p.NegativV = true;
    p.Invertieren = true;
    p.NeueLandschaftV = true;
    vergleichen(65, 120, p, 77);
    p.Iterationen = 100;  // 101 narrow dunes
    p.AbsolutV = p.NegativH = true;
    p.Mittelpunkt = 1.0;
    p.NeueLandschaftH = true;
    vergleichen(9, 300, p, 4);
}

TEST(Duenen, InvertedCrestsStayValuedAndOutOfRangeIterationsAreClamped) {
    DuenenParamRec p = DuenenStandard();
    p.Iterationen = 10;
    Aufbau a(2049, 300, p, 9);  // every curve column is sampled
    int einsen = 0;
    for (int x = 0; x <= 2049; ++x)
        for (int y = 0; y <= 300; ++y)
            einsen += a.dok->Zweitbild(x, y) == 1.0;
    ASSERT_GT(einsen, 0) << "the crests reach exactly 1";
    p.Invertieren = true;
    setzeSeed(*a.dok, 9);
    DuenenBerechnen(*a.dok, p, DuenenKurvenBauen(p, *a.z.tabellen));
    int fast = 0;
    for (int x = 0; x <= 2049; ++x)
        for (int y = 0; y <= 300; ++y) {
            ASSERT_NE(a.dok->Zweitbild(x, y), KeinWert) << x << "," << y;
            fast += a.dok->Zweitbild(x, y) == std::nextafter(-1.0, 0.0);
        }
    EXPECT_EQ(fast, einsen);
    // Iterations beyond the tables are taken as 100, below 1 as 1.
    DuenenParamRec q = DuenenStandard();
    q.Iterationen = 100;
    const auto erwartet = DuenenKurvenBauen(q, *a.z.tabellen);
    q.Iterationen = 5000;
    const auto k = DuenenKurvenBauen(q, *a.z.tabellen);
    EXPECT_EQ(k.werte, erwartet.werte);
    std::vector<double> puffer(DuenenPunkte);
    DuenenZeile(q, k, 2049, 2049, puffer.data());
    q.Iterationen = -3;
    DuenenZeile(q, DuenenKurvenBauen(q, *a.z.tabellen), 0, 2049, puffer.data());
}

TEST(Duenen, EdgeSettingsPreviewAndTables) {
    DuenenParamRec p = DuenenStandard();
    p.Iterationen = 4;
    Aufbau a(255, 255, p, 21);
    // The preview is the full field at 256 points.
    auto v = std::make_unique<Vorschaufeld>();
    const auto k = DuenenKurvenBauen(p, *a.z.tabellen);
    const VorschauSpanne s = DuenenVorschau(p, k, *v);
    double mn = 1000, mx = -1000;
    for (int i = 0; i < 256; ++i)
        for (int j = 0; j < 256; ++j) {
            ASSERT_EQ(v->werte[i][j], a.dok->Zweitbild(i, j)) << i << "," << j;
            mn = std::min(mn, v->werte[i][j]);
            mx = std::max(mx, v->werte[i][j]);
        }
    EXPECT_EQ(s.minimum, mn);
    EXPECT_EQ(s.maximum, mx);
    // BreiteH 0: straight boundaries, dune t ending at t / Iterationen in
    // every column, rising and falling in between.
    p.BreiteH = 0;
    DuenenBerechnen(*a.dok, p, DuenenKurvenBauen(p, *a.z.tabellen));
    int steigend = 0;
    for (int x = 0; x <= 255; ++x) {
        for (int t = 0; t <= 4; ++t)
            ASSERT_EQ(a.dok->Zweitbild(x, int(std::nearbyint(255 * t / 4.0))), 0.0) << x;
        steigend += a.dok->Zweitbild(x, 20) < a.dok->Zweitbild(x, 30);
    }
    EXPECT_GT(steigend, 200);
    // BreiteV 0: every crest at most 0, a flat field.
    p.BreiteV = 0;
    DuenenBerechnen(*a.dok, p, DuenenKurvenBauen(p, *a.z.tabellen));
    for (int x = 0; x <= 255; ++x)
        for (int y = 0; y <= 255; ++y)
            ASSERT_EQ(a.dok->Zweitbild(x, y), 0.0);
    // The tables are made once; a renewal draws only its family again.
    const std::uint32_t seed = a.dok->RandSeed;
    const auto alt = *a.z.tabellen;
    DuenenBereit(*a.dok, a.z);
    EXPECT_EQ(a.dok->RandSeed, seed);
    DuenenTabellen(*a.dok, a.z, 1);
    EXPECT_EQ(a.dok->RandSeed, ZufallVoraus(seed, 102u * 4100u));
    EXPECT_EQ((*a.z.tabellen)[0][5].Gradient, alt[0][5].Gradient);
    EXPECT_NE((*a.z.tabellen)[1][5].Gradient, alt[1][5].Gradient);
    // The flank picture ends at its last column.
    for (double mp : {0.0, 0.37, 1.0}) {
        p.Mittelpunkt = mp;
        p.GammaL1 = 0.5;
        p.GammaL2 = 3;
        const auto punkte = DuenenFlanken(p, 539, 107);
        EXPECT_FALSE(punkte.empty());
        for (auto [x, y] : punkte) {
            ASSERT_GE(x, 0);
            ASSERT_LT(x, 539);
            ASSERT_GE(y, 1);
            ASSERT_LE(y, 106);
        }
    }
}

}  // namespace
}  // namespace gm
