#include "core/wellenprofil.h"

#include <cmath>
#include <numbers>

#include "core/zahlen.h"

namespace gm {

double GrundKurve(int kurve, double s) {
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
            return (1.0 - std::cos(pi * s)) / 2.0;
        case 7:
            return std::sin(pi * s / 2.0);
        case 8:
            return 1.0 - std::cos(pi * s / 2.0);
        default:
            return 0.0;
    }
}

double WellenProfil(int kurve, bool welle, bool negativ, double anstieg, double stufen,
                    double mitte, double dehnung, double gamma, double perioden, double phase,
                    double t) {
    double s = t + phase;
    const double rampe = s / (perioden + phase);
    if (s == std::trunc(s)) {
        s = (s != 0.0) ? 1.0 : 0.0;
    } else {
        s = s - std::trunc(s);
    }
    if (welle) {
        s = (s <= 0.5) ? 2.0 * s : 2.0 * (1.0 - s);
        if (negativ) s = 1.0 - s;
    }
    s = clamp01((s - mitte) / dehnung + mitte);
    if (gamma != 1.0) s = std::pow(s, gamma);
    double r = GrundKurve(kurve, s);
    if (anstieg > 0.0) {
        r = r * rampe * anstieg + (1.0 - anstieg) * r;
    } else if (anstieg < 0.0) {
        r = r * rampe * anstieg + r;
    }
    if (stufen >= 1.0) r = roundHalfEven(r * stufen) / stufen;
    return clamp01(r);
}

}  // namespace gm
