#pragma once
// A 32-bit picture in memory, rows top to bottom, each pixel blue, green, red, 0.

#include <cstdint>
#include <vector>

namespace gm {

struct PixelImage {
    int width = 0;
    int height = 0;
    int stride = 0;  // pixels from one row to the next
    std::vector<std::uint32_t> pixels;

    // Sets the size; keeps the allocation when it is large enough.
    void resize(int w, int h) {
        width = w < 0 ? 0 : w;
        height = h < 0 ? 0 : h;
        stride = width;
        pixels.resize(std::size_t(width) * std::size_t(height));
    }
    std::uint32_t* row(int y) { return pixels.data() + std::size_t(y) * std::size_t(stride); }
    const std::uint32_t* row(int y) const {
        return pixels.data() + std::size_t(y) * std::size_t(stride);
    }
    std::uint32_t at(int x, int y) const { return row(y)[x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

}  // namespace gm
