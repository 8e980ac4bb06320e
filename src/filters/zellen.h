#pragma once
// Walks the free cells of Hoehenfeld, x outer and y inner, replacing each value
// v by f(v). Masked cells are skipped.

#include <cstdint>

#include "core/dokument.h"
#include "core/faeden.h"

namespace gm {

template <class F>
void freieZellenAbbilden(Dokument& dok, F&& f) {
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (m[y] == 0) h[y] = f(h[y]);
        }
    }
}

// The columns [anfang, ende) of part `teil` of 0..n-1 split in two, for
// kernels that run their halves side by side.

}  // namespace gm
