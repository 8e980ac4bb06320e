#pragma once
// Clipboard and undo commands of the edit menu. Each leaves redrawing and
// menu enabling to the caller.

#include "core/dokument.h"

namespace gm {

// Restores the undo copy with its extents; when they differ from the current
// ones the clipboard is released.
void Undo(Dokument& dok);
// Moves the masked cells into the clipboard and zeroes them.
void Ausschneiden(Dokument& dok);
// Copies the masked cells into the clipboard.
void Kopieren(Dokument& dok);
// Combines the clipboard into the field; does nothing without a clipboard.
void Einfuegen(Dokument& dok);
// Exchanges field and clipboard; does nothing without a clipboard.
void Tauschen(Dokument& dok);
// Releases the clipboard.
void Freigeben(Dokument& dok);
// "Löschen": undo copy, zero the whole field, record "clear".
void Loeschen(Dokument& dok);
// Zeroes the whole field (the replay of "clear").
void HoehenfeldNullen(Dokument& dok);

}  // namespace gm
