#pragma once
// Craterize (DefiniereKraterisieren): everything above a cut level is folded
// back downwards, so peaks become basins with a rim, and the rim band is
// roughened with numbers from the document's random generator. Works in
// place on the free cells of Hoehenfeld.

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"

namespace gm {

struct KraterisierenRec {
    double Schnittlevel = 0.66;
    double Randbreite = 0.0;
    double Tiefe = 1.0;
    double Zufall = 0.0;
};

extern const Parameter KraterisierenParameter[4];
// The line "crater(Schnittlevel, Randbreite, Tiefe, Zufall)"; Randbreite is
// read over 0..1, the range it is written from.
extern const ScriptArgument KraterisierenArgumente[4];

// The transfer function C(x), clamped to 0..1: one draw for the band's
// centre, a second one only when x lies inside the band.
double KraterWert(Dokument& dok, const KraterisierenRec& rec, double x);

// Replaces every free cell, x outer and y inner, by C(value); masked cells
// draw nothing, so the sequence of draws depends on the mask and the data.
void KraterisierenAnwenden(Dokument& dok, const KraterisierenRec& rec);
// UndoSichern and KraterisierenAnwenden, with the undo copy taken while the
// cells are read anyway.
void KraterisierenMitUndo(Dokument& dok, const KraterisierenRec& rec);

}  // namespace gm
