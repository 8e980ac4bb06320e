#pragma once
// The picture import "Grafik": a BMP or JPEG picture becomes the height field,
// each sample the length of its pixel's (r, g, b) vector, normalised to 0..1.

#include <string>
#include <string_view>

#include "core/dokument.h"
#include "core/status.h"
#include "formats/pixel.h"

namespace gm {

// Decodes a BMP or JPEG picture, told apart by their first bytes.
Status bildDekodieren(std::string_view daten, RGBBild& bild);

// Replaces the document by the picture: clears every grid and the mask, sets
// the size, fills and normalises the heights, takes the undo copy and releases
// the clipboard. A picture outside 5..2049 pixels per side is refused and
// nothing changes.
Status BildImportieren(Dokument& dok, const RGBBild& bild);
Status BildImportieren(Dokument& dok, const std::string& pfad);

}  // namespace gm
