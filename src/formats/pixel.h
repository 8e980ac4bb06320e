#pragma once
// Pixels as the raster writers and readers exchange them.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/feld.h"

namespace gm {

struct RGB8 {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const RGB8&) const = default;
};

// The colour of sample (x, y); x is the first grid index.
using Farbquelle = std::function<RGB8(int x, int y)>;

// A decoded picture, rows top-down, pixels left to right, three bytes r, g, b.
struct RGBBild {
    int breite = 0;
    int hoehe = 0;
    std::vector<std::uint8_t> rgb;
    RGB8 pixel(int x, int y) const {
        const std::size_t i = (std::size_t(y) * std::size_t(breite) + std::size_t(x)) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

// Why a picture of this size cannot become the field; every picture reader
// says it in the same words.
inline std::string bildGroesseMeldung(int breite, int hoehe, int maxKante = MaxPunkte) {
    return "a picture of " + std::to_string(breite) + " x " + std::to_string(hoehe) +
           " pixels cannot be imported (" + std::to_string(MinPunkte) + ".." +
           std::to_string(maxKante) + " pixels per side)";
}

}  // namespace gm
