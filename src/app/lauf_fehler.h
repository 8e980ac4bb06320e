#pragma once
// A dialog that applies its operation itself closes as cancelled when the
// run was refused; the refusal travels with the dialog to the window, which
// reports it through its message service.

#include <string>

class QDialog;

namespace gm {

// Keeps `meldung` on `dialog` and closes it as cancelled.
void abgelehntSchliessen(QDialog& dialog, const std::string& meldung);

// The refusal kept by the last abgelehntSchliessen, cleared; empty when the
// dialog was simply cancelled.
std::string LaufFehlerNehmen(QDialog& dialog);

}  // namespace gm
