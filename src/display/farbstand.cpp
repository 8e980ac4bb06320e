#include "display/farbstand.h"

#include <utility>

namespace gm {

namespace {
const Parameter farbmodusParameter[] = {
    {"Farbmodus", ParamTyp::Ganz, offsetof(ColourState, Farbmodus), 1, 0, 3, Skala::Linear, 1,
     "Modus"},
};
}  // namespace

std::span<const Parameter> FarbmodusParameter() {
    return farbmodusParameter;
}

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
