#pragma once
// Playing back the recorded script.

#include <vector>

#include "script/sitzung.h"
#include "script/zeile.h"

namespace gm {

// A line of the list that did not run, with its number (1-based).
struct ZeilenMeldung {
    int zeile;
    ZeilenErgebnis ergebnis;
};

// Takes one undo copy, then runs every line longer than 4 characters in list
// order. Does nothing when the list is empty. Nothing stops playback; the
// lines that did not run or failed are returned, empty lines left out. The
// list, the count and the recording flag stay as they are; settings the lines
// change (such as "paintmode") stay changed.
std::vector<ZeilenMeldung> ScriptAbspielen(Sitzung& s);

}  // namespace gm
