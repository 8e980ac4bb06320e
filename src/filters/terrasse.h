#pragma once
// Terrace (DefiniereTerrasse): the value range 0..1 is cut into Stufen equal
// steps and the rise inside each step is replaced by an adjustable profile,
// so slopes become flat shelves joined by risers. Works in place on the free
// cells of Hoehenfeld.

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"

namespace gm {

struct TerrasseRec {
    double TerrasseReserve = 0.0;  // carried in the line only
    int Stufen = 4;
    double Verschiebung = -1.0;
    double Anstieg = 2.0;
    double Mittelpunkt = 0.5;
    double GammaUnten = 1.0;
    double GammaOben = 1.0;
    double AnschnittUnten = 0.0;
    double AnschnittOben = 1.0;
    bool BegrenzenUnten = true;
    bool BegrenzenOben = true;
};

extern const Parameter TerrasseParameter[11];
// The line "terrace(...)" with the eleven fields in record order; a flag
// reads as true only when its argument is exactly 1.
extern const ScriptArgument TerrasseArgumente[11];

// The transfer function T(x), clamped to 0..1. A huge or non-finite x is
// bounded to the first or last terrace before it becomes an index; the upper
// gamma is skipped when Mittelpunkt is 1, where it would divide by zero.
double TerrasseWert(const TerrasseRec& rec, double x);

// Replaces every free cell by T(value).
void TerrasseAnwenden(Dokument& dok, const TerrasseRec& rec);

}  // namespace gm
