#pragma once
// The argument slots of the script line being replayed and their readers.
// Replay procedures of every layer read their arguments through these.

#include <array>
#include <string>

namespace gm {

constexpr int ScriptMaxArgumente = 30;

struct ScriptArgumente {
    // Slots 1..30; slot 0 is unused.
    std::array<std::string, ScriptMaxArgumente + 1> slot;
    void leeren() {
        for (auto& s : slot)
            s.clear();
    }
};

// Reads and consumes the slot's text up to the first tab (all of it when there
// is none). An empty text reads as 0 and is then checked like any value;
// unreadable text, a value outside minimum..maximum, or a fraction in a
// whole-number argument gives the default.
double ArgumentZahl(ScriptArgumente& args, int slot, double vorgabe, double maximum,
                    double minimum);
int ArgumentGanzzahl(ScriptArgumente& args, int slot, int vorgabe, int maximum, int minimum);
// The slot's text as it stands (for file names), consuming it.
std::string ArgumentText(ScriptArgumente& args, int slot);

}  // namespace gm
