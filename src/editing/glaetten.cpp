#include <algorithm>

#include "core/puffer.h"
#include "core/zahlen.h"
#include "editing/werkzeug.h"

namespace gm {

namespace {

using Kernel = double[3][3];  // [row dy + 1][column dx + 1]

constexpr Kernel kWeich = {{0.05, 0.15, 0.05}, {0.15, 0.2, 0.15}, {0.05, 0.15, 0.05}};
constexpr Kernel kHart = {{0.0, -1.0, 0.0}, {-1.0, 5.0, -1.0}, {0.0, -1.0, 0.0}};

double gefaltet(const Dokument& dok, const Kernel& k, int x, int y) {
    double summe = 0.0;
    for (int dy = -1; dy <= 1; ++dy) {
        const int ny = std::clamp(y + dy, 0, dok.MaxY);
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = std::clamp(x + dx, 0, dok.MaxX);
            summe += k[dy + 1][dx + 1] * dok.Hoehenfeld(nx, ny);
        }
    }
    return clamp01(summe);
}

}  // namespace

void Glaetten(Dokument& dok, Kern kern, const Rechteck& r) {
    UndoSichern(dok);
    const Kernel& k = kern == Kern::Weich ? kWeich : kHart;
    // Zweitbild first, from Hoehenfeld only, so the order of the cells does not matter.
    for (int x = r.x0; x <= r.x1; ++x) {
        for (int y = r.y0; y <= r.y1; ++y) {
            double& z = dok.Zweitbild(x, y);
            if (z != KeinWert && dok.Maske(x, y) == 0) z = gefaltet(dok, k, x, y);
        }
    }
    for (int x = r.x0; x <= r.x1; ++x) {
        for (int y = r.y0; y <= r.y1; ++y) {
            if (dok.Zweitbild(x, y) != KeinWert && dok.Maske(x, y) == 0) {
                dok.Hoehenfeld(x, y) = dok.Zweitbild(x, y);
            }
        }
    }
}

}  // namespace gm
