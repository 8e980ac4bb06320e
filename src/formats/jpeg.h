#pragma once
// JPEG decoding through libjpeg with every failure made recoverable: errors and
// warnings end the decode with a message, the dimensions are checked before
// any pixel is decoded, and progressive files are limited in their scans.

#include <string_view>

#include "core/status.h"
#include "formats/pixel.h"

namespace gm {

// Scans a progressive JPEG may have before it is refused as hostile.
constexpr int JpegMaxScans = 100;

Status jpegDekodieren(std::string_view daten, int maxKante, RGBBild& bild,
                      int maxScans = JpegMaxScans);

}  // namespace gm
