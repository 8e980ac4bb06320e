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

// The generator on a seed of its own, for hot loops: from the same seed it
// draws the same numbers as Random(dok); the caller writes the seed back.
class Zufallsfolge {
  public:
    explicit Zufallsfolge(std::uint32_t seed) : seed_(seed) {}
    double operator()() {
        seed_ = seed_ * 134775813u + 1u;
        return double(seed_) * 0x1p-32;
    }
    std::uint32_t seed() const { return seed_; }

  private:
    std::uint32_t seed_;
};

// The seed after `n` further draws from `seed`, in about log2(n) steps, so
// parts of one sequence of draws can start side by side.
std::uint32_t ZufallVoraus(std::uint32_t seed, std::uint64_t n);

}  // namespace gm
