#pragma once
// The profile view: side elevations of the field from one of four
// directions, as a single section and as a stack of parallel sections, and
// the top view with the section marker.

#include "core/dokument.h"
#include "display/farbstand.h"
#include "display/pixelbild.h"

namespace gm {

// Blickrichtung: 1 front, 2 back, 3 right, 4 left. Front and back take
// sections at a fixed second index running along the first; right and left
// the other way. Back and right are drawn mirrored.
constexpr int RichtungVorne = 1;
constexpr int RichtungHinten = 2;
constexpr int RichtungRechts = 3;
constexpr int RichtungLinks = 4;

// The largest index across the sections (the section slider's range) and along them.
int ProfilQuerMax(const Dokument& dok, int richtung);
int ProfilLaengsMax(const Dokument& dok, int richtung);

// The sections the stack shows, from index 0 upward: every s-th index with
// s = max(1, round(log2 M) - 5), M = ProfilQuerMax, the last limited to M.
std::vector<int> ProfilSchnitte(int querMax);

// BildProfil1: black, nine grid lines in (96, 112, 112), and per column the
// height of section `schnitt` as a white run of round(H * v) pixels from the
// bottom. Column x of W shows the sample round(L * x / (W - 1)) along the
// section, L = ProfilLaengsMax, counted from the right in the mirrored
// directions, so both ends of the section show. `schnitt` is kept within the field.
void ZeichneEinzelprofil(const Dokument& dok, int richtung, int schnitt, PixelImage& bild);

// BildProfil: the gradient above a black strip of nine rows, and the sections
// of ProfilSchnitte from the far one to the near one in green, brighter when
// nearer, each a run of round((H - 10) * v) pixels above row H - 10.
void ZeichneProfilStapel(const Dokument& dok, int richtung, PixelImage& bild);

// BildDraufsicht: the 256 x 256 dialog preview of the field.
void ZeichneDraufsicht(const ColourState& farben, Dokument& dok, PixelImage& bild);

// A copy of the top view with the red marker of section `schnitt`: a row for
// front and back, a column for right and left, at schnitt / M of the side.
void ZeichneSchnittMarke(const PixelImage& draufsicht, const Dokument& dok, int richtung,
                         int schnitt, PixelImage& bild);

}  // namespace gm
