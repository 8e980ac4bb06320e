#pragma once
// The recorded script lines and the text form every operation records itself in.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "core/dokument.h"

namespace gm {

// Appends a line while recording and below the line limit; drops it otherwise.
void ScriptAnhaengen(Dokument& dok, std::string_view zeile);
// "Neu": empties the list and stops recording.
void ScriptNeu(Dokument& dok);

// One argument of a script line: a real number in the script format, a whole
// number, or text taken as it is.
struct ScriptArg {
    ScriptArg(double v);
    ScriptArg(int v);
    ScriptArg(std::string_view text) : text(text) {}
    ScriptArg(const char* text) : text(text) {}
    std::string text;
};

// word(arg1, arg2, ...) with the numbers in the script format.
std::string ScriptZeile(std::string_view wort, std::span<const ScriptArg> argumente);
inline std::string ScriptZeile(std::string_view wort, std::initializer_list<ScriptArg> argumente) {
    return ScriptZeile(wort, std::span<const ScriptArg>(argumente.begin(), argumente.size()));
}

}  // namespace gm
