#pragma once
// 16-bit greyscale PNG, the heights themselves: export of the field and import
// of any PNG converted to 16-bit grey (colour pictures by luminance).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/dokument.h"
#include "core/status.h"

namespace gm {

// Well above the largest 2049 x 2049 picture, 16-bit RGBA stored without compression.
constexpr std::size_t Png16MaxBytes = std::size_t(40) << 20;

// Encodes the field as a 16-bit grey PNG, row y = 0 at the top.
Status png16Kodieren(const Dokument& dok, std::string& png);
Status png16Schreiben(const Dokument& dok, const std::string& pfad);

struct Grau16Bild {
    int breite = 0;
    int hoehe = 0;
    std::vector<std::uint16_t> werte;  // rows top-down
};
// Decodes a PNG to 16-bit grey; sizes outside 5..2049 are refused before the
// pixels are decoded.
Status png16Dekodieren(std::string_view daten, Grau16Bild& bild);

// Replaces the document by the picture (every grid and the mask cleared), each
// sample value / 65535; takes the undo copy and releases the clipboard.
Status png16Lesen(Dokument& dok, const std::string& pfad);

}  // namespace gm
