#pragma once
// Shorthands for the script tests on top of the shared literal-grid helpers:
// the script lines work on Hoehenfeld and are compared exactly.

#include "support/feld_hilfen.h"

namespace gm::skripttest {

using test::setzeMaske;
using test::Zeilen;

inline void setzeFeld(Dokument& dok, const Zeilen& zeilen) {
    test::setzeFeld(dok, dok.Hoehenfeld, zeilen);
}

inline ::testing::AssertionResult feldIst(const Dokument& dok, const Zeilen& erwartet) {
    return test::feldGleich(dok, dok.Hoehenfeld, erwartet, 0.0);
}

}  // namespace gm::skripttest
