#pragma once
// Craterize's transfer function split by what it needs from the generator.
// Every free cell draws r1, which places the band's centre p; a cell inside
// the band [p - w/2, p + w/2) draws r2 as well. Since p rises with r1, a cell
// lies inside the band for one interval of seeds of its first draw, found
// here without drawing, so the order of all draws can be settled before any
// value is computed.

#include <cmath>
#include <cstdint>

#include "core/zahlen.h"
#include "filters/kraterisieren.h"

namespace gm {

// Number of draws of a cell, or kOffen when it depends on the first draw.
enum : std::uint8_t { kOffen = 3 };

struct KraterBand {
    double h, z, halb, tiefe;
    // Lower and upper band limit for the smallest and the largest first
    // draw: every band lies within these.
    double lo0, loMax, hi0, hiMax;

    explicit KraterBand(const KraterisierenRec& r);

    // The centre for a first draw whose seed is 2^31 + u: r1 - 0.5 is exactly
    // u 2^-32, so this is the centre the draw r1 gives.
    double mitte(std::int32_t u) const { return h + (double(u) * 0x1p-32) * z * 0.1; }

    // 0 for a masked cell, else 1 or 2 draws, or kOffen. Without branches:
    // neighbouring cells fall into any of the cases.
    std::uint8_t ziehungen(double x, std::uint8_t maskiert) const {
        const int eine = (x < lo0) | !(x < hiMax);  // below every band, above, or NaN
        const int zwei = (x >= loMax) & (x < hi0);  // inside every band
        const int frei = kOffen - 2 * eine - (zwei & (eine ^ 1));
        return std::uint8_t(frei * (maskiert == 0));
    }

    // The new value of a free cell from the seeds of its first and second
    // draw (the second is ignored outside the band), as the transfer function
    // computes it.
    double wert(double x, std::uint32_t s1, std::uint32_t s2) const {
        const double p = mitte(std::int32_t(s1 ^ 0x80000000u));
        const double lo = p - halb, hi = p + halb;
        // r2 as the exact sum, so that the conversion is one of a signed value.
        const double r2 = double(std::int32_t(s2 ^ 0x80000000u)) * 0x1p-32 + 0.5;
        const double unten = clamp01(x);
        const double im = clamp01(lo + r2 * (halb - std::fabs(x - p)) * z);
        const double oben = clamp01(lo - (x - hi) * tiefe);
        return x < lo ? unten : (x < hi ? im : oben);
    }
};

// For a cell whose number of draws is kOffen: the seeds s of its first draw
// that put it inside the band are those with (s - anfang) mod 2^32 < breite
// (breite 0: none).
struct KraterIntervall {
    std::uint32_t anfang, breite;
};
KraterIntervall KraterIntervallVon(const KraterBand& b, double x);

}  // namespace gm

namespace gm {

// Craterize with the draws settled first, in blocks of columns on two
// threads: a block's open cells and their intervals are listed, the decisions
// of which of them draw twice continue in order from the block before, and
// the block's values are computed while its cells are still in the cache.
// The same values and draws as one pass in order; needs z >= 0 and finite
// parameters. `vektor`: eight cells at a time where the processor
// allows (see KraterVektorVerfuegbar), else one by one. `undoKopie`: takes
// the undo copy as UndoSichern does, each column as it is read.
void KraterisierenVerteilt(Dokument& dok, const KraterisierenRec& rec, bool vektor, bool undoKopie);

}  // namespace gm
