#pragma once
// What the rotation generator's per-sample form (rotation.cpp) and its column
// kernels (rotation_kern.cpp) share, so that both compute the same numbers.

#include <cmath>

#include "core/wellenprofil.h"
#include "generators/rotation.h"

namespace gm::rotation_intern {

// The turn of Drehen by its cosine c and sine s.
inline void drehenUm(double& x, double& y, double c, double s, double cx, double cy) {
    const double nx = c * (x - cx) + s * (y - cy) + cx;
    const double ny = -s * (x - cx) + c * (y - cy) + cy;
    x = nx;
    y = ny;
}

// The figure's geometry after the turn and the focus fallback.
struct Geometrie {
    double cx, cy, fx, fy, rx2, ry2;
    double cosinus, sinus;  // of the turn
    bool imZentrum;         // the focus lies on the centre
    double ux, uy;          // F - C
    double c;               // the constant term of the ray's quadratic, below 0
};

Geometrie geometrie(const RotationParamRec& r);

// Radial position of P inside the ellipse (e <= 1): 1 - |FP| / |FB|, with B
// where the ray from F through P leaves the ellipse. B = F + s (P - F) with
// s the positive root of a quadratic, so |FP| / |FB| = 1 / s; each branch
// takes the form without cancellation. A sample on the focus has no ray: 1.
inline double radial(const Geometrie& g, double px, double py, double e) {
    if (g.imZentrum) return 1.0 - std::sqrt(e);
    const double dx = px - g.fx, dy = py - g.fy;
    if (dx == 0.0 && dy == 0.0) return 1.0;
    const double a = dx * dx / g.rx2 + dy * dy / g.ry2;
    const double b = 2.0 * (g.ux * dx / g.rx2 + g.uy * dy / g.ry2);
    const double wurzel = std::sqrt(b * b - 4.0 * a * g.c);
    const double kehrwert = b >= 0.0 ? (b + wurzel) / (-2.0 * g.c) : (2.0 * a) / (wurzel - b);
    const double w = 1.0 - kehrwert;
    return w > 1.0 ? 1.0 : w;
}

// The profile's position t of the turned point P, or NaN outside the ellipse.
inline double position(const RotationParamRec& r, const Geometrie& g, double px, double py) {
    const double dx = px - g.cx, dy = py - g.cy;
    const double e = dx * dx / g.rx2 + dy * dy / g.ry2;
    if (e > 1.0) return std::nan("");
    const double w = radial(g, px, py, e);
    return (r.Negativ ? 1.0 - w : w) * r.Perioden;
}

// The fixed settings of the profile.
inline WellenForm form(const RotationParamRec& r) {
    return {r.Kurve,        r.Welle,        r.Negativ, r.AnstiegF, r.Stufen,
            r.Linearitaet2, r.Linearitaet1, r.GammaF,  r.Perioden};
}

// The value at position t: the ring parity picks the phase.
[[gnu::always_inline]] inline double profil(const RotationParamRec& r, const WellenForm& f,
                                            double t) {
    const double phase = (long long)(std::trunc(t)) % 2 == 0 ? r.Verschiebung1 : r.Verschiebung2;
    return WellenProfilBei(f, phase, t);
}

// The turn's row terms s (y - cy) and c (y - cy) of rows 0..anzahl - 1.
struct Zeilen {
    int anzahl;
    const double* sinus;
    const double* cosinus;
};

// The values of rows 0..z.anzahl - 1 of column x: the positions t first
// (NaN outside the ellipse), then the profile over them; the scalar and the
// vector kernels give the same numbers.
using SpaltenFn = void (*)(const RotationParamRec& r, const Geometrie& g, const WellenForm& f,
                           const Zeilen& z, int x, double* werte);
// The fastest kernel the processor runs, or the scalar one when asked.
SpaltenFn SpaltenKern(bool skalar);

}  // namespace gm::rotation_intern
