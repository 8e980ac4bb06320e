#pragma once
// A rectangle of cells, inclusive on all sides: the part of a grid an
// operation reads or writes.

namespace gm {

// Empty when x0 > x1 or y0 > y1.
struct Rechteck {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    bool leer() const { return x0 > x1 || y0 > y1; }
};

}  // namespace gm
