#pragma once
// A faster HoeheZuFarbe for drawing many pixels with one colour state. Every
// pixel equals the one HoeheZuFarbe gives:
// - grey rounds without library calls;
// - palette modes start the segment search from a table of 1024 buckets and
//   interpolate with a precomputed slope; where the result lies within 1e-6 of
//   a rounding half (or the input is unusual) the exact formula decides, and
//   the slope form differs from it by less than 1e-8 of a colour step;
// - the render mode calls HoeheZuFarbe itself.

#include <array>
#include <cstdint>

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

    // Colours werte[index[y]] for y = 0..anzahl-1 into ziel[y * schritt], in
    // that order (the order of the random draws in mode 3).
    void spalte(Dokument& dok, double m, const double* werte, const int* index, int anzahl,
                Pixel* ziel, std::size_t schritt) const;

    // True when the colours draw no random numbers, so pixels may be coloured
    // in any order or on several threads.
    bool ohneZufall() const { return modus_ != FarbmodusRender; }

  private:
    static constexpr int Eimer = 1024;

    struct Segment {
        double anfang;                // position of the lower point
        std::array<double, 3> basis;  // its colour
        std::array<double, 3> steigung;
        bool schnell;
    };

    // Round half to even of the clamped component times 255, without branches
    // that random heights would mispredict.
    static int byteAus(double c) {
        double k = c > 0.0 ? c : 0.0;  // NaN gives 0
        k = k < 1.0 ? k : 1.0;
        const double v = k * 255.0;
        const int r = int(v);
        const double rest = v - r;
        return r + int(rest > 0.5) + (int(rest == 0.5) & r);
    }
    static Pixel grau(double h) {
        const int b = byteAus(h);
        return PixelAusBytes(b, b, b);
    }
    Pixel paletteFarbe(double v) const;
    Pixel genau(double v) const { return FarbePacken(PaletteFarbe(*palette_, v)); }

    const ColourState* farben_;
    int modus_;
    const Palette* palette_ = nullptr;  // set in palette modes
    bool schnell_ = false;              // positions sorted and colours in 0..1
    int n_ = 1;
    std::array<double, PalettePunkteMax> positionen_{};
    std::array<Segment, PalettePunkteMax> segmente_{};
    std::array<std::uint16_t, Eimer + 1> start_{};
};

}  // namespace gm
