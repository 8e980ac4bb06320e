#pragma once
// The colour picture exports: every sample through the colour function with
// Mischwert 0.5, so the picture looks like the main view. In the render
// colouring each export draws fresh random numbers.

#include <string>

#include "core/dokument.h"
#include "core/status.h"
#include "display/farbstand.h"
#include "formats/pixel.h"

namespace gm {

// The colour of sample (x, y) as the exports write it.
RGB8 exportFarbe(const ColourState& farben, Dokument& dok, int x, int y);

Status farbBmpSchreiben(Dokument& dok, const ColourState& farben, const std::string& pfad);
Status farbTargaSchreiben(Dokument& dok, const ColourState& farben, const std::string& pfad);

}  // namespace gm
