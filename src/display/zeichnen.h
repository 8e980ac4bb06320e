#pragma once
// Drawing primitives on 32-bit pixel pictures: the gradient background of the
// 3D preview and the profile view, one-pixel lines and filled triangles. All
// integer arithmetic, clipped to the picture, so every picture repeats exactly.

#include "display/farbe.h"
#include "display/pixelbild.h"

namespace gm {

struct Bildpunkt {
    int x = 0;
    int y = 0;
};

// Rows 0..zeilen-1 take red 63, green 63 and blue 128 * y / nenner + 63 rounded:
// dark grey at the top fading to blue.
void VerlaufFuellen(PixelImage& bild, int zeilen, int nenner);

// A one-pixel line including both ends. Along its longer axis every step sets
// one pixel whose other coordinate is the exact position rounded (halves
// upward), so a line drawn either way sets the same pixels.
void LinieZeichnen(PixelImage& bild, Bildpunkt a, Bildpunkt b, Pixel farbe);

// Fills the triangle as a polygon with brush and pen in one colour: every
// pixel whose centre lies inside or on the triangle, plus its three edges
// drawn as lines, so even a triangle seen edge-on leaves a line.
void DreieckFuellen(PixelImage& bild, Bildpunkt a, Bildpunkt b, Bildpunkt c, Pixel farbe);

// The column x from row `unten` - laenge up to row `unten` - 1 (clipped).
void SenkrechteZeichnen(PixelImage& bild, int x, int unten, int laenge, Pixel farbe);

}  // namespace gm
