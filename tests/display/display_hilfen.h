#pragma once
// Helpers for the display tests: an independent copy of the random sequence
// and pixels written as grey levels.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "display/pixelbild.h"

namespace gm::test {

// The linear congruential sequence of the editing state, written out again.
struct Folge {
    std::uint32_t seed;
    double naechste() {
        seed = seed * 134775813u + 1u;
        return double(seed) * (1.0 / 4294967296.0);
    }
};

constexpr std::uint32_t rgb(int r, int g, int b) {
    return (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}
constexpr std::uint32_t grau(int g) {
    return rgb(g, g, g);
}
constexpr std::uint32_t Blau = rgb(0, 0, 255);

using Pixelzeilen = std::vector<std::vector<std::uint32_t>>;

inline Pixelzeilen zeilenAus(const PixelImage& bild) {
    Pixelzeilen z(std::size_t(bild.height), std::vector<std::uint32_t>(std::size_t(bild.width)));
    for (int y = 0; y < bild.height; ++y)
        for (int x = 0; x < bild.width; ++x)
            z[std::size_t(y)][std::size_t(x)] = bild.at(x, y);
    return z;
}

inline std::string zeigen(const Pixelzeilen& z) {
    std::ostringstream s;
    s << std::hex;
    for (const auto& zeile : z) {
        for (auto p : zeile)
            s << ' ' << p;
        s << '\n';
    }
    return s.str();
}

}  // namespace gm::test
