#pragma once
// The one pseudo-random generator of the editing state: a 32-bit linear
// congruential generator on Dokument::RandSeed.

#include <cstdint>

namespace gm {

struct Dokument;

// Advances RandSeed and returns a value in [0, 1).
double Random(Dokument& dok);
// Advances RandSeed and returns a value in 0..n-1 (0 when n is 0).
std::uint32_t Random(Dokument& dok, std::uint32_t n);
// Seeds from the time of day in milliseconds.
void Randomize(Dokument& dok);
void setzeSeed(Dokument& dok, std::uint32_t seed);

}  // namespace gm
