// "&Verlauf BMP" in "&Exportieren" and "Voreinstellungen", and "Verlauf
// COFFEE": the exports that carry the colour settings instead of the field.
// They change nothing and do not redraw.

#include "app/austausch.h"
#include "app/befehle.h"
#include "app/coffee_dialog.h"
#include "app/hauptfenster.h"
#include "app/verlauf_dialog.h"
#include "script/sitzung.h"

namespace gm {

namespace {
const DateiArt kVerlauf{&Fensterzustand::bild, "Exportieren Bitmap",
                        "Bitmaps (*.bmp);;Alle Dateien (*.*)", "bmp"};
}  // namespace

void VerlaufBMP1Click(TLandGenerator& f) {
    if (const auto pfad = dateiWaehlen(f, kVerlauf, true)) {
        Sitzung& s = f.sitzung();
        austauschMelden(f, SchreibeVerlauf(s.dok, s.farben.palette(1), s.verlauf, *pfad), *pfad);
    }
}

void VerlaufBMP2Click(TLandGenerator& f) {
    verlaufEinstellen(f);
}

void COFFEE1Click(TLandGenerator& f) {
    coffeeExportieren(f);
}

}  // namespace gm
