#pragma once
// Parsing and running one script line.

#include <optional>
#include <string>
#include <string_view>

#include "core/status.h"
#include "script/sitzung.h"

namespace gm {

// What became of a replayed line.
struct ZeilenErgebnis {
    enum Art {
        Ausgefuehrt,     // the operation ran and succeeded
        Ignoriert,       // too short to be a line
        Unbekannt,       // the word is no command word
        NichtGebaut,     // a command word whose operation is not built yet
        Fehlgeschlagen,  // the operation ran and failed
    };
    Art art = Ausgefuehrt;
    std::string wort;
    Status status;  // the operation's failure

    bool ausgefuehrt() const { return art == Ausgefuehrt; }
    // Why the line did not run, as a sentence for a message.
    std::string text() const;
};

// Parses `zeile` and runs it: lines of 4 characters or fewer are ignored, a
// "//" comment is cut off, the arguments go into s.Argumente, the command word
// is stripped and lower-cased, and a word of 3 characters or fewer is ignored.
// Accepts any bytes of any length. The replayed operation never records.
ZeilenErgebnis ZeileAusfuehren(Sitzung& s, std::string_view zeile);

// Runs the replay of the operation recorded under the first table word equal
// to `wort`, with s.Argumente as its arguments; an unknown word does nothing.
ZeilenErgebnis BefehlAusfuehren(Sitzung& s, std::string_view wort);

// Steps 1 to 6 of ZeileAusfuehren: the lower-case command word, with the
// arguments in `args`, or nothing when the line is to be ignored.
std::optional<std::string> ZeileZerlegen(std::string_view zeile, ScriptArgumente& args);

// Clears the 30 slots and fills them from the text after "(".
void ArgumenteTeilen(ScriptArgumente& args, std::string_view text);

}  // namespace gm
