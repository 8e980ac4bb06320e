#pragma once
// Pictures the generator and filter dialogs draw besides the frame's preview:
// the coloured preview with its own range, the profile curve, the transfer
// curve and the histogram.

#include <QImage>
#include <array>
#include <functional>
#include <vector>

#include "core/puffer.h"
#include "filters/hell_kontr.h"
#include "generators/funktionen.h"
#include "generators/noise.h"

namespace gm {

class ParameterDialog;
struct Sitzung;

// ZeichneVorschau with the preview's own range and inversion, as a Qt image.
void VorschauMitSpanneMalen(Sitzung& s, const Vorschaufeld& feld, bool invertieren,
                            VorschauSpanne spanne, QImage& bild);

// Black image 512 wide with one white pixel per column at the given rows.
QImage ProfilMalen(const std::array<int, ProfilBreite>& zeilen, int hoehe);

// Transfer curve: one column per value (0..1 upwards), on grey, above a thick
// base line ten pixels over the bottom edge.
QImage KurveMalen(const std::vector<double>& werte, int hoehe);

// The profile of one axis with its first (welche = 1) or second phase shift,
// as the rotation and function dialogs show it: column i plots
// FunktionenKurve at t = (1 - u when Negativ, else u) * Perioden, with
// u = i / (breite - 1), at row WellenKurveZeile; consecutive columns are
// joined. Light grey bottom row on the dialog colour.
QImage WellenKurveMalen(const FunktionenAchse& achse, int welche, int breite, int hoehe);
// The row of value v (0..1 upwards) above the bottom row.
int WellenKurveZeile(double v, int hoehe);
// The size of these images in the dialogs: two side by side below the preview.
constexpr int WellenKurveBreite = 124, WellenKurveHoehe = 40;
// Calls `zeichnen` whenever the dialog has read its controls into the working
// set: while a slider is dragged, on its release and on a check box click.
void kurvenVerbinden(ParameterDialog& d, const std::function<void()>& zeichnen);

// Histogram bars over the axis min(0, helligkeit)..max(1, helligkeit +
// kontrast), the largest at 0.8 of the height, with the window from
// helligkeit to helligkeit + kontrast marked below, at least `markeBreite`
// pixels wide.
QImage HistogrammMalen(const Histogramm& h, double helligkeit, double kontrast, int breite,
                       int hoehe, int markeBreite = 1);

}  // namespace gm
