#pragma once
// Radial weighting filters (DefinierePassFilter): every cell of a copy of the
// field is weighted by its distance from the nearest corner of the grid, then
// the copy is stretched to 0..1 and delivered to the free cells.

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"

namespace gm {

struct PassRec {
    double PassParameter1 = 0.5;
    double PassParameter2 = 1.0;
    int PassTyp = 1;  // 1 band pass, -1 band reject, 2 low pass, -2 high pass
};

extern const Parameter PassParameter[3];
// The line "pass(PassParameter1, PassParameter2, PassTyp)".
extern const ScriptArgument PassArgumente[3];

// The weight at distance rho (in units of the half diagonal) for the record's
// type; 1 - w for a negative type.
double PassGewicht(const PassRec& rec, double rho);

// ZweitbildKopieren; the first sweep weights (i, j) and (MaxX - i, MaxY - j)
// for i = 0..h, j = 0..k (h, k = MaxX / 2, MaxY / 2 rounded half to even);
// (h, 0), (0, k) and (h, k) become 0; the second sweep weights (i, MaxY - j)
// and (MaxX - i, j) for i < h, j < k; ZweitbildUebernehmen. Cells on the
// middle lines of an even extent are weighted twice. A type other than
// 1, -1, 2, -2 does nothing.
void PassFilterAnwenden(Dokument& dok, const PassRec& rec);

}  // namespace gm
