#pragma once
// What the rotation generator's per-sample form (rotation.cpp) and its column
// kernels (rotation_kern.cpp) share, so that both compute the same numbers.

#include <cmath>

#include "core/befehlssatz.h"
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
    // The ray's quadratic a s^2 + b s + c = 0 (below) multiplied by
    // Rx^2 Ry^2, which leaves one division per sample: with D = P - F and
    // U = F - C, a = Dx^2 Ry^2 + Dy^2 Rx^2, b = 2 (Ux Ry^2 Dx + Uy Rx^2 Dy),
    // c = (Ux^2 / Rx^2 + Uy^2 / Ry^2 - 1) Rx^2 Ry^2, below 0.
    double uxRy2, uyRx2;
    double vierC;           // 4 c
    double kehrMinusZweiC;  // 1 / (-2 c)
};

Geometrie geometrie(const RotationParamRec& r);

// Radial position of P inside the ellipse (e <= 1): 1 - |FP| / |FB|, with B
// where the ray from F through P leaves the ellipse. B = F + s (P - F) with
// s the positive root of the quadratic, so |FP| / |FB| = 1 / s =
// (b + sqrt(b^2 - 4ac)) / (-2c) = 2a / (sqrt(b^2 - 4ac) - b); each branch
// takes the form without cancellation, and rays along an axis need no
// special case. A sample on the focus has no ray: 1.
inline double radial(const Geometrie& g, double px, double py, double e) {
    if (g.imZentrum) return 1.0 - std::sqrt(e);
    const double dx = px - g.fx, dy = py - g.fy;
    if (dx == 0.0 && dy == 0.0) return 1.0;
    const double a = dx * dx * g.ry2 + dy * dy * g.rx2;
    const double b = 2.0 * (g.uxRy2 * dx + g.uyRx2 * dy);
    const double wurzel = std::sqrt(b * b - a * g.vierC);
    const double kehrwert = b >= 0.0 ? (b + wurzel) * g.kehrMinusZweiC : (2.0 * a) / (wurzel - b);
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

// The ring parity picks the phase.
inline WellenPhasen phasen(const RotationParamRec& r) {
    return {r.Verschiebung1, r.Verschiebung2};
}

// The turn's row terms s (y - cy) and c (y - cy) of rows 0..anzahl - 1.
struct Zeilen {
    int anzahl;
    const double* sinus;
    const double* cosinus;
};

// The positions t of rows 0..z.anzahl - 1 of column x (NaN outside the
// ellipse); every instruction set gives the same numbers.
using PositionenFn = void (*)(const RotationParamRec& r, const Geometrie& g, const Zeilen& z, int x,
                              double* t);
// The kernel of `satz`, one of Befehlssaetze(); Sse2 is the per-sample form.
PositionenFn PositionenKern(Befehlssatz satz);

}  // namespace gm::rotation_intern
