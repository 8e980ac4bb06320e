#pragma once
// The random scatter filter (DefiniereNoiseFilter): every cell takes the value
// of a randomly displaced cell, reflected back into the grid; the result is
// stretched to 0..1 and delivered to the free cells.

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"

namespace gm {

struct NoiseFilterRec {
    double Noiseweite = 3.0;  // width of the displacement in cells, 1..MaxX
};

extern const Parameter NoiseFilterParameter[1];
// The line "noise(Noiseweite)", read over 1..MaxX with the default 3.
extern const ScriptArgument NoiseFilterArgumente[1];

// Reflects an index at 0 and at `max` until it lies in 0..max (max > 0).
int Spiegeln(int i, int max);

// For every active cell, x outer and y inner, draws r1 then r2 from the
// document's generator (masked cells draw too) and reads Hoehenfeld at
// x + round((r1 - 0.5) W), y + round((r2 - 0.5) W), each reflected into the
// grid along its own axis; ZweitbildUebernehmen delivers the result.
void NoiseFilterAnwenden(Dokument& dok, const NoiseFilterRec& rec);

}  // namespace gm
