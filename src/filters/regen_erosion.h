#pragma once
// Rain erosion (DefiniereRegenErosion): every cycle each interior cell gets
// rain, passes its water to its lowest neighbour, is worn down by its water
// and its drop, fills up when it is a pit and relaxes towards the mean of its
// neighbours; the border repeats its inner neighbours.

#include <functional>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"
#include "core/status.h"

namespace gm {

struct RegenRec {
    int Zyklen = 150;
    double Regenmenge = 0.1;  // water added to every cell per cycle
    double Abtrag = 0.1;      // erosion per unit of water and unit of drop
    double Glaettung = 0.03;  // upper limit of the erosion rate, strength of relaxation
};

// Ranges cover both the dialog (which reaches 0.002 and 0.001) and script lines.
extern const Parameter RegenParameter[4];
// The line "raining(Zyklen, Regenmenge, Abtrag, Glaettung)".
extern const ScriptArgument RegenArgumente[4];
// The dialog's sliders show these ranges; a slider value divided by its
// divisor gives the field (rows as in RegenParameter).
struct RegenRegler {
    double minimum, maximum, schritt, teiler;
};
extern const RegenRegler RegenReglerTabelle[4];

// Called before cycle `zyklus` (1..gesamt).
using RegenFortschritt = std::function<void(int zyklus, int gesamt)>;
// Position of the progress bar before a cycle: round(100 * zyklus / gesamt).
int RegenProzent(int zyklus, int gesamt);

// Runs the erosion on Hoehenfeld without undo. Zweitbild holds the simulated
// heights afterwards; Hoehenfeld takes them except at masked cells and at
// cells that were exactly 0. Uses both cores for large fields; the result does
// not depend on it. A field with fewer than 3 samples along an axis has no
// interior and stays as it is.
void RegenErosionAnwenden(Dokument& dok, const RegenRec& rec,
                          const RegenFortschritt& fortschritt = {});
// Interactive run: undo copy, erosion, script line "raining(...)".
void RegenErosion(Dokument& dok, const RegenRec& rec, const RegenFortschritt& fortschritt = {});
// Replay of "raining(Zyklen, Regenmenge, Abtrag, Glaettung)".
void RegenErosionNachspielen(Dokument& dok, ScriptArgumente& args);

// The simulation alone on a column-major grid of nx * ny heights (index
// x * ny + y), repeated `zyklen` times with `kerne` threads (1 or 2). Exposed
// so tests can compare thread counts and sizes directly.
void RegenSimulieren(double* hoehen, int nx, int ny, const RegenRec& rec, int kerne,
                     const RegenFortschritt& fortschritt = {});

// The command line's run, as the dialog's "Übernehmen" without progress.
Status RegenErosionAusfuehren(Dokument& dok, const Werte& werte);

}  // namespace gm
