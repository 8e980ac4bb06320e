#pragma once
// The command table of the script language: the 26 command words in dispatch
// order, each with its replay procedure.
//
// Registering an operation means filling its row's replay pointer, nothing
// else. A replay procedure runs the operation directly on the full field: no
// undo copy, no recording; it reads its arguments with ArgumentZahl,
// ArgumentGanzzahl and ArgumentText. A layer below script provides
//     void GammaNachspielen(Dokument&, ScriptArgumente&);
// and its row wraps it with aufDokument:
//     {"gamma", Form::Argumente, &aufDokument<GammaNachspielen>},
// A captureless lambda taking (Sitzung&, ScriptArgumente&) works as well.
// A row whose replay is nullptr is known to the table but does nothing yet.

#include <span>
#include <string_view>

#include "core/dokument.h"
#include "core/script_argumente.h"
#include "script/sitzung.h"

namespace gm {

using NachspielenFn = void (*)(Sitzung&, ScriptArgumente&);

// How an operation records its line: the bare word or word(arguments).
enum class Form { Bar, Argumente };

struct Befehl {
    std::string_view wort;  // lower case
    Form form;
    NachspielenFn nachspielen;  // nullptr while the operation is not built
};

// Adapts a replay procedure of a lower layer to a table row.
template <void (*F)(Dokument&, ScriptArgumente&)>
void aufDokument(Sitzung& s, ScriptArgumente& a) {
    F(s.dok, a);
}

constexpr int BefehlAnzahl = 26;

// Every row in table order.
std::span<const Befehl> Befehlstabelle();
// The first row whose word equals `wort` exactly, or nullptr.
const Befehl* BefehlSuchen(std::string_view wort);

}  // namespace gm
