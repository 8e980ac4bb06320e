#pragma once
// The colour bar beside the main view: the colours of the current mode from 0
// (bottom) to 1 (top), the palette points, and the two height markers.

#include <functional>
#include <string_view>

#include "core/dokument.h"
#include "display/farbstand.h"
#include "display/pixelbild.h"

namespace gm {

// The bar background, red 96, green 112, blue 112.
constexpr std::uint32_t SkalaHintergrund = (96u << 16) | (112u << 8) | 112u;
constexpr std::uint32_t SkalaGrau = (128u << 16) | (128u << 8) | 128u;
constexpr std::uint32_t SkalaRot = 255u << 16;

// Text is drawn by the caller, who owns the fonts: `schreiben` receives the
// left column, the top row and the label; `textHoehe` is the height of "1.00".
struct SkalaBeschriftung {
    int textHoehe = 0;
    std::function<void(int links, int oben, std::string_view text)> schreiben;
};

// Row of value v on a bar of height H: H - 8 - round((H - 16) * v).
int SkalaZeile(int hoehe, double v);
// Value a pointer on row y stands for: (H - y - 8) / (H - 16).
double SkalaWert(int hoehe, int y);

// Draws the bar into `bild` at its present size. Colours with Mischwert 0 in
// modes 0 to 2; in mode 3 column k of the bar uses Mischwert (k - 8) / 20.
void ZeichneSkala(const ColourState& farben, Dokument& dok, PixelImage& bild,
                  const SkalaBeschriftung& beschriftung);

}  // namespace gm
