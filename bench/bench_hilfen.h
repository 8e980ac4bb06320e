#pragma once
// What every benchmark shares: a seeded test terrain and a grid copy as the
// yardstick the speed targets are given in.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "core/dokument.h"
#include "core/puffer.h"
#include "core/zufall.h"

namespace gm::bench {

// A square field of `punkte` points: a ramp with seeded noise on it.
inline void gelaendeFuellen(Dokument& dok, int punkte) {
    NeueGroesse(dok, punkte - 1, punkte - 1, true);
    setzeSeed(dok, 7);
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y)
            dok.Hoehenfeld(x, y) = 0.5 * x / punkte + 0.2 * y / punkte + 0.3 * Random(dok);
}

// Seconds for one plain copy of the active area on one core, best of
// several: the yardstick the speed targets' "copies" are given in. The
// document's own undo copy splits the columns between two threads and is
// faster than this.
inline double kopierZeit(Dokument& dok) {
    double beste = 1e9;
    for (int i = 0; i < 20; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        for (int x = 0; x <= dok.MaxX; ++x)
            std::copy_n(dok.Hoehenfeld.spalte(x), dok.MaxY + 1, dok.UndoBild.spalte(x));
        benchmark::ClobberMemory();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        beste = std::min(beste, d.count());
    }
    return beste;
}

}  // namespace gm::bench
