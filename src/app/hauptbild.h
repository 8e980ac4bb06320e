#pragma once
// Draws the field into the main view image at the current zoom.

class QImage;

namespace gm {

struct Sitzung;

// Recreates `bild` at the view size for `zoom` and draws every pixel.
void HauptbildMalen(Sitzung& s, double zoom, QImage& bild);

}  // namespace gm
