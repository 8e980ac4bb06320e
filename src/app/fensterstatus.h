#pragma once
// What the window shows of the document's state: the title with the file name
// and the modified mark, the script commands enabled only with lines to play
// or save, and in the status bar the recording mark and, while cells are
// masked, what the blue means.

#include <QString>

namespace gm {

class TLandGenerator;

// The current native file's name, "Unbenannt" before it has one.
QString dokumentName(TLandGenerator& f);

// Brings everything above up to date with the document.
void fensterAktualisieren(TLandGenerator& f);

// Adds the status bar marks, the hints of the mask commands, and the update
// after every menu command, mode choice and mouse action on the main view.
void fensterstatusEinrichten(TLandGenerator& f);

}  // namespace gm
