// "&Bild": the commands whose operations are built (modifier pass, size).

#include "app/aenderungen.h"
#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "core/kombination.h"
#include "core/puffer.h"
#include "script/sitzung.h"

namespace gm {

void Bildgre1Click(TLandGenerator& f) {
    Dokument& d = f.dok();
    const auto g = f.dienste().groesse({d.punkteX(), d.punkteY()});
    if (!g || !punkteGueltig(g->punkteX, g->punkteY)) return;
    // Resampling replaces the field and its single undo level is gone after
    // the next command, so unsaved work is offered for saving as "Neu" does.
    if (!aenderungenSichern(f)) return;
    GroesseUmrechnen(d, g->punkteX - 1, g->punkteY - 1);
    f.neueGroesse(false);
    Freigeben1Click(f);
}

}  // namespace gm
