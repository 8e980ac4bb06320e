#include "editing/form.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/zahlen.h"

namespace gm {

namespace {

constexpr double pi = std::numbers::pi;

struct ReglerBereich {
    double minimum, maximum;
};
// The ranges of the five shape sliders, in slider order.
constexpr ReglerBereich kBereiche[5] = {
    {MinEcken, MaxEcken}, {0.0, 1.0}, {0.0, 360.0}, {0.0, 360.0}, {0.0, 0.99},
};

double wuerfeln(const ReglerWert& r, const ReglerBereich& b, Zufallsfolge& zufall) {
    return std::clamp(r.Wert + (zufall() - 0.5) * 2.0 * r.Streuung, b.minimum, b.maximum);
}

double kreuz(Punkt a, Punkt b) {
    return a.x * b.y - a.y * b.x;
}

// Where the ray from `von` in direction `richtung` first meets the outline;
// `von` itself when it meets none.
Punkt strahlTreffer(const Umriss& u, Punkt von, Punkt richtung) {
    double bestes = -1.0;
    for (int k = 1; k <= u.n; ++k) {
        const Punkt a = u.O[k - 1];
        const Punkt kante{u.O[k].x - a.x, u.O[k].y - a.y};
        const double nenner = kreuz(richtung, kante);
        if (nenner == 0.0) continue;
        const Punkt d{a.x - von.x, a.y - von.y};
        const double t = kreuz(d, kante) / nenner;
        const double s = kreuz(d, richtung) / nenner;
        if (t >= 0.0 && s >= 0.0 && s <= 1.0 && (bestes < 0.0 || t < bestes)) bestes = t;
    }
    if (bestes < 0.0) return von;
    return {von.x + richtung.x * bestes, von.y + richtung.y * bestes};
}

void eckenSetzen(Umriss& u, const FormRec& f) {
    const int n = u.n;
    if (n == 3) {
        u.O[1] = {u.cx, f.y1};
        u.O[2] = {f.x2, f.y2};
        u.O[3] = {f.x1, f.y2};
    } else if (n == 4) {
        u.O[1] = {f.x1, f.y1};
        u.O[2] = {f.x2, f.y1};
        u.O[3] = {f.x2, f.y2};
        u.O[4] = {f.x1, f.y2};
    } else {
        for (int k = 1; k <= n; ++k) {
            const double a = (2 * k - 1) * pi / n;
            u.O[k] = {u.cx + std::sin(a) * u.rx, u.cy - std::cos(a) * u.ry};
        }
    }
    u.O[0] = u.O[n];
}

void drehen(Umriss& u, double drehung) {
    const double phi = pi * drehung / 180.0;
    const double c = std::cos(phi), s = std::sin(phi);
    for (int k = 1; k <= u.n; ++k) {
        const double dx = u.O[k].x - u.cx, dy = u.O[k].y - u.cy;
        u.O[k] = {c * dx + s * dy + u.cx, -s * dx + c * dy + u.cy};
    }
    u.O[0] = u.O[u.n];
}

}  // namespace

void FormParameterWuerfeln(FormRec& form, const FormRegler& regler, Zufallsfolge& zufall) {
    form.Ecken = roundToInt(wuerfeln(regler.Ecken, kBereiche[0], zufall));
    form.Zufall = wuerfeln(regler.Zufall, kBereiche[1], zufall);
    form.Drehung = wuerfeln(regler.Drehung, kBereiche[2], zufall);
    form.Verdrehung = wuerfeln(regler.Verdrehung, kBereiche[3], zufall);
    form.Verschiebung = wuerfeln(regler.Verschiebung, kBereiche[4], zufall);
}

Umriss FormEckpunkte(const FormRec& f, Zufallsfolge& zufall) {
    Umriss u;
    u.cx = f.x1 + (f.x2 - f.x1) / 2.0;
    u.cy = f.y1 + (f.y2 - f.y1) / 2.0;
    u.rx = std::abs(f.x1 - f.x2) / 2.0;
    u.ry = std::abs(f.y1 - f.y2) / 2.0;
    u.spitze = {u.cx, u.cy};
    u.n = std::clamp(f.Ecken, MinEcken, MaxEcken);
    eckenSetzen(u, f);
    if (f.Drehung != 0.0) drehen(u, f.Drehung);
    if (f.Verschiebung > 0.01) {
        const double a = pi * f.Verdrehung / 180.0;
        const Punkt treffer = strahlTreffer(u, u.spitze, {std::cos(a), std::sin(a)});
        u.spitze = {u.cx + (treffer.x - u.cx) * f.Verschiebung,
                    u.cy + (treffer.y - u.cy) * f.Verschiebung};
    }
    if (f.Zufall < 1.0) {
        const Punkt s = u.spitze;
        for (int k = 1; k <= u.n; ++k) {
            const double faktor = zufall() * (1.0 - f.Zufall) + f.Zufall;
            u.O[k] = {s.x + (u.O[k].x - s.x) * faktor, s.y + (u.O[k].y - s.y) * faktor};
        }
    }
    u.O[0] = u.O[u.n];
    return u;
}

void BoxUm(FormRec& form, Punkt mitte, double rx, double ry) {
    form.x1 = mitte.x - rx;
    form.x2 = mitte.x + rx;
    form.y1 = mitte.y - ry;
    form.y2 = mitte.y + ry;
}

}  // namespace gm
