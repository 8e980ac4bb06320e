// The rotation figure's positions t column by column. The turn is split into
// a column term and a row term, each computed once, and summed per sample in
// the order Drehen sums them.

#include <cmath>

#include "core/spuren.h"
#include "generators/rotation_intern.h"

namespace gm::rotation_intern {

namespace {

// The position of row y in a column with terms spalteC = c (x - cx) and
// spalteS = -s (x - cx).
inline double positionBei(const RotationParamRec& r, const Geometrie& g, const Zeilen& z,
                          double spalteC, double spalteS, int x, int y) {
    double px = x, py = y;
    if (r.Winkel != 0.0) {
        px = spalteC + z.sinus[y] + g.cx;
        py = spalteS + z.cosinus[y] + g.cy;
    }
    return position(r, g, px, py);
}

void positionenSkalar(const RotationParamRec& r, const Geometrie& g, const Zeilen& z, int x,
                      double* t) {
    const double spalteC = g.cosinus * (x - g.cx), spalteS = -g.sinus * (x - g.cx);
    for (int y = 0; y < z.anzahl; ++y)
        t[y] = positionBei(r, g, z, spalteC, spalteS, x, y);
}

#define GM_SPUREN_CODE "generators/rotation_spuren.inc"
#include "core/spuren_saetze.inc"
#undef GM_SPUREN_CODE

}  // namespace

PositionenFn PositionenKern(Befehlssatz satz) {
    switch (satz) {
        case Befehlssatz::Avx512:
            return avx512::positionen;
        case Befehlssatz::Avx2:
            return avx2::positionen;
        case Befehlssatz::Sse2:
            break;
    }
    return positionenSkalar;
}

}  // namespace gm::rotation_intern
