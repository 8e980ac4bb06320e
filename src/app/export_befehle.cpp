// "&Exportieren": the colour pictures, the 16-bit height pictures, the raw
// 16-bit heightmap and Terragen, and the mask picture of the "Maske" menu.
// Exports read the document and change nothing; they do not redraw.

#include "app/austausch.h"
#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "app/terragen_dialog.h"
#include "script/operationen.h"
#include "script/sitzung.h"

namespace gm {

namespace {

const DateiArt kBmp{&Fensterzustand::bild, "Exportieren Bitmap",
                    "Bitmaps (*.bmp);;Alle Dateien (*.*)", "bmp"};
const DateiArt kTga{&Fensterzustand::targa, "Exportieren Targa",
                    "Targa (*.tga);;Alle Dateien (*.*)", "tga"};
const DateiArt kPng{&Fensterzustand::png, "Exportieren PNG 16 Bit", "PNG (*.png);;All (*.*)",
                    "png"};
const DateiArt kRaw{&Fensterzustand::raw, "Exportieren Raw 16 Bit",
                    "Raw 16 Bit (*.r16 *.raw);;All (*.*)", "r16"};
const DateiArt kTerragen{&Fensterzustand::terragen, "Exportieren Terragen",
                         "Terragen (*.ter);;All  (*.*)", "ter"};

// Writes through the command line's export of that format name.
void exportieren(TLandGenerator& f, const DateiArt& art, std::string_view format) {
    const Export* e = ExportSuchen(format);
    if (!e) return;
    if (const auto pfad = dateiWaehlen(f, art, true)) {
        austauschMelden(f, e->schreiben(f.sitzung(), *pfad), *pfad);
    }
}

// Settings dialog, and only when it is accepted the save dialog and the writer.
void terragenExportieren(TLandGenerator& f, bool kurz) {
    if (!terragenEinstellen(f)) return;
    exportieren(f, kTerragen, kurz ? "ter-wm" : "ter");
}

}  // namespace

void BMP1Click(TLandGenerator& f) {
    exportieren(f, kBmp, "bmp");
}

void Targatga1Click(TLandGenerator& f) {
    exportieren(f, kTga, "tga");
}

void Targa16Bittga1Click(TLandGenerator& f) {
    exportieren(f, kTga, "tga16");
}

void Png16Click(TLandGenerator& f) {
    exportieren(f, kPng, "png16");
}

void Raw16Click(TLandGenerator& f) {
    exportieren(f, kRaw, "r16");
}

void ExportierenTerragenClick(TLandGenerator& f) {
    terragenExportieren(f, false);
}

void TerragenBetaWM1Click(TLandGenerator& f) {
    terragenExportieren(f, true);
}

void ExportierenBMP1Click(TLandGenerator& f) {
    exportieren(f, kBmp, "maskbmp");
}

}  // namespace gm
