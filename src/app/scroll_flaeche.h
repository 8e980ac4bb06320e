#pragma once
// A column of controls that scrolls when its dialog is capped to the screen:
// as tall as its contents when there is room, and able to shrink to a few
// rows when there is not.

class QLayout;
class QWidget;

namespace gm {

// Puts `inhalt` into a frameless vertical scroll area owned by `eltern`.
QWidget* scrollFlaeche(QLayout* inhalt, QWidget* eltern);

}  // namespace gm
