#pragma once
// Raw 16-bit heightmap export (.r16/.raw): no header, unsigned little-endian
// samples, rows from the second index 0 down, first index left to right.

#include <string>

#include "core/dokument.h"
#include "core/status.h"

namespace gm {

std::string raw16Kodieren(const Dokument& dok);
Status raw16Schreiben(const Dokument& dok, const std::string& pfad);

}  // namespace gm
