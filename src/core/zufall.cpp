#include "core/zufall.h"

#include <chrono>
#include <ctime>

#include "core/dokument.h"

namespace gm {

namespace {
std::uint32_t weiter(Dokument& dok) {
    dok.RandSeed = dok.RandSeed * 134775813u + 1u;
    return dok.RandSeed;
}
}  // namespace

double Random(Dokument& dok) {
    return double(weiter(dok)) * 0x1p-32;
}

std::uint32_t Random(Dokument& dok, std::uint32_t n) {
    return std::uint32_t((std::uint64_t(n) * weiter(dok)) >> 32);
}

void Randomize(Dokument& dok) {
    using namespace std::chrono;
    auto jetzt = system_clock::now();
    std::time_t t = system_clock::to_time_t(jetzt);
    std::tm lokal{};
    localtime_r(&t, &lokal);
    auto ms = duration_cast<milliseconds>(jetzt.time_since_epoch()).count() % 1000;
    dok.RandSeed =
        std::uint32_t(((lokal.tm_hour * 60 + lokal.tm_min) * 60 + lokal.tm_sec) * 1000 + int(ms));
}

void setzeSeed(Dokument& dok, std::uint32_t seed) {
    dok.RandSeed = seed;
}

std::uint32_t ZufallVoraus(std::uint32_t seed, std::uint64_t n) {
    // One draw is the map s -> a s + c modulo 2^32; the map of 2^k draws is
    // that map composed with itself, and n draws compose the maps of n's bits.
    std::uint32_t a = 134775813u, c = 1u;
    while (n != 0) {
        if (n & 1u) seed = a * seed + c;
        c = a * c + c;
        a = a * a;
        n >>= 1;
    }
    return seed;
}

}  // namespace gm
