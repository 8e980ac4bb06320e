#pragma once
// The per-cell noise kernel of the raster engine: one Noise2D call for every
// row of a column, given the column's lattice tables and the rows' lattice data.

#include <cstdint>

#include "generators/noise_raster.h"

namespace gm::noise_intern {

// For one column and one call: for each lattice row e (0..256, entry 256 is
// row 0 again) the terms of the two gradients of the column's cell pair that
// do not depend on the row offset.
// The arrays are padded so a window of 16 entries starting at any row fits.
constexpr int TabellenLaenge = 257 + 15;
struct SpaltenTabelle {
    alignas(64) double ux[TabellenLaenge];   // r0 * G[P[i + e]].gx
    alignas(64) double gyi[TabellenLaenge];  // G[P[i + e]].gy
    alignas(64) double vx[TabellenLaenge];   // r1 * G[P[j + e]].gx
    alignas(64) double gyj[TabellenLaenge];  // G[P[j + e]].gy
    double sx;
};

// Rows are taken in blocks of 8 from row 0. A block whose lattice rows all lie
// within 14 of its first row's is served from a 16-entry window of the column
// table by register permutes instead of gathers.
constexpr int Block = 8;

// The lattice data of the rows of one call, one entry per row.
struct ZeilenDaten {
    const std::int32_t* by;
    const double* ry0;
    const double* ry1;
    const double* sy;
    const std::int64_t* abstand;  // by[y] - by[first row of its block]
    const std::uint8_t* fenster;  // per block: served from a window
};

using KernFn = void (*)(const SpaltenTabelle& s, const ZeilenDaten& z, double* n, int anzahl);
KernFn kernFuer(NoiseKern kern);

}  // namespace gm::noise_intern
