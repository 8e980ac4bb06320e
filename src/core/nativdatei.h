#pragma once
// The native grid file (.fla): MaxX and MaxY as doubles, then every sample,
// x outer, as 8-byte little-endian doubles. No signature, no clamping.

#include <cstddef>
#include <string>

#include "core/dokument.h"
#include "core/status.h"

namespace gm {

// The largest valid file: the header and 2050 x 2050 samples (33,620,016 bytes).
constexpr std::size_t NativMaxBytes = 16 + std::size_t(FeldMaxIndex + 1) * (FeldMaxIndex + 1) * 8;

// Opens a file as the document: sets the size, clears every grid and reads the
// samples. The whole file is checked first, every sample finite; on failure
// nothing changes.
Status NativLesen(Dokument& dok, const std::string& pfad);
// Reads a file of the current size into Zweitbild ("Hinzu Öffnen"); the caller
// combines it. A file of another size is refused and nothing changes.
Status NativInZweitbildLesen(Dokument& dok, const std::string& pfad);
// Writes the document atomically.
Status NativSchreiben(const Dokument& dok, const std::string& pfad);

}  // namespace gm
