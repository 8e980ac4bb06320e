#pragma once
// Bridges the display layer's pixel pictures to Qt images.

#include <QImage>

#include "display/pixelbild.h"

namespace gm {

struct Sitzung;

// A deep copy of a 32-bit pixel picture (0x00RRGGBB, as QImage::Format_RGB32).
QImage AlsQImage(const PixelImage& bild);

// Draws the field at `zoom` through ZeichneHauptbild into `puffer` and returns it as an image.
QImage HauptbildMalen(Sitzung& s, double zoom, PixelImage& puffer);

}  // namespace gm
