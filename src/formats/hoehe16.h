#pragma once
// The 16-bit height quantisation shared by the 16-bit Targa, PNG and raw exports.

#include <cstdint>

#include "core/zahlen.h"

namespace gm {

// h clamped to 0..1, times 65535, rounded half to even.
// A NaN, which the grid should never hold, becomes 0.
inline std::uint16_t hoeheZu16(double h) {
    if (!(h > 0.0)) return 0;
    return std::uint16_t(roundToInt(clamp01(h) * 65535.0));
}

}  // namespace gm
