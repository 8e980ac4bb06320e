#pragma once
// Shared procedures on the grids of the document: copy, clear, normalise,
// resample. All work on the active area 0..MaxX x 0..MaxY, x outer, unless
// they say otherwise.

#include <vector>

#include "core/dokument.h"
#include "core/rechteck.h"

namespace gm {

// Zeroes the whole arrays of Hoehenfeld, Zweitbild, UndoBild and Maske.
void AlleFelderLoeschen(Dokument& dok);
void MaskeLoeschen(Dokument& dok);
// UndoBild := Hoehenfeld over the active area, remembering the extents.
void UndoSichern(Dokument& dok);
// Brings back the extents of the undo copy, then Hoehenfeld := UndoBild.
void UndoZurueck(Dokument& dok);
void ZweitbildKopieren(Dokument& dok);
void ZweitbildLeeren(Dokument& dok);
// Fills the cells of `r` with KeinWert.
void ZweitbildLeeren(Dokument& dok, const Rechteck& r);
// Allocates Strichbild when needed and fills its active area with KeinWert.
void StrichbildLeeren(Dokument& dok);
void ZweitbildNullen(Dokument& dok);

// Every active cell of Zweitbild := 1 - value, clamped to 0..1.
void ZweitbildUmkehren(Dokument& dok);

// Stretches Hoehenfeld to 0..1 and returns the new mean; a flat field becomes 0.
double Normalisieren(Dokument& dok);
// Stretches Zweitbild to 0..ziel, clamped to 0..1; KeinWert cells take part.
void ZweitbildNormalisieren(Dokument& dok, double ziel);
// ZweitbildNormalisieren(1), then copies every free cell into Hoehenfeld.
void ZweitbildUebernehmen(Dokument& dok);

// Smallest and largest of n values, each skipping a NaN; -0 and +0 count as
// equal here (the take-over settles the sign of a zero extreme).
struct Bereich {
    double minimum, maximum;
};
Bereich SpaltenBereich(const double* spalte, int n);
// ZweitbildUebernehmen with the ranges of Zweitbild's active columns already
// measured, spalten[x] = SpaltenBereich(Zweitbild.spalte(x), MaxY + 1): a
// filter that writes Zweitbild column by column measures each column while
// it is still in the cache, which saves the stretch one pass over the grid.
void ZweitbildUebernehmen(Dokument& dok, const std::vector<Bereich>& spalten);
// Copies every valued cell of Zweitbild into Hoehenfeld, clamped; ignores the mask.
void ZweitbildEinsetzen(Dokument& dok);

struct Spanne {
    double minimum;
    double skala;
};
// Minimum and stretch factor of the valued cells of Zweitbild; minimum 0 and
// factor 1 when they hold fewer than two distinct values.
Spanne ZweitbildSpanne(const Dokument& dok);
// The same over the cells of `r` only.
Spanne ZweitbildSpanne(const Dokument& dok, const Rechteck& r);

// Maps the current range of Hoehenfeld linearly onto a..b outside the mask.
void BereichSkalieren(Dokument& dok, double a, double b);

// Lower lattice index of a resampling coordinate, kept one below the last old
// index so that index + 1 is always valid; beyond it the weights extrapolate.
inline int untererIndex(double f, int altMax) {
    const int i = int(f);
    return i >= altMax ? altMax - 1 : i;
}

// Samples the grid `quelle` of (altMaxX + 1) x (altMaxY + 1) points at nx x ny
// points by bilinear blending, point (x, y) at old position (x * rx, y * ry);
// positions past the last old sample extrapolate from the last two, and
// whole-number positions reproduce a sample exactly. Calls ziel(x, y, value)
// with x outer.
template <class Ziel>
void bilinearAbtasten(const TFeld& quelle, int altMaxX, int altMaxY, int nx, int ny, double rx,
                      double ry, Ziel&& ziel) {
    for (int x = 0; x < nx; ++x) {
        const double fx = x * rx;
        const int ix = untererIndex(fx, altMaxX);
        const double wx1 = fx - ix, wx0 = (ix + 1) - fx;
        const double* s0 = quelle.spalte(ix);
        const double* s1 = quelle.spalte(ix + 1);
        for (int y = 0; y < ny; ++y) {
            const double fy = y * ry;
            const int iy = untererIndex(fy, altMaxY);
            const double wy1 = fy - iy, wy0 = (iy + 1) - fy;
            ziel(x, y,
                 (s0[iy] * wx0 + s1[iy] * wx1) * wy0 + (s0[iy + 1] * wx0 + s1[iy + 1] * wx1) * wy1);
        }
    }
}

// The rule of a size change: steps of old count / new count.
template <class Ziel>
void bilinearAbtasten(const TFeld& quelle, int altMaxX, int altMaxY, int nx, int ny, Ziel&& ziel) {
    bilinearAbtasten(quelle, altMaxX, altMaxY, nx, ny, double(altMaxX + 1) / double(nx),
                     double(altMaxY + 1) / double(ny), ziel);
}

// Resamples Hoehenfeld from the old size to the current MaxX/MaxY by bilinear
// blending (extrapolating past the last old sample). Takes no undo copy: the
// caller takes it before the size changes, so that undo restores the old size.
void Umrechnen(Dokument& dok, int altMaxX, int altMaxY);

// "Bildgröße": undo copy of the field at its old size, new size, Umrechnen,
// and the clipboard released as on every size change. The caller checks the
// size rules.
void GroesseUmrechnen(Dokument& dok, int maxX, int maxY);

// Core side of a size change: sets the size and, when `zuruecksetzen`, clears
// every grid. The caller checks the size rules.
void NeueGroesse(Dokument& dok, int maxX, int maxY, bool zuruecksetzen);

bool punkteGueltig(int punkteX, int punkteY);
// Clamps a number of samples per axis to 5..2049.
int punkteBegrenzen(double punkte);

// The 256 x 256 point-sampled reduction of Hoehenfeld a dialog shows.
constexpr int VorschauKante = 256;
struct Vorschaufeld {
    double werte[VorschauKante][VorschauKante] = {};  // [x][y]
};
void VorschauAusHoehenfeld(const Dokument& dok, Vorschaufeld& vorschau);

}  // namespace gm
