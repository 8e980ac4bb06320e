#pragma once
// Delaunay triangulation of the kept mesh points by x-sorted insertion
// (Bowyer-Watson with "complete" marks and edge lists), its decisions exact.
//
// The points lie on the sample lattice; q is the squared ratio of the spacing
// along the second index to that along the first, so the circles are those of
// the real mesh. The enclosing triangle's corners lie symbolically beyond any
// bound, so every hull triangle survives and the triangles cover the convex
// hull exactly. A point inside or on a circle removes its triangle; points of
// equal x are inserted by ascending y.

#include <span>
#include <vector>

#include "formats/netz_typen.h"

namespace gm {

// Triangles in the order the insertion leaves them, with point numbers from 1
// into `punkte`, each taken clockwise. Fewer than four points give no
// triangle. A point equal to an earlier one is reported as coincident and
// left out. Coordinates must lie within +-GitterGrenze, q must be positive.
std::vector<Dreieck> Triangulieren(std::span<const GitterPunkt> punkte, double q,
                                   const NetzMeldung& meldung = {});

// The message for a point equal to another.
inline constexpr std::string_view KoinzidenzMeldung = "INCIRCUM - F - Points are coincident !!";

}  // namespace gm
