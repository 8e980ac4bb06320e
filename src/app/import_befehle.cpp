// "&Importieren": pictures, Terragen, STM and 16-bit PNG. Every reader checks
// the whole file before it changes the document; a refused file is reported
// and leaves the field, the undo copy and the mask as they were.

#include <functional>

#include "app/aenderungen.h"
#include "app/austausch.h"
#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "formats/bild_import.h"
#include "formats/png16.h"
#include "formats/stm.h"
#include "formats/terragen.h"
#include "script/sitzung.h"

namespace gm {

namespace {

const DateiArt kGrafik{&Fensterzustand::bild, "Importieren Grafik",
                       "All (*.jpg *.jpeg *.bmp);;JPEG (*.jpg);;JPEG (*.jpeg);;Bitmaps (*.bmp)",
                       "bmp"};
const DateiArt kTerragen{&Fensterzustand::terragen, "Importieren Terragen",
                         "Terragen (*.ter);;All (*.*)", "ter"};
const DateiArt kStm{&Fensterzustand::stm, "Importieren Stm", "STM (*.stm);;All (*.*)", "stm"};
const DateiArt kPng{&Fensterzustand::png, "Importieren PNG 16 Bit", "PNG (*.png);;All (*.*)",
                    "png"};

using Leser = std::function<Status(Sitzung&, const std::string&)>;

// The save question, open dialog, reader, then the view set up for the new
// size and the field released for editing. The imported field has no native
// file: "Speichern" asks for a name instead of overwriting the previous one.
void importieren(TLandGenerator& f, const DateiArt& art, const Leser& lesen) {
    if (!aenderungenSichern(f)) return;
    const auto pfad = dateiWaehlen(f, art, false);
    if (!pfad || !austauschMelden(f, lesen(f.sitzung(), *pfad), *pfad)) return;
    f.zustand().nativ.name = "*.fla";
    f.neueGroesse(false);
    AnsichtEinpassen(f);
    Freigeben1Click(f);
    alsUngespeichertMerken(f);
}

}  // namespace

void ImportierenGrafikClick(TLandGenerator& f) {
    importieren(f, kGrafik,
                [](Sitzung& s, const std::string& p) { return BildImportieren(s.dok, p); });
}

void ImportierenTerragenClick(TLandGenerator& f) {
    importieren(f, kTerragen, [](Sitzung& s, const std::string& p) {
        return LiesTerragen(s.dok, s.terragen, p);
    });
}

void stm1Click(TLandGenerator& f) {
    importieren(f, kStm, [](Sitzung& s, const std::string& p) { return LiesStm(s.dok, p); });
}

void ImportierenPNGClick(TLandGenerator& f) {
    importieren(f, kPng, [](Sitzung& s, const std::string& p) { return png16Lesen(s.dok, p); });
}

}  // namespace gm
