#pragma once
// Zoom steps, the 1541-pixel limit and the mapping between view pixels and
// samples. Qt-free.

#include <optional>

namespace gm {

constexpr double ZoomGrenze = 1541.0;

// ZoomSetzen's condition: MaxX * z and MaxY * z both below the limit.
bool zoomErlaubt(int maxX, int maxY, double z);
// The next larger / smaller step from q, or nothing beyond 4 and 1/4.
std::optional<double> zoomPlusZiel(double q);
std::optional<double> zoomMinusZiel(double q);
// Fitting after a size change: lowers the zoom to the first of 3, 2, 1, 1/2
// that keeps (largest index + 2) * zoom below the limit on both axes.
double zoomEinpassen(int maxX, int maxY, double zoom);
// The view image's extent along one axis: samples * zoom, rounded.
int bildKante(int maxIndex, double zoom);
// The sample a view pixel shows: pixel / zoom, rounded half to even.
int pixelZuProbe(int pixel, double zoom);

}  // namespace gm
