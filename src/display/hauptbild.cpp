#include "display/hauptbild.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/faeden.h"
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

namespace {

constexpr int Streifen = 16;

struct Ansicht {
    const Farbtabelle& tabelle;
    const std::vector<int>& sx;
    const std::vector<int>& sy;
};

// Draws the pixels x0..x1-1, y0..y1-1 of the view into `bild`, whose pixel
// (0, 0) is the view's (ox, oy), strip by strip: colours go column by column
// (the order of the random draws in mode 3) into a strip held row by row,
// which is then copied into the picture, so neither the grid nor the picture
// is walked across its lines.
void streifenZeichnen(const Ansicht& a, Dokument& dok, int x0, int x1, int y0, int y1,
                      PixelImage& bild, int ox = 0, int oy = 0) {
    const int hoehe = y1 - y0;
    std::vector<Pixel> streifen(std::size_t(Streifen) * std::size_t(hoehe));
    // The mask dots sit on even view rows and columns.
    const int ersteGerade = y0 + y0 % 2;
    for (int s0 = x0; s0 < x1; s0 += Streifen) {
        const int s1 = std::min(s0 + Streifen, x1);
        for (int x = s0; x < s1; ++x) {
            const int px = a.sx[std::size_t(x)];
            Pixel* ziel = streifen.data() + (x - s0);
            a.tabelle.spalte(dok, 0.5, dok.Hoehenfeld.spalte(px), a.sy.data() + y0, hoehe, ziel,
                             Streifen);
            if (x % 2 != 0) continue;
            const std::uint8_t* maske = dok.Maske.spalte(px);
            for (int y = ersteGerade; y < y1; y += 2) {
                if (maske[a.sy[std::size_t(y)]] != 0) {
                    ziel[std::size_t(y - y0) * Streifen] = Maskenblau;
                }
            }
        }
        for (int y = y0; y < y1; ++y) {
            std::copy_n(streifen.data() + std::size_t(y - y0) * Streifen, s1 - s0,
                        bild.row(y - oy) + (s0 - ox));
        }
    }
}

// The pixels [anfang, ende) whose samples lie in erste..letzte; the samples
// grow with the pixel.
std::pair<int, int> pixelFuer(const std::vector<int>& proben, int erste, int letzte) {
    const auto anfang = std::lower_bound(proben.begin(), proben.end(), erste);
    const auto ende = std::upper_bound(anfang, proben.end(), letzte);
    return {int(anfang - proben.begin()), int(ende - proben.begin())};
}

}  // namespace

void ZeichneHauptbild(const ColourState& farben, Dokument& dok, double zoom, PixelImage& bild) {
    const Bildgroesse g = HauptbildGroesse(dok.MaxX, dok.MaxY, zoom);
    bild.resize(g.breite, g.hoehe);
    const std::vector<int> sx = probenIndizes(g.breite, zoom, dok.MaxX);
    const std::vector<int> sy = probenIndizes(g.hoehe, zoom, dok.MaxY);
    const Farbtabelle tabelle(farben);
    const Ansicht ansicht{tabelle, sx, sy};
    // Without random draws the pixels do not depend on their order: large
    // views are split between two threads at a strip boundary.
    constexpr long GrosseAnsicht = 256L * 256L;
    if (tabelle.ohneZufall() && long(g.breite) * g.hoehe >= GrosseAnsicht) {
        const int grenzen[3] = {0, (g.breite / 2 + Streifen - 1) / Streifen * Streifen, g.breite};
        ZweiFaeden([&](int teil) {
            streifenZeichnen(ansicht, dok, grenzen[teil], grenzen[teil + 1], 0, g.hoehe, bild);
        });
        return;
    }
    streifenZeichnen(ansicht, dok, 0, g.breite, 0, g.hoehe, bild);
}

std::optional<Rechteck> ZeichneHauptbildBereich(const ColourState& farben, Dokument& dok,
                                                double zoom, const Rechteck& zellen,
                                                PixelImage& stueck) {
    const Farbtabelle tabelle(farben);
    if (!tabelle.ohneZufall()) return std::nullopt;
    const Bildgroesse g = HauptbildGroesse(dok.MaxX, dok.MaxY, zoom);
    const std::vector<int> sx = probenIndizes(g.breite, zoom, dok.MaxX);
    const std::vector<int> sy = probenIndizes(g.hoehe, zoom, dok.MaxY);
    const auto [x0, x1] = pixelFuer(sx, zellen.x0, zellen.x1);
    const auto [y0, y1] = pixelFuer(sy, zellen.y0, zellen.y1);
    if (zellen.leer() || x0 >= x1 || y0 >= y1) {
        stueck.resize(0, 0);
        return Rechteck{};
    }
    stueck.resize(x1 - x0, y1 - y0);
    streifenZeichnen({tabelle, sx, sy}, dok, x0, x1, y0, y1, stueck, x0, y0);
    return Rechteck{x0, y0, x1 - 1, y1 - 1};
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
