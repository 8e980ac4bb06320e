#include "display/palette.h"

#include <algorithm>

#include "core/zahlen.h"

namespace gm {

void PaletteZuruecksetzen(Palette& p) {
    p = Palette{};
}

Farbe3 PaletteFarbe(const Palette& p, double v) {
    const int n = std::clamp(p.MaxIndex, 1, PalettePunkteMax - 1);
    int i = 1;
    while (i < n && p.Punkte[i].Position < v)
        ++i;
    const Palettenpunkt& a = p.Punkte[i - 1];
    const Palettenpunkt& b = p.Punkte[i];
    const double d = b.Position - a.Position;
    if (!(d > 0.0)) {
        // Only a palette that breaks the invariants gets here; avoid dividing by zero.
        return {clamp01(b.Rot), clamp01(b.Gruen), clamp01(b.Blau)};
    }
    const double bis = b.Position - v;
    const double ab = v - a.Position;
    auto mix = [&](double ca, double cb) { return clamp01(ca * bis / d + cb * ab / d); };
    return {mix(a.Rot, b.Rot), mix(a.Gruen, b.Gruen), mix(a.Blau, b.Blau)};
}

bool PaletteGueltig(const Palette& p) {
    if (p.MaxIndex < 1 || p.MaxIndex >= PalettePunkteMax) return false;
    if (p.Punkte[0].Position != 0.0 || p.Punkte[p.MaxIndex].Position != 1.0) return false;
    for (int i = 1; i <= p.MaxIndex; ++i) {
        if (!(p.Punkte[i].Position > p.Punkte[i - 1].Position)) return false;
    }
    return true;
}

void PaletteAnordnen(Palette& p) {
    const int n = p.MaxIndex;
    if (n <= 1 || n >= PalettePunkteMax) return;
    for (int k = 1; k <= n; ++k)
        p.Punkte[k].Position = double(k) / double(n);
}

void PaletteUmkehren(Palette& p) {
    const int n = p.MaxIndex;
    if (n < 1 || n >= PalettePunkteMax) return;
    std::reverse(p.Punkte.begin(), p.Punkte.begin() + n + 1);
    for (int k = 0; k <= n; ++k)
        p.Punkte[k].Position = 1.0 - p.Punkte[k].Position;
}

void PaletteKopieren(const Palette& quelle, Palette& ziel) {
    const int n = std::clamp(quelle.MaxIndex, 1, PalettePunkteMax - 1);
    std::copy(quelle.Punkte.begin(), quelle.Punkte.begin() + n + 1, ziel.Punkte.begin());
    ziel.MaxIndex = n;
}

bool PunktEinfuegen(Palette& p, int i, const Palettenpunkt& punkt) {
    const int n = p.MaxIndex;
    if (n < 1 || n >= PalettePunkteMax - 1) return false;
    if (i < 1 || i > n) return false;
    if (!(punkt.Position > p.Punkte[i - 1].Position && punkt.Position < p.Punkte[i].Position)) {
        return false;
    }
    std::copy_backward(p.Punkte.begin() + i, p.Punkte.begin() + n + 1, p.Punkte.begin() + n + 2);
    p.Punkte[i] = punkt;
    p.MaxIndex = n + 1;
    return true;
}

bool PunktLoeschen(Palette& p, int i) {
    const int n = p.MaxIndex;
    if (n >= PalettePunkteMax || i <= 0 || i >= n) return false;
    std::copy(p.Punkte.begin() + i + 1, p.Punkte.begin() + n + 1, p.Punkte.begin() + i);
    p.MaxIndex = n - 1;
    return true;
}

}  // namespace gm
