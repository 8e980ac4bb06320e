#pragma once
// The wave-shaping function shared by the modifier curve, the rotation
// generator and the function generator.

namespace gm {

// Shapes position t (in periods) into 0..1: the phase is added, the sum is
// wrapped into one period (whole numbers other than 0 map to 1), folded into
// a triangle when `welle` (and flipped when also `negativ`), stretched by
// `dehnung` about `mitte`, limited to 0..1, raised to `gamma`, passed through
// basic curve `kurve` (1..8; any other value gives 0), faded by `anstieg`
// along the relative position (t + phase) / (perioden + phase), quantised to
// `stufen` steps when stufen >= 1, and limited to 0..1.
double WellenProfil(int kurve, bool welle, bool negativ, double anstieg, double stufen,
                    double mitte, double dehnung, double gamma, double perioden, double phase,
                    double t);

// The basic curves of WellenProfil at s in 0..1.
double GrundKurve(int kurve, double s);

}  // namespace gm
