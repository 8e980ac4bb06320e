#pragma once
// The spores pattern's search for the nearest and second nearest feature
// point among the 27 around a search cell, in a scalar and a vector form that
// give the same numbers.

namespace gm::sporen_intern {

// Lanes for the 27 points and 5 far ones that never count.
constexpr int NachbarPlaetze = 32;

// The points of one search cell (cx, cy), moved by the table wrap; z holds
// the depth term (2048 - Fz)^2.
struct Nachbarn {
    int cx = -1, cy = -1;
    alignas(32) int x[NachbarPlaetze];
    alignas(32) int y[NachbarPlaetze];
    alignas(32) int z[NachbarPlaetze];
};

enum class SucheKern { Auto, Skalar, Avx2 };

// F2 - F1 for the sample position (px, py): the two smallest distances
// (squared distance shifted right by 10) of the points and two starting
// values 100000.
using SucheFn = int (*)(const Nachbarn& n, int px, int py);
// The kernel asked for; Auto takes the fastest the processor runs. A kernel
// the processor cannot run gives the scalar one.
SucheFn SucheFuer(SucheKern kern);

}  // namespace gm::sporen_intern
