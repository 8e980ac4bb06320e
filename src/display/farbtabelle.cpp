#include "display/farbtabelle.h"

#include <algorithm>

namespace gm {

Farbtabelle::Farbtabelle(const ColourState& farben) : farben_(&farben), modus_(farben.Farbmodus) {
    if (modus_ < FarbmodusGrau || modus_ > FarbmodusRender) modus_ = FarbmodusGrau;
    if (modus_ != FarbmodusPalette1 && modus_ != FarbmodusPalette2) return;
    const Palette& p = farben.palette(modus_);
    n_ = std::clamp(p.MaxIndex, 1, PalettePunkteMax - 1);
    for (int i = 0; i <= n_; ++i)
        positionen_[std::size_t(i)] = p.Punkte[std::size_t(i)].Position;
    // Bisection finds the same segment as the linear search only on sorted positions.
    if (std::is_sorted(positionen_.begin(), positionen_.begin() + n_ + 1)) palette_ = &p;
}

Pixel Farbtabelle::paletteFarbe(double v) const {
    const double* anfang = positionen_.data() + 1;
    const int i = int(std::lower_bound(anfang, positionen_.data() + n_, v) - positionen_.data());
    const Palettenpunkt& a = palette_->Punkte[std::size_t(i - 1)];
    const Palettenpunkt& b = palette_->Punkte[std::size_t(i)];
    const double d = b.Position - a.Position;
    if (!(d > 0.0)) return PixelAusBytes(byteAus(b.Rot), byteAus(b.Gruen), byteAus(b.Blau));
    const double bis = b.Position - v;
    const double ab = v - a.Position;
    auto mix = [&](double ca, double cb) { return byteAus(ca * bis / d + cb * ab / d); };
    return PixelAusBytes(mix(a.Rot, b.Rot), mix(a.Gruen, b.Gruen), mix(a.Blau, b.Blau));
}

}  // namespace gm
