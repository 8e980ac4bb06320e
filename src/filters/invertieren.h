#pragma once
// The tone commands without a dialog: invert, stretch to a range and the
// modifier ("Modifizieren" itself and BereichSkalieren live in core).

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"
#include "core/status.h"

namespace gm {

// Every free cell becomes 1 - x; a result below 0 becomes 0 (no upper clamp).
void InvertierenAnwenden(Dokument& dok);
// "&Invertieren": undo copy, invert, record "invert".
void Invertieren(Dokument& dok);
void InvertierenNachspielen(Dokument& dok, ScriptArgumente& args);

// The new minimum and maximum of a stretch, for the command line.
struct SkalierenRec {
    double Minimum = 0.0;
    double Maximum = 1.0;
};
extern const Parameter SkalierenParameter[2];
// The line "scale(Minimum, Maximum)".
extern const ScriptArgument SkalierenArgumente[2];

// Undo copy, BereichSkalieren(a, b), record "scale(a, b)".
void Strecken(Dokument& dok, double a, double b);
// "0.0 -> 1.0".
void StreckenNullEins(Dokument& dok);
// "min -> max": between the values of the two height markers (spreads unused).
void StreckenMarken(Dokument& dok);
// Replay of "scale(a, b)": a in 0..1 (default 0), b in 0..1 (default 1).
void SkalierenNachspielen(Dokument& dok, ScriptArgumente& args);

// Replay of "modify": the modifier with the current panel settings, no undo.
void ModifizierenNachspielen(Dokument& dok, ScriptArgumente& args);

// The command line's runs, as the menu commands.
Status InvertierenAusfuehren(Dokument& dok, const Werte& werte);
Status SkalierenAusfuehren(Dokument& dok, const Werte& werte);
Status ModifizierenAusfuehren(Dokument& dok, const Werte& werte);

}  // namespace gm
