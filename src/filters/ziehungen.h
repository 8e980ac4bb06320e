#pragma once
// Draws of the document's generator computed side by side. n draws map the
// seed s to a s + c modulo 2^32, so runs of the sequence that start a fixed
// number of draws apart advance together, without one multiplication
// waiting for the one before.

#include <cstdint>

namespace gm {

// The map of a number of draws on the seed.
struct Sprung {
    std::uint32_t a = 1, c = 0;
    std::uint32_t operator()(std::uint32_t seed) const { return a * seed + c; }
};

// The map of n draws.
Sprung SprungUeber(std::uint64_t n);

// folge[i] := the seed after i + 1 further draws from `seed`, for i < n;
// the value of draw i + 1 is folge[i] * 2^-32.
void ZiehungenFolge(std::uint32_t seed, int n, std::uint32_t* folge);

}  // namespace gm
