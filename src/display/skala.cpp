#include "display/skala.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/zahlen.h"
#include "display/farbe.h"

namespace gm {

namespace {

constexpr int BalkenLinks = 8;
constexpr int BalkenRechts = 28;
constexpr int MarkenBereich = 36;

void setzen(PixelImage& bild, int x, int y, std::uint32_t farbe) {
    if (bild.contains(x, y)) bild.row(y)[x] = farbe;
}

// Fills columns x1..x2 and rows y1..y2, both inclusive, clipped to the picture.
void rechteck(PixelImage& bild, int x1, int y1, int x2, int y2, std::uint32_t farbe) {
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x)
            setzen(bild, x, y, farbe);
    }
}

// A filled circle in the box [links, links + 8) x [oben, oben + 8).
void kreis(PixelImage& bild, int links, int oben, std::uint32_t farbe) {
    for (int y = oben; y < oben + 8; ++y) {
        for (int x = links; x < links + 8; ++x) {
            const double dx = x + 0.5 - (links + 4);
            const double dy = y + 0.5 - (oben + 4);
            if (dx * dx + dy * dy <= 16.0) setzen(bild, x, y, farbe);
        }
    }
}

// One row of the colour bar with value v.
void balkenZeile(const ColourState& farben, Dokument& dok, PixelImage& bild, int y, double v) {
    if (farben.Farbmodus == FarbmodusRender) {
        for (int k = BalkenLinks; k <= BalkenRechts; ++k) {
            setzen(bild, k, y, HoeheZuFarbe(farben, dok, (k - BalkenLinks) / 20.0, v));
        }
        return;
    }
    const Pixel c = HoeheZuFarbe(farben, dok, 0.0, v);
    for (int k = BalkenLinks; k <= BalkenRechts; ++k)
        setzen(bild, k, y, c);
}

void balken(const ColourState& farben, Dokument& dok, PixelImage& bild) {
    const int h = bild.height;
    for (int y = 4; y <= 6; ++y)
        balkenZeile(farben, dok, bild, y, 1.0);
    for (int y = h - 6; y <= h - 4; ++y)
        balkenZeile(farben, dok, bild, y, 0.0);
    for (int k = 8; k <= h - 8; ++k)
        balkenZeile(farben, dok, bild, h - k, (k - 8.0) / (h - 16));
}

void punkte(const ColourState& farben, PixelImage& bild, int nummer) {
    const Palette& p = farben.palette(nummer);
    const SkalaZustand& s = farben.Skala;
    const int links = nummer == 1 ? 4 : 24;
    for (int i = 0; i <= p.MaxIndex && i < PalettePunkteMax; ++i) {
        const bool rot =
            s.punktZiehen && s.aktivePalette == nummer && s.gewaehlt[std::size_t(nummer - 1)] == i;
        const int r = SkalaZeile(bild.height, p.Punkte[std::size_t(i)].Position);
        kreis(bild, links, r - 4, rot ? SkalaRot : SkalaGrau);
    }
}

void marke(PixelImage& bild, const Marke& m, int x1, int x2, const SkalaBeschriftung& text) {
    const int h = bild.height;
    const int y = h - 8 - int(std::trunc((h - 16) * m.Wert));
    const int d = int(std::trunc((h - 16) * m.Streuung));
    rechteck(bild, x1, y + d - 2, x2, y + d + 2, SkalaGrau);
    rechteck(bild, x1, y - d - 2, x2, y - d + 2, SkalaGrau);
    rechteck(bild, x1, y - d, x2, y + d, SkalaGrau);
    if (!text.schreiben) return;
    const int versatz = text.textHoehe / 2 + 2;
    text.schreiben(46, y - versatz, formatFixed(m.Wert, 3));
    if (m.Streuung > 0.0) {
        text.schreiben(46, y - d - versatz, formatFixed(m.Wert + m.Streuung, 3));
        text.schreiben(46, y + d - versatz, formatFixed(m.Wert - m.Streuung, 3));
    }
}

}  // namespace

int SkalaZeile(int hoehe, double v) {
    return hoehe - 8 - roundToInt((hoehe - 16) * v);
}

double SkalaWert(int hoehe, int y) {
    return double(hoehe - y - 8) / double(hoehe - 16);
}

void ZeichneSkala(const ColourState& farben, Dokument& dok, PixelImage& bild,
                  const SkalaBeschriftung& beschriftung) {
    std::fill(bild.pixels.begin(), bild.pixels.end(), SkalaHintergrund);
    const int w = bild.width;
    const int h = bild.height;
    if (h <= 16) return;  // no room for a single value
    balken(farben, dok, bild);
    if (farben.Farbmodus == FarbmodusPalette1 || farben.Farbmodus == FarbmodusRender) {
        punkte(farben, bild, 1);
    }
    if (farben.Farbmodus == FarbmodusPalette2 || farben.Farbmodus == FarbmodusRender) {
        punkte(farben, bild, 2);
    }
    rechteck(bild, MarkenBereich, 0, w - 1, h - 1, SkalaHintergrund);
    marke(bild, dok.MarkeUnten, 38, 43, beschriftung);
    marke(bild, dok.MarkeOben, w - 7, w - 2, beschriftung);
}

}  // namespace gm
