#pragma once
// Targa exports: the colour picture (bottom-left origin) and "hf_gray_16"
// (top-left origin, red high byte, green low byte of the 16-bit height).

#include <string>

#include "core/dokument.h"
#include "core/status.h"
#include "formats/pixel.h"

namespace gm {

std::string targaKodieren(int nx, int ny, const Farbquelle& farbe);
Status targaSchreiben(const std::string& pfad, int nx, int ny, const Farbquelle& farbe);

std::string targa16Kodieren(const Dokument& dok);
Status targa16Schreiben(const Dokument& dok, const std::string& pfad);

}  // namespace gm
