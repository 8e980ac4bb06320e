#pragma once
// Quantisation into levels (DefiniereDigit).

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"
#include "core/status.h"

namespace gm {

struct DigitRec {
    double AnzahlStufen = 2.0;  // number of output levels; a whole number from the dialog
};

extern const Parameter DigitParameter[1];
// The line "digit(AnzahlStufen)".
extern const ScriptArgument DigitArgumente[1];

// Most distinct values counted; the count stops there.
constexpr int DigitMaxWerte = 256;
// Fewer distinct values than this and quantisation is refused.
constexpr int DigitMinWerte = 4;

// Number of distinct values over the whole active area (mask ignored), exact
// comparison, at most DigitMaxWerte.
int AnzahlWerte(const Dokument& dok);

// Every free cell becomes q * round(x / q) with q = 1 / (L - 1), clamped to
// 0..1; nothing happens when L is not above 1.
void DigitalisierenAnwenden(Dokument& dok, double anzahlStufen);
// Interactive run: refuses (returns false, changes nothing) on a grid with
// fewer than DigitMinWerte distinct values; otherwise undo copy, quantise and
// record "digit(L)".
bool Digitalisieren(Dokument& dok, const DigitRec& rec);
// Replay of "digit(L)": does nothing on fewer than 4 distinct values; the level
// count is used as read, without rounding.
void DigitalisierenNachspielen(Dokument& dok, ScriptArgumente& args);

// The command line's run; fails with a message where the dialog would refuse
// to open.
Status DigitalisierenAusfuehren(Dokument& dok, const Werte& werte);

}  // namespace gm
