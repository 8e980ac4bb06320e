#pragma once
// The profile curve under a generator's preview: one white pixel per column.

#include <array>

#include "generators/noise.h"

namespace gm {

// Row of the white pixel in each of the 512 columns of an image `hoehe` rows
// high: the values are stretched to 0..1 (a flat profile is taken as is),
// flipped when `umdrehen` (screen rows grow downward), limited to 0..1 and
// placed at row Round((hoehe - 2) * w) + 1. The noise dialog flips when its
// field is not inverted, the midpoint dialog when it is.
std::array<int, ProfilBreite> ProfilZeilen(const std::array<double, ProfilBreite>& werte, int hoehe,
                                           bool umdrehen);

}  // namespace gm
