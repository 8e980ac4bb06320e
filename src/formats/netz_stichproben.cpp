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

// The samples of the mesh: the field itself, or resampled by the rule of a
// size change when the mesh has another point count (whole-number positions,
// such as every position at the same size, reproduce the samples exactly).
Stichproben StichprobenBilden(const Dokument& dok, const NetzRec& rec) {
    Stichproben s(rec.NetzPunkteX, rec.NetzPunkteY);
    bilinearAbtasten(dok.Hoehenfeld, dok.MaxX, dok.MaxY, rec.NetzPunkteX, rec.NetzPunkteY,
                     [&](int i, int j, double v) { s(i, j) = v; });
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
