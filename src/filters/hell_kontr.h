#pragma once
// Brightness and contrast (DefiniereHellKontr): the window from Helligkeit to
// Helligkeit + Kontrast is stretched onto 0..1, everything outside is cut.

#include <array>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"
#include "core/status.h"

namespace gm {

struct HellKontrRec {
    double Helligkeit = 0.0;
    double Kontrast = 1.0;
};

extern const Parameter HellKontrParameter[2];
// The line "lumcontr(Helligkeit, Kontrast)".
extern const ScriptArgument HellKontrArgumente[2];

// The transfer function at x, clamped to 0..1.
double HellKontrKurve(const HellKontrRec& rec, double x);
// True when the filter changes nothing and is skipped: Kontrast 0, or
// Helligkeit 0 with Kontrast 1.
bool HellKontrUebersprungen(const HellKontrRec& rec);

// Applies the transfer to every free cell unless the filter is skipped.
void HelligkeitKontrastAnwenden(Dokument& dok, const HellKontrRec& rec);
// Interactive run: undo copy and transfer unless skipped; records "lumcontr(...)".
void HelligkeitKontrast(Dokument& dok, const HellKontrRec& rec);
// Replay of "lumcontr(Helligkeit, Kontrast)".
void HelligkeitKontrastNachspielen(Dokument& dok, ScriptArgumente& args);

// The histogram of the dialog: every active cell, masked or not, counts in
// bin round(32 x) clamped to 0..32.
constexpr int HistogrammBins = 33;
struct Histogramm {
    std::array<int, HistogrammBins> anzahl{};
    int groesste = 0;
};
Histogramm HistogrammFuellen(const Dokument& dok);

// The command line's run, as the dialog's "Übernehmen".
Status HelligkeitKontrastAusfuehren(Dokument& dok, const Werte& werte);

}  // namespace gm
