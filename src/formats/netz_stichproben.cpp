#include "formats/netz_stichproben.h"

#include <algorithm>
#include <cmath>

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

namespace {

// Lower source index of a resampled position; its successor stays valid.
int untererIndex(double f, int altMax) {
    int i = int(f);
    return i >= altMax ? altMax - 1 : i;
}

}  // namespace

Stichproben StichprobenBilden(const Dokument& dok, const NetzRec& rec) {
    const int nx = rec.NetzPunkteX, ny = rec.NetzPunkteY;
    Stichproben s(nx, ny);
    const TFeld& h = dok.Hoehenfeld;
    if (nx == dok.punkteX() && ny == dok.punkteY()) {
        for (int i = 0; i < nx; ++i) {
            const double* spalte = h.spalte(i);
            for (int j = 0; j < ny; ++j)
                s(i, j) = spalte[j];
        }
    } else {
        const double rx = double(dok.punkteX()) / nx;
        const double ry = double(dok.punkteY()) / ny;
        for (int i = 0; i < nx; ++i) {
            const double fx = i * rx;
            const int ix = untererIndex(fx, dok.MaxX);
            const double wx1 = fx - ix, wx0 = (ix + 1) - fx;
            const double* s0 = h.spalte(ix);
            const double* s1 = h.spalte(ix + 1);
            for (int j = 0; j < ny; ++j) {
                const double fy = j * ry;
                const int iy = untererIndex(fy, dok.MaxY);
                const double wy1 = fy - iy, wy0 = (iy + 1) - fy;
                s(i, j) = (s0[iy] * wx0 + s1[iy] * wx1) * wy0 +
                          (s0[iy + 1] * wx0 + s1[iy + 1] * wx1) * wy1;
            }
        }
    }
    s.randSpiegeln();
    return s;
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
