#pragma once
// Reads a whole input file after checking its size, so that a huge file is
// refused before memory is taken for it.

#include <cstddef>
#include <string>

#include "core/status.h"

namespace gm {

// No exchange format of a 2049 x 2049 field needs more than a few tens of MB.
constexpr std::size_t MaxEingabeBytes = std::size_t(256) << 20;

Status eingabeLesen(const std::string& pfad, std::string& daten,
                    std::size_t maxBytes = MaxEingabeBytes);

}  // namespace gm
