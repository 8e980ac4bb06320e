// "&Bild": the tone filters and rain erosion. A dialog applies its filter
// itself on "Übernehmen" (undo copy, filter, script line); the handler
// redraws when it was accepted. The direct commands run at once.

#include "app/befehle.h"
#include "app/digit_dialog.h"
#include "app/einmal_dialog.h"
#include "app/gamma_dialog.h"
#include "app/hell_kontr_dialog.h"
#include "app/regen_dialog.h"
#include "filters/invertieren.h"
#include "script/sitzung.h"

namespace gm {

namespace {
template <class D>
void filterDialog(TLandGenerator& f) {
    if (einmalDialog<D>(f).ausfuehren()) f.neuZeichnen();
}
}  // namespace

void HelligkeitKontrast1Click(TLandGenerator& f) {
    filterDialog<TEingabeHelligkeitKontrast>(f);
}

void Gamma1Click(TLandGenerator& f) {
    filterDialog<TGammaKorrektur>(f);
}

void Digitalisieren1Click(TLandGenerator& f) {
    filterDialog<TDigitalisiereBild>(f);
}

void RegenErosionClick(TLandGenerator& f) {
    filterDialog<TEingabeRegenErosion>(f);
}

void N00101Click(TLandGenerator& f) {
    StreckenNullEins(f.dok());
    f.neuZeichnen();
}

void minmax1Click(TLandGenerator& f) {
    StreckenMarken(f.dok());
    f.neuZeichnen();
}

void In1Click(TLandGenerator& f) {
    Invertieren(f.dok());
    f.neuZeichnen();
}

}  // namespace gm
