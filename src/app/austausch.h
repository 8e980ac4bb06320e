#pragma once
// What the import and export commands share: the file dialog of each kind of
// exchange file with its remembered name and folder, and the error report.

#include <optional>
#include <string>

#include "app/dialogdienste.h"
#include "app/fensterzustand.h"
#include "core/status.h"

namespace gm {

class TLandGenerator;

// One file dialog: the remembered choice it shares, its title, its Qt filter
// and the extension its files get.
struct DateiArt {
    DateiWahl Fensterzustand::*wahl;
    const char* titel;
    const char* filter;
    const char* endung;
};

// The dialog's preset: the last name of its kind with the extension changed
// to the dialog's own, or, before any choice, the last folder of that kind
// (the home folder when none was used yet).
DateiDialog austauschDialog(const Fensterzustand& z, const DateiArt& art);

// Shows the save or open dialog; a chosen, non-empty name is remembered with
// its folder and returned.
std::optional<std::string> dateiWaehlen(TLandGenerator& f, const DateiArt& art, bool speichern);

// Shows a failure as a modal message naming the file; true when `s` succeeded.
bool austauschMelden(TLandGenerator& f, const Status& s, const std::string& pfad);

}  // namespace gm
