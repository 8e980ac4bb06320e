#pragma once
// Midpoint displacement (unit DefiniereMittelpunkt): recursive subdivision of
// a 2^n square with random displacements drawn from Random(dok), so the
// document's RandSeed (--seed) repeats a field; levels not subdivided are
// filled by cosine interpolation.
//
// MittelpunktBerechnen leaves the unnormalised field in Zweitbild (the dialog
// shows it); MittelpunktAbschluss stretches and inverts it; the caller then
// runs ZweitbildVerknuepfen.

#include <array>
#include <span>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/puffer.h"
#include "generators/noise.h"

namespace gm {

struct MittelpunktParamRec {
    double Anstieg;
    int Ebenen;
    double Hoehenabhaengigkeit;  // -1..1
    bool Invertieren;
};

std::span<const Parameter> MittelpunktParameter();
MittelpunktParamRec MittelpunktStandard();

struct MittelpunktPunkt {
    int x;
    int y;
    double h;
};

// Levels that reach single samples (8..11); the square side is 2^that.
int MittelpunktLevelAnzahl(int maxX, int maxY);
// How strongly a displacement around the mean height m is spread.
double MittelpunktStreuung(double m, double hoehenabhaengigkeit);
double KosinusInterpolation(double a, double b, double t);

// The displaced midpoint of the edge P-Q; a value already stored there (not 0)
// is kept, otherwise the new one is stored. Draws one random number.
MittelpunktPunkt MittelpunktKante(Dokument& dok, const MittelpunktParamRec& p, MittelpunktPunkt P,
                                  MittelpunktPunkt Q, double amplitude);

// Zweitbild := the unnormalised field. Ebenen above the level count is
// lowered to it, as the dialog does.
void MittelpunktBerechnen(Dokument& dok, const MittelpunktParamRec& p);
// Stretches Zweitbild to 0..1 and inverts it when asked.
void MittelpunktAbschluss(Dokument& dok, const MittelpunktParamRec& p);
// Command line: MittelpunktBerechnen, then MittelpunktAbschluss.
void MittelpunktErzeugen(Dokument& dok, const MittelpunktParamRec& p);
// The catalogue's "midpoint" operation: MittelpunktErzeugen, then the combination.
Status MittelpunktAusfuehren(Dokument& dok, const Werte& werte);

// Preview sampled from Zweitbild, and its range.
VorschauSpanne MittelpunktVorschau(const Dokument& dok, Vorschaufeld& v);
// The 512 samples of the diagonal of Zweitbild.
std::array<double, ProfilBreite> MittelpunktProfil(const Dokument& dok);

}  // namespace gm
