// "&Exportieren": the colour pictures, the 16-bit height pictures, the raw
// 16-bit heightmap and Terragen, and the mask picture of the "Maske" menu.
// Exports read the document and change nothing; they do not redraw.

#include <functional>

#include "app/austausch.h"
#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "app/terragen_dialog.h"
#include "formats/bmp.h"
#include "formats/farbbild.h"
#include "formats/png16.h"
#include "formats/raw16.h"
#include "formats/targa.h"
#include "formats/terragen.h"
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

using Schreiber = std::function<Status(Sitzung&, const std::string&)>;

void exportieren(TLandGenerator& f, const DateiArt& art, const Schreiber& schreiben) {
    if (const auto pfad = dateiWaehlen(f, art, true)) {
        austauschMelden(f, schreiben(f.sitzung(), *pfad), *pfad);
    }
}

// Settings dialog, and only when it is accepted the save dialog and the writer.
void terragenExportieren(TLandGenerator& f, bool kurz) {
    if (!terragenEinstellen(f)) return;
    exportieren(f, kTerragen, [kurz](Sitzung& s, const std::string& p) {
        return SchreibeTerragen(s.dok, s.terragen, p, kurz);
    });
}

}  // namespace

void BMP1Click(TLandGenerator& f) {
    exportieren(f, kBmp, [](Sitzung& s, const std::string& p) {
        return farbBmpSchreiben(s.dok, s.farben, p);
    });
}

void Targatga1Click(TLandGenerator& f) {
    exportieren(f, kTga, [](Sitzung& s, const std::string& p) {
        return farbTargaSchreiben(s.dok, s.farben, p);
    });
}

void Targa16Bittga1Click(TLandGenerator& f) {
    exportieren(f, kTga,
                [](Sitzung& s, const std::string& p) { return targa16Schreiben(s.dok, p); });
}

void Png16Click(TLandGenerator& f) {
    exportieren(f, kPng, [](Sitzung& s, const std::string& p) { return png16Schreiben(s.dok, p); });
}

void Raw16Click(TLandGenerator& f) {
    exportieren(f, kRaw, [](Sitzung& s, const std::string& p) { return raw16Schreiben(s.dok, p); });
}

void ExportierenTerragenClick(TLandGenerator& f) {
    terragenExportieren(f, false);
}

void TerragenBetaWM1Click(TLandGenerator& f) {
    terragenExportieren(f, true);
}

void ExportierenBMP1Click(TLandGenerator& f) {
    exportieren(f, kBmp,
                [](Sitzung& s, const std::string& p) { return maskeBmpSchreiben(s.dok, p); });
}

}  // namespace gm
