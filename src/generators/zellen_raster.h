#pragma once
// The distance raster of the cell generator: for every sample of a w x h
// torus the smallest distance to the first Anzahl feature points, exactly as
// the plain scan over all points computes it, found by visiting only the
// points that can still be nearer.

#include <cmath>
#include <vector>

#include "core/feld.h"
#include "generators/zellen.h"

namespace gm {

// Distance along one axis of length n from sample i to the point at
// fraction f, wrapped around the edge.
inline double ZellenAchse(int i, int n, double f) {
    double d = std::fabs(double(i) - double(n) * f);
    if (d > double(n) / 2.0) d = double(n) - d;
    return d;
}

// The measure of Verknuepfung; any other value gives 0.
inline double ZellenMass(int verknuepfung, double dx, double dy) {
    switch (verknuepfung) {
        case 0:
            return std::sqrt(dx * dx + dy * dy);
        case 1:
            return dx * dy;
        case 2:
            return dx + dy;
        case 3:
            return dx;
        case 4:
            return dy;
        default:
            return 0.0;
    }
}

// Writes the distance of every sample (x, y) to spalten[x][y], skipping the
// cells `maske` protects when it is given.
void ZellenRasterSpalten(const ZellenParamRec& p, const std::vector<ZellenPunkt>& punkte, int w,
                         int h, const TMaske* maske, const std::vector<double*>& spalten);

template <class Spalte>
void ZellenRaster(const ZellenParamRec& p, const std::vector<ZellenPunkt>& punkte, int w, int h,
                  const TMaske* maske, Spalte&& spalte) {
    std::vector<double*> spalten(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x)
        spalten[x] = spalte(x);
    ZellenRasterSpalten(p, punkte, w, h, maske, spalten);
}

}  // namespace gm
