#pragma once
// The recursive smoothing filter (DefiniereBlur), in place on the free cells
// of Hoehenfeld. Standard mode runs a first-order recursive filter forwards
// and backwards along y, then along x; soft mode averages four samples at
// distance Weichabstand, in repeated passes.

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"

namespace gm {

struct BlurRec {
    double Filterstaerke = 0.5;
    double Weichabstand = 10.0;
    double Filterstaerke2 = 1.0;
    int BlurModus = 1;  // 1 standard, 2 soft
};

extern const Parameter BlurParameter[4];
// The line "blur(Filterstaerke, Weichabstand, Filterstaerke2, BlurModus)".
extern const ScriptArgument BlurArgumente[4];

// Standard mode with a = Filterstaerke: v(i) = a v(i - 1) + (1 - a) H(i)
// forwards from the first cell, then backwards from the last forward value,
// each sweep writing the free cells; first every column along y, then every
// row along x. The result is not clamped.
void BlurStandard(Dokument& dok, double a);
// Soft mode: d = Weichabstand rounded, max(1, round(Filterstaerke2)) passes.
// Each pass visits every free cell, y outer and x inner, in place, and sets
// it to the mean of the four corners (xU, yL), (xU, yR), (xD, yL), (xD, yR),
// where xU = x - d when that is above 0 and xD = x + d when that is at most
// MaxX, else x (likewise for y); a sample never wraps to the far side.
void BlurWeich(Dokument& dok, const BlurRec& rec);
// The mode of BlurModus; any other mode does nothing.
void BlurAnwenden(Dokument& dok, const BlurRec& rec);

}  // namespace gm
