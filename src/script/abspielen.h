#pragma once
// Playing back the recorded script.

#include "script/sitzung.h"

namespace gm {

// Takes one undo copy, then runs every line longer than 4 characters in list
// order. Does nothing when the list is empty. The list, the count and the
// recording flag stay as they are; settings the lines change (such as
// "paintmode") stay changed.
void ScriptAbspielen(Sitzung& s);

}  // namespace gm
