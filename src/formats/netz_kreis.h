#pragma once
// Circumcircles of lattice triangles in floating point, with bounds that hold
// in spite of rounding, in the metric dx^2 + q * dy^2: they rule points out
// before an exact test is needed.

#include <cstdint>

#include "formats/netz_typen.h"

namespace gm {

// The circle of (a, b, c), a triangle of positive area: centre (mx, my) and
// radius r, with a bound on the error of mx, of r and of sqrt(q) * my.
struct Kreis {
    double mx, my, r, fehler;
};

Kreis kreisNaeherung(GitterPunkt a, GitterPunkt b, GitterPunkt c, double q);

// Largest whole x a point inside or on the circle can have;
// std::numeric_limits<int32_t>::max() when that is beyond 10^9.
std::int32_t kreisBisX(GitterPunkt a, GitterPunkt b, GitterPunkt c, double q);

// Whole bounds on the y of the points of one column inside or on the circle;
// von > bis when there are none. Unbounded sides take the int32 limits.
struct Spanne {
    std::int32_t von, bis;
};
Spanne kreisSpalte(GitterPunkt a, GitterPunkt b, GitterPunkt c, double q, std::int32_t x);

// The circles through a and b and a point (x, y0) of column x, both a and b
// left of the column: a point (x, y1) with y1 > y0 lies inside or on such a
// circle when y1 <= unter, or when y0 >= ueber and y1 <= bis. (The circle
// meets the column in y0 and y', and (y0 - m)(y' - m) is the same for every
// circle of the pencil, m being where the line ab meets the column.) Bounds
// that cannot hold take the int32 limits.
struct Buendel {
    std::int32_t unter, ueber, bis;
};
Buendel kreisBuendel(GitterPunkt a, GitterPunkt b, double q, std::int32_t x);

}  // namespace gm
