#pragma once
// Brush work in scripts: every applied tool is recorded as one line
// "stroke(...)" holding the tool, the button, the box, the settings it read
// and the generator's seed before it; the replay sets that seed and applies
// the same function, so a recording with brush work replays identically.

#include <string>

#include "core/dokument.h"
#include "core/script_argumente.h"
#include "core/status.h"
#include "editing/werkzeug.h"

namespace gm {

inline constexpr std::string_view StrichWort = "stroke";

// The line for stroke `s` applied with the document's current settings.
std::string StrichZeile(const Dokument& dok, const Strich& s);

// Records the stroke's line while recording, then applies it: the one way
// the window and the command line apply a tool.
Rechteck WerkzeugAnwenden(Dokument& dok, const Strich& s);

// Replays a "stroke" line from its argument slots: sets the recorded modes
// and seed, then applies the stroke. Fails on an unknown tool.
Status StrichNachspielen(Dokument& dok, ScriptArgumente& args);

}  // namespace gm
