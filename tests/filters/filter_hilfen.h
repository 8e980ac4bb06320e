#pragma once
// Tiny literal grids for the filter tests, written as they appear on screen:
// {{a, b, c}, {d, e, f}} is 3 wide and 2 high, a at (0,0) and d at (0,1).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "core/dokument.h"
#include "core/script_argumente.h"

namespace gm::filtertest {

using Zeilen = std::vector<std::vector<double>>;

inline void setze(Dokument& dok, const Zeilen& z) {
    dok.MaxY = int(z.size()) - 1;
    dok.MaxX = int(z.at(0).size()) - 1;
    for (int y = 0; y <= dok.MaxY; ++y)
        for (int x = 0; x <= dok.MaxX; ++x)
            dok.Hoehenfeld(x, y) = z[y].at(x);
}

inline void maske(Dokument& dok, const std::vector<std::vector<int>>& z) {
    for (int y = 0; y <= dok.MaxY; ++y)
        for (int x = 0; x <= dok.MaxX; ++x)
            dok.Maske(x, y) = std::uint8_t(z.at(y).at(x));
}

inline Zeilen lese(const Dokument& dok, const TFeld& f) {
    Zeilen z(std::size_t(dok.MaxY + 1), std::vector<double>(std::size_t(dok.MaxX + 1)));
    for (int y = 0; y <= dok.MaxY; ++y)
        for (int x = 0; x <= dok.MaxX; ++x)
            z[y][x] = f(x, y);
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

// Compares the active area of `f` with the literal within `tol` (0 = exact).
inline ::testing::AssertionResult gleich(const Dokument& dok, const TFeld& f, const Zeilen& soll,
                                         double tol = 0.0) {
    const Zeilen ist = lese(dok, f);
    bool ok = ist.size() == soll.size();
    for (std::size_t y = 0; ok && y < soll.size(); ++y) {
        ok = ist[y].size() == soll[y].size();
        for (std::size_t x = 0; ok && x < soll[y].size(); ++x) {
            const double a = ist[y][x], b = soll[y][x];
            ok = tol == 0.0 ? a == b : std::fabs(a - b) <= tol;
        }
    }
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\nexpected:\n"
                                         << zeigen(soll) << "actual:\n"
                                         << zeigen(ist);
}

// Splits "a, b, c" into argument slots 1, 2, 3 as the script parser does.
inline ScriptArgumente argumente(std::initializer_list<const char*> texte) {
    ScriptArgumente a;
    int i = 1;
    for (const char* t : texte)
        a.slot[std::size_t(i++)] = t;
    return a;
}

}  // namespace gm::filtertest
