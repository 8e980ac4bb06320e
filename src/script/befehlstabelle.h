#pragma once
// The command table of the script language: the 26 command words in dispatch
// order with the form each is recorded in. The operation behind a word is the
// catalogue's row with that script word (operationen.h); a word without one
// is known but not built yet.

#include <span>
#include <string_view>

#include "core/script_argumente.h"
#include "core/status.h"

namespace gm {

struct Dokument;

// How an operation records its line: the bare word or word(arguments).
enum class Form { Bar, Argumente };

struct Befehl {
    std::string_view wort;  // lower case
    Form form;
};

constexpr int BefehlAnzahl = 26;

// Every row in table order.
std::span<const Befehl> Befehlstabelle();
// The first row whose word equals `wort` exactly, or nullptr.
const Befehl* BefehlSuchen(std::string_view wort);

// Words of this program beyond the 26, looked up only after them, so older
// scripts are unaffected. Each replays its line from the argument slots.
struct Erweiterungswort {
    std::string_view wort;
    Status (*nachspielen)(Dokument& dok, ScriptArgumente& args);
};
std::span<const Erweiterungswort> Erweiterungswoerter();
const Erweiterungswort* ErweiterungSuchen(std::string_view wort);

}  // namespace gm
