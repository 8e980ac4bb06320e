#pragma once
// The modifier curve and the one combination step through which every
// generated layer reaches the height field.

#include "core/befehlssatz.h"
#include "core/dokument.h"
#include "core/rechteck.h"

namespace gm {

// The modifier curve: a value in 0..1 from z and the settings (Aktiv is ignored).
double ModifikatorWert(const ModRec& mod, double z);
// ModifikatorWert of z[0..n) into werte (which may be z), on the lanes of
// `satz` (one of Befehlssaetze()) with the same bits.
void ModifikatorReihe(const ModRec& mod, const double* z, double* werte, int n,
                      Befehlssatz satz = BesterBefehlssatz());

// Merges a mapped value v into height h by combination mode 1..13; any other
// mode keeps h. The result is not clamped.
double Verknuepfen(int modus, double h, double v);

// Stretches the valued cells of Zweitbild to 0..1, applies the modifier when
// active, maps between the markers and merges into every free cell by
// Verknuepfungsmodus. Takes the undo copy first. Zweitbild holds the mapped
// values afterwards.
void ZweitbildVerknuepfen(Dokument& dok);
// The same with an explicit combination mode (right-button dabs use the second list).
void ZweitbildVerknuepfen(Dokument& dok, int modus);
// The same when Zweitbild holds values only within `bereich` (KeinWert
// everywhere else, whatever it holds there): reads and writes only inside it.
// A brush dab thus costs its own size plus the undo copy.
void ZweitbildVerknuepfen(Dokument& dok, int modus, const Rechteck& bereich);
// The combination without its undo copy, for an operation that has taken the
// copy itself before changing the extents.
void ZweitbildEinrechnen(Dokument& dok, int modus);

// Copies Strichbild into Zweitbild and applies it by the current tool.
void StrichAnwenden(Dokument& dok);
// The "Same" brush: undo copy, then every free cell under the stroke (Zweitbild
// not KeinWert) takes the minimum, maximum or mean height of the cells under
// it, as Gleichmodus says.
void Angleichen(Dokument& dok);
// Maps the valued cells of Zweitbild like the combination and keeps the higher
// of them and Strichbild in Strichbild. Strichbild must be allocated.
void StrichSammeln(Dokument& dok);

// Passes every free cell of Hoehenfeld through the modifier curve, without undo.
void ModifizierenAnwenden(Dokument& dok);
// The menu command: undo copy, ModifizierenAnwenden, records "modify".
void Modifizieren(Dokument& dok);

// What StrichAnwenden does with a stroke, by tool value.
enum class StrichRegel { Nichts, Verknuepfen, Maske, Nivellieren };
StrichRegel strichRegelFuer(int werkzeug);

}  // namespace gm
