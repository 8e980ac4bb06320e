#pragma once
// The wave-shaping function shared by the modifier curve, the rotation
// generator and the function generator.

#include <cmath>
#include <numbers>

#include "core/befehlssatz.h"
#include "core/mathe.h"
#include "core/zahlen.h"

namespace gm {

// The basic curves of WellenProfil at s in 0..1. Cosine and sine from
// core/mathe.h, so that the vector form of the profile gives the same bits.
inline double GrundKurve(int kurve, double s) {
    constexpr double pi = std::numbers::pi;
    switch (kurve) {
        case 1:
            return 1.0;
        case 2:
            return (s >= 0.5) ? 1.0 : 0.0;
        case 3:
            return s;
        case 4:
            return s * s;
        case 5:
            return (s > 0.0) ? std::sqrt(s) : 0.0;
        case 6:
            return (1.0 - Cos(pi * s)) / 2.0;
        case 7:
            return Sin(pi * s / 2.0);
        case 8:
            return 1.0 - Cos(pi * s / 2.0);
        default:
            return 0.0;
    }
}

// The settings of WellenProfil that stay the same over a whole field.
struct WellenForm {
    int kurve;
    bool welle, negativ;
    double anstieg, stufen, mitte, dehnung, gamma, perioden;
};

// WellenProfil with its fixed settings gathered, inline for loops over a field.
[[gnu::always_inline]] inline double WellenProfilBei(const WellenForm& f, double phase, double t) {
    const double summe = t + phase;
    double s = summe;
    if (s == std::trunc(s)) {
        s = (s != 0.0) ? 1.0 : 0.0;
    } else {
        s = s - std::trunc(s);
    }
    if (f.welle) {
        s = (s <= 0.5) ? 2.0 * s : 2.0 * (1.0 - s);
        if (f.negativ) s = 1.0 - s;
    }
    s = clamp01((s - f.mitte) / f.dehnung + f.mitte);
    if (f.gamma != 1.0) s = std::pow(s, f.gamma);
    double r = GrundKurve(f.kurve, s);
    // The relative position, computed only where the fade needs it.
    auto rampe = [&] { return summe / (f.perioden + phase); };
    if (f.anstieg > 0.0) {
        r = r * rampe() * f.anstieg + (1.0 - f.anstieg) * r;
    } else if (f.anstieg < 0.0) {
        r = r * rampe() * f.anstieg + r;
    }
    if (f.stufen >= 1.0) r = roundHalfEven(r * f.stufen) / f.stufen;
    return clamp01(r);
}

// The two phases of a position: `gerade` where Trunc(t) is even, `ungerade`
// where it is odd (the rotation's rings); equal for a single phase.
struct WellenPhasen {
    double gerade, ungerade;
};

// WellenProfilBei with the phase of t's ring; a NaN position gives 0.
inline double WellenProfilImRing(const WellenForm& f, WellenPhasen p, double t) {
    if (std::isnan(t)) return 0.0;
    const double phase = (long long)(std::trunc(t)) % 2 == 0 ? p.gerade : p.ungerade;
    return WellenProfilBei(f, phase, t);
}

// WellenProfilImRing over t[0..n), into werte (which may be t), on the lanes
// of `satz` (one of Befehlssaetze()); every set gives the bits of the scalar
// form.
void WellenProfilReihe(const WellenForm& f, WellenPhasen p, const double* t, double* werte, int n,
                       Befehlssatz satz = BesterBefehlssatz());

// Shapes position t (in periods) into 0..1: the phase is added, the sum is
// wrapped into one period (whole numbers other than 0 map to 1), folded into
// a triangle when `welle` (and flipped when also `negativ`), stretched by
// `dehnung` about `mitte`, limited to 0..1, raised to `gamma`, passed through
// basic curve `kurve` (1..8; any other value gives 0), faded by `anstieg`
// along the relative position (t + phase) / (perioden + phase), quantised to
// `stufen` steps when stufen >= 1, and limited to 0..1.
double WellenProfil(int kurve, bool welle, bool negativ, double anstieg, double stufen,
                    double mitte, double dehnung, double gamma, double perioden, double phase,
                    double t);

}  // namespace gm
