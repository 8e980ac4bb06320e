// "&Fuellen": the generators with a dialog. An accepted dialog leaves its
// field in Zweitbild; the handler combines it (with the undo copy) and redraws.

#include "app/befehle.h"
#include "app/einmal_dialog.h"
#include "app/mittelpunkt_dialog.h"
#include "app/noise_dialog.h"
#include "core/kombination.h"
#include "script/sitzung.h"

namespace gm {

namespace {
template <class D>
void generatorDialog(TLandGenerator& f) {
    if (!einmalDialog<D>(f).ausfuehren()) return;
    ZweitbildVerknuepfen(f.dok());
    f.neuZeichnen();
}
}  // namespace

void PerlinNoise1Click(TLandGenerator& f) {
    generatorDialog<TErstelleNoise>(f);
}

void MidpointDisplacement1Click(TLandGenerator& f) {
    generatorDialog<TErstelleMittelpunkt>(f);
}

}  // namespace gm
