#pragma once
// Choice of the mesh points: every sample that its neighbours do not predict
// within a random tolerance, the four corners, and a random share of the rest.

#include <functional>
#include <vector>

#include "core/dokument.h"
#include "formats/netz_einstellungen.h"
#include "formats/netz_stichproben.h"
#include "formats/netz_typen.h"

namespace gm {

// The mesh point of sample (i, j): centred position in the units of Laenge,
// Breite and Hoehe, and the surface normal there. The regular and the
// irregular mesh share it, so both have the same size and shading.
Netzpunkt NetzpunktAn(const Stichproben& s, int i, int j, const NetzRec& rec, const NetzMasse& m);

// Called with the sample indices of every kept sample, in selection order.
using NetzMarkierung = std::function<void(int i, int j)>;

struct NetzAuswahl {
    std::vector<Netzpunkt> punkte;    // in selection order: i outer, j inner
    std::vector<GitterPunkt> gitter;  // the sample indices of each point
};

// Runs the point selection (or the fallback selection when the spread is not
// usable) on a sample grid with mirrored border. Draws from dok's generator;
// the caller seeds it.
NetzAuswahl PunkteAuswaehlen(Dokument& dok, const Stichproben& s, const NetzRec& rec,
                             const Abweichung& a, const NetzMarkierung& markierung = {});

// The information labels of the settings dialog.
struct NetzZaehlung {
    long fest = 0;     // "Punkte Fest:": corners and unpredictable samples
    long zufall = 0;   // "Punkte Zufall:": every kept sample
    long maximal = 0;  // "Punkte Maximal:"
    Abweichung abweichung;
};

// Builds the sample grid and counts what a selection would keep, drawing
// from dok's generator (seeded by the caller).
NetzZaehlung PunkteZaehlen(Dokument& dok, const NetzRec& rec);

// Position on the main view of the red mark of sample (i, j).
struct Pixel {
    int x, y;
};
Pixel markierPixel(int i, int j, const Dokument& dok, const NetzRec& rec, double zoom);

}  // namespace gm
