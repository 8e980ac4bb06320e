#pragma once
// The dialog frame's look: grey panels, silver text, and the two bold silver
// labels "Übernehmen" and "Abbrechen" acting as buttons.

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace gm {

// Paints a widget grey (112, 112, 112) with silver text.
void grauFaerben(QWidget* w);

struct Dialogknoepfe {
    QPushButton* weiter;     // "Übernehmen"
    QPushButton* abbrechen;  // "Abbrechen"
    QHBoxLayout* zeile;      // right-aligned row holding both
};
// Creates both labels, wired to accept() and reject() of `dialog`, with
// "Übernehmen" pressed by Enter. The dialog also keeps within the free part of
// its screen when shown, and Enter in its number fields moves to the next
// control.
Dialogknoepfe dialogKnoepfe(QDialog* dialog);

}  // namespace gm
