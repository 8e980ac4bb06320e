#include "display/farbstand.h"

#include <utility>

namespace gm {

void PalettenAnordnen(ColourState& farben) {
    for (auto& p : farben.Paletten)
        PaletteAnordnen(p);
}

void PalettenUmkehren(ColourState& farben) {
    for (auto& p : farben.Paletten)
        PaletteUmkehren(p);
}

void PalettenTauschen(ColourState& farben) {
    std::swap(farben.Paletten[0], farben.Paletten[1]);
}

}  // namespace gm
