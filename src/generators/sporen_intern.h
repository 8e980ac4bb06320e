#pragma once
// What the per-sample form of the spores pattern (sporen.cpp) and its column
// fill (sporen_feld.cpp) share, so that both compute the same numbers.

#include <cstdint>
#include <functional>

#include "core/zahlen.h"
#include "generators/sporen.h"

namespace gm::sporen_intern {

// The lattice terms of one coordinate.
struct Gitter {
    int b0, b1, f0, f1, s;
};

inline Gitter gitter(int c) {
    const int t = c + (1 << 30);
    Gitter g;
    g.b0 = (t >> 10) & 255;
    g.b1 = (g.b0 + 1) & 255;
    g.f0 = t & 1023;
    g.f1 = g.f0 - 1024;
    g.s = ((3072 - 2 * g.f0) * g.f0 * g.f0) >> 20;
    return g;
}

inline std::int64_t mischen(std::int64_t u, std::int64_t v, int s) {
    return u * 1024 + (v - u) * s;
}

// The part of the sample position that does not depend on the turbulence.
inline double positionsBasis(int k, int zellen, double w) {
    return (1.0 - w) * (double(k) / double(zellen) + 3.0) * 2048.0;
}

// Sample position along one axis: whole number nearest to the blend, halved.
inline int position(double basis, double w, int turbulenz) {
    return roundToInt(basis + w * double(turbulenz)) / 2;
}

inline double abschneiden(const SporenParamRec& p, double v) {
    if (v < p.SporenUnten) v = p.SporenUnten;
    if (v > p.SporenOben) v = p.SporenOben;
    return v;
}

// Fills columns x = 0..nx - 1 of ny values each, column x at spalte(x), on
// two threads; every value equals SporenWert's.
void FeldFuellen(const SporenTabellen& t, const SporenParamRec& p, int zellenX, int zellenY, int nx,
                 int ny, const std::function<double*(int)>& spalte,
                 SporenKern kern = SporenKern::Auto);

}  // namespace gm::sporen_intern
