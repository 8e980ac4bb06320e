#include "filters/krater_band.h"

#include <cstdint>
#include <limits>

namespace gm {

namespace {

constexpr std::int64_t kUMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kUMax = std::numeric_limits<std::int32_t>::max();

// The largest u in kUMin..kUMax with gilt(u), for gilt true at kUMin and false
// from some u on. Starts at the estimate, which is right or off by one in
// almost every case, and widens its steps until the change is enclosed.
template <class Gilt>
std::int64_t letztesWahr(Gilt gilt, double schaetzung) {
    std::int64_t e = kUMin;
    if (schaetzung >= double(kUMax - 1))
        e = kUMax - 1;
    else if (schaetzung > double(kUMin))
        e = std::int64_t(schaetzung);
    std::int64_t wahr = kUMin, falsch = kUMax + 1;
    std::int64_t schritt = 1;
    if (gilt(e)) {
        wahr = e;
        while (wahr + schritt <= kUMax && gilt(wahr + schritt)) {
            wahr += schritt;
            schritt *= 2;
        }
        if (wahr + schritt <= kUMax) falsch = wahr + schritt;
    } else {
        falsch = e;
        while (falsch - schritt > kUMin && !gilt(falsch - schritt)) {
            falsch -= schritt;
            schritt *= 2;
        }
        if (falsch - schritt > kUMin) wahr = falsch - schritt;
    }
    while (falsch - wahr > 1) {
        const std::int64_t m = wahr + (falsch - wahr) / 2;
        (gilt(m) ? wahr : falsch) = m;
    }
    return wahr;
}

double mitteVonSeed(const KraterBand& b, std::uint32_t s) {
    return b.mitte(std::int32_t(s ^ 0x80000000u));
}

}  // namespace

KraterBand::KraterBand(const KraterisierenRec& r)
    : h(r.Schnittlevel), z(r.Zufall), halb(r.Randbreite / 2.0), tiefe(r.Tiefe) {
    // The centre does not fall as the first draw rises (z >= 0).
    lo0 = mitteVonSeed(*this, 0) - halb;
    loMax = mitteVonSeed(*this, 0xFFFFFFFFu) - halb;
    hi0 = mitteVonSeed(*this, 0) + halb;
    hiMax = mitteVonSeed(*this, 0xFFFFFFFFu) + halb;
}

KraterIntervall KraterIntervallVon(const KraterBand& b, double x) {
    // In u = seed - 2^31: the cell lies at or above the lower limit for u up
    // to u1, and below the upper limit from u2 on; both limits rise with u by
    // about 0.1 z 2^-32 per step.
    const double kehr = 0x1p32 / (b.z * 0.1);
    std::int64_t u1 = kUMax, u2 = kUMin;
    if (!(x >= b.loMax)) {
        const auto gilt = [&](std::int64_t u) { return !(x < b.mitte(std::int32_t(u)) - b.halb); };
        u1 = letztesWahr(gilt, std::floor((x - b.h + b.halb) * kehr));
    }
    if (!(x < b.hi0)) {
        const auto gilt = [&](std::int64_t u) { return !(x < b.mitte(std::int32_t(u)) + b.halb); };
        u2 = letztesWahr(gilt, std::floor((x - b.h - b.halb) * kehr)) + 1;
    }
    if (u2 > u1) return {0, 0};
    return {std::uint32_t(std::int32_t(u2)) ^ 0x80000000u, std::uint32_t(u1 - u2 + 1)};
}

}  // namespace gm
