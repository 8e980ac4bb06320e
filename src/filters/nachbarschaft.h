#pragma once
// The four fixed 3 x 3 neighbourhood filters: sharpen, soften, erosion and
// dilation. Each writes its result into Zweitbild and delivers it with
// ZweitbildUebernehmen, so the field comes out stretched to 0..1 outside the
// mask. Neighbours beyond the border repeat the border value.

#include "core/dokument.h"

namespace gm {

// Kernel 0, -1, 0 / -1, 5, -1 / 0, -1, 0; each sum clamped to 0..1.
void Schaerfen(Dokument& dok);
// Kernel 0.05, 0.15, 0.05 / 0.15, 0.2, 0.15 / 0.05, 0.15, 0.05.
void Weichzeichnen(Dokument& dok);
// The minimum of the neighbourhood.
void Erodieren(Dokument& dok);
// The maximum of the neighbourhood.
void Dilatieren(Dokument& dok);

}  // namespace gm
