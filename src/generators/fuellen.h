#pragma once
// The direct fills "Konstant" and "Rauschen": every free cell of Zweitbild
// gets a value, masked cells none, and the combination takes it over.

#include "core/dokument.h"

namespace gm {

// Every free cell 1.0; after the stretch of the combination a flat layer.
void KonstantFuellen(Dokument& dok);
// Every free cell one draw of the document's generator, x outer, y inner.
void RauschenFuellen(Dokument& dok);

}  // namespace gm
