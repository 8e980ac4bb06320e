#include "generators/zellen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "core/zufall.h"

namespace gm {
namespace {

// The plain scan over every point, read straight from the description.
double referenzAbstand(const ZellenParamRec& p, const std::vector<ZellenPunkt>& pk, int x, int y,
                       int w, int h) {
    double best = 10000.0;
    for (int k = 0; k < p.Anzahl; ++k) {
        double dx = std::fabs(x - w * pk[k].px);
        if (dx > w / 2.0) dx = w - dx;
        double dy = std::fabs(y - h * pk[k].py);
        if (dy > h / 2.0) dy = h - dy;
        double d = 0;
        if (p.Verknuepfung == 0) d = std::sqrt(dx * dx + dy * dy);
        if (p.Verknuepfung == 1) d = dx * dy;
        if (p.Verknuepfung == 2) d = dx + dy;
        if (p.Verknuepfung == 3) d = dx;
        if (p.Verknuepfung == 4) d = dy;
        if (d < best) best = d;
    }
    return best;
}

// Field of the description: raw distances of the free cells, the stretch
// over all active cells (masked ones as -1), then gamma and inversion.
std::vector<double> referenzFeld(const Dokument& dok, const ZellenParamRec& p,
                                 const std::vector<ZellenPunkt>& pk) {
    const int w = dok.MaxX + 1, h = dok.MaxY + 1;
    std::vector<double> v(std::size_t(w) * h, -1.0);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            if (!dok.Maske(x, y)) v[x * h + y] = referenzAbstand(p, pk, x, y, w, h);
    double mn = *std::min_element(v.begin(), v.end()), mx = *std::max_element(v.begin(), v.end());
    double f = 1.0;
    if (mx == mn)
        mn = 0;
    else
        f = 1.0 / (mx - mn);
    for (int i = 0; i < w * h; ++i) {
        v[i] = std::clamp((v[i] - mn) * f, 0.0, 1.0);
        if (dok.Maske(i / h, i % h) || (!p.Invertieren && p.Gamma == 1)) continue;
        if (p.Gamma != 1) v[i] = std::pow(v[i], p.Gamma);
        if (p.Invertieren) v[i] = 1 - v[i];
    }
    return v;
}

void vergleichen(Dokument& dok, const ZellenParamRec& p, const std::vector<ZellenPunkt>& pk) {
    ZellenBerechnen(dok, p, pk);
    const auto v = referenzFeld(dok, p, pk);
    const int h = dok.MaxY + 1;
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y)
            ASSERT_EQ(dok.Zweitbild(x, y), v[x * h + y])
                << "measure " << p.Verknuepfung << " Anzahl " << p.Anzahl << " at " << x << ","
                << y;
}

TEST(Zellen, FieldMatchesThePlainScanForEveryMeasure) {
    auto dok = std::make_unique<Dokument>();
    ZellenZustand z;
    setzeSeed(*dok, 8);
    const auto& pk = ZellenBereit(*dok, z);
    ASSERT_EQ(pk.size(), 999u);
    ZellenParamRec p = ZellenStandard();
    for (int mass = 0; mass <= 4; ++mass) {
        p.Verknuepfung = mass;
        for (int anzahl : {1, 16, 999}) {
            p.Anzahl = anzahl;
            dok->MaxX = anzahl == 999 ? 300 : 64;
            dok->MaxY = anzahl == 999 ? 256 : 40;
            vergleichen(*dok, p, pk);
        }
    }
    // Gamma, inversion and a mask: masked cells keep their -1 through the
    // stretch, so the free ones start above 0.
    p.Anzahl = 40;
    p.Gamma = 2.5;
    p.Invertieren = true;
    dok->MaxX = 50;
    dok->MaxY = 70;
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y <= 70; ++y)
            dok->Maske(x, y) = 1;
    for (int mass = 0; mass <= 4; ++mass) {
        p.Verknuepfung = mass;
        vergleichen(*dok, p, pk);
    }
    p.Invertieren = false;
    p.Gamma = 1;
    p.Verknuepfung = 0;
    vergleichen(*dok, p, pk);
    double kleinster = 1;
    for (int x = 10; x <= 50; ++x)
        for (int y = 0; y <= 70; ++y)
            kleinster = std::min(kleinster, dok->Zweitbild(x, y));
    EXPECT_GT(kleinster, 0.0);
    EXPECT_EQ(dok->Zweitbild(3, 3), 0.0);
}

TEST(Zellen, PointsPreviewAndDistance) {
    auto dok = std::make_unique<Dokument>();
    ZellenZustand z;
    setzeSeed(*dok, 1);
    const auto pk = ZellenBereit(*dok, z);
    // Made once: later uses draw nothing; px then py per point.
    const std::uint32_t seed = dok->RandSeed;
    ZellenBereit(*dok, z);
    EXPECT_EQ(dok->RandSeed, seed);
    EXPECT_EQ(seed, ZufallVoraus(1, 2 * 999));
    EXPECT_EQ(pk[0].px, double(1u * 134775813u + 1u) / 4294967296.0);
    ZellenParamRec p = ZellenStandard();
    p.NeueBerechnung = true;
    dok->MaxX = dok->MaxY = 255;
    ZellenErzeugen(*dok, z, p);
    EXPECT_NE(z.punkte[0].px, pk[0].px);
    // The preview holds the raw distances of a 256 field; the full field at
    // 256 points is their stretch.
    for (double gamma : {1.0, 0.3}) {
        p.Gamma = gamma;
        p.Anzahl = 30;
        ZellenBerechnen(*dok, p, z.punkte);
        auto v = std::make_unique<Vorschaufeld>();
        const VorschauSpanne s = ZellenVorschau(p, z.punkte, *v);
        double mn = 1e9, mx = -1e9;
        for (int i = 0; i < 256; ++i)
            for (int j = 0; j < 256; ++j) {
                const double d = ZellenAbstand(p, z.punkte, i, j, 256, 256);
                EXPECT_EQ(d, referenzAbstand(p, z.punkte, i, j, 256, 256));
                mn = std::min(mn, d);
                mx = std::max(mx, d);
            }
        for (int i = 0; i < 256; ++i)
            for (int j = 0; j < 256; ++j) {
                const double d = ZellenAbstand(p, z.punkte, i, j, 256, 256);
                const double gestreckt = std::clamp((d - mn) * (1.0 / (mx - mn)), 0.0, 1.0);
                if (gamma == 1.0) {
                    ASSERT_EQ(v->werte[i][j], d);
                    ASSERT_EQ(dok->Zweitbild(i, j), gestreckt);
                } else {
                    ASSERT_EQ(v->werte[i][j], std::pow(gestreckt, gamma));
                    ASSERT_EQ(dok->Zweitbild(i, j), std::pow(gestreckt, gamma));
                }
            }
        EXPECT_EQ(s.minimum, gamma == 1.0 ? mn : 0.0);
        EXPECT_EQ(s.maximum, gamma == 1.0 ? mx : 1.0);
    }
    // One point: a cone around it, wrapping over the edges.
    p.Anzahl = 1;
    const int cx = int(256 * z.punkte[0].px), cy = int(256 * z.punkte[0].py);
    EXPECT_LT(ZellenAbstand(p, z.punkte, cx, cy, 256, 256), 1.5);
    EXPECT_NEAR(ZellenAbstand(p, z.punkte, (cx + 128) % 256, cy, 256, 256), 128, 1.0);
    // More points than exist are never read.
    p.Anzahl = 5000;
    EXPECT_EQ(ZellenAbstand(p, z.punkte, 3, 4, 256, 256), [&] {
        p.Anzahl = 999;
        return ZellenAbstand(p, z.punkte, 3, 4, 256, 256);
    }());
}

}  // namespace
}  // namespace gm
