#pragma once
// The selection mask: 1 = masked (protected from operations, taken by the clipboard).

#include "core/dokument.h"

namespace gm {

void MaskeAlles(Dokument& dok);
void MaskeInvertieren(Dokument& dok);
// Selects the cells with unten <= height <= oben according to Maskenmodus.
void MaskeNachHoehe(Dokument& dok, double unten, double oben);
// Selects the valued cells of Zweitbild according to Maskenmodus.
void MaskeAusZweitbild(Dokument& dok);

// The height-range commands of the mask menu, measured against the markers.
void MaskeUeberHoehe(Dokument& dok);
void MaskeHoehe(Dokument& dok);
void MaskeUnterHoehe(Dokument& dok);
void MaskeNull(Dokument& dok);

}  // namespace gm
