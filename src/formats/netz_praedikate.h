#pragma once
// Exact geometric tests on lattice points in the metric dx^2 + q * dy^2
// (q > 0: the squared ratio of the two sample spacings). Coordinates must lie
// within +-GitterGrenze.

#include <cstdint>

#include "formats/netz_typen.h"

namespace gm {

constexpr std::int32_t GitterGrenze = 1 << 20;

// Twice the signed area of (a, b, c): positive when counterclockwise.
inline std::int64_t orientierung(GitterPunkt a, GitterPunkt b, GitterPunkt c) {
    return (std::int64_t(b.x) - a.x) * (std::int64_t(c.y) - a.y) -
           (std::int64_t(b.y) - a.y) * (std::int64_t(c.x) - a.x);
}

// Exact sign of a + q * b.
int vorzeichenSumme(__int128 a, __int128 b, double q);

// Sign of the in-circle determinant: positive when d lies inside the circle
// through a, b, c taken counterclockwise (inside a clockwise triangle's circle
// gives a negative sign), zero on the circle. Exact.
int inKreis(GitterPunkt a, GitterPunkt b, GitterPunkt c, GitterPunkt d, double q);

// A vertex that may lie beyond any bound: (x0 + M * ux, y0 + M * uy) with M
// larger than any finite quantity of the computation.
struct FernPunkt {
    std::int64_t x0, y0, ux, uy;
};

// orientierung for vertices that may lie far away: the sign (as -1, 0, 1)
// the cross product takes for every sufficiently large M.
int orientierungFern(const FernPunkt& a, const FernPunkt& b, GitterPunkt c);

// inKreis for vertices that may lie far away: the sign the determinant takes
// for every sufficiently large M. The straightforward form of every case.
int inKreisFern(const FernPunkt t[3], GitterPunkt d, double q);

// The determinant of inKreisFern as A + q * B, A and B polynomials in M
// (coefficient k of M^k).
void inKreisFernPolynome(const FernPunkt t[3], GitterPunkt d, __int128 A[5], __int128 B[5]);

}  // namespace gm
