#pragma once
// The per-cell noise kernel of the raster engine: one Noise2D call for every
// row of a column, given the column's lattice tables and the rows' lattice data.

#include <cstdint>

#include "generators/noise_raster.h"

namespace gm::noise_intern {

// For one column and one call: for each lattice row e (0..256, entry 256 is
// row 0 again) the terms of the two gradients of the column's cell pair that
// do not depend on the row offset.
struct SpaltenTabelle {
    alignas(64) double ux[257];   // r0 * G[P[i + e]].gx
    alignas(64) double gyi[257];  // G[P[i + e]].gy
    alignas(64) double vx[257];   // r1 * G[P[j + e]].gx
    alignas(64) double gyj[257];  // G[P[j + e]].gy
    double sx;
};

// The lattice data of the rows of one call, one entry per row.
struct ZeilenDaten {
    const std::int32_t* by;
    const double* ry0;
    const double* ry1;
    const double* sy;
};

using KernFn = void (*)(const SpaltenTabelle& s, const ZeilenDaten& z, double* n, int anzahl);
KernFn kernFuer(NoiseKern kern);

}  // namespace gm::noise_intern
