#include "formats/netz_stichproben.h"

#include <algorithm>
#include <cmath>

#include "core/puffer.h"

namespace gm {

void Stichproben::randSpiegeln() {
    for (int j = 0; j < ny_; ++j) {
        (*this)(-1, j) = (*this)(0, j);
        (*this)(nx_, j) = (*this)(nx_ - 1, j);
    }
    for (int i = -1; i <= nx_; ++i) {
        const int ii = std::clamp(i, 0, nx_ - 1);
        (*this)(i, -1) = (*this)(ii, 0);
        (*this)(i, ny_) = (*this)(ii, ny_ - 1);
    }
}

// The samples of the mesh: the field itself, or resampled bilinearly when the
// mesh has another point count. The first and last mesh samples sit on the
// field's first and last samples, as the mesh spans Laenge x Breite from edge
// to edge; the rule of a size change (steps of count / count) would stop short
// of the far edge or, on a finer mesh, extrapolate past it above the highest
// sample.
Stichproben StichprobenBilden(const Dokument& dok, const NetzRec& rec) {
    Stichproben s(rec.NetzPunkteX, rec.NetzPunkteY);
    const double rx = double(dok.MaxX) / (rec.NetzPunkteX - 1);
    const double ry = double(dok.MaxY) / (rec.NetzPunkteY - 1);
    bilinearAbtasten(dok.Hoehenfeld, dok.MaxX, dok.MaxY, rec.NetzPunkteX, rec.NetzPunkteY, rx, ry,
                     [&](int i, int j, double v) { s(i, j) = v; });
    s.randSpiegeln();
    return s;
}

Normale FlaechenNormale(const Stichproben& s, int i, int j, const NetzMasse& m) {
    const int l = std::max(i - 1, 0), r = std::min(i + 1, s.nx() - 1);
    const int u = std::max(j - 1, 0), o = std::min(j + 1, s.ny() - 1);
    const double gx = (s(r, j) - s(l, j)) * m.hoehe / ((r - l) * m.dx);
    const double gy = (s(i, o) - s(i, u)) * m.hoehe / ((o - u) * m.dy);
    const double laenge = std::sqrt(gx * gx + gy * gy + 1.0);
    return {-gx / laenge, -gy / laenge, 1.0 / laenge};
}

Abweichung AbweichungBerechnen(const Stichproben& s) {
    Abweichung a;
    for (int i = 0; i < s.nx() - 1; ++i) {
        for (int j = 0; j < s.ny() - 1; ++j) {
            const double h = s(i, j);
            for (double d : {std::fabs(h - s(i + 1, j + 1)), std::fabs(h - s(i, j + 1)),
                             std::fabs(h - s(i + 1, j))}) {
                a.Dmax = std::max(a.Dmax, d);
                if (d > 0.0 && d < a.Dmin) a.Dmin = d;
            }
        }
    }
    return a;
}

}  // namespace gm
