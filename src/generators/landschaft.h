#pragma once
// Landscape plates (unit DefiniereLandschaft) in two modes: "Schollen", the
// fault method (random straight cuts, each raising the half-plane on one
// side by an amount that changes geometrically from cut to cut), and "Erster
// Versuch", a random quadtree whose increments are scaled by a factor
// squared at every level. Both end with an exponential smoothing along both
// axes. The result stays unnormalised in Zweitbild.
//
// Random numbers come from the document's generator as it stands: the
// window reseeds it from the clock before "Schollen" (Randomize); the command
// line leaves the seed, so --seed repeats a field.

#include <span>

#include "core/dokument.h"
#include "core/parameter.h"

namespace gm {

constexpr int LandschaftSchollen = 1;
constexpr int LandschaftQuadtree = 4;

struct LandschaftParamRec {
    int Ebenen;        // quadtree depth, 2..10
    int Anzahl;        // fault cuts, 5..1000
    double Faktor;     // per-step factor of the increments, 0.5..1.5
    double Weichheit;  // smoothing coefficient, 0..1
};

// The keys of each mode: Anzahl or Ebenen, then Faktor and Weichheit.
std::span<const Parameter> SchollenParameter();
std::span<const Parameter> QuadtreeParameter();
LandschaftParamRec LandschaftStandard();

// Zweitbild := 0, then the fault pass (modus 1) or the quadtree (modus 4),
// then the smoothing.
void LandschaftBerechnen(Dokument& dok, const LandschaftParamRec& rec, int modus);
// The smoothing pass alone: forward and backward along y in every column,
// then along x in every row; a = 0 leaves the field as it is.
void LandschaftGlaetten(Dokument& dok, double a);

// The catalogue's "faults" and "quadtree": LandschaftBerechnen, the combination.
Status SchollenAusfuehren(Dokument& dok, const Werte& werte);
Status QuadtreeAusfuehren(Dokument& dok, const Werte& werte);

}  // namespace gm
