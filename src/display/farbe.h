#pragma once
// Height to colour: the one function every picture of the field goes through.

#include <cstdint>

#include "core/dokument.h"
#include "display/farbstand.h"

namespace gm {

// A pixel of a 32-bit scan line: blue in bits 0..7, green 8..15, red 16..23, 0 on top.
using Pixel = std::uint32_t;

constexpr Pixel PixelAusBytes(int rot, int gruen, int blau) {
    return (Pixel(rot) << 16) | (Pixel(gruen) << 8) | Pixel(blau);
}

// Each component times 255, rounded half to even; components outside 0..1
// (and NaN) are clamped first so the byte can never overflow.
Pixel FarbePacken(const Farbe3& farbe);

// The colour of palette 1 or 2 at v.
Farbe3 PaletteFarbe(const ColourState& farben, int palette, double v);
// The same colour packed for a colour dialog: red in bits 0..7, green 8..15, blue 16..23.
std::uint32_t PaletteFarbeTColor(const ColourState& farben, int palette, double v);

// The render colouring at (Mischwert m, height h). Draws from Random(dok) in a
// fixed order, so a seeded run repeats.
Farbe3 RenderFarbe(const ColourState& farben, Dokument& dok, double m, double h);

// The colour of height h in the current Farbmodus; m matters only in mode 3.
Pixel HoeheZuFarbe(const ColourState& farben, Dokument& dok, double m, double h);

}  // namespace gm
