#pragma once
// Small literal grids for tests: rows are written as they appear on screen
// (y down), so {{a, b, c}, {d, e, f}} is a 3 x 2 field with a at (0,0) and
// d at (0,1).

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/dokument.h"
#include "core/feld.h"

namespace gm::test {

using Zeilen = std::vector<std::vector<double>>;

// Sets the field size to the literal's size and writes the values into `feld`.
inline void setzeFeld(Dokument& dok, TFeld& feld, const Zeilen& zeilen) {
    dok.MaxY = int(zeilen.size()) - 1;
    dok.MaxX = int(zeilen.at(0).size()) - 1;
    for (int y = 0; y <= dok.MaxY; ++y)
        for (int x = 0; x <= dok.MaxX; ++x)
            feld(x, y) = zeilen[y][x];
}

inline void setzeMaske(Dokument& dok, const std::vector<std::vector<int>>& zeilen) {
    for (int y = 0; y <= dok.MaxY; ++y)
        for (int x = 0; x <= dok.MaxX; ++x)
            dok.Maske(x, y) = std::uint8_t(zeilen.at(y).at(x));
}

inline Zeilen leseFeld(const Dokument& dok, const TFeld& feld) {
    Zeilen z(dok.MaxY + 1, std::vector<double>(dok.MaxX + 1));
    for (int y = 0; y <= dok.MaxY; ++y)
        for (int x = 0; x <= dok.MaxX; ++x)
            z[y][x] = feld(x, y);
    return z;
}

inline std::string zeigen(const Zeilen& z) {
    std::ostringstream s;
    s.precision(17);
    for (const auto& zeile : z) {
        for (double v : zeile)
            s << ' ' << v;
        s << '\n';
    }
    return s.str();
}

// Compares the active area of `feld` with the literal, within `toleranz`,
// printing both grids on failure.
inline ::testing::AssertionResult feldGleich(const Dokument& dok, const TFeld& feld,
                                             const Zeilen& erwartet, double toleranz = 1e-12) {
    Zeilen ist = leseFeld(dok, feld);
    bool gleich = ist.size() == erwartet.size();
    for (std::size_t y = 0; gleich && y < ist.size(); ++y) {
        gleich = ist[y].size() == erwartet[y].size();
        for (std::size_t x = 0; gleich && x < ist[y].size(); ++x)
            gleich = std::abs(ist[y][x] - erwartet[y][x]) <= toleranz;
    }
    if (gleich) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected\n"
                                         << zeigen(erwartet) << "got\n"
                                         << zeigen(ist);
}

}  // namespace gm::test
