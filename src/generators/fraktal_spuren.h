#pragma once
// The fractal's hot loop: many points of the plane iterated side by side in
// vector lanes, each lane running exactly the steps of FraktalWert, so that
// every height is the same bit for bit.

#include <cstddef>

#include "core/befehlssatz.h"
#include "generators/fraktal.h"

namespace gm {

// Sample points x * dx + x0 by y * dy + y0 for x < spalten, y < zeilen; the
// height of (x, y) goes to erste[x * abstand + y].
struct FraktalRaster {
    double x0, dx, y0, dy;
    int spalten, zeilen;
    double* erste;
    std::ptrdiff_t abstand;
};

// Fills the columns teil, teil + teile, teil + 2 * teile, ... of the raster
// with the widest instruction set the processor offers.
void FraktalSpaltenRechnen(const FraktalParamRec& p, const FraktalRaster& r, int teil, int teile);

// The same with a chosen set (one of Befehlssaetze()); the tests hold every
// set to the same heights.
void FraktalSpaltenRechnen(const FraktalParamRec& p, const FraktalRaster& r, int teil, int teile,
                           Befehlssatz satz);

}  // namespace gm
