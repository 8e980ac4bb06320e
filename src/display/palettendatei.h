#pragma once
// Palette files (".fpl"): both palettes and the render settings as text lines
// ended by CR LF, numbers with six decimals.

#include <string>
#include <string_view>

#include "core/status.h"
#include "display/farbstand.h"

namespace gm {

// The file text: written with a decimal point whatever the locale.
std::string PalettenText(const ColourState& farben);
// Writes PalettenText atomically.
Status PalettenSpeichern(const ColourState& farben, const std::string& pfad);

// Reads a file text into the palettes and RenderRec of `farben`. All or
// nothing: on failure `farben` is unchanged and the status says why. Accepts a
// comma or a point as the decimal separator; missing lines at the end read as
// empty (numbers 0, switches off); a MaxIndex outside 1..255 reads no points
// and leaves that palette as it was.
Status PalettenTextLesen(std::string_view text, ColourState& farben);
Status PalettenLaden(const std::string& pfad, ColourState& farben);

}  // namespace gm
