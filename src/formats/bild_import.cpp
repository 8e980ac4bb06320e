#include "formats/bild_import.h"

#include <cmath>

#include "core/ablage.h"
#include "core/atomare_datei.h"
#include "core/puffer.h"
#include "formats/bmp.h"
#include "formats/jpeg.h"

namespace gm {

Status bildDekodieren(std::string_view daten, RGBBild& bild) {
    if (daten.size() >= 2 && daten[0] == 'B' && daten[1] == 'M') {
        return bmpDekodieren(daten, MaxPunkte, bild);
    }
    if (daten.size() >= 2 && daten[0] == '\xFF' && daten[1] == '\xD8') {
        return jpegDekodieren(daten, MaxPunkte, bild);
    }
    return Status::fehler("not a BMP or JPEG picture");
}

Status BildImportieren(Dokument& dok, const RGBBild& bild) {
    if (!punkteGueltig(bild.breite, bild.hoehe)) {
        return Status::fehler(bildGroesseMeldung(bild.breite, bild.hoehe));
    }
    NeueGroesse(dok, bild.breite - 1, bild.hoehe - 1, true);
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* spalte = dok.Hoehenfeld.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            const RGB8 c = bild.pixel(x, y);
            spalte[y] = std::sqrt(double(c.r * c.r + c.g * c.g + c.b * c.b));
        }
    }
    Normalisieren(dok);
    UndoSichern(dok);
    Freigeben(dok);
    return {};
}

Status BildImportieren(Dokument& dok, const std::string& pfad) {
    std::string daten;
    RGBBild bild;
    if (Status s = dateiLesen(pfad, daten, BildMaxBytes); !s) return s;
    if (Status s = bildDekodieren(daten, bild); !s)
        return Status::fehler(pfad + ": " + s.meldung());
    if (Status s = BildImportieren(dok, bild); !s) return Status::fehler(pfad + ": " + s.meldung());
    return {};
}

}  // namespace gm
