#pragma once
// The settings of the render colouring: palettes 1 and 2 mixed per pixel,
// height jitter, and the snow and rock overlays with soft band edges.

#include <span>

#include "core/parameter.h"

namespace gm {

// A colour of the render settings: a leading number no colouring reads, then
// red, green and blue in 0..1.
struct RenderColour {
    double Nummer = 0.0;
    double Rot = 0.0;
    double Gruen = 0.0;
    double Blau = 0.0;
};

struct RenderRec {
    bool Schnee = false;
    bool Fels = false;
    double SchneeHoehe = 0.8;
    double SchneeHoeheBreite = 0.1;
    double SchneeMisch = 0.8;
    double SchneeMischBreite = 0.1;
    double FelsHoehe = 0.3;
    double FelsHoeheBreite = 0.1;
    double FelsMisch = 0.8;
    double FelsMischBreite = 0.1;
    RenderColour SchneeFarbe1{0.0, 1.0, 1.0, 1.0};
    RenderColour SchneeFarbe2{1.0, 0.8, 0.8, 0.9};
    RenderColour FelsFarbe1{0.0, 0.7, 0.7, 0.7};
    RenderColour FelsFarbe2{1.0, 0.5, 0.7, 0.5};
    double HoehenZufall = 0.0;
    double SchneeGewicht = 0.5;
    double SchneeSchwelle = 0.0;
    double FelsGewicht = 0.5;
    double FelsSchwelle = 0.0;
    double GelaendeGewicht = 0.5;
    double GelaendeSchwelle = 0.0;
};

// Every field of RenderRec, the colours as "SchneeFarbe1.Rot" and so on.
std::span<const Parameter> RenderParameter();

}  // namespace gm
