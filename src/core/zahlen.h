#pragma once
// Rounding and the locale-independent number text of scripts and exports.

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace gm {

// Nearest whole number, an exact half going to the even neighbour. Written
// out rather than nearbyint, so the result does not depend on the rounding
// mode; inline and without branches, since the filters call it per cell.
inline double roundHalfEven(double v) {
    const double r = std::floor(v);
    const double rest = v - r;
    // r is whole, so half of it has a fraction exactly when r is odd.
    const double haelfte = r * 0.5;
    const bool ungerade = std::floor(haelfte) != haelfte;
    return r + (((rest > 0.5) | ((rest == 0.5) & ungerade)) ? 1.0 : 0.0);
}
// roundHalfEven as an integer; the value must lie within the range of int.
// The floor is taken in integers (truncate, then step down below zero), which
// is exact in that range and far cheaper per pixel than two floating floors.
inline int roundToInt(double v) {
    int r = static_cast<int>(v);
    r -= int(v < double(r));
    const double rest = v - double(r);
    return r + int((rest > 0.5) | ((rest == 0.5) & ((r & 1) != 0)));
}

template <class T>
constexpr T clamp01(T v) {
    return v < T(0) ? T(0) : (v > T(1) ? T(1) : v);
}

// Fixed-point text with `decimals` decimals and a point separator.
std::string formatFixed(double v, int decimals);
// The script number format: three decimals, no surrounding blanks.
std::string formatScriptNumber(double v);

// Reads a number with a point separator and an optional exponent, ignoring
// surrounding blanks. Returns nothing when the text is not entirely a number.
std::optional<double> parseNumber(std::string_view text);

std::string_view trimBlanks(std::string_view text);

}  // namespace gm
