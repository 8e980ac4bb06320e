#pragma once
// 24-bit BMP pictures: the colour and mask exports and the reader of the
// picture import.

#include <string>
#include <string_view>

#include "core/dokument.h"
#include "core/status.h"
#include "formats/pixel.h"

namespace gm {

// The BMP bytes of an nx x ny picture: 54-byte header with the file size, rows
// bottom-up, each padded with nx mod 4 zero bytes.
std::string bmpKodieren(int nx, int ny, const Farbquelle& farbe);
// The 54-byte header of such a picture, carrying its real file size.
std::string bmpKopf(int nx, int ny);
Status bmpSchreiben(const std::string& pfad, int nx, int ny, const Farbquelle& farbe);

// The mask picture: black where the mask is set, white elsewhere.
Status maskeBmpSchreiben(const Dokument& dok, const std::string& pfad);

// Decodes an uncompressed BMP of 8 (palette), 24 or 32 bits per pixel, bottom-up
// or top-down. Pictures wider or taller than maxKante are refused before any
// allocation.
Status bmpDekodieren(std::string_view daten, int maxKante, RGBBild& bild);

}  // namespace gm
