#pragma once
// Runs the checked actions left to right on one session. Files named by
// --save and --export are first written beside their target and only renamed
// into place once every action has succeeded, so a failing run leaves every
// target as it was. Reading a file written earlier in the same run reads the
// pending version.

#include <string>

#include "cli/befehlszeile.h"
#include "script/sitzung.h"

namespace gm::cli {

// Runs the actions; `ausgabe` collects what --info prints.
Status AktionenAusfuehren(Sitzung& s, const Befehlszeile& b, std::string& ausgabe);

}  // namespace gm::cli
