#pragma once
// Tiny literal grids for the script tests: rows as on screen (y down).

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "core/dokument.h"

namespace gm::skripttest {

using Zeilen = std::vector<std::vector<double>>;

inline void setzeFeld(Dokument& dok, const Zeilen& zeilen) {
    dok.MaxY = int(zeilen.size()) - 1;
    dok.MaxX = int(zeilen.at(0).size()) - 1;
    for (int y = 0; y <= dok.MaxY; ++y)
        for (int x = 0; x <= dok.MaxX; ++x)
            dok.Hoehenfeld(x, y) = zeilen[y][x];
}

inline void setzeMaske(Dokument& dok, const std::vector<std::vector<int>>& zeilen) {
    for (int y = 0; y <= dok.MaxY; ++y)
        for (int x = 0; x <= dok.MaxX; ++x)
            dok.Maske(x, y) = std::uint8_t(zeilen.at(y).at(x));
}

// Compares the active area of Hoehenfeld exactly, printing both on failure.
inline ::testing::AssertionResult feldIst(const Dokument& dok, const Zeilen& erwartet) {
    Zeilen ist(dok.MaxY + 1, std::vector<double>(dok.MaxX + 1));
    for (int y = 0; y <= dok.MaxY; ++y)
        for (int x = 0; x <= dok.MaxX; ++x)
            ist[y][x] = dok.Hoehenfeld(x, y);
    if (ist == erwartet) return ::testing::AssertionSuccess();
    auto zeigen = [](const Zeilen& z) {
        std::ostringstream s;
        s.precision(17);
        for (const auto& zeile : z) {
            for (double v : zeile)
                s << ' ' << v;
            s << '\n';
        }
        return s.str();
    };
    return ::testing::AssertionFailure() << "field\n"
                                         << zeigen(ist) << "expected\n"
                                         << zeigen(erwartet);
}

}  // namespace gm::skripttest
