#include "generators/funktionen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include "core/wellenprofil.h"

namespace gm {
namespace {

// ---- Straightforward reference: per cell, each axis value straight from
// WellenProfil and its band from the band rule, then stretch and invert. ----
double achsenWert(const FunktionenAchse& a, int n, int i, int welche) {
    const double t = (a.Negativ ? n - i : i) * (a.Perioden / (n + 1));
    return WellenProfil(a.Kurve, a.Welle, a.Negativ, a.AnstiegF, a.Stufen, a.Linearitaet2,
                        a.Linearitaet1, a.GammaF, a.Perioden,
                        welche == 1 ? a.Verschiebung1 : a.Verschiebung2, t);
}
int band(const FunktionenAchse& a, int n, int i) {
    const double t = (a.Negativ ? n - i : i) * (a.Perioden / (n + 1));
    return std::abs(int(std::trunc(t))) % 2;
}
std::vector<std::vector<double>> referenz(const FunktionenParamRec& r, int maxX, int maxY) {
    std::vector<std::vector<double>> z(maxX + 1, std::vector<double>(maxY + 1));
    double lo = 1e300, hi = -1e300;
    for (int x = 0; x <= maxX; ++x)
        for (int y = 0; y <= maxY; ++y) {
            const double fx = achsenWert(r.Achse[0], maxX, x, 1 + band(r.Achse[0], maxX, y));
            const double fy = achsenWert(r.Achse[1], maxY, y, 1 + band(r.Achse[1], maxY, x));
            const double v = r.Verknuepfung == 0   ? fx * fy
                             : r.Verknuepfung == 1 ? fx + fy
                             : r.Verknuepfung == 2 ? fx - fy
                                                   : fy - fx;
            z[x][y] = v;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    const double f = hi > lo ? 1.0 / (hi - lo) : 1.0;
    if (!(hi > lo)) lo = 0;
    for (auto& s : z)
        for (double& v : s) {
            v = std::clamp((v - lo) * f, 0.0, 1.0);
            if (r.Invertieren) v = std::clamp(1 - v, 0.0, 1.0);
        }
    return z;
}

FunktionenParamRec standard() {
    return recordVorgaben<FunktionenParamRec>(FunktionenParameter());
}

TEST(Funktionen, MatchesTheStepsOnRandomSettingsAndRectangularFields) {
    std::mt19937 zufall(16);
    auto gleich = [&](double a, double b) {
        return std::uniform_real_distribution<>(a, b)(zufall);
    };
    auto d = std::make_unique<Dokument>();
    // Rectangular fields both ways round, with Negativ: the bands of the
    // shorter axis are needed past its end.
    const int groessen[][2] = {{6, 4}, {4, 10}, {16, 16}, {30, 7}, {5, 40}};
    for (int fall = 0; fall < 200; ++fall) {
        FunktionenParamRec r = standard();
        r.Verknuepfung = int(zufall() % 4);
        r.Invertieren = zufall() % 2;
        for (auto& a : r.Achse) {
            a.Kurve = 1 + int(zufall() % 8);
            a.Welle = zufall() % 2;
            a.Negativ = zufall() % 2;
            a.Perioden = std::round(gleich(0.1, 7.0) * 10) / 10;
            a.AnstiegF = zufall() % 2 ? 0.0 : gleich(-1, 1);
            a.Stufen = zufall() % 2 ? 0.0 : double(zufall() % 9);
            a.GammaF = zufall() % 2 ? 1.0 : gleich(0.2, 4);
            a.Linearitaet1 = zufall() % 2 ? 1.0 : gleich(0.3, 3);
            a.Linearitaet2 = gleich(0, 1);
            a.Verschiebung1 = gleich(0, 2);
            a.Verschiebung2 = gleich(0, 2);
        }
        d->MaxX = groessen[fall % 5][0];
        d->MaxY = groessen[fall % 5][1];
        FunktionenBerechnen(*d, r);
        const auto z = referenz(r, d->MaxX, d->MaxY);
        for (int x = 0; x <= d->MaxX; ++x)
            for (int y = 0; y <= d->MaxY; ++y)
                ASSERT_EQ(d->Zweitbild(x, y), z[x][y])
                    << "case " << fall << " at " << x << "," << y;
    }
}

TEST(Funktionen, DefaultsGiveTheProductRampAndStepsGiveFiveLevels) {
    auto d = std::make_unique<Dokument>();
    d->MaxX = 8;
    d->MaxY = 4;
    FunktionenParamRec r = standard();
    FunktionenBerechnen(*d, r);
    // fx = x / 9 and fy = y / 5, stretched by the largest product.
    for (int x = 0; x <= 8; ++x)
        for (int y = 0; y <= 4; ++y)
            EXPECT_NEAR(d->Zweitbild(x, y), x * y / 32.0, 1e-12) << x << "," << y;
    // Four steps on x, 'f=1' on y: the field is the quantised x profile,
    // which reaches 0 and 1, so every value is one of the five levels.
    r.Achse[0].Stufen = 4;
    r.Achse[0].Perioden = 2;
    r.Achse[1].Kurve = 1;
    FunktionenBerechnen(*d, r);
    std::set<double> stufen;
    for (int x = 0; x <= 8; ++x)
        for (int y = 0; y <= 4; ++y)
            stufen.insert(d->Zweitbild(x, y));
    EXPECT_EQ(stufen, (std::set<double>{0.0, 0.25, 0.5, 0.75, 1.0}));
    // Welle with one period: a single ridge across x, highest mid-field.
    r = standard();
    r.Verknuepfung = 1;
    r.Achse[0].Welle = true;
    r.Achse[1].Kurve = 1;
    d->MaxX = 19;
    FunktionenBerechnen(*d, r);
    int hoechstes = 0;
    for (int x = 1; x <= 19; ++x)
        if (d->Zweitbild(x, 2) > d->Zweitbild(hoechstes, 2)) hoechstes = x;
    EXPECT_EQ(hoechstes, 10);
    EXPECT_EQ(d->Zweitbild(0, 2), 0.0);
}

TEST(Funktionen, BandsContinuePastTheAxisAndNegativPartiesAreZeroOrOne) {
    FunktionenAchse a = standard().Achse[0];
    a.Perioden = 4;
    a.Negativ = true;
    // 8 samples: k = 7 - i, t = k / 2. Past i = 7 the positions turn negative.
    const AchsenKurven k = FunktionenAchsenKurven(a, 7, 14);
    const int erwartet[14] = {1, 1, 0, 0, 1, 1, 0, 0, 0, 1, 1, 0, 0, 1};
    ASSERT_EQ(k.band.size(), 14u);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(k.band[i], erwartet[i]) << i;
    EXPECT_EQ(k.v1.size(), 8u);
}

TEST(Funktionen, PreviewIsTheSameFieldAt256) {
    auto d = std::make_unique<Dokument>();
    d->MaxX = d->MaxY = 255;
    FunktionenParamRec r = standard();
    r.Verknuepfung = 3;
    r.Invertieren = true;
    r.Achse[0].Perioden = 3.5;
    r.Achse[1].Verschiebung2 = 0.5;
    r.Achse[1].Perioden = 2;
    FunktionenBerechnen(*d, r);
    auto v = std::make_unique<Vorschaufeld>();
    FunktionenVorschau(r, *v);
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 256; ++y)
            ASSERT_EQ(v->werte[x][y], d->Zweitbild(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace gm
