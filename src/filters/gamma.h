#pragma once
// The gamma family of tone curves: gamma, bias and gain (DefiniereGamma).

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"
#include "core/status.h"

namespace gm {

struct GammaRec {
    double Gamma = 1.0;
    double Bias = 0.5;
    double Gain = 0.5;
    double GainMitte = 0.5;
    int GammaModus = 1;  // 1 gamma, 2 bias, 3 gain
};

extern const Parameter GammaParameter[5];
// The line "gamma(Gamma, Bias, Gain, GainMitte, GammaModus)".
extern const ScriptArgument GammaArgumente[5];

// bias(t, b) = t ^ (ln b / ln 0.5).
double BiasKurve(double t, double b);
// The curve selected by GammaModus at x; any other mode gives x.
double GammaKurve(const GammaRec& rec, double x);

// Passes every free cell that is not exactly 0 through the curve. Values
// outside 0..1 (possible from a native file) are taken as the nearer bound,
// so no power ever gets a negative base.
void GammaKorrekturAnwenden(Dokument& dok, const GammaRec& rec);
// Interactive run: undo copy, curve, script line "gamma(...)".
void GammaKorrektur(Dokument& dok, const GammaRec& rec);
// Replay of "gamma(Gamma, Bias, Gain, GainMitte, GammaModus)".
void GammaKorrekturNachspielen(Dokument& dok, ScriptArgumente& args);

// The command line's run: the record from values in table order, then as
// the dialog's "Übernehmen".
Status GammaAusfuehren(Dokument& dok, const Werte& werte);

}  // namespace gm
