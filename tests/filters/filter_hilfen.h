#pragma once
// Shorthands for the filter tests on top of the shared literal-grid helpers:
// the filters work on Hoehenfeld, and compare exactly unless told otherwise.

#include <initializer_list>
#include <utility>
#include <vector>

#include "core/script_argumente.h"
#include "support/feld_hilfen.h"

namespace gm::filtertest {

using test::Zeilen;

inline void setze(Dokument& dok, const Zeilen& z) {
    test::setzeFeld(dok, dok.Hoehenfeld, z);
}

inline void maske(Dokument& dok, const std::vector<std::vector<int>>& z) {
    test::setzeMaske(dok, z);
}

inline Zeilen lese(const Dokument& dok, const TFeld& f) {
    return test::leseFeld(dok, f);
}

// Compares the active area of `f` with the literal within `tol` (0 = exact).
inline ::testing::AssertionResult gleich(const Dokument& dok, const TFeld& f, const Zeilen& soll,
                                         double tol = 0.0) {
    return test::feldGleich(dok, f, soll, tol);
}

// An nx x ny field literal of wert(x, y) and a mask literal of maskiert(x, y).
template <class W, class M>
std::pair<Zeilen, std::vector<std::vector<int>>> feldUndMaske(int nx, int ny, W wert, M maskiert) {
    Zeilen feld(static_cast<std::size_t>(ny), std::vector<double>(static_cast<std::size_t>(nx)));
    std::vector<std::vector<int>> m(static_cast<std::size_t>(ny),
                                    std::vector<int>(static_cast<std::size_t>(nx)));
    for (int y = 0; y < ny; ++y)
        for (int x = 0; x < nx; ++x) {
            feld[std::size_t(y)][std::size_t(x)] = wert(x, y);
            m[std::size_t(y)][std::size_t(x)] = maskiert(x, y) ? 1 : 0;
        }
    return {feld, m};
}

// Puts "a", "b", "c" into argument slots 1, 2, 3 as the script parser does.
inline ScriptArgumente argumente(std::initializer_list<const char*> texte) {
    ScriptArgumente a;
    int i = 1;
    for (const char* t : texte)
        a.slot[std::size_t(i++)] = t;
    return a;
}

}  // namespace gm::filtertest
