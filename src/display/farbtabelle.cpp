#include "display/farbtabelle.h"

#include <algorithm>
#include <cmath>

namespace gm {

namespace {
// Segments narrower than this would lose too many digits in the slope form.
constexpr double KleinsteBreite = 1e-5;
// Distance from a rounding half below which the exact formula decides.
constexpr double Halbgrenze = 1e-6;

bool farbeNormal(const Palettenpunkt& p) {
    return p.Rot >= 0.0 && p.Rot <= 1.0 && p.Gruen >= 0.0 && p.Gruen <= 1.0 && p.Blau >= 0.0 &&
           p.Blau <= 1.0;
}
}  // namespace

Farbtabelle::Farbtabelle(const ColourState& farben) : farben_(&farben), modus_(farben.Farbmodus) {
    if (modus_ < FarbmodusGrau || modus_ > FarbmodusRender) modus_ = FarbmodusGrau;
    if (modus_ != FarbmodusPalette1 && modus_ != FarbmodusPalette2) return;
    const Palette& p = farben.palette(modus_);
    palette_ = &p;
    n_ = std::clamp(p.MaxIndex, 1, PalettePunkteMax - 1);
    schnell_ = true;
    for (int i = 0; i <= n_; ++i) {
        const Palettenpunkt& q = p.Punkte[std::size_t(i)];
        positionen_[std::size_t(i)] = q.Position;
        if (!std::isfinite(q.Position) || !farbeNormal(q)) schnell_ = false;
    }
    if (!std::is_sorted(positionen_.begin(), positionen_.begin() + n_ + 1)) schnell_ = false;
    if (!schnell_) return;
    for (int i = 1; i <= n_; ++i) {
        const Palettenpunkt& a = p.Punkte[std::size_t(i - 1)];
        const Palettenpunkt& b = p.Punkte[std::size_t(i)];
        const double d = b.Position - a.Position;
        Segment& s = segmente_[std::size_t(i)];
        s.anfang = a.Position;
        s.basis = {a.Rot, a.Gruen, a.Blau};
        s.schnell = d >= KleinsteBreite;
        if (s.schnell)
            s.steigung = {(b.Rot - a.Rot) / d, (b.Gruen - a.Gruen) / d, (b.Blau - a.Blau) / d};
    }
    // start_[e]: the first point at or above e / Eimer, where the search for
    // any v in [e / Eimer, (e + 1) / Eimer) may begin.
    int i = 1;
    for (int e = 0; e <= Eimer; ++e) {
        const double untergrenze = double(e) / Eimer;
        while (i < n_ && positionen_[std::size_t(i)] < untergrenze)
            ++i;
        start_[std::size_t(e)] = std::uint16_t(i);
    }
}

void Farbtabelle::spalte(Dokument& dok, double m, const double* werte, const int* index, int anzahl,
                         Pixel* ziel, std::size_t schritt) const {
    if (modus_ == FarbmodusGrau) {
        for (int y = 0; y < anzahl; ++y)
            ziel[std::size_t(y) * schritt] = grau(werte[index[y]]);
    } else if (palette_ != nullptr) {
        for (int y = 0; y < anzahl; ++y) {
            ziel[std::size_t(y) * schritt] = paletteFarbe(werte[index[y]]);
        }
    } else {
        for (int y = 0; y < anzahl; ++y) {
            ziel[std::size_t(y) * schritt] = HoeheZuFarbe(*farben_, dok, m, werte[index[y]]);
        }
    }
}

Pixel Farbtabelle::paletteFarbe(double v) const {
    if (!schnell_ || !(v >= 0.0 && v <= 1.0)) return genau(v);
    int i = start_[std::size_t(int(v * Eimer))];
    while (i < n_ && positionen_[std::size_t(i)] < v)
        ++i;
    const Segment& s = segmente_[std::size_t(i)];
    if (!s.schnell || v < s.anfang || v > positionen_[std::size_t(i)]) return genau(v);
    const double t = v - s.anfang;
    int bytes[3];
    for (int k = 0; k < 3; ++k) {
        const double y = (s.basis[std::size_t(k)] + t * s.steigung[std::size_t(k)]) * 255.0;
        // y > -1 here, so truncation is the floor except on (-1, 0), where
        // the negative rest rounds to 0 as the clamped exact form does.
        const int unten = int(y);
        const double rest = y - unten;
        if (std::fabs(rest - 0.5) < Halbgrenze) return genau(v);
        const int b = unten + int(rest > 0.5);
        bytes[k] = std::clamp(b, 0, 255);
    }
    return PixelAusBytes(bytes[0], bytes[1], bytes[2]);
}

}  // namespace gm
