#pragma once
// The picture import "Grafik": a BMP or JPEG picture becomes the height field,
// each sample the length of its pixel's (r, g, b) vector, normalised to 0..1.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/dokument.h"
#include "core/status.h"
#include "formats/pixel.h"

namespace gm {

// A 32-bit BMP of 2049 x 2049 pixels has 16.8 MB; JPEG has no largest size,
// and no picture of that size comes near this.
constexpr std::size_t BildMaxBytes = std::size_t(32) << 20;

// Decodes a BMP or JPEG picture, told apart by their first bytes.
Status bildDekodieren(std::string_view daten, RGBBild& bild);

// Replaces the document by the picture: clears every grid and the mask, sets
// the size, fills and normalises the heights, takes the undo copy and releases
// the clipboard. A picture outside 5..2049 pixels per side is refused and
// nothing changes.
Status BildImportieren(Dokument& dok, const RGBBild& bild);
Status BildImportieren(Dokument& dok, const std::string& pfad);

}  // namespace gm
