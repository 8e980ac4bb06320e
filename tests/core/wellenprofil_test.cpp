#include "core/wellenprofil.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>

#include "core/kombination.h"
#include "core/mathe.h"
#include "core/zahlen.h"

namespace gm {
namespace {

// The modifier curve as it was computed before it was folded into
// WellenProfil, step by step; the fold must not change a single bit.
double modifikatorVorher(const ModRec& mod, double z) {
    const double x = (mod.Negativ ? 1.0 - z : z) * mod.Iterationen;
    double t = x + mod.Verschiebung;
    const double rampe = t / (mod.Iterationen + mod.Verschiebung);
    if (t == std::trunc(t)) {
        t = (t != 0.0) ? 1.0 : 0.0;
    } else {
        t = t - std::trunc(t);
    }
    if (mod.Welle) {
        t = (t <= 0.5) ? 2.0 * t : 2.0 * (1.0 - t);
        if (mod.Negativ) t = 1.0 - t;
    }
    t = (t - mod.Linearitaet2) / mod.Linearitaet1 + mod.Linearitaet2;
    t = clamp01(t);
    if (mod.Gamma != 1.0) t = std::pow(t, mod.Gamma);
    constexpr double pi = std::numbers::pi;
    double r = 0.0;
    switch (mod.Modus) {
        case 1:
            r = 1.0;
            break;
        case 2:
            r = (t >= 0.5) ? 1.0 : 0.0;
            break;
        case 3:
            r = t;
            break;
        case 4:
            r = t * t;
            break;
        case 5:
            r = (t > 0.0) ? std::sqrt(t) : 0.0;
            break;
        case 6:
            r = (1.0 - Cos(pi * t)) / 2.0;
            break;
        case 7:
            r = Sin(pi * t / 2.0);
            break;
        case 8:
            r = 1.0 - Cos(pi * t / 2.0);
            break;
        default:
            r = 0.0;
    }
    const double a = mod.Anstieg;
    if (a > 0.0) {
        r = r * rampe * a + (1.0 - a) * r;
    } else if (a < 0.0) {
        r = r * rampe * a + r;
    }
    if (mod.Digits >= 1.0) r = roundHalfEven(r * mod.Digits) / mod.Digits;
    r = clamp01(r);
    if (mod.Invertieren) r = 1.0 - r;
    return r;
}

// Random modifier settings, often on whole numbers and slider ends, where
// the wrap, the fold and the quantisation change branch, and heights to try.
struct Zufall {
    std::mt19937_64 zahlen{20261209};
    double gleich(double a, double b) { return std::uniform_real_distribution<>(a, b)(zahlen); }
    int wuerfel(int n) { return int(zahlen() % std::uint64_t(n)); }
    double zahl(double a, double b, double schritt) {
        switch (wuerfel(3)) {
            case 0:
                return gleich(a, b);
            case 1:
                return std::round(gleich(a, b) / schritt) * schritt;
            default:
                return wuerfel(2) ? a : b;
        }
    }
    double logarithmisch(double a, double b) { return std::exp(gleich(std::log(a), std::log(b))); }
    ModRec einstellung() {
        ModRec m;
        m.Modus = wuerfel(10);  // 0 and 9 lie outside the curves
        m.Welle = wuerfel(2);
        m.Negativ = wuerfel(2);
        m.Invertieren = wuerfel(2);
        m.Iterationen = wuerfel(2) ? logarithmisch(0.1, 100.0) : double(1 + wuerfel(12));
        m.Digits = wuerfel(3) ? zahl(0.0, 32.0, 1.0) : gleich(0.0, 1.0);
        m.Gamma = wuerfel(3) ? 1.0 : logarithmisch(0.01, 100.0);
        m.Verschiebung = zahl(0.0, 2.0, 0.25);
        m.Linearitaet1 = wuerfel(2) ? 1.0 : logarithmisch(0.01, 100.0);
        m.Linearitaet2 = zahl(0.0, 1.0, 0.05);
        m.Anstieg = zahl(-1.0, 1.0, 0.5);
        return m;
    }
    // The i-th height to try: whole periods, exact halves and plain random heights.
    double hoehe(const ModRec& m, int i) {
        double z = i < 5 ? double(i) / 4.0 : gleich(0.0, 1.0);
        if (i % 7 == 6) z = std::round(z * m.Iterationen) / m.Iterationen;
        return z;
    }
};

TEST(WellenProfil, TheModifierCurveThroughItIsBitIdenticalOverRandomSettings) {
    Zufall zufall;
    long verglichen = 0;
    for (int satz = 0; satz < 20000; ++satz) {
        const ModRec m = zufall.einstellung();
        for (int i = 0; i < 25; ++i) {
            const double z = zufall.hoehe(m, i);
            const double erwartet = modifikatorVorher(m, z), ist = ModifikatorWert(m, z);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(ist), std::bit_cast<std::uint64_t>(erwartet))
                << "set " << satz << " z " << z << ": " << ist << " vs " << erwartet;
            ++verglichen;
        }
    }
    EXPECT_EQ(verglichen, 500000);
}

TEST(WellenProfil, EveryInstructionSetGivesTheScalarBitsInRingsAndInTheModifier) {
    // Rows of 61 positions reach the scalar tail of every lane width; some
    // positions are NaN (outside a figure) and some whole ring numbers.
    Zufall zufall;
    constexpr int n = 61;
    for (int fall = 0; fall < 4000; ++fall) {
        const ModRec m = zufall.einstellung();
        const WellenForm f{m.Modus,        m.Welle,        m.Negativ, m.Anstieg,    m.Digits,
                           m.Linearitaet2, m.Linearitaet1, m.Gamma,   m.Iterationen};
        const WellenPhasen p{m.Verschiebung, fall % 2 ? m.Verschiebung : zufall.zahl(0, 2, 0.25)};
        double t[n], z[n], erwartet[n];
        for (int i = 0; i < n; ++i) {
            z[i] = zufall.hoehe(m, i % 25);
            t[i] = i % 11 == 10 ? std::nan("") : z[i] * m.Iterationen;
            erwartet[i] = WellenProfilImRing(f, p, t[i]);
        }
        double modErwartet[n];
        for (int i = 0; i < n; ++i)
            modErwartet[i] = ModifikatorWert(m, z[i]);
        for (Befehlssatz satz : Befehlssaetze()) {
            double w[n], mod[n];
            WellenProfilReihe(f, p, t, w, n, satz);
            ModifikatorReihe(m, z, mod, n, satz);
            for (int i = 0; i < n; ++i) {
                ASSERT_EQ(std::bit_cast<std::uint64_t>(w[i]),
                          std::bit_cast<std::uint64_t>(erwartet[i]))
                    << "case " << fall << " set " << int(satz) << " t " << t[i];
                ASSERT_EQ(std::bit_cast<std::uint64_t>(mod[i]),
                          std::bit_cast<std::uint64_t>(modErwartet[i]))
                    << "case " << fall << " set " << int(satz) << " z " << z[i];
            }
        }
    }
}

TEST(WellenProfil, CurvesWrapFoldAndQuantiseAsTheTableSays) {
    // f=x over one period: whole positions other than 0 close the period at 1.
    EXPECT_EQ(WellenProfil(3, false, false, 0, 0, 0.5, 1, 1, 1, 0, 0.0), 0.0);
    EXPECT_EQ(WellenProfil(3, false, false, 0, 0, 0.5, 1, 1, 3, 0, 2.0), 1.0);
    EXPECT_EQ(WellenProfil(3, false, false, 0, 0, 0.5, 1, 1, 3, 0, 1.25), 0.25);
    // The triangle, reversed by negativ only together with welle.
    EXPECT_EQ(WellenProfil(3, true, false, 0, 0, 0.5, 1, 1, 1, 0, 0.75), 0.5);
    EXPECT_DOUBLE_EQ(WellenProfil(3, true, true, 0, 0, 0.5, 1, 1, 1, 0, 0.1), 0.8);
    EXPECT_DOUBLE_EQ(WellenProfil(3, false, true, 0, 0, 0.5, 1, 1, 1, 0, 0.1), 0.1);
    // Four steps give the five levels, halves to even.
    EXPECT_EQ(WellenProfil(3, false, false, 0, 4, 0.5, 1, 1, 1, 0, 0.375), 0.5);
    EXPECT_EQ(WellenProfil(3, false, false, 0, 4, 0.5, 1, 1, 1, 0, 0.3), 0.25);
    // Curve 0 and curves past 8 give 0; 'f=0/1' switches at one half.
    EXPECT_EQ(WellenProfil(0, false, false, 0, 0, 0.5, 1, 1, 1, 0, 0.7), 0.0);
    EXPECT_EQ(WellenProfil(2, false, false, 0, 0, 0.5, 1, 1, 1, 0, 0.5), 1.0);
    EXPECT_EQ(WellenProfil(2, false, false, 0, 0, 0.5, 1, 1, 1, 0, 0.49), 0.0);
}

}  // namespace
}  // namespace gm
