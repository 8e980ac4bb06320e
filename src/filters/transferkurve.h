#pragma once
// Sampling of a transfer curve for the curve images of the tone filter dialogs.

#include <functional>
#include <vector>

namespace gm {

// One value per pixel column of an image `breite` wide: the left half shows
// f(x) for x rising from 1/(breite/2) to 1, the right half mirrors it, so the
// image is symmetric about its centre. Pixel geometry is the caller's.
std::vector<double> TransferKurve(int breite, const std::function<double(double)>& f);

}  // namespace gm
