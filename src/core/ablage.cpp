#include "core/ablage.h"

#include <utility>

#include "core/kombination.h"
#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zahlen.h"

namespace gm {

void Undo(Dokument& dok) {
    const bool andereGroesse = dok.UndoMaxX != dok.MaxX || dok.UndoMaxY != dok.MaxY;
    UndoZurueck(dok);
    // A size change by undo discards the clipboard like every size change.
    if (andereGroesse) Freigeben(dok);
}

namespace {
TFeld& ablageBereitstellen(Dokument& dok) {
    if (!dok.Ablagebild) dok.Ablagebild = std::make_unique<TFeld>();
    return *dok.Ablagebild;
}

void maskierteInAblage(Dokument& dok, bool ausschneiden) {
    TFeld& ablage = ablageBereitstellen(dok);
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* h = dok.Hoehenfeld.spalte(x);
        double* a = ablage.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (m[y] == 1) {
                a[y] = h[y];
                if (ausschneiden) h[y] = 0.0;
            } else {
                a[y] = KeinWert;
            }
        }
    }
}
}  // namespace

void Ausschneiden(Dokument& dok) {
    ablageBereitstellen(dok);
    UndoSichern(dok);
    maskierteInAblage(dok, true);
}

void Kopieren(Dokument& dok) {
    maskierteInAblage(dok, false);
}

void Einfuegen(Dokument& dok) {
    if (!dok.Ablagebild) return;
    for (int x = 0; x <= dok.MaxX; ++x) {
        const double* a = dok.Ablagebild->spalte(x);
        double* z = dok.Zweitbild.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y)
            z[y] = clamp01(a[y]);
    }
    ZweitbildVerknuepfen(dok);
}

void Tauschen(Dokument& dok) {
    if (!dok.Ablagebild) return;
    UndoSichern(dok);
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* h = dok.Hoehenfeld.spalte(x);
        double* a = dok.Ablagebild->spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            std::swap(h[y], a[y]);
            h[y] = clamp01(h[y]);
        }
    }
}

void Freigeben(Dokument& dok) {
    dok.Ablagebild.reset();
}

void HoehenfeldNullen(Dokument& dok) {
    dok.Hoehenfeld.fuellen(0.0);
}

void Loeschen(Dokument& dok) {
    UndoSichern(dok);
    HoehenfeldNullen(dok);
    ScriptAnhaengen(dok, "clear");
}

}  // namespace gm
