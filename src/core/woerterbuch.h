#pragma once
// The interface words of one language, read from a word file: one entry per
// line, a slot number from 1 to 800, ";" and the text. The texts are UTF-8.

#include <array>
#include <string>
#include <string_view>

#include "core/status.h"

namespace gm {

constexpr int WoerterMax = 800;
constexpr int WortLaengeMax = 56;  // characters, not bytes

// Slots 1..800; an empty slot has no word.
struct Woerterbuch {
    std::array<std::string, WoerterMax + 1> eintraege;
    const std::string& wort(int n) const {
        static const std::string leer;
        return n >= 1 && n <= WoerterMax ? eintraege[std::size_t(n)] : leer;
    }
};

// Stores the entries of a word file's contents in `aus` and returns how many
// lines gave a non-empty word. A byte-order mark is skipped; lines end with LF or CR LF;
// lines shorter than 5 characters, without ";" or with ";" first, and lines
// whose number (blanks around it allowed) is not a whole number from 1 to 800
// are ignored. The text after the first ";" loses its surrounding blanks and
// is cut to 56 characters; NUL bytes are dropped and invalid UTF-8 becomes
// U+FFFD. A later line for the same number wins.
int WoerterLesen(std::string_view inhalt, Woerterbuch& aus);

// SpracheLaden: reads the word file into a fresh table; true when at least one
// word was stored. A missing or unreadable file leaves `aus` untouched.
bool SpracheLaden(const std::string& pfad, Woerterbuch& aus);

// The language number of the language file's first line, 0 when the file is
// missing or does not start with a number from 1 to 7.
int SprachIndexLesen(const std::string& pfad);
// SprachIndexSpeichern: writes the file atomically with the single line n.
Status SprachIndexSpeichern(const std::string& pfad, int n);

// True when files can be created in `ordner`.
bool OrdnerBeschreibbar(const std::string& ordner);

}  // namespace gm
