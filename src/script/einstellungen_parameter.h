#pragma once
// Parameter descriptions of the editing settings held in Dokument: the
// modifier panel (ModRec) and the height markers (Marke). The command line's
// --set and the window's panels read these.

#include <span>

#include "core/parameter.h"

namespace gm {

// The fields of ModRec with the modifier panel's slider ranges; booleans 0/1.
std::span<const Parameter> ModParameter();
// Wert and Streuung of each height marker, each 0..1, with that marker's start values.
std::span<const Parameter> MarkeUntenParameter();
std::span<const Parameter> MarkeObenParameter();

}  // namespace gm
