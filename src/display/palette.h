#pragma once
// The two user-editable colour gradients and the operations that keep their
// invariants: point 0 at position 0, point MaxIndex at position 1, positions
// strictly rising with the index.

#include <array>

namespace gm {

struct Palettenpunkt {
    double Position = 0.0;
    double Rot = 0.0;
    double Gruen = 0.0;
    double Blau = 0.0;
};

constexpr int PalettePunkteMax = 256;

struct Palette {
    std::array<Palettenpunkt, PalettePunkteMax> Punkte{Palettenpunkt{0.0, 0.0, 0.0, 0.0},
                                                       Palettenpunkt{1.0, 1.0, 1.0, 1.0}};
    int MaxIndex = 1;  // 1..255
};

// Red, green and blue in 0..1.
struct Farbe3 {
    double rot = 0.0;
    double gruen = 0.0;
    double blau = 0.0;
};

// Black at 0, white at 1.
void PaletteZuruecksetzen(Palette& p);

// The palette's colour at v: linear between the enclosing points, extrapolated
// along the first or last segment outside 0..1, each component clamped to 0..1.
Farbe3 PaletteFarbe(const Palette& p, double v);

// True when MaxIndex lies in 1..255 and the positions run from 0 to 1, strictly rising.
bool PaletteGueltig(const Palette& p);

// "&Anordnen" for one palette: with MaxIndex n > 1, point k moves to k / n.
void PaletteAnordnen(Palette& p);
// "&Palette umkehren" for one palette: point k becomes old point n - k at 1 - position.
void PaletteUmkehren(Palette& p);
// Copies the source's MaxIndex + 1 points and its MaxIndex.
void PaletteKopieren(const Palette& quelle, Palette& ziel);

// Inserts `punkt` at index i (1..MaxIndex), moving later points up. Refuses a
// full palette and a position that does not lie strictly between the neighbours.
bool PunktEinfuegen(Palette& p, int i, const Palettenpunkt& punkt);
// Deletes point i; the first and the last point cannot be deleted.
bool PunktLoeschen(Palette& p, int i);

}  // namespace gm
