#pragma once
// Pictures the generator and filter dialogs draw besides the frame's preview:
// the coloured preview with its own range, the profile curve, the transfer
// curve and the histogram.

#include <QImage>
#include <array>
#include <vector>

#include "core/puffer.h"
#include "filters/hell_kontr.h"
#include "generators/noise.h"

namespace gm {

struct Sitzung;

// ZeichneVorschau with the preview's own range and inversion, as a Qt image.
void VorschauMitSpanneMalen(Sitzung& s, const Vorschaufeld& feld, bool invertieren,
                            VorschauSpanne spanne, QImage& bild);

// Black image 512 wide with one white pixel per column at the given rows.
QImage ProfilMalen(const std::array<int, ProfilBreite>& zeilen, int hoehe);

// Transfer curve: one column per value (0..1 upwards), on grey, above a thick
// base line ten pixels over the bottom edge.
QImage KurveMalen(const std::vector<double>& werte, int hoehe);

// Histogram bars over the axis min(0, helligkeit)..max(1, helligkeit +
// kontrast), the largest at 0.8 of the height, with the window from
// helligkeit to helligkeit + kontrast marked below, at least `markeBreite`
// pixels wide.
QImage HistogrammMalen(const Histogramm& h, double helligkeit, double kontrast, int breite,
                       int hoehe, int markeBreite = 1);

}  // namespace gm
