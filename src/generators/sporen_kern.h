#pragma once
// The two kernels of the spores column fill, each in a scalar and a vector
// form that give the same numbers: the sample positions of a column from its
// noise tables, and the search for the nearest and second nearest feature
// point among the 27 around a search cell.

#include <cstdint>

#include "generators/sporen.h"

namespace gm::sporen_intern {

// Noise calls per sample: T1's octaves 0..2 (coordinates 30, 60, 120 times
// the index), then T2's (27, 54, 108 times).
constexpr int Aufrufe = 6;
constexpr int Faktor[Aufrufe] = {30, 60, 120, 27, 54, 108};

// One column's x-blends: for noise call r and lattice row e, the x-blend of
// the row at row offset fy is a[r][e] + fy * b[r][e] (before its shift).
// Rows 256..263 repeat rows 0..7, so that e + 1 and windows of 8 rows need no
// wrap. Every value and every sum with fy * b fits in 32 bits.
constexpr int SpaltenZeilen = 264;
struct Spalte {
    alignas(32) std::int32_t a[Aufrufe][SpaltenZeilen];
    alignas(32) std::int32_t b[Aufrufe][SpaltenZeilen];
};

// The rows' lattice terms per noise call, padded to whole groups of 8.
struct Zeilen {
    int anzahl = 0;
    std::int32_t* b0[Aufrufe];
    std::int32_t* f0[Aufrufe];
    std::int32_t* f1[Aufrufe];
    std::int32_t* s[Aufrufe];
    double* basis;  // the sample position's row part
};

// px and py of rows 0..z.anzahl - 1 of the column with position part basisX.
using LagenFn = void (*)(const Spalte& sp, const Zeilen& z, double basisX, double w,
                         std::int32_t* px, std::int32_t* py);

// Lanes for the 27 points and 5 far ones that never count.
constexpr int NachbarPlaetze = 32;

// The points of one search cell (cx, cy) relative to its corner
// (2048 cx, 2048 cy), moved by the table wrap, layers 0 and 1 before layer 2;
// xy holds x in the low and y in the high 16 bits, z the depth term
// (2048 - Fz)^2.
struct Nachbarn {
    int cx = -1, cy = -1;
    alignas(32) int x[NachbarPlaetze];
    alignas(32) int y[NachbarPlaetze];
    alignas(32) int xy[NachbarPlaetze];
    alignas(32) int z[NachbarPlaetze];
    int grenzeSchicht2;  // the smallest depth term of layer 2 (points 18..26), shifted by 10
};

// The values of rows 0..anzahl - 1 of a column from their sample positions:
// for each, F2 - F1 with F1 and F2 the two smallest distances (squared
// distance shifted right by 10) of the 27 points around its search cell and
// two starting values 100000, and the value tafel[min(F2 - F1, 2048)]. `n`
// keeps the last search cell's points from column to column.
using WerteFn = void (*)(const SporenTabellen& t, const std::int32_t* px, const std::int32_t* py,
                         int anzahl, const double* tafel, Nachbarn& n, double* z);

struct Kerne {
    LagenFn lagen;
    WerteFn werte;
};
// The kernels asked for; Auto takes the fastest the processor runs. A kernel
// the processor cannot run gives the scalar one.
Kerne KerneFuer(SporenKern kern);

}  // namespace gm::sporen_intern
