#pragma once
// Shared procedures on the grids of the document: copy, clear, normalise,
// resample. All work on the active area 0..MaxX x 0..MaxY, x outer, unless
// they say otherwise.

#include "core/dokument.h"

namespace gm {

// Zeroes the whole arrays of Hoehenfeld, Zweitbild, UndoBild and Maske.
void AlleFelderLoeschen(Dokument& dok);
void MaskeLoeschen(Dokument& dok);
void UndoSichern(Dokument& dok);
void UndoZurueck(Dokument& dok);
void ZweitbildKopieren(Dokument& dok);
void ZweitbildLeeren(Dokument& dok);
// Allocates Strichbild when needed and fills its active area with KeinWert.
void StrichbildLeeren(Dokument& dok);
void ZweitbildNullen(Dokument& dok);

// Stretches Hoehenfeld to 0..1 and returns the new mean; a flat field becomes 0.
double Normalisieren(Dokument& dok);
// Stretches Zweitbild to 0..ziel, clamped to 0..1; KeinWert cells take part.
void ZweitbildNormalisieren(Dokument& dok, double ziel);
// ZweitbildNormalisieren(1), then copies every free cell into Hoehenfeld.
void ZweitbildUebernehmen(Dokument& dok);
// Copies every valued cell of Zweitbild into Hoehenfeld, clamped; ignores the mask.
void ZweitbildEinsetzen(Dokument& dok);

struct Spanne {
    double minimum;
    double skala;
};
// Minimum and stretch factor of the valued cells of Zweitbild.
Spanne ZweitbildSpanne(const Dokument& dok);

// Maps the current range of Hoehenfeld linearly onto a..b outside the mask.
void BereichSkalieren(Dokument& dok, double a, double b);

// Resamples Hoehenfeld from the old size to the current MaxX/MaxY by bilinear
// blending (extrapolating past the last old sample), then takes the undo copy.
void Umrechnen(Dokument& dok, int altMaxX, int altMaxY);

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
