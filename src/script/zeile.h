#pragma once
// Parsing and running one script line.

#include <optional>
#include <string>
#include <string_view>

#include "script/sitzung.h"

namespace gm {

// Parses `zeile` and runs it: lines of 4 characters or fewer are ignored, a
// "//" comment is cut off, the arguments go into s.Argumente, the command word
// is stripped and lower-cased, and a word of 3 characters or fewer is ignored.
// Accepts any bytes of any length. The replayed operation never records.
void ZeileAusfuehren(Sitzung& s, std::string_view zeile);

// Runs the replay procedure of the first table row whose word equals `wort`,
// with s.Argumente as its arguments; an unknown word does nothing.
void BefehlAusfuehren(Sitzung& s, std::string_view wort);

// Steps 1 to 6 of ZeileAusfuehren: the lower-case command word, with the
// arguments in `args`, or nothing when the line is to be ignored.
std::optional<std::string> ZeileZerlegen(std::string_view zeile, ScriptArgumente& args);

// Clears the 30 slots and fills them from the text after "(".
void ArgumenteTeilen(ScriptArgumente& args, std::string_view text);

}  // namespace gm
