#include "display/hauptbild.h"

#include <algorithm>
#include <vector>

#include "core/zahlen.h"
#include "display/farbe.h"
#include "display/farbtabelle.h"

namespace gm {

namespace {
constexpr Pixel Maskenblau = PixelAusBytes(0, 0, 255);

std::vector<int> probenIndizes(int pixel, double zoom, int maxIndex) {
    std::vector<int> index(std::size_t(std::max(pixel, 0)));
    for (int i = 0; i < pixel; ++i)
        index[std::size_t(i)] = HauptbildProbe(i, zoom, maxIndex);
    return index;
}
}  // namespace

Bildgroesse HauptbildGroesse(int maxX, int maxY, double zoom) {
    return {roundToInt((maxX + 1) * zoom), roundToInt((maxY + 1) * zoom)};
}

int HauptbildProbe(int pixel, double zoom, int maxIndex) {
    return std::clamp(roundToInt(pixel / zoom), 0, maxIndex);
}

void ZeichneHauptbild(const ColourState& farben, Dokument& dok, double zoom, PixelImage& bild) {
    const Bildgroesse g = HauptbildGroesse(dok.MaxX, dok.MaxY, zoom);
    bild.resize(g.breite, g.hoehe);
    const std::vector<int> sx = probenIndizes(g.breite, zoom, dok.MaxX);
    const std::vector<int> sy = probenIndizes(g.hoehe, zoom, dok.MaxY);
    const Farbtabelle tabelle(farben);
    for (int x = 0; x < g.breite; ++x) {
        const double* spalte = dok.Hoehenfeld.spalte(sx[std::size_t(x)]);
        const std::uint8_t* maske = dok.Maske.spalte(sx[std::size_t(x)]);
        std::uint32_t* ziel = bild.pixels.data() + x;
        const bool geradeSpalte = (x % 2) == 0;
        for (int y = 0; y < g.hoehe; ++y) {
            const int p = sy[std::size_t(y)];
            Pixel c = tabelle.farbe(dok, 0.5, spalte[p]);
            if (geradeSpalte && (y % 2) == 0 && maske[p] != 0) c = Maskenblau;
            ziel[std::size_t(y) * std::size_t(bild.stride)] = c;
        }
    }
}

void ZeichneVorschau(const ColourState& farben, Dokument& dok, const Vorschaufeld& vorschau,
                     bool invertieren, double maximum, double minimum, PixelImage& bild) {
    bild.resize(VorschauKante, VorschauKante);
    double s = 1.0;
    if (maximum == minimum) {
        minimum = 0.0;
    } else {
        s = 1.0 / (maximum - minimum);
    }
    for (int x = 0; x < VorschauKante; ++x) {
        for (int y = 0; y < VorschauKante; ++y) {
            double v = (vorschau.werte[x][y] - minimum) * s;
            if (invertieren) v = 1.0 - v;
            bild.row(y)[x] = HoeheZuFarbe(farben, dok, 0.5, clamp01(v));
        }
    }
}

bool ZoomErlaubt(int maxX, int maxY, double zoom) {
    return maxX * zoom < ZoomGrenze && maxY * zoom < ZoomGrenze;
}

std::optional<double> ZoomGroesser(double q) {
    if (q < 0.32) return 1.0 / 3.0;
    if (q < 0.49) return 0.5;
    if (q < 0.99) return 1.0;
    if (q < 1.99) return 2.0;
    if (q < 2.99) return 3.0;
    if (q < 3.99) return 4.0;
    return std::nullopt;
}

std::optional<double> ZoomKleiner(double q) {
    if (q > 3.99) return 3.0;
    if (q > 2.99) return 2.0;
    if (q > 1.99) return 1.0;
    if (q > 0.99) return 0.5;
    if (q > 0.49) return 1.0 / 3.0;
    if (q > 0.32) return 0.25;
    return std::nullopt;
}

double ZoomEinpassen(int maxX, int maxY, double zoom) {
    const int n = std::max(maxX, maxY) + 2;
    if (n * zoom <= ZoomGrenze) return zoom;
    for (double z : {3.0, 2.0, 1.0, 0.5, 1.0 / 3.0, 0.25}) {
        if (z <= zoom && n * z < ZoomGrenze) return z;
    }
    return 0.25;
}

}  // namespace gm
