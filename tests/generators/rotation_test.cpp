#include "generators/rotation.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <random>

#include "core/wellenprofil.h"

namespace gm {
namespace {

// ---- Straightforward reference: the steps as written, the exit point B of
// the ray from the focus found by the textbook quadratic formula and its
// distance measured. ----
double referenzWert(const RotationParamRec& r, int x, int y) {
    const double pi = std::numbers::pi;
    auto drehen = [&](double& px, double& py) {
        const double a = -r.Winkel * pi / 180.0;
        const double nx = std::cos(a) * (px - r.MitteX) + std::sin(a) * (py - r.MitteY) + r.MitteX;
        const double ny = -std::sin(a) * (px - r.MitteX) + std::cos(a) * (py - r.MitteY) + r.MitteY;
        px = nx;
        py = ny;
    };
    auto ellipse = [&](double px, double py) {
        return std::pow(px - r.MitteX, 2) / std::pow(r.RadiusX, 2) +
               std::pow(py - r.MitteY, 2) / std::pow(r.RadiusY, 2);
    };
    double fx = r.FokusX, fy = r.FokusY;
    if (r.Winkel != 0) drehen(fx, fy);
    if (ellipse(fx, fy) >= 1) fx = r.MitteX, fy = r.MitteY;
    double px = x, py = y;
    if (r.Winkel != 0) drehen(px, py);
    const double e = ellipse(px, py);
    if (e > 1) return r.Invertieren ? 1.0 : 0.0;
    double w;
    if (fx == r.MitteX && fy == r.MitteY) {
        w = 1 - std::sqrt(e);
    } else if (px == fx && py == fy) {
        w = 1;
    } else {
        const double dx = px - fx, dy = py - fy, ux = fx - r.MitteX, uy = fy - r.MitteY;
        const double rx2 = r.RadiusX * r.RadiusX, ry2 = r.RadiusY * r.RadiusY;
        const double a = dx * dx / rx2 + dy * dy / ry2;
        const double b = 2 * (ux * dx / rx2 + uy * dy / ry2);
        const double c = ux * ux / rx2 + uy * uy / ry2 - 1;
        const double s = (-b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
        const double bx = fx + s * dx, by = fy + s * dy;
        w = std::min(1.0, 1 - std::hypot(dx, dy) / std::hypot(bx - fx, by - fy));
    }
    const double t = (r.Negativ ? 1 - w : w) * r.Perioden;
    const double phase = int(std::trunc(t)) % 2 == 0 ? r.Verschiebung1 : r.Verschiebung2;
    double v = WellenProfil(r.Kurve, r.Welle, r.Negativ, r.AnstiegF, r.Stufen, r.Linearitaet2,
                            r.Linearitaet1, r.GammaF, r.Perioden, phase, t);
    if (r.Invertieren) v = std::clamp(1 - v, 0.0, 1.0);
    return v;
}

RotationParamRec grund(double cx, double cy, double rx, double ry) {
    RotationParamRec r = recordVorgaben<RotationParamRec>(RotationParameter());
    r.MitteX = r.FokusX = cx;
    r.MitteY = r.FokusY = cy;
    r.RadiusX = rx;
    r.RadiusY = ry;
    return r;
}

std::unique_ptr<Dokument> feld(int punkteX, int punkteY) {
    auto d = std::make_unique<Dokument>();
    d->MaxX = punkteX - 1;
    d->MaxY = punkteY - 1;
    return d;
}

TEST(Rotation, MatchesTheStepsOnTurnedEllipsesWithOffCentreFoci) {
    // Settings without jumps (the triangle fold is continuous over period
    // ends, equal phases), so the two ways to find B may differ only in rounding.
    auto d = feld(41, 29);
    struct Fall {
        double winkel, fx, fy;
        bool negativ, invertieren;
        int kurve;
        double anstieg, gamma;
    } faelle[] = {
        {0, 20, 14, false, false, 3, 0, 1},       {0, 26, 17, false, false, 6, 0.4, 1},
        {30, 25, 10, true, false, 3, -0.5, 2.5},  {217, 14, 20, false, true, 7, 0, 0.5},
        {90, 40, 14, false, false, 4, 0, 1},  // focus outside: the centre takes over
        {123, 20.5, 14.5, true, true, 8, 1, 1.3},
    };
    for (const Fall& f : faelle) {
        RotationParamRec r = grund(20, 14, 17, 11);
        r.Winkel = f.winkel;
        r.FokusX = f.fx;
        r.FokusY = f.fy;
        r.Negativ = f.negativ;
        r.Invertieren = f.invertieren;
        r.Kurve = f.kurve;
        r.AnstiegF = f.anstieg;
        r.GammaF = f.gamma;
        r.Welle = true;
        r.Perioden = 3;
        RotationBerechnen(*d, r);
        int innen = 0;
        for (int x = 0; x <= d->MaxX; ++x) {
            for (int y = 0; y <= d->MaxY; ++y) {
                ASSERT_NEAR(d->Zweitbild(x, y), referenzWert(r, x, y), 1e-9)
                    << "angle " << f.winkel << " at " << x << "," << y;
                innen += d->Zweitbild(x, y) != (f.invertieren ? 1.0 : 0.0);
            }
        }
        EXPECT_GT(innen, 300) << f.winkel;
    }
}

TEST(Rotation, ConeBowlEdgeFocusAndRaysAlongTheAxes) {
    auto d = feld(41, 41);
    // 'f=x', one period, focus on the centre: a cone from 1 down to the ellipse.
    RotationParamRec r = grund(20, 20, 10, 10);
    RotationBerechnen(*d, r);
    EXPECT_EQ(d->Zweitbild(20, 20), 1.0);
    EXPECT_DOUBLE_EQ(d->Zweitbild(25, 20), 0.5);
    EXPECT_DOUBLE_EQ(d->Zweitbild(20, 16), 0.6);
    EXPECT_EQ(d->Zweitbild(30, 20), 0.0);  // on the ellipse: w = 0
    EXPECT_EQ(d->Zweitbild(31, 20), 0.0);  // outside
    EXPECT_EQ(d->Zweitbild(0, 0), 0.0);
    // Negativ: a bowl, 0 in the middle and 1 on the rim.
    r.Negativ = true;
    RotationBerechnen(*d, r);
    EXPECT_EQ(d->Zweitbild(20, 20), 0.0);
    EXPECT_EQ(d->Zweitbild(30, 20), 1.0);
    EXPECT_EQ(d->Zweitbild(31, 20), 0.0);

    // An off-centre focus: the sample on it is 1, and rays along either
    // axis meet the circle where they should.
    r = grund(20, 20, 10, 10);
    r.FokusX = 20;
    r.FokusY = 25;
    RotationBerechnen(*d, r);
    EXPECT_EQ(d->Zweitbild(20, 25), 1.0);
    EXPECT_NEAR(d->Zweitbild(20, 28), 1 - 3.0 / 5.0, 1e-12);              // towards (20, 30)
    EXPECT_NEAR(d->Zweitbild(20, 20), 1 - 5.0 / 15.0, 1e-12);             // towards (20, 10)
    EXPECT_NEAR(d->Zweitbild(26, 25), 1 - 6.0 / std::sqrt(75.0), 1e-12);  // along x
    EXPECT_NEAR(d->Zweitbild(20, 30), 0.0, 1e-12);
    for (int x = 0; x <= d->MaxX; ++x)
        for (int y = 0; y <= d->MaxY; ++y)
            ASSERT_TRUE(d->Zweitbild(x, y) >= 0.0 && d->Zweitbild(x, y) <= 1.0) << x << "," << y;

    // The ring parity picks the phase: two periods, the odd ring shifted by
    // a half. At w = 0.75 (t = 1.5, odd) p = 2.0 closes its period at 1.
    r = grund(20, 20, 20, 20);
    r.Perioden = 2;
    r.Verschiebung2 = 0.5;
    RotationBerechnen(*d, r);
    EXPECT_EQ(d->Zweitbild(25, 20), 1.0);
    EXPECT_DOUBLE_EQ(d->Zweitbild(30, 20), 0.5);  // t = 1, odd: p = 1.5
    EXPECT_DOUBLE_EQ(d->Zweitbild(20, 34), 0.6);  // t = 0.6, even: no shift
}

TEST(Rotation, FivePeriodsWithWelleGiveFiveRidges) {
    auto d = feld(301, 101);
    RotationParamRec r = grund(150, 50, 100, 100);
    r.Perioden = 5;
    r.Welle = true;
    RotationBerechnen(*d, r);
    int grate = 0;
    for (int x = 151; x < 250; ++x) {
        if (d->Zweitbild(x, 50) > d->Zweitbild(x - 1, 50) &&
            d->Zweitbild(x, 50) >= d->Zweitbild(x + 1, 50))
            ++grate;
    }
    EXPECT_EQ(grate, 5);
}

TEST(Rotation, EveryVectorKernelGivesTheScalarKernelsBitsOnRandomSettings) {
    // The vector kernels take both sides of every choice in four or eight
    // lanes; any lane that took a different step would show here to the last
    // bit. 43 rows, no multiple of 4 or 8, reach the scalar tail.
    std::mt19937_64 zufall(16);
    auto gleich = [&](double a, double b) {
        return std::uniform_real_distribution<>(a, b)(zufall);
    };
    auto d = feld(37, 43);
    auto s = feld(37, 43);
    for (int fall = 0; fall < 60; ++fall) {
        // Whole radii put samples exactly on the ellipse.
        const double rx = gleich(3, 40), ry = gleich(3, 40);
        RotationParamRec r = grund(std::round(gleich(0, 37)), std::round(gleich(0, 43)),
                                   fall % 2 ? rx : std::round(rx), fall % 2 ? ry : std::round(ry));
        r.Kurve = 1 + fall % 8;
        r.Perioden = gleich(0.1, 12);
        r.AnstiegF = fall % 3 ? gleich(-1, 1) : 0.0;
        r.GammaF = fall % 2 ? gleich(0.2, 4) : 1.0;
        r.Stufen = fall % 4 == 0 ? 7 : 0;
        r.Verschiebung1 = gleich(0, 2);
        r.Verschiebung2 = gleich(0, 2);
        // On a sample (level with the centre: rays with b = 0), anywhere, or on the centre.
        r.FokusX = fall % 3 == 0 ? r.MitteX + 2 : (fall % 3 == 1 ? gleich(0, 37) : r.MitteX);
        r.FokusY = fall % 3 == 0 ? r.MitteY - fall % 2 : (fall % 3 == 1 ? gleich(0, 43) : r.MitteY);
        r.Winkel = fall % 5 == 0 ? 0.0 : (fall % 5 == 1 ? 90.0 : gleich(0, 360));
        r.Welle = fall & 1;
        r.Negativ = fall & 2;
        RotationBerechnenMit(*s, r, Befehlssatz::Sse2);
        for (Befehlssatz satz : Befehlssaetze()) {
            RotationBerechnenMit(*d, r, satz);
            for (int x = 0; x <= d->MaxX; ++x)
                for (int y = 0; y <= d->MaxY; ++y)
                    ASSERT_EQ(std::bit_cast<std::uint64_t>(d->Zweitbild(x, y)),
                              std::bit_cast<std::uint64_t>(s->Zweitbild(x, y)))
                        << "case " << fall << " set " << int(satz) << " at " << x << "," << y;
        }
    }
}

TEST(Rotation, FieldDefaultsAndTheDialogCoupling) {
    auto d = feld(5, 5);
    RotationParamRec r = RotationAufFeld(*d, recordVorgaben<RotationParamRec>(RotationParameter()));
    EXPECT_EQ(r.MitteX, 1.0);  // Round(2.5) - 1, halves to even
    EXPECT_EQ(r.RadiusY, 1.0);
    d->MaxX = 512;
    d->MaxY = 300;
    r = RotationAufFeld(*d, recordVorgaben<RotationParamRec>(RotationParameter()));
    EXPECT_EQ(r.MitteX, 255.0);  // Round(256.5) - 1
    EXPECT_EQ(r.FokusY, 149.0);
    EXPECT_EQ(r.RadiusX, 170.0);
    EXPECT_EQ(r.RadiusY, 99.0);
    r.FokusX = 3;
    const RotationParamRec k = RotationKoppeln(r);
    EXPECT_EQ(k.FokusX, 255.0);
    EXPECT_EQ(k.RadiusY, 170.0);
    r.MitteFokusGleich = r.RadienGleich = false;
    EXPECT_EQ(RotationKoppeln(r).FokusX, 3.0);
    EXPECT_EQ(RotationKoppeln(r).RadiusY, 99.0);
}

}  // namespace
}  // namespace gm
