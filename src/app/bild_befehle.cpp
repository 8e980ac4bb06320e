// "&Bild": the commands whose operations are built (modifier pass, size).

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
    GroesseUmrechnen(d, g->punkteX - 1, g->punkteY - 1);
    f.neueGroesse(false);
    Freigeben1Click(f);
}

}  // namespace gm
