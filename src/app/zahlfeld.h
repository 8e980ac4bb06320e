#pragma once
// A number field of the settings dialogs: grey, white text while it is being
// edited, silver again once its value has been read and shown back; Return
// moves to the next control.

class QLineEdit;
class QWidget;

namespace gm {

QLineEdit* zahlfeldAnlegen(QWidget* dialog, const char* name);
// The field has been read and shows its value: silver text.
void zahlfeldGelesen(QLineEdit* feld);

}  // namespace gm
