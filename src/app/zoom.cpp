#include "app/zoom.h"

#include "core/zahlen.h"

namespace gm {

bool zoomErlaubt(int maxX, int maxY, double z) {
    return maxX * z < ZoomGrenze && maxY * z < ZoomGrenze;
}

std::optional<double> zoomPlusZiel(double q) {
    if (q < 0.32) return 1.0 / 3;
    if (q < 0.49) return 0.5;
    if (q < 0.99) return 1.0;
    if (q < 1.99) return 2.0;
    if (q < 2.99) return 3.0;
    if (q < 3.99) return 4.0;
    return std::nullopt;
}

std::optional<double> zoomMinusZiel(double q) {
    if (q > 3.99) return 3.0;
    if (q > 2.99) return 2.0;
    if (q > 1.99) return 1.0;
    if (q > 0.99) return 0.5;
    if (q > 0.49) return 1.0 / 3;
    if (q > 0.32) return 0.25;
    return std::nullopt;
}

double zoomEinpassen(int maxX, int maxY, double zoom) {
    for (const int maxIndex : {maxX, maxY}) {
        const double n = maxIndex + 2;
        if (n * zoom <= ZoomGrenze) continue;
        for (const double z : {3.0, 2.0, 1.0, 0.5, 1.0 / 3, 0.25}) {
            if (n * z < ZoomGrenze) {
                zoom = z;
                break;
            }
        }
    }
    return zoom;
}

int bildKante(int maxIndex, double zoom) {
    return roundToInt((maxIndex + 1) * zoom);
}

int pixelZuProbe(int pixel, double zoom) {
    return roundToInt(pixel / zoom);
}

}  // namespace gm
