#pragma once
// Everything that decides how heights turn into colours, plus the editing
// state of the colour bar. One object lives in the session.

#include <array>

#include "display/palette.h"
#include "display/render_rec.h"

namespace gm {

// Colour modes: grey, palette 1, palette 2, render colouring.
constexpr int FarbmodusGrau = 0;
constexpr int FarbmodusPalette1 = 1;
constexpr int FarbmodusPalette2 = 2;
constexpr int FarbmodusRender = 3;

enum class Maustaste { Keine, Links, Rechts, Mitte };

// The colour bar's editing state between pointer events.
struct SkalaZustand {
    int aktivePalette = 1;                 // 1 or 2
    std::array<int, 2> gewaehlt = {0, 0};  // selected point per palette, 0 = none
    bool punktZiehen = false;
    bool markeZiehen = false;
    Maustaste markeTaste = Maustaste::Keine;
    int letztesX = 0;
    int letztesY = 0;
};

struct ColourState {
    std::array<Palette, 2> Paletten;  // "Palette I" at [0], "Palette II" at [1]
    int Farbmodus = FarbmodusPalette1;
    RenderRec Render;
    SkalaZustand Skala;

    Palette& palette(int nummer) { return Paletten[nummer == 2 ? 1 : 0]; }
    const Palette& palette(int nummer) const { return Paletten[nummer == 2 ? 1 : 0]; }
};

// The palette commands of the "&Palette" menu.
void PalettenAnordnen(ColourState& farben);  // "&Anordnen"
void PalettenUmkehren(ColourState& farben);  // "&Palette umkehren"
void PalettenTauschen(ColourState& farben);  // "P1 <-> P2"

}  // namespace gm
