#pragma once
// A faster HoeheZuFarbe for drawing many pixels with one colour state: grey and
// palette modes find the palette segment by bisection and round without
// library calls; the render mode calls HoeheZuFarbe itself. Every pixel equals
// the one HoeheZuFarbe gives.

#include <array>

#include "core/dokument.h"
#include "display/farbe.h"

namespace gm {

class Farbtabelle {
  public:
    explicit Farbtabelle(const ColourState& farben);

    Pixel farbe(Dokument& dok, double m, double h) const {
        if (modus_ == FarbmodusGrau) return grau(h);
        if (palette_ != nullptr) return paletteFarbe(h);
        return HoeheZuFarbe(*farben_, dok, m, h);
    }

  private:
    static int byteAus(double c) {
        if (!(c > 0.0)) return 0;
        if (c >= 1.0) return 255;
        const double v = c * 255.0;
        int r = int(v);
        const double rest = v - r;
        if (rest > 0.5 || (rest == 0.5 && (r & 1) != 0)) ++r;
        return r;
    }
    static Pixel grau(double h) {
        const double g = h < 0.0 ? 0.0 : (h > 1.0 ? 1.0 : h);
        const int b = byteAus(g);
        return PixelAusBytes(b, b, b);
    }
    Pixel paletteFarbe(double v) const;

    const ColourState* farben_;
    int modus_;
    const Palette* palette_ = nullptr;  // set when the bisection may be used
    int n_ = 1;
    std::array<double, PalettePunkteMax> positionen_{};
};

}  // namespace gm
