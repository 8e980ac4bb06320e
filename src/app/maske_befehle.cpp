// "Maske": clear, invert, select all, the mask mode and the height ranges.

#include <QAction>

#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "core/maske.h"
#include "core/puffer.h"
#include "script/sitzung.h"

namespace gm {

namespace {
void modusSetzen(TLandGenerator& f, int modus, const char* aktion) {
    f.dok().Maskenmodus = modus;
    f.aktion(aktion)->setChecked(true);
}
}  // namespace

void Abwhlen1Click(TLandGenerator& f) {
    MaskeLoeschen(f.dok());
    f.neuZeichnen();
}

void MaskeInvertieren1Click(TLandGenerator& f) {
    MaskeInvertieren(f.dok());
    f.neuZeichnen();
}

void Alles1Click(TLandGenerator& f) {
    MaskeAlles(f.dok());
    f.neuZeichnen();
}

void MaskeNeu1Click(TLandGenerator& f) {
    modusSetzen(f, 1, "MaskeNeu1Click");
}
void MaskePlus1Click(TLandGenerator& f) {
    modusSetzen(f, 2, "MaskePlus1Click");
}
void MaskeMinus1Click(TLandGenerator& f) {
    modusSetzen(f, 3, "MaskeMinus1Click");
}

void berHhe1Click(TLandGenerator& f) {
    MaskeUeberHoehe(f.dok());
    f.neuZeichnen();
}

void Hhe1Click(TLandGenerator& f) {
    MaskeHoehe(f.dok());
    f.neuZeichnen();
}

void UnterHhe1Click(TLandGenerator& f) {
    MaskeUnterHoehe(f.dok());
    f.neuZeichnen();
}

void Null1Click(TLandGenerator& f) {
    MaskeNull(f.dok());
    f.neuZeichnen();
}

}  // namespace gm
