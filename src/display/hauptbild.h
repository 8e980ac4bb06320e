#pragma once
// Pictures of the grid: the main view at its zoom factor, with the mask as a
// blue dot overlay, and the 256 x 256 preview of a parameter dialog.

#include <optional>

#include "core/dokument.h"
#include "core/puffer.h"
#include "core/rechteck.h"
#include "display/farbstand.h"
#include "display/pixelbild.h"

namespace gm {

struct Bildgroesse {
    int breite = 0;
    int hoehe = 0;
};

// The main view's size at zoom z: (MaxX + 1) * z by (MaxY + 1) * z, each rounded.
Bildgroesse HauptbildGroesse(int maxX, int maxY, double zoom);

// The grid index image pixel `pixel` shows at zoom z: pixel / z rounded, kept
// within 0..maxIndex (at zooms above 1 the last pixels would otherwise round
// to the sample one past the edge).
int HauptbildProbe(int pixel, double zoom, int maxIndex);

// Draws Hoehenfeld at zoom factor `zoom` into `bild`, which takes the view's
// size. Colours through HoeheZuFarbe with Mischwert 0.5; where the shown sample
// is masked and column and row are both even the pixel is pure blue. In mode 3
// the pixels are coloured column by column, x outer, y inner.
void ZeichneHauptbild(const ColourState& farben, Dokument& dok, double zoom, PixelImage& bild);

// The view pixels showing the cells `zellen` at zoom z, drawn into `stueck`
// (which takes their size) exactly as ZeichneHauptbild draws them. Returns
// where they sit in the view, empty when no pixel shows those cells; nothing
// when the colours draw random numbers, whose sequence runs over the whole
// view.
std::optional<Rechteck> ZeichneHauptbildBereich(const ColourState& farben, Dokument& dok,
                                                double zoom, const Rechteck& zellen,
                                                PixelImage& stueck);

// Draws a dialog preview into `bild` (256 x 256): each value is scaled by
// 1 / (maximum - minimum) from minimum (or taken as is when they are equal),
// inverted on request, clamped to 0..1 and coloured with Mischwert 0.5.
void ZeichneVorschau(const ColourState& farben, Dokument& dok, const Vorschaufeld& vorschau,
                     bool invertieren, double maximum, double minimum, PixelImage& bild);

// The zoom steps of the view menu.
constexpr int ZoomGrenze = 1541;
// True when the view stays below ZoomGrenze pixels on both axes at zoom z.
bool ZoomErlaubt(int maxX, int maxY, double zoom);
// "Zoom+" and "Zoom-" from zoom q: the next step, or nothing at the end.
std::optional<double> ZoomGroesser(double q);
std::optional<double> ZoomKleiner(double q);
// The zoom after a size change: lowered to the first of 3, 2, 1, 1/2 that fits.
double ZoomEinpassen(int maxX, int maxY, double zoom);

}  // namespace gm
